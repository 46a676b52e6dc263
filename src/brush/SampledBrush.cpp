#include "brush/SampledBrush.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// Maps ink to grey: 0 is paper white, 255 is full black.
const QList<QRgb>& InkColorTable()
{
    static const QList<QRgb> table = [] {
        QList<QRgb> t(256);
        for (int i = 0; i < 256; ++i)
            t[i] = qRgb(255 - i, 255 - i, 255 - i);
        return t;
    }();
    return table;
}

template <typename Sample, typename ToInk16>
QImage InkImage16(const PixelBlock& pixels, int width, int height, ToInk16 toInk16)
{
    QImage image(width, height, QImage::Format_Grayscale16);
    if (image.isNull())
        return image;
    const auto* in = reinterpret_cast<const unsigned char*>(pixels.data());
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<quint16*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += sizeof(Sample)) {
            Sample s;
            std::memcpy(&s, in, sizeof s);
            out[x] = static_cast<quint16>(65535 - toInk16(s));
        }
    }
    return image;
}
} // namespace

SampledBrush::SampledBrush(std::optional<QString> name, int width, int height, int depthInBits,
                           PixelBlock pixels)
    : Brush(std::move(name)), mStored(std::make_shared<Stored>())
{
    mStored->pixels = std::move(pixels);
    mStored->depth = depthInBits;
    QImage& image = mStored->image;
    const PixelBlock& block = mStored->pixels;
    const size_t bytesPerSample = static_cast<size_t>(depthInBits / 8);
    if (width > 0 && height > 0 &&
        block.size() >= static_cast<size_t>(width) * static_cast<size_t>(height) * bytesPerSample) {
        switch (depthInBits) {
        case 8:
            // The image reads the brush's own block; no copy is made.
            image = QImage(block.data(), width, height, width, QImage::Format_Indexed8);
            image.setColorTable(InkColorTable());
            break;
        case 16:
            // Qt has no 16-bit format with the ink convention, so these are converted once.
            image = InkImage16<quint16>(block, width, height, [](quint16 v) { return v; });
            break;
        case 32:
            image = InkImage16<float>(block, width, height, [](float v) {
                if (!(v > 0.0f))
                    return quint16(0);
                return static_cast<quint16>(std::lround(std::min(v, 1.0f) * 65535.0f));
            });
            break;
        default:
            break;
        }
    }
    mSize = image.size();
}

SampledBrush::SampledBrush(std::optional<QString> name, const SampledBrush& stored,
                           SampleShaping shaping)
    : Brush(std::move(name)), mStored(stored.mStored), mShaping(shaping)
{
    // TODO: the size the shaping gives.
    mSize = mStored->image.size();
}

bool SampleShaping::keeps(QSize stored) const
{
    return (diameter == 0 || diameter == std::max(stored.width(), stored.height())) &&
           roundness == 100 && angle == 0 && !flipX && !flipY;
}

QImage SampledBrush::image() const
{
    return mStored->image;
}

QImage SampledBrush::thumbnail(int side) const
{
    return Brush::thumbnail(side);
}
