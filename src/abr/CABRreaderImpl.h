#pragma once

#include "abr/CABRreader.h"
#include "brush/Brush.h"
#include "brush/SampledBrush.h"
#include "stream/CByteUnpackStream.h"
#include "stream/CInStream.h"

#include <cstdint>
#include <optional>

class CABRreader::Impl
{
public:
    // One "8BIM" section of a version 6 and later file; offset is that of its first data byte.
    struct SChunkHeader
    {
        uint32_t key = 0;
        long long length = 0;
        long long offset = 0;
    };

    // Rows decoded between two checks for a cancel.
    static constexpr long long kRowsPerCancelCheck = 64;

    Impl(const QString& path, CABRreader* owner);

    void Read(CBrushSink& sink);

    std::optional<QString> ReadType12Name();
    BrushPtr ReadType12ComputedBrush(bool hasName);
    BrushPtr ReadType12SampledBrush(bool hasName);
    void ReadType6Brushes(CBrushSink& sink, int subVersion);
    // True when zero padding up to the next 4-byte boundary was stepped over.
    bool SkipSectionPadding();

    // Reads width x height samples of bytesPerSample bytes, raw or run-length, into a new
    // block, with a cancellation point every kRowsPerCancelCheck rows. The extents are checked
    // against what the next `available` bytes could fill before anything is allocated.
    PixelBlock ReadPixels(long long width, long long height, int bytesPerSample, bool compressed,
                          long long available);

    // Hands one brush on, after the cancellation point that lets a switch of file stop the read.
    void PostBrush(const BrushPtr& brush, CBrushSink& sink);

    long long BytesLeft() const { return mStream.GetSize() - mStream.GetPosition(); }
    // SkipBytes alone does not notice the end of the file.
    void SkipChecked(long long n);

    CInStream mStream;
    CByteUnpackStream mUnpacker;
    CABRreader* mOwner;
    // Set when a damaged part of a version 6 file was stepped over: the read goes on, and
    // fails at its end.
    bool mDamaged = false;
};
