#include "engine/StrokeTip.h"

#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"

#include <cmath>

namespace {
// The side a tip is drawn at: its diameter, or less to stay within the budget (taken as a
// square, which a long thin tip only undershoots).
int DrawnSide(double diameter, double maxPixels, bool* reduced)
{
    const double budgetSide = std::floor(std::sqrt(std::max(1.0, maxPixels)));
    const double side = std::max(1.0, std::ceil(diameter));
    *reduced = side > budgetSide;
    return int(std::min(side, budgetSide));
}

// Brushes draw dark ink on white; the mipmap wants ink as 255.
QImage InkOf(const QImage& drawn)
{
    QImage ink = drawn.convertToFormat(QImage::Format_Grayscale8);
    ink.invertPixels();
    return ink;
}

// Halves by averaging while that stays at or above `longSide`, then scales smoothly to it:
// a large sample costs one pass over its pixels instead of a smooth scaling of all of them.
QImage ShrinkInk(QImage ink, int longSide)
{
    auto longOf = [](const QImage& image) { return std::max(image.width(), image.height()); };
    while (longOf(ink) / 2 >= longSide && std::min(ink.width(), ink.height()) >= 2) {
        QImage half((ink.width() + 1) / 2, (ink.height() + 1) / 2, QImage::Format_Grayscale8);
        for (int y = 0; y < half.height(); ++y) {
            const uchar* r0 = ink.constScanLine(std::min(2 * y, ink.height() - 1));
            const uchar* r1 = ink.constScanLine(std::min(2 * y + 1, ink.height() - 1));
            uchar* out = half.scanLine(y);
            const int pairs = ink.width() / 2;
            for (int x = 0; x < pairs; ++x)
                out[x] = uchar((r0[2 * x] + r0[2 * x + 1] + r1[2 * x] + r1[2 * x + 1] + 2) / 4);
            if (pairs < half.width()) // an odd last column, read twice
                out[pairs] = uchar((r0[2 * pairs] + r1[2 * pairs] + 1) / 2);
        }
        ink = std::move(half);
    }
    if (longOf(ink) > longSide) {
        const double scale = double(longSide) / longOf(ink);
        ink = ink.scaled(std::max(1, int(std::lround(ink.width() * scale))),
                         std::max(1, int(std::lround(ink.height() * scale))), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
    }
    return ink;
}

QImage StoredInk(const SampledBrush& sampled)
{
    if (sampled.depth() == 8 && !sampled.storedSize().isEmpty())
        // 8-bit samples are ink already; read where they lie.
        return QImage(sampled.pixels().data(), sampled.storedSize().width(),
                      sampled.storedSize().height(), sampled.storedSize().width(),
                      QImage::Format_Grayscale8);
    return InkOf(sampled.storedImage());
}

StrokeTip RoundTip(double diameter, double hardness, double maxPixels)
{
    StrokeTip tip;
    tip.diameter = diameter;
    const int side = DrawnSide(diameter, maxPixels, &tip.reduced);
    ComputedBrush round(std::nullopt, side, 100, 0, hardness);
    tip.mipmap = CTipMipmap(InkOf(round.drawImage(1.0)));
    return tip;
}

StrokeTip SampleTip(const SampledBrush& sampled, const TipShape* shape, double diameter,
                    double maxPixels)
{
    StrokeTip tip;
    tip.diameter = diameter;
    const int side = DrawnSide(diameter, maxPixels, &tip.reduced);
    tip.mipmap = CTipMipmap(ShrinkInk(StoredInk(sampled), side));
    if (shape) {
        tip.roundness = shape->roundness / 100.0;
        tip.angle = shape->angle;
        tip.flipX = shape->flipX;
        tip.flipY = shape->flipY;
    } else {
        const SampleShaping& shaping = sampled.shaping();
        tip.roundness = shaping.roundness / 100.0;
        tip.angle = shaping.angle;
        tip.flipX = shaping.flipX;
        tip.flipY = shaping.flipY;
    }
    tip.roundness = std::clamp(tip.roundness, 0.01, 1.0);
    return tip;
}
} // namespace

StrokeTip MainTip(const Brush& brush, double diameter, double maxPixels)
{
    if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush);
        sampled && !sampled->storedSize().isEmpty())
        return SampleTip(*sampled, nullptr, diameter, maxPixels);
    if (const auto* computed = dynamic_cast<const ComputedBrush*>(&brush)) {
        // The preset's tip, when there is one, is the brush as the artist shaped it (and the
        // only one that can be mirrored); the parameters are what the file's tip record says.
        const ComputedBrush::Parameters& p = computed->parameters();
        const TipShape* shape = brush.preset() ? &brush.preset()->tip : nullptr;
        StrokeTip tip = RoundTip(
            diameter, shape && shape->hardness ? *shape->hardness : p.hardnessInPercent, maxPixels);
        tip.roundness =
            std::clamp((shape ? shape->roundness : p.roundnessInPercent) / 100.0, 0.01, 1.0);
        tip.angle = shape ? shape->angle : p.angleInDegrees;
        tip.flipX = shape && shape->flipX;
        tip.flipY = shape && shape->flipY;
        return tip;
    }
    StrokeTip tip;
    tip.diameter = diameter;
    const int side = DrawnSide(diameter, maxPixels, &tip.reduced);
    tip.mipmap = CTipMipmap(InkOf(brush.thumbnail(side)));
    return tip;
}

StrokeTip DualTip(const TipShape& shape, const Brush& brush, const Brush* sample, double diameter,
                  double maxPixels)
{
    switch (shape.kind) {
    case TipKind::Computed: {
        StrokeTip tip = RoundTip(diameter, shape.hardness.value_or(100), maxPixels);
        tip.roundness = std::clamp(shape.roundness / 100.0, 0.01, 1.0);
        tip.angle = shape.angle;
        tip.flipX = shape.flipX;
        tip.flipY = shape.flipY;
        return tip;
    }
    case TipKind::Sampled: {
        if (const auto* given = dynamic_cast<const SampledBrush*>(sample);
            given && !given->storedSize().isEmpty())
            return SampleTip(*given, &shape, diameter, maxPixels);
        const auto* sampled = dynamic_cast<const SampledBrush*>(&brush);
        const BrushPreset* preset = brush.preset();
        if (sampled && !sampled->storedSize().isEmpty() && preset && shape.sampleId &&
            preset->tip.sampleId == shape.sampleId)
            return SampleTip(*sampled, &shape, diameter, maxPixels);
        StrokeTip tip = RoundTip(diameter, 100, maxPixels);
        tip.reduced = true;
        return tip;
    }
    case TipKind::Bristle:
    case TipKind::Erodible: {
        StrokeTip tip;
        tip.diameter = diameter;
        const int side = DrawnSide(diameter, maxPixels, &tip.reduced);
        TipShape drawn = shape;
        drawn.diameter = side;
        tip.mipmap = CTipMipmap(InkOf(PreviewBrush(std::nullopt, drawn).thumbnail(side)));
        return tip;
    }
    }
    return {};
}
