#include "engine/BrushEngine.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSet>
#include <functional>
#include <thread>

namespace {
// A hard round tip of `diameter` pixels whose preset the test shapes.
BrushPtr RoundBrush(double diameter, const std::function<void(BrushPreset&)>& shape = {})
{
    auto brush = std::make_shared<ComputedBrush>(std::nullopt, diameter, 100, 0, 100);
    BrushPreset preset;
    preset.tip.diameter = diameter;
    preset.tip.hardness = 100;
    preset.tip.spacing = 25;
    if (shape)
        shape(preset);
    brush->setPreset(std::make_shared<const BrushPreset>(preset));
    return brush;
}

StrokePath Line(double x0, double x1, double y, double step = 10,
                std::function<double(double)> pressure = {})
{
    StrokePath path;
    for (double x = x0; x <= x1 + 1e-9; x += step) {
        StrokePoint p;
        p.x = x;
        p.y = y;
        if (pressure)
            p.pressure = pressure((x - x0) / (x1 - x0));
        path.push_back(p);
    }
    return path;
}

// Ink laid at a pixel, 0 (paper) to 1 (black), on the white paper strokes are painted on.
double Ink(const QImage& image, int x, int y)
{
    return 1 - qGray(image.pixel(x, y)) / 255.0;
}

int InkedRowsInColumn(const QImage& image, int x)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += Ink(image, x, y) > 0.5;
    return rows;
}

QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image, x, y) > 0.02)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int InkedPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += Ink(image, x, y) > 0.02;
    return n;
}

StrokeResult Paint(const BrushPtr& brush, const StrokePath& path, QSize canvas,
                   StrokeOptions options = {})
{
    return PaintStroke(*brush, path, canvas, options);
}
} // namespace

TEST(BrushEngine, DabCountFollowsSpacingAndSpacingOffLaysOneDabPerPoint)
{
    // A 400 px line of 41 points with a 20 px tip: a dab every spacing × 20 px, plus the first.
    const StrokePath path = Line(10, 410, 50);
    for (double spacing : {25.0, 50.0, 100.0, 200.0}) {
        const auto brush = RoundBrush(20, [&](BrushPreset& p) { p.tip.spacing = spacing; });
        const StrokeResult r = Paint(brush, path, QSize(420, 100));
        EXPECT_NEAR(r.dabs, 400 / (spacing / 100 * 20) + 1, 1) << spacing;
        EXPECT_FALSE(r.simplified);
    }
    const auto off = RoundBrush(20, [](BrushPreset& p) { p.tip.spacing.reset(); });
    EXPECT_EQ(Paint(off, path, QSize(420, 100)).dabs, int(path.size()));
    // A lone point (a click) still lays its dab.
    EXPECT_EQ(Paint(off, {path[0]}, QSize(420, 100)).dabs, 1);
}

TEST(BrushEngine, PenPressureOnSizeMakesTheWidthFollowPressureAboveTheMinimum)
{
    const auto brush = RoundBrush(40, [](BrushPreset& p) {
        p.tip.spacing = 5;
        ShapeDynamics shape;
        shape.size.control = DynamicControl::PenPressure;
        shape.minimumDiameter = 25;
        p.settings.shapeDynamics = shape;
    });
    // Pressure rises from 0 at the left to 1 at the right.
    const StrokeResult r =
        Paint(brush, Line(20, 420, 50, 2, [](double t) { return t; }), QSize(440, 100));
    EXPECT_NEAR(InkedRowsInColumn(r.image, 22), 10, 2);  // the 25 % minimum, not nothing
    EXPECT_NEAR(InkedRowsInColumn(r.image, 220), 20, 2); // half pressure, half the size
    EXPECT_NEAR(InkedRowsInColumn(r.image, 415), 40, 2);
    int previous = 0;
    for (int x = 60; x <= 400; x += 20) {
        const int width = InkedRowsInColumn(r.image, x);
        EXPECT_GE(width, previous - 1) << x;
        previous = width;
    }
}

TEST(BrushEngine, ScatterStaysWithinItsReachAndCountMultipliesDabs)
{
    const StrokePath path = Line(100, 300, 150);
    const QSize canvas(400, 300);
    const int plain = Paint(RoundBrush(10), path, canvas).dabs;
    for (bool bothAxes : {false, true}) {
        const auto brush = RoundBrush(10, [&](BrushPreset& p) {
            Scattering s;
            s.scatter.jitter = 300; // up to three diameters away
            s.bothAxes = bothAxes;
            s.count = 4;
            p.settings.scattering = s;
        });
        const StrokeResult r = Paint(brush, path, canvas);
        EXPECT_EQ(r.dabs, 4 * plain);
        const QRect ink = InkBounds(r.image);
        // Reach 30 px plus the tip's 5 px radius, a pixel of soft edge.
        EXPECT_GE(ink.top(), 150 - 36);
        EXPECT_LE(ink.bottom(), 150 + 36);
        EXPECT_GT(ink.height(), 40) << "the dabs were scattered";
        if (bothAxes) {
            EXPECT_GE(ink.left(), 100 - 36);
            EXPECT_LE(ink.right(), 300 + 36);
        } else {
            // Across a level stroke only: nothing lands beyond its ends.
            EXPECT_GE(ink.left(), 100 - 6);
            EXPECT_LE(ink.right(), 300 + 6);
        }
    }
}

TEST(BrushEngine, JitterRepeatsForOneSeedAndDiffersForAnother)
{
    const auto brush = RoundBrush(24, [](BrushPreset& p) {
        p.tip.roundness = 40;
        ShapeDynamics shape;
        shape.size.jitter = 80;
        shape.angle.jitter = 100;
        shape.roundness.jitter = 50;
        shape.flipXJitter = true;
        p.settings.shapeDynamics = shape;
        Scattering s;
        s.scatter.jitter = 100;
        s.bothAxes = true;
        s.count = 3;
        s.countJitter.jitter = 50;
        p.settings.scattering = s;
        Transfer t;
        t.opacity.jitter = 50;
        t.flow.jitter = 50;
        p.settings.transfer = t;
    });
    const StrokePath path = SCurvePath(QSizeF(300, 120));
    StrokeOptions a;
    a.seed = 7;
    StrokeOptions b = a;
    b.seed = 8;
    const QImage first = Paint(brush, path, QSize(300, 120), a).image;
    EXPECT_EQ(first, Paint(brush, path, QSize(300, 120), a).image);
    EXPECT_NE(first, Paint(brush, path, QSize(300, 120), b).image);
}

TEST(BrushEngine, FlowBuildsUpUnderTheCapOfOpacity)
{
    auto withSpacing = [](double spacing) {
        return RoundBrush(30, [spacing](BrushPreset& p) {
            p.tip.spacing = spacing;
            ToolOptions tool;
            tool.opacity = 50;
            tool.flow = 10;
            p.toolOptions = tool;
        });
    };
    const StrokePath path = Line(50, 250, 50);
    const QImage sparse = Paint(withSpacing(100), path, QSize(300, 100)).image;
    const QImage dense = Paint(withSpacing(2), path, QSize(300, 100)).image;
    // One dab at 10 % flow under 50 % opacity.
    EXPECT_NEAR(Ink(sparse, 65, 50), 0.05, 0.01);
    // Fifty overlapping dabs build up to nearly the opacity, and never past it.
    EXPECT_GT(Ink(dense, 150, 50), 0.45);
    for (int x = 0; x < 300; ++x)
        EXPECT_LE(Ink(dense, x, 50), 0.5 + 1.5 / 255) << x;

    // Opacity on pen pressure caps the stroke at the pressure, however much flow there is.
    const auto pressed = RoundBrush(30, [](BrushPreset& p) {
        p.tip.spacing = 2;
        Transfer transfer;
        transfer.opacity.control = DynamicControl::PenPressure;
        p.settings.transfer = transfer;
    });
    const QImage light =
        Paint(pressed, Line(50, 250, 50, 10, [](double) { return 0.3; }), QSize(300, 100)).image;
    EXPECT_NEAR(Ink(light, 150, 50), 0.3, 1.5 / 255);
}

namespace {
// Black on the left half, white on the right.
PatternPtr HalfBlackPattern()
{
    QImage image(64, 64, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 32, 64, Qt::black);
    return std::make_shared<Pattern>("halves", "halves-id", Pattern::Mode::Grey, 8, image);
}

struct ModeCase
{
    const char* mode;
    double onBlack; // ink left where the pattern is black, from ink 0.5
    double onWhite;
};
} // namespace

class TextureModes : public testing::TestWithParam<ModeCase>
{
};

TEST_P(TextureModes, EachModeJoinsInkWithThePatternByItsFormula)
{
    const ModeCase& c = GetParam();
    for (bool perTip : {false, true}) {
        // One hard 60 px dab at half flow over both halves: ink 0.5 before the texture.
        const auto brush = RoundBrush(60, [&](BrushPreset& p) {
            Texture t;
            t.mode = c.mode;
            t.depth = 100;
            t.perTip = perTip;
            p.settings.texture = t;
            ToolOptions tool;
            tool.flow = 50;
            p.toolOptions = tool;
        });
        StrokeOptions options;
        options.pattern = HalfBlackPattern();
        StrokePoint at;
        at.x = at.y = 32;
        const StrokeResult r = Paint(brush, {at}, QSize(64, 64), options);
        EXPECT_FALSE(r.textureStandIn);
        EXPECT_NEAR(Ink(r.image, 20, 32), c.onBlack, 0.02) << c.mode << " per tip " << perTip;
        EXPECT_NEAR(Ink(r.image, 44, 32), c.onWhite, 0.02) << c.mode << " per tip " << perTip;
        EXPECT_EQ(Ink(r.image, 1, 1), 0) << "no ink outside the dab";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BrushEngine, TextureModes,
    testing::Values(ModeCase{"Multiply", 0, 0.5}, ModeCase{"Subtract", 0, 0.5},
                    ModeCase{"Darken", 0, 0.5}, ModeCase{"Overlay", 0, 1},
                    ModeCase{"Color Dodge", 0.5, 1}, ModeCase{"Color Burn", 0, 0.5},
                    ModeCase{"Linear Burn", 0, 0.5}, ModeCase{"Hard Mix", 0, 1},
                    ModeCase{"Linear Height", 0, 0.5}, ModeCase{"Height", 0, 0.5}));

TEST(BrushEngine, TextureDepthInversionAndTheNoiseStandIn)
{
    auto brush = [](double depth, bool invert) {
        return RoundBrush(60, [=](BrushPreset& p) {
            Texture t;
            t.mode = "Multiply";
            t.depth = depth;
            t.invert = invert;
            p.settings.texture = t;
        });
    };
    StrokeOptions options;
    options.pattern = HalfBlackPattern();
    StrokePoint at;
    at.x = at.y = 32;
    const QImage half = Paint(brush(50, false), {at}, QSize(64, 64), options).image;
    EXPECT_NEAR(Ink(half, 20, 32), 0.5, 0.02); // half depth keeps half the ink on black
    EXPECT_NEAR(Ink(half, 44, 32), 1, 0.02);
    const QImage inverted = Paint(brush(100, true), {at}, QSize(64, 64), options).image;
    EXPECT_NEAR(Ink(inverted, 20, 32), 1, 0.02);
    EXPECT_NEAR(Ink(inverted, 44, 32), 0, 0.02);

    // Without the pattern, seeded noise stands in and says so; it varies across the dab.
    const StrokeResult standIn = Paint(brush(100, false), {at}, QSize(64, 64));
    EXPECT_TRUE(standIn.textureStandIn);
    double least = 1, most = 0;
    for (int x = 10; x < 54; ++x) {
        least = std::min(least, Ink(standIn.image, x, 32));
        most = std::max(most, Ink(standIn.image, x, 32));
    }
    EXPECT_GT(most - least, 0.2);
}

TEST(BrushEngine, TheDualBrushCutsTheMainStroke)
{
    const StrokePath path = Line(40, 360, 60);
    const QImage plain = Paint(RoundBrush(40), path, QSize(400, 120)).image;
    auto dual = [](TipKind kind) {
        return RoundBrush(40, [kind](BrushPreset& p) {
            DualBrush d;
            d.tip.kind = kind;
            d.tip.sampleId = "elsewhere";
            d.tip.diameter = 8;
            d.tip.spacing = 300;
            d.mode = "Multiply";
            d.scatter.jitter = 200;
            d.bothAxes = true;
            d.count = 2;
            p.settings.dualBrush = d;
        });
    };
    const StrokeResult cut = Paint(dual(TipKind::Computed), path, QSize(400, 120));
    EXPECT_FALSE(cut.simplified);
    const int kept = InkedPixels(cut.image);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, InkedPixels(plain) / 2);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 400; ++x)
            if (Ink(cut.image, x, y) > 0.02) {
                ASSERT_GT(Ink(plain, x, y), 0.02) << "the dual tip only takes ink away";
            }
    // A sampled dual tip whose sample the file does not hold stands in as a round one.
    const StrokeResult standIn = Paint(dual(TipKind::Sampled), path, QSize(400, 120));
    EXPECT_TRUE(standIn.simplified);
    EXPECT_GT(InkedPixels(standIn.image), 0);
}

TEST(BrushEngine, ExtremePresetsAreBoundedAndSaySo)
{
    const StrokePath path = SCurvePath(QSizeF(256, 128));
    StrokeOptions options;
    options.maxDabs = 2000;
    const QSize canvas(256, 128);

    const auto huge = RoundBrush(5000, [](BrushPreset& p) { p.tip.spacing = 1; });
    const StrokeResult hugeTip = Paint(huge, path, canvas, options);
    EXPECT_TRUE(hugeTip.simplified);
    EXPECT_LE(hugeTip.dabs, options.maxDabs);

    const auto scattered = RoundBrush(30, [](BrushPreset& p) {
        p.tip.spacing = 1;
        Scattering s;
        s.scatter.jitter = 1000;
        s.count = 16;
        p.settings.scattering = s;
    });
    const StrokeResult many = Paint(scattered, path, canvas, options);
    EXPECT_TRUE(many.simplified);
    EXPECT_LE(many.dabs, options.maxDabs);
    EXPECT_GT(InkedPixels(many.image), 0);

    const auto damaged = RoundBrush(20, [](BrushPreset& p) {
        DualBrush d;
        d.tip.diameter = 1638400;
        d.tip.spacing = 25;
        p.settings.dualBrush = d;
    });
    const StrokeResult dual = Paint(damaged, path, canvas, options);
    EXPECT_TRUE(dual.simplified);
    EXPECT_LE(dual.dabs, options.maxDabs);
}

TEST(BrushEngine, PaintingPointByPointMatchesTheWholeStroke)
{
    const auto brush = RoundBrush(30, [](BrushPreset& p) {
        p.tip.spacing = 10;
        ToolOptions tool;
        tool.opacity = 60;
        tool.flow = 30;
        p.toolOptions = tool;
        ShapeDynamics shape;
        shape.size.control = DynamicControl::PenPressure;
        shape.angle.jitter = 30;
        p.settings.shapeDynamics = shape;
        Texture t;
        t.depth = 60;
        p.settings.texture = t;
        // Scattered dabs far apart, and a dual tip: the painter composites only the dabs' own
        // boxes, which must come to the same pixels.
        Scattering s;
        s.scatter.jitter = 150;
        s.bothAxes = true;
        s.count = 4;
        p.settings.scattering = s;
        DualBrush d;
        d.tip.diameter = 12;
        d.tip.spacing = 30;
        d.mode = "Multiply";
        d.scatter.jitter = 100;
        p.settings.dualBrush = d;
    });
    const StrokePath path = SCurvePath(QSizeF(240, 100));
    const StrokeResult whole = Paint(brush, path, QSize(240, 100));

    QImage canvas(240, 100, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    StrokePainter painter(brush, {});
    painter.begin(&canvas);
    QRect changed;
    for (const StrokePoint& point : path)
        changed |= painter.addPoint(point);
    changed |= painter.end();
    EXPECT_EQ(painter.dabs(), whole.dabs);
    EXPECT_EQ(canvas, whole.image);
    EXPECT_TRUE(changed.contains(InkBounds(canvas)));
}

TEST(BrushEngine, ColourDynamicsVaryColourAndStayGreyInGrey)
{
    const auto brush = RoundBrush(20, [](BrushPreset& p) {
        ColorDynamics c;
        c.perTip = true;
        c.hue = 100;
        c.saturation = 50;
        c.brightness = 30;
        p.settings.colorDynamics = c;
    });
    const StrokePath path = Line(20, 280, 30);
    StrokeOptions colour;
    colour.foreground = QColor(200, 40, 40);
    const QImage painted = Paint(brush, path, QSize(300, 60), colour).image;
    QSet<int> hues;
    for (int x = 20; x <= 280; x += 10)
        hues.insert(painted.pixelColor(x, 30).hsvHue() / 20);
    EXPECT_GT(hues.size(), 3);

    const QImage grey = Paint(brush, path, QSize(300, 60)).image;
    for (int x = 0; x < 300; ++x) {
        const QRgb p = grey.pixel(x, 30);
        ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x;
    }
}

namespace {
// The widest run of inked pixels across the row `y`, and down the column `x`.
int InkedColumnsInRow(const QImage& image, int y)
{
    int columns = 0;
    for (int x = 0; x < image.width(); ++x)
        columns += Ink(image, x, y) > 0.5;
    return columns;
}
} // namespace

TEST(BrushEngine, AngleControlsTurnAFlatTipWithThePen)
{
    // A tip 40 px long and 4 px high, lying along the x axis.
    auto flat = [](DynamicControl control) {
        return RoundBrush(40, [control](BrushPreset& p) {
            p.tip.roundness = 10;
            p.tip.spacing = 5;
            ShapeDynamics shape;
            shape.angle.control = control;
            p.settings.shapeDynamics = shape;
        });
    };
    StrokePath down;
    for (int y = 20; y <= 180; y += 10)
        down.push_back({100, double(y), 1, 0, 0, 0});
    const QSize canvas(200, 200);
    // Unturned, a downward stroke is as wide as the tip is long; following the direction, the
    // tip turns along the stroke and paints it thin. So does the initial direction.
    EXPECT_NEAR(InkedColumnsInRow(Paint(flat(DynamicControl::Off), down, canvas).image, 100), 40,
                2);
    EXPECT_LE(InkedColumnsInRow(Paint(flat(DynamicControl::Direction), down, canvas).image, 100),
              6);
    EXPECT_LE(
        InkedColumnsInRow(Paint(flat(DynamicControl::InitialDirection), down, canvas).image, 100),
        6);
    // The pen's barrel rotation turns it by its degrees.
    for (StrokePoint& p : down)
        p.rotation = 90;
    EXPECT_LE(InkedColumnsInRow(Paint(flat(DynamicControl::Rotation), down, canvas).image, 100), 6);
}

TEST(BrushEngine, FadeAndPenTiltShrinkTheTipToItsMinimum)
{
    auto sized = [](DynamicControl control) {
        return RoundBrush(30, [control](BrushPreset& p) {
            p.tip.spacing = 10; // a dab every 3 px
            ShapeDynamics shape;
            shape.size.control = control;
            shape.size.fadeSteps = 20;
            shape.minimumDiameter = 20;
            p.settings.shapeDynamics = shape;
        });
    };
    const StrokePath path = Line(20, 380, 50, 4);
    const QImage faded = Paint(sized(DynamicControl::Fade), path, QSize(400, 100)).image;
    EXPECT_NEAR(InkedRowsInColumn(faded, 20), 30, 2);
    EXPECT_NEAR(InkedRowsInColumn(faded, 300), 6, 2); // 20 steps (60 px) on: the minimum

    StrokePath leaning = path;
    for (size_t i = 0; i < leaning.size(); ++i)
        leaning[i].tiltX = 90.0 * double(i) / double(leaning.size() - 1);
    const QImage tilted = Paint(sized(DynamicControl::PenTilt), leaning, QSize(400, 100)).image;
    EXPECT_NEAR(InkedRowsInColumn(tilted, 22), 30, 2); // upright
    EXPECT_NEAR(InkedRowsInColumn(tilted, 378), 6, 2); // laid flat
}

TEST(BrushEngine, ASampledTipPaintsItsSampleAsThePresetShapesIt)
{
    // A 20 x 20 sample inked on its left half only.
    PixelBlock block(400, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            block[size_t(y) * 20 + x] = 255;
    const SampledBrush stored(std::nullopt, 20, 20, 8, std::move(block));
    auto paint = [&](bool flipX, const char* dualSample, BrushPtr given = {}) {
        SampleShaping shaping;
        shaping.diameter = 40;
        shaping.flipX = flipX;
        auto brush = std::make_shared<SampledBrush>(std::nullopt, stored, shaping);
        BrushPreset preset;
        preset.tip.kind = TipKind::Sampled;
        preset.tip.sampleId = "half";
        preset.tip.diameter = 40;
        preset.tip.flipX = flipX;
        if (dualSample) {
            DualBrush dual;
            dual.tip.kind = TipKind::Sampled;
            dual.tip.sampleId = dualSample;
            dual.tip.diameter = 40;
            preset.settings.dualBrush = dual;
        }
        brush->setPreset(std::make_shared<const BrushPreset>(preset));
        StrokePoint at;
        at.x = at.y = 30;
        StrokeOptions options;
        options.dualSample = given;
        return PaintStroke(*brush, {at}, QSize(60, 60), options);
    };
    const QImage plain = paint(false, nullptr).image;
    EXPECT_GT(Ink(plain, 20, 30), 0.9);
    EXPECT_LT(Ink(plain, 40, 30), 0.1);
    const QImage mirrored = paint(true, nullptr).image;
    EXPECT_LT(Ink(mirrored, 20, 30), 0.1);
    EXPECT_GT(Ink(mirrored, 40, 30), 0.9);
    // A dual tip of the brush's own sample is painted with it, not stood in for; so is one of
    // another sample the caller passes.
    const StrokeResult shared = paint(false, "half");
    EXPECT_FALSE(shared.simplified);
    EXPECT_GT(Ink(shared.image, 20, 30), 0.9);
    EXPECT_LT(Ink(shared.image, 40, 30), 0.1);
    EXPECT_TRUE(paint(false, "other").simplified);
    EXPECT_FALSE(
        paint(false, "other", std::make_shared<SampledBrush>(std::nullopt, stored, SampleShaping{}))
            .simplified);
}

TEST(BrushEngine, WetEdgesNoiseAndBuildUp)
{
    auto brush = [](bool wet, bool noise, bool buildUp) {
        return RoundBrush(40, [=](BrushPreset& p) {
            p.tip.hardness = 0;
            p.settings.wetEdges = wet;
            p.settings.noise = noise;
            p.settings.buildUp = buildUp;
            ToolOptions tool;
            tool.flow = 20;
            p.toolOptions = tool;
        });
    };
    const StrokePath path = Line(40, 260, 50);
    const QImage plain = Paint(brush(false, false, false), path, QSize(300, 100)).image;
    const QImage wet = Paint(brush(true, false, false), path, QSize(300, 100)).image;
    // Wet edges pale the middle of the stroke more than its edges.
    EXPECT_LT(Ink(wet, 150, 50) / Ink(plain, 150, 50), Ink(wet, 150, 62) / Ink(plain, 150, 62));
    // Noise changes only pixels of partial ink, the same way for the same seed.
    const QImage noisy = Paint(brush(false, true, false), path, QSize(300, 100)).image;
    EXPECT_NE(noisy, plain);
    EXPECT_EQ(noisy, Paint(brush(false, true, false), path, QSize(300, 100)).image);
    EXPECT_EQ(noisy.pixel(5, 5), plain.pixel(5, 5));

    // A pen resting at the end keeps laying paint with build-up only.
    StrokePath resting = path;
    for (int i = 0; i < 10; ++i)
        resting.push_back(path.back());
    EXPECT_EQ(Paint(brush(false, false, false), resting, QSize(300, 100)).dabs,
              Paint(brush(false, false, false), path, QSize(300, 100)).dabs);
    const StrokeResult built = Paint(brush(false, false, true), resting, QSize(300, 100));
    EXPECT_EQ(built.dabs, Paint(brush(false, false, true), path, QSize(300, 100)).dabs + 10);
    EXPECT_GT(Ink(built.image, 260, 50), Ink(plain, 260, 50));
}

TEST(BrushEngine, ACancelledStrokeStopsAndATipPastItsPixelBudgetIsSimplified)
{
    const std::atomic<bool> cancel{true};
    StrokeOptions options;
    options.cancel = &cancel;
    const StrokeResult cancelled =
        Paint(RoundBrush(20), Line(10, 290, 50), QSize(300, 100), options);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.dabs, 0);

    StrokeOptions small;
    small.maxTipPixels = 64 * 64;
    EXPECT_FALSE(Paint(RoundBrush(60), Line(10, 290, 50), QSize(300, 100), small).simplified);
    const StrokeResult reduced = Paint(RoundBrush(200), Line(10, 290, 50), QSize(300, 100), small);
    EXPECT_TRUE(reduced.simplified);
    EXPECT_GT(Ink(reduced.image, 150, 50), 0.9) << "a smaller drawing still paints the whole tip";
}

namespace {
// Grid previews paint the strokes of one file on several threads at once, sharing its brushes.
TEST(BrushEngine, StrokesOfOneBrushPaintedOnSeveralThreadsAtOnceAgree)
{
    const BrushPtr brush = RoundBrush(24, [](BrushPreset& preset) {
        preset.settings.shapeDynamics = ShapeDynamics();
        preset.settings.shapeDynamics->size.jitter = 40;
        preset.settings.scattering = Scattering();
        preset.settings.scattering->scatter.jitter = 100;
        preset.settings.scattering->count = 3;
        preset.settings.texture = Texture();
        preset.settings.texture->depth = 60;
        DualBrush dual;
        dual.tip.diameter = 10;
        dual.tip.spacing = 50;
        preset.settings.dualBrush = dual;
    });
    const StrokePath path = Line(10, 190, 40);
    const QImage alone = Paint(brush, path, QSize(200, 80)).image;
    std::vector<QImage> painted(4);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < painted.size(); ++i)
        threads.emplace_back([&, i] { painted[i] = Paint(brush, path, QSize(200, 80)).image; });
    for (std::thread& thread : threads)
        thread.join();
    for (const QImage& image : painted)
        EXPECT_EQ(image, alone);
}
} // namespace
