#include "library/CatalogueEntry.h"

#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"

#include <QBuffer>
#include <QImageWriter>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

namespace {
// The thumbnail as the library made it through Qt: its smooth scaling and its PNG writer.
QByteArray QtThumbnailPng(const Brush& brush)
{
    QImage image = brush.thumbnail(kLibraryThumbnailSide);
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(66);
    writer.write(image);
    return png;
}

// A soft blob with grain and blank margins: runs for the PNG filters to find, noise for the
// rest, and sums across that reach past a byte.
PixelBlock Sample(int width, int height, int bytesPerSample)
{
    std::mt19937 random(uint32_t(width * 7919 + height));
    std::uniform_int_distribution<int> grain(0, 60);
    PixelBlock pixels(size_t(width) * size_t(height) * size_t(bytesPerSample));
    size_t at = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double r = std::hypot((x - width / 2.0) / width, (y - height / 2.0) / height);
            const int ink = r >= 0.45 ? 0 : std::min(255, int((0.45 - r) * 500) + grain(random));
            for (int b = 0; b < bytesPerSample; ++b)
                pixels[at++] = uchar(ink);
        }
    return pixels;
}

struct Shape
{
    int width, height, depth;
};

void PrintTo(const Shape& shape, std::ostream* out)
{
    *out << shape.width << "x" << shape.height << " of " << shape.depth << " bits";
}

class LibraryThumbnail : public testing::TestWithParam<Shape>
{
};

// Shrunk by area from the sample's own bytes (to less than half on a side), drawn by Qt's
// painter (half or more), thin, tiny, left as it is, runs wider than 16 bytes, 16-bit: the
// library keeps the same bytes as Qt made.
TEST_P(LibraryThumbnail, IsWhatQtsScalingAndPngWriterMake)
{
    const Shape shape = GetParam();
    const SampledBrush brush(QStringLiteral("tip"), shape.width, shape.height, shape.depth,
                             Sample(shape.width, shape.height, shape.depth / 8));
    const QByteArray expected = QtThumbnailPng(brush);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(CatalogueRow(brush, 0).thumbnail, expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, LibraryThumbnail,
                         testing::Values(Shape{700, 700, 8}, Shape{333, 129, 8},
                                         Shape{2500, 1900, 8}, Shape{128, 54, 8}, Shape{100, 90, 8},
                                         Shape{700, 3, 8}, Shape{3, 700, 8}, Shape{700, 1, 8},
                                         Shape{65, 1, 8}, Shape{1, 1, 8}, Shape{64, 64, 8},
                                         Shape{40, 7, 8}, Shape{300, 200, 16}));

// The weights of a run depend on both sides' lengths: a spread of sizes, each side from just over
// the thumbnail to many times it, catches an arithmetic that is off for some ratios only.
TEST(LibraryThumbnail, ManySizes_AllAsQtMakesThem)
{
    std::mt19937 random(38);
    std::uniform_int_distribution<int> side(65, 1300);
    for (int i = 0; i < 40; ++i) {
        const int width = side(random);
        const int height = i % 4 == 0 ? 1 + int(random() % 64) : side(random);
        const SampledBrush brush(QStringLiteral("tip"), width, height, 8, Sample(width, height, 1));
        EXPECT_EQ(CatalogueRow(brush, 0).thumbnail, QtThumbnailPng(brush))
            << width << "x" << height;
    }
}

TEST(LibraryThumbnail, ComputedAndShapedTipsToo)
{
    const ComputedBrush computed(QStringLiteral("round"), 150, 40, 30, 70);
    EXPECT_EQ(CatalogueRow(computed, 0).thumbnail, QtThumbnailPng(computed));
    // Qt's painter, outside its global pool, shares a fill out to the pool in pieces, and a
    // smoothly turned tip drawn so can differ by a shade from one drawn in one piece (as on a
    // thread of the pool); this one does. The library keeps the pictures drawn in pieces.
    const ComputedBrush pieced(QStringLiteral("pieced"), 345, 80, 30, 60);
    EXPECT_EQ(CatalogueRow(pieced, 0).thumbnail, QtThumbnailPng(pieced));
    const SampledBrush stored(QStringLiteral("sample"), 400, 300, 8, Sample(400, 300, 1));
    const SampledBrush shaped(QStringLiteral("shaped"), stored, SampleShaping{250, 60, 35});
    EXPECT_EQ(CatalogueRow(shaped, 0).thumbnail, QtThumbnailPng(shaped));
}
} // namespace
