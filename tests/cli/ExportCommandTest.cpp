#include "abr/Type6Writer.h"
#include "actions/BrushExporter.h"
#include "cli/CliCommands.h"
#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include "CliRun.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {
CliRun Export(const QStringList& args)
{
    return RunCli(RunExportCommand, args);
}

TEST(ExportCommandTest, WritesOnePngPerBrushIntoANewFolder)
{
    Sandbox sandbox;
    const QString file = sandbox.write(QStringLiteral("set.abr"), SampleAndSoftTipFile());
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

    // Named after the brush as people read it: no terminating zero unit.
    const CliRun named = Export({QStringLiteral("--names"), file, target});
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(QImage(target + QStringLiteral("-2/Patchy Dual Probe.png")).size(), QSize(15, 14));
}

template <typename Value> int MinimumOf(const QImage& image, Value value)
{
    int least = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            least = std::min(least, value(image.pixel(x, y)));
    return least;
}

TEST(ExportCommandTest, StrokesAreOnePngPerPresetInkedOnWhiteOrClear)
{
    Sandbox sandbox;
    const QString file = TestDataPath(QStringLiteral("agpsd_special.abr"));
    const QString target = sandbox.path(QStringLiteral("Strokes"));
    const CliRun run = Export({QStringLiteral("--strokes"), file, target});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Wrote 6 files\n"))) << run.out.toStdString();
    for (int i = 0; i < 6; ++i) {
        const QImage stroke(QStringLiteral("%1/%2.png").arg(target).arg(i));
        EXPECT_EQ(stroke.size(), BrushExporter::kStrokeSize) << i;
        EXPECT_EQ(stroke.pixel(0, 0), qRgb(255, 255, 255)) << i;
        EXPECT_LT(MinimumOf(stroke, [](QRgb p) { return qGray(p); }), 255) << i;
    }
    EXPECT_EQ(
        Export({QStringLiteral("--strokes"), QStringLiteral("--transparent"), file, target}).status,
        0);
    const QImage clear(target + QStringLiteral("-1/0.png"));
    EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);
    EXPECT_LT(MinimumOf(clear, [](QRgb p) { return 255 - qAlpha(p); }), 255);
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

// Runs the built kelbrin-cli export with its address space capped, as on a machine short of
// memory. A program of its own: a fork of this one would inherit Qt's drawing threads dead.
CliRun ExportWithin(long long bytes, const QStringList& args)
{
    const QString cli = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + "/src/kelbrin-cli";
    CliRun run;
    run.status = -1;
    if (!QFile::exists(cli))
        return run;
    QProcess process;
    process.setChildProcessModifier([bytes] {
        const rlimit cap{rlim_t(bytes), rlim_t(bytes)};
        setrlimit(RLIMIT_AS, &cap);
    });
    process.start(cli, QStringList{QStringLiteral("export")} + args);
    process.waitForFinished(120000);
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Tips of the largest diameter a file can give are drawn within a budget and written smaller,
// which is said; a tip of no size is not written, which fails the export.
TEST(ExportCommandTest, HugeTipsAreWrittenScaledWithinBoundedMemoryAndEmptyOnesFail)
{
    Sandbox sandbox;
    AbrWriter empty;
    empty.u16(2).u16(2);
    empty.computedRecord(true, QStringLiteral("none"), 0, 100, 0, 100)
        .computedRecord(true, QStringLiteral("dot"), 5, 100, 0, 100);
    const QString emptyOut = sandbox.path(QStringLiteral("empty"));
    const CliRun failed =
        Export({sandbox.write(QStringLiteral("empty.abr"), empty.data()), emptyOut});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.out.endsWith(QStringLiteral("Wrote 1 file\n"))) << failed.out.toStdString();
    EXPECT_EQ(failed.err, QStringLiteral("Could not write %1/0.png: a computed tip of 0 x 0 pixels "
                                         "(diameter 0, roundness 100%)\n")
                              .arg(emptyOut));
    EXPECT_EQ(QDir(emptyOut).entryList(QDir::Files), QStringList{QStringLiteral("1.png")});

    AbrWriter huge;
    huge.u16(2).u16(3);
    huge.computedRecord(true, QStringLiteral("hard"), 65535, 100, 0, 100)
        .computedRecord(true, QStringLiteral("soft"), 65535, 100, 30, 0)
        .computedRecord(true, QStringLiteral("flat"), 65535, 10, 45, 50);
    const QString out = sandbox.path(QStringLiteral("huge"));
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit under an address-space cap";
#endif
    if (!QFile::exists(qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + "/src/kelbrin-cli"))
        GTEST_SKIP() << "needs the built kelbrin-cli";
    const CliRun run =
        ExportWithin(400ll << 20, {QStringLiteral("--transparent"),
                                   sandbox.write(QStringLiteral("huge.abr"), huge.data()), out});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Wrote 3 files\n"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("Wrote %1/0.png: scaled from 65,535 to 4,096 pixels\n").arg(out)))
        << run.out.toStdString();
    EXPECT_EQ(run.out.count(QStringLiteral(": scaled from ")), 3);
    for (int i = 0; i < 3; ++i) {
        const QImage tip(QStringLiteral("%1/%2.png").arg(out).arg(i));
        EXPECT_GT(std::max(tip.width(), tip.height()), 1000) << i;
        EXPECT_LE(qlonglong(tip.width()) * tip.height(), BrushExporter::kMaxDrawingPixels) << i;
    }
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

TEST(ExportCommandTest, FileOfPatternsOnlyExportsThem)
{
    Sandbox sandbox;
    PatternRecordDescription pattern;
    pattern.name = QStringLiteral("Moss");
    pattern.mode = 3;
    pattern.width = pattern.height = 1;
    pattern.channels = {
        {true, 8, false, "\x01"}, {true, 8, false, "\x02"}, {true, 8, false, "\x03"}};
    const QString file = sandbox.write(QStringLiteral("p.abr"), PatternsOnlyFile({pattern}));
    const QString target = sandbox.path(QStringLiteral("out"));
    const CliRun run = Export({file, target});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(
        run.out,
        QStringLiteral("Created %1\nWrote 0 files\nWrote 1 pattern into patterns/\n").arg(target));
    EXPECT_EQ(QImage(target + QStringLiteral("/patterns/000 Moss.png")).pixel(0, 0), qRgb(1, 2, 3));
}
