#include "engine/PresetStroke.h"

#include <algorithm>

namespace {
// The S-curve keeps this share of the canvas's shorter side free on each side; a dab twice as
// wide stays inside.
constexpr double kMarginShare = 0.15;
} // namespace

PatternPtr PatternForTexture(const Brush& brush, const std::vector<PatternPtr>& patterns)
{
    if (const BrushPreset* preset = brush.preset(); preset && preset->settings.texture)
        return FindPattern(
            {preset->settings.texture->patternName, preset->settings.texture->patternId}, patterns);
    return brush.texture() ? FindPattern(*brush.texture(), patterns) : nullptr;
}

double PresetDiameter(const Brush& brush)
{
    const QSize pixels = brush.pixelSize();
    return brush.preset() && brush.preset()->tip.diameter > 0
               ? brush.preset()->tip.diameter
               : std::max(pixels.width(), pixels.height());
}

double FittingDiameter(const Brush& brush, QSize canvas)
{
    const double room = 2 * kMarginShare * std::min(canvas.width(), canvas.height());
    return std::max(1.0, std::min(PresetDiameter(brush), room));
}

StrokeResult PaintPresetStroke(const Brush& brush, const std::vector<PatternPtr>& patterns,
                               const StrokePath& path, QSize canvas, std::uint32_t seed,
                               QColor paper)
{
    StrokeOptions options;
    options.seed = seed;
    options.pattern = PatternForTexture(brush, patterns);
    // Left at 0 when the preset's own size fits, so the engine sizes it as the preset says.
    if (const double fitting = FittingDiameter(brush, canvas); fitting < PresetDiameter(brush))
        options.size = fitting;
    return PaintStroke(brush, path, canvas, options, paper);
}
