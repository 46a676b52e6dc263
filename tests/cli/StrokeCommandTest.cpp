#include "abr/Type6Writer.h"
#include "cli/CliCommands.h"
#include "support/TestUtil.h"

#include "CliRun.h"
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {
CliRun Stroke(const QStringList& args)
{
    return RunCli(RunStrokeCommand, args);
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Inked(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128)
            return true;
    return false;
}

// The file's one preset has 55 % size jitter: its seed decides the stroke.
TEST(StrokeCommandTest, OneSeedRepaintsTheSamePngAndAnotherPaintsAnother)
{
    Sandbox sandbox;
    const QString file = TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr"));
    const QString first = sandbox.path(QStringLiteral("first.png"));
    const CliRun run = Stroke({file, QStringLiteral("--out"), first});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Wrote %1: brush 0 “Patchy Dual Probe”\n").arg(first));
    const QImage image(first);
    EXPECT_EQ(image.size(), QSize(400, 160));
    EXPECT_TRUE(Inked(image, 80));
    EXPECT_FALSE(Inked(image, 0));

    // The default seed is 1; an existing output is replaced.
    const QString again = sandbox.write(QStringLiteral("again.png"), "old");
    EXPECT_EQ(Stroke({QStringLiteral("--seed"), QStringLiteral("1"), file, QStringLiteral("--out"),
                      again})
                  .status,
              0);
    EXPECT_TRUE(Bytes(again) == Bytes(first)) << "seed 1 painted another stroke";
    const QString other = sandbox.path(QStringLiteral("other.png"));
    EXPECT_EQ(Stroke({file, QStringLiteral("--seed=2"), QStringLiteral("--out"), other}).status, 0);
    EXPECT_TRUE(Bytes(other) != Bytes(first)) << "seed 2 painted the stroke of seed 1";

    const QString line = sandbox.path(QStringLiteral("line.png"));
    EXPECT_EQ(Stroke({file, QStringLiteral("--name"), QStringLiteral("dual"),
                      QStringLiteral("--size"), QStringLiteral("200x90"), QStringLiteral("--path"),
                      QStringLiteral("line"), QStringLiteral("--out"), line})
                  .status,
              0);
    const QImage across(line);
    EXPECT_EQ(across.size(), QSize(200, 90));
    EXPECT_TRUE(Inked(across, 45));
}

TEST(StrokeCommandTest, BadCommandLinesPathsAndFilesAreToldInWords)
{
    Sandbox sandbox;
    const QString file = TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr"));
    const QString out = sandbox.path(QStringLiteral("out.png"));
    const QString o = QStringLiteral("--out");
    const QString notArray = sandbox.write(QStringLiteral("a.json"), R"({"x": 1, "y": 2})");
    const QString badPoint = sandbox.write(QStringLiteral("p.json"), R"([{"x": 1, "y": "up"}])");
    const QString text = sandbox.write(QStringLiteral("t.abr"), "hello\n");
    const QString damaged = sandbox.write(QStringLiteral("bad.abr"), OneGoodSampleThenDamage());
    const struct
    {
        QStringList args;
        int status;
        QString said;
    } cases[] = {
        {{o, out}, 2, QStringLiteral("stroke: no FILE given\n")},
        {{file}, 2, QStringLiteral("stroke: no --out PNG given\n")},
        {{file, o, out, QStringLiteral("--brush=0"), QStringLiteral("--name=x")},
         2,
         QStringLiteral("--brush and --name both choose the brush; give one\n")},
        {{file, o, out, QStringLiteral("--size=0x10")},
         2,
         QStringLiteral("--size takes WIDTHxHEIGHT, each 1 to 4096 pixels, not \"0x10\"\n")},
        {{file, o, out, QStringLiteral("--seed=-1")},
         2,
         QStringLiteral("--seed takes a number from 0 to 4294967295, not \"-1\"\n")},
        {{file, o, out, QStringLiteral("--path"), notArray},
         1,
         QStringLiteral(": not an array of points\n")},
        {{file, o, out, QStringLiteral("--path"), badPoint},
         1,
         QStringLiteral(": point 0: \"y\" is not a number\n")},
        {{file, o, out, QStringLiteral("--name=Soft Round")},
         1,
         QStringLiteral(": no brush named “Soft Round” among its 1 brush\n")},
        {{file, o, out, QStringLiteral("--brush=1")},
         1,
         QStringLiteral(": no brush 1; its brushes are 0 to 0\n")},
        {{text, o, out}, 1, QStringLiteral("t.abr: not a brush file; nothing painted\n")},
        {{file, o, file}, 1, QStringLiteral(" is the brush file itself; not replaced\n")},
    };
    for (const auto& c : cases) {
        const CliRun run = Stroke(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.said)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.args.join(' ').toStdString();
    }
    EXPECT_TRUE(QImage(file).isNull()) << "the brush file was replaced";

    // What a damaged file held before the damage is painted, and the damage said.
    const CliRun run = Stroke({damaged, o, out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral(": stopped: not a valid brush file, or damaged\n")))
        << run.err.toStdString();
    EXPECT_EQ(QImage(out).size(), QSize(400, 160));
}
} // namespace
