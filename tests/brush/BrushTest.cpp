#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"

#include <array>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

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

// Tips are drawn in bands of rows so that a cancel is noticed within one; the bands must not
// show. Soft tips come out exactly as one drawing of the whole; the opaque square of a rotated
// hard tip may differ by a grey level or two where its edge meets the disc.
TEST(ComputedBrush, DrawingInBandsGivesThePixelsOfOneDrawing)
{
    const double cases[][4] = {{100, 100, 0, 0}, {90, 30, 33, 50}, {120, 60, -70, 100}};
    for (const auto& c : cases) {
        const ComputedBrush tip(std::nullopt, c[0], c[1], c[2], c[3]);
        const QImage banded = tip.drawImage(1.0, 7), whole = tip.drawImage(1.0, 1 << 20);
        ASSERT_EQ(banded.size(), whole.size());
        int worst = 0, differing = 0;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x) {
                const int d = std::abs(GreyAt(banded, x, y) - GreyAt(whole, x, y));
                worst = std::max(worst, d);
                differing += d > 0;
            }
        EXPECT_LE(worst, c[3] < 100 ? 0 : 2) << c[0] << ' ' << c[2];
        EXPECT_LE(differing, whole.width() / 4) << c[0] << ' ' << c[2];
    }
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
