#include "abr/ReadAbr.h"
#include "stream/ReadErrors.h"

#include "support/AbrWriter.h"

#include <climits>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Names come only with version 2, terminated or not; angles are signed. Raw and run-length
// samples read alike, and a record of a kind not known in between is stepped over. Each record's
// spacing (0 meaning none) and a computed tip's values make its preset; read as stored tips, the
// same records carry none.
TEST(CABRreader, RecordsOfVersionsOneAndTwo)
{
    QByteArray pixels;
    for (int i = 0; i < 12 * 5; ++i)
        pixels.append(char(i < 30 ? 0x40 : i));
    AbrWriter v1, v2;
    v1.u16(1).u16(1).computedRecord(false, {}, 20, 100, 0, 100);
    v2.u16(2).u16(6).computedRecord(true, QStringLiteral("Soft"), 20, 100, 0, 100);
    v2.u16(1).u32(4 + 2 + 12 + 8).u32(0).u16(0).name(QStringLiteral("Hard"), false);
    v2.u16(20).u16(100).u16(0).u16(100);
    // FF 4C is -180 degrees; read unsigned it would be out of range and leave no image.
    v2.computedRecord(true, {}, 100, 50, int16_t(0xFF4C), 100);
    v2.sampledRecord(true, QStringLiteral("raw"), 10, 20, 15, 32, 8, false, pixels);
    v2.u16(7).u32(5).bytes(QByteArray("zzzzz"));
    v2.sampledRecord(true, QStringLiteral("rle"), 0, 0, 5, 12, 8, true, PackBits(pixels));
    Sandbox box;
    const ReadResult r1 = ReadAbr(box.write("1.abr", v1.data()));
    ASSERT_EQ(r1.brushes.size(), 1u);
    EXPECT_FALSE(r1.brushes[0]->name().has_value());
    EXPECT_EQ(r1.brushes[0]->size(), QSizeF(20, 20));
    const ReadResult r = ReadAbr(box.write("2.abr", v2.data()));
    EXPECT_FALSE(r.error);
    ASSERT_EQ(r.brushes.size(), 5u);
    EXPECT_EQ(r.brushes[0]->name(), QStringLiteral("Soft"));
    EXPECT_EQ(r.brushes[1]->name(), QStringLiteral("Hard"));
    EXPECT_EQ(r.brushes[2]->size(), QSizeF(100, 50));
    for (size_t i : {3, 4}) {
        EXPECT_EQ(r.brushes[i]->size(), QSizeF(12, 5));
        EXPECT_EQ(PixelBytes(r.brushes[i]), pixels);
    }
    const TipShape& soft = r.brushes[0]->preset()->tip;
    EXPECT_EQ(soft.spacing, 25);
    EXPECT_EQ(soft.diameter, 20);
    EXPECT_EQ(soft.hardness, 100);
    EXPECT_FALSE(r.brushes[1]->preset()->tip.spacing);
    EXPECT_EQ(r.brushes[2]->preset()->tip.angle, -180);
    EXPECT_EQ(r.brushes[2]->preset()->tip.roundness, 50);
    const TipShape& raw = r.brushes[3]->preset()->tip;
    EXPECT_EQ(raw.kind, TipKind::Sampled);
    EXPECT_EQ(raw.spacing, 25);
    EXPECT_EQ(raw.diameter, 12);
    EXPECT_EQ(r1.brushes[0]->preset()->tip.spacing, 25);
    EXPECT_FALSE(
        ReadAbr(box.path("2.abr"), {}, CABRreader::ReadAs::StoredTips).brushes[0]->preset());
}

namespace {
AbrWriter OneGoodBrush()
{
    AbrWriter w;
    w.u16(2).u16(2).computedRecord(true, QStringLiteral("ok"), 10, 100, 0, 100);
    return w;
}

// A sampled record after one good brush: its fields, then `following` zero bytes, which its
// length covers and with which the file ends.
QByteArray SampledHeader(int32_t top, int32_t left, int32_t bottom, int32_t right, uint16_t depth,
                         uint8_t compression, size_t following = 900)
{
    AbrWriter w = OneGoodBrush();
    w.u16(2);
    const size_t lengthAt = w.size();
    w.u32(0).u32(0).u16(0).name("x").u8(0).zeros(8);
    w.u32(uint32_t(top)).u32(uint32_t(left)).u32(uint32_t(bottom)).u32(uint32_t(right));
    w.u16(depth).u8(compression).zeros(following);
    w.patchU32(lengthAt, uint32_t(w.size() - lengthAt - 4));
    return w.data();
}

AbrWriter NameCount(uint32_t count)
{
    return OneGoodBrush().u16(1).u32(20).u32(0).u16(0).u32(count).zeros(16);
}
} // namespace

// A damaged record keeps the brush before it, and the read still ends with one notice.
TEST(CABRreader, DamagedFilesKeepWhatWasReadAndStillEnd)
{
    AbrWriter truncated = OneGoodBrush();
    truncated.sampledRecord(true, "t", 0, 0, 100, 100, 8, false, QByteArray(10000, 1));
    const std::pair<const char*, QByteArray> cases[] = {
        {"record longer than the file", OneGoodBrush().u16(1).u32(1000).zeros(10).data()},
        {"truncated pixel data", truncated.data().chopped(100)},
        {"negative width", SampledHeader(0, 10, 10, 0, 8, 0)},
        {"depth other than 8", SampledHeader(0, 0, 10, 10, 16, 0)},
        {"extremes of int as bounds",
         SampledHeader(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 8, 1)},
        // No pixels to fill, so only the row table itself can be found wanting.
        {"row table one byte past the end", SampledHeader(0, 0, 100, 0, 8, 1, 199)},
        {"name count beyond the file", NameCount(0x7FFFFFF0).data()},
        // A size no file can have is damage, not a shortage of memory.
        {"name count of two billion", NameCount(0x80000000u).data()},
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
}

namespace {
// The most address space this process has held, in bytes.
long long PeakAddressSpace()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmPeak:", 0) == 0)
            return std::stoll(line.substr(7)) * 1024;
    return -1;
}

// Reads in a forked child, whose peak starts at what it holds at the fork: how far the read
// raised that peak, and the error it ended with. Memory taken and given back still shows.
std::pair<long long, int> ReadInChild(const QString& path)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {-1, 0};
    const pid_t pid = fork();
    if (pid == 0) {
        const long long before = PeakAddressSpace();
        const ReadResult r = ReadAbr(path);
        const long long out[2] = {PeakAddressSpace() - before, r.error.value_or(0)};
        _exit(write(fds[1], out, sizeof out) == sizeof out ? 0 : 1);
    }
    close(fds[1]);
    long long out[2] = {-1, 0};
    if (read(fds[0], out, sizeof out) != sizeof out)
        out[0] = -1;
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    return {out[0], int(out[1])};
}
} // namespace

// Sizes no file could fill fail before anything is allocated: the read's address space grows
// far less than the half gibibyte declared, which the allocation alone would add.
TEST(CABRreader, SizesNoFileCouldFillAreNeverAllocated)
{
    const std::pair<const char*, QByteArray> cases[] = {
        {"raw", SampledHeader(0, 0, 16384, 32768, 8, 0)},
        {"run-length, whole row table", SampledHeader(0, 0, 16384, 32768, 8, 1, 2 * 16384 + 16)}};
    ASSERT_GT(PeakAddressSpace(), 0);
    Sandbox box;
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        const auto [growth, error] = ReadInChild(box.write("big.abr", bytes));
        EXPECT_EQ(error, -1);
        EXPECT_GE(growth, 0);
        EXPECT_LT(growth, 64LL << 20);
    }
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

    // One tall sample, its data a run filling the first 64 rows, an empty frame and the end of
    // the file: only the check inside the sample stops the read before the damage, and then
    // the end notice comes without an error.
    AbrWriter w;
    w.u16(1).u16(1).sampledRecord(false, {}, 0, 0, 200, 1, 8, true,
                                  QByteArray::fromHex("c1078000"));
    r = ReadStoppingAfter(box.write("t.abr", w.data()), 0);
    EXPECT_TRUE(r.interrupted);
    EXPECT_TRUE(r.brushes.empty());
    EXPECT_EQ(r.finished, 1);
    EXPECT_FALSE(r.outcome.error);

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
    EXPECT_EQ(ReadAbr(fifo).error, kNotRegularFileError);
}
