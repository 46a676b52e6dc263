#include "brush/BrushBitmap.h"

#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"

#include <cstring>

template <typename T> T BrushBitmap::sample(int x, int y) const
{
    T value;
    std::memcpy(&value, samples + static_cast<size_t>(y) * bytesPerRow() + x * sizeof(T),
                sizeof value);
    return value;
}

template unsigned char BrushBitmap::sample<unsigned char>(int, int) const;
template unsigned short BrushBitmap::sample<unsigned short>(int, int) const;
template float BrushBitmap::sample<float>(int, int) const;

std::optional<BrushBitmap> inkBitmap(const BrushPtr& brush, double maxDrawingPixels)
{
    if (!brush)
        return std::nullopt;
    // A computed tip is drawn for this one use: kept in the shared cache, a few full-size tips
    // of an export would stay in memory beside the one being written.
    const auto* computed = dynamic_cast<const ComputedBrush*>(brush.get());
    const QImage image =
        computed ? computed->drawImage(computed->scaleWithin(maxDrawingPixels)) : brush->image();
    if (image.isNull())
        return std::nullopt;
    BrushBitmap bitmap;
    bitmap.width = image.width();
    bitmap.height = image.height();
    // A preset that shapes its sample paints it drawn anew, in 8 bits like a computed tip; the
    // stored block is lent only when it is what the preset paints.
    if (const auto* sampled = dynamic_cast<const SampledBrush*>(brush.get());
        sampled && !sampled->isShaped()) {
        bitmap.depth = sampled->depth();
        bitmap.samples = sampled->pixels().data();
        bitmap.owner = brush;
        return bitmap;
    }
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    auto ink = std::make_shared<PixelBlock>(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y) {
        const uchar* in = grey.constScanLine(y);
        unsigned char* out = ink->data() + static_cast<size_t>(y) * bitmap.width;
        for (int x = 0; x < bitmap.width; ++x)
            out[x] = static_cast<unsigned char>(255 - in[x]);
    }
    bitmap.depth = 8;
    bitmap.samples = ink->data();
    bitmap.owner = ink;
    return bitmap;
}
