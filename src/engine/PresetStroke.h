#pragma once

#include "engine/BrushEngine.h"

#include <QSize>
#include <cstdint>
#include <vector>

// The pattern among a file's `patterns` that `brush`'s texture paints through (FindPattern).
// Null when the brush has no texture or the file does not hold its pattern.
PatternPtr PatternForTexture(const Brush& brush, const std::vector<PatternPtr>& patterns);

// The preset's own diameter; the longer side of its image for a brush without a preset.
double PresetDiameter(const Brush& brush);

// The diameter a preset is painted at on `canvas`: its own, unless the S-curve's margins could
// not hold it, as Photoshop's list shows a large brush's stroke no wider than its row.
double FittingDiameter(const Brush& brush, QSize canvas);

// One stroke of `brush` as the shell and the export paint it: along `path`, with the file's
// pattern for its texture, at FittingDiameter(), ink on `paper`.
StrokeResult PaintPresetStroke(const Brush& brush, const std::vector<PatternPtr>& patterns,
                               const StrokePath& path, QSize canvas, std::uint32_t seed,
                               QColor paper = Qt::white);
