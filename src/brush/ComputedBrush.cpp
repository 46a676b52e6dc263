#include "brush/ComputedBrush.h"

#include <QPainter>
#include <QRadialGradient>
#include <QThread>
#include <QThreadPool>
#include <QTransform>
#include <algorithm>
#include <atomic>
#include <boost/thread/thread.hpp>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <list>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

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

namespace {
// What a drawing needs, copied out of the brush: a drawing left running by an interrupted caller
// may outlive the brush.
struct EllipseShape
{
    double side;     // of the drawing square
    double ratio;    // roundness
    double hardness; // as a ratio
    double angle;    // in degrees
};

// Drawings up to this many pixels (tip and canvas together) take a few milliseconds and are
// made on the caller's thread.
constexpr double kInPlacePixels = 1 << 18;

double PixelCount(const EllipseShape& shape)
{
    float W = 0, H = 0;
    EllipseBounds(shape.side, shape.angle, shape.ratio, &W, &H);
    const double side = std::max(1.0, std::ceil(shape.side));
    return side * side + double(W) * double(H);
}

// Each image is drawn in one piece: the painter samples and shades edges from where a drawing
// starts, so a tip put together from bands differs from one drawn whole at the edges. The
// drawing stops between its two steps once nobody waits for it.
QImage DrawTip(const EllipseShape& shape, const std::atomic<bool>* abandoned)
{
    const double S = shape.side;
    const double h = shape.hardness;
    const double r = shape.ratio;

    // The round tip, unsquashed and unrotated, on a transparent square. Only its coverage
    // matters (the ink is always black), so one byte a pixel holds it: alpha for the soft tip;
    // grey for the hard one, which is opaque.
    const int side = std::max(1, static_cast<int>(std::ceil(S)));
    QImage tip(side, side, h >= 1.0 ? QImage::Format_Grayscale8 : QImage::Format_Alpha8);
    if (tip.isNull())
        return QImage();
    tip.fill(h >= 1.0 ? Qt::white : Qt::transparent);
    {
        QPainter painter(&tip);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QRectF square(0, 0, S, S);
        if (h >= 1.0) {
            painter.fillRect(square, Qt::white);
            painter.setBrush(Qt::black);
            painter.drawEllipse(square);
        } else {
            const double R = S / 2.0;
            QRadialGradient gradient(QPointF(R, R), R);
            gradient.setStops(SoftEdgeStops(ProfileForHardness(h), R));
            painter.fillRect(square, gradient);
        }
    }
    if (abandoned && *abandoned)
        return QImage();

    // Squash to the roundness, then rotate counter-clockwise as seen on screen (Qt's y axis
    // points down, so the angle changes sign).
    QTransform T;
    T.rotate(-shape.angle);
    T.scale(1.0, r);

    float W = 0, H = 0;
    EllipseBounds(S, shape.angle, r, &W, &H);

    const QPointF p = T.map(QPointF(S / 2.0, S / 2.0));
    const QPointF q = T.inverted().map(QPointF(W / 2.0 - p.x(), H / 2.0 - p.y()));

    QImage canvas(static_cast<int>(W), static_cast<int>(H), QImage::Format_Grayscale8);
    if (canvas.isNull())
        return QImage();
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.setTransform(T);
        painter.drawImage(QRectF(q, QSizeF(S, S)), tip, QRectF(0, 0, S, S));
    }
    return canvas;
}

// A large tip takes up to seconds to draw and a painter cannot stop partway, so large drawings
// run on threads of their own while the caller waits at interruption points. A caller that is
// interrupted leaves at once; its drawing runs to the end of its current step and is dropped.
class DrawingThreads
{
public:
    // Never destroyed before the drawings left running have ended: they use the painter's
    // own shared state until then.
    static DrawingThreads& instance()
    {
        static DrawingThreads threads;
        made = true;
        return threads;
    }
    // Whether anything asked for a large drawing yet; a program that never did has none to end.
    static inline std::atomic<bool> made{false};

    ~DrawingThreads() { end(); }

    // Gives up every drawing under way and waits until none runs and no caller is left inside
    // draw(): what they use of Qt's goes with the statics. Callers waiting leave at once with no
    // image, so that a caller on a thread of Qt's global pool frees it for the painter, which
    // shares large fills out to that pool. Drawings asked for afterwards come back empty.
    void end()
    {
        std::unique_lock<std::mutex> lock(mMutex);
        mEnded = true;
        for (Job* job : mJobs)
            job->abandoned = true;
        mChanged.wait(lock, [this] { return mRunning == 0 && mCallers == 0; });
    }

    bool ended()
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mEnded;
    }

    QImage draw(const EllipseShape& shape)
    {
        auto job = std::make_shared<Job>();
        std::unique_lock<std::mutex> lock(mMutex);
        if (mEnded)
            return QImage();
        ++mCallers;
        // Leaves the count however draw() is left: with the image, or interrupted.
        struct Leaving
        {
            DrawingThreads& threads;
            std::unique_lock<std::mutex>& lock;
            ~Leaving()
            {
                if (!lock.owns_lock())
                    lock.lock();
                --threads.mCallers;
                threads.mChanged.notify_all();
            }
        } leaving{*this, lock};
        // Drawings given up by their callers still take memory and processor time; never let
        // more than two of them pile up.
        waitInterruptibly(
            lock, [this] { return mAbandoned < kMaxAbandoned || mEnded; }, nullptr);
        if (mEnded)
            return QImage();
        try {
            std::thread([this, job, shape] { run(*job, shape); }).detach();
        } catch (const std::system_error&) {
            lock.unlock();
            return DrawTip(shape, nullptr);
        }
        ++mRunning;
        mJobs.push_back(job.get());
        waitInterruptibly(
            lock, [this, &job] { return job->done || mEnded; }, job.get());
        // Given up by end(), which marked the drawing so: it is dropped when it stops.
        return job->done ? std::move(job->image) : QImage();
    }

private:
    static constexpr int kMaxAbandoned = 2;

    struct Job
    {
        std::atomic<bool> abandoned{false}; // by its caller, or by the end of the process
        bool givenUpByCaller = false;
        bool done = false;
        QImage image;
    };

    DrawingThreads()
    {
        // Qt makes the shared state of its gradients on first use; made here, before this
        // object is complete, it outlives this object and so every drawing left running.
        QImage warm(1, 1, QImage::Format_Alpha8);
        QPainter painter(&warm);
        painter.fillRect(warm.rect(), QRadialGradient(0.5, 0.5, 0.5));
    }

    void run(Job& job, const EllipseShape& shape)
    {
        QImage image;
        try {
            image = DrawTip(shape, &job.abandoned);
        } catch (...) {
            // Out of memory inside the painter: the tip has no image, like one too large.
        }
        std::unique_lock<std::mutex> lock(mMutex);
        mJobs.erase(std::find(mJobs.begin(), mJobs.end(), &job));
        if (job.abandoned) {
            // Freed while the drawing still counts as running, so that nothing of Qt's is
            // touched once an exiting process may have stopped waiting.
            lock.unlock();
            image = QImage();
            lock.lock();
        } else {
            job.image = std::move(image);
        }
        job.done = true;
        --mRunning;
        if (job.givenUpByCaller)
            --mAbandoned;
        mChanged.notify_all();
    }

    template <class Predicate>
    void waitInterruptibly(std::unique_lock<std::mutex>& lock, Predicate ready, Job* job)
    {
        while (!ready()) {
            mChanged.wait_for(lock, std::chrono::milliseconds(2));
            if (!ready() && boost::this_thread::interruption_enabled() &&
                boost::this_thread::interruption_requested()) {
                if (job) {
                    job->abandoned = true;
                    job->givenUpByCaller = true;
                    ++mAbandoned;
                }
                lock.unlock();
                boost::this_thread::interruption_point();
                throw boost::thread_interrupted(); // the job is given up either way
            }
        }
    }

    std::mutex mMutex;
    std::condition_variable mChanged;
    int mRunning = 0;
    int mAbandoned = 0;
    int mCallers = 0;
    bool mEnded = false;
    std::vector<Job*> mJobs; // running
};
} // namespace

void ComputedBrush::endDrawings()
{
    if (DrawingThreads::made)
        DrawingThreads::instance().end();
}

QImage ComputedBrush::drawImage(double scale) const
{
    if (mSize.isEmpty())
        return QImage();
    const EllipseShape shape{mSide * scale, mRatio, mHardness, mAngle};
    if (PixelCount(shape) <= kInPlacePixels)
        return DrawTip(shape, nullptr);
    // A task of Qt's global pool cannot be interrupted anyway, and waiting for a drawing thread
    // it would hold one of the threads the painter shares large fills out to: with every one of
    // them waiting so, no drawing would end. It draws in place, its fills on its own thread.
    if (QThreadPool::globalInstance()->contains(QThread::currentThread()))
        return DrawingThreads::instance().ended() ? QImage() : DrawTip(shape, nullptr);
    return DrawingThreads::instance().draw(shape);
}

double ComputedBrush::drawingPixels(double scale) const
{
    if (mSize.isEmpty())
        return 0;
    return PixelCount(EllipseShape{mSide * scale, mRatio, mHardness, mAngle});
}

double ComputedBrush::scaleWithin(double pixels) const
{
    const double full = drawingPixels(1.0);
    if (full <= pixels)
        return 1.0;
    double scale = std::sqrt(pixels / full);
    // Sides round up to whole pixels, so the first guess can be a little over.
    while (scale > 0 && drawingPixels(scale) > pixels)
        scale *= 0.99;
    return scale;
}

QSize ComputedBrush::drawnSize(double scale) const
{
    if (mSize.isEmpty())
        return QSize();
    if (scale == 1.0)
        return mSize;
    float W = 0, H = 0;
    EllipseBounds(mSide * scale, mAngle, mRatio, &W, &H);
    return QSize(static_cast<int>(W), static_cast<int>(H));
}

int ComputedBrush::askedSide() const
{
    if (mScaledFrom)
        return int(std::ceil(std::max(mScaledFrom->width(), mScaledFrom->height())));
    return std::max(mSize.width(), mSize.height());
}
