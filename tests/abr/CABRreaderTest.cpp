#include "abr/ReadAbr.h"
#include "brush/SampledBrush.h"
#include "stream/CReadOnlyFile.h"

#include "support/AbrWriter.h"

#include <climits>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
// Reads on a worker thread that is asked to stop right after its n-th brush went out, or
// before it starts when n is 0.
ReadResult ReadStoppingAfter(const QString& path, size_t n)
{
    ReadResult result;
    boost::thread* self = nullptr;
    boost::mutex started;
    boost::unique_lock<boost::mutex> lock(started);
    boost::thread worker([&] {
        boost::unique_lock<boost::mutex>{started};
        result = ReadAbr(path, [&](size_t count) {
            if (count == n)
                self->interrupt();
        });
    });
    self = &worker;
    if (n == 0)
        worker.interrupt();
    lock.unlock();
    worker.join();
    return result;
}

QByteArray FiveComputed(uint16_t version)
{
    AbrWriter w;
    w.u16(version).u16(5);
    for (int i = 0; i < 5; ++i)
        w.computedRecord(version == 2, QStringLiteral("b%1").arg(i), 10, 100, 0, 100);
    return w.data();
}
} // namespace

// Version 1 without brushes is read and empty; versions not read say which they were.
TEST(CABRreader, UnreadVersionsPostOnlyTheEndNoticeNamingTheVersion)
{
    Sandbox box;
    for (int version : {0, 1, 3, 5, 11}) {
        SCOPED_TRACE(version);
        const ReadResult r = ReadAbr(box.write(
            "v.abr",
            AbrWriter().u16(uint16_t(version)).u16(0).zeros(version == 1 ? 0 : 40).data()));
        EXPECT_FALSE(r.error);
        EXPECT_TRUE(r.brushes.empty());
        EXPECT_EQ(r.finished, 1);
        EXPECT_EQ(r.outcome.unsupportedVersion.value_or(1), version);
    }
}

// Names come only with version 2, terminated or not; angles are signed.
TEST(CABRreader, ComputedTipsOfVersionsOneAndTwo)
{
    Sandbox box;
    AbrWriter v1, v2, unterminated, angle;
    v1.u16(1).u16(1).computedRecord(false, {}, 20, 100, 0, 100);
    v2.u16(2).u16(1).computedRecord(true, QStringLiteral("Soft"), 20, 100, 0, 100);
    unterminated.u16(2).u16(1).u16(1).u32(2 + 4 + 4 + 6 + 8).u32(0).u16(0);
    unterminated.name(QStringLiteral("Hard"), false).u16(20).u16(100).u16(0).u16(100);
    // FF 4C is -180 degrees; read unsigned it would be out of range and leave no image.
    angle.u16(1).u16(1).computedRecord(false, {}, 100, 50, int16_t(0xFF4C), 100);
    std::vector<BrushPtr> b;
    for (const AbrWriter* w : {&v1, &v2, &unterminated, &angle}) {
        const ReadResult r = ReadAbr(box.write("c.abr", w->data()));
        ASSERT_EQ(r.brushes.size(), 1u);
        b.push_back(r.brushes[0]);
    }
    EXPECT_FALSE(b[0]->name().has_value());
    EXPECT_EQ(b[1]->name(), QStringLiteral("Soft"));
    EXPECT_EQ(b[2]->name(), QStringLiteral("Hard"));
    EXPECT_EQ(b[0]->size(), QSizeF(20, 20));
    EXPECT_EQ(b[3]->size(), QSizeF(100, 50));
}

// Raw and run-length samples; a record of a kind not known in between is stepped over.
TEST(CABRreader, SampledBrushesRawAndRunLength)
{
    QByteArray pixels;
    for (int i = 0; i < 12 * 5; ++i)
        pixels.append(char(i < 30 ? 0x40 : i));
    AbrWriter w;
    w.u16(2).u16(3);
    w.sampledRecord(true, QStringLiteral("raw"), 10, 20, 15, 32, 8, false, pixels);
    w.u16(7).u32(5).bytes(QByteArray("zzzzz"));
    w.sampledRecord(true, QStringLiteral("rle"), 0, 0, 5, 12, 8, true, PackBits(pixels));
    Sandbox box;
    const ReadResult r = ReadAbr(box.write("s.abr", w.data()));
    ASSERT_FALSE(r.error);
    ASSERT_EQ(r.brushes.size(), 2u);
    for (const BrushPtr& b : r.brushes) {
        const auto& s = dynamic_cast<const SampledBrush&>(*b);
        EXPECT_EQ(s.size(), QSizeF(12, 5));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(s.pixels().data()),
                             qsizetype(s.pixels().size())),
                  pixels);
    }
}

namespace {
AbrWriter OneGoodBrush()
{
    AbrWriter w;
    w.u16(2).u16(2).computedRecord(true, QStringLiteral("ok"), 10, 100, 0, 100);
    return w;
}

QByteArray SampledHeader(int32_t top, int32_t left, int32_t bottom, int32_t right, uint16_t depth,
                         uint8_t compression)
{
    AbrWriter w = OneGoodBrush();
    w.u16(2).u32(1000).u32(0).u16(0).name("x").u8(0).zeros(8);
    w.u32(uint32_t(top)).u32(uint32_t(left)).u32(uint32_t(bottom)).u32(uint32_t(right));
    w.u16(depth).u8(compression).zeros(900);
    return w.data();
}

AbrWriter NameCount(uint32_t count)
{
    return OneGoodBrush().u16(1).u32(20).u32(0).u16(0).u32(count).zeros(16);
}
} // namespace

// A damaged record keeps the brush before it, and the read still ends with one notice; sizes no
// file could fill fail before anything is allocated.
TEST(CABRreader, DamagedFilesKeepWhatWasReadAndStillEnd)
{
    AbrWriter truncated = OneGoodBrush();
    truncated.sampledRecord(true, "t", 0, 0, 100, 100, 8, false, QByteArray(10000, 1));
    const std::pair<const char*, QByteArray> cases[] = {
        {"record longer than the file", OneGoodBrush().u16(1).u32(1000).zeros(10).data()},
        {"truncated pixel data", truncated.data().chopped(100)},
        {"run-length frame overflowing the sample",
         OneGoodBrush()
             .sampledRecord(true, "o", 0, 0, 1, 4, 8, true,
                            QByteArray::fromHex("7f") + QByteArray(200, 1))
             .data()},
        {"negative width", SampledHeader(0, 10, 10, 0, 8, 0)},
        {"depth other than 8", SampledHeader(0, 0, 10, 10, 16, 0)},
        {"four gibibytes raw", SampledHeader(0, 0, 0x10000, 0x10000, 8, 0)},
        {"three gibibytes run-length", SampledHeader(0, 0, 0xC000, 0x10000, 8, 1)},
        {"extremes of int as bounds",
         SampledHeader(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 8, 1)},
        {"name count beyond the file", NameCount(0x7FFFFFF0).data()},
    };
    Sandbox box;
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        const ReadResult r = ReadAbr(box.write("d.abr", bytes));
        EXPECT_EQ(r.error, -1);
        EXPECT_EQ(r.brushes.size(), 1u);
        EXPECT_EQ(r.finished, 1);
        EXPECT_EQ(r.outcome.error, -1);
    }
    const ReadResult header = ReadAbr(box.write("h.abr", QByteArray::fromHex("0002")));
    EXPECT_EQ(header.error, -1);
    EXPECT_EQ(header.finished, 1);

    const ReadResult r = ReadAbr(box.write("n.abr", NameCount(0x80000000u).data()));
    EXPECT_TRUE(r.badAlloc);
    EXPECT_TRUE(r.outcome.outOfMemory);
    EXPECT_EQ(r.finished, 1);
}

// A stop is noticed between brushes and inside a sample of more than 64 rows; the end notice
// comes unless every brush was already out.
TEST(CABRreader, StopsAtEachCancellationPoint)
{
    Sandbox box;
    ReadResult r = ReadStoppingAfter(box.write("5.abr", FiveComputed(2)), 1);
    EXPECT_TRUE(r.interrupted);
    EXPECT_EQ(r.brushes.size(), 1u);
    EXPECT_EQ(r.finished, 1);
    EXPECT_FALSE(r.brushAfterFinish);

    AbrWriter w;
    w.u16(2).u16(2).sampledRecord(true, "tall", 0, 0, 200, 1, 8, false, QByteArray(200, 1));
    w.computedRecord(true, QStringLiteral("b"), 10, 100, 0, 100);
    r = ReadStoppingAfter(box.write("t.abr", w.data()), 0);
    EXPECT_TRUE(r.interrupted);
    EXPECT_TRUE(r.brushes.empty());
    EXPECT_EQ(r.finished, 1);

    r = ReadStoppingAfter(box.write("1.abr", FiveComputed(1)), 5);
    EXPECT_TRUE(r.interrupted);
    EXPECT_EQ(r.brushes.size(), 5u);
    EXPECT_EQ(r.finished, 0);
}

TEST(CABRreader, OnlyRegularFilesOpen)
{
    EXPECT_THROW(CABRreader(QStringLiteral("/nonexistent/x.abr")), int);
    // A FIFO would block the open, and then the read, until someone wrote to it.
    Sandbox box;
    const QString fifo = box.path("f.abr");
    ASSERT_EQ(mkfifo(fifo.toUtf8().constData(), 0600), 0);
    EXPECT_EQ(ReadAbr(fifo).error, CReadOnlyFile::kNotRegularFileError);
}
