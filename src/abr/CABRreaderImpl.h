#pragma once

#include "abr/CABRreader.h"
#include "brush/Brush.h"
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
        uint32_t length = 0;
        long long offset = 0;
    };

    Impl(const QString& path, CABRreader* owner);

    void Read(CBrushSink& sink);

    std::optional<QString> ReadType12Name();
    BrushPtr ReadType12ComputedBrush(bool hasName);
    BrushPtr ReadType12SampledBrush(bool hasName);
    void ReadType6Brushes(CBrushSink& sink, int subVersion);
    // True when zero padding up to the next 4-byte boundary was stepped over.
    bool SkipSectionPadding();

    // Hands one brush on, after the cancellation point that lets a switch of file stop the read.
    void PostBrush(const BrushPtr& brush, CBrushSink& sink);

    long long BytesLeft() const { return mStream.GetSize() - mStream.GetPosition(); }

    CInStream mStream;
    CByteUnpackStream mUnpacker;
    CABRreader* mOwner;
};
