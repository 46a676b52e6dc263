#pragma once

#include "brush/BrushFile.h"
#include "engine/BrushEngine.h"

#include <QCache>
#include <QColor>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QThreadPool>
#include <atomic>
#include <memory>

// The grid's stroke previews: each brush's stroke over the preview's S-curve, painted on a pool
// of its own and kept by brush and size. Asking for one that is not there yet queues it and
// answers null; previewReady() says when it came. A new file cancels what the one before still
// had under way (the strokes stop at their next point) and drops what it had queued.
class StrokePreviews : public QObject
{
    Q_OBJECT
public:
    explicit StrokePreviews(QObject* parent = nullptr);
    // Cancels and waits: the tasks hold brushes of the file, not this object, but their
    // results are for it.
    ~StrokePreviews() override;

    void setFile(BrushFilePtr file);
    // The stroke of brush `index` as ink with transparency, `deviceSize` device pixels; null
    // while it is painted. A stroke is painted once for each size and ink.
    QPixmap preview(int index, QSize deviceSize, qreal dpr, QColor ink);
    // Strokes asked for from here on go before those asked for earlier: what a paint shows
    // now comes before what was scrolled past.
    void beginPaint() { ++mPriority; }
    // Drops the strokes queued and not begun: a new zoom wants other sizes. Those under way
    // still land.
    void dropQueued();
    // Forgets every stroke painted (a palette change); work under way still lands.
    void clearCache();
    // Whether brush `index`'s stroke, as last painted, was simplified: its preset asks for more
    // dabs or a larger tip than a preview paints.
    bool simplified(int index) const { return mSimplified.contains(index); }
    // Strokes queued or being painted.
    int pendingCount() const { return int(mPending.size()); }
    // The flag the strokes of the file on display watch; set once the file is left.
    std::shared_ptr<const std::atomic<bool>> cancelFlag() const { return mCancel; }
    // Waits for the pool (tests, and the owner's end).
    void waitForDone() { mPool.waitForDone(); }

    // How a preview is painted for a brush of `file`: the stroke's tip size fitted to `area`
    // (never larger than the preset's own) and the file's pattern for its texture, when the
    // file holds it.
    static StrokeOptions optionsFor(const BrushFile& file, const Brush& brush, QSizeF area);

Q_SIGNALS:
    void previewReady(int index);

private:
    struct Key
    {
        int index;
        QSize size;
        QRgb ink;
        bool withPattern;
        bool operator==(const Key& other) const
        {
            return index == other.index && size == other.size && ink == other.ink &&
                   withPattern == other.withPattern;
        }
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.index, key.size.width(), key.size.height(), key.ink,
                          key.withPattern);
    }
    void landed(quint64 generation, Key key, QImage ink, bool simplified);

    BrushFilePtr mFile;
    QThreadPool mPool;
    std::shared_ptr<std::atomic<bool>> mCancel;
    quint64 mGeneration = 0;
    // A few screens of strokes, in kilobytes.
    QCache<Key, QPixmap> mCache{96 * 1024};
    QSet<Key> mPending;
    QSet<int> mSimplified;
    int mPriority = 0;
};
