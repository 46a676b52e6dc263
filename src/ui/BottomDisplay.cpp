#include "ui/BottomDisplay.h"

#include "ui/FileManagerLauncher.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
// One component of the path: its name, flat, double-clickable. A long name gives way with an
// ellipsis in the middle (where two names of a series usually differ least) when the strip is
// too narrow for the whole path.
class PathComponent : public QWidget
{
public:
    PathComponent(const QString& path, const QString& text, QWidget* parent, BottomDisplay* owner)
        : QWidget(parent), mPath(path), mText(text), mOwner(owner)
    {
        setFocusPolicy(Qt::NoFocus);
        setToolTip(path);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QString text() const { return mText; }
    QString shownText() const
    {
        return fontMetrics().elidedText(mText, Qt::ElideMiddle, width() - 2 * kPadding);
    }
    QSize sizeHint() const override
    {
        return QSize(fontMetrics().horizontalAdvance(mText) + 2 * kPadding, fontMetrics().height());
    }
    QSize minimumSizeHint() const override
    {
        const int shortest = fontMetrics().horizontalAdvance(mText.left(3) + QChar(0x2026));
        return QSize(std::min(shortest, sizeHint().width()) + 2 * kPadding, fontMetrics().height());
    }

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
    static constexpr int kPadding = 2;
    QString mPath;
    QString mText;
    BottomDisplay* mOwner;
};
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
        if (const auto* component = dynamic_cast<const PathComponent*>(child))
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
        mLayout->addWidget(new PathComponent(paths[i], name, this, this));
    }
    mLayout->addStretch(1);
}

void BottomDisplay::doubleClickedComponent(const QString& componentPath)
{
    const QFileInfo info(componentPath);
    if (!info.exists() || !info.isDir())
        return;
    OpenFolderInFileManager(componentPath);
    Q_EMIT folderOpened(componentPath);
}
