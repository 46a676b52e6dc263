#include "stream/CInStream.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

namespace {
// Bytes whose value is their offset's low byte, so any misplaced read shows.
QByteArray CountingBytes(qsizetype n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i)
        bytes[i] = char(i & 0xFF);
    return bytes;
}
} // namespace

// Each element size converts from big-endian, and the stream reads the right bytes wherever it
// is sent relative to its buffer.
TEST(CInStream, ReadsEachSizeAndRepositionsAcrossBufferWindows)
{
    Sandbox box;
    const qsizetype size = 3 * CInStream::kBufferSize + 1000;
    CInStream stream(box.write("f", CountingBytes(size)), true);
    EXPECT_EQ(stream.ReadU16(), 0x0001);
    EXPECT_EQ(stream.ReadU32(), 0x02030405u);
    EXPECT_EQ(stream.ReadU64(), 0x060708090A0B0C0Dull);
    EXPECT_EQ(stream.ReadU8(), 0x0E);
    EXPECT_EQ(stream.GetPosition(), 15);
    // Asked for big-endian, the bytes stay as they are.
    stream.SkipTo(2);
    unsigned char out[4];
    stream.ReadGeneric(out, kSize4, 1, true);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(out), 4).toHex(), "02030405");

    // An element straddling the buffer boundary reads whole: offsets 262142.. hold fe ff 00 01.
    stream.SkipTo(CInStream::kBufferSize - 2);
    EXPECT_EQ(stream.ReadU32(), 0xFEFF0001u);
    EXPECT_EQ(stream.ReadU16(), 0x0203);

    // Far forward jump: lands in a window aligned on a buffer boundary.
    stream.SkipTo(2 * CInStream::kBufferSize + 77);
    EXPECT_EQ(stream.ReadU8(), (2 * CInStream::kBufferSize + 77) & 0xFF);
    // Back into a region no longer buffered.
    stream.SkipTo(5);
    EXPECT_EQ(stream.ReadU8(), 5);
    // SkipBytes past the buffered stretch.
    stream.SkipBytes(CInStream::kBufferSize + 300);
    EXPECT_EQ(stream.GetPosition(), qint64(CInStream::kBufferSize) + 306);
    EXPECT_EQ(stream.ReadU8(), (CInStream::kBufferSize + 306) & 0xFF);
    // Rewind within and beyond the buffered stretch.
    stream.Rewind(7);
    EXPECT_EQ(stream.ReadU8(), (CInStream::kBufferSize + 300) & 0xFF);
    stream.Rewind(CInStream::kBufferSize);
    EXPECT_EQ(stream.ReadU8(), 301 & 0xFF);
    EXPECT_THROW(stream.Rewind(1u << 30), int);
    EXPECT_THROW(stream.SkipBytes(-1), int);
    EXPECT_THROW(stream.SkipBytes(size), int);

    // A large read that finds the buffer drained goes straight to its destination; the stream
    // must go on from the right place, forwards and back.
    QByteArray big(qsizetype(CInStream::kBufferSize) + 10, '\0');
    stream.SkipTo(0);
    stream.ReadGeneric(big.data(), kSize1, CInStream::kBufferSize, false); // drains the buffer
    stream.ReadGeneric(big.data(), kSize1, static_cast<unsigned long>(big.size()), false);
    EXPECT_EQ(big, CountingBytes(size).mid(qsizetype(CInStream::kBufferSize), big.size()));
    EXPECT_EQ(stream.ReadU8(), (2 * CInStream::kBufferSize + 10) & 0xFF);
    stream.Rewind(3);
    EXPECT_EQ(stream.ReadU8(), (2 * CInStream::kBufferSize + 8) & 0xFF);
}
