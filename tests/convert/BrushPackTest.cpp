#include "convert/BrushPack.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/InkTip.h"
#include "convert/KritaBundle.h"
#include "convert/PackWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

template <typename T> BrushPtr Sampled(const char* name, int w, int h, std::vector<T> samples)
{
    PixelBlock block(samples.size() * sizeof(T));
    if (!block.empty())
        std::memcpy(block.data(), samples.data(), block.size());
    return std::make_shared<SampledBrush>(name ? std::optional<QString>(QString::fromUtf8(name))
                                               : std::nullopt,
                                          w, h, int(sizeof(T) * 8), std::move(block));
}

QByteArray Pixels(const QImage& grey)
{
    QByteArray out;
    for (int y = 0; y < grey.height(); ++y)
        out.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    return out;
}

TEST(BrushPack, EntryNamesKeepTheFilesOrderAndAreSafe)
{
    EXPECT_EQ(PackEntryName(7, 20, QStringLiteral("Chalk"), QStringLiteral(".gbr")),
              QStringLiteral("007 Chalk.gbr"));
    EXPECT_EQ(PackEntryName(7, 1500, QStringLiteral("Chalk"), QStringLiteral(".gbr")),
              QStringLiteral("0007 Chalk.gbr"));
    EXPECT_EQ(PackEntryName(3, 4, QString(), QStringLiteral(".vbr")),
              QStringLiteral("003 Brush 003.vbr"));
    EXPECT_EQ(PackEntryName(0, 1, QStringLiteral(" a/b:c*?\"<>|\x01."), QStringLiteral(".gbr")),
              QStringLiteral("000 a_b_c_______.gbr"));
    EXPECT_EQ(PackNameForFile(QStringLiteral("/x/My Brushes.v2.abr")),
              QStringLiteral("My Brushes.v2"));
}

// Each depth lands on 8 bits with rounding, and the report says what changed.
TEST(BrushPack, DepthsBecomeEightBitInkAndTheReportSaysWhatChanged)
{
    BrushFile file(QStringLiteral("/x/set.abr"));
    file.addBrush(Sampled<quint8>("eight", 3, 1, {0, 128, 255}));
    file.addBrush(Sampled<quint16>("sixteen", 4, 1, {0, 128, 32896, 65535}));
    file.addBrush(Sampled<float>("float", 4, 1, {-1.0f, 0.5f, 1.0f, 7.0f}));
    file.addBrush(Sampled<quint8>(nullptr, 0, 0, {}));
    file.addBrush(ComputedBrush::brushWithName(QStringLiteral("round"), 9, 100, 0, 100));

    const BrushPack krita = BuildBrushPack(file, PackTarget::Krita);
    ASSERT_EQ(krita.brushes.size(), 5u);
    ASSERT_EQ(krita.entries.size(), 4u);
    const QList<QByteArray> expected = {QByteArray("\x00\x80\xff", 3),
                                        QByteArray("\x00\x00\x80\xff", 4),
                                        QByteArray("\x00\x80\xff\xff", 4)};
    for (int i = 0; i < 3; ++i) {
        const auto read = GimpBrushFile::read(krita.entryBytes(size_t(i)));
        ASSERT_TRUE(read) << i;
        EXPECT_EQ(Pixels(read->tip), expected[i]) << i;
    }
    EXPECT_EQ(krita.brushes[0].outcome, PackedBrush::Outcome::Kept);
    EXPECT_EQ(krita.brushes[1].what, QStringList{QStringLiteral("16-bit reduced to 8-bit")});
    EXPECT_EQ(krita.brushes[2].what, QStringList{QStringLiteral("32-bit reduced to 8-bit")});
    EXPECT_EQ(krita.brushes[3].outcome, PackedBrush::Outcome::NotCarried);
    EXPECT_EQ(krita.brushes[4].what, QStringList{QStringLiteral("computed tip drawn as pixels")});
    EXPECT_EQ(krita.entries[3].fileName, QStringLiteral("004 round.gbr"));
    EXPECT_EQ(GimpBrushFile::read(krita.entryBytes(3))->tip.size(), QSize(9, 9));
    EXPECT_EQ(krita.count(PackedBrush::Outcome::Changed), 3);

    // GIMP draws computed tips itself.
    const BrushPack gimp = BuildBrushPack(file, PackTarget::Gimp);
    EXPECT_EQ(gimp.entries[3].fileName, QStringLiteral("004 round.vbr"));
    EXPECT_EQ(gimp.brushes[4].outcome, PackedBrush::Outcome::Kept);
}

TEST(BrushPack, TipsOverGimpsLimitAreScaledDownKeepingTheirAspect)
{
    BrushFile file(QStringLiteral("/x/wide.abr"));
    file.addBrush(Sampled<quint8>("wide", 12000, 2, std::vector<quint8>(24000, 200)));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Gimp);
    ASSERT_EQ(pack.entries.size(), 1u);
    const auto read = GimpBrushFile::read(pack.entryBytes(0));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->tip.width(), 10000);
    EXPECT_LE(read->tip.height(), 2);
    EXPECT_EQ(pack.brushes[0].what,
              QStringList{QStringLiteral("scaled from 12,000 to 10,000 pixels")});
}

// The plan knows each tip's size without drawing it; every entry it promises must come out of
// the brush at that size, computed tips turned and squashed every way included. A huge tip is
// drawn within the drawing budget, never whole, and the plan says from what size.
TEST(BrushPack, EveryPlannedEntryIsMadeAtItsPlannedSize)
{
    BrushFile file(QStringLiteral("/x/tips.abr"));
    for (int i = 0; i < 12; ++i)
        file.addBrush(ComputedBrush::brushWithName(QString::number(i), 3.5 + i * 9.3, 5 + i * 8,
                                                   i * 37 - 180, i * 9));
    file.addBrush(ComputedBrush::brushWithName(QStringLiteral("huge"), 65535, 100, 0, 100));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Krita);
    ASSERT_EQ(pack.entries.size(), file.count());
    for (size_t i = 0; i < pack.entries.size(); ++i) {
        const auto read = GimpBrushFile::read(pack.entryBytes(i));
        ASSERT_TRUE(read) << i;
        EXPECT_EQ(read->tip.size(), PlanInkTip(*file.brush(i))->size) << i;
        if (i < 12)
            EXPECT_EQ(read->tip.size(), file.brush(i)->pixelSize()) << i;
    }
    EXPECT_EQ(pack.brushes[12].what,
              (QStringList{QStringLiteral("computed tip drawn as pixels"),
                           QStringLiteral("scaled from 65,535 to 4,096 pixels")}));
}

// The bundle is written entry by entry; its preview shows the first sixteen tips, one a cell.
TEST(BrushPack, ABundleHoldsEveryEntryAndPreviewsTheFirstSixteenTips)
{
    QTemporaryDir dir;
    BrushFile file(QStringLiteral("/x/many.abr"));
    file.addBrush(Sampled<quint8>("empty", 0, 0, {}));
    for (int i = 0; i < 17; ++i)
        file.addBrush(Sampled<quint8>("ink", 2, 2, {255, 255, 255, quint8(i)}));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Krita);
    const PackWriteResult written = WritePackBundle(pack, dir.path(), file.getPath());
    ASSERT_EQ(written.status, PackWriteResult::Status::Written) << written.error.toStdString();
    const auto read = KritaBundle::read(written.path);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->resources.size(), 17u);
    for (size_t i = 0; i < 17; ++i)
        EXPECT_EQ(read->resources[i].bytes, pack.entryBytes(i)) << i;
    EXPECT_EQ(read->resources[16].fileName, QStringLiteral("017 ink.gbr"));
    for (int cell = 0; cell < 16; ++cell)
        EXPECT_LT(qGray(read->preview.pixel(20 + 64 * (cell % 4), 20 + 64 * (cell / 4))), 8)
            << cell;
    EXPECT_EQ(WritePackBundle(pack, dir.path(), file.getPath()).status,
              PackWriteResult::Status::AlreadyExists);
}

TEST(BrushPack, AFolderPackAppearsWholeAndIsNeverReplaced)
{
    QTemporaryDir dir;
    BrushFile file(QStringLiteral("/x/set.abr"));
    file.addBrush(Sampled<quint8>("a", 1, 1, {9}));
    file.addBrush(Sampled<quint8>("b", 1, 1, {7}));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Gimp);
    const QString brushes = dir.filePath(QStringLiteral("brushes"));
    const PackWriteResult first = WritePackFolder(pack, brushes);
    ASSERT_EQ(first.status, PackWriteResult::Status::Written) << first.error.toStdString();
    EXPECT_EQ(first.path, QDir(brushes).filePath(QStringLiteral("set")));
    EXPECT_EQ(QDir(first.path).entryList(QDir::Files),
              QStringList({QStringLiteral("000 a.gbr"), QStringLiteral("001 b.gbr")}));
    EXPECT_EQ(WritePackFolder(pack, brushes).status, PackWriteResult::Status::AlreadyExists);
    // Nothing half-written stays beside it.
    EXPECT_EQ(QDir(brushes).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("set")});
}

} // namespace
