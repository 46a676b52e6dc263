#pragma once

#include <QProxyStyle>

// The window's own scroll bars: a slim rounded thumb with a soft gradient on a track a shade
// off the window.
// Whether there are arrow buttons, and where, stays the desktop style's decision, so the bars
// follow the user's scroll-arrow setting.
class KelbrinStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};
