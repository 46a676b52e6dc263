#include "ui/BottomDisplay.h"

#include "ui/FileManagerLauncher.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
// One component of the path: icon and name, flat, double-clickable.
class PathComponent : public QLabel
{
public:
    PathComponent(const QString& path, const QString& text, QWidget* parent, BottomDisplay* owner)
        : QLabel(parent), mPath(path), mOwner(owner)
    {
        setText(text);
        setFocusPolicy(Qt::NoFocus);
        setToolTip(path);
        setContentsMargins(2, 0, 2, 0);
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            mOwner->doubleClickedComponent(mPath);
    }

private:
    QString mPath;
    BottomDisplay* mOwner;
};
} // namespace

BottomDisplay::BottomDisplay(QWidget* parent) : QWidget(parent), mLayout(new QHBoxLayout(this))
{
    mLayout->setContentsMargins(6, 2, 6, 2);
    mLayout->setSpacing(2);
    mLayout->addStretch(1);
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(false);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(fontMetrics().height() + 6);
}

QColor BottomDisplay::backgroundColor()
{
    return QColor::fromHsvF(0.583f, 0.05f, 0.92f, 1.0f);
}

void BottomDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
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
