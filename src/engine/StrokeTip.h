#pragma once

#include "brush/Brush.h"
#include "engine/CTipMipmap.h"

// A tip ready for stamping: its drawing, and the shaping a preset gives it that dabs apply
// themselves (so a turned, squashed tip is not drawn again for each angle a dab asks for).
struct StrokeTip
{
    CTipMipmap mipmap;
    double diameter = 0;  // the dab size of the tip's longer side, before any dynamics
    double roundness = 1; // 0–1
    double angle = 0;     // degrees, counter-clockwise
    bool flipX = false;
    bool flipY = false;
    // Drawn smaller than its diameter (the pixel budget), or stood in for by another tip.
    bool reduced = false;
};

// The brush's own tip at `diameter` pixels, drawn once within `maxPixels`: a sampled tip from
// its stored sample, a computed tip as a round drawing of its hardness, any other from its
// drawn image.
StrokeTip MainTip(const Brush& brush, double diameter, double maxPixels);

// A dual brush's tip at `diameter` pixels. A sampled one needs its stored sample: `sample` when
// given, else the brush's own when it paints with the same one; without it a hard round tip of
// that size stands in, and the tip says it is reduced.
StrokeTip DualTip(const TipShape& shape, const Brush& brush, const Brush* sample, double diameter,
                  double maxPixels);
