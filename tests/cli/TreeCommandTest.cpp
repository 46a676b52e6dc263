#include "cli/CliCommands.h"
#include "hierarchy/HierarchyTestSupport.h"

#include "CliRun.h"

#include <gtest/gtest.h>

namespace {

// The outline's rows, one per line.
struct TreeRun
{
    int status = 0;
    QStringList out;
    QString err;
};

TreeRun RunTree(const QStringList& args)
{
    const CliRun run = RunCli(RunTreeCommand, args);
    QStringList lines = run.out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return {run.status, lines, run.err};
}

QString WriteScript(const DiskTree& disk, const QStringList& lines)
{
    const QString path = disk.path(QStringLiteral("script.txt"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write the script");
    f.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    return path;
}

} // namespace

TEST(TreeCommand, PrintsTheOutlineOfThePathsGiven)
{
    DiskTree disk;
    const TreeRun run = RunTree({disk.file(QStringLiteral("ann/Brushes/x.abr")),
                                 disk.file(QStringLiteral("ann/Brushes/y.abr")),
                                 disk.file(QStringLiteral("ann/Other/z.abr"))});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, (QStringList{"ann/ (3)", "  Brushes/ (2)", "    x.abr", "    y.abr",
                                    "  Other/ (1)", "    z.abr"}));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(TreeCommand, LimitedAndExcludedFolders_ShapeTheOutline)
{
    DiskTree disk;
    const QStringList files{disk.file(QStringLiteral("ann/Brushes/x.abr")),
                            disk.file(QStringLiteral("ann/Other/z.abr")),
                            disk.file(QStringLiteral("Library/l.abr"))};
    const TreeRun run = RunTree(QStringList{"--limited", disk.path(QStringLiteral("ann")),
                                            "--exclude", disk.path(QStringLiteral("Library"))} +
                                files);
    EXPECT_EQ(run.out, (QStringList{"Brushes/ (1)", "  x.abr", "Other/ (1)", "  z.abr"}));
}

TEST(TreeCommand, FullView_StartsAtTheRootAndLeavesTheVolumesFolderOut)
{
    DiskTree disk;
    const VolumesFolderOverride volumes(disk.folder(QStringLiteral("media")));
    const TreeRun run = RunTree({"--full", disk.file(QStringLiteral("media/Disk/d.abr")),
                                 disk.file(QStringLiteral("home/h.abr"))});
    ASSERT_GE(run.out.size(), 4);
    EXPECT_EQ(run.out.first(), QStringLiteral("/"));
    EXPECT_EQ(run.out.filter(QStringLiteral("media/")).size(), 0);
    EXPECT_EQ(run.out.mid(run.out.size() - 2), (QStringList{"Disk/ (1)", "  d.abr"}));
}

TEST(TreeCommand, Script_PrintsOneResultLinePerCommand)
{
    DiskTree disk;
    const QString x = disk.file(QStringLiteral("a/B/x.abr"));
    const QString y = disk.file(QStringLiteral("a/C/y.abr"));
    disk.folder(QStringLiteral("d"));
    const QString script =
        WriteScript(disk, {"add\t" + x, "add\t" + x, "add\t" + y + "\t0x05", "toplevel",
                           "add\t" + disk.file(QStringLiteral("a/C/w.abr")) + "\t13", "# a comment",
                           "", "add\t" + disk.path(QStringLiteral("a/C/w.abr")),
                           "rename\t" + disk.path(QStringLiteral("a/C/w.abr")) + "\tv.abr",
                           "rename\t" + disk.path(QStringLiteral("a/none")) + "\tq",
                           "delete\t" + disk.path(QStringLiteral("a/C/v.abr")), "print",
                           "move\t" + disk.path(QStringLiteral("a/B/x.abr")) + "\t" +
                               disk.file(QStringLiteral("d/x.abr")) + "\t5",
                           "delete\t/"});
    const TreeRun run = RunTree({"--script", script});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QString root = disk.path();
    EXPECT_EQ(
        run.out,
        (QStringList{"add true node=" + root + "/a/ top=1", "add false node=- top=0",
                     "add true node=" + root + "/ top=1", root + "/a/", "add false node=- top=0",
                     "add true node=" + root + "/a/C/ top=0", "rename true node=" + root + "/a/C/",
                     "rename false node=-", "delete true node=" + root + "/a/C/ top=0", "a/ (2)",
                     "  B/ (1)", "    x.abr", "  C/ (1)", "    y.abr", "move true node=- top=1",
                     "delete false node=- top=0"}));
}

TEST(TreeCommand, Script_ReportsLinesItCannotRunAndGoesOn)
{
    DiskTree disk;
    const QString script =
        WriteScript(disk, {"bogus", "add", "add\t" + disk.file(QStringLiteral("f/x.abr")) + "\t256",
                           "add\t" + disk.path(QStringLiteral("f/x.abr")) + "\tzz",
                           "toplevel\textra", "add\t" + disk.path(QStringLiteral("f/x.abr"))});
    const TreeRun run = RunTree({"--script", script});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, QStringList{"add true node=" + disk.path() + "/ top=1"});
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 5);
    EXPECT_TRUE(run.err.contains(QStringLiteral("script.txt:1: unknown command bogus")));
    EXPECT_TRUE(run.err.contains(QStringLiteral(":3: bad flags 256")));
}

TEST(TreeCommand, UsageErrors_ExitWithTwo)
{
    EXPECT_EQ(RunTree({"--limited"}).status, 2);
    EXPECT_EQ(RunTree({"--exclude", "/a", "--restrict", "/b"}).status, 2);
    const TreeRun missing = RunTree({"--script", "/nonexistent/kelbrin/script"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("cannot read the script")));
}
