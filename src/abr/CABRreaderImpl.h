#pragma once

#include "abr/CABRreader.h"
#include "brush/Brush.h"
#include "brush/SampledBrush.h"
#include "stream/CByteUnpackStream.h"
#include "stream/CInStream.h"

#include <algorithm>
#include <boost/thread/interruption.hpp>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class CDescChunk;

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

    Impl(const QString& path, CABRreader* owner, CABRreader::ReadAs as);

    void Read(CBrushSink& sink);

    std::optional<QString> ReadType12Name();
    BrushPtr ReadType12ComputedBrush(bool hasName);
    BrushPtr ReadType12SampledBrush(bool hasName);
    void ReadType6Brushes(CBrushSink& sink, int subVersion);
    void ReadType6StoredTips(CBrushSink& sink, const CDescChunk& descriptor,
                             const SChunkHeader& samp, int subVersion);
    void ReadType6Presets(CBrushSink& sink, const CDescChunk& descriptor, const SChunkHeader& samp,
                          int subVersion);
    // The sections by key, the last one of a key winning.
    std::map<uint32_t, SChunkHeader> ReadType6Sections();
    // True when zero padding up to the next 4-byte boundary was stepped over.
    bool SkipSectionPadding();

    // Random access for the checks of damaged files: up to `count` bytes from `position`, as
    // many as the file holds. The stream is left after what was read.
    long long ReadAt(long long position, unsigned char* dst, long long count);
    // The first position in [from, end) where matches(bytes there, bytes available) holds, or
    // `end`. The file is searched in memory a window at a time, each read with `lookahead`
    // bytes beyond it so a match may be checked up to that far, though not past `dataEnd`
    // (`end` when left out): what starts before `end` may run on past it.
    template <typename Match>
    long long FindForward(long long from, long long end, long long lookahead, Match matches,
                          long long dataEnd = -1);

    // Reads width x height samples of bytesPerSample bytes, raw or run-length, into a new
    // block, with a cancellation point every kRowsPerCancelCheck rows. The extents are checked
    // against what the next `available` bytes could fill before anything is allocated.
    PixelBlock ReadPixels(long long width, long long height, int bytesPerSample, bool compressed,
                          long long available);

    // The bytes such a block takes, after the checks ReadPixels makes before it allocates;
    // throws kDamagedFileError where they fail.
    long long PixelByteCount(long long width, long long height, int bytesPerSample, bool compressed,
                             long long available);

    // Hands one brush on, after the cancellation point that lets a switch of file stop the read.
    void PostBrush(const BrushPtr& brush, CBrushSink& sink);

    long long BytesLeft() const { return mStream.GetSize() - mStream.GetPosition(); }
    // SkipBytes alone does not notice the end of the file.
    void SkipChecked(long long n);

    CInStream mStream;
    CByteUnpackStream mUnpacker;
    CABRreader* mOwner;
    CABRreader::ReadAs mReadAs;
    // Set when a damaged part of a version 6 file was stepped over: the read goes on, and
    // fails at its end.
    bool mDamaged = false;
    // Pattern records that yielded no pattern, damaged or in a format not decoded.
    int mSkippedPatterns = 0;
};

template <typename Match>
long long CABRreader::Impl::FindForward(long long from, long long end, long long lookahead,
                                        Match matches, long long dataEnd)
{
    constexpr long long kWindow = 65536;
    dataEnd = std::max(dataEnd, end);
    std::vector<unsigned char> window(static_cast<size_t>(kWindow + lookahead));
    for (long long start = from; start < end; start += kWindow) {
        boost::this_thread::interruption_point();
        const long long got =
            ReadAt(start, window.data(), std::min(kWindow + lookahead, dataEnd - start));
        for (long long i = 0; i < std::min({kWindow, got, end - start}); ++i) {
            if (matches(window.data() + i, got - i))
                return start + i;
        }
    }
    return end;
}
