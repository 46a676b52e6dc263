#include "engine/StrokePath.h"

#include <gtest/gtest.h>

TEST(StrokePath, JsonPointsTakeDefaultsAndBadOnesAreSaidInWords)
{
    QString error;
    const auto path = StrokePathFromJson(R"([{"x": 1, "y": 2}, {"x": 3, "y": 4, "pressure": 0.5,
        "tilt_x": 10, "tilt_y": -5, "rotation": 90}])",
                                         &error);
    ASSERT_TRUE(path) << error.toStdString();
    ASSERT_EQ(path->size(), 2u);
    EXPECT_EQ((*path)[0].pressure, 1);
    EXPECT_EQ((*path)[0].tiltX, 0);
    EXPECT_EQ((*path)[1].pressure, 0.5);
    EXPECT_EQ((*path)[1].rotation, 90);

    for (const char* bad : {"{}", "[1]", R"([{"x": 1}])", R"([{"x": "a", "y": 1}])",
                            R"([{"x": 1, "y": 1, "pressure": 2}])", "[{"}) {
        error.clear();
        EXPECT_FALSE(StrokePathFromJson(bad, &error)) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
}

TEST(StrokePath, ThePreviewCurveStaysInItsAreaWithPressureRisingAndFalling)
{
    const StrokePath path = SCurvePath(QSizeF(200, 80));
    ASSERT_GT(path.size(), 100u);
    for (const StrokePoint& p : path) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 200);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 80);
    }
    EXPECT_NEAR(path.front().pressure, 0, 1e-9);
    EXPECT_NEAR(path[path.size() / 2].pressure, 1, 1e-3);
    EXPECT_NEAR(path.back().pressure, 0, 1e-9);
}
