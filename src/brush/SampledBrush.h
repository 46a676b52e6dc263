#pragma once

#include "brush/Brush.h"

#include <memory>
#include <new>
#include <type_traits>
#include <vector>

// Leaves the bytes of a resized block as they are: the reader overwrites every one of them,
// and zeroing first would touch each page of a large sample twice.
template <typename T> struct UninitializedAllocator : std::allocator<T>
{
    template <typename U> struct rebind
    {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <typename U> UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using PixelBlock = std::vector<unsigned char, UninitializedAllocator<unsigned char>>;

// How a preset paints a stored sample: scaled so its longer side measures `diameter`, its
// height squashed to `roundness` percent, mirrored, then turned `angle` degrees counter-clockwise.
struct SampleShaping
{
    double diameter = 0; // 0 keeps the stored size
    double roundness = 100;
    double angle = 0;
    bool flipX = false;
    bool flipY = false;
    // Leaves a sample of this size as it is stored.
    bool keeps(QSize stored) const;
};

// A brush whose image is the pixel block stored in the file: one sample per pixel measuring
// ink, 8- or 16-bit unsigned or 32-bit float, host byte order, rows packed without padding.
// Presets that paint with the same sample share its block; each shows it shaped its own way.
class SampledBrush : public Brush
{
public:
    // The sample as stored.
    SampledBrush(std::optional<QString> name, int width, int height, int depthInBits,
                 PixelBlock pixels);
    // The sample `stored` holds, shared rather than copied, as a preset paints it.
    SampledBrush(std::optional<QString> name, const SampledBrush& stored, SampleShaping shaping);

    // The sample as its preset paints it; the stored image when the preset keeps it as stored.
    // A shaped image is drawn when asked for, not kept, as 8-bit grey within
    // ComputedBrush::kMaxDrawingPixels (the sample scaled and the canvas it is turned onto):
    // a preset that asks for more is drawn smaller, and pixelSize() is that smaller size.
    QImage image() const override;
    QSize pixelSize() const override { return mSize; }
    QImage thumbnail(int side) const override;
    TipKind kind() const override { return TipKind::Sampled; }

    // The sample as the file stores it, whatever the preset makes of it.
    const QImage& storedImage() const { return mStored->image; }
    QSize storedSize() const { return mStored->image.size(); }
    int depth() const { return mStored->depth; }
    const PixelBlock& pixels() const { return mStored->pixels; }
    const SampleShaping& shaping() const { return mShaping; }
    bool isShaped() const { return !mShaping.keeps(storedSize()); }
    // The size the preset asks for, when the shaped image had to be drawn smaller than that.
    std::optional<QSizeF> scaledFrom() const { return mScaledFrom; }
    // Rows the file lost or that did not decode, shown blank: the brush is damaged. Only
    // while the brush is being built, before it is handed on.
    long long missingRows() const { return mStored->missingRows; }
    void setMissingRows(long long rows) { mStored->missingRows = rows; }

private:
    struct Stored
    {
        PixelBlock pixels;
        int depth = 8;
        long long missingRows = 0;
        QImage image;
    };
    // The shaped sample drawn at `scale` times the preset's size.
    QImage drawShaped(double scale) const;

    std::shared_ptr<Stored> mStored;
    SampleShaping mShaping;
    double mScale = 1.0; // of the preset's size, below 1 when that is too large to draw
    std::optional<QSizeF> mScaledFrom;
    QSize mSize;
};
