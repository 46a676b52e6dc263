#include "convert/GimpParametricBrushFile.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using File = GimpParametricBrushFile;

TEST(GimpParametricBrushFile, WritesTheShapedLayoutInAnyLocaleAndReadsItBack)
{
    const File::Parameters written{
        QStringLiteral("Ünïcødé \"soft\" 筆"), 30, 12.5, 0.75, 2.5, 17.25};
    const QLocale before;
    QLocale::setDefault(QLocale::German); // writes 12,5 where the locale is followed
    const QByteArray text = File::write(written);
    QLocale::setDefault(before);
    EXPECT_EQ(text, QByteArray("GIMP-VBR\n1.5\n") + written.name.toUtf8() +
                        "\ncircle\n30.000000\n12.500000\n2\n0.750000\n2.500000\n17.250000\n");
    const auto read = File::read(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(File::write(*read), text);

    // GIMP's older form, as its data folder still ships it, here with Windows line ends.
    const auto old = File::read("GIMP-VBR\r\n1.0\r\nOld\r\n10.0\r\n25\r\n0.5\r\n1\r\n0\r\n");
    ASSERT_TRUE(old);
    EXPECT_EQ(File::write(*old), File::write({QStringLiteral("Old"), 10, 25, 0.5, 1, 0}));

    for (const char* bad : {"GIMP-VBR\n1.5\nx\nsquare\n10\n5\n2\n1\n1\n0\n",
                            "GIMP-VBR\n1.5\nx\ncircle\n10\nfive\n2\n1\n1\n0\n",
                            "GIMP-VBR\n1.5\nx\ncircle\n10\n5\n2\n1\n1\n", "GIMP-VBR\n2.0\n",
                            "GIMP-GBR\n1.0\nx\n10\n5\n1\n1\n0\n", ""})
        EXPECT_FALSE(File::read(bad)) << bad;
}

TEST(GimpParametricBrushFile, BringsEveryFieldIntoGimpsRange)
{
    const double nan = std::nan("");
    const std::pair<File::Parameters, File::Parameters> cases[] = {
        {{QStringLiteral("a\nb\rc"), 0, 0, -1, 0.5, -30},
         {QStringLiteral("a b c"), 1, 0.1, 0, 1, 150}},
        {{QString(), 5000, 1e6, 2, 50, 390}, {QString(), 1000, 4000, 1, 20, 30}},
        {{QString(), nan, nan, nan, nan, nan}, {QString(), 25, 5, 1, 1, 0}},
        {{QString(), 25, 5, 1, 1, 180}, {QString(), 25, 5, 1, 1, 0}},
        // 254 bytes of ASCII and a two-byte letter: the letter goes whole, not halved.
        {{QString(254, QLatin1Char('n')) + QStringLiteral("é")}, {QString(254, QLatin1Char('n'))}},
    };
    for (const auto& [given, written] : cases)
        EXPECT_EQ(File::write(given), File::write(written));
}

TEST(GimpParametricBrushFile, MapsAComputedTipOntoGimpsEllipse)
{
    // The tip, its spacing, and what GIMP gets.
    const std::tuple<ComputedBrush::Parameters, double, File::Parameters> cases[] = {
        // Roundness becomes the long axis over the short one, as far as GIMP's 20 goes, and
        // Kelbrin's short axis is never under a pixel.
        {{40, 25, -45, 100}, 10, {QStringLiteral("Tip"), 10, 20, 1, 4, 135}},
        {{300, 1, 200, 100}, 1000, {QStringLiteral("Tip"), 1000, 150, 1, 20, 20}},
        {{10, 0, 90, 100}, 25, {QStringLiteral("Tip"), 25, 5, 1, 10, 90}},
        {{90, 80, -18, 100}, 150, {QStringLiteral("Tip"), 150, 45, 1, 1.25, 162}},
        // A soft edge reaches past the diameter, and GIMP's radius grows with it; its spacing,
        // a percent of that radius, shrinks so that the dabs stay as far apart.
        {{40, 100, 0, 52.5}, 25, {QStringLiteral("Tip"), 25 / 1.265, 25.3, 0.825, 1, 0}},
    };
    for (const auto& [tip, spacing, expected] : cases)
        EXPECT_EQ(File::write(File::fromComputed(QStringLiteral("Tip"), tip, spacing)),
                  File::write(expected));
}

} // namespace
