#pragma once

#include "brush/Brush.h"

#include <vector>

using PixelBlock = std::vector<unsigned char>;

// A brush whose image is the pixel block stored in the file: one sample per pixel measuring
// ink, 8- or 16-bit unsigned or 32-bit float, host byte order, rows packed without padding.
class SampledBrush : public Brush
{
public:
    SampledBrush(std::optional<QString> name, int width, int height, int depthInBits,
                 PixelBlock pixels);

    bool isComputed() const override { return false; }
    int depth() const { return mDepth; }
    const PixelBlock& pixels() const { return mPixels; }

private:
    PixelBlock mPixels;
    int mDepth;
};
