#include "convert/GimpBrushFile.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QImage Ramp(int width, int height)
{
    QImage tip(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            tip.scanLine(y)[x] = uchar((x * 7 + y * 13) & 0xff);
    return tip;
}

TEST(GimpBrushFile, WritesTheVersion2LayoutAndReadsItBack)
{
    for (const QString& name : {QStringLiteral("Chalk"), QString(),
                                QStringLiteral("Ünïcødé / \"quoted\" <tag> 筆 \U0001F58C")}) {
        const GimpBrushFile::Contents written{name, Ramp(5, 3), 40};
        const QByteArray bytes = GimpBrushFile::write(written);
        const qsizetype nameBytes = name.toUtf8().size() + 1;
        ASSERT_EQ(bytes.size(), 28 + nameBytes + 15) << name.toStdString();
        EXPECT_EQ(qFromBigEndian<quint32>(bytes.constData()), quint32(28 + nameBytes));
        EXPECT_EQ(bytes.mid(20, 4), QByteArray("GIMP"));
        EXPECT_EQ(bytes.at(28 + nameBytes - 1), '\0');
        const auto read = GimpBrushFile::read(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->name, name);
        EXPECT_EQ(read->spacing, 40);
        EXPECT_EQ(read->tip, written.tip);
    }
}

// The header the brush shares with patterns is checked with the pattern's reader; here what
// is a brush's own: its sides, its one byte a pixel and its magic.
TEST(GimpBrushFile, RefusesWhatGimpWouldNot)
{
    EXPECT_TRUE(GimpBrushFile::write({QStringLiteral("x"), QImage(), 25}).isEmpty());
    EXPECT_TRUE(GimpBrushFile::write({QStringLiteral("x"), Ramp(10001, 1), 25}).isEmpty());
    EXPECT_FALSE(GimpBrushFile::write({QStringLiteral("x"), Ramp(10000, 1), 25}).isEmpty());

    const QByteArray good = GimpBrushFile::write({QStringLiteral("x"), Ramp(4, 4), 25});
    for (int offset : {16, 20}) { // bytes per pixel, magic
        QByteArray bad = good;
        bad[offset + 3] = char(bad[offset + 3] ^ 0x40);
        EXPECT_FALSE(GimpBrushFile::read(bad)) << offset;
    }
}

} // namespace
