#include "ui/grid/StrokePreviews.h"

#include "ui/common/ImageScaling.h"

#include <QThread>
#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

namespace {
// The tip is at most this part of the stroke area's height: the S-curve keeps 15 % of the
// height free above and below, and a dab at its crest should stay within the cell.
constexpr double kTipOfHeight = 0.3;

QString PatternIdentifier(QString identifier)
{
    while (identifier.endsWith(QChar(0)))
        identifier.chop(1);
    return identifier;
}
} // namespace

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

double StrokePreviews::diameterOf(const Brush& brush)
{
    const BrushPreset* preset = brush.preset();
    if (preset && preset->tip.diameter > 0)
        return preset->tip.diameter;
    const QSize size = brush.pixelSize();
    return std::max(size.width(), size.height());
}

PatternPtr StrokePreviews::patternForTexture(const BrushFile& file, const Texture& texture)
{
    const QString wanted = PatternIdentifier(texture.patternId);
    if (wanted.isEmpty())
        return nullptr;
    for (const PatternPtr& pattern : file.patterns())
        if (PatternIdentifier(pattern->identifier()) == wanted)
            return pattern;
    return nullptr;
}

StrokeOptions StrokePreviews::optionsFor(const BrushFile& file, const Brush& brush, QSizeF area)
{
    StrokeOptions options;
    options.foreground = Qt::black;
    options.background = Qt::white;
    options.size = std::max(
        1.0, std::min(diameterOf(brush), kTipOfHeight * std::min(area.width(), area.height())));
    const BrushPreset* preset = brush.preset();
    if (preset && preset->settings.texture)
        options.pattern = patternForTexture(file, *preset->settings.texture);
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
            try {
                const StrokeResult stroke =
                    PaintStroke(*brush, SCurvePath(QSizeF(key.size)), key.size, options);
                if (!stroke.cancelled)
                    image = InkImage(stroke.image, ink);
            } catch (const std::bad_alloc&) {
                // Left blank: the cell still shows the name and diameter.
            }
            if (cancel->load())
                return;
            QMetaObject::invokeMethod(
                this,
                [this, generation, key, image = std::move(image)]() mutable {
                    landed(generation, key, std::move(image));
                },
                Qt::QueuedConnection);
        },
        mPriority);
    return QPixmap();
}

void StrokePreviews::landed(quint64 generation, Key key, QImage ink)
{
    if (generation != mGeneration)
        return;
    mPending.remove(key);
    if (ink.isNull()) {
        ink = QImage(key.size, QImage::Format_ARGB32_Premultiplied);
        ink.fill(Qt::transparent);
    }
    const qint64 kilobytes = qint64(ink.width()) * ink.height() * 4 / 1024 + 1;
    mCache.insert(key, new QPixmap(QPixmap::fromImage(std::move(ink))),
                  int(std::min<qint64>(kilobytes, INT_MAX)));
    Q_EMIT previewReady(key.index);
}
