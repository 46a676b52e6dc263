#pragma once

#include "brush/Brush.h"

#include <optional>

// A parametric brush tip: an ellipse with a soft or hard edge. Its size is known from its
// parameters; its image is drawn only when something asks for it, at the size asked for, and
// full-size images are kept in a cache shared by all computed brushes, under a memory budget.
class ComputedBrush : public Brush
{
public:
    // Tips are drawn at most this many pixels a side (one byte a pixel); a larger one is drawn
    // at the largest size that fits, and says so through scaledFrom().
    static constexpr double kMaxDrawnSide = 16384.0;
    // A painter cannot draw a tip in bands, so whoever wants a tip whole (an export, a
    // conversion, the viewer, a copy) draws it at most this many one-byte pixels of tip and canvas
    // together (32 MB); a larger one is drawn scaled down, at scaleWithin().
    static constexpr double kMaxDrawingPixels = double(1 << 25);

    ComputedBrush(std::optional<QString> name, double diameter, double roundnessInPercent,
                  double angleInDegrees, double hardnessInPercent);
    ~ComputedBrush() override;

    static std::shared_ptr<ComputedBrush> brushWithName(std::optional<QString> name,
                                                        double diameter, double roundnessInPercent,
                                                        double angleInDegrees,
                                                        double hardnessInPercent);

    // Full size is up to kMaxDrawnSide a side, 256 MB: only for tips known to be small. Whatever
    // may meet a huge one draws it at scaleWithin() or at the size it shows it.
    QImage image() const override;
    QSize pixelSize() const override { return mSize; }
    QImage thumbnail(int side) const override;
    TipKind kind() const override { return TipKind::Computed; }
    // The parameters as the file gives them, for people who want to know the tip.
    struct Parameters
    {
        double diameter = 0;
        double roundnessInPercent = 0;
        double angleInDegrees = 0;
        double hardnessInPercent = 0;
    };
    const Parameters& parameters() const { return mParameters; }
    // The size the parameters ask for, when the image had to be drawn smaller than that.
    std::optional<QSizeF> scaledFrom() const { return mScaledFrom; }

    // Draws the image at `scale` times its drawn size; not cached. A large drawing can be
    // interrupted (boost::thread_interrupted) within milliseconds, except on a thread of Qt's
    // global pool, where it is drawn in place.
    QImage drawImage(double scale) const;
    // The pixels drawImage(scale) holds at its peak, one byte each: the round tip and the canvas
    // it is turned onto. Known before anything is drawn, so a caller with a memory budget can
    // pick its scale first; 0 for a tip without an image.
    double drawingPixels(double scale) const;
    // The largest scale, at most 1, at which drawingPixels stays within the given pixels.
    double scaleWithin(double pixels = kMaxDrawingPixels) const;
    // The size of drawImage(scale), known without drawing; empty for a tip without an image.
    QSize drawnSize(double scale) const;
    // The longest side the parameters ask for, before any scaling down: what people would
    // expect the tip to measure.
    int askedSide() const;

    // Gives up the large drawings under way on threads of their own and waits for them to stop;
    // large drawings asked for afterwards come back empty. For the end of the process (see
    // EndBackgroundWork), before the statics they use go.
    static void endDrawings();

    // The memory the cache of full-size images may use; the least recently used go first.
    static void setCacheBudget(size_t bytes);
    static size_t cachedBytes();

private:
    double mRatio = 1.0;    // roundness as a ratio, at least one pixel of the short axis
    double mHardness = 0.0; // as a ratio
    double mAngle = 0.0;
    double mSide = 0.0; // side of the drawing square, after any scaling down
    QSize mSize{0, 0};
    std::optional<QSizeF> mScaledFrom;
    Parameters mParameters;
};

// The bounding box of an ellipse with axes size (x) and size * ratio (y), rotated by the angle,
// rounded up to whole pixels and at least 1 x 1.
void EllipseBounds(double size, double angleInDegrees, double ratio, float* width, float* height);
