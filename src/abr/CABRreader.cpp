#include "abr/CABRreader.h"

#include "abr/CABRreaderImpl.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "stream/ReadErrors.h"

#include <algorithm>
#include <boost/thread/thread.hpp>
#include <limits>
#include <new>
#include <stdexcept>

CABRreader::Impl::Impl(const QString& path, CABRreader* owner, CABRreader::ReadAs as)
    : mStream(path, true), mUnpacker(mStream), mOwner(owner), mReadAs(as)
{}

void CABRreader::Impl::PostBrush(const BrushPtr& brush, CBrushSink& sink)
{
    boost::this_thread::interruption_point();
    sink.AddBrush(brush);
}

void CABRreader::Impl::SkipChecked(long long n)
{
    if (n < 0 || n > BytesLeft())
        throw kDamagedFileError;
    mStream.SkipBytes(n);
}

long long CABRreader::Impl::PixelByteCount(long long width, long long height, int bytesPerSample,
                                           bool compressed, long long available)
{
    // Each extent is bounded before anything is multiplied, so no product can overflow.
    constexpr long long kMaxExtent = std::numeric_limits<int>::max();
    if (width < 0 || height < 0 || width > kMaxExtent || height > kMaxExtent)
        throw kDamagedFileError;
    const long long rowBytes = width * bytesPerSample;
    if (rowBytes > kMaxExtent || (rowBytes > 0 && height > kMaxExtent / rowBytes))
        throw kDamagedFileError;
    const long long byteCount = rowBytes * height;

    // Never allocate more than the bytes at hand could fill: raw data needs its bytes,
    // run-length data yields at most 128 bytes for every 2 it reads, after its row table.
    long long fillable = std::min(available, BytesLeft());
    if (compressed) {
        if (2 * height > fillable)
            throw kDamagedFileError;
        fillable = (fillable - 2 * height) / 2 * 128;
    }
    if (byteCount > fillable)
        throw kDamagedFileError;
    return byteCount;
}

PixelBlock CABRreader::Impl::ReadPixels(long long width, long long height, int bytesPerSample,
                                        bool compressed, long long available)
{
    const long long byteCount =
        PixelByteCount(width, height, bytesPerSample, compressed, available);
    const long long rowBytes = width * bytesPerSample;
    PixelBlock block;
    try {
        block.resize(static_cast<size_t>(byteCount));
    } catch (const std::bad_alloc&) {
        throw kDamagedFileError;
    } catch (const std::length_error&) {
        throw kDamagedFileError;
    }
    if (compressed) {
        mUnpacker.Restart();
        mStream.SkipBytes(height * 2);
    }
    const sizeWithLog size = bytesPerSample == 4 ? kSize4 : bytesPerSample == 2 ? kSize2 : kSize1;
    for (long long row = 0; row < height; row += kRowsPerCancelCheck) {
        const long long rows = std::min(kRowsPerCancelCheck, height - row);
        unsigned char* dst = block.data() + row * rowBytes;
        const bool last = row + rows == height;
        if (compressed)
            mUnpacker.Read(dst, static_cast<unsigned long>(rows * rowBytes), last);
        else
            mStream.ReadGeneric(dst, size, static_cast<unsigned long>(rows * width), false);
        if (!last)
            boost::this_thread::interruption_point();
    }
    return block;
}

// Header, all versions:          Versions 1 and 2 then hold:
//   0  2  version                  2  2  brush count N
//                                  4  …  N records: 2 type, 4 length, type-specific fields
void CABRreader::Impl::Read(CBrushSink& sink)
{
    ReadOutcome outcome;
    try {
        try {
            const unsigned short version = mStream.ReadU16();
            if (version == 1 || version == 2) {
                const unsigned short count = mStream.ReadU16();
                for (unsigned i = 0; i < count; ++i) {
                    const unsigned short type = mStream.ReadU16();
                    const unsigned int length = mStream.ReadU32();
                    if (static_cast<long long>(length) > BytesLeft())
                        throw kDamagedFileError;
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
                if (mDamaged)
                    throw kDamagedFileError;
            } else {
                outcome.unsupportedVersion = version;
            }
        } catch (const boost::thread_interrupted&) {
            throw;
        } catch (int) {
            throw;
        } catch (const std::bad_alloc&) {
            throw;
        } catch (...) {
            // Whatever else a hostile file provokes (a length_error from a container, say) is
            // damage like any other.
            throw kDamagedFileError;
        }
    } catch (int code) {
        outcome.error = code;
        boost::this_thread::interruption_point();
        outcome.skippedPatterns = mSkippedPatterns;
        sink.FinishedReadingFile(outcome);
        throw;
    } catch (const std::bad_alloc&) {
        outcome.outOfMemory = true;
        boost::this_thread::interruption_point();
        outcome.skippedPatterns = mSkippedPatterns;
        sink.FinishedReadingFile(outcome);
        throw;
    } catch (...) {
        boost::this_thread::interruption_point();
        outcome.skippedPatterns = mSkippedPatterns;
        sink.FinishedReadingFile(outcome);
        throw;
    }
    boost::this_thread::interruption_point();
    outcome.skippedPatterns = mSkippedPatterns;
    sink.FinishedReadingFile(outcome);
}

// 4 count C, then C big-endian UTF-16 code units; a final zero unit ends the name.
std::optional<QString> CABRreader::Impl::ReadType12Name()
{
    const unsigned int count = mStream.ReadU32();
    // A count no file can hold is damage, never a shortage of memory.
    if (count >= 0x80000000U || static_cast<long long>(count) * 2 > BytesLeft())
        throw kDamagedFileError;
    std::vector<unsigned short> units(count, 0);
    mStream.ReadGeneric(units.data(), kSize2, count, false);
    size_t length = units.size();
    if (length > 0 && units[length - 1] == 0)
        --length;
    return QString(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(length));
}

// A record's spacing in percent; these versions have no switch for it, and 0 is read as off
// since no tip paints at a spacing of nothing.
namespace {
std::optional<double> Type12Spacing(unsigned short spacing)
{
    return spacing == 0 ? std::nullopt : std::optional<double>(spacing);
}
} // namespace

//   4 ignored, 2 spacing %, [name], 2 diameter, 2 roundness %, 2 angle (signed), 2 hardness %
BrushPtr CABRreader::Impl::ReadType12ComputedBrush(bool hasName)
{
    mStream.ReadU32();
    const unsigned short spacing = mStream.ReadU16();
    std::optional<QString> name;
    if (hasName)
        name = ReadType12Name();
    const unsigned short diameter = mStream.ReadU16();
    const unsigned short roundness = mStream.ReadU16();
    const short angle = mStream.ReadS16();
    const unsigned short hardness = mStream.ReadU16();
    auto preset = std::make_shared<BrushPreset>();
    preset->tip.kind = TipKind::Computed;
    preset->tip.diameter = diameter;
    preset->tip.roundness = roundness;
    preset->tip.angle = angle;
    preset->tip.hardness = hardness;
    preset->tip.spacing = Type12Spacing(spacing);
    auto brush =
        ComputedBrush::brushWithName(std::move(name), diameter, roundness, angle, hardness);
    if (mReadAs == CABRreader::ReadAs::Presets)
        brush->setPreset(std::move(preset));
    return brush;
}

//   4 ignored, 2 spacing %, [name], 1 ignored, 8 bounds (16-bit, unused),
//   4 top, 4 left, 4 bottom, 4 right, 2 depth, 1 compression,
//   [2 × height row lengths when compressed], pixel data
BrushPtr CABRreader::Impl::ReadType12SampledBrush(bool hasName)
{
    mStream.ReadU32();
    const unsigned short spacing = mStream.ReadU16();
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

    if (depth != 8)
        throw kDamagedFileError;
    const long long width = static_cast<long long>(right) - left;
    const long long height = static_cast<long long>(bottom) - top;
    PixelBlock block = ReadPixels(width, height, 1, compression != 0, BytesLeft());
    auto preset = std::make_shared<BrushPreset>();
    preset->tip.kind = TipKind::Sampled;
    preset->tip.diameter = static_cast<double>(std::max(width, height));
    preset->tip.spacing = Type12Spacing(spacing);
    auto brush = std::make_shared<SampledBrush>(std::move(name), static_cast<int>(width),
                                                static_cast<int>(height), depth, std::move(block));
    if (mReadAs == CABRreader::ReadAs::Presets)
        brush->setPreset(std::move(preset));
    return brush;
}

CABRreader::CABRreader(const QString& path, ReadAs as)
    : mImpl(std::make_unique<Impl>(path, this, as))
{}

CABRreader::~CABRreader() = default;

void CABRreader::Read(CBrushSink& sink)
{
    mImpl->Read(sink);
}
