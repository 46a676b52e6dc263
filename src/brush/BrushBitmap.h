#pragma once

#include "brush/Brush.h"
#include "brush/ComputedBrush.h"

#include <memory>
#include <optional>

// A brush's pixels as ink samples, the way brush files hold them: one sample per pixel, 0 is
// no paint and the maximum (255, 65,535 or 1.0) full paint; 8- or 16-bit unsigned or 32-bit
// float, host order, rows packed. Sampled brushes lend their own block; brushes whose image is
// drawn as grey on white (computed tips, previews, samples a preset shapes) are turned back
// into ink.
struct BrushBitmap
{
    int width = 0;
    int height = 0;
    int depth = 8; // bits per sample and per pixel
    const unsigned char* samples = nullptr;
    std::shared_ptr<const void> owner; // keeps samples alive

    int bytesPerRow() const { return width * (depth / 8); }
    template <typename T> T sample(int x, int y) const;
};

// The brush's ink samples. Nothing for a brush without an image (a computed tip out of range, an
// empty sample). A computed tip is drawn within maxDrawingPixels, at ComputedBrush::scaleWithin(),
// so it may come out smaller than its pixelSize(); a sampled brush is always its pixelSize(),
// its stored block when its preset keeps the sample as stored.
std::optional<BrushBitmap> inkBitmap(const BrushPtr& brush,
                                     double maxDrawingPixels = ComputedBrush::kMaxDrawingPixels);
