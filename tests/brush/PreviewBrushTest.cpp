#include "brush/PreviewBrush.h"
#include "brush/BrushBitmap.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {
TipShape Bristle(int shape, double bristles = 31, double thickness = 23, double angle = 0)
{
    TipShape tip;
    tip.kind = TipKind::Bristle;
    tip.diameter = 60;
    tip.angle = angle;
    tip.bristle = BristleTip{shape, bristles, 100, thickness, 80};
    return tip;
}

TipShape Erodible(int shape, double softness = 0, std::vector<float> heights = {})
{
    TipShape tip;
    tip.kind = TipKind::Erodible;
    tip.diameter = 60;
    ErodibleTip erodible;
    erodible.shape = shape;
    erodible.softness = softness;
    erodible.gridSize = int(std::lround(std::sqrt(double(heights.size()))));
    erodible.heights = std::move(heights);
    tip.erodible = erodible;
    return tip;
}

TipShape Airbrush(double granularity, double spatter)
{
    TipShape tip = Erodible(2, 50);
    tip.erodible->airbrush = true;
    tip.erodible->granularity = granularity;
    tip.erodible->spatterSize = 20;
    tip.erodible->spatterAmount = spatter;
    return tip;
}

QImage Preview(const TipShape& tip)
{
    return PreviewBrush(std::nullopt, tip).image();
}

double TotalInk(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            sum += 1 - grey.constScanLine(y)[x] / 255.0;
    return sum;
}

int InkAt(const QImage& image, int x, int y)
{
    return 255 - qGray(image.pixel(x, y));
}
} // namespace

// Every kind of tip draws something, the same every time, at the size it says; no two shapes
// look alike, and the tip's angle turns the drawing.
TEST(PreviewBrush, EveryShapeDrawsItsOwnPictureTheSameEveryTime)
{
    std::vector<TipShape> tips;
    for (int shape = 0; shape < 10; ++shape)
        tips.push_back(Bristle(shape));
    for (int shape = 0; shape < 5; ++shape)
        tips.push_back(Erodible(shape, 20));
    tips.push_back(Airbrush(0, 0));
    tips.push_back(Airbrush(60, 150));

    std::vector<QImage> drawn;
    for (const TipShape& tip : tips) {
        const PreviewBrush preview(std::nullopt, tip);
        const QImage image = preview.image();
        EXPECT_EQ(preview.kind(), tip.kind);
        ASSERT_EQ(image.size(), preview.pixelSize());
        EXPECT_GT(TotalInk(image), 0.02 * image.width() * image.height());
        EXPECT_EQ(image, Preview(tip)); // a second tip alike draws alike
        for (const QImage& other : drawn)
            EXPECT_NE(image, other) << drawn.size();
        drawn.push_back(image);
    }
    // Round bristle tips are round, flat ones flattened; a flat erodible tip turned a quarter
    // stands upright.
    EXPECT_EQ(drawn[0].width(), drawn[0].height());
    EXPECT_LT(drawn[7].height() * 2, drawn[7].width());
    const QImage upright = Preview([] {
        TipShape tip = Erodible(1);
        tip.angle = 90;
        return tip;
    }());
    EXPECT_LT(upright.width() * 2, upright.height());
    EXPECT_NE(Preview(Bristle(7, 31, 23, 30)), drawn[7]);
}

// More bristles and thicker ones put down more ink; a soft edge fades where a hard one stops;
// granularity roughens an airbrush.
TEST(PreviewBrush, DensityThicknessSoftnessAndGrainShow)
{
    EXPECT_GT(TotalInk(Preview(Bristle(1, 90))), 1.5 * TotalInk(Preview(Bristle(1, 20))));
    EXPECT_GT(TotalInk(Preview(Bristle(1, 31, 150))), 1.5 * TotalInk(Preview(Bristle(1, 31, 5))));

    const QImage hard = Preview(Erodible(2, 0));
    const QImage soft = Preview(Erodible(2, 60));
    EXPECT_EQ(InkAt(hard, 30, 30), 255);
    EXPECT_EQ(InkAt(hard, 30, 4), 255); // just inside the edge
    EXPECT_LT(InkAt(soft, 30, 4), 100);
    EXPECT_EQ(InkAt(soft, 30, 30), 255);
    EXPECT_EQ(InkAt(hard, 2, 2), 0); // outside the disc

    auto roughness = [](const QImage& image) {
        int steps = 0;
        for (int x = 20; x < 40; ++x)
            steps += std::abs(InkAt(image, x + 1, 30) - InkAt(image, x, 30));
        return steps;
    };
    EXPECT_GT(roughness(Preview(Airbrush(60, 0))), 5 * (1 + roughness(Preview(Airbrush(0, 0)))));
}

// The worn surface a file stores is what an erodible tip shows: a new square charcoal (every
// height 1) prints solid to its corners; a pencil's cone prints dark in the middle and nothing
// at its corners, whatever shape the tip gives. A surface worn away shows the shape instead.
TEST(PreviewBrush, ErodibleTipsShowTheHeightMapTheFileCarries)
{
    const QImage charcoal = Preview(Erodible(2, 0, std::vector<float>(121, 1.0f)));
    EXPECT_EQ(InkAt(charcoal, 0, 0), 255);
    EXPECT_EQ(InkAt(charcoal, 59, 59), 255);

    const std::vector<float> pencil = {0.0f,   0.419f, 0.502f, 0.419f, 0.0f,   0.419f, 0.637f,
                                       0.752f, 0.637f, 0.419f, 0.502f, 0.752f, 0.91f,  0.752f,
                                       0.502f, 0.419f, 0.637f, 0.752f, 0.637f, 0.419f, 0.0f,
                                       0.419f, 0.502f, 0.419f, 0.0f};
    const QImage point = Preview(Erodible(3, 0, pencil));
    EXPECT_GT(InkAt(point, 30, 30), 240);
    EXPECT_LT(InkAt(point, 1, 1), 10);
    EXPECT_GT(InkAt(point, 30, 30), InkAt(point, 30, 12));
    EXPECT_GT(InkAt(point, 30, 12), InkAt(point, 30, 1));

    EXPECT_EQ(Preview(Erodible(3, 0, std::vector<float>(25, 0.0f))), Preview(Erodible(3)));
    EXPECT_EQ(Preview(Erodible(3, 0, {1.0f, 1.0f})), Preview(Erodible(3))); // not a square
}

// Tips beyond the largest preview are drawn at that size; a grid cell's thumbnail is drawn at
// the cell's size and looks like the whole preview shrunk.
TEST(PreviewBrush, LargeTipsAreCappedAndThumbnailsDrawnSmall)
{
    TipShape huge = Bristle(3);
    huge.diameter = 5000;
    const PreviewBrush capped(std::nullopt, huge);
    EXPECT_EQ(capped.pixelSize(), QSize(PreviewBrush::kMaxSide, PreviewBrush::kMaxSide));
    EXPECT_EQ(capped.thumbnail(96).size(), QSize(96, 96));

    for (TipShape tip : {Bristle(8, 50, 40, 20), Erodible(4, 30)}) {
        tip.diameter = 480;
        const PreviewBrush preview(std::nullopt, tip);
        const QImage thumbnail = preview.thumbnail(96);
        ASSERT_LE(std::max(thumbnail.width(), thumbnail.height()), 96);
        const QImage shrunk = preview.image().scaled(thumbnail.size(), Qt::IgnoreAspectRatio,
                                                     Qt::SmoothTransformation);
        EXPECT_NEAR(TotalInk(thumbnail), TotalInk(shrunk), 0.1 * TotalInk(shrunk));
    }
    // A conversion gets the preview's ink.
    const std::optional<BrushBitmap> ink =
        inkBitmap(std::make_shared<PreviewBrush>(std::nullopt, Erodible(3)));
    ASSERT_TRUE(ink);
    EXPECT_EQ(QSize(ink->width, ink->height), QSize(60, 60));
    EXPECT_EQ(ink->sample<uchar>(30, 30), 255);
}
