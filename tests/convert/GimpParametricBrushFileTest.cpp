#include "convert/GimpParametricBrushFile.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using Parameters = GimpParametricBrushFile::Parameters;

void ExpectParameters(const Parameters& actual, const Parameters& expected)
{
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_NEAR(actual.spacing, expected.spacing, 1e-6);
    EXPECT_NEAR(actual.radius, expected.radius, 1e-6);
    EXPECT_NEAR(actual.hardness, expected.hardness, 1e-6);
    EXPECT_NEAR(actual.aspectRatio, expected.aspectRatio, 1e-6);
    EXPECT_NEAR(actual.angle, expected.angle, 1e-6);
}

TEST(GimpParametricBrushFile, WritesTheShapedLayoutInAnyLocaleAndReadsItBack)
{
    const Parameters written{QStringLiteral("Ünïcødé \"soft\" 筆"), 30, 12.5, 0.75, 2.5, 17.25};
    const QLocale before;
    QLocale::setDefault(QLocale::German); // writes 12,5 where the locale is followed
    const QByteArray text = GimpParametricBrushFile::write(written);
    QLocale::setDefault(before);
    EXPECT_EQ(text, QByteArray("GIMP-VBR\n1.5\n") + written.name.toUtf8() +
                        "\ncircle\n30.000000\n12.500000\n2\n0.750000\n2.500000\n17.250000\n");
    ASSERT_TRUE(GimpParametricBrushFile::read(text));
    ExpectParameters(*GimpParametricBrushFile::read(text), written);

    // GIMP's own older form, as its data folder ships it, with Windows line ends.
    const auto old =
        GimpParametricBrushFile::read("GIMP-VBR\r\n1.0\r\nOld\r\n10.0\r\n25\r\n0.5\r\n1\r\n0\r\n");
    ASSERT_TRUE(old);
    ExpectParameters(*old, {QStringLiteral("Old"), 10, 25, 0.5, 1, 0});

    for (const char* bad : {"GIMP-VBR\n1.5\nx\nsquare\n10\n5\n2\n1\n1\n0\n",
                            "GIMP-VBR\n1.5\nx\ncircle\n10\nfive\n2\n1\n1\n0\n",
                            "GIMP-VBR\n1.5\nx\ncircle\n10\n5\n2\n1\n1\n", "GIMP-VBR\n2.0\n",
                            "GIMP-GBR\n1.0\nx\n10\n5\n1\n1\n0\n", ""})
        EXPECT_FALSE(GimpParametricBrushFile::read(bad)) << bad;
}

TEST(GimpParametricBrushFile, BringsEveryFieldIntoGimpsRange)
{
    const double nan = std::nan("");
    struct Case
    {
        Parameters given, written;
    } cases[] = {
        {{QStringLiteral("a\nb\rc"), 0, 0, -1, 0.5, -30},
         {QStringLiteral("a b c"), 1, 0.1, 0, 1, 150}},
        {{QString(), 5000, 1e6, 2, 50, 390}, {QString(), 1000, 4000, 1, 20, 30}},
        {{QStringLiteral("n"), nan, nan, nan, nan, nan}, {QStringLiteral("n"), 25, 5, 1, 1, 0}},
        {{QStringLiteral("x"), 25, 5, 1, 1, 180}, {QStringLiteral("x"), 25, 5, 1, 1, 0}},
    };
    for (const Case& c : cases)
        ExpectParameters(*GimpParametricBrushFile::read(GimpParametricBrushFile::write(c.given)),
                         c.written);

    // 254 bytes of ASCII and a two-byte letter: the letter goes whole, not halved.
    const QString longName = QString(254, QLatin1Char('n')) + QStringLiteral("é");
    const auto read = GimpParametricBrushFile::read(GimpParametricBrushFile::write({longName}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, QString(254, QLatin1Char('n')));
}

TEST(GimpParametricBrushFile, MapsAComputedTipOntoGimpsEllipse)
{
    struct Case
    {
        ComputedBrush::Parameters tip;
        Parameters expected;
    } cases[] = {
        {{40, 100, 0, 100}, {QString(), 25, 20, 1, 1, 0}},
        // Roundness becomes the long axis over the short one, as far as GIMP's 20 goes, and
        // Kelbrin's short axis is never under a pixel.
        {{40, 25, -45, 100}, {QString(), 25, 20, 1, 4, 135}},
        {{300, 1, 200, 100}, {QString(), 25, 150, 1, 20, 20}},
        {{10, 0, 90, 100}, {QString(), 25, 5, 1, 10, 90}},
        // A soft edge reaches past the diameter and needs GIMP's radius to grow with it.
        {{40, 100, 0, 0}, {QString(), 25, 38.8, 0.34, 1, 0}},
        {{40, 100, 0, 52.5}, {QString(), 25, 25.3, 0.825, 1, 0}},
    };
    for (const Case& c : cases) {
        const Parameters mapped = GimpParametricBrushFile::fromComputed(QString(), c.tip);
        ExpectParameters(mapped, c.expected);
    }
    EXPECT_EQ(GimpParametricBrushFile::fromComputed(QStringLiteral("Tip"), {}).name,
              QStringLiteral("Tip"));
}

} // namespace
