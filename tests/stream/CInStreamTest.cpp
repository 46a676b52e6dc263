#include "stream/CInStream.h"

#include "support/TestUtil.h"

#include <cerrno>
#include <cstring>
#include <functional>
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

int ThrownCode(const std::function<void()>& f)
{
    try {
        f();
    } catch (int code) {
        return code;
    }
    return 0;
}
} // namespace

TEST(CInStream, EmptyFileOpensButEveryTypedReadFails)
{
    Sandbox box;
    CInStream stream(box.write("empty", {}), true);
    EXPECT_EQ(stream.GetSize(), 0);
    for (sizeWithLog size : {kSize1, kSize2, kSize4, kSize8}) {
        unsigned char dst[8];
        EXPECT_EQ(ThrownCode([&] { stream.ReadGeneric(dst, size, 1, false); }), -1);
    }
}

TEST(CInStream, ConvertsEachElementSizeFromBigEndian)
{
    Sandbox box;
    const QByteArray bytes = QByteArray::fromHex("0102"
                                                 "01020304"
                                                 "0102030405060708"
                                                 "ff");
    CInStream stream(box.write("f", bytes), true);
    EXPECT_EQ(stream.ReadU16(), 0x0102);
    EXPECT_EQ(stream.ReadU32(), 0x01020304u);
    EXPECT_EQ(stream.ReadU64(), 0x0102030405060708ull);
    EXPECT_EQ(stream.ReadU8(), 0xFF);
    EXPECT_EQ(stream.GetPosition(), bytes.size());
    // Asked for big-endian, the bytes stay as they are.
    stream.SkipTo(2);
    unsigned char out[4];
    stream.ReadGeneric(out, kSize4, 1, true);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(out), 4).toHex(), "01020304");
}

TEST(CInStream, ElementStraddlingTheBufferBoundaryReadsWhole)
{
    Sandbox box;
    const qsizetype size = CInStream::kBufferSize + 16;
    CInStream stream(box.write("f", CountingBytes(size)), true);
    stream.SkipBytes(CInStream::kBufferSize - 2);
    // Offsets 262142..262145 hold fe ff 00 01.
    EXPECT_EQ(stream.ReadU32(), 0xFEFF0001u);
    EXPECT_EQ(stream.GetPosition(), qint64(CInStream::kBufferSize) + 2);
    EXPECT_EQ(stream.ReadU16(), 0x0203);
}

TEST(CInStream, ReadEndingAtEndOfFileSucceedsAndOneMoreFailsWithoutCopying)
{
    Sandbox box;
    CInStream stream(box.write("f", CountingBytes(10)), true);
    unsigned char out[11];
    std::memset(out, 0xAA, sizeof out);
    EXPECT_EQ(ThrownCode([&] { stream.ReadGeneric(out, kSize1, 11, false); }), -1);
    EXPECT_EQ(out[0], 0xAA);
    EXPECT_EQ(stream.GetPosition(), 0);
    stream.ReadGeneric(out, kSize1, 10, false);
    EXPECT_EQ(out[9], 9);
    EXPECT_EQ(ThrownCode([&] { stream.ReadU8(); }), -1);
}

TEST(CInStream, BoundsOfRequestsAndSkips)
{
    Sandbox box;
    CInStream stream(box.write("f", CountingBytes(100)), true);
    unsigned char out[1];
    EXPECT_EQ(ThrownCode([&] { stream.ReadGeneric(out, kSize8, 1ul << 28, false); }), -1);
    EXPECT_EQ(ThrownCode([&] { stream.ReadGeneric(out, kSize1, 1ul << 40, false); }), -1);
    stream.SkipTo(0);
    EXPECT_EQ(stream.GetPosition(), 0);
    stream.SkipTo(100);
    EXPECT_EQ(stream.GetPosition(), 100);
    EXPECT_EQ(ThrownCode([&] { stream.SkipTo(101); }), -1);
    EXPECT_EQ(ThrownCode([&] { stream.SkipTo(-1); }), -1);
    stream.SkipTo(42);
    EXPECT_EQ(stream.ReadU8(), 42);
    // A skip past the end is reported by the next read.
    EXPECT_NE(ThrownCode([&] {
                  stream.SkipBytes(1000);
                  stream.ReadU8();
              }),
              0);
}

TEST(CInStream, RepositioningAcrossBufferWindowsReadsTheRightBytes)
{
    Sandbox box;
    const qsizetype size = 3 * CInStream::kBufferSize + 1000;
    CInStream stream(box.write("f", CountingBytes(size)), true);

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
    EXPECT_EQ(ThrownCode([&] { stream.Rewind(1u << 30); }), -1);
    EXPECT_EQ(ThrownCode([&] { stream.SkipBytes(-1); }), -1);

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
