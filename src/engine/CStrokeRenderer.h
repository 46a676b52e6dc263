#pragma once

#include "engine/BrushEngine.h"
#include "engine/StrokeBlend.h"
#include "engine/StrokeRandom.h"
#include "engine/StrokeTip.h"

#include <QRect>
#include <optional>
#include <vector>

// One stroke under way: places dabs along the input points with the preset's settings, in
// Photoshop's order (spacing, shape dynamics, scattering, texture, dual brush, transfer,
// colour), into a stroke mask, and lays the mask onto a canvas on request.
//
// Dabs build the mask up with their flow; the canvas shows the mask at the tool's opacity, so
// however many dabs overlap, a stroke never covers more than its opacity (Photoshop's model).
class CStrokeRenderer
{
public:
    CStrokeRenderer(const Brush& brush, const StrokeOptions& options, QSize canvas);

    // Spreads the dabs further apart by `factor` (at least 1), for a caller that knows the
    // whole path and would otherwise run past the dab budget.
    void stretchSpacing(double factor);
    // The dabs and canvas pixels a path of `length` pixels with `points` input points would
    // take at the preset's own size, before any stretching.
    double estimateDabs(double length, int points) const;
    double estimatePixels(double length, int points) const;

    // The canvas rectangle whose stroke changed.
    QRect addPoint(const StrokePoint& point);
    QRect finish();
    // The boxes of the dabs laid by the last addPoint() or finish(), whose union that
    // rectangle is. Scattered dabs of a large tip span a rectangle many times their own area,
    // which a canvas need not composite again for each input event.
    const std::vector<QRect>& lastDabBoxes() const { return mDabBoxes; }

    // Writes the stroke within `rect` onto `canvas`, over `base`, the canvas as it was before
    // the stroke; both 32-bit (premultiplied ARGB or RGB), of the canvas's size.
    void composite(const QImage& base, QImage* canvas, const QRect& rect) const;

    int dabs() const { return mDabs; }
    bool simplified() const { return mSimplified; }
    bool textureStandIn() const { return mTextureStandIn; }
    bool cancelled() const { return mCancelled; }

private:
    // A place on the path where dabs go, with the pen's state there.
    struct Site
    {
        double x = 0, y = 0;
        double pressure = 1, tiltX = 0, tiltY = 0, rotation = 0;
        double direction = 0; // degrees, counter-clockwise, 0 to the right
    };
    // Progress of dabs along the path: one for the brush, one for the dual tip.
    struct Walker
    {
        std::optional<double> spacing; // fraction of the dab size; absent: a dab per point
        double travelled = 0;          // along the path since its last dab
        double step = 0;               // to its next dab
    };

    void walk(Walker& walker, const Site& from, const Site& to, double fromDirection, bool dual,
              QRect& dirty);
    void placeMain(const Site& site, QRect& dirty);
    void placeDual(const Site& site, QRect& dirty);
    bool withinBudget();
    Site poseOf(const StrokePoint& point) const;

    double controlValue(const Dynamic& dynamic, const Site& site) const;
    double controlAngle(const Dynamic& dynamic, const Site& site) const;
    // A dynamic's value for this dab: its control, less up to its jitter, not below its minimum.
    double dynamicValue(const Dynamic& dynamic, const Site& site, double minimum);
    QColor strokeColour(const Site& site);

    const Brush& mBrush;
    StrokeOptions mOptions;
    BrushSettings mSettings;
    QRect mClip;
    std::uint32_t mStrokeSeed;
    CStrokeRandom mRandom;
    CStrokeRandom mDualRandom;

    StrokeTip mTip;
    double mSpacingStretch = 1;
    Walker mMain;
    std::vector<float> mMask;

    std::optional<StrokeTip> mDualTip;
    Walker mDual;
    BlendMode mDualMode = BlendMode::Multiply;
    std::vector<float> mDualMask;

    CTextureTile mTexture;
    BlendMode mTextureMode = BlendMode::Multiply;

    double mOpacity = 1; // the tool's
    double mFlow = 1;
    // Colour varies from dab to dab: the mask keeps the colour each pixel was last given.
    bool mColourPerTip = false;
    std::vector<float> mColours;
    QColor mColour;
    bool mPaintsColour = false;

    std::optional<Site> mLast;
    double mLastDirection = 0;
    std::optional<double> mInitialDirection;
    bool mFirstPending = false;
    double mLastMainSize = 0; // of the brush's last dab, for the step to its next
    int mSites = 0;           // along the brush's walk, for Fade
    int mDabs = 0;
    double mPixels = 0;
    bool mSimplified = false;
    bool mTextureStandIn = false;
    bool mCancelled = false;
    bool mStopped = false;
    std::vector<QRect> mDabBoxes;
};
