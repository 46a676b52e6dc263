#include "abr/CSampleRecordWalker.h"

#include "stream/ReadErrors.h"

#include <QtEndian>
#include <algorithm>
#include <cctype>

namespace {
// Photoshop's documents are at most 300,000 pixels a side; a header claiming more is not one.
constexpr long long kMaxSaneExtent = 300000;

bool IsPrintable(unsigned char c)
{
    return c >= 0x20 && c < 0x7F;
}

long long Align4(long long position)
{
    return (position + 3) / 4 * 4;
}

// The identifiers Photoshop gives samples: "$", then 8-4-4-4-12 hexadecimal digits.
constexpr long long kUuidIdentifierLength = 37;

bool IsUuidIdentifier(const unsigned char* id, long long length)
{
    if (length != kUuidIdentifierLength || id[0] != '$')
        return false;
    for (long long i = 1; i < length; ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash ? id[i] != '-' : !std::isxdigit(id[i]))
            return false;
    }
    return true;
}
} // namespace

CSampleRecordWalker::CSampleRecordWalker(CABRreader::Impl& reader,
                                         const CABRreader::Impl::SChunkHeader& section,
                                         int subVersion)
    : mReader(reader), mEnd(section.offset + section.length), mSkip(subVersion == 1 ? 10 : 264),
      mMaxHeaderBytes(4 + 1 + 255 + mSkip + 19), mHeaderBytes(static_cast<size_t>(mMaxHeaderBytes)),
      mPosition(section.offset), mReadBudget(4 * section.length + (1 << 20))
{
    SRecordHeader first;
    mUuidIdentifiers =
        HeaderAt(mPosition, &first) &&
        IsUuidIdentifier(reinterpret_cast<const unsigned char*>(first.identifier.data()),
                         static_cast<long long>(first.identifier.size()));
}

bool CSampleRecordWalker::Next(SSample* sample)
{
    while (mPosition < mEnd) {
        SRecordHeader header;
        PixelBlock pixels;
        long long next = -1;
        if (mReadBudget <= 0) {
            // Only damage makes the walk read bytes more than once, and it has read the section a
            // few times over: the rest is given up.
            mReader.mDamaged = true;
            mPosition = mEnd;
            break;
        }
        if (HeaderAt(mPosition, &header) && ReadRecordPixels(header, &pixels)) {
            const long long dataEnd = mReader.mStream.GetPosition();
            mUuidIdentifiers =
                mUuidIdentifiers ||
                IsUuidIdentifier(reinterpret_cast<const unsigned char*>(header.identifier.data()),
                                 static_cast<long long>(header.identifier.size()));
            next = BoundaryAfterPixels(header, dataEnd);
        }
        if (next < 0) {
            mPosition = NextRecordFrom(mPosition + 1);
            continue;
        }
        sample->identifier = std::move(header.identifier);
        sample->width = header.width;
        sample->height = header.height;
        sample->depth = header.depth;
        sample->pixels = std::move(pixels);
        mPosition = next;
        return true;
    }
    return false;
}

// Sample record, starting on a multiple of 4:
//   4 length R of what follows          1 identifier length n, n identifier bytes
//   10 (sub-version 1) or 264 bytes      4 top, 4 left, 4 bottom, 4 right (signed)
//   2 depth (8, 16, 32)                  1 compression (only with depth 8)
//   [2 × height row lengths]             pixel data, rest of the record, padding
// With `strict` a header is only accepted when every field looks like one Photoshop writes,
// which is what finding a record in damaged data relies on.
bool CSampleRecordWalker::ParseHeader(const unsigned char* bytes, long long available,
                                      long long skip, bool strict, SRecordHeader* header)
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
    const qint32 top = qFromBigEndian<qint32>(bounds);
    const qint32 left = qFromBigEndian<qint32>(bounds + 4);
    const qint32 bottom = qFromBigEndian<qint32>(bounds + 8);
    const qint32 right = qFromBigEndian<qint32>(bounds + 12);
    header->recordLength = qFromBigEndian<quint32>(bytes);
    header->width = static_cast<long long>(right) - left;
    header->height = static_cast<long long>(bottom) - top;
    header->depth = qFromBigEndian<quint16>(bounds + 16);
    header->compression = bounds[18];
    header->headerBytes = headerBytes;
    if (strict && !(header->width >= 0 && header->height >= 0 && header->width <= kMaxSaneExtent &&
                    header->height <= kMaxSaneExtent &&
                    (header->depth == 1 || header->depth == 8 || header->depth == 16 ||
                     header->depth == 32) &&
                    header->compression <= 1 && header->recordLength >= headerBytes - 4))
        return false;
    // Last, so the search over damaged data copies nothing for the places it turns down.
    header->identifier.assign(reinterpret_cast<const char*>(id), idLength);
    return true;
}

bool CSampleRecordWalker::HeaderAt(long long position, SRecordHeader* header)
{
    const long long got =
        mReader.ReadAt(position, mHeaderBytes.data(), std::min(mMaxHeaderBytes, mEnd - position));
    return ParseHeader(mHeaderBytes.data(), got, mSkip, false, header);
}

// Among records of "$"-and-UUID identifiers, the fields after one may be what is damaged: the
// record is still found, and skipped if its pixels do not read.
bool CSampleRecordWalker::RecordStarts(const unsigned char* bytes, long long available) const
{
    SRecordHeader header;
    if (!mUuidIdentifiers)
        return ParseHeader(bytes, available, mSkip, true, &header);
    return available > 4 + kUuidIdentifierLength && bytes[4] == kUuidIdentifierLength &&
           IsUuidIdentifier(bytes + 5, kUuidIdentifierLength) &&
           ParseHeader(bytes, available, mSkip, false, &header);
}

// Leaves the stream after the pixel data; false when the header asks for a format Photoshop
// does not write or the pixels do not read.
bool CSampleRecordWalker::ReadRecordPixels(const SRecordHeader& header, PixelBlock* pixels)
{
    const bool compressed = header.compression != 0;
    if ((header.depth != 8 && header.depth != 16 && header.depth != 32) ||
        (compressed && header.depth != 8))
        return false;
    CInStream& stream = mReader.mStream;
    const long long start = mPosition + header.headerBytes;
    stream.SkipTo(start);
    bool read = true;
    try {
        *pixels = mReader.ReadPixels(header.width, header.height, header.depth / 8, compressed,
                                     mEnd - start);
    } catch (int) {
        read = false;
    }
    mReadBudget -= std::max(0LL, stream.GetPosition() - start);
    return read;
}

// Where the record after the one at mPosition starts, its pixel data ending at `dataEnd`;
// -1 when no record boundary follows the pixels.
long long CSampleRecordWalker::BoundaryAfterPixels(const SRecordHeader& header, long long dataEnd)
{
    const long long recordEnd = mPosition + 4 + header.recordLength;
    const bool lengthCoversData = recordEnd >= dataEnd && recordEnd <= mEnd;
    long long next = lengthCoversData ? RecordAfter(recordEnd) : -1;
    if (next < 0 && dataEnd <= mEnd) {
        // The record's length is wrong, but the next record starts right after the pixels.
        next = RecordAfter(dataEnd);
        mReader.mDamaged = mReader.mDamaged || next >= 0;
    }
    if (next < 0 && lengthCoversData && mUuidIdentifiers) {
        // A length that runs on into the next record: that record is found by its identifier
        // between the pixels and the declared end (a stretch of this record's own length).
        const long long found =
            mReader.FindForward(dataEnd, recordEnd, mMaxHeaderBytes,
                                [this](const unsigned char* bytes, long long available) {
                                    return RecordStarts(bytes, available);
                                });
        if (found < recordEnd) {
            mReader.mDamaged = true;
            next = found;
        }
    }
    if (next < 0 && lengthCoversData) {
        // Nothing recognisable follows either way; the length is all there is to go by, and
        // what stands there is judged as the next record.
        next = Align4(recordEnd);
    }
    return next;
}

// Where the next record starts if one can follow `position`: up to three zero bytes of
// padding, then the end of the section or a header that checks out. -1 otherwise.
long long CSampleRecordWalker::RecordAfter(long long position)
{
    unsigned char pad[3] = {};
    mReader.ReadAt(position, pad, std::min(3LL, std::max(0LL, mEnd - position)));
    for (int k = 0; k < 4; ++k) {
        if (position + k >= mEnd)
            return mEnd;
        const long long got = mReader.ReadAt(position + k, mHeaderBytes.data(),
                                             std::min(mMaxHeaderBytes, mEnd - position - k));
        if (RecordStarts(mHeaderBytes.data(), got))
            return position + k;
        if (k < 3 && pad[k] != 0)
            return -1;
    }
    return -1;
}

// After damage: the next place from `from` on where a record header checks out.
long long CSampleRecordWalker::NextRecordFrom(long long from)
{
    mReader.mDamaged = true;
    return mReader.FindForward(from, mEnd, mMaxHeaderBytes,
                               [this](const unsigned char* bytes, long long available) {
                                   return RecordStarts(bytes, available);
                               });
}
