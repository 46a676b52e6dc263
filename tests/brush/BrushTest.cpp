#include "brush/ComputedBrush.h"
#include "brush/Pattern.h"
#include "brush/SafeFileName.h"
#include "brush/SampledBrush.h"
#include "platform/NativePath.h"
#include "platform/ThreadSanitizerHandOff.h"

#include <QCoreApplication>
#include <QImage>
#include <QThreadPool>
#include <array>
#include <atomic>
#include <boost/thread/thread.hpp>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
int GreyAt(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

double InkAt(const QImage& image, int x, int y)
{
    return 1.0 - GreyAt(image, x, y) / 255.0;
}

template <typename T> PixelBlock BlockOf(std::initializer_list<T> values)
{
    PixelBlock block(values.size() * sizeof(T));
    std::memcpy(block.data(), std::data(values), block.size());
    return block;
}
} // namespace

TEST(SampledBrush, InkShowsDarkOnWhiteAtEveryDepth)
{
    SampledBrush b8(std::nullopt, 2, 1, 8, BlockOf<quint8>({0, 255}));
    SampledBrush b16(std::nullopt, 2, 1, 16, BlockOf<quint16>({0, 65535}));
    SampledBrush b32(std::nullopt, 3, 1, 32, BlockOf<float>({0.0f, 1.0f, 0.5f}));
    for (const SampledBrush* b : {&b8, &b16, &b32}) {
        EXPECT_EQ(GreyAt(b->image(), 0, 0), 255) << b->depth();
        EXPECT_EQ(GreyAt(b->image(), 1, 0), 0) << b->depth();
    }
    EXPECT_NEAR(GreyAt(b32.image(), 2, 0), 128, 1);
    // 8-bit samples are shown without a copy.
    EXPECT_EQ(b8.image().constBits(), b8.pixels().data());
}

// Worked values of the ellipse bounds; out of range, no image at all.
TEST(ComputedBrush, SizeMatchesTheEllipseBounds)
{
    const std::pair<std::array<double, 4>, QSizeF> cases[] = {
        // diameter, roundness, angle, hardness
        {{100, 100, 0, 100}, {100, 100}}, {{100, 50, 0, 100}, {100, 50}},
        {{100, 50, 90, 100}, {50, 100}},  {{100, 50, 45, 100}, {80, 80}},
        {{10, 5, 0, 100}, {10, 1}},       {{100, 100, 0, 0}, {160, 160}},
        {{100, 100, 0, 50}, {130, 130}},  {{100, 100, -720, 100}, {100, 100}},
        {{100, 101, 0, 100}, {0, 0}},     {{100, 100, 0, -1}, {0, 0}},
        {{100, 100, 361, 100}, {0, 0}},   {{0, 100, 0, 100}, {0, 0}}};
    for (const auto& [c, size] : cases)
        EXPECT_EQ(ComputedBrush(std::nullopt, c[0], c[1], c[2], c[3]).size(), size)
            << c[0] << ' ' << c[1] << ' ' << c[2] << ' ' << c[3];
}

// A hard tip is a black disc on white; a flat one turned 45 degrees counter-clockwise runs
// from lower left to upper right on screen.
TEST(ComputedBrush, HardTipsAreBlackOnWhiteAndTurnCounterClockwise)
{
    const QImage disc = ComputedBrush(std::nullopt, 100, 100, 0, 100).image();
    EXPECT_EQ(GreyAt(disc, 50, 50), 0);
    EXPECT_EQ(GreyAt(disc, 2, 2), 255); // corner, outside the disc
    EXPECT_EQ(GreyAt(disc, 50, 2), 0);  // just inside the top edge
    EXPECT_EQ(GreyAt(disc, 99, 99), 255);
    const QImage flat = ComputedBrush(std::nullopt, 100, 20, 45, 100).image();
    const int w = flat.width(), h = flat.height();
    EXPECT_LT(GreyAt(flat, w * 3 / 4, h / 4), 128);
    EXPECT_GT(GreyAt(flat, w / 4, h / 4), 200);
}

// D = 100, hardness 0: a 160 x 160 image, R = 80; half ink at t = 0.34375, i.e.
// d = 0.34375 * 81 - 1 = 26.84 pixels from the centre, none at 80. Hardness 50: k = 1.3, so
// R = 65; solid to t = 0.64 / 1.3, half ink at t = 0.675.
TEST(ComputedBrush, SoftTipsFallToHalfInkWhereTheProfileSays)
{
    const QImage soft = ComputedBrush(std::nullopt, 100, 100, 0, 0).image();
    ASSERT_EQ(soft.size(), QSize(160, 160));
    EXPECT_GT(InkAt(soft, 80, 80), 0.95);
    EXPECT_NEAR(InkAt(soft, 80 + 27, 80), 0.5, 0.03);
    EXPECT_NEAR(InkAt(soft, 80, 80 - 27), 0.5, 0.03);
    EXPECT_LT(InkAt(soft, 80 + 79, 80), 0.02);
    EXPECT_EQ(GreyAt(soft, 0, 0), 255);

    const QImage half = ComputedBrush(std::nullopt, 100, 100, 0, 50).image();
    const double R = 65;
    EXPECT_GT(InkAt(half, 65 + int((0.64 / 1.3) * (R + 1) - 1) - 2, 65), 0.97);
    EXPECT_NEAR(InkAt(half, 65 + int(std::lround(0.675 * (R + 1) - 1)), 65), 0.5, 0.04);
}

// Checksums of tips as Qt 6.4's painter draws them in one piece. Drawing on demand, off the
// caller's thread or in parts must not change a pixel: rotated edges are where it would show.
TEST(ComputedBrush, TipsKeepTheirPixelsWhereverTheyAreDrawn)
{
    const struct
    {
        double diameter, roundness, angle, hardness;
        QSize size;
        quint64 fnv1a;
    } cases[] = {
        {90, 30, 33, 50, {100, 71}, 0x40ca46c04981a5a1ULL},
        {120, 60, -70, 100, {80, 116}, 0x224b5df9f0493c0cULL},
        {250, 100, 30, 100, {250, 250}, 0xd8c6d011e54f5ae0ULL},
        {1001, 50, 30, 0, {1444, 1060}, 0xea0c5a03725825f3ULL}, // large: drawn off the thread
        {1001, 100, 45, 100, {1001, 1001}, 0x64b73aa477c07e7aULL},
    };
    for (const auto& c : cases) {
        const QImage image =
            ComputedBrush(std::nullopt, c.diameter, c.roundness, c.angle, c.hardness).image();
        ASSERT_EQ(image.size(), c.size) << c.diameter;
        quint64 hash = 1469598103934665603ULL;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                hash = (hash ^ image.constScanLine(y)[x]) * 1099511628211ULL;
        EXPECT_EQ(hash, c.fnv1a) << c.diameter << ' ' << c.angle;
    }
}

// A caller interrupted while a large tip is drawn leaves at once and gets no image; the drawing
// it leaves behind does not hold up the next.
TEST(ComputedBrush, AnInterruptedDrawingLeavesWithoutAnImage)
{
    const ComputedBrush tip(std::nullopt, 3000, 50, 30, 0);
    for (int i = 0; i < 4; ++i) {
        bool interrupted = false;
        QImage drawn;
        boost::thread caller([&] {
            while (!boost::this_thread::interruption_requested())
                boost::this_thread::yield();
            try {
                drawn = tip.drawImage(1.0);
            } catch (const boost::thread_interrupted&) {
                interrupted = true;
            }
        });
        caller.interrupt();
        caller.join();
        EXPECT_TRUE(interrupted);
        EXPECT_TRUE(drawn.isNull());
    }
    EXPECT_EQ(tip.drawImage(0.5).size(), QSize(2164, 1588));
    EXPECT_EQ(tip.drawnSize(0.5), QSize(2164, 1588)); // known without drawing
}

// Large tips asked for by more tasks of Qt's global pool than it has threads, as the viewer asks
// while it is resized: the painter shares large fills out to that same pool, so a task that
// waited for a drawing elsewhere would hold a thread the drawing needs. Every one ends.
TEST(ComputedBrush, LargeDrawingsAskedFromQtsPoolAllEnd)
{
    const auto tip = std::make_shared<ComputedBrush>(std::nullopt, 2000, 50, 30, 0);
    QThreadPool* pool = QThreadPool::globalInstance();
    std::atomic<int> drawn{0};
    static const int handOff = 0;
    for (int i = 0; i < pool->maxThreadCount() + 2; ++i) {
        std::function<void()> task = [tip, &drawn] {
            ThreadSanitizerTakeOver(&handOff);
            if (!tip->drawImage(1.0).isNull())
                ++drawn;
        };
        ThreadSanitizerHandOff(&handOff);
        pool->start(std::move(task));
    }
    // A bound, not a measure: the tasks take a second or two at most.
    ASSERT_TRUE(pool->waitForDone(30000)) << "the drawings never ended";
    EXPECT_EQ(drawn.load(), pool->maxThreadCount() + 2);
}

// This test program, run again, starts large drawings for interrupted callers (as the reading
// thread leaves them) and for tasks of Qt's global pool (as the viewer draws) and leaves main at
// once. It must end at once and cleanly: nothing still drawing may outlive the statics it uses.
TEST(ComputedBrush, AProgramThatQuitsWhileDrawingEndsCleanly)
{
    if (qEnvironmentVariableIsSet("KELBRIN_QUIT_WHILE_DRAWING")) {
        const auto tip = std::make_shared<ComputedBrush>(std::nullopt, 3000, 50, 30, 0);
        for (int i = 0; i < 3; ++i) {
            boost::thread caller([tip] {
                try {
                    tip->drawImage(1.0);
                } catch (const boost::thread_interrupted&) {
                }
            });
            caller.interrupt();
            caller.join();
        }
        // The pool hands tasks over under a lock the sanitizer cannot see.
        static const int handOff = 0;
        for (int i = 0; i < 16; ++i) {
            std::function<void()> task = [tip] {
                ThreadSanitizerTakeOver(&handOff);
                tip->drawImage(1.0);
            };
            ThreadSanitizerHandOff(&handOff);
            QThreadPool::globalInstance()->start(std::move(task));
        }
        return;
    }
    // posix_spawn rather than QProcess's fork: ThreadSanitizer takes a fork of this threaded
    // program for its own and would stop it at its next thread.
    const QByteArray self = QCoreApplication::applicationFilePath().toLocal8Bit();
    const QByteArray filter =
        "--gtest_filter=ComputedBrush.AProgramThatQuitsWhileDrawingEndsCleanly";
    char* const arguments[] = {const_cast<char*>(self.constData()),
                               const_cast<char*>(filter.constData()), nullptr};
    ASSERT_EQ(setenv("KELBRIN_QUIT_WHILE_DRAWING", "1", 1), 0);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.constData(), &quiet, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&quiet);
    unsetenv("KELBRIN_QUIT_WHILE_DRAWING");
    ASSERT_EQ(spawned, 0);
    // A bound, not a measure: a program that hangs at exit would wait forever.
    int status = 0;
    pid_t ended = 0;
    for (int waited = 0; waited < 3000 && ended == 0; ++waited) {
        ended = waitpid(child, &status, WNOHANG);
        if (ended == 0)
            usleep(10000);
    }
    if (ended != child) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        FAIL() << "the program was still running half a minute after it left main";
    }
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(ComputedBrush, SizeIsKnownWithoutDrawingAndHugeTipsAreScaled)
{
    const size_t cachedBefore = ComputedBrush::cachedBytes();
    // A 6,000-pixel soft tip needs a 9,600-pixel square: drawn as asked (not drawn here).
    const ComputedBrush big(std::nullopt, 6000, 100, 0, 0);
    EXPECT_EQ(big.pixelSize(), QSize(9600, 9600));
    EXPECT_FALSE(big.scaledFrom());
    EXPECT_EQ(ComputedBrush::cachedBytes(), cachedBefore);
    // Past 16,384 a side it is drawn at the largest size that fits, and says from what.
    const ComputedBrush huge(std::nullopt, 30000, 50, 0, 0);
    EXPECT_EQ(huge.pixelSize(), QSize(16384, 8192));
    EXPECT_EQ(huge.scaledFrom(), QSizeF(48000, 24000));
    // Drawn whole, it is drawn within the budget, at the largest scale that fits.
    const double scale = huge.scaleWithin();
    EXPECT_LE(huge.drawingPixels(scale), ComputedBrush::kMaxDrawingPixels);
    EXPECT_GT(huge.drawingPixels(scale / 0.98), ComputedBrush::kMaxDrawingPixels);
    EXPECT_EQ(huge.askedSide(), 48000);
    EXPECT_EQ(big.scaleWithin(double(1 << 30)), 1.0);
    // A denormal diameter with roundness 0 would make the bounds no number at all.
    const ComputedBrush denormal(std::nullopt, 4.9e-324, 0, 0, 50);
    EXPECT_TRUE(denormal.pixelSize().isEmpty());
    EXPECT_TRUE(denormal.image().isNull());
}

TEST(ComputedBrush, FullSizeImagesAreCachedUnderABudgetAndThumbnailsDrawnSmall)
{
    const ComputedBrush a(std::nullopt, 100, 100, 0, 0);
    const ComputedBrush b(std::nullopt, 100, 100, 0, 50);
    const QImage first = a.image();
    EXPECT_EQ(a.image().cacheKey(), first.cacheKey());
    ComputedBrush::setCacheBudget(size_t(first.sizeInBytes()));
    (void)b.image(); // the least recently used goes
    EXPECT_NE(a.image().cacheKey(), first.cacheKey());
    EXPECT_LE(ComputedBrush::cachedBytes(), size_t(first.sizeInBytes()));
    ComputedBrush::setCacheBudget(size_t(256) << 20);

    EXPECT_EQ(a.thumbnail(40).size(), QSize(40, 40));
    EXPECT_EQ(a.thumbnail(400).size(), QSize(160, 160)); // never enlarged
}

TEST(SafeFileName, LeavesNoNameAFileSystemOrApplicationRefuses)
{
    EXPECT_EQ(SafeFileName(QStringLiteral(" a/b\\c:d*?\"<>|\x01.")),
              QStringLiteral("a_b_c_d_______"));
    EXPECT_EQ(SafeFileName(QStringLiteral("...")), QString());
    EXPECT_LE(SafeFileName(QString(300, QChar(0x00E9))).toUtf8().size(), 200);
    // A byte of a file name that was not UTF-8, a lone surrogate: no name keeps either.
    EXPECT_EQ(SafeFileName(PathFromNative(QByteArray("caf\xe9")) + QChar(0xDFFF)),
              QStringLiteral("caf\uFFFD\uFFFD"));
}

struct ReadableNameCase
{
    const char* what;
    QString stored;
    QString readable;
};

class ReadableNameTest : public ::testing::TestWithParam<ReadableNameCase>
{
};

// Brushes and patterns read their names alike, so every list, pack and the library agree.
TEST_P(ReadableNameTest, BrushesAndPatternsShowTheSameText)
{
    const ReadableNameCase& c = GetParam();
    EXPECT_EQ(ReadableName(c.stored), c.readable);
    EXPECT_EQ(ComputedBrush(c.stored, 10, 100, 0, 100).displayName(), c.readable);
    EXPECT_EQ(Pattern(c.stored, QString(), Pattern::Mode::Grey, 8, QImage()).displayName(),
              c.readable);
}

const QChar kZero(0);
INSTANTIATE_TEST_SUITE_P(
    Names, ReadableNameTest,
    ::testing::Values(
        ReadableNameCase{"plain", QStringLiteral("Chalk"), QStringLiteral("Chalk")},
        ReadableNameCase{"zeroTerminated", QStringLiteral("Soft Round") + kZero,
                         QStringLiteral("Soft Round")},
        ReadableNameCase{"twoZeros", QStringLiteral("Ink") + kZero + kZero, QStringLiteral("Ink")},
        ReadableNameCase{"resourceString",
                         QStringLiteral("$$$/Presets/Patterns/Gray_Granite=Gray Granite") + kZero,
                         QStringLiteral("Gray Granite")},
        // A zero inside the name is no terminator; the packs' own name rules drop it.
        ReadableNameCase{"innerZero", QStringLiteral("a") + kZero + u'b',
                         QStringLiteral("a") + kZero + u'b'},
        ReadableNameCase{"resourceWithoutText", QStringLiteral("$$$/Presets/Odd"),
                         QStringLiteral("$$$/Presets/Odd")},
        ReadableNameCase{"onlyZero", QString(kZero), QString()}),
    [](const ::testing::TestParamInfo<ReadableNameCase>& info) { return info.param.what; });
