#include "abr/CABRreader.h"
#include "brush/SampledBrush.h"
#include "stream/CReadOnlyFile.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <boost/thread/thread.hpp>
#include <climits>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
struct V12Outcome
{
    QStringList events; // "AddBrush" / "FinishedReadingFile" in arrival order
    std::vector<BrushPtr> brushes;
    std::optional<int> error;
    bool badAlloc = false;
    bool interrupted = false;
    ReadOutcome outcome;
};

// Records what the reader hands on; with stopAfter set, asks the reading thread to stop right
// after that many brushes.
class RecordingSink : public CBrushSink
{
public:
    RecordingSink(V12Outcome& out, int stopAfter = 0, boost::thread* self = nullptr)
        : mOut(out), mStopAfter(stopAfter), mSelf(self)
    {}
    void AddBrush(const BrushPtr& brush) override
    {
        mOut.events << QStringLiteral("AddBrush");
        mOut.brushes.push_back(brush);
        if (mSelf && int(mOut.brushes.size()) == mStopAfter)
            mSelf->interrupt();
    }
    void FinishedReadingFile(const ReadOutcome& outcome) override
    {
        mOut.events << QStringLiteral("FinishedReadingFile");
        mOut.outcome = outcome;
    }

private:
    V12Outcome& mOut;
    int mStopAfter;
    boost::thread* mSelf;
};

V12Outcome ReadNow(const QString& path)
{
    V12Outcome outcome;
    try {
        CABRreader reader(path);
        RecordingSink sink(outcome);
        reader.Read(sink);
    } catch (int code) {
        outcome.error = code;
    } catch (const std::bad_alloc&) {
        outcome.badAlloc = true;
    }
    return outcome;
}

// Reads on a worker thread that is asked to stop right after its n-th brush went out, or
// before it starts when n is 0.
V12Outcome ReadStoppingAfter(const QString& path, int n)
{
    V12Outcome outcome;
    boost::thread* self = nullptr;
    boost::mutex started;
    {
        boost::unique_lock<boost::mutex> lock(started);
        boost::thread worker([&] {
            {
                boost::unique_lock<boost::mutex> wait(started);
            }
            try {
                CABRreader reader(path);
                RecordingSink sink(outcome, n, self);
                reader.Read(sink);
            } catch (const boost::thread_interrupted&) {
                outcome.interrupted = true;
            } catch (int code) {
                outcome.error = code;
            }
        });
        self = &worker;
        if (n == 0)
            worker.interrupt();
        lock.unlock();
        worker.join();
    }
    return outcome;
}

QByteArray V12Header(uint16_t version, uint16_t count)
{
    return AbrWriter().u16(version).u16(count).data();
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

class UnreadVersion : public testing::TestWithParam<int>
{
};

TEST_P(UnreadVersion, PostsOnlyTheEndNoticeNamingTheVersion)
{
    Sandbox box;
    const V12Outcome r =
        ReadNow(box.write("v.abr", V12Header(uint16_t(GetParam()), 3) + QByteArray(40, 1)));
    EXPECT_FALSE(r.error);
    EXPECT_EQ(r.events, QStringList{"FinishedReadingFile"});
    EXPECT_EQ(r.outcome.unsupportedVersion, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Versions, UnreadVersion, testing::Values(0, 3, 4, 5, 11, 0xFFFF));

TEST(CABRreader, VersionOneWithoutBrushesPostsOnlyTheEndNotice)
{
    Sandbox box;
    const V12Outcome r = ReadNow(box.write("v.abr", V12Header(1, 0)));
    EXPECT_EQ(r.events, QStringList{"FinishedReadingFile"});
    EXPECT_FALSE(r.outcome.unsupportedVersion || r.outcome.failed());
}

TEST(CABRreader, NamesComeOnlyWithVersionTwo)
{
    Sandbox box;
    AbrWriter v1, v2, unterminated;
    v1.u16(1).u16(1).computedRecord(false, {}, 20, 100, 0, 100);
    v2.u16(2).u16(1).computedRecord(true, QStringLiteral("Soft"), 20, 100, 0, 100);
    unterminated.u16(2).u16(1).u16(1).u32(2 + 4 + 4 + 6 + 8).u32(0).u16(0);
    unterminated.name(QStringLiteral("Hard"), false).u16(20).u16(100).u16(0).u16(100);
    // FF 4C is -180 degrees; read unsigned it would be out of range and leave no image.
    AbrWriter angle;
    angle.u16(1).u16(1).computedRecord(false, {}, 100, 50, int16_t(0xFF4C), 100);

    const V12Outcome r1 = ReadNow(box.write("1.abr", v1.data()));
    const V12Outcome r2 = ReadNow(box.write("2.abr", v2.data()));
    const V12Outcome r3 = ReadNow(box.write("3.abr", unterminated.data()));
    ASSERT_EQ(r1.brushes.size(), 1u);
    ASSERT_EQ(r2.brushes.size(), 1u);
    ASSERT_EQ(r3.brushes.size(), 1u);
    EXPECT_FALSE(r1.brushes[0]->name().has_value());
    EXPECT_EQ(r2.brushes[0]->name(), QStringLiteral("Soft"));
    EXPECT_EQ(r3.brushes[0]->name(), QStringLiteral("Hard"));
    EXPECT_EQ(r1.brushes[0]->size(), QSizeF(20, 20));
    const V12Outcome r4 = ReadNow(box.write("4.abr", angle.data()));
    ASSERT_EQ(r4.brushes.size(), 1u);
    EXPECT_EQ(r4.brushes[0]->size(), QSizeF(100, 50));
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
    const V12Outcome r = ReadNow(box.write("s.abr", w.data()));
    ASSERT_FALSE(r.error);
    ASSERT_EQ(r.brushes.size(), 2u);
    for (const BrushPtr& b : r.brushes) {
        const auto* s = dynamic_cast<const SampledBrush*>(b.get());
        ASSERT_TRUE(s);
        EXPECT_EQ(s->size(), QSizeF(12, 5));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(s->pixels().data()),
                             qsizetype(s->pixels().size())),
                  pixels);
    }
}

struct DamagedCase
{
    const char* what;
    std::function<QByteArray()> bytes;
    int postedBefore;
    int code;
};

class DamagedFile : public testing::TestWithParam<DamagedCase>
{
};

TEST_P(DamagedFile, KeepsWhatWasReadAndStillEnds)
{
    Sandbox box;
    const V12Outcome r = ReadNow(box.write("d.abr", GetParam().bytes()));
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(*r.error, GetParam().code);
    EXPECT_EQ(int(r.brushes.size()), GetParam().postedBefore);
    ASSERT_FALSE(r.events.isEmpty());
    EXPECT_EQ(r.events.back(), "FinishedReadingFile");
    EXPECT_EQ(r.events.count("FinishedReadingFile"), 1);
    EXPECT_EQ(r.outcome.error, GetParam().code);
}

namespace {
AbrWriter OneGoodBrush(uint16_t count)
{
    AbrWriter w;
    w.u16(2).u16(count).computedRecord(true, QStringLiteral("ok"), 10, 100, 0, 100);
    return w;
}

QByteArray SampledHeader(int32_t top, int32_t left, int32_t bottom, int32_t right, uint16_t depth,
                         uint8_t compression)
{
    AbrWriter w = OneGoodBrush(2);
    w.u16(2).u32(1000).u32(0).u16(0).name("x").u8(0).zeros(8);
    w.u32(uint32_t(top)).u32(uint32_t(left)).u32(uint32_t(bottom)).u32(uint32_t(right));
    w.u16(depth).u8(compression).zeros(900);
    return w.data();
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    testing::Values(
        DamagedCase{"record longer than the file",
                    [] { return OneGoodBrush(2).u16(1).u32(1000).zeros(10).data(); }, 1, -1},
        DamagedCase{"truncated pixel data",
                    [] {
                        AbrWriter w = OneGoodBrush(2);
                        w.sampledRecord(true, "t", 0, 0, 100, 100, 8, false, QByteArray(10000, 1));
                        return w.data().left(w.data().size() - 100);
                    },
                    1, -1},
        DamagedCase{"run-length frame overflowing the sample",
                    [] {
                        AbrWriter w = OneGoodBrush(2);
                        w.sampledRecord(true, "o", 0, 0, 1, 4, 8, true,
                                        QByteArray::fromHex("7f") + QByteArray(200, 1));
                        return w.data();
                    },
                    1, -1},
        DamagedCase{"negative width", [] { return SampledHeader(0, 10, 10, 0, 8, 0); }, 1, -1},
        DamagedCase{"depth other than 8", [] { return SampledHeader(0, 0, 10, 10, 16, 0); }, 1, -1},
        DamagedCase{"byte count beyond 32 bits",
                    [] { return SampledHeader(0, 0, 0x10000, 0x10000, 8, 0); }, 1, -1},
        // Extents whose product overflows, and blocks of 2 to 4 GiB the stream cannot fill.
        DamagedCase{"extremes of int as bounds",
                    [] { return SampledHeader(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 8, 1); },
                    1, -1},
        DamagedCase{"three gibibytes run-length",
                    [] { return SampledHeader(0, 0, 0xC000, 0x10000, 8, 1); }, 1, -1},
        DamagedCase{"raw sample larger than the file",
                    [] { return SampledHeader(0, 0, 100, 100, 8, 0); }, 1, -1},
        DamagedCase{"run-length sample larger than the file could fill",
                    [] { return SampledHeader(0, 0, 2000, 2000, 8, 1); }, 1, -1},
        DamagedCase{
            "name count beyond the file",
            [] { return OneGoodBrush(2).u16(1).u32(20).u32(0).u16(0).u32(0x7FFFFFF0).data(); }, 1,
            -1},
        DamagedCase{"truncated header", [] { return QByteArray::fromHex("0002"); }, 0, -1}),
    [](const testing::TestParamInfo<DamagedCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(CABRreader, HugeNameCountIsAnAllocationFailure)
{
    Sandbox box;
    AbrWriter w = OneGoodBrush(2);
    w.u16(1).u32(20).u32(0).u16(0).u32(0x80000000u).zeros(16);
    const V12Outcome r = ReadNow(box.write("n.abr", w.data()));
    EXPECT_TRUE(r.badAlloc);
    EXPECT_TRUE(r.outcome.outOfMemory);
    EXPECT_EQ(r.events.count("FinishedReadingFile"), 1);
}

TEST(CABRreader, StopDuringASecondBrushPostsOneBrushThenTheEnd)
{
    Sandbox box;
    const V12Outcome r = ReadStoppingAfter(box.write("5.abr", FiveComputed(2)), 1);
    EXPECT_TRUE(r.interrupted);
    EXPECT_EQ(r.events, (QStringList{"AddBrush", "FinishedReadingFile"}));
}

// Noticed inside a sample of more than 64 rows, before it is handed on.
TEST(CABRreader, StopBeforeTheFirstBrushEndsTheReadInsideIt)
{
    AbrWriter w;
    w.u16(2).u16(2).sampledRecord(true, "tall", 0, 0, 200, 1, 8, false, QByteArray(200, 1));
    w.computedRecord(true, QStringLiteral("b"), 10, 100, 0, 100);
    Sandbox box;
    const V12Outcome r = ReadStoppingAfter(box.write("t.abr", w.data()), 0);
    EXPECT_TRUE(r.interrupted);
    EXPECT_EQ(r.events, QStringList{"FinishedReadingFile"});
}

TEST(CABRreader, StopAfterTheLastBrushSkipsTheEndNotice)
{
    Sandbox box;
    const V12Outcome r = ReadStoppingAfter(box.write("5.abr", FiveComputed(1)), 5);
    EXPECT_TRUE(r.interrupted);
    EXPECT_EQ(r.events, QStringList(5, "AddBrush"));
}

TEST(CABRreader, OnlyRegularFilesOpen)
{
    EXPECT_THROW(CABRreader(QStringLiteral("/nonexistent/x.abr")), int);
    // A FIFO would block the open, and then the read, until someone wrote to it.
    Sandbox box;
    const QString fifo = box.path("f.abr");
    ASSERT_EQ(mkfifo(fifo.toUtf8().constData(), 0600), 0);
    try {
        CABRreader reader(fifo);
        ADD_FAILURE() << "a FIFO opened";
    } catch (int code) {
        EXPECT_EQ(code, CReadOnlyFile::kNotRegularFileError);
    }
}
