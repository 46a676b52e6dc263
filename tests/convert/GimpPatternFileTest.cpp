#include "convert/GimpPatternFile.h"
#include "MadeUpPatterns.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

quint32 Word(const QByteArray& bytes, int at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// Every kind of pattern lands on the bytes per pixel GIMP expects for it, 8 bits a channel,
// behind a header GIMP reads; the reader gives back what was written.
TEST(GimpPatternFile, EachKindOfPatternIsWrittenWithItsBytesPerPixel)
{
    for (const PatternCase& c : MadeUpPatterns()) {
        const QString name = c.pattern->displayName();
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes =
            GimpPatternFile::write(GimpPatternFile::fromPattern(name, *c.pattern));
        const QByteArray utf8 = name.toUtf8();
        const int header = 24 + int(utf8.size()) + 1;
        ASSERT_EQ(bytes.size(), header + 2 * c.bytesPerPixel);
        EXPECT_EQ(Word(bytes, 0), quint32(header));
        EXPECT_EQ(Word(bytes, 4), 1u);
        EXPECT_EQ(Word(bytes, 8), 2u);
        EXPECT_EQ(Word(bytes, 12), 1u);
        EXPECT_EQ(Word(bytes, 16), quint32(c.bytesPerPixel));
        EXPECT_EQ(bytes.mid(20, 4), QByteArray("GPAT"));
        EXPECT_EQ(bytes.mid(24, header - 24), utf8 + '\0');
        EXPECT_EQ(bytes.mid(header).toHex(' '), c.pixels.toHex(' '));

        const auto read = GimpPatternFile::read(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->name, name);
        EXPECT_EQ(GimpPatternFile::bytesPerPixel(*read), c.bytesPerPixel);
        EXPECT_EQ(GimpPatternFile::write(*read), bytes);
    }
}

TEST(GimpPatternFile, TheReportSaysWhatChangesAndBigPatternsAreScaledToGimpsLimit)
{
    const std::vector<PatternCase> cases = MadeUpPatterns();
    EXPECT_TRUE(GimpPatternFile::changesFor(*cases[0].pattern).isEmpty());
    EXPECT_EQ(GimpPatternFile::changesFor(*cases[1].pattern),
              QStringList{QStringLiteral("16-bit reduced to 8-bit")});

    QImage wide(12000, 3, QImage::Format_RGB32);
    wide.fill(qRgb(5, 6, 7));
    const Pattern big(QStringLiteral("Wide"), QString(), Pattern::Mode::Rgb, 8, wide);
    EXPECT_EQ(GimpPatternFile::changesFor(big),
              QStringList{QStringLiteral("scaled from 12,000 to 10,000 pixels")});
    const auto read = GimpPatternFile::read(
        GimpPatternFile::write(GimpPatternFile::fromPattern(QStringLiteral("Wide"), big)));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->image.size(), QSize(10000, 2));
    EXPECT_EQ(read->image.pixel(5000, 1), qRgb(5, 6, 7));
}

TEST(GimpPatternFile, TheReaderRefusesWhatGimpWouldRefuse)
{
    const QByteArray good = GimpPatternFile::write(
        GimpPatternFile::fromPattern(QStringLiteral("P"), *MadeUpPatterns()[3].pattern));
    ASSERT_TRUE(GimpPatternFile::read(good));
    auto with = [&](int at, quint32 value) {
        QByteArray bad = good;
        qToBigEndian(value, bad.data() + at);
        return bad;
    };
    EXPECT_FALSE(GimpPatternFile::read(good.left(good.size() - 1))) << "cut short";
    EXPECT_FALSE(GimpPatternFile::read(good.left(20)));
    EXPECT_FALSE(GimpPatternFile::read(with(4, 2))) << "version";
    EXPECT_FALSE(GimpPatternFile::read(with(16, 5))) << "bytes per pixel";
    EXPECT_FALSE(GimpPatternFile::read(with(16, 0)));
    EXPECT_FALSE(GimpPatternFile::read(with(20, 0x47494d50))) << "a brush's magic";
    EXPECT_FALSE(GimpPatternFile::read(with(8, 0xffffffff))) << "width";
    EXPECT_TRUE(GimpPatternFile::write({QStringLiteral("none"), QImage(), false}).isEmpty());
}

} // namespace
