#include "abr/Type6Writer.h"
#include "support/BrushFiles.h"
#include "support/MadeUpHome.h"

#include "actions/BrushInstaller.h"
#include "convert/PackMark.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

namespace {
// Photoshop CS6 under Wine with its presets folder, GIMP 2.10 without a brushes folder yet,
// and Krita.
struct ThreeApps
{
    MadeUpHome home;
    QString photoshop =
        home.adobeApp(".wine", "Adobe Photoshop CS6", "Photoshop.exe", 13) + "/Presets/Brushes";
    QString gimp = home.folder(".config/GIMP/2.10") + "/brushes";
    QString krita = home.folder(".local/share/krita");
    PaintingAppList apps;

    ThreeApps()
    {
        QDir().mkpath(photoshop);
        apps = FindInstalledPaintingApps();
    }
    // Every file below the applications' folders, relative to the home folder.
    QStringList written() const
    {
        QStringList files;
        for (const QString& folder : {photoshop, gimp, krita}) {
            QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next().mid(home.path().size() + 1);
        }
        return files;
    }
};

struct RefusalCase
{
    const char* what;
    QByteArray bytes;
    const char* reason;
};

class InstallRefusalTest : public ::testing::TestWithParam<RefusalCase>
{
};
} // namespace

// Nothing is written anywhere, not even Photoshop's plain copy, for a file that gives no brush.
TEST_P(InstallRefusalTest, WritesNothingAndSaysWhy)
{
    ThreeApps machine;
    const RefusalCase& c = GetParam();
    ASSERT_EQ(machine.apps.size(), 3u);
    const BrushInstaller::Report report =
        BrushInstaller::installItem(machine.home.file("x.abr", c.bytes), machine.apps);
    EXPECT_EQ(report.refusal.toStdString(), c.reason);
    EXPECT_TRUE(report.outcomes.empty());
    EXPECT_FALSE(report.succeeded());
    EXPECT_EQ(machine.written(), QStringList());
    EXPECT_FALSE(QFileInfo::exists(machine.gimp));
    EXPECT_EQ(BrushInstaller::headline(report, "x.abr").toStdString(),
              std::string("“x.abr” was not installed: ") + c.reason + ".");
}

static QByteArray OnePatternFile()
{
    PatternRecordDescription pattern;
    pattern.width = pattern.height = 1;
    pattern.channels = {{true, 8, false, "\x40"}};
    return PatternsOnlyFile({pattern});
}

INSTANTIATE_TEST_SUITE_P(
    BrushInstaller, InstallRefusalTest,
    ::testing::Values(RefusalCase{"empty", QByteArray(), "the file is empty"},
                      RefusalCase{"text", "127.0.0.1 localhost\n", "not a brush file"},
                      RefusalCase{"version5", QByteArray("\0\5\0\1", 4),
                                  "a brush file of version 5, which Kelbrin cannot read"},
                      RefusalCase{"noBrushes", QByteArray("\0\2\0\0", 4),
                                  "the file holds no brushes"},
                      RefusalCase{"onlyPatterns", OnePatternFile(),
                                  "the file holds patterns but no brushes (export them as "
                                  "pictures instead)"},
                      RefusalCase{"cutInFirst", TruncatedInBrush(NamedBrushes("b", 2, 8, 8), 0),
                                  "not a brush file, or too damaged for any brush to be read"}),
    [](const auto& info) { return std::string(info.param.what); });

// The headline puts failures first; Photoshop's missing presets folder is a failure (Wine's
// folders are not ours to make) while GIMP's is made. A damaged file gives what it can.
TEST(BrushInstaller, FailuresLeadTheHeadlineAndDamagedFilesGiveWhatTheyCan)
{
    ThreeApps machine;
    const std::vector<SampledBrushDescription> brushes = NamedBrushes("b", 3, 8, 8);
    const QString soft = machine.home.file("Soft.abr", SampledBrushFile(brushes));
    using eResult = BrushInstaller::Outcome::eResult;
    EXPECT_TRUE(BrushInstaller::installItem(soft, machine.apps).succeeded());

    QDir(machine.photoshop).removeRecursively();
    const BrushInstaller::Report second = BrushInstaller::installItem(soft, machine.apps);
    EXPECT_FALSE(second.succeeded());
    ASSERT_EQ(second.outcomes.size(), 3u);
    EXPECT_EQ(second.count(eResult::Failed), 1);
    EXPECT_EQ(second.count(eResult::Duplicate), 2);
    EXPECT_EQ(BrushInstaller::headline(second, "Soft.abr"),
              "“Soft.abr” could not be installed in Adobe Photoshop CS6.");
    EXPECT_TRUE(BrushInstaller::outcomeLine(second.outcomes[0])
                    .endsWith("/Soft.abr: its brushes folder " + machine.photoshop + " is missing"))
        << qPrintable(BrushInstaller::outcomeLine(second.outcomes[0]));
    EXPECT_FALSE(QFileInfo::exists(machine.photoshop));

    // Two of three brushes survive the cut: they are installed, and the damage is said.
    const QString cut = machine.home.file("Cut.abr", TruncatedInBrush(brushes, 2));
    const BrushInstaller::Report damaged = BrushInstaller::installItem(cut, {machine.apps[1]});
    EXPECT_TRUE(damaged.succeeded());
    EXPECT_EQ(damaged.damage, "the file is damaged: only 2 brushes could be read from it");
    EXPECT_EQ(QDir(machine.gimp + "/Cut").entryList(QDir::Files).size(), 2);
}

namespace {
// The same contents under another name ("Inking (1).abr", a second download) are installed
// already: each application names what has them, and nothing is written. The comparison is by
// contents: in Photoshop's folder the file itself, in GIMP's and Krita's the hash their packs'
// marks record.
TEST(BrushInstaller, AnIdenticalFileUnderAnotherNameIsAlreadyInstalledAsTheFirst)
{
    ThreeApps machine;
    const QByteArray bytes = SampledBrushFile(NamedBrushes("ink", 2, 8, 8));
    const QString first = machine.home.file("Inking.abr", bytes);
    ASSERT_TRUE(BrushInstaller::installItem(first, machine.apps).succeeded());
    const QStringList before = machine.written();

    const QString copy = machine.home.file("Downloads/Inking (1).abr", bytes);
    const BrushInstaller::Report again = BrushInstaller::installItem(copy, machine.apps);
    EXPECT_EQ(machine.written(), before);
    QStringList lines;
    for (const BrushInstaller::Outcome& outcome : again.outcomes)
        lines << BrushInstaller::outcomeLine(outcome);
    EXPECT_EQ(lines,
              QStringList(
                  {"Adobe Photoshop CS6: already installed as " + machine.photoshop + "/Inking.abr",
                   "GIMP 2.10: already installed as " + machine.gimp + "/Inking",
                   "Krita: already installed as " + machine.krita + "/Inking.bundle"}));
    EXPECT_EQ(BrushInstaller::headline(again, "Inking (1).abr"),
              "“Inking (1).abr” is already installed in Adobe Photoshop CS6, GIMP 2.10 and Krita.");

    // Another file is no duplicate, however its name starts.
    const QString other =
        machine.home.file("Inking 2.abr", SampledBrushFile(NamedBrushes("x", 1, 8, 8)));
    EXPECT_TRUE(BrushInstaller::installItem(other, machine.apps).succeeded());
}
} // namespace

namespace {
// A GIMP pack of an earlier version has no mark. Installing the same file again finds the pack
// holds exactly what would be written, and marks it; another file of that name does not.
TEST(BrushInstaller, AnEarlierUnmarkedGimpPackOfTheSameFileIsMarked)
{
    ThreeApps machine;
    const QString ink = machine.home.file("Ink.abr", SampledBrushFile(NamedBrushes("i", 2, 8, 8)));
    const PaintingAppList gimp = {machine.apps[1]};
    ASSERT_TRUE(BrushInstaller::installItem(ink, gimp).succeeded());
    const QString mark = machine.gimp + "/Ink/.kelbrin-pack";
    ASSERT_TRUE(QFile::remove(mark));

    const QString other =
        machine.home.file("Other/Ink.abr", SampledBrushFile(NamedBrushes("i", 1, 8, 8)));
    const BrushInstaller::Report named = BrushInstaller::installItem(other, gimp);
    EXPECT_EQ(BrushInstaller::outcomeLine(named.outcomes[0]),
              "GIMP 2.10: already has " + machine.gimp + "/Ink");
    EXPECT_FALSE(QFile::exists(mark));

    const BrushInstaller::Report same = BrushInstaller::installItem(ink, gimp);
    EXPECT_EQ(BrushInstaller::outcomeLine(same.outcomes[0]),
              "GIMP 2.10: already installed as " + machine.gimp + "/Ink");
    EXPECT_TRUE(ReadPackMark(machine.gimp + "/Ink"));
}
} // namespace

// What the window's Install command is labelled with: where an install goes, by product.
TEST(BrushInstaller, TargetNamesSayWhereAnInstallGoes)
{
    ThreeApps machine;
    EXPECT_EQ(BrushInstaller::targetNames(machine.apps), "Photoshop, GIMP and Krita");
    EXPECT_EQ(BrushInstaller::targetNames({machine.apps[1], machine.apps[2], machine.apps[1]}),
              "GIMP and Krita");
    EXPECT_EQ(BrushInstaller::targetNames({}), "");
}
