#include "convert/PackMark.h"

#include "abr/ReadWholeBrushFile.h"
#include "convert/BrushPackReader.h"
#include "convert/PackWriter.h"
#include "support/BrushFiles.h"
#include "support/ForeignResources.h"
#include "support/MadeUpHome.h"

#include <QCryptographicHash>
#include <QDir>
#include <gtest/gtest.h>

namespace {

struct NamingSink : CBrushSink
{
    void AddBrush(const BrushPtr& brush) override { names << brush->displayName(); }
    void AddPattern(const PatternPtr&) override {}
    void FinishedReadingFile(const ReadOutcome& outcome) override { failed = outcome.failed(); }
    QStringList names;
    bool failed = true;
};

// Kelbrin tells its own packs from everything else in GIMP's and Krita's folders: by the mark
// file in a pack folder, by meta.xml's generator in a bundle (which earlier versions wrote
// too); the source's hash comes back with the mark. What is not Kelbrin's stays out of the
// trash, and its tips are read where Kelbrin can read them, without calling it damaged.
TEST(PackMark, OnlyWhatKelbrinWroteIsKelbrinsToTrash)
{
    MadeUpHome home;
    const QByteArray bytes = SampledBrushFile(NamedBrushes("ink", 2, 8, 8));
    const QString abr = home.file("Inking.abr", bytes);
    const QByteArray sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    ASSERT_EQ(FileSha256Hex(abr), sha256);
    const WholeBrushFile read = ReadWholeBrushFile(abr);
    const QString gimp = home.folder("gimp"), krita = home.folder("krita");
    const QStringList apps = {gimp, krita};
    QString packs[2];
    for (const PackTarget target : {PackTarget::Gimp, PackTarget::Krita}) {
        BrushPack pack = BuildBrushPack(*read.file, target);
        pack.sourceName = "Inking.abr";
        pack.sourceSha256 = sha256;
        const PackWriteResult written = target == PackTarget::Gimp
                                            ? WritePackFolder(pack, gimp + "/brushes")
                                            : WritePackBundle(pack, krita, abr);
        ASSERT_EQ(written.status, PackWriteResult::Status::Written) << qPrintable(written.error);
        packs[int(target)] = written.path;
        const std::optional<PackMark> mark = ReadPackMark(written.path);
        ASSERT_TRUE(mark) << qPrintable(written.path);
        EXPECT_EQ(mark->sourceSha256, sha256);
        EXPECT_EQ(ForeignResourceReason(written.path, apps), QString());
    }
    EXPECT_EQ(ReadPackMark(packs[0])->sourceName, "Inking.abr");

    const QString kritas = WriteKritaOwnBundle(krita + "/Krita_3_Default_Resources.bundle");
    const QString earlier = WriteKritaOwnBundle(krita + "/Earlier.bundle", "Kelbrin");
    const QString foreignTip = home.file("gimp/brushes/Downloaded/Foreign.gbr", SmallGbr("F"));
    const QString notAMark = home.file("gimp/brushes/Other/.kelbrin-pack", "Somebody's pack\n");
    const QString elsewhere = WriteKritaOwnBundle(home.path("Downloads.bundle"));
    const QString brushFile = home.file("gimp/brushes/Photoshop.abr", bytes);
    EXPECT_FALSE(ReadPackMark(kritas));
    ASSERT_TRUE(ReadPackMark(earlier));
    EXPECT_EQ(ReadPackMark(earlier)->sourceSha256, QByteArray());
    for (const QString& path :
         {QFileInfo(foreignTip).path(), QFileInfo(notAMark).path(), abr, home.path("missing")})
        EXPECT_FALSE(ReadPackMark(path)) << qPrintable(path);

    for (const QString& path : {kritas, QFileInfo(foreignTip).path(), foreignTip,
                                QFileInfo(notAMark).path(), elsewhere, krita})
        EXPECT_NE(ForeignResourceReason(path, apps), QString()) << qPrintable(path);
    for (const QString& path : {earlier, brushFile, abr, home.folder("Documents/Set")})
        EXPECT_EQ(ForeignResourceReason(path, apps), QString()) << qPrintable(path);

    // Krita's bundle gives the one tip Kelbrin reads; its picture tip and preset are passed over.
    NamingSink sink;
    BrushPackReader(kritas).Read(sink);
    EXPECT_EQ(sink.names, QStringList{"Foreign Tip"});
    EXPECT_FALSE(sink.failed);
}

} // namespace
