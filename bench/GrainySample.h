#pragma once

#include "brush/SampledBrush.h"

#include <cmath>
#include <memory>

// A soft blob with grain, like a scanned sample, `side` pixels square, as a preset paints it
// (unshaped); the caller gives it its preset.
inline std::shared_ptr<SampledBrush> GrainySample(int side)
{
    PixelBlock block(size_t(side) * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double r = std::hypot(x - side / 2.0, y - side / 2.0) / (side / 2.0);
            const double grain = ((x * 7 + y * 13) % 17) / 17.0;
            block[size_t(y) * side + x] =
                r < 1 ? static_cast<unsigned char>((1 - r) * 200 + grain * 55) : 0;
        }
    const SampledBrush stored(std::nullopt, side, side, 8, std::move(block));
    return std::make_shared<SampledBrush>(std::nullopt, stored, SampleShaping{});
}
