#include "convert/GimpPresetFiles.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/BrushPackReader.h"
#include "convert/GimpBrushFile.h"
#include "convert/PackMark.h"
#include "convert/PackWriter.h"
#include "support/MadeUpHome.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
using Files = GimpPresetFiles;
using Input = Files::Input;
using Output = Files::Output;
using Curve = Files::Curve;

Dynamic Driven(DynamicControl control, double jitter = 0, double minimum = 0)
{
    Dynamic dynamic;
    dynamic.control = control;
    dynamic.storedControl = int(control);
    if (control == DynamicControl::Fade)
        dynamic.fadeSteps = 10;
    dynamic.jitter = jitter;
    dynamic.minimum = minimum;
    return dynamic;
}

// A computed tip 40 pixels wide, spaced 50 %, with every group of settings on.
BrushPreset EveryGroup()
{
    BrushPreset preset;
    preset.tip.kind = TipKind::Computed;
    preset.tip.diameter = 40;
    preset.tip.hardness = 100;
    preset.tip.spacing = 50;
    BrushSettings& s = preset.settings;
    s.shapeDynamics.emplace();
    s.shapeDynamics->size = Driven(DynamicControl::PenPressure, 0, 20);
    s.shapeDynamics->minimumDiameter = 20;
    s.shapeDynamics->angle = Driven(DynamicControl::Direction, 25);
    s.shapeDynamics->roundness = Driven(DynamicControl::Off, 40);
    s.shapeDynamics->flipXJitter = true;
    s.scattering.emplace();
    s.scattering->scatter = Driven(DynamicControl::Off, 120);
    s.scattering->bothAxes = true;
    s.scattering->count = 3;
    s.texture.emplace();
    s.dualBrush.emplace();
    s.colorDynamics.emplace();
    s.colorDynamics->foregroundBackground = Driven(DynamicControl::Off, 50);
    s.colorDynamics->hue = 10;
    s.transfer.emplace();
    s.transfer->opacity = Driven(DynamicControl::Fade, 0, 30);
    s.transfer->flow = Driven(DynamicControl::PenPressure);
    s.brushPose.emplace();
    s.brushPose->overridePressure = true;
    s.noise = s.wetEdges = s.buildUp = s.smoothing = s.protectTexture = true;
    preset.toolOptions = ToolOptions{QStringLiteral("Hue"), 60, 80, std::nullopt};
    return preset;
}

BrushPtr Computed(const QString& name, const BrushPreset& preset)
{
    std::shared_ptr<Brush> brush = ComputedBrush::brushWithName(name, preset.tip.diameter, 100, 0,
                                                                preset.tip.hardness.value_or(100));
    brush->setPreset(std::make_shared<const BrushPreset>(preset));
    return brush;
}

// The pack's dynamics and tool preset for source, read back from the bytes written.
std::pair<Files::Dynamics, Files::ToolPreset> Written(const BrushPack& pack, size_t source)
{
    std::optional<Files::Dynamics> dynamics;
    std::optional<Files::ToolPreset> preset;
    for (size_t i = 0; i < pack.entries.size(); ++i) {
        if (pack.entries[i].source != source)
            continue;
        if (pack.entries[i].mediaType == PackEntry::kDynamics)
            dynamics = Files::readDynamics(pack.entryBytes(i));
        if (pack.entries[i].mediaType == PackEntry::kToolPresets)
            preset = Files::readToolPreset(pack.entryBytes(i));
    }
    EXPECT_TRUE(dynamics && preset);
    return {dynamics.value_or(Files::Dynamics{}), preset.value_or(Files::ToolPreset{})};
}

// "Shape Dynamics/size control: kept", one line a setting, for comparing reports whole.
QStringList Report(const PackedBrush& packed)
{
    QStringList lines;
    for (const SettingFate& fate : packed.settings)
        lines << fate.group + QLatin1Char('/') + fate.setting + QStringLiteral(": ") +
                     FateName(fate.fate);
    return lines;
}

TEST(GimpPresetFiles, EachGroupMapsToGimpsDynamicsAndToolPresetAndTheReportSaysHow)
{
    BrushFile file(QStringLiteral("/x/Every.abr"));
    file.addBrush(Computed(QStringLiteral("All \"on\" \\ here"), EveryGroup()));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Gimp);
    ASSERT_EQ(pack.entries.size(), 3u);
    EXPECT_EQ(pack.entries[1].fileName, QStringLiteral("000 All _on_ _ here.gdyn"));
    EXPECT_EQ(pack.brushes[0].presetFileName, QStringLiteral("000 All _on_ _ here.gtp"));
    EXPECT_EQ(pack.entries[2].mediaType, PackEntry::kToolPresets);

    const auto [dynamics, preset] = Written(pack, 0);
    // Named by the pack and the tip's entry, which no other pack shares.
    const QString name = QStringLiteral("Every: 000 All _on_ _ here");
    EXPECT_EQ(dynamics.name, name);
    EXPECT_EQ(preset.name, name);
    EXPECT_EQ(preset.dynamics, name);
    EXPECT_EQ(preset.brush, QStringLiteral("All \"on\" \\ here"));
    // Size from pressure down to the minimum diameter; the angle along the stroke and up to a
    // quarter turn more at random; roundness and colour at random; opacity fading to 30 %.
    const std::map<Input, Curve> size{{Input::Pressure, {0.2, 1}}};
    EXPECT_EQ(dynamics[Output::Size], size);
    const std::map<Input, Curve> angle{{Input::Direction, {0, 1}}, {Input::Random, {0, 0.25}}};
    EXPECT_EQ(dynamics[Output::Angle], angle);
    const std::map<Input, Curve> roundness{{Input::Random, {0.6, 1}}};
    EXPECT_EQ(dynamics[Output::AspectRatio], roundness);
    const std::map<Input, Curve> color{{Input::Random, {0, 0.5}}};
    EXPECT_EQ(dynamics[Output::Color], color);
    const std::map<Input, Curve> opacity{{Input::Fade, {0.3, 1}}};
    EXPECT_EQ(dynamics[Output::Opacity], opacity);
    for (const Output unused : {Output::Force, Output::Hardness, Output::Rate, Output::Flow,
                                Output::Jitter, Output::Spacing})
        EXPECT_TRUE(dynamics[unused].empty()) << Files::outputKey(unused);

    EXPECT_EQ(preset.size, 40);
    EXPECT_EQ(preset.spacing, 0.5);
    EXPECT_EQ(preset.hardness, 1);
    EXPECT_EQ(preset.angle, 0);
    EXPECT_EQ(preset.aspectRatio, 0);
    EXPECT_EQ(preset.jitter, 1.2);
    // Ten dabs half a diameter apart.
    EXPECT_EQ(preset.fadeLength, 200);
    EXPECT_EQ(preset.opacity, 0.6);
    EXPECT_EQ(preset.paintMode, QStringLiteral("lch-hue"));
    EXPECT_TRUE(preset.smoothing);
    EXPECT_TRUE(preset.gradient);

    EXPECT_EQ(Report(pack.brushes[0]),
              (QStringList{"Brush Tip Shape/size: kept",
                           "Brush Tip Shape/hardness: kept",
                           "Brush Tip Shape/spacing: kept",
                           "Shape Dynamics/size control: kept",
                           "Shape Dynamics/angle control: approximated",
                           "Shape Dynamics/angle jitter: approximated",
                           "Shape Dynamics/roundness jitter: approximated",
                           "Shape Dynamics/flip x jitter: not carried",
                           "Scattering/scatter: kept",
                           "Scattering/count: not carried",
                           "Color Dynamics/foreground/background jitter: approximated",
                           "Color Dynamics/hue jitter: not carried",
                           "Transfer/opacity control: approximated",
                           "Transfer/flow: not carried",
                           "Texture/texture: not carried",
                           "Dual Brush/dual brush: not carried",
                           "Brush Pose/brush pose: not carried",
                           "Noise/noise: not carried",
                           "Wet Edges/wet edges: not carried",
                           "Build-up/build-up: not carried",
                           "Smoothing/smoothing: approximated",
                           "Protect Texture/protect texture: not carried",
                           "Tool Options/opacity: kept",
                           "Tool Options/flow: not carried",
                           "Tool Options/mode: approximated"}));
    // The ways in which it is approximated, in words.
    const auto how = [&](const char* setting) {
        for (const SettingFate& fate : pack.brushes[0].settings)
            if (fate.setting == QLatin1String(setting))
                return fate.how;
        return QString();
    };
    EXPECT_EQ(how("angle control"),
              QStringLiteral("GIMP averages its control and its jitter rather than combining "
                             "them"));
    EXPECT_EQ(how("opacity control"),
              QStringLiteral("fades over 200 pixels (10 steps) along GIMP's eased curve"));
    EXPECT_EQ(how("mode"), QStringLiteral("as GIMP's lch-hue"));
    // The groups that lose everything, and the options left behind; the preset counts as
    // approximated.
    EXPECT_EQ(pack.brushes[0].lostSettings,
              (QStringList{"Texture", "Dual Brush", "Brush Pose", "Noise", "Wet Edges", "Build-up",
                           "Protect Texture"}));
    EXPECT_TRUE(pack.brushes[0].what.contains(QStringLiteral("tool options not carried (flow)")));
    EXPECT_EQ(pack.approximatedPresets(), 1);
}

// What GIMP cannot hold is brought within its limits and said; a plain preset's files hold the
// tip as it is, and a brush that is no preset has none.
TEST(GimpPresetFiles, ValuesBeyondGimpsLimitsAreClampedAndSaid)
{
    BrushPreset wide;
    wide.tip.kind = TipKind::Computed;
    wide.tip.diameter = 2000;
    wide.tip.spacing = 1000;
    wide.settings.scattering.emplace();
    wide.settings.scattering->scatter = Driven(DynamicControl::Off, 6000);
    wide.settings.shapeDynamics.emplace();
    wide.settings.shapeDynamics->size = Driven(DynamicControl::Fade, 0, 10);
    BrushPreset plain;
    plain.tip.kind = TipKind::Computed;
    plain.tip.diameter = 12;
    plain.tip.spacing = 25;
    BrushFile file(QStringLiteral("/x/Limits.abr"));
    file.addBrush(Computed(QStringLiteral("Wide"), wide));
    file.addBrush(Computed(QStringLiteral("Plain"), plain));
    file.addBrush(ComputedBrush::brushWithName(QStringLiteral("Bare"), 10, 100, 0, 100));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Gimp);
    EXPECT_EQ(pack.presetCount(), 2);
    EXPECT_EQ(pack.entries.size(), 7u);

    const auto [dynamics, preset] = Written(pack, 0);
    EXPECT_EQ(preset.jitter, Files::kMaxJitter);
    EXPECT_EQ(preset.spacing, 10);
    EXPECT_EQ(preset.fadeLength, Files::kMaxFadeLength);
    EXPECT_EQ(Report(pack.brushes[0]).filter(QStringLiteral("approximated")),
              (QStringList{"Shape Dynamics/size control: approximated",
                           "Scattering/scatter: approximated"}));
    EXPECT_EQ(pack.brushes[0].settings[2].how,
              QStringLiteral("fades over 32767 pixels (10 steps) along GIMP's eased curve; "
                             "clamped to GIMP's longest fade"));
    EXPECT_EQ(pack.brushes[0].settings[3].how,
              QStringLiteral("GIMP scatters along the stroke as well as across it; 6,000 % "
                             "clamped to GIMP's 5,000 %"));

    const auto [none, simple] = Written(pack, 1);
    for (const auto& inputs : none.outputs)
        EXPECT_TRUE(inputs.empty());
    EXPECT_EQ(simple.size, 12);
    EXPECT_EQ(simple.spacing, 0.25);
    EXPECT_FALSE(simple.jitter || simple.fadeLength || simple.gradient || simple.smoothing);
    EXPECT_FALSE(pack.brushes[1].presetApproximated());
    EXPECT_FALSE(pack.brushes[2].presetCarried());

    // Text that is not GIMP's is no preset.
    EXPECT_FALSE(Files::readDynamics("# GIMP dynamics file\n(name \"x\"\n"));
    EXPECT_FALSE(Files::readToolPreset("# GIMP tool preset file\n(name \"x\")\n"));
    EXPECT_FALSE(Files::readDynamics(QByteArray(1000, '(')));
}

// GIMP finds dynamics and brushes by name: two packs' presets of one brush name keep their
// own dynamics, and two tips of one name in a pack are said of both.
TEST(GimpPresetFiles, NamesStayApartAcrossPacksAndTwinTipsAreSaid)
{
    BrushPreset plain;
    plain.tip.kind = TipKind::Computed;
    plain.tip.diameter = 12;
    plain.tip.spacing = 25;
    BrushFile first(QStringLiteral("/x/First.abr")), second(QStringLiteral("/x/Second.abr"));
    first.addBrush(Computed(QStringLiteral("Twin"), plain));
    first.addBrush(Computed(QStringLiteral("Twin"), plain));
    second.addBrush(Computed(QStringLiteral("Twin"), plain));
    const BrushPack a = BuildBrushPack(first, PackTarget::Gimp);
    const BrushPack b = BuildBrushPack(second, PackTarget::Gimp);
    EXPECT_EQ(Written(a, 0).first.name, QStringLiteral("First: 000 Twin"));
    EXPECT_EQ(Written(a, 1).first.name, QStringLiteral("First: 001 Twin"));
    EXPECT_EQ(Written(b, 0).first.name, QStringLiteral("Second: 000 Twin"));
    EXPECT_EQ(Written(b, 0).second.brush, QStringLiteral("Twin"));
    for (const PackedBrush& twin : a.brushes)
        EXPECT_EQ(Report(twin).filter(QStringLiteral("approximated")),
                  QStringList{"Brush Tip Shape/tip: approximated"});
    EXPECT_FALSE(b.brushes[0].presetApproximated());
}

// A GIMP pack with presets lies in four folders, all written or none, never over somebody
// else's; the trash takes all four, and reading the pack back gives the presets' values.
TEST(GimpPresetFiles, APackWithPresetsLiesInFourFoldersAndGoesToTheTrashWhole)
{
    MadeUpHome home;
    BrushFile file(QStringLiteral("/x/Kit.abr"));
    file.addBrush(Computed(QStringLiteral("Every"), EveryGroup()));
    const BrushPack pack = BuildBrushPack(file, PackTarget::Gimp);
    const QString brushes = home.folder(QStringLiteral("gimp/brushes"));
    const QString theirs = home.file(QStringLiteral("gimp/tool-presets/Kit/Theirs.gtp"), "x");
    const PackWriteResult refused = WritePackFolder(pack, brushes);
    EXPECT_EQ(refused.status, PackWriteResult::Status::AlreadyExists);
    EXPECT_EQ(QDir(brushes).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral("gimp/dynamics/Kit"))));
    ASSERT_TRUE(QFile::remove(theirs));
    ASSERT_TRUE(QDir().rmdir(QFileInfo(theirs).path()));

    const PackWriteResult written = WritePackFolder(pack, brushes);
    ASSERT_EQ(written.status, PackWriteResult::Status::Written) << written.error.toStdString();
    const QStringList folders = {written.path, home.path(QStringLiteral("gimp/dynamics/Kit")),
                                 home.path(QStringLiteral("gimp/tool-presets/Kit"))};
    EXPECT_EQ(QDir(folders[1]).entryList(QDir::Files),
              QStringList{QStringLiteral("000 Every.gdyn")});
    EXPECT_EQ(QDir(folders[2]).entryList(QDir::Files),
              QStringList{QStringLiteral("000 Every.gtp")});
    for (const QString& folder : folders) {
        EXPECT_TRUE(ReadPackMark(folder)) << folder.toStdString();
        EXPECT_EQ(QDir(folder + QStringLiteral("/.."))
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("Kit")});
    }

    // Read back, the tip paints with its preset's size, spacing and dynamics.
    struct Keeping : CBrushSink
    {
        void AddBrush(const BrushPtr& brush) override { brushes.push_back(brush); }
        void AddPattern(const PatternPtr&) override {}
        void FinishedReadingFile(const ReadOutcome&) override {}
        std::vector<BrushPtr> brushes;
    } sink;
    BrushPackReader(written.path).Read(sink);
    ASSERT_EQ(sink.brushes.size(), 1u);
    const BrushPreset& read = *sink.brushes[0]->preset();
    EXPECT_EQ(read.tip.diameter, 40);
    EXPECT_EQ(read.tip.spacing, 50);
    ASSERT_TRUE(read.settings.shapeDynamics && read.settings.transfer && read.settings.scattering &&
                read.toolOptions);
    EXPECT_EQ(read.settings.shapeDynamics->size.control, DynamicControl::PenPressure);
    EXPECT_EQ(read.settings.shapeDynamics->minimumDiameter, 20);
    EXPECT_EQ(read.settings.shapeDynamics->angle.control, DynamicControl::Direction);
    EXPECT_EQ(read.settings.shapeDynamics->angle.jitter, 25);
    EXPECT_EQ(read.settings.transfer->opacity.control, DynamicControl::Fade);
    EXPECT_EQ(read.settings.scattering->scatter.jitter, 120);
    EXPECT_EQ(read.toolOptions->opacity, 60);

    const Trash::Result trashed = TrashPack(written.path);
    EXPECT_TRUE(trashed.succeeded && trashed.reason.isEmpty()) << trashed.reason.toStdString();
    for (const QString& folder : folders)
        EXPECT_FALSE(QFileInfo::exists(folder)) << folder.toStdString();
    EXPECT_EQ(QDir(home.path(QStringLiteral(".local/share/Trash/files")))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                  .size(),
              3);
}

} // namespace
