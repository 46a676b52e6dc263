#include "abr/CABRreader.h"

#include "abr/CABRreaderImpl.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"

#include <boost/thread/thread.hpp>
#include <limits>
#include <new>

CABRreader::Impl::Impl(const QString& path, CABRreader* owner)
    : mStream(path, true), mUnpacker(mStream), mOwner(owner)
{}

void CABRreader::Impl::PostBrush(const BrushPtr& brush, CBrushSink& sink)
{
    boost::this_thread::interruption_point();
    sink.AddBrush(brush);
}

// Header, all versions:          Versions 1 and 2 then hold:
//   0  2  version                  2  2  brush count N
//                                  4  …  N records: 2 type, 4 length, type-specific fields
void CABRreader::Impl::Read(CBrushSink& sink)
{
    try {
        const unsigned short version = mStream.ReadU16();
        if (version == 1 || version == 2) {
            const unsigned short count = mStream.ReadU16();
            for (unsigned i = 0; i < count; ++i) {
                const unsigned short type = mStream.ReadU16();
                const unsigned int length = mStream.ReadU32();
                if (static_cast<long long>(length) > BytesLeft())
                    throw -1;
                BrushPtr brush;
                if (type == 1)
                    brush = ReadType12ComputedBrush(version == 2);
                else if (type == 2)
                    brush = ReadType12SampledBrush(version == 2);
                else
                    mStream.SkipBytes(length); // A kind we do not know: step over it whole.
                if (brush)
                    PostBrush(brush, sink);
            }
        } else if (version >= 6 && version <= 10) {
            const unsigned short subVersion = mStream.ReadU16();
            ReadType6Brushes(sink, subVersion);
        }
    } catch (...) {
        boost::this_thread::interruption_point();
        sink.FinishedReadingFile();
        throw;
    }
    boost::this_thread::interruption_point();
    sink.FinishedReadingFile();
}

// 4 count C, then C big-endian UTF-16 code units; a final zero unit ends the name.
std::optional<QString> CABRreader::Impl::ReadType12Name()
{
    const unsigned int count = mStream.ReadU32();
    if (count >= 0x80000000U)
        throw std::bad_alloc();
    if (static_cast<long long>(count) * 2 > BytesLeft())
        throw -1;
    std::vector<unsigned short> units(count, 0);
    mStream.ReadGeneric(units.data(), kSize2, count, false);
    size_t length = units.size();
    if (length > 0 && units[length - 1] == 0)
        --length;
    return QString(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(length));
}

//   4 ignored, 2 ignored, [name], 2 diameter, 2 roundness %, 2 angle (signed), 2 hardness %
BrushPtr CABRreader::Impl::ReadType12ComputedBrush(bool hasName)
{
    mStream.ReadU32();
    mStream.ReadU16();
    std::optional<QString> name;
    if (hasName)
        name = ReadType12Name();
    const unsigned short diameter = mStream.ReadU16();
    const unsigned short roundness = mStream.ReadU16();
    const short angle = mStream.ReadS16();
    const unsigned short hardness = mStream.ReadU16();
    return ComputedBrush::brushWithName(std::move(name), diameter, roundness, angle, hardness);
}

//   4 ignored, 2 ignored, [name], 1 ignored, 8 bounds (16-bit, unused),
//   4 top, 4 left, 4 bottom, 4 right, 2 depth, 1 compression,
//   [2 × height row lengths when compressed], pixel data
BrushPtr CABRreader::Impl::ReadType12SampledBrush(bool hasName)
{
    mStream.ReadU32();
    mStream.ReadU16();
    std::optional<QString> name;
    if (hasName)
        name = ReadType12Name();
    mStream.ReadU8();
    mStream.SkipBytes(8);
    const int top = mStream.ReadS32();
    const int left = mStream.ReadS32();
    const int bottom = mStream.ReadS32();
    const int right = mStream.ReadS32();
    const unsigned short depth = mStream.ReadU16();
    const unsigned char compression = mStream.ReadU8();

    const long long width = static_cast<long long>(right) - left;
    const long long height = static_cast<long long>(bottom) - top;
    if (width < 0 || height < 0 || width > std::numeric_limits<int>::max() ||
        height > std::numeric_limits<int>::max() || depth != 8)
        throw -1;
    const unsigned long long byteCount =
        static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height);
    if (byteCount > 0xFFFFFFFFULL)
        throw -1;

    // Never allocate more than the rest of the file could fill: raw data needs its bytes,
    // run-length data yields at most 128 bytes for every 2 it reads.
    long long left_in_file = BytesLeft();
    if (compression != 0)
        left_in_file -= 2 * height;
    const unsigned long long fillable =
        left_in_file <= 0  ? 0
        : compression != 0 ? static_cast<unsigned long long>(left_in_file / 2) * 128
                           : static_cast<unsigned long long>(left_in_file);
    if (byteCount > fillable)
        throw -1;

    PixelBlock block;
    try {
        block.assign(static_cast<size_t>(byteCount), 0);
    } catch (const std::bad_alloc&) {
        throw -1;
    }
    if (compression != 0) {
        mStream.SkipBytes(height * 2);
        mUnpacker.Read(block.data(), static_cast<unsigned long>(byteCount));
    } else {
        mStream.ReadGeneric(block.data(), kSize1, static_cast<unsigned long>(byteCount), false);
    }
    return std::make_shared<SampledBrush>(std::move(name), static_cast<int>(width),
                                          static_cast<int>(height), depth, std::move(block));
}

CABRreader::CABRreader(const QString& path) : mImpl(std::make_unique<Impl>(path, this)) {}

CABRreader::~CABRreader() = default;

void CABRreader::Read(CBrushSink& sink)
{
    mImpl->Read(sink);
}
