#include "abr/CABRreaderImpl.h"

#include "abr/CDescChunk.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "platform/PrefaultMemory.h"

#include <limits>
#include <map>
#include <new>

namespace {
constexpr uint32_t k8BIM = 0x3842494D;
constexpr uint32_t kDesc = 0x64657363;
constexpr uint32_t kSamp = 0x73616D70;

QString ToQString(const ucstring& text)
{
    QString result;
    assign(result, text);
    return result;
}
} // namespace

// Photoshop pads a section with zeros so the next one starts on a 4-byte boundary, and may end
// the file the same way. Only zeros followed by the end of the file or by another "8BIM" count
// as padding; the stream is left where it was otherwise.
bool CABRreader::Impl::SkipSectionPadding()
{
    const long long start = mStream.GetPosition();
    const long long pad = (4 - start % 4) % 4;
    if (pad == 0 || pad > BytesLeft())
        return false;
    unsigned char bytes[3];
    mStream.ReadGeneric(bytes, kSize1, static_cast<unsigned long>(pad), false);
    bool zeros = true;
    for (long long i = 0; i < pad; ++i)
        zeros = zeros && bytes[i] == 0;
    if (zeros && BytesLeft() == 0)
        return true;
    if (zeros && BytesLeft() >= 4) {
        const uint32_t signature = mStream.ReadU32();
        mStream.Rewind(4);
        if (signature == k8BIM)
            return true;
    }
    mStream.SkipTo(start);
    return false;
}

// Sections, from offset 4 to the end of the file:
//   4 signature '8BIM', 4 key, 4 length L, L bytes of data
// Sample record inside 'samp', each starting on a multiple of 4:
//   4 length R of what follows          1 identifier length n, n identifier bytes
//   10 (sub-version 1) or 264 bytes      4 top, 4 left, 4 bottom, 4 right (signed)
//   2 depth (8, 16, 32)                  1 compression (only with depth 8)
//   [2 × height row lengths]             pixel data, rest of the record, padding
void CABRreader::Impl::ReadType6Brushes(CBrushSink& sink, int subVersion)
{
    std::map<uint32_t, SChunkHeader> sections;
    while (mStream.GetPosition() != mStream.GetSize()) {
        if (SkipSectionPadding())
            continue;
        if (mStream.ReadU32() != k8BIM)
            throw -1;
        SChunkHeader header;
        header.key = mStream.ReadU32();
        header.length = mStream.ReadU32();
        if (static_cast<long long>(header.length) > BytesLeft())
            throw -1;
        header.offset = mStream.GetPosition();
        sections[header.key] = header;
        mStream.SkipBytes(header.length);
    }

    const auto desc = sections.find(kDesc);
    if (desc == sections.end())
        throw -1;
    mStream.SkipTo(desc->second.offset);
    const CDescChunk descriptor(mStream);

    const auto samp = sections.find(kSamp);
    if (samp == sections.end())
        throw -1;
    mStream.SkipTo(samp->second.offset);
    const long long end = samp->second.offset + samp->second.length;
    const long long skip = subVersion == 1 ? 10 : 264;

    while (mStream.GetPosition() < end) {
        const unsigned int recordLength = mStream.ReadU32();
        const long long recordEnd = mStream.GetPosition() + recordLength;
        const unsigned char idLength = mStream.ReadU8();
        std::string identifier(idLength, '\0');
        mStream.ReadGeneric(identifier.data(), kSize1, idLength, false);
        mStream.SkipBytes(skip);
        const int top = mStream.ReadS32();
        const int left = mStream.ReadS32();
        const int bottom = mStream.ReadS32();
        const int right = mStream.ReadS32();
        const unsigned short depth = mStream.ReadU16();
        const QString name = ToQString(descriptor.SampledBrushName(identifier));
        const unsigned char compression = mStream.ReadU8();

        const long long width = static_cast<long long>(right) - left;
        const long long height = static_cast<long long>(bottom) - top;
        if (depth != 8 && depth != 16 && depth != 32)
            throw -1;
        if (width < 0 || height < 0 || (compression != 0 && depth != 8))
            throw -1;
        const long long pixels = width * height;
        const long long byteCount = pixels * (depth / 8);
        if (width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max() ||
            byteCount > std::numeric_limits<int>::max())
            throw -1;

        // Never allocate more than the rest of the file could fill: raw data needs its bytes,
        // run-length data yields at most 128 bytes for every 2 it reads.
        long long fillable = BytesLeft();
        if (compression != 0)
            fillable = fillable < 2 * height ? 0 : (fillable - 2 * height) / 2 * 128;
        if (byteCount > fillable)
            throw -1;

        PixelBlock block;
        try {
            block.reserve(static_cast<size_t>(byteCount));
            // Page faults, one per 4 KiB, cost more than reading the pixels.
            PrefaultMemory(block.data(), static_cast<size_t>(byteCount));
            block.assign(static_cast<size_t>(byteCount), 0);
        } catch (const std::bad_alloc&) {
            throw -1;
        }
        const auto count = static_cast<unsigned long>(pixels);
        if (compression != 0) {
            mStream.SkipBytes(height * 2);
            mUnpacker.Read(block.data(), count);
        } else if (depth == 8) {
            mStream.ReadGeneric(block.data(), kSize1, count, false);
        } else if (depth == 16) {
            mStream.ReadGeneric(block.data(), kSize2, count, false);
            // Samples run from 0 to 32,768; spread them over the full 16-bit range in place.
            auto* samples = reinterpret_cast<unsigned short*>(block.data());
            for (unsigned long i = 0; i < count; ++i)
                samples[i] =
                    samples[i] == 0 ? 0 : static_cast<unsigned short>((samples[i] - 1) * 2);
        } else {
            mStream.ReadGeneric(block.data(), kSize4, count, false);
        }
        PostBrush(std::make_shared<SampledBrush>(name, static_cast<int>(width),
                                                 static_cast<int>(height), depth, std::move(block)),
                  sink);

        const long long rest = recordEnd - mStream.GetPosition();
        if (rest < 0)
            throw -1;
        mStream.SkipBytes(rest);
        mStream.SkipBytes((4 - mStream.GetPosition() % 4) % 4);
    }

    for (unsigned i = 0; const CDescChunk::SComputedBrushDesc* tip = descriptor.ComputedBrush(i);
         ++i)
        PostBrush(ComputedBrush::brushWithName(ToQString(tip->name), tip->diameter, tip->roundness,
                                               tip->angle, tip->hardness),
                  sink);
}
