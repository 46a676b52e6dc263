#include "ui/window/BottomDisplay.h"

#include "ui/common/FileManagerLauncher.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// One component of the path: its name, flat, double-clickable. The strip gives it a width; a
// name wider than that gives way with an ellipsis in the middle, where two names of a series
// usually differ least.
class PathComponent : public QWidget
{
public:
    // A folder (not the last component) may give way down to the ellipsis alone.
    PathComponent(const QString& path, const QString& text, bool folder, QWidget* parent,
                  BottomDisplay* owner)
        : QWidget(parent), mPath(path), mText(text), mFolder(folder), mOwner(owner)
    {
        setFocusPolicy(Qt::NoFocus);
        setToolTip(path);
        // Drawn elided, but heard whole.
        setAccessibleName(text);
        setAccessibleDescription(path);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QString text() const { return mText; }
    // Measured, elided and drawn with one set of metrics: those for this widget's screen,
    // which at a scale factor differ from the font's own by several per cent.
    QFontMetricsF metrics() const { return QFontMetricsF(font(), this); }
    // The name's own width, rounded up: rounded to the nearest pixel it could fall a fraction
    // short of the text and have a name that fits elided.
    int naturalWidth() const { return int(std::ceil(metrics().horizontalAdvance(mText))); }
    // The narrowest it gives way to: three letters and the ellipsis, a folder the ellipsis.
    int narrowestWidth() const
    {
        const QString shortest = (mFolder ? QString() : mText.left(3)) + QChar(0x2026);
        return std::min(naturalWidth(), int(std::ceil(metrics().horizontalAdvance(shortest))));
    }
    void setTextWidth(int width)
    {
        if (width == mTextWidth)
            return;
        mTextWidth = width;
        updateGeometry();
        update();
    }
    QString shownText() const
    {
        const int room = width() - 2 * kPadding;
        if (naturalWidth() <= room)
            return mText;
        return metrics().elidedText(mText, Qt::ElideMiddle, room);
    }
    QSize sizeHint() const override
    {
        const int text = mTextWidth < 0 ? naturalWidth() : mTextWidth;
        return QSize(text + 2 * kPadding, fontMetrics().height());
    }
    QSize minimumSizeHint() const override
    {
        return QSize(narrowestWidth() + 2 * kPadding, fontMetrics().height());
    }

    static constexpr int kPadding = 2;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(kPadding, 0, -kPadding, 0), Qt::AlignVCenter, shownText());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            mOwner->doubleClickedComponent(mPath);
    }

private:
    QString mPath;
    QString mText;
    bool mFolder;
    BottomDisplay* mOwner;
    int mTextWidth = -1; // the name's own width
};

// The widest any name may be for the whole path to fit in `room`: names narrower than the cap
// stay whole, and the longest give way first, down to one width. No cap (-1) when the whole
// path fits.
//
//   widths 30 90 200, room 250:  a third each (83) would waste what 30 leaves; 30 whole, the
//   other two share 220 (110 each); 90 whole, 200 gets the 130 left  ->  cap 130
int WidthCap(QList<int> widths, int room)
{
    int total = 0;
    for (int w : widths)
        total += w;
    if (total <= room)
        return -1;
    std::sort(widths.begin(), widths.end());
    // With the k narrowest whole, the rest share what is left equally.
    int whole = 0;
    for (int k = 0; k < widths.size(); ++k) {
        const int rest = int(widths.size()) - k;
        const int cap = (room - whole) / rest;
        if (cap < widths[k])
            return std::max(0, cap);
        whole += widths[k];
    }
    return widths.isEmpty() ? -1 : widths.last();
}
} // namespace

BottomDisplay::BottomDisplay(QWidget* parent) : QWidget(parent), mLayout(new QHBoxLayout(this))
{
    mLayout->setContentsMargins(6, 2, 6, 2);
    mLayout->setSpacing(2);
    mLayout->addStretch(1);
    setFocusPolicy(Qt::NoFocus);
    // Taking drops and refusing each one keeps them from falling through to the window, which
    // would open a dropped file.
    setAcceptDrops(true);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(fontMetrics().height() + 6);
}

QColor BottomDisplay::backgroundColor(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    if (window.lightnessF() >= 0.5)
        return QColor::fromHsvF(0.583f, 0.05f, 0.92f, 1.0f);
    return window.lighter(115);
}

void BottomDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor(palette()));
}

void BottomDisplay::dragEnterEvent(QDragEnterEvent* event)
{
    event->ignore();
}

void BottomDisplay::dragMoveEvent(QDragMoveEvent* event)
{
    event->ignore();
}

void BottomDisplay::dropEvent(QDropEvent* event)
{
    event->ignore();
}

QStringList BottomDisplay::shownTexts() const
{
    QStringList texts;
    // PathComponent has no meta-object of its own, so findChildren would take every widget.
    for (const QObject* child : children())
        if (const auto* component = dynamic_cast<const PathComponent*>(child);
            component && !component->isHidden())
            texts << component->shownText();
    return texts;
}

QStringList BottomDisplay::componentPaths() const
{
    QStringList paths;
    if (mPath.isEmpty())
        return paths;
    const QString clean = QDir::cleanPath(mPath);
    paths << QStringLiteral("/");
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current;
    for (const QString& part : parts) {
        current += QLatin1Char('/') + part;
        paths << current;
    }
    return paths;
}

void BottomDisplay::setPath(const QString& path)
{
    mPath = path;
    while (QLayoutItem* item = mLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QStringList paths = componentPaths();
    for (int i = 0; i < paths.size(); ++i) {
        if (i > 0) {
            auto* separator = new QLabel(QStringLiteral("\u203A"), this);
            separator->setEnabled(false);
            separator->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            mLayout->addWidget(separator);
        }
        const QString name = i == 0 ? QStringLiteral("/") : QFileInfo(paths[i]).fileName();
        mLayout->addWidget(new PathComponent(paths[i], name, i + 1 < paths.size(), this, this));
    }
    mLayout->addStretch(1);
    fitComponents();
}

void BottomDisplay::fitComponents()
{
    QList<PathComponent*> components;
    int room = contentsRect().width() - mLayout->contentsMargins().left() -
               mLayout->contentsMargins().right();
    int widgets = 0;
    for (int i = 0; i < mLayout->count(); ++i) {
        QWidget* widget = mLayout->itemAt(i)->widget();
        if (!widget)
            continue;
        ++widgets;
        widget->setVisible(true);
        if (auto* component = dynamic_cast<PathComponent*>(widget)) {
            components << component;
            room -= 2 * PathComponent::kPadding;
        } else {
            room -= widget->sizeHint().width();
        }
    }
    room -= std::max(0, widgets - 1) * mLayout->spacing();
    if (components.isEmpty())
        return;
    // The folders give way first, the file's own name (the last) only once they are as narrow
    // as they go: the name is what the strip is read for.
    PathComponent* last = components.takeLast();
    QList<int> widths;
    int narrowest = 0;
    for (const PathComponent* component : components) {
        widths << component->naturalWidth();
        narrowest += component->narrowestWidth();
    }
    const int lastWidth = last->naturalWidth();
    // A deep path whose folders, down to an ellipsis each, still leave the name short loses
    // folders from the top: "/ › … › Watercolor Pack › name", where the first folder stands
    // for those left out and the last one stays.
    //   components:  /  first  [2 … size-2 may go]  last folder  | name
    int folded = 0;
    for (int k = 2; k + 1 < components.size() && narrowest + lastWidth > room; ++k) {
        PathComponent* gone = components[k];
        QWidget* separator = mLayout->itemAt(mLayout->indexOf(gone) - 1)->widget();
        room +=
            2 * PathComponent::kPadding + separator->sizeHint().width() + 2 * mLayout->spacing();
        narrowest -= gone->narrowestWidth();
        gone->hide();
        separator->hide();
        ++folded;
    }
    if (folded > 0) {
        // The stand-in is an ellipsis whatever its name; the rest share what is left.
        PathComponent* standIn = components[1];
        standIn->setTextWidth(standIn->narrowestWidth());
        room -= standIn->narrowestWidth();
        components.erase(components.begin() + 1, components.begin() + 2 + folded);
        widths.clear();
        narrowest = 0;
        for (const PathComponent* component : components) {
            widths << component->naturalWidth();
            narrowest += component->narrowestWidth();
        }
    }
    const int cap = WidthCap(widths, room - lastWidth);
    for (PathComponent* component : components) {
        const int natural = component->naturalWidth();
        component->setTextWidth(
            cap < 0 || natural <= cap ? natural : std::max(cap, component->narrowestWidth()));
    }
    last->setTextWidth(narrowest + lastWidth <= room
                           ? lastWidth
                           : std::max(room - narrowest, last->narrowestWidth()));
}

void BottomDisplay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitComponents();
}

void BottomDisplay::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitComponents();
}

void BottomDisplay::doubleClickedComponent(const QString& componentPath)
{
    const QFileInfo info(componentPath);
    if (!info.exists() || !info.isDir())
        return;
    OpenFolderInFileManager(componentPath);
    Q_EMIT folderOpened(componentPath);
}
