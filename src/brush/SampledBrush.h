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

// A brush whose image is the pixel block stored in the file: one sample per pixel measuring
// ink, 8- or 16-bit unsigned or 32-bit float, host byte order, rows packed without padding.
class SampledBrush : public Brush
{
public:
    SampledBrush(std::optional<QString> name, int width, int height, int depthInBits,
                 PixelBlock pixels);

    QImage image() const override { return mImage; }
    QSize pixelSize() const override { return mImage.size(); }
    bool isComputed() const override { return false; }
    int depth() const { return mDepth; }
    const PixelBlock& pixels() const { return mPixels; }
    // Rows the file lost or that did not decode, shown blank: the brush is damaged. Only
    // while the brush is being built, before it is handed on.
    long long missingRows() const { return mMissingRows; }
    void setMissingRows(long long rows) { mMissingRows = rows; }

private:
    PixelBlock mPixels;
    int mDepth;
    long long mMissingRows = 0;
    QImage mImage;
};
