#include "abr/CSampleRecordWalker.h"

#include "stream/ReadErrors.h"

#include <QtEndian>
#include <algorithm>
#include <cctype>
#include <cstring>

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

// The identifiers Photoshop gives samples: 8-4-4-4-12 hexadecimal digits, a UUID, which
// some files keep behind a "$". The UUID's length byte, 36, is itself a "$" in a hex dump.
constexpr long long kUuidLength = 36;

bool IsUuidIdentifier(const unsigned char* id, long long length)
{
    if (length == kUuidLength + 1 && id[0] == '$') {
        ++id;
        --length;
    }
    if (length != kUuidLength)
        return false;
    for (long long i = 0; i < length; ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
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
        long long missingRows = 0;
        if (HeaderAt(mPosition, &header)) {
            bool lengthRight = false;
            if (ReadRecordPixels(header, &pixels)) {
                const long long dataEnd = mReader.mStream.GetPosition();
                mUuidIdentifiers =
                    mUuidIdentifiers ||
                    IsUuidIdentifier(
                        reinterpret_cast<const unsigned char*>(header.identifier.data()),
                        static_cast<long long>(header.identifier.size()));
                next = BoundaryAfterPixels(header, dataEnd, &lengthRight);
            }
            // Only a record whose length is wrong is looked at again, so a sound file is read
            // once: one cut short by the next record is read anew within its true extent.
            const long long cut = lengthRight ? -1 : CutShortAt(header);
            if (cut >= 0) {
                mReader.mDamaged = true;
                pixels = PixelBlock();
                if (!ReadCutRecordPixels(header, cut, &pixels, &missingRows)) {
                    mPosition = cut;
                    continue;
                }
                next = cut;
            }
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
        sample->missingRows = missingRows;
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
    return available > 5 + kUuidLength + 1 && IsUuidIdentifier(bytes + 5, bytes[4]) &&
           ParseHeader(bytes, available, mSkip, false, &header);
}

namespace {
// Photoshop writes 8-, 16- and 32-bit samples, and packs only 8-bit ones.
bool IsWrittenByPhotoshop(unsigned short depth, bool compressed)
{
    return (depth == 8 || depth == 16 || depth == 32) && (!compressed || depth == 8);
}
} // namespace

// Leaves the stream after the pixel data; false when the header asks for a format Photoshop
// does not write or the pixels do not read.
bool CSampleRecordWalker::ReadRecordPixels(const SRecordHeader& header, PixelBlock* pixels)
{
    const bool compressed = header.compression != 0;
    if (!IsWrittenByPhotoshop(header.depth, compressed))
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

// Where a record whose declared end is no record boundary really ends: at the next record
// found inside its declared extent, or at the end of the section it runs past. -1 when its
// length may be right, or nothing shows where it is wrong.
long long CSampleRecordWalker::CutShortAt(const SRecordHeader& header)
{
    const long long declaredEnd = mPosition + 4 + header.recordLength;
    if (declaredEnd > mEnd)
        return mEnd;
    if (!mUuidIdentifiers || RecordAfter(declaredEnd) >= 0)
        return -1;
    const long long found = mReader.FindForward(
        mPosition + header.headerBytes, declaredEnd, mMaxHeaderBytes,
        [this](const unsigned char* bytes, long long available) {
            return RecordStarts(bytes, available);
        },
        mEnd);
    return found < declaredEnd ? found : -1;
}

// A record that ends at `cut`, before its length says. Photoshop packs each row on its own and
// lists their lengths in the row table, so every row is found and checked by itself: a row is
// kept when it lies wholly before `cut` and decodes to exactly its listed bytes; the others
// are left blank and counted in *missingRows. A row table that cannot be one (its rows run past
// the declared end) leaves only the whole record, read as usual, if it ends by `cut`. False
// when no row is kept.
bool CSampleRecordWalker::ReadCutRecordPixels(const SRecordHeader& header, long long cut,
                                              PixelBlock* pixels, long long* missingRows)
{
    const bool compressed = header.compression != 0;
    if (!IsWrittenByPhotoshop(header.depth, compressed))
        return false;
    CInStream& stream = mReader.mStream;
    const long long start = mPosition + header.headerBytes;
    const long long declaredEnd = mPosition + 4 + header.recordLength;
    const int bytesPerSample = header.depth / 8;
    const long long rowBytes = header.width * bytesPerSample;
    const long long height = header.height;
    if (header.width <= 0 || height <= 0 || header.width > kMaxSaneExtent ||
        height > kMaxSaneExtent)
        return false;
    mReadBudget -= std::max(0LL, cut - start);
    std::vector<long long> rowStarts;
    try {
        stream.SkipTo(start);
        // A cut record holds less than its block: at most half of it may be lost.
        const long long byteCount =
            mReader.PixelByteCount(header.width, height, bytesPerSample, compressed,
                                   std::min(declaredEnd - start, 2 * (cut - start)));
        // Both extents were bounded by what the record can hold.
        rowStarts.resize(static_cast<size_t>(height + 1));
        rowStarts[0] = compressed ? start + 2 * height : start;
        if (rowStarts[0] > cut)
            return false;
        for (long long row = 0; row < height; ++row)
            rowStarts[size_t(row + 1)] =
                rowStarts[size_t(row)] + (compressed ? stream.ReadU16() : rowBytes);
        if (compressed && rowStarts.back() > declaredEnd) {
            if (!ReadRecordPixels(header, pixels))
                return false;
            return stream.GetPosition() <= cut;
        }
        pixels->resize(static_cast<size_t>(byteCount));
    } catch (int) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    const sizeWithLog size = bytesPerSample == 4 ? kSize4 : bytesPerSample == 2 ? kSize2 : kSize1;
    long long missing = 0;
    for (long long row = 0; row < height; ++row) {
        unsigned char* dst = pixels->data() + row * rowBytes;
        bool kept = rowStarts[size_t(row + 1)] <= cut;
        if (kept) {
            try {
                stream.SkipTo(rowStarts[size_t(row)]);
                if (compressed) {
                    mReader.mUnpacker.Restart();
                    mReader.mUnpacker.Read(dst, static_cast<unsigned long>(rowBytes), true);
                } else {
                    stream.ReadGeneric(dst, size, static_cast<unsigned long>(header.width), false);
                }
                kept = stream.GetPosition() == rowStarts[size_t(row + 1)];
            } catch (int) {
                kept = false;
            }
        }
        if (!kept) {
            std::memset(dst, 0, static_cast<size_t>(rowBytes));
            ++missing;
        }
        if ((row + 1) % CABRreader::Impl::kRowsPerCancelCheck == 0)
            boost::this_thread::interruption_point();
    }
    *missingRows = missing;
    return missing < height;
}

// Where the record after the one at mPosition starts, its pixel data ending at `dataEnd`;
// -1 when no record boundary follows the pixels. *lengthRight tells whether one follows the
// record's declared length.
long long CSampleRecordWalker::BoundaryAfterPixels(const SRecordHeader& header, long long dataEnd,
                                                   bool* lengthRight)
{
    const long long recordEnd = mPosition + 4 + header.recordLength;
    const bool lengthCoversData = recordEnd >= dataEnd && recordEnd <= mEnd;
    long long next = lengthCoversData ? RecordAfter(recordEnd) : -1;
    *lengthRight = next >= 0;
    if (next < 0 && dataEnd <= mEnd) {
        // The record's length is wrong, but the next record starts right after the pixels.
        next = RecordAfter(dataEnd);
        mReader.mDamaged = mReader.mDamaged || next >= 0;
    }
    if (next < 0 && lengthCoversData && mUuidIdentifiers) {
        // A length that runs on into the next record: that record is found by its identifier
        // between the pixels and the declared end (a stretch of this record's own length).
        const long long found = mReader.FindForward(
            dataEnd, recordEnd, mMaxHeaderBytes,
            [this](const unsigned char* bytes, long long available) {
                return RecordStarts(bytes, available);
            },
            mEnd);
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
