#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include "CliRun.h"
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include <gtest/gtest.h>

namespace {
CliRun RunJsonList(const QStringList& args)
{
    return RunCli(RunListCommand, args);
}

QByteArray TwoBrushJsonFile()
{
    AbrWriter w;
    w.u16(2).u16(2);
    w.sampledRecord(true, QStringLiteral("Cha\u00e9lk"), 0, 0, 21, 33, 8, true,
                    PackBits(QByteArray(33 * 21, 9)));
    w.computedRecord(true, QString(), 20, 100, 0, 100);
    return w.data();
}
} // namespace

TEST(ListCommandJson, FailuresAreReportedPerFileAndTheOthersStillRun)
{
    Sandbox box;
    const QString good = box.write("good.abr", TwoBrushJsonFile());
    QByteArray damaged = TwoBrushJsonFile();
    damaged.chop(3);
    const QString bad = box.write("bad.abr", damaged);
    const CliRun run = RunJsonList({"--json", "/nonexistent/missing.abr", bad, good});
    EXPECT_EQ(run.status, 1);
    const QJsonArray files = QJsonDocument::fromJson(run.out.toUtf8()).object()["files"].toArray();
    ASSERT_EQ(files.size(), 3);
    const QJsonObject missing = files[0].toObject();
    EXPECT_FALSE(missing["finished"].toBool());
    EXPECT_EQ(missing["error"].toObject()["code"].toInt(), -ENOENT);
    const QJsonObject broken = files[1].toObject();
    EXPECT_TRUE(broken["finished"].toBool());
    EXPECT_EQ(broken["error"].toObject()["code"].toInt(), -1);
    EXPECT_EQ(broken["brushes"].toArray().size(), 1);
    EXPECT_TRUE(files[2].toObject()["error"].isNull());
}

namespace {
Dynamic Varying(DynamicControl control, int stored, double jitter, double minimum,
                std::optional<int> fade = std::nullopt)
{
    return Dynamic{control, stored, fade, jitter, minimum};
}

// Presets as a reader makes them: two that share one stored sample (one with every group on
// and tool options, one with spacing off and nothing on), a bristle tip, and the stored
// sample itself, which no preset uses.
std::vector<BrushPtr> MadeUpPresets()
{
    auto stored = std::make_shared<SampledBrush>(std::nullopt, 6, 4, 8, PixelBlock(24, char(200)));
    BrushPreset big;
    big.tip.kind = TipKind::Sampled;
    big.tip.sampleId = "$5e1c";
    big.tip.diameter = 87;
    big.tip.angle = -18;
    big.tip.roundness = 80;
    big.tip.flipX = true;
    big.tip.spacing = 10;
    BrushSettings& s = big.settings;
    s.shapeDynamics.emplace();
    s.shapeDynamics->size = Varying(DynamicControl::PenPressure, 2, 20, 5);
    s.shapeDynamics->minimumDiameter = 5;
    s.shapeDynamics->angle = Varying(DynamicControl::Unknown, 12, 0, 0);
    s.shapeDynamics->roundness = Varying(DynamicControl::Fade, 1, 0, 0, 25);
    s.scattering.emplace();
    s.scattering->scatter = Varying(DynamicControl::Off, 0, 120, 0);
    s.scattering->bothAxes = true;
    s.texture.emplace();
    s.texture->patternName = QStringLiteral("$$$/Presets/Patterns/Gray_Granite=Gray Granite");
    s.texture->patternId = QStringLiteral("e10c");
    s.texture->mode = QStringLiteral("Color Burn");
    s.dualBrush = DualBrush{};
    s.dualBrush->tip.diameter = 25;
    s.dualBrush->tip.hardness = 100;
    s.colorDynamics = ColorDynamics{};
    s.transfer = Transfer{};
    s.brushPose = BrushPose{};
    s.noise = s.wetEdges = s.buildUp = s.smoothing = s.protectTexture = true;
    big.toolOptions.emplace();
    big.toolOptions->mode = QStringLiteral("Multiply");
    big.toolOptions->opacity = 50;
    BrushPreset wet = big;
    wet.tip.spacing.reset();
    wet.tip.flipX = false;
    wet.settings = {};
    wet.toolOptions.reset();
    BrushPreset bristle;
    bristle.tip.kind = TipKind::Bristle;
    bristle.tip.diameter = 30;
    bristle.tip.spacing = 4;
    bristle.tip.bristle = BristleTip{3, 40, 25, 1, 60};
    BrushPreset orphan;
    orphan.isPreset = false;
    orphan.tip.kind = TipKind::Sampled;
    orphan.tip.sampleId = "$0dd";

    auto shaped = [&](const QString& name, const BrushPreset& preset) {
        auto brush = std::make_shared<SampledBrush>(
            name, *stored,
            SampleShaping{preset.tip.diameter, preset.tip.roundness, preset.tip.angle,
                          preset.tip.flipX, preset.tip.flipY});
        brush->setPreset(std::make_shared<const BrushPreset>(preset));
        return brush;
    };
    auto bristleBrush = std::make_shared<PreviewBrush>(QStringLiteral("Flat Fan"), bristle.tip);
    bristleBrush->setPreset(std::make_shared<const BrushPreset>(bristle));
    stored->setPreset(std::make_shared<const BrushPreset>(orphan));
    return {shaped(QStringLiteral("Big Marker 01") + QChar(0), big),
            shaped(QStringLiteral("Wet Marker 01") + QChar(0), wet), bristleBrush, stored};
}

QString Listing(const std::vector<BrushPtr>& brushes, bool json)
{
    FileResult result;
    result.file = BrushFile::brushFileWithPath(QStringLiteral("made-up.abr"));
    result.finished = true;
    for (const BrushPtr& brush : brushes)
        result.summaries.push_back(SummarizeBrush(*brush, json));
    QString text;
    QTextStream out(&text);
    PrintBrushListing({result}, out, json);
    out.flush();
    return text;
}
} // namespace

// Every member kelbrin-cli(1) calls required, of its documented type, and the settings of the
// groups that are on, each in its own words and units.
TEST(ListCommandJson, PresetsFollowTheDocumentedSchema)
{
    const QJsonArray brushes = QJsonDocument::fromJson(Listing(MadeUpPresets(), true).toUtf8())
                                   .object()["files"]
                                   .toArray()[0]
                                   .toObject()["brushes"]
                                   .toArray();
    ASSERT_EQ(brushes.size(), 4);
    using T = QJsonValue::Type;
    const std::vector<std::pair<const char*, std::vector<T>>> required{
        {"index", {T::Double}},
        {"kind", {T::String}},
        {"name", {T::String, T::Null}},
        {"preset", {T::Bool}},
        {"tip", {T::String, T::Null}},
        {"diameter", {T::Double}},
        {"spacing", {T::Double, T::Null}},
        {"angle", {T::Double}},
        {"roundness", {T::Double}},
        {"hardness", {T::Double, T::Null}},
        {"flip_x", {T::Bool}},
        {"flip_y", {T::Bool}},
        {"settings", {T::Object}},
        {"width", {T::Double}},
        {"height", {T::Double}}};
    for (const QJsonValue& value : brushes) {
        const QJsonObject brush = value.toObject();
        for (const auto& [member, types] : required) {
            ASSERT_TRUE(brush.contains(QLatin1String(member))) << member;
            EXPECT_NE(std::find(types.begin(), types.end(), brush[QLatin1String(member)].type()),
                      types.end())
                << member;
        }
    }

    const QJsonObject big = brushes[0].toObject();
    // Named as people read it; the stored text follows only where it differs.
    EXPECT_EQ(big["name"].toString(), "Big Marker 01");
    EXPECT_EQ(big["stored_name"].toString(), QStringLiteral("Big Marker 01") + QChar(0));
    EXPECT_EQ(
        big["pixels_sha256"].toString(),
        QCryptographicHash::hash(QByteArray(24, char(200)), QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(big["tip"].toString(), "$5e1c");
    EXPECT_EQ(big["diameter"].toDouble(), 87);
    EXPECT_EQ(big["spacing"].toDouble(), 10);
    EXPECT_EQ(big["angle"].toDouble(), -18);
    EXPECT_EQ(big["roundness"].toDouble(), 80);
    EXPECT_TRUE(big["flip_x"].toBool());
    const QJsonObject settings = big["settings"].toObject();
    EXPECT_EQ(settings.keys(),
              (QStringList{"brush_pose", "build_up", "color_dynamics", "dual_brush", "noise",
                           "protect_texture", "scattering", "shape_dynamics", "smoothing",
                           "texture", "transfer", "wet_edges"}));
    for (const char* onlyASwitch :
         {"noise", "wet_edges", "build_up", "smoothing", "protect_texture"})
        EXPECT_EQ(settings[QLatin1String(onlyASwitch)].toObject(), QJsonObject()) << onlyASwitch;
    const QJsonObject shape = settings["shape_dynamics"].toObject();
    EXPECT_EQ(QJsonDocument(shape["size"].toObject()).toJson(QJsonDocument::Compact),
              R"({"control":"pen pressure","fade_steps":null,"jitter":20,"minimum":5})");
    EXPECT_TRUE(shape["angle"].toObject()["control"].isNull()); // a control Kelbrin does not know
    EXPECT_EQ(shape["roundness"].toObject()["control"].toString(), "fade");
    EXPECT_EQ(shape["roundness"].toObject()["fade_steps"].toInt(), 25);
    EXPECT_EQ(shape["minimum_diameter"].toDouble(), 5);
    EXPECT_EQ(settings["scattering"].toObject()["scatter"].toObject()["jitter"].toDouble(), 120);
    EXPECT_TRUE(settings["scattering"].toObject()["both_axes"].toBool());
    const QJsonObject texture = settings["texture"].toObject();
    EXPECT_EQ(texture["pattern_name"].toString(), "Gray Granite");
    EXPECT_EQ(texture["pattern_id"].toString(), "e10c");
    EXPECT_EQ(texture["mode"].toString(), "Color Burn");
    const QJsonObject dualTip = settings["dual_brush"].toObject()["tip"].toObject();
    EXPECT_EQ(dualTip["kind"].toString(), "computed");
    EXPECT_EQ(dualTip["diameter"].toDouble(), 25);
    EXPECT_EQ(dualTip["hardness"].toDouble(), 100);
    EXPECT_TRUE(settings["transfer"].toObject()["flow"].isObject());
    EXPECT_EQ(big["tool_options"].toObject()["mode"].toString(), "Multiply");
    EXPECT_TRUE(big["tool_options"].toObject()["flow"].isNull());

    // The second preset paints with the same sample, spacing off and nothing on.
    const QJsonObject wet = brushes[1].toObject();
    EXPECT_EQ(wet["tip"].toString(), "$5e1c");
    EXPECT_TRUE(wet["spacing"].isNull());
    EXPECT_EQ(wet["settings"].toObject(), QJsonObject());
    EXPECT_FALSE(wet.contains("tool_options"));
    EXPECT_EQ(wet["pixels_sha256"].toString(), big["pixels_sha256"].toString());

    const QJsonObject bristle = brushes[2].toObject();
    EXPECT_EQ(bristle["kind"].toString(), "bristle");
    EXPECT_EQ(bristle["bristle"].toObject()["bristles"].toDouble(), 40);
    EXPECT_FALSE(bristle.contains("depth"));
    EXPECT_FALSE(bristle.contains("stored_name"));
    const QJsonObject orphan = brushes[3].toObject();
    EXPECT_FALSE(orphan["preset"].toBool());
    EXPECT_TRUE(orphan["name"].isNull());
    EXPECT_TRUE(big["preset"].toBool());
}

// One line for the tip and one for its preset: size, spacing, angle, roundness, then the
// groups that are on, in the order of Photoshop's panel.
TEST(ListCommandJson, PlainListingGivesEachPresetsValuesAndGroups)
{
    const QStringList lines = Listing(MadeUpPresets(), false).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 8);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" Big Marker 01"))) << qPrintable(lines[0]);
    EXPECT_EQ(lines[1], QStringLiteral("  size 87 px, spacing 10 %, angle -18°, roundness 80 %, "
                                       "flipped X; Shape Dynamics, Scattering, Texture, Dual "
                                       "Brush, Color Dynamics, Transfer, Brush Pose, Noise, Wet "
                                       "Edges, Build-up, Smoothing, Protect Texture"));
    EXPECT_EQ(lines[3], QStringLiteral("  size 87 px, spacing off, angle -18°, roundness 80 %"));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("2 bristle "))) << qPrintable(lines[4]);
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral("  stored tip, in no preset: ")))
        << qPrintable(lines[7]);
}
