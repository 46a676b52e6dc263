#pragma once

#include "abr/CABRreader.h"
#include "brush/Brush.h"
#include "stream/CByteUnpackStream.h"
#include "stream/CInStream.h"

#include <optional>

class CABRreader::Impl
{
public:
    Impl(const QString& path, CABRreader* owner);

    void Read(const BrushFilePtr& file);

    std::optional<QString> ReadType12Name();
    BrushPtr ReadType12ComputedBrush(bool hasName);
    BrushPtr ReadType12SampledBrush(bool hasName);
    void ReadType6Brushes(const BrushFilePtr& file, int subVersion);

    // Posts one brush, after the cancellation point that lets a switch of file stop the read.
    void PostBrush(const BrushPtr& brush, const BrushFilePtr& file);

    long long BytesLeft() const { return mStream.GetSize() - mStream.GetPosition(); }

    CInStream mStream;
    CByteUnpackStream mUnpacker;
    CABRreader* mOwner;
};
