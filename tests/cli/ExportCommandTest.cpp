#include "abr/Type6Writer.h"
#include "cli/CliCommands.h"
#include "support/TestUtil.h"

#include "CliRun.h"
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {
CliRun Export(const QStringList& args)
{
    return RunCli(RunExportCommand, args);
}

TEST(ExportCommandTest, WritesOnePngPerBrushIntoANewFolder)
{
    Sandbox sandbox;
    const QString file = TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr"));
    const QString target = sandbox.path(QStringLiteral("Set"));

    const CliRun first = Export({file, target});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("Created %1\nWrote 2 files\n").arg(target));
    EXPECT_EQ(QImage(target + QStringLiteral("/0.png")).size(), QSize(15, 14));
    EXPECT_EQ(QImage(target + QStringLiteral("/1.png")).size(), QSize(40, 40));

    const CliRun second = Export({QStringLiteral("--transparent"), file, target});
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(second.out.startsWith(QStringLiteral("Created %1-1\n").arg(target)));
    EXPECT_TRUE(QImage(target + QStringLiteral("-1/0.png")).hasAlphaChannel());
}

TEST(ExportCommandTest, DamagedFileExportsWhatWasReadAndFails)
{
    Sandbox sandbox;
    const QString damaged = sandbox.write(QStringLiteral("bad.abr"), OneGoodSampleThenDamage());
    const CliRun run = Export({damaged, sandbox.path(QStringLiteral("out"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral(": stopped: not a valid brush file, or damaged\n")))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Wrote 1 file\n")));
    EXPECT_EQ(QImage(sandbox.path(QStringLiteral("out/0.png"))).size(), QSize(2, 2));
}

// Unreadable, unsupported or empty: nothing to export, and no folder either.
TEST(ExportCommandTest, FileThatYieldsNoBrushMakesNoFolder)
{
    Sandbox sandbox;
    const QString out = sandbox.path(QStringLiteral("out"));
    const CliRun missing = Export({sandbox.path(QStringLiteral("missing.abr")), out});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no such file or directory")));
    const CliRun text = Export({sandbox.write(QStringLiteral("t.abr"), "hello\n"), out});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err.count(QLatin1Char('\n')), 1) << text.err.toStdString();
    EXPECT_EQ(text.err, QStringLiteral("%1: not a brush file; nothing exported\n")
                            .arg(sandbox.path(QStringLiteral("t.abr"))));
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(ExportCommandTest, FolderIsMadeAsNamedAndNamesOfNoNewFolderAreRefused)
{
    Sandbox sandbox;
    const QString file = TestDataPath(QStringLiteral("agpsd_tilt.abr"));
    const CliRun run = Export({file, sandbox.path(QStringLiteral("Set//"))});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(sandbox.path(QStringLiteral("Set/0.png"))).isFile());
    for (const char* dir : {"", "/", ".", "..", "./", "a/.."})
        EXPECT_EQ(Export({file, QString::fromLatin1(dir)}).status, 2) << dir;
    EXPECT_EQ(Export({}).status, 2);
    EXPECT_EQ(Export({QStringLiteral("a.abr")}).status, 2);
}
} // namespace
