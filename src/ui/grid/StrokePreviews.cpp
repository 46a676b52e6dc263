#include "ui/grid/StrokePreviews.h"

#include "engine/PresetStroke.h"
#include "ui/common/ImageScaling.h"

#include <QThread>
#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

StrokePreviews::StrokePreviews(QObject* parent)
    : QObject(parent), mCancel(std::make_shared<std::atomic<bool>>(false))
{
    // One core of two stays with the window; a stroke takes tens of milliseconds at most.
    mPool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    mPool.setThreadPriority(QThread::LowPriority);
}

StrokePreviews::~StrokePreviews()
{
    mCancel->store(true);
    mPool.clear();
    mPool.waitForDone();
}

void StrokePreviews::setFile(BrushFilePtr file)
{
    if (file == mFile)
        return;
    // The strokes of the file left stop where they are; their results are dropped on landing.
    mCancel->store(true);
    mPool.clear();
    mCancel = std::make_shared<std::atomic<bool>>(false);
    ++mGeneration;
    mFile = std::move(file);
    mCache.clear();
    mPending.clear();
    mSimplified.clear();
}

void StrokePreviews::dropQueued()
{
    mPool.clear();
    // Those under way land and are kept; asked for again meanwhile, one is painted twice.
    mPending.clear();
}

void StrokePreviews::clearCache()
{
    mCache.clear();
}

StrokeOptions StrokePreviews::optionsFor(const BrushFile& file, const Brush& brush, QSizeF area)
{
    StrokeOptions options;
    options.foreground = Qt::black;
    options.background = Qt::white;
    // Sized as the shell's and the export's strokes are, so a large tip stays within the cell.
    options.size = FittingDiameter(brush, area.toSize());
    options.pattern = PatternForTexture(brush, file.patterns());
    return options;
}

QPixmap StrokePreviews::preview(int index, QSize deviceSize, qreal dpr, QColor ink)
{
    if (!mFile || index < 0 || size_t(index) >= mFile->count() || deviceSize.isEmpty())
        return QPixmap();
    const BrushPtr brush = mFile->brush(size_t(index));
    StrokeOptions options = optionsFor(*mFile, *brush, QSizeF(deviceSize));
    const Key key{index, deviceSize, ink.rgba(), options.pattern != nullptr};
    if (const QPixmap* cached = mCache.object(key)) {
        QPixmap pixmap = *cached;
        pixmap.setDevicePixelRatio(dpr);
        return pixmap;
    }
    if (mPending.contains(key))
        return QPixmap();
    mPending.insert(key);
    options.cancel = mCancel.get();
    mPool.start(
        [this, brush, options, key, ink, cancel = mCancel, generation = mGeneration] {
            // The flag is held here too: the file may be left, and its flag replaced, while
            // the stroke is painted.
            if (cancel->load())
                return;
            QImage image;
            bool simplified = false;
            try {
                const StrokeResult stroke =
                    PaintStroke(*brush, SCurvePath(QSizeF(key.size)), key.size, options);
                simplified = stroke.simplified;
                if (!stroke.cancelled)
                    image = InkImage(stroke.image, ink);
            } catch (const std::bad_alloc&) {
                // Left blank: the cell still shows the name and diameter.
            }
            if (cancel->load())
                return;
            QMetaObject::invokeMethod(
                this,
                [this, generation, key, image = std::move(image), simplified]() mutable {
                    landed(generation, key, std::move(image), simplified);
                },
                Qt::QueuedConnection);
        },
        mPriority);
    return QPixmap();
}

void StrokePreviews::landed(quint64 generation, Key key, QImage ink, bool simplified)
{
    if (generation != mGeneration)
        return;
    mPending.remove(key);
    if (simplified)
        mSimplified.insert(key.index);
    else
        mSimplified.remove(key.index);
    if (ink.isNull()) {
        ink = QImage(key.size, QImage::Format_ARGB32_Premultiplied);
        ink.fill(Qt::transparent);
    }
    const qint64 kilobytes = qint64(ink.width()) * ink.height() * 4 / 1024 + 1;
    mCache.insert(key, new QPixmap(QPixmap::fromImage(std::move(ink))),
                  int(std::min<qint64>(kilobytes, INT_MAX)));
    Q_EMIT previewReady(key.index);
}
