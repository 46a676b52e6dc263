#include "stream/CByteUnpackStream.h"
#include "stream/CInStream.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
QByteArray Unpack(const QString& path, unsigned long n, long long skip = 0)
{
    CInStream stream(path, true);
    stream.SkipBytes(skip);
    CByteUnpackStream unpacker(stream);
    QByteArray out(qsizetype(n), '\0');
    unpacker.Read(reinterpret_cast<unsigned char*>(out.data()), n);
    return out;
}
} // namespace

TEST(CByteUnpackStream, LiteralAndRepeatFrames)
{
    Sandbox box;
    const QString path = box.write("f", QByteArray::fromHex("02616263fe78"));
    EXPECT_EQ(Unpack(path, 6).toHex(), "616263787878");
    EXPECT_THROW(Unpack(path, 5), int);
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
    }
}
