#include "abr/CABRreaderImpl.h"

#include "abr/CDescChunk.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "stream/ReadErrors.h"

#include <algorithm>
#include <boost/thread/thread.hpp>
#include <cctype>
#include <cstring>
#include <map>

namespace {
constexpr uint32_t k8BIM = 0x3842494D;
constexpr uint32_t kDesc = 0x64657363;
constexpr uint32_t kSamp = 0x73616D70;
// Photoshop's documents are at most 300,000 pixels a side; a header claiming more is not one.
constexpr long long kMaxSaneExtent = 300000;

QString ToQString(const ucstring& text)
{
    QString result;
    assign(result, text);
    return result;
}

uint32_t BigEndian32(const unsigned char* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

bool IsPrintable(unsigned char c)
{
    return c >= 0x20 && c < 0x7F;
}

long long Align4(long long position)
{
    return (position + 3) / 4 * 4;
}

// The fields of a sample record up to its pixel data.
struct SSampleHeader
{
    unsigned int recordLength = 0;
    std::string identifier;
    long long width = 0;
    long long height = 0;
    unsigned short depth = 0;
    unsigned char compression = 0;
    // From the start of the record (its length field) to the row table or pixel data.
    long long headerBytes = 0;
};

// Parses a record header out of `bytes`. With `strict` it is only accepted when every field
// looks like one Photoshop writes, which is what finding a record in damaged data relies on.
bool ParseSampleHeader(const unsigned char* bytes, long long available, long long skip, bool strict,
                       SSampleHeader* header)
{
    if (available < 5)
        return false;
    const unsigned char idLength = bytes[4];
    const long long headerBytes = 4 + 1 + idLength + skip + 16 + 2 + 1;
    if (available < headerBytes || (strict && idLength == 0))
        return false;
    const unsigned char* id = bytes + 5;
    if (strict && !std::all_of(id, id + idLength, IsPrintable))
        return false;
    const unsigned char* bounds = id + idLength + skip;
    const auto top = static_cast<int32_t>(BigEndian32(bounds));
    const auto left = static_cast<int32_t>(BigEndian32(bounds + 4));
    const auto bottom = static_cast<int32_t>(BigEndian32(bounds + 8));
    const auto right = static_cast<int32_t>(BigEndian32(bounds + 12));
    header->recordLength = BigEndian32(bytes);
    header->identifier.assign(reinterpret_cast<const char*>(id), idLength);
    header->width = static_cast<long long>(right) - left;
    header->height = static_cast<long long>(bottom) - top;
    header->depth = static_cast<unsigned short>(bounds[16] << 8 | bounds[17]);
    header->compression = bounds[18];
    header->headerBytes = headerBytes;
    if (!strict)
        return true;
    return header->width >= 0 && header->height >= 0 && header->width <= kMaxSaneExtent &&
           header->height <= kMaxSaneExtent &&
           (header->depth == 1 || header->depth == 8 || header->depth == 16 ||
            header->depth == 32) &&
           header->compression <= 1 && header->recordLength >= headerBytes - 4;
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

namespace {
// Random access for the checks of damaged files; the stream is left after what was read.
long long ReadAt(CInStream& stream, long long position, unsigned char* dst, long long count)
{
    count = std::max(0LL, std::min(count, stream.GetSize() - position));
    stream.SkipTo(position);
    stream.ReadGeneric(dst, kSize1, static_cast<unsigned long>(count), false);
    return count;
}

// True when a section can end at `position`: the end of the file, or up to three zero bytes
// and then the end of the file or an "8BIM" signature.
bool SectionMayEndAt(CInStream& stream, long long position)
{
    unsigned char bytes[7];
    const long long got = ReadAt(stream, position, bytes, 7);
    for (long long pad = 0; pad < 4; ++pad) {
        if (pad > 0 && bytes[pad - 1] != 0)
            return false;
        if (pad == got)
            return true;
        if (pad + 4 <= got && BigEndian32(bytes + pad) == k8BIM)
            return true;
    }
    return false;
}

// The next "8BIM" followed by a key of four letters at or after `from`; the end of the file
// when there is none.
long long FindSectionStart(CInStream& stream, long long from)
{
    constexpr long long kWindow = 65536;
    std::vector<unsigned char> window(kWindow);
    for (long long start = from; start < stream.GetSize(); start += kWindow - 7) {
        boost::this_thread::interruption_point();
        const long long got = ReadAt(stream, start, window.data(), kWindow);
        for (long long i = 0; i + 8 <= got; ++i) {
            if (BigEndian32(&window[size_t(i)]) != k8BIM)
                continue;
            const unsigned char* key = &window[size_t(i) + 4];
            if (std::all_of(key, key + 4, [](unsigned char c) { return std::isalpha(c); }))
                return start + i;
        }
        if (got < kWindow)
            break;
    }
    return stream.GetSize();
}
} // namespace

// Sections, from offset 4 to the end of the file:
//   4 signature '8BIM', 4 key, 4 length L, L bytes of data
// Sample record inside 'samp', each starting on a multiple of 4:
//   4 length R of what follows          1 identifier length n, n identifier bytes
//   10 (sub-version 1) or 264 bytes      4 top, 4 left, 4 bottom, 4 right (signed)
//   2 depth (8, 16, 32)                  1 compression (only with depth 8)
//   [2 × height row lengths]             pixel data, rest of the record, padding
//
// Damaged files exist whose record or section lengths are wrong. Where a declared end does not
// land on what must follow it, the reader looks for the next section signature or the next
// record header that checks out and goes on from there; a sample is only kept when what
// follows its pixel data is such a boundary, so no brush is ever made of another's bytes. The
// read then still fails, after everything that could be recovered.
void CABRreader::Impl::ReadType6Brushes(CBrushSink& sink, int subVersion)
{
    std::map<uint32_t, SChunkHeader> sections;
    while (mStream.GetPosition() != mStream.GetSize()) {
        if (SkipSectionPadding())
            continue;
        if (mStream.ReadU32() != k8BIM)
            throw kDamagedFileError;
        SChunkHeader header;
        header.key = mStream.ReadU32();
        header.length = mStream.ReadU32();
        header.offset = mStream.GetPosition();
        const long long declaredEnd = header.offset + header.length;
        long long next = declaredEnd;
        if (declaredEnd > mStream.GetSize() || !SectionMayEndAt(mStream, declaredEnd)) {
            mDamaged = true;
            next = FindSectionStart(mStream, header.offset);
            header.length = next - header.offset;
            // Zero padding in front of the signature found is not part of the section.
            for (int pad = 0; pad < 3 && header.length > 0; ++pad) {
                unsigned char byte;
                ReadAt(mStream, header.offset + header.length - 1, &byte, 1);
                if (byte != 0)
                    break;
                --header.length;
            }
        }
        sections[header.key] = header;
        mStream.SkipTo(next);
    }

    const auto desc = sections.find(kDesc);
    if (desc == sections.end())
        throw kDamagedFileError;
    mStream.SkipTo(desc->second.offset);
    const CDescChunk descriptor(mStream, desc->second.length);

    const auto samp = sections.find(kSamp);
    if (samp == sections.end())
        throw kDamagedFileError;
    const long long end = samp->second.offset + samp->second.length;
    const long long skip = subVersion == 1 ? 10 : 264;
    const long long maxHeaderBytes = 4 + 1 + 255 + skip + 19;
    std::vector<unsigned char> headerBytes(static_cast<size_t>(maxHeaderBytes));

    auto headerAt = [&](long long position, bool strict, SSampleHeader* header) {
        const long long got =
            ReadAt(mStream, position, headerBytes.data(), std::min(maxHeaderBytes, end - position));
        return ParseSampleHeader(headerBytes.data(), got, skip, strict, header);
    };
    // Where the next record starts if one can follow `position`: up to three zero bytes of
    // padding, then the end of the section or a header that checks out. -1 otherwise.
    auto recordAfter = [&](long long position) -> long long {
        unsigned char pad[3] = {};
        ReadAt(mStream, position, pad, std::min(3LL, std::max(0LL, end - position)));
        for (int k = 0; k < 4; ++k) {
            SSampleHeader header;
            if (position + k >= end)
                return end;
            if (headerAt(position + k, true, &header))
                return position + k;
            if (k < 3 && pad[k] != 0)
                return -1;
        }
        return -1;
    };
    // After damage: the next place from `from` on where a record header checks out. The
    // section is searched a window at a time, in memory.
    auto nextRecord = [&](long long from) {
        mDamaged = true;
        constexpr long long kWindow = 65536;
        std::vector<unsigned char> window(static_cast<size_t>(kWindow + maxHeaderBytes));
        for (long long start = from; start < end; start += kWindow) {
            boost::this_thread::interruption_point();
            const long long got = ReadAt(mStream, start, window.data(),
                                         std::min(kWindow + maxHeaderBytes, end - start));
            for (long long i = 0; i < std::min(kWindow, got); ++i) {
                SSampleHeader header;
                if (ParseSampleHeader(window.data() + i, got - i, skip, true, &header))
                    return start + i;
            }
        }
        return end;
    };

    long long position = samp->second.offset;
    while (position < end) {
        SSampleHeader header;
        if (!headerAt(position, false, &header)) {
            position = nextRecord(position + 1);
            continue;
        }
        const bool compressed = header.compression != 0;
        if ((header.depth != 8 && header.depth != 16 && header.depth != 32) ||
            (compressed && header.depth != 8)) {
            position = nextRecord(position + 1);
            continue;
        }
        mStream.SkipTo(position + header.headerBytes);
        PixelBlock block;
        try {
            block = ReadPixels(header.width, header.height, header.depth / 8, compressed,
                               end - mStream.GetPosition());
        } catch (int) {
            position = nextRecord(position + 1);
            continue;
        }
        const long long dataEnd = mStream.GetPosition();
        const long long recordEnd = position + 4 + header.recordLength;
        const bool lengthCoversData = recordEnd >= dataEnd && recordEnd <= end;
        long long next = lengthCoversData ? recordAfter(recordEnd) : -1;
        if (next < 0 && dataEnd <= end) {
            // The record's length is wrong, but the next record starts right after the pixels.
            next = recordAfter(dataEnd);
            mDamaged = mDamaged || next >= 0;
        }
        if (next < 0 && lengthCoversData) {
            // Nothing recognisable follows either way; the length is all there is to go by,
            // and what stands there is judged as the next record.
            next = Align4(recordEnd);
        }
        if (next < 0) {
            position = nextRecord(position + 1);
            continue;
        }

        if (header.depth == 16) {
            // Samples run from 0 to 32,768; spread them over the full 16-bit range in place.
            auto* samples = reinterpret_cast<unsigned short*>(block.data());
            const size_t count = block.size() / 2;
            for (size_t i = 0; i < count; ++i)
                samples[i] =
                    samples[i] == 0 ? 0 : static_cast<unsigned short>((samples[i] - 1) * 2);
        }
        const QString name = ToQString(descriptor.SampledBrushName(header.identifier));
        PostBrush(std::make_shared<SampledBrush>(name, static_cast<int>(header.width),
                                                 static_cast<int>(header.height), header.depth,
                                                 std::move(block)),
                  sink);
        position = next;
    }

    for (unsigned i = 0; const CDescChunk::SComputedBrushDesc* tip = descriptor.ComputedBrush(i);
         ++i)
        PostBrush(ComputedBrush::brushWithName(ToQString(tip->name), tip->diameter, tip->roundness,
                                               tip->angle, tip->hardness),
                  sink);
}
