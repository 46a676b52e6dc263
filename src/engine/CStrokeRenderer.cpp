#include "engine/CStrokeRenderer.h"

#include <cmath>
#include <functional>

namespace {
constexpr double kDegrees = 180.0 / M_PI;

// The shorter way round from one angle to another, in degrees.
double AngleBetween(double from, double to)
{
    double d = std::fmod(to - from, 360.0);
    if (d > 180)
        d -= 360;
    if (d < -180)
        d += 360;
    return d;
}

double Percent(std::optional<double> value, double fallback = 100)
{
    return std::clamp(value.value_or(fallback), 0.0, 100.0) / 100.0;
}

bool IsGrey(const QColor& colour)
{
    return colour.red() == colour.green() && colour.green() == colour.blue();
}

// Photoshop's count is 1 to 16; a damaged file may hold anything.
double ClampCount(double count)
{
    return std::isfinite(count) ? std::clamp(count, 1.0, 16.0) : 1.0;
}

double ClampScatter(double percent)
{
    return std::isfinite(percent) ? std::clamp(percent, 0.0, 1000.0) / 100.0 : 0.0;
}
} // namespace

CStrokeRenderer::CStrokeRenderer(const Brush& brush, const StrokeOptions& options, QSize canvas)
    : mBrush(brush), mOptions(options), mClip(QPoint(0, 0), canvas), mStrokeSeed(options.seed),
      mRandom(options.seed), mDualRandom(std::uint64_t(options.seed) ^ 0xd0a1b5000000ull)
{
    const BrushPreset* preset = brush.preset();
    if (preset)
        mSettings = preset->settings;
    const double presetDiameter =
        preset && preset->tip.diameter > 0
            ? preset->tip.diameter
            : std::max(brush.pixelSize().width(), brush.pixelSize().height());
    const double diameter = options.size > 0 ? options.size : presetDiameter;
    mTip = MainTip(brush, std::max(diameter, 0.0), options.maxTipPixels);
    mSimplified = mTip.reduced;
    // Without a preset, a tip paints at Photoshop's default spacing.
    mMain.spacing = preset ? preset->tip.spacing : std::optional<double>(25);
    if (mMain.spacing)
        mMain.spacing = std::max(*mMain.spacing, 1.0) / 100.0;
    mMask.assign(size_t(canvas.width()) * canvas.height(), 0.0f);

    if (const auto& dual = mSettings.dualBrush; dual && dual->tip.diameter > 0) {
        // The dual tip keeps its size relative to the brush's when the stroke is painted at
        // another size (a preview fitted to its cell).
        const double scale = presetDiameter > 0 ? diameter / presetDiameter : 1.0;
        const double dualDiameter = std::min(dual->tip.diameter, 1e7) * scale;
        mDualTip = DualTip(dual->tip, brush,
                           options.dualSample ? options.dualSample.get() : brush.dualTip().get(),
                           dualDiameter, options.maxTipPixels);
        mSimplified |= mDualTip->reduced;
        mDual.spacing = dual->tip.spacing;
        if (mDual.spacing)
            mDual.spacing = std::max(*mDual.spacing, 1.0) / 100.0;
        mDualMode = BlendModeFromWord(dual->mode);
        mDualMask.assign(mMask.size(), 0.0f);
    }
    if (const auto& texture = mSettings.texture) {
        CTextureTile::Look look;
        look.scale = texture->scale;
        look.brightness = texture->brightness;
        look.contrast = texture->contrast;
        look.invert = texture->invert;
        mTextureStandIn = !options.pattern || options.pattern->image().isNull();
        std::uint32_t noiseSeed = options.seed;
        for (QChar c : texture->patternId)
            noiseSeed = noiseSeed * 31 + c.unicode();
        mTexture = CTextureTile(options.pattern.get(), look, noiseSeed);
        mTexture.cover(canvas.width(), canvas.height());
        mTextureMode = BlendModeFromWord(texture->mode);
    }
    if (preset && preset->toolOptions) {
        mOpacity = Percent(preset->toolOptions->opacity);
        mFlow = Percent(preset->toolOptions->flow);
    }
    mPaintsColour = !IsGrey(options.foreground) || !IsGrey(options.background);
    mColour = options.foreground;
    if (mSettings.colorDynamics && mSettings.colorDynamics->perTip) {
        mColourPerTip = true;
        mColours.assign(mMask.size() * 3, 0.0f);
    }
}

void CStrokeRenderer::stretchSpacing(double factor)
{
    if (factor > 1) {
        mSpacingStretch = factor;
        mSimplified = true;
    }
}

double CStrokeRenderer::estimateDabs(double length, int points) const
{
    auto along = [&](const Walker& walker, double size, double count) {
        const double n =
            walker.spacing ? length / std::max(0.5, *walker.spacing * size) + 1 : double(points);
        return n * count;
    };
    const auto& scattering = mSettings.scattering;
    double dabs = along(mMain, mTip.diameter, scattering ? ClampCount(scattering->count) : 1);
    if (mDualTip)
        dabs += along(mDual, mDualTip->diameter, ClampCount(mSettings.dualBrush->count));
    return dabs;
}

double CStrokeRenderer::estimatePixels(double length, int points) const
{
    const double canvas = double(mClip.width()) * mClip.height();
    auto area = [&](double size) { return std::min(canvas, size * size); };
    const auto& scattering = mSettings.scattering;
    const double count = scattering ? ClampCount(scattering->count) : 1;
    auto along = [&](const Walker& walker, double size) {
        return walker.spacing ? length / std::max(0.5, *walker.spacing * size) + 1 : double(points);
    };
    double pixels = along(mMain, mTip.diameter) * count * area(mTip.diameter);
    if (mDualTip)
        pixels += along(mDual, mDualTip->diameter) * ClampCount(mSettings.dualBrush->count) *
                  area(mDualTip->diameter);
    return pixels;
}

CStrokeRenderer::Site CStrokeRenderer::poseOf(const StrokePoint& point) const
{
    Site site;
    site.x = point.x;
    site.y = point.y;
    site.pressure = std::clamp(point.pressure, 0.0, 1.0);
    site.tiltX = point.tiltX;
    site.tiltY = point.tiltY;
    site.rotation = point.rotation;
    // A preset's pose stands in for what the pen says, where it asks to.
    if (const auto& pose = mSettings.brushPose) {
        if (pose->overridePressure)
            site.pressure = std::clamp(pose->pressure / 100.0, 0.0, 1.0);
        if (pose->overrideTiltX)
            site.tiltX = pose->tiltX;
        if (pose->overrideTiltY)
            site.tiltY = pose->tiltY;
        if (pose->overrideRotation)
            site.rotation = pose->rotation;
    }
    return site;
}

QRect CStrokeRenderer::addPoint(const StrokePoint& point)
{
    QRect dirty;
    mDabBoxes.clear();
    Site site = poseOf(point);
    if (!mLast) {
        // The first dab waits for the second point: until the pen moves, its direction (and
        // so the initial direction) is not known.
        mLast = site;
        mFirstPending = true;
        return dirty;
    }
    const double dx = site.x - mLast->x, dy = site.y - mLast->y;
    const double length = std::hypot(dx, dy);
    if (length < 1e-6) {
        // The pen rests: with build-up (Photoshop's airbrush) paint keeps flowing, taken here
        // as one more dab for each input event that does not move the pen.
        site.direction = mLastDirection;
        if (mSettings.buildUp && !mFirstPending) {
            placeMain(site, dirty);
            if (mDualTip)
                placeDual(site, dirty);
        }
        *mLast = site;
        return dirty;
    }
    site.direction = std::atan2(-dy, dx) * kDegrees;
    const double fromDirection = mInitialDirection ? mLastDirection : site.direction;
    if (!mInitialDirection)
        mInitialDirection = site.direction;
    if (mFirstPending) {
        mFirstPending = false;
        mLast->direction = site.direction;
        placeMain(*mLast, dirty);
        if (mDualTip)
            placeDual(*mLast, dirty);
    }
    walk(mMain, *mLast, site, fromDirection, false, dirty);
    if (mDualTip)
        walk(mDual, *mLast, site, fromDirection, true, dirty);
    mLast = site;
    mLastDirection = site.direction;
    return dirty;
}

QRect CStrokeRenderer::finish()
{
    QRect dirty;
    mDabBoxes.clear();
    if (mLast && mFirstPending) {
        // A lone point (a click): one dab, no direction.
        mFirstPending = false;
        placeMain(*mLast, dirty);
        if (mDualTip)
            placeDual(*mLast, dirty);
    }
    return dirty;
}

void CStrokeRenderer::walk(Walker& walker, const Site& from, const Site& to, double fromDirection,
                           bool dual, QRect& dirty)
{
    auto place = [&](const Site& site) { dual ? placeDual(site, dirty) : placeMain(site, dirty); };
    if (!walker.spacing) {
        place(to);
        return;
    }
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const double turn = AngleBetween(fromDirection, to.direction);
    // The step follows the size of the dab before it, as Photoshop's spacing does; a dab of
    // no size still moves on half a pixel.
    const double fixedSize = dual ? mDualTip->diameter : 0;
    auto stepAfter = [&](double size) {
        return std::max(0.5, *walker.spacing * mSpacingStretch * size);
    };
    if (walker.step <= 0)
        walker.step = stepAfter(dual ? fixedSize : mLastMainSize);
    double at = -walker.travelled;
    while (at + walker.step <= length && !mStopped) {
        at += walker.step;
        const double t = at / length;
        Site site;
        site.x = from.x + (to.x - from.x) * t;
        site.y = from.y + (to.y - from.y) * t;
        site.pressure = from.pressure + (to.pressure - from.pressure) * t;
        site.tiltX = from.tiltX + (to.tiltX - from.tiltX) * t;
        site.tiltY = from.tiltY + (to.tiltY - from.tiltY) * t;
        site.rotation = from.rotation + AngleBetween(from.rotation, to.rotation) * t;
        site.direction = fromDirection + turn * t;
        place(site);
        walker.step = stepAfter(dual ? fixedSize : mLastMainSize);
    }
    walker.travelled = length - at;
}

bool CStrokeRenderer::withinBudget()
{
    if (mStopped)
        return false;
    if (mOptions.cancel && mOptions.cancel->load(std::memory_order_relaxed)) {
        mCancelled = mStopped = true;
        return false;
    }
    if (mDabs >= mOptions.maxDabs || mPixels >= mOptions.maxDabPixels) {
        mSimplified = mStopped = true;
        return false;
    }
    return true;
}

// The value 0–1 a control gives a size-like setting (size, roundness, flow, …).
double CStrokeRenderer::controlValue(const Dynamic& dynamic, const Site& site) const
{
    switch (dynamic.control) {
    case DynamicControl::Off:
        return 1;
    case DynamicControl::Fade: {
        // From full to nothing (so to the minimum) over the steps, counted in dab places.
        const int steps = dynamic.fadeSteps.value_or(25);
        return steps > 0 ? std::clamp(1.0 - double(mSites) / steps, 0.0, 1.0) : 1.0;
    }
    case DynamicControl::PenPressure:
        return site.pressure;
    case DynamicControl::PenTilt:
        // Upright gives all, laid flat nothing.
        return 1 - std::min(90.0, std::hypot(site.tiltX, site.tiltY)) / 90;
    case DynamicControl::StylusWheel:
        // The path carries no wheel: it is taken as turned fully on.
        return 1;
    case DynamicControl::Rotation: {
        const double turn = std::fmod(site.rotation, 360.0);
        return (turn < 0 ? turn + 360 : turn) / 360;
    }
    case DynamicControl::InitialDirection:
    case DynamicControl::Direction:
    case DynamicControl::Unknown:
        // Directions only turn a tip; Photoshop offers them for the angle alone.
        return 1;
    }
    return 1;
}

// The degrees a control turns the tip by.
double CStrokeRenderer::controlAngle(const Dynamic& dynamic, const Site& site) const
{
    switch (dynamic.control) {
    case DynamicControl::Fade: {
        // One full turn over the steps, then held.
        const int steps = dynamic.fadeSteps.value_or(25);
        return steps > 0 ? 360 * std::min(1.0, double(mSites) / steps) : 0.0;
    }
    case DynamicControl::PenPressure:
        return 360 * site.pressure;
    case DynamicControl::PenTilt:
        // The way the pen leans.
        return site.tiltX == 0 && site.tiltY == 0 ? 0
                                                  : std::atan2(-site.tiltY, site.tiltX) * kDegrees;
    case DynamicControl::Rotation:
        return site.rotation;
    case DynamicControl::InitialDirection:
        return mInitialDirection.value_or(0);
    case DynamicControl::Direction:
        return site.direction;
    case DynamicControl::Off:
    case DynamicControl::StylusWheel: // no wheel in the path: at rest
    case DynamicControl::Unknown:
        return 0;
    }
    return 0;
}

double CStrokeRenderer::dynamicValue(const Dynamic& dynamic, const Site& site, double minimum)
{
    if (!dynamic.varies())
        return 1;
    double value = controlValue(dynamic, site);
    const double jitter = std::clamp(dynamic.jitter, 0.0, 100.0) / 100;
    if (jitter > 0)
        value *= 1 - jitter * mRandom.unit();
    return std::max(value, std::clamp(minimum, 0.0, 100.0) / 100);
}

QColor CStrokeRenderer::strokeColour(const Site& site)
{
    const auto& colour = mSettings.colorDynamics;
    QColor fg = mOptions.foreground, bg = mOptions.background;
    if (!colour)
        return fg;
    // Foreground to background: the control takes it towards the background as its value
    // falls (light pressure paints the background colour), the jitter further at random.
    double mix = 0;
    const Dynamic& fgbg = colour->foregroundBackground;
    if (fgbg.control != DynamicControl::Off)
        mix = 1 - controlValue(fgbg, site);
    mix = std::clamp(mix + std::clamp(fgbg.jitter, 0.0, 100.0) / 100 * mRandom.unit(), 0.0, 1.0);
    auto lerp = [mix](double a, double b) { return a + (b - a) * mix; };
    QColor mixed =
        QColor::fromRgbF(float(lerp(fg.redF(), bg.redF())), float(lerp(fg.greenF(), bg.greenF())),
                         float(lerp(fg.blueF(), bg.blueF())));
    float h, s, v;
    mixed.getHsvF(&h, &s, &v);
    const double hueShift = mRandom.signedUnit() * colour->hue / 200;
    const double saturationShift = mRandom.signedUnit() * colour->saturation / 100;
    const double valueShift = mRandom.signedUnit() * colour->brightness / 100;
    v = float(std::clamp(v + valueShift, 0.0, 1.0));
    if (!mPaintsColour)
        // Painting in grey: hue, saturation and purity have nothing to act on.
        return QColor::fromHsvF(0, 0, v);
    if (h < 0)
        h = 0;
    h = float(std::fmod(h + hueShift + 1.0, 1.0));
    s = float(std::clamp(s + saturationShift + colour->purity / 100, 0.0, 1.0));
    return QColor::fromHsvF(h, s, v);
}

void CStrokeRenderer::placeMain(const Site& site, QRect& dirty)
{
    const ShapeDynamics* shape = mSettings.shapeDynamics ? &*mSettings.shapeDynamics : nullptr;
    const Scattering* scattering = mSettings.scattering ? &*mSettings.scattering : nullptr;
    const Texture* texture = mSettings.texture ? &*mSettings.texture : nullptr;
    const Transfer* transfer = mSettings.transfer ? &*mSettings.transfer : nullptr;

    int count = 1;
    if (scattering) {
        double c = ClampCount(scattering->count);
        if (scattering->countJitter.varies())
            c *= dynamicValue(scattering->countJitter, site, 0);
        count = std::max(1, int(std::lround(c)));
    }
    if (!mColourPerTip && mSites == 0)
        mColour = strokeColour(site);
    const double radians = site.direction / kDegrees;
    bool first = true;
    for (int i = 0; i < count && withinBudget(); ++i) {
        DabPlacement dab;
        dab.x = site.x;
        dab.y = site.y;
        double size = mTip.diameter;
        dab.angle = mTip.angle;
        dab.roundness = mTip.roundness;
        dab.flipX = mTip.flipX;
        dab.flipY = mTip.flipY;
        if (shape) {
            size *= dynamicValue(shape->size, site, shape->minimumDiameter);
            if (shape->size.control == DynamicControl::PenTilt && shape->tiltScale > 0) {
                // Tilt scale squashes (or stretches) the tip's height as the pen leans. A
                // stored 0 is read as unset rather than as a tip that vanishes.
                const double lean = std::min(90.0, std::hypot(site.tiltX, site.tiltY)) / 90;
                dab.roundness *= 1 + (std::clamp(shape->tiltScale, 0.0, 200.0) / 100 - 1) * lean;
            }
            if (shape->angle.varies())
                dab.angle +=
                    controlAngle(shape->angle, site) +
                    mRandom.signedUnit() * std::clamp(shape->angle.jitter, 0.0, 100.0) * 1.8;
            if (shape->roundness.varies())
                dab.roundness *= dynamicValue(shape->roundness, site, shape->minimumRoundness);
            if (shape->flipXJitter && mRandom.unit() < 0.5)
                dab.flipX = !dab.flipX;
            if (shape->flipYJitter && mRandom.unit() < 0.5)
                dab.flipY = !dab.flipY;
        } else if (!mSettings.anyOn() && !mBrush.preset()) {
            // A brush without a preset (one made in a test, a plain tip) follows pressure.
            size *= site.pressure;
        }
        dab.size = size;
        dab.roundness = std::clamp(dab.roundness, 0.01, 1.0);
        if (first)
            mLastMainSize = size;
        first = false;
        if (scattering) {
            // Up to the scatter's percent of the diameter away, on both axes or across the
            // stroke only.
            const double reach = ClampScatter(scattering->scatter.jitter) * mTip.diameter *
                                 controlValue(scattering->scatter, site);
            if (reach > 0) {
                if (scattering->bothAxes) {
                    dab.x += mRandom.signedUnit() * reach;
                    dab.y += mRandom.signedUnit() * reach;
                } else {
                    const double across = mRandom.signedUnit() * reach;
                    dab.x += std::sin(radians) * across;
                    dab.y += std::cos(radians) * across;
                }
            }
        }
        double opacity = 1, flow = mFlow;
        if (transfer) {
            opacity = dynamicValue(transfer->opacity, site, transfer->opacity.minimum);
            flow *= dynamicValue(transfer->flow, site, transfer->flow.minimum);
        }
        const bool texturePerTip = texture && texture->perTip;
        float depth = 0;
        if (texturePerTip) {
            // Depth jitter varies the depth only when the texture is applied tip by tip.
            double d = std::clamp(texture->depth, 0.0, 100.0) / 100;
            if (texture->depthJitter.varies())
                d = std::max(d * dynamicValue(texture->depthJitter, site, 0),
                             std::clamp(texture->minimumDepth, 0.0, 100.0) / 100);
            depth = float(d);
        }
        QColor colour = mColourPerTip ? strokeColour(site) : mColour;
        const float r = float(colour.redF()), g = float(colour.greenF()), b = float(colour.blueF());

        ++mDabs;
        const QRect box = mTip.mipmap.bounds(dab) & mClip;
        if (box.isEmpty())
            continue;
        dirty |= box;
        mDabBoxes.push_back(box);
        const int width = mClip.width();
        const float fFlow = float(flow), fOpacity = float(opacity);
        float* mask = mMask.data();
        // A pixel a dab gives no ink is left as it is, unless a flow or opacity that is not a
        // number (a damaged file) makes it one.
        const bool trim = std::isfinite(fFlow) && std::isfinite(fOpacity);
        if (mColourPerTip) {
            float* colours = mColours.data();
            const CTextureTile* tile = texturePerTip ? &mTexture : nullptr;
            mPixels += WithBlendMode(mTextureMode, [&](auto mode) {
                return mTip.mipmap.stampRows(
                    dab, mClip, trim, [=](int y, int x0, int x1, const float* alphas) {
                        for (int x = x0; x <= x1; ++x) {
                            // The texture meets the ink as the dab lays it, with its flow.
                            float alpha = alphas[x - x0] * fFlow;
                            if (tile)
                                alpha = BlendAs<decltype(mode)::value>(alpha, tile->onCanvas(x, y),
                                                                       depth);
                            float& m = mask[size_t(y) * width + x];
                            // Flow takes the mask towards the dab's opacity, never past it and
                            // never back.
                            if (m >= fOpacity)
                                continue;
                            const float added = alpha * (fOpacity - m);
                            if (added > 0) {
                                float* c = colours + (size_t(y) * width + x) * 3;
                                const float keep = m / (m + added);
                                c[0] = c[0] * keep + r * (1 - keep);
                                c[1] = c[1] * keep + g * (1 - keep);
                                c[2] = c[2] * keep + b * (1 - keep);
                            }
                            m += added;
                        }
                    });
            });
        } else if (texturePerTip) {
            const CTextureTile& tile = mTexture;
            mPixels += WithBlendMode(mTextureMode, [&](auto mode) {
                return mTip.mipmap.stampRows(
                    dab, mClip, trim, [&](int y, int x0, int x1, const float* alphas) {
                        // The row in runs that read the tile's row without wrapping, each one
                        // loop with no branch a pixel (the arithmetic of the colour loop above).
                        const float* texture = tile.rowOnCanvas(y);
                        float* m = mask + size_t(y) * width;
                        for (int x = x0; x <= x1;) {
                            const int column = tile.columnOnCanvas(x);
                            const int run = std::min(x1 - x + 1, tile.width() - column);
                            const float* t = texture + column;
                            const float* a = alphas + (x - x0);
                            float* mm = m + x;
                            for (int i = 0; i < run; ++i) {
                                const float ink =
                                    BlendAs<decltype(mode)::value>(a[i] * fFlow, t[i], depth);
                                const float was = mm[i], grown = was + ink * (fOpacity - was);
                                mm[i] = was >= fOpacity ? was : grown;
                            }
                            x += run;
                        }
                    });
            });
        } else {
            // The common case, kept free of the branches above: most dabs are plain ink.
            mPixels += mTip.mipmap.stampRows(
                dab, mClip, true, [=](int y, int x0, int x1, const float* alpha) {
                    // A zero alpha adds nothing, so a row goes in one loop the compiler can
                    // widen, with the same arithmetic a pixel as before.
                    float* m = mask + size_t(y) * width + x0;
                    for (int i = 0; i <= x1 - x0; ++i)
                        m[i] += std::max(0.0f, alpha[i] * fFlow * (fOpacity - m[i]));
                });
        }
    }
    ++mSites;
}

void CStrokeRenderer::placeDual(const Site& site, QRect& dirty)
{
    const DualBrush& dual = *mSettings.dualBrush;
    int count = int(std::lround(ClampCount(dual.count)));
    if (dual.countJitter.varies()) {
        const double jitter = std::clamp(dual.countJitter.jitter, 0.0, 100.0) / 100;
        count = std::max(1, int(std::lround(count * controlValue(dual.countJitter, site) *
                                            (1 - jitter * mDualRandom.unit()))));
    }
    const double radians = site.direction / kDegrees;
    const int width = mClip.width();
    float* mask = mDualMask.data();
    for (int i = 0; i < count && withinBudget(); ++i) {
        DabPlacement dab;
        dab.x = site.x;
        dab.y = site.y;
        dab.size = mDualTip->diameter;
        dab.angle = mDualTip->angle;
        dab.roundness = mDualTip->roundness;
        dab.flipX = mDualTip->flipX;
        dab.flipY = mDualTip->flipY;
        // The dual brush's Flip mirrors its dabs at random.
        if (dual.flip && mDualRandom.unit() < 0.5)
            dab.flipX = !dab.flipX;
        const double reach = ClampScatter(dual.scatter.jitter) * mDualTip->diameter *
                             controlValue(dual.scatter, site);
        if (reach > 0) {
            if (dual.bothAxes) {
                dab.x += mDualRandom.signedUnit() * reach;
                dab.y += mDualRandom.signedUnit() * reach;
            } else {
                const double across = mDualRandom.signedUnit() * reach;
                dab.x += std::sin(radians) * across;
                dab.y += std::cos(radians) * across;
            }
        }
        ++mDabs;
        const QRect box = mDualTip->mipmap.bounds(dab) & mClip;
        if (box.isEmpty())
            continue;
        dirty |= box;
        mDabBoxes.push_back(box);
        mPixels += mDualTip->mipmap.stampRows(dab, mClip, true,
                                              [&](int y, int x0, int x1, const float* alpha) {
                                                  float* m = mask + size_t(y) * width + x0;
                                                  for (int i = 0; i <= x1 - x0; ++i)
                                                      m[i] += alpha[i] * (1 - m[i]);
                                              });
    }
}

void CStrokeRenderer::composite(const QImage& base, QImage* canvas, const QRect& rect) const
{
    const QRect area = rect & mClip & canvas->rect();
    if (area.isEmpty())
        return;
    const int width = mClip.width();
    const Texture* texture =
        mSettings.texture && !mSettings.texture->perTip ? &*mSettings.texture : nullptr;
    const float strokeDepth = texture ? float(std::clamp(texture->depth, 0.0, 100.0) / 100) : 0.0f;
    const bool dual = mDualTip.has_value();
    const float opacity = float(mOpacity);
    const float fr = float(mColour.redF()) * 255, fg = float(mColour.greenF()) * 255,
                fb = float(mColour.blueF()) * 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(base.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(canvas->scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const size_t at = size_t(y) * width + x;
            float m = mMask[at];
            if (m > 0 && dual)
                // Where the dual tip laid no ink, Multiply (and most modes) leave none.
                m = Blend(mDualMode, m, mDualMask[at], 1);
            if (m > 0 && texture)
                m = Blend(mTextureMode, m, mTexture.onCanvas(x, y), strokeDepth);
            if (m > 0 && mSettings.wetEdges) {
                // Wet edges: the middle of the stroke pales to about 40 % while its soft
                // edges keep their ink, so paint looks gathered at the rim.
                m = m * (1 - 0.6f * m * m);
            }
            if (m > 0 && m < 1 && mSettings.noise) {
                // Noise grains the soft edges only, where the ink is partial.
                m += (PixelNoise(x, y, mStrokeSeed) - 0.5f) * 4 * m * (1 - m);
                m = std::clamp(m, 0.0f, 1.0f);
            }
            const QRgb under = from[x];
            if (m <= 0) {
                to[x] = under;
                continue;
            }
            const float a = m * opacity, keep = 1 - a;
            float r = fr, g = fg, b = fb;
            if (mColourPerTip) {
                r = mColours[at * 3] * 255;
                g = mColours[at * 3 + 1] * 255;
                b = mColours[at * 3 + 2] * 255;
            }
            to[x] = qRgba(int(qRed(under) * keep + r * a + 0.5f),
                          int(qGreen(under) * keep + g * a + 0.5f),
                          int(qBlue(under) * keep + b * a + 0.5f),
                          int(qAlpha(under) * keep + 255 * a + 0.5f));
        }
    }
}
