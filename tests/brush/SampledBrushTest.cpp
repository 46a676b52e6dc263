#include "brush/SampledBrush.h"
#include "brush/BrushBitmap.h"
#include "brush/ComputedBrush.h"

#include <QImage>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A sample `width` x `height` at `depth` bits whose ink at each pixel `ink(x, y)` gives, 0 to 1.
template <typename Ink>
std::shared_ptr<SampledBrush> Sample(int width, int height, int depth, Ink ink)
{
    PixelBlock block(size_t(width) * height * (depth / 8));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double v = ink(x, y);
            unsigned char* at = block.data() + (size_t(y) * width + x) * (depth / 8);
            if (depth == 8)
                *at = uchar(std::lround(v * 255));
            else if (depth == 16) {
                const quint16 s = quint16(std::lround(v * 65535));
                std::memcpy(at, &s, 2);
            } else {
                const float f = float(v);
                std::memcpy(at, &f, 4);
            }
        }
    return std::make_shared<SampledBrush>(QStringLiteral("stored"), width, height, depth,
                                          std::move(block));
}

// An "L": a bar down the left side and a foot along the bottom, so that every mirroring and
// turn of it looks different.
std::shared_ptr<SampledBrush> LetterL(int depth = 8)
{
    return Sample(40, 80, depth, [](int x, int y) { return x < 10 || y >= 70 ? 1.0 : 0.0; });
}

SampledBrush Shaped(const SampledBrush& stored, SampleShaping shaping)
{
    return SampledBrush(QStringLiteral("preset"), stored, shaping);
}

// Mean ink of a box of the image, 0 to 1, its edges given as fractions of the image.
double InkIn(const QImage& image, double left, double top, double right, double bottom)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    int n = 0;
    for (int y = int(top * grey.height()); y < int(bottom * grey.height()); ++y)
        for (int x = int(left * grey.width()); x < int(right * grey.width()); ++x, ++n)
            sum += 1 - grey.constScanLine(y)[x] / 255.0;
    return n ? sum / n : 0;
}

double MeanDifference(const QImage& a, const QImage& b)
{
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y < ga.height(); ++y)
        for (int x = 0; x < ga.width(); ++x)
            sum += std::abs(ga.constScanLine(y)[x] - gb.constScanLine(y)[x]);
    return sum / (double(ga.width()) * ga.height());
}
} // namespace

// The size of a shaped sample is known without drawing, and is the size of what is drawn, at
// every depth: longer side at the diameter, height squashed, box of the turned sample.
TEST(SampledBrush, ShapedSizesAreKnownBeforeDrawingAndMatchTheImage)
{
    const struct
    {
        SampleShaping shaping;
        QSize size;
    } cases[] = {
        {{87, 100, 0, false, false}, {32, 87}},   // 122 x 337 at 87: 87 high
        {{100, 80, -18, false, false}, {60, 88}}, // 37 x 80 turned clockwise
        {{87, 100, 90, false, false}, {87, 32}},    {{87, 100, -270, true, false}, {87, 32}},
        {{87, 100, 180, false, true}, {32, 87}},    {{0, 100, 90, false, false}, {337, 122}},
        {{87, 0, 0, false, false}, {32, 1}}, // a squashed side keeps a pixel
        {{400, 100, 45, false, false}, {386, 386}},
    };
    for (int depth : {8, 16, 32}) {
        const auto stored = Sample(122, 337, depth, [](int x, int y) { return (x + y) % 2; });
        for (const auto& c : cases) {
            const SampledBrush preset = Shaped(*stored, c.shaping);
            EXPECT_TRUE(preset.isShaped());
            EXPECT_EQ(preset.pixelSize(), c.size) << c.shaping.diameter << ' ' << c.shaping.angle;
            EXPECT_EQ(preset.image().size(), c.size) << depth << ' ' << c.shaping.angle;
        }
        // A preset that keeps the sample shows the stored image itself.
        const SampledBrush kept = Shaped(*stored, {337, 100, 0, false, false});
        EXPECT_FALSE(kept.isShaped());
        EXPECT_EQ(kept.image().cacheKey(), stored->image().cacheKey());
    }
}

// Mirrored first, then turned counter-clockwise; ink dark on white, and the corners the turned
// sample leaves empty are white, at every depth.
TEST(SampledBrush, ShapedSamplesMirrorThenTurnCounterClockwiseOnWhite)
{
    // At 80 pixels the sample is drawn turned; at 40 it is shrunk first and its pixels moved.
    for (auto [depth, size] : {std::pair{8, 80}, {16, 80}, {32, 80}, {8, 40}, {32, 40}}) {
        const auto L = LetterL(depth);
        // Turned a quarter counter-clockwise, the bar lies along the bottom and the foot stands
        // at the right.
        const QImage turned = Shaped(*L, {double(size), 100, 90, false, false}).image();
        EXPECT_GT(InkIn(turned, 0, 0.9, 1, 1), 0.95) << depth;
        EXPECT_GT(InkIn(turned, 0.9, 0, 1, 1), 0.95) << depth;
        EXPECT_LT(InkIn(turned, 0, 0, 0.85, 0.7), 0.01) << depth;
        // Mirrored left to right, the bar is on the right; turned after that, it is on top.
        const QImage mirrored = Shaped(*L, {double(size), 100, 0, true, false}).image();
        EXPECT_GT(InkIn(mirrored, 0.8, 0, 1, 1), 0.95) << depth;
        const QImage both = Shaped(*L, {double(size), 100, 90, true, false}).image();
        EXPECT_GT(InkIn(both, 0, 0, 1, 0.1), 0.95) << depth;
        EXPECT_LT(InkIn(both, 0, 0.3, 0.85, 1), 0.01) << depth;
        const QImage upsideDown = Shaped(*L, {double(size), 100, 0, false, true}).image();
        EXPECT_GT(InkIn(upsideDown, 0, 0, 1, 0.1), 0.95) << depth;
    }
    // Solid ink turned by an angle that is no quarter turn: white corners, black middle.
    const auto solid = Sample(50, 50, 8, [](int, int) { return 1.0; });
    const QImage tilted = Shaped(*solid, {120, 100, 30, false, false}).image();
    ASSERT_EQ(tilted.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(tilted.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(tilted.pixelColor(tilted.width() - 1, tilted.height() - 1), QColor(Qt::white));
    EXPECT_EQ(tilted.pixelColor(tilted.width() / 2, tilted.height() / 2), QColor(Qt::black));
    // A sample scaled and squashed without turning keeps its look.
    const QImage squashed = Shaped(*LetterL(), {40, 50, 0, false, false}).image();
    ASSERT_EQ(squashed.size(), QSize(20, 20));
    EXPECT_GT(InkIn(squashed, 0, 0, 0.2, 0.8), 0.9);
    EXPECT_LT(InkIn(squashed, 0.4, 0, 1, 0.8), 0.05);
}

// A sample shrunk by a preset averages what each pixel covers: fine stripes turn an even grey
// and a hairline stays, where picking pixels would keep stripes and lose the line.
TEST(SampledBrush, ShrunkSamplesAverageTheirPixels)
{
    const auto stripes = Sample(300, 300, 8, [](int x, int) { return x % 2; });
    const QImage grey = Shaped(*stripes, {120, 100, 0, false, false}).image();
    ASSERT_EQ(grey.size(), QSize(120, 120));
    for (int x = 0; x < 120; ++x)
        EXPECT_NEAR(InkIn(grey, x / 120.0, 0, (x + 1) / 120.0, 1), 0.5, 0.11) << x;
    EXPECT_NEAR(InkIn(grey, 0, 0, 1, 1), 0.5, 0.01);

    const auto hairline = Sample(300, 300, 16, [](int x, int) { return x == 150 ? 1.0 : 0.0; });
    const QImage thin = Shaped(*hairline, {30, 100, 0, false, true}).image();
    EXPECT_NEAR(InkIn(thin, 0.5, 0, 0.5 + 1 / 30.0, 1), 0.1, 0.01);
}

// A grid cell's thumbnail is drawn at its size, and looks like the whole image shrunk.
TEST(SampledBrush, ThumbnailsAreTheShapedImageDrawnSmall)
{
    const auto stored =
        Sample(200, 120, 8, [](int x, int y) { return std::hypot(x - 100, y - 60) < 50; });
    for (SampleShaping shaping :
         {SampleShaping{600, 70, 30, false, true}, SampleShaping{300, 100, 90, true, false}}) {
        const SampledBrush preset = Shaped(*stored, shaping);
        const QImage thumbnail = preset.thumbnail(96);
        const QSize fitted = preset.pixelSize().scaled(96, 96, Qt::KeepAspectRatio);
        ASSERT_LE(std::abs(thumbnail.width() - fitted.width()), 1);
        ASSERT_LE(std::abs(thumbnail.height() - fitted.height()), 1);
        const QImage shrunk = preset.image().scaled(thumbnail.size(), Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation);
        EXPECT_LT(MeanDifference(thumbnail, shrunk), 4.0) << shaping.angle;
    }
}

// A preset may paint a small sample thousands of pixels wide: its image is drawn no larger
// than the drawing budget, and its size says so.
TEST(SampledBrush, HugePresetsAreDrawnWithinTheBudget)
{
    const auto stored = Sample(50, 50, 8, [](int x, int) { return x < 25; });
    const SampledBrush level = Shaped(*stored, {5000, 100, 0, false, false});
    EXPECT_EQ(level.pixelSize(), QSize(5000, 5000)); // one canvas of 25 M pixels fits
    EXPECT_FALSE(level.scaledFrom());

    const SampledBrush tilted = Shaped(*stored, {5000, 100, 45, false, false});
    ASSERT_TRUE(tilted.scaledFrom());
    EXPECT_NEAR(tilted.scaledFrom()->width(), 7072, 1);
    const QSize size = tilted.pixelSize();
    EXPECT_LE(double(size.width()) * size.height(), ComputedBrush::kMaxDrawingPixels);
    EXPECT_GT(size.width(), 5000);
    EXPECT_EQ(tilted.image().size(), size);
    EXPECT_EQ(tilted.thumbnail(96).size(), QSize(96, 96));

    for (double absurd : {1e12, 1e300, 1.7e308}) {
        const SampledBrush preset = Shaped(*stored, {absurd, 100, 10, false, false});
        EXPECT_FALSE(preset.pixelSize().isEmpty());
        EXPECT_LE(preset.pixelSize().width(), ComputedBrush::kMaxDrawnSide);
        EXPECT_EQ(preset.thumbnail(64).width(), 64);
    }
}

// Presets that paint one sample share its block; each paints its own shape of it, and the ink
// a conversion gets is that shape, while a preset that keeps the sample lends the block itself.
TEST(SampledBrush, PresetsShareTheirSampleAndPaintTheirOwnShapeOfIt)
{
    const auto stored = Sample(122, 337, 16, [](int x, int) { return x < 61 ? 1.0 : 0.25; });
    const auto big = std::make_shared<SampledBrush>(QStringLiteral("Big Marker 01"), *stored,
                                                    SampleShaping{87, 100, 0, false, false});
    const auto wet = std::make_shared<SampledBrush>(QStringLiteral("Wet Marker 01"), *stored,
                                                    SampleShaping{100, 80, -18, false, false});
    const auto kept =
        std::make_shared<SampledBrush>(QStringLiteral("As stored"), *stored, SampleShaping{});
    for (const auto& preset : {big, wet, kept}) {
        EXPECT_EQ(preset->pixels().data(), stored->pixels().data());
        EXPECT_EQ(preset->storedSize(), QSize(122, 337));
        EXPECT_EQ(preset->depth(), 16);
    }

    const std::optional<BrushBitmap> ink = inkBitmap(big);
    ASSERT_TRUE(ink);
    EXPECT_EQ(QSize(ink->width, ink->height), QSize(32, 87));
    EXPECT_EQ(ink->depth, 8);
    EXPECT_NE(ink->samples, stored->pixels().data());
    EXPECT_EQ(ink->sample<uchar>(2, 40), 255);
    EXPECT_NEAR(ink->sample<uchar>(29, 40), 64, 1);
    EXPECT_EQ(QSize(inkBitmap(wet)->width, inkBitmap(wet)->height), QSize(60, 88));

    const std::optional<BrushBitmap> lent = inkBitmap(kept);
    ASSERT_TRUE(lent);
    EXPECT_EQ(lent->samples, stored->pixels().data());
    EXPECT_EQ(lent->depth, 16);
}
