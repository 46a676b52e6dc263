#include "abr/Type6Writer.h"
#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include "cli/CliCommands.h"

#include "CliRun.h"
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
CliRun RunList(const QStringList& args)
{
    return RunCli(RunListCommand, args);
}

QJsonArray JsonFiles(const CliRun& run)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << qPrintable(run.out);
    return doc.object().value(QStringLiteral("files")).toArray();
}

QStringList JsonNames(const QJsonObject& file)
{
    QStringList names;
    for (const QJsonValue& brush : file.value(QStringLiteral("brushes")).toArray())
        names << brush.toObject().value(QStringLiteral("name")).toString();
    return names;
}

// The lines of tips, patterns and files: each preset's own line below its tip is checked where
// the presets are made up.
QString WithoutPresetLines(const QString& out)
{
    QStringList lines = out.split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("  ")); });
    return lines.join(QLatin1Char('\n'));
}

// "FILE: N brushes, 2 patterns, read to the end" whatever N the reader makes of the file.
QRegularExpression EndLine(const QString& file, const QString& rest)
{
    return QRegularExpression(QRegularExpression::escape(file) +
                              QStringLiteral(": \\d+ brush(es)?, ") +
                              QRegularExpression::escape(rest));
}
} // namespace

class ListCommandTest : public ::testing::Test
{
protected:
    Sandbox mSandbox;
    const std::vector<SampledBrushDescription> mFirstBrushes =
        NamedBrushes(QStringLiteral("One"), 30, 64, 64);
    const std::vector<SampledBrushDescription> mSecondBrushes =
        NamedBrushes(QStringLiteral("Two"), 3, 10, 6);
    const QString mFirst = mSandbox.write("first.abr", SampledBrushFile(mFirstBrushes));
    const QString mSecond = mSandbox.write("second.abr", SampledBrushFile(mSecondBrushes));
};

TEST_F(ListCommandTest, PlainListingOfGoodDamagedAndMissingFiles)
{
    const QString damaged = mSandbox.write("damaged.abr", TruncatedInBrush(mFirstBrushes, 1));
    const QString missing = mSandbox.path("missing.abr");
    const CliRun run = RunList({mSecond, damaged, missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(WithoutPresetLines(run.out),
              QStringLiteral("0 sampled 10x6 8 Two 0\n"
                             "1 sampled 10x6 8 Two 1\n"
                             "2 sampled 10x6 8 Two 2\n") +
                  mSecond + ": 3 brushes, read to the end\n" + "0 sampled 64x64 8 One 0\n" +
                  damaged + ": 1 brush, stopped: not a valid brush file, or damaged\n" + missing +
                  ": 0 brushes, stopped: no such file or directory\n");
    EXPECT_EQ(RunList({mSecond, mFirst}).status, 0);
}

// FILE1 holds exactly the brushes handled before the switch; it counts as read to its end only
// when it ended before the N-th brush. FILE2 is always complete.
class ListSwitchAfter : public ListCommandTest,
                        public ::testing::WithParamInterface<std::pair<int, bool>>
{
};

TEST_P(ListSwitchAfter, FirstFileStopsAtTheNthBrushAndTheSecondIsWhole)
{
    const auto [n, firstEnds] = GetParam();
    // Repeated: the switch races the worker differently each time.
    for (int round = 0; round < 5; ++round) {
        const CliRun run = RunList({QStringLiteral("--json"), QStringLiteral("--switch-after"),
                                    QString::number(n), mFirst, mSecond});
        ASSERT_EQ(run.status, 0) << qPrintable(run.err);
        const QJsonArray files = JsonFiles(run);
        ASSERT_EQ(files.size(), 2);
        const QJsonObject first = files[0].toObject(), second = files[1].toObject();
        EXPECT_EQ(first.value(QStringLiteral("path")).toString(), mFirst);
        EXPECT_EQ(JsonNames(first), BrushNames(mFirstBrushes, size_t(n)));
        EXPECT_EQ(first.value(QStringLiteral("finished")).toBool(), firstEnds);
        EXPECT_TRUE(first.value(QStringLiteral("error")).isNull());
        EXPECT_EQ(JsonNames(second), BrushNames(mSecondBrushes, 3));
        EXPECT_TRUE(second.value(QStringLiteral("finished")).toBool());
    }
}

INSTANTIATE_TEST_SUITE_P(N, ListSwitchAfter,
                         ::testing::Values(std::pair{0, false}, std::pair{1, false},
                                           std::pair{7, false}, std::pair{30, false},
                                           std::pair{31, true}, std::pair{500, true}));

TEST_F(ListCommandTest, SwitchAfterReportsAFirstFileThatFailedEarly)
{
    const QString damaged = mSandbox.write("damaged.abr", TruncatedInBrush(mFirstBrushes, 2));
    CliRun run = RunList({QStringLiteral("--switch-after"), QStringLiteral("5"), damaged, mSecond});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains(
        damaged + QStringLiteral(": 2 brushes, stopped: not a valid brush file, or damaged\n")))
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(mSecond + QStringLiteral(": 3 brushes, read to the end")));

    run = RunList({QStringLiteral("--switch-after"), QStringLiteral("1"),
                   mSandbox.path("missing.abr"), mSecond});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.out.contains(QStringLiteral(": 0 brushes, stopped: no such file or directory\n")));
    EXPECT_TRUE(run.out.contains(mSecond + QStringLiteral(": 3 brushes, read to the end")));

    run = RunList({QStringLiteral("--switch-after"), QStringLiteral("2"), mFirst, mSecond});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains(mFirst + QStringLiteral(": 2 brushes, left for the next file")))
        << qPrintable(run.out);
    // The second file's patterns come through the window's reading session too.
    const QString special = TestDataPath(QStringLiteral("agpsd_special.abr"));
    run = RunList({QStringLiteral("--switch-after"), QStringLiteral("0"), mFirst, special});
    EXPECT_TRUE(run.out.contains(EndLine(special, QStringLiteral("2 patterns, read to the end"))))
        << qPrintable(run.out);
}

TEST_F(ListCommandTest, SwitchAfterUsageErrors)
{
    const QStringList bad[] = {
        {QStringLiteral("--switch-after")},
        {QStringLiteral("--switch-after"), mFirst, mSecond},
        {QStringLiteral("--switch-after"), QStringLiteral("-1"), mFirst, mSecond},
        {QStringLiteral("--switch-after"), QStringLiteral("2"), mFirst},
        {QStringLiteral("--switch-after"), QStringLiteral("2"), mFirst, mSecond, mFirst},
        {},
    };
    for (const QStringList& args : bad) {
        const CliRun run = RunList(args);
        EXPECT_EQ(run.status, 2) << qPrintable(args.join(' '));
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}

// What a listing says beyond the brushes: a version it does not read, names that would drive
// the terminal, tips too large to draw whole (which a listing never draws at all).
TEST_F(ListCommandTest, UnsupportedVersionsEscapesAndScaledTips)
{
    const QString v5 = mSandbox.write("v5.abr", AbrWriter().u16(5).u16(1).zeros(8).data());
    CliRun run = RunList({v5});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, v5 + QStringLiteral(": 0 brushes, unsupported version 5\n"));
    run = RunList({QStringLiteral("--json"), v5});
    EXPECT_EQ(JsonFiles(run)[0].toObject()[QStringLiteral("note")].toString(),
              QStringLiteral("unsupported version 5"));
    // A version word no brush file has: text, as /etc/passwd starts ("ro" is 29295).
    const QString text = mSandbox.write("passwd", "root:x:0:0:root:/root:/bin/bash\n");
    run = RunList({text});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, text + QStringLiteral(": 0 brushes, not a brush file\n"));
    run = RunList({QStringLiteral("--json"), text});
    EXPECT_EQ(JsonFiles(run)[0].toObject()[QStringLiteral("note")].toString(),
              QStringLiteral("not a brush file"));

    AbrWriter tips;
    tips.u16(2).u16(2);
    tips.computedRecord(true, QStringLiteral("\x1b[2Jclear"), 20, 100, 0, 100);
    tips.computedRecord(true, QStringLiteral("huge"), 60000, 50, 0, 0);
    const QString path = mSandbox.write("tips.abr", tips.data());
    run = RunList({path});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("0 computed 20x20 - \\x1b[2Jclear\n")))
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("1 computed 16384x8192 - huge (scaled from 96000x48000)\n")))
        << qPrintable(run.out);
    const QJsonObject huge =
        JsonFiles(RunList({QStringLiteral("--json"), path}))[0][QStringLiteral("brushes")][1]
            .toObject();
    EXPECT_EQ(huge[QStringLiteral("scaled_from")].toArray(), (QJsonArray{96000, 48000}));
}

// Patterns follow the brushes: by their shown names in the plain listing, whole in JSON with the
// SHA-256 of their pixels as R, G, B, A. A pattern of a depth not read is counted, not fatal.
TEST_F(ListCommandTest, PatternsFollowTheBrushes)
{
    const QString special = TestDataPath(QStringLiteral("agpsd_special.abr"));
    const CliRun plain = RunList({special});
    EXPECT_EQ(plain.status, 0);
    const QString patternLines = QStringLiteral("0 pattern grey 128x128 8 Gray Granite\n"
                                                "1 pattern rgb 256x256 8 Fine Grain\n");
    const qsizetype patternsAt = plain.out.indexOf(patternLines);
    ASSERT_GT(patternsAt, 0) << qPrintable(plain.out);
    EXPECT_TRUE(plain.out.mid(patternsAt + patternLines.size())
                    .contains(EndLine(special, QStringLiteral("2 patterns, read to the end\n"))));
    EXPECT_TRUE(plain.out.endsWith(QStringLiteral("read to the end\n")));

    PatternRecordDescription grey;
    grey.name = QStringLiteral("Line\nBreak");
    grey.identifier = "g";
    grey.width = 2;
    grey.height = 1;
    grey.channels = {{true, 8, false, QByteArray("\x00\xff", 2)}};
    PatternRecordDescription deep = grey;
    deep.channels[0].depth = 32;
    const QString made = mSandbox.write("p.abr", PatternsOnlyFile({grey, deep}));
    const CliRun skipped = RunList({made});
    EXPECT_EQ(skipped.status, 0);
    EXPECT_EQ(skipped.out, "0 pattern grey 2x1 8 Line\\x0aBreak\n" + made +
                               ": 0 brushes, 1 pattern, 1 pattern not read, read to the end\n");

    const QJsonArray files = JsonFiles(RunList({"--json", made}));
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0]["skipped_patterns"].toInt(), 1);
    const QJsonArray patterns = files[0]["patterns"].toArray();
    ASSERT_EQ(patterns.size(), 1);
    const QJsonObject p = patterns[0].toObject();
    EXPECT_EQ(p["name"].toString(), "Line\nBreak");
    EXPECT_EQ(p["identifier"].toString(), "g");
    EXPECT_EQ(p["mode"].toString(), "grey");
    EXPECT_EQ(p["width"].toInt(), 2);
    EXPECT_EQ(p["height"].toInt(), 1);
    EXPECT_EQ(p["depth"].toInt(), 8);
    EXPECT_EQ(p["pixels_sha256"].toString(),
              QCryptographicHash::hash(QByteArray("\x00\x00\x00\xff\xff\xff\xff\xff", 8),
                                       QCryptographicHash::Sha256)
                  .toHex());
}

// The stored tips alone, each once, in the file's own order (samples as stored, then computed
// tips) whatever order its presets use them in; none of them counts as a preset.
TEST_F(ListCommandTest, TipsAreTheStoredTipsInTheFilesOwnOrder)
{
    SampleRecordDescription a, b;
    a.id = "a";
    a.bottom = a.right = 2;
    a.pixels = QByteArray(4, char(200));
    b.id = "b";
    b.bottom = b.right = 3;
    b.pixels = QByteArray(9, char(100));
    const QString path = mSandbox.write(
        "tips.abr",
        Header() + Section("samp", SampleRecords({a, b}, 2)) +
            Section("desc",
                    desc::Presets({desc::Preset("Second", desc::SampledTip("b")),
                                   desc::Preset("Round", desc::ComputedTip(20, 0, 100, 100)),
                                   desc::Preset("First", desc::SampledTip("a")),
                                   desc::Preset("Again", desc::SampledTip("b"))})));
    const CliRun run = RunList({"--tips", "--json", path});
    ASSERT_EQ(run.status, 0) << qPrintable(run.err);
    QStringList tips;
    for (const QJsonValue& value : JsonFiles(run)[0].toObject()["brushes"].toArray()) {
        const QJsonObject tip = value.toObject();
        tips << QStringLiteral("%1 %2x%3")
                    .arg(tip["kind"].toString())
                    .arg(tip["width"].toInt())
                    .arg(tip["height"].toInt());
        EXPECT_FALSE(tip["preset"].toBool());
    }
    EXPECT_EQ(tips, (QStringList{"sampled 2x2", "sampled 3x3", "computed 20x20"}));
}
