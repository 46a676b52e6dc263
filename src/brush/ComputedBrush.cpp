#include "brush/ComputedBrush.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <boost/thread/thread.hpp>
#include <cmath>
#include <cstring>
#include <list>
#include <mutex>
#include <unordered_map>

namespace {

struct EdgeProfile
{
    double a; // end of the solid core
    double m; // where the ink has fallen to one half
    double k; // side of the drawing square, in diameters
};

EdgeProfile ProfileForHardness(double h)
{
    const double a = ((0.48 * h - 1.28) * h + 1.8) * h;
    const double b = (-0.41 * h + 0.86) * h + 0.55;
    const double m = std::max(a, b);
    const double c = (1.0 - h) * 0.6 + 1.0;
    return {a, m, std::max(m, c)};
}

// The opacity runs through the stops (t, opacity) where t = (d + 1) / (R + 1) for a point at
// distance d from the centre: a gradient from radius -1 out to R. Qt's radial gradient starts
// at radius 0, so the same straight pieces are re-expressed in Qt's position d / R; a stop that
// falls inside radius 0 is replaced by the value the pieces take at the centre.
QGradientStops SoftEdgeStops(const EdgeProfile& profile, double R)
{
    const float tStops[4] = {0.0f, float(profile.a / profile.k), float(profile.m / profile.k),
                             1.0f};
    const double opacity[4] = {1.0, 1.0, 0.5, 0.0};

    auto opacityAtT = [&](double t) {
        for (int i = 1; i < 4; ++i) {
            if (t <= tStops[i]) {
                const double span = tStops[i] - tStops[i - 1];
                if (span <= 0)
                    return opacity[i];
                const double f = (t - tStops[i - 1]) / span;
                return opacity[i - 1] + f * (opacity[i] - opacity[i - 1]);
            }
        }
        return opacity[3];
    };
    auto ink = [](double alpha) { return QColor::fromRgbF(0, 0, 0, float(alpha)); };

    QGradientStops stops;
    stops.append({0.0, ink(opacityAtT(1.0 / (R + 1.0)))});
    for (int i = 0; i < 4; ++i) {
        const double position = (tStops[i] * (R + 1.0) - 1.0) / R;
        if (position > 0.0)
            stops.append({std::min(position, 1.0), ink(opacity[i])});
    }
    return stops;
}
} // namespace

void EllipseBounds(double size, double angleInDegrees, double ratio, float* width, float* height)
{
    const double theta = angleInDegrees * 0.017453292519943295;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double w = std::ceil(std::sqrt((s * ratio) * (s * ratio) + c * c) * size - 1e-9);
    const double h = std::ceil(std::sqrt((ratio * c) * (ratio * c) + s * s) * size - 1e-9);
    *width = std::max(static_cast<float>(w), 1.0f);
    *height = std::max(static_cast<float>(h), 1.0f);
}

namespace {
constexpr int kBandPixels = 1 << 18;

// Full-size images of computed brushes, least recently used first out. Any thread.
class TipCache
{
public:
    // Never destroyed: a brush that outlives main() must still find it.
    static TipCache& instance()
    {
        static TipCache* const cache = new TipCache;
        return *cache;
    }

    QImage find(const ComputedBrush* brush)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        const auto it = mIndex.find(brush);
        if (it == mIndex.end())
            return QImage();
        mEntries.splice(mEntries.begin(), mEntries, it->second);
        return it->second->second;
    }

    void insert(const ComputedBrush* brush, const QImage& image)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (mIndex.count(brush))
            return;
        mEntries.emplace_front(brush, image);
        mIndex[brush] = mEntries.begin();
        mBytes += size_t(image.sizeInBytes());
        trim();
    }

    void erase(const ComputedBrush* brush)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        const auto it = mIndex.find(brush);
        if (it == mIndex.end())
            return;
        mBytes -= size_t(it->second->second.sizeInBytes());
        mEntries.erase(it->second);
        mIndex.erase(it);
    }

    void setBudget(size_t bytes)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mBudget = bytes;
        trim();
    }

    size_t bytes()
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mBytes;
    }

private:
    void trim()
    {
        while (mBytes > mBudget && !mEntries.empty()) {
            mBytes -= size_t(mEntries.back().second.sizeInBytes());
            mIndex.erase(mEntries.back().first);
            mEntries.pop_back();
        }
    }

    using Entry = std::pair<const ComputedBrush*, QImage>;
    std::mutex mMutex;
    std::list<Entry> mEntries;
    std::unordered_map<const ComputedBrush*, std::list<Entry>::iterator> mIndex;
    size_t mBytes = 0;
    size_t mBudget = size_t(256) << 20;
};
} // namespace

ComputedBrush::ComputedBrush(std::optional<QString> name, double diameter,
                             double roundnessInPercent, double angleInDegrees,
                             double hardnessInPercent)
    : Brush(std::move(name)), mParameters{diameter, roundnessInPercent, angleInDegrees,
                                          hardnessInPercent}
{
    if (!(roundnessInPercent >= 0 && roundnessInPercent <= 100 && angleInDegrees <= 360 &&
          hardnessInPercent >= 0 && hardnessInPercent <= 100))
        return;
    // Not guarded by the format; a tip without extent has nothing to draw.
    if (!(diameter > 0) || !std::isfinite(angleInDegrees))
        return;

    double r = roundnessInPercent / 100.0;
    const double h = hardnessInPercent / 100.0;
    if (r * diameter < 1.0)
        r = 1.0 / diameter;
    const double S = static_cast<float>(diameter * ProfileForHardness(h).k);
    float W = 0, H = 0;
    EllipseBounds(S, angleInDegrees, r, &W, &H);
    // A denormal diameter makes the ratio infinite, and the bounds no number at all.
    if (!std::isfinite(r) || !std::isfinite(S) || !std::isfinite(W) || !std::isfinite(H))
        return;

    mRatio = r;
    mHardness = h;
    mAngle = angleInDegrees;
    mSide = S;
    if (S > kMaxDrawnSide) {
        mScaledFrom = QSizeF(W, H);
        mSide = kMaxDrawnSide;
        EllipseBounds(mSide, angleInDegrees, r, &W, &H);
    }
    mSize = QSize(static_cast<int>(W), static_cast<int>(H));
}

ComputedBrush::~ComputedBrush()
{
    TipCache::instance().erase(this);
}

std::shared_ptr<ComputedBrush> ComputedBrush::brushWithName(std::optional<QString> name,
                                                            double diameter,
                                                            double roundnessInPercent,
                                                            double angleInDegrees,
                                                            double hardnessInPercent)
{
    return std::make_shared<ComputedBrush>(std::move(name), diameter, roundnessInPercent,
                                           angleInDegrees, hardnessInPercent);
}

void ComputedBrush::setCacheBudget(size_t bytes)
{
    TipCache::instance().setBudget(bytes);
}

size_t ComputedBrush::cachedBytes()
{
    return TipCache::instance().bytes();
}

QImage ComputedBrush::image() const
{
    if (mSize.isEmpty())
        return QImage();
    QImage cached = TipCache::instance().find(this);
    if (!cached.isNull())
        return cached;
    QImage drawn = drawImage(1.0);
    TipCache::instance().insert(this, drawn);
    return drawn;
}

QImage ComputedBrush::thumbnail(int side) const
{
    if (mSize.isEmpty() || side <= 0)
        return QImage();
    const int longest = std::max(mSize.width(), mSize.height());
    if (longest <= side)
        return image();
    // Drawn small in the first place: a 5,000-pixel tip need not be drawn whole for a cell.
    QImage small = drawImage(double(side) / longest);
    if (small.width() > side || small.height() > side)
        small = small.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return small;
}

QImage ComputedBrush::drawImage(double scale, int bandRows) const
{
    if (mSize.isEmpty())
        return QImage();
    const double S = mSide * scale;
    const double h = mHardness;
    const double r = mRatio;
    const double angleInDegrees = mAngle;
    // A band of a wide tip holds many pixels; keep each to about a quarter million so that a
    // cancel is noticed within a few milliseconds.
    const int side = std::max(1, static_cast<int>(std::ceil(S)));
    bandRows = std::max(1, std::min(bandRows, kBandPixels / side));

    // The round tip, unsquashed and unrotated, on a transparent square. Only its coverage
    // matters (the ink is always black), so one byte a pixel holds it: alpha for the soft tip;
    // grey for the hard one, which is opaque. Both images are drawn in bands of rows, clipped
    // to whole pixels, so a cancel is noticed within one band; the pixels are those of one
    // drawing of the whole.
    QImage tip(side, side, h >= 1.0 ? QImage::Format_Grayscale8 : QImage::Format_Alpha8);
    if (tip.isNull())
        return QImage();
    // Filled band by band too: a fresh image of a large tip takes tens of milliseconds to fault
    // in and clear.
    const int tipBlank = h >= 1.0 ? 255 : 0;
    // Taken before a painter is active on the image, so that no detach can come between.
    uchar* const tipBits = tip.bits();
    {
        QPainter painter(&tip);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QRectF square(0, 0, S, S);
        const EdgeProfile profile = ProfileForHardness(h);
        QRadialGradient gradient(QPointF(S / 2.0, S / 2.0), S / 2.0);
        if (h < 1.0)
            gradient.setStops(SoftEdgeStops(profile, S / 2.0));
        for (int y = 0; y < side; y += bandRows) {
            boost::this_thread::interruption_point();
            const int rows = std::min(bandRows, side - y);
            std::memset(tipBits + qsizetype(y) * tip.bytesPerLine(), tipBlank,
                        size_t(tip.bytesPerLine()) * size_t(rows));
            painter.setClipRect(QRect(0, y, side, rows));
            if (h >= 1.0) {
                painter.fillRect(square, Qt::white);
                painter.setBrush(Qt::black);
                painter.drawEllipse(square);
            } else {
                painter.fillRect(square, gradient);
            }
        }
    }

    // Squash to the roundness, then rotate counter-clockwise as seen on screen (Qt's y axis
    // points down, so the angle changes sign).
    QTransform T;
    T.rotate(-angleInDegrees);
    T.scale(1.0, r);

    float W = 0, H = 0;
    EllipseBounds(S, angleInDegrees, r, &W, &H);

    const QPointF p = T.map(QPointF(S / 2.0, S / 2.0));
    const QPointF q = T.inverted().map(QPointF(W / 2.0 - p.x(), H / 2.0 - p.y()));

    QImage canvas(static_cast<int>(W), static_cast<int>(H), QImage::Format_Grayscale8);
    if (canvas.isNull())
        return QImage();
    uchar* const canvasBits = canvas.bits();
    {
        // Each band draws from the strip of tip rows that lands on it (with a margin, so that
        // smooth sampling near the strip's edges sees the same neighbours): drawing from the
        // whole tip would have the engine convert all of it again for every band.
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        const QTransform toTip = (QTransform::fromTranslate(q.x(), q.y()) * T).inverted();
        constexpr int kMargin = 3;
        for (int y = 0; y < canvas.height(); y += bandRows) {
            boost::this_thread::interruption_point();
            const int rows = std::min(bandRows, canvas.height() - y);
            std::memset(canvasBits + qsizetype(y) * canvas.bytesPerLine(), 255,
                        size_t(canvas.bytesPerLine()) * size_t(rows));
            const QRectF from = toTip.mapRect(QRectF(0, y, canvas.width(), rows));
            const int top = std::max(0, static_cast<int>(std::floor(from.top())) - kMargin);
            const int bottom = std::min(side, static_cast<int>(std::ceil(from.bottom())) + kMargin);
            if (bottom <= top)
                continue;
            const double stripHeight = std::min<double>(bottom, S) - top;
            if (stripHeight <= 0)
                continue;
            const QImage strip(tip.constBits() + qsizetype(top) * tip.bytesPerLine(), side,
                               bottom - top, tip.bytesPerLine(), tip.format());
            painter.resetTransform();
            painter.setClipRect(QRect(0, y, canvas.width(), rows));
            painter.setTransform(T);
            painter.drawImage(QRectF(q + QPointF(0, top), QSizeF(S, stripHeight)), strip,
                              QRectF(0, 0, S, stripHeight));
        }
    }
    return canvas;
}
