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

TEST(CByteUnpackStream, FramesAndTheirEdges)
{
    Sandbox box;
    const QString path = box.write("f", QByteArray::fromHex("02616263fe78"));
    EXPECT_EQ(Unpack(path, 6).toHex(), "616263787878");
    EXPECT_THROW(Unpack(path, 5), int);
    // Cut inside both frames, the rest of each comes with the next slice.
    EXPECT_EQ(Unpack(path, 6, 0, 2).toHex(), "616263787878");
    EXPECT_THROW(Unpack(path, 5, 0, 2), int);
    // A no-op header (0x80) takes the byte after it along; a literal frame cut short by the end of
    // the file fails.
    EXPECT_EQ(Unpack(box.write("n", QByteArray::fromHex("80ff0041")), 1).toHex(), "41");
    EXPECT_THROW(Unpack(box.write("t", QByteArray::fromHex("0561")), 6), int);
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
