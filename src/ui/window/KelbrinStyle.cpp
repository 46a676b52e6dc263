#include "ui/window/KelbrinStyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionSlider>

void KelbrinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const bool horizontal = bar->orientation == Qt::Horizontal;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    // The colours of old on light desktops; shades of the window's colour on dark ones.
    const QColor window = option->palette.color(QPalette::Window);
    const bool dark = window.lightnessF() < 0.5;

    // Track: the whole groove, lighter than the window.
    const QRect groove = subControlRect(control, option, SC_ScrollBarGroove, widget);
    QLinearGradient track(groove.topLeft(), horizontal ? groove.bottomLeft() : groove.topRight());
    track.setColorAt(0, dark ? window.darker(125) : QColor(0xe4, 0xe7, 0xeb));
    track.setColorAt(1, dark ? window.darker(110) : QColor(0xf3, 0xf4, 0xf6));
    painter->fillRect(option->rect, track);

    // Arrows where the desktop style puts them, drawn by that style.
    for (SubControl arrow : {SC_ScrollBarAddLine, SC_ScrollBarSubLine}) {
        if (!(bar->subControls & arrow) || subControlRect(control, option, arrow, widget).isEmpty())
            continue;
        QStyleOptionSlider only = *bar;
        only.subControls = arrow;
        QProxyStyle::drawComplexControl(control, &only, painter, widget);
    }

    // Thumb: a capsule inset from the track, darker while pressed.
    QRectF thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
    if (!thumb.isEmpty() && bar->maximum > bar->minimum) {
        thumb.adjust(2.5, 2.5, -2.5, -2.5);
        const bool pressed =
            (bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & State_Sunken);
        QLinearGradient fill(thumb.topLeft(), horizontal ? thumb.bottomLeft() : thumb.topRight());
        if (dark) {
            fill.setColorAt(0, window.lighter(pressed ? 230 : 190));
            fill.setColorAt(1, window.lighter(pressed ? 200 : 165));
        } else {
            fill.setColorAt(0, pressed ? QColor(0x8a, 0x92, 0x9c) : QColor(0xb4, 0xba, 0xc2));
            fill.setColorAt(1, pressed ? QColor(0x70, 0x78, 0x82) : QColor(0x9a, 0xa2, 0xac));
        }
        const double radius = std::min(thumb.width(), thumb.height()) / 2.0;
        painter->setPen(QPen(dark ? window.lighter(250) : QColor(0x80, 0x88, 0x92), 0.8));
        painter->setBrush(fill);
        painter->drawRoundedRect(thumb, radius, radius);
    }
    painter->restore();
}
