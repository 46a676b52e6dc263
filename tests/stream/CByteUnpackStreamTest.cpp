#include "stream/CByteUnpackStream.h"
#include "stream/CInStream.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
// Decodes n bytes, in slices of `slice` bytes when given (frames then run across slices).
QByteArray Unpack(const QString& path, unsigned long n, long long skip = 0, unsigned long slice = 0)
{
    CInStream stream(path, true);
    stream.SkipBytes(skip);
    CByteUnpackStream unpacker(stream);
    QByteArray out(qsizetype(n), '\0');
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    if (slice == 0)
        slice = n;
    for (unsigned long done = 0; done < n; done += slice)
        unpacker.Read(dst + done, std::min(slice, n - done), done + slice >= n);
    return out;
}
} // namespace

TEST(CByteUnpackStream, LiteralAndRepeatFrames)
{
    Sandbox box;
    const QString path = box.write("f", QByteArray::fromHex("02616263fe78"));
    EXPECT_EQ(Unpack(path, 6).toHex(), "616263787878");
    EXPECT_THROW(Unpack(path, 5), int);
    // Cut inside both frames, the rest of each comes with the next slice.
    EXPECT_EQ(Unpack(path, 6, 0, 2).toHex(), "616263787878");
    EXPECT_THROW(Unpack(path, 5, 0, 2), int);
}

TEST(CByteUnpackStream, NoOpHeaderConsumesTwoBytes)
{
    Sandbox box;
    const QString path = box.write("f", QByteArray::fromHex("80ff0041"));
    CInStream stream(path, true);
    CByteUnpackStream unpacker(stream);
    unsigned char out[1];
    unpacker.Read(out, 1);
    EXPECT_EQ(out[0], 0x41);
    EXPECT_EQ(stream.GetPosition(), 4);
}

TEST(CByteUnpackStream, TruncatedDataFails)
{
    Sandbox box;
    const QString path = box.write("f", QByteArray::fromHex("0561"));
    EXPECT_THROW(Unpack(path, 6), int);
}

// The fast path decodes from buffered memory, the slow one frame by frame near a refill; both
// must agree wherever the data sits relative to the 256 KiB buffer.
TEST(CByteUnpackStream, DataAcrossBufferRefillsDecodesLikeDataInsideOne)
{
    QRandomGenerator rng(7);
    QByteArray raw;
    while (raw.size() < 900000) {
        const int len = int(rng.bounded(1, 300));
        if (rng.bounded(2))
            raw.append(QByteArray(len, char(rng.bounded(256))));
        else
            for (int i = 0; i < len; ++i)
                raw.append(char(rng.bounded(256)));
    }
    const QByteArray packed = PackBits(raw);
    Sandbox box;
    for (long long offset : {0ll, 1ll, 129ll, 255ll, 262143ll - 200, 262143ll}) {
        const QString path = box.write("f", QByteArray(offset, '\x7f') + packed);
        EXPECT_EQ(Unpack(path, unsigned(raw.size()), offset), raw) << "offset " << offset;
        EXPECT_EQ(Unpack(path, unsigned(raw.size()), offset, 64 * 333 + 7), raw)
            << "offset " << offset << ", in slices";
    }
}
