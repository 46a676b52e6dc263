#include "abr/Type6Writer.h"
#include "cli/CliCommands.h"
#include "support/TestUtil.h"

#include "CliRun.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {
CliRun Convert(const QStringList& args)
{
    return RunCli(RunConvertCommand, args);
}

TEST(ConvertCommandTest, WritesAGimpPackOnceAndReportsEveryBrush)
{
    Sandbox sandbox;
    const QString file = sandbox.write(QStringLiteral("Dual.abr"), SampleAndSoftTipFile());
    const QString out = sandbox.path(QStringLiteral("gimp"));
    const QString pack = out + QStringLiteral("/brushes/Dual");

    const CliRun first = Convert(
        {QStringLiteral("--to"), QStringLiteral("gimp"), QStringLiteral("--out"), out, file});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("wrote %1 (2 brushes, 1 changed, 2 presets)\n").arg(pack));
    EXPECT_TRUE(first.err.contains(QStringLiteral("brush 1 changed: soft edge painted by GIMP")));
    EXPECT_EQ(QDir(pack).entryList(QDir::Files),
              QStringList({QStringLiteral("000 Patchy Dual Probe.gbr"),
                           QStringLiteral("001 Brush 001.vbr")}));

    const CliRun again = Convert({QStringLiteral("--to=gimp"), QStringLiteral("--out"), out,
                                  QStringLiteral("--json"), file});
    EXPECT_EQ(again.status, 1);
    const QJsonObject report = QJsonDocument::fromJson(again.out.toUtf8())
                                   .object()[QStringLiteral("packs")]
                                   .toArray()
                                   .at(0)
                                   .toObject();
    EXPECT_EQ(report[QStringLiteral("status")].toString(), QStringLiteral("exists"));
    EXPECT_EQ(report[QStringLiteral("name")].toString(), QStringLiteral("Dual"));
    const QJsonArray brushes = report[QStringLiteral("brushes")].toArray();
    ASSERT_EQ(brushes.size(), 2);
    EXPECT_EQ(brushes.at(1).toObject()[QStringLiteral("file")].toString(),
              QStringLiteral("001 Brush 001.vbr"));
    EXPECT_EQ(brushes.at(0).toObject()[QStringLiteral("outcome")].toString(),
              QStringLiteral("kept"));
}

// A preset goes to Krita as a paint preset; the report gives the fate of each of its settings,
// on standard error for those not kept and whole in JSON.
TEST(ConvertCommandTest, SaysWhatBecameOfEachSettingOfAPreset)
{
    Sandbox sandbox;
    const QString file = TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr"));
    const QString out = sandbox.path(QStringLiteral("krita"));
    const CliRun plain = Convert(
        {QStringLiteral("--to"), QStringLiteral("krita"), QStringLiteral("--out"), out, file});
    EXPECT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.out.endsWith(QStringLiteral("(1 brush, 1 preset, 1 approximated)\n")))
        << plain.out.toStdString();
    EXPECT_TRUE(plain.err.contains(QStringLiteral(": preset 0 Scattering, count jitter: not "
                                                  "carried (")))
        << plain.err.toStdString();
    EXPECT_FALSE(plain.err.contains(QStringLiteral("Dual Brush, tip:"))) << "kept goes unsaid";

    const CliRun json =
        Convert({QStringLiteral("--to"), QStringLiteral("krita"), QStringLiteral("--out"),
                 sandbox.path(QStringLiteral("again")), QStringLiteral("--json"), file});
    const QJsonObject pack = QJsonDocument::fromJson(json.out.toUtf8())
                                 .object()[QStringLiteral("packs")]
                                 .toArray()
                                 .at(0)
                                 .toObject();
    EXPECT_EQ(pack[QStringLiteral("presets")].toInt(), 1);
    EXPECT_EQ(pack[QStringLiteral("approximated")].toInt(), 1);
    const QJsonObject preset = pack[QStringLiteral("brushes")]
                                   .toArray()
                                   .at(0)
                                   .toObject()[QStringLiteral("preset")]
                                   .toObject();
    EXPECT_EQ(preset[QStringLiteral("file")].toString(),
              QStringLiteral("000 Patchy Dual Probe.kpp"));
    QStringList fates;
    for (const QJsonValue& setting : preset[QStringLiteral("settings")].toArray()) {
        const QJsonObject o = setting.toObject();
        fates << o[QStringLiteral("group")].toString() + QLatin1Char('/') +
                     o[QStringLiteral("setting")].toString() + QLatin1Char('=') +
                     o[QStringLiteral("fate")].toString();
        EXPECT_EQ(o[QStringLiteral("how")].isNull(),
                  o[QStringLiteral("fate")].toString() == QLatin1String("kept"));
    }
    EXPECT_TRUE(fates.contains(QStringLiteral("Dual Brush/tip=kept")))
        << fates.join(' ').toStdString();
    EXPECT_TRUE(fates.contains(QStringLiteral("Scattering/count jitter=not carried")));
}

// What could be read is converted; the damage is said and fails the run, and a file with
// nothing to give makes no pack.
TEST(ConvertCommandTest, DamagedFilesConvertWhatWasReadAndUsageIsChecked)
{
    Sandbox sandbox;
    const QString damaged = sandbox.write(QStringLiteral("bad.abr"), OneGoodSampleThenDamage());
    const QString empty = sandbox.write(QStringLiteral("empty.abr"), QByteArray());
    const QString out = sandbox.path(QStringLiteral("out"));
    const CliRun run = Convert({QStringLiteral("--to"), QStringLiteral("krita"),
                                QStringLiteral("--out"), out, damaged, empty});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("converting the 1 brush read before the error")))
        << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains(empty + QStringLiteral(": no brushes or patterns; nothing converted")));
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/empty.bundle")));

    EXPECT_EQ(Convert({damaged}).status, 2);
    EXPECT_EQ(Convert({QStringLiteral("--to"), QStringLiteral("photoshop"), damaged}).status, 2);
    EXPECT_EQ(Convert({QStringLiteral("--to"), QStringLiteral("gimp")}).status, 2);
}

} // namespace
