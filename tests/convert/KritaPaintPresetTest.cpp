#include "convert/KritaPaintPreset.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "convert/BrushPackReader.h"
#include "convert/KritaBundle.h"
#include "convert/PackWriter.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

std::shared_ptr<SampledBrush> Tip(const QString& name, int side)
{
    return std::make_shared<SampledBrush>(name, side, side, 8,
                                          PixelBlock(size_t(side) * size_t(side), 200));
}

Dynamic Driven(DynamicControl control, double minimum, double jitter = 0)
{
    Dynamic d;
    d.control = control;
    d.storedControl = int(control);
    d.minimum = minimum;
    d.jitter = jitter;
    return d;
}

// A preset with every group Krita can hold switched on, its dual tip and pattern in the file.
BrushFile EveryGroupFile(bool withPattern = true, bool withDualTip = true, double scatter = 150,
                         const QString& name = {})
{
    BrushPreset preset;
    preset.tip.kind = TipKind::Sampled;
    preset.tip.diameter = 20;
    preset.tip.spacing = 10;
    ShapeDynamics& shape = preset.settings.shapeDynamics.emplace();
    shape.size = Driven(DynamicControl::PenPressure, 20, 30);
    shape.angle = Driven(DynamicControl::Direction, 0, 10);
    Scattering& scattering = preset.settings.scattering.emplace();
    scattering.scatter.jitter = scatter;
    scattering.count = 2;
    Texture& texture = preset.settings.texture.emplace();
    texture.patternName = QStringLiteral("Grain");
    texture.patternId = QStringLiteral("grain-id");
    texture.mode = QStringLiteral("Linear Height");
    texture.scale = 62;
    texture.depth = 7;
    texture.perTip = true;
    DualBrush& dual = preset.settings.dualBrush.emplace();
    dual.mode = QStringLiteral("Color Burn");
    dual.tip.kind = TipKind::Sampled;
    dual.tip.diameter = 10;
    dual.tip.spacing = 30;
    preset.settings.colorDynamics.emplace().hue = 20;
    preset.settings.transfer.emplace().opacity = Driven(DynamicControl::Fade, 10);
    preset.settings.transfer->opacity.fadeSteps = 40;
    preset.settings.brushPose.emplace();
    preset.settings.buildUp = true;
    preset.toolOptions = ToolOptions{QStringLiteral("Multiply"), 80, 100, 0};

    auto brush = Tip(QStringLiteral("Chalk") + name, 20);
    brush->setPreset(std::make_shared<const BrushPreset>(preset));
    brush->setTexture({QStringLiteral("Grain"), QStringLiteral("grain-id")});
    if (withDualTip)
        brush->setDualTip(Tip(QStringLiteral("Speck"), 10));
    BrushFile file(QStringLiteral("/x/Chalks.abr"));
    file.addBrush(brush);
    if (withPattern) {
        QImage grain(4, 4, QImage::Format_Grayscale8);
        grain.fill(90);
        file.addPattern(std::make_shared<const Pattern>(
            QStringLiteral("Grain"), QStringLiteral("grain-id"), Pattern::Mode::Grey, 8, grain));
    }
    return file;
}

size_t EntryNamed(const BrushPack& pack, const QString& name)
{
    for (size_t i = 0; i < pack.entries.size(); ++i)
        if (pack.entries[i].fileName == name)
            return i;
    ADD_FAILURE() << name.toStdString() << " is not in the pack";
    return 0;
}

QString Md5(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

QString FateOf(const PackedBrush& packed, const QString& group, const QString& setting)
{
    for (const SettingFate& f : packed.settings)
        if (f.group == group && f.setting == setting)
            return FateName(f.fate) + (f.how.isEmpty() ? QString() : QStringLiteral(": ") + f.how);
    return QStringLiteral("absent");
}

TEST(KritaPaintPreset, EveryGroupMapsToKritasKeys)
{
    const BrushPack pack = BuildBrushPack(EveryGroupFile(), PackTarget::Krita);
    ASSERT_EQ(pack.brushes[0].presetFileName, QStringLiteral("000 Chalk.kpp"));
    const size_t kpp = EntryNamed(pack, QStringLiteral("000 Chalk.kpp"));
    const size_t tip = EntryNamed(pack, QStringLiteral("000 Chalk.gbr"));
    const size_t dual = EntryNamed(pack, QStringLiteral("000 Chalk (dual tip).gbr"));
    const size_t pattern = EntryNamed(pack, QStringLiteral("000 Grain.pat"));
    EXPECT_TRUE(pack.entries[dual].isDualTip());
    EXPECT_LT(dual, kpp) << "a preset follows the tips it names";

    const auto read = ReadKritaPreset(pack.entryBytes(kpp), true);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->version, QStringLiteral("5.0"));
    EXPECT_EQ(read->name, QStringLiteral("Chalk"));
    EXPECT_EQ(read->paintop, QStringLiteral("paintbrush"));
    EXPECT_EQ(read->picture.size(), QSize(200, 200));
    // The tip by file name and MD5, spacing halved for two dabs a step.
    EXPECT_EQ(read->tip.at(QStringLiteral("type")), QStringLiteral("gbr_brush"));
    EXPECT_EQ(read->tip.at(QStringLiteral("filename")), QStringLiteral("000 Chalk.gbr"));
    EXPECT_EQ(read->tip.at(QStringLiteral("md5sum")), Md5(pack.entryBytes(tip)));
    EXPECT_DOUBLE_EQ(read->tip.at(QStringLiteral("spacing")).toDouble(), 0.05);
    // Pressure with its minimum as the curve, jitter as Krita's random sensor.
    EXPECT_EQ(read->sensors(QStringLiteral("Size")),
              (QStringList{QStringLiteral("pressure"), QStringLiteral("fuzzy")}));
    EXPECT_TRUE(read->param(QStringLiteral("SizeSensor")).contains(QLatin1String("0,0.2;1,1;")));
    EXPECT_EQ(read->sensors(QStringLiteral("Rotation")),
              (QStringList{QStringLiteral("drawingangle"), QStringLiteral("fuzzy")}));
    EXPECT_EQ(read->sensors(QStringLiteral("Opacity")), QStringList{QStringLiteral("fade")});
    EXPECT_TRUE(
        read->param(QStringLiteral("OpacitySensor")).contains(QLatin1String("length=\"40\"")));
    EXPECT_DOUBLE_EQ(read->number(QStringLiteral("OpacityValue")), 0.8);
    EXPECT_EQ(read->param(QStringLiteral("CompositeOp")), QStringLiteral("multiply"));
    EXPECT_DOUBLE_EQ(read->number(QStringLiteral("ScatterValue")), 1.5);
    EXPECT_EQ(read->param(QStringLiteral("Scattering/AxisX")), QStringLiteral("false"));
    EXPECT_EQ(read->param(QStringLiteral("Texture/Pattern/Enabled")), QStringLiteral("true"));
    EXPECT_EQ(read->param(QStringLiteral("Texture/Pattern/PatternMD5Sum")),
              Md5(pack.entryBytes(pattern)));
    EXPECT_EQ(read->param(QStringLiteral("Texture/Pattern/PatternFileName")),
              QStringLiteral("000 Grain.pat"));
    EXPECT_EQ(read->param(QStringLiteral("Texture/Pattern/TexturingMode")), QStringLiteral("15"));
    EXPECT_DOUBLE_EQ(read->number(QStringLiteral("Texture/Pattern/Scale")), 0.62);
    EXPECT_DOUBLE_EQ(read->number(QStringLiteral("Texture/Strength/Value")), 0.07);
    EXPECT_EQ(read->param(QStringLiteral("MaskingBrush/Enabled")), QStringLiteral("true"));
    EXPECT_EQ(read->param(QStringLiteral("MaskingBrush/MaskingCompositeOp")),
              QStringLiteral("burn"));
    EXPECT_DOUBLE_EQ(read->number(QStringLiteral("MaskingBrush/MasterSizeCoeff")), 0.5);
    EXPECT_EQ(read->param(QStringLiteral("MaskingBrush/Preset/requiredBrushFile")),
              QStringLiteral("000 Chalk (dual tip).gbr"));
    EXPECT_EQ(read->sensors(QStringLiteral("h")), QStringList{QStringLiteral("fuzzystroke")});
    EXPECT_EQ(read->param(QStringLiteral("PaintOpSettings/isAirbrushing")), QStringLiteral("true"));

    // A bundle writer hands the tips' MD5 on rather than drawing them twice: same bytes.
    KritaResourceSums sums{{tip, Md5(pack.entryBytes(tip)).toLatin1()},
                           {dual, Md5(pack.entryBytes(dual)).toLatin1()}};
    EXPECT_EQ(KritaPresetEntryBytes(pack, pack.entries[kpp], {}, &sums), pack.entryBytes(kpp));
}

TEST(KritaPaintPreset, TheReportSaysWhatWasApproximatedAndWhatIsMissing)
{
    const BrushPack full = BuildBrushPack(EveryGroupFile(), PackTarget::Krita);
    const PackedBrush& chalk = full.brushes[0];
    EXPECT_EQ(FateOf(chalk, QStringLiteral("Brush Tip Shape"), QStringLiteral("tip")),
              QStringLiteral("kept"));
    EXPECT_EQ(FateOf(chalk, QStringLiteral("Brush Tip Shape"), QStringLiteral("spacing")),
              QStringLiteral("approximated: 2 dabs a step as spacing divided by 2"));
    EXPECT_EQ(FateOf(chalk, QStringLiteral("Texture"), QStringLiteral("mode")),
              QStringLiteral("kept"));
    EXPECT_EQ(FateOf(chalk, QStringLiteral("Color Dynamics"), QStringLiteral("hue")),
              QStringLiteral("approximated: as Krita's random hue shift"));
    EXPECT_EQ(FateOf(chalk, QStringLiteral("Brush Pose"), QStringLiteral("pose")).left(11),
              QStringLiteral("not carried"));
    // The texture travels now; only the pose is lost.
    EXPECT_TRUE(chalk.texture.isEmpty());
    EXPECT_EQ(chalk.lostSettings, QStringList{QStringLiteral("Brush Pose")});
    EXPECT_EQ(full.countsText(),
              QStringLiteral("1 brush, 1 changed, 1 preset, 1 approximated, 1 pattern, "
                             "1 brush loses settings"));

    // Without its pattern and dual tip it converts all the same, and says so; a scatter Krita
    // cannot hold is brought down to its range.
    const BrushPack bare = BuildBrushPack(EveryGroupFile(false, false, 800), PackTarget::Krita);
    const PackedBrush& alone = bare.brushes[0];
    EXPECT_EQ(FateOf(alone, QStringLiteral("Texture"), QStringLiteral("pattern")),
              QStringLiteral("not carried: the file does not carry the pattern \"Grain\""));
    EXPECT_EQ(FateOf(alone, QStringLiteral("Dual Brush"), QStringLiteral("tip")),
              QStringLiteral("not carried: the file does not carry the dual brush's tip"));
    EXPECT_EQ(FateOf(alone, QStringLiteral("Scattering"), QStringLiteral("scatter")),
              QStringLiteral("approximated: 800 % is beyond Krita's range, written as 500 %; "
                             "across the stroke as Krita's Y axis"));
    EXPECT_EQ(bare.entries.size(), 2u) << "the tip and the preset, nothing missing named";
    // A name cut to what a file system takes still leaves the dual tip a name of its own.
    const BrushPack longName =
        BuildBrushPack(EveryGroupFile(true, true, 150, QString(300, u'k')), PackTarget::Krita);
    EXPECT_NE(longName.entries[0].fileName, longName.entries[1].fileName);
    EXPECT_TRUE(longName.entries[1].fileName.endsWith(u" (dual tip).gbr"));
    const auto read = ReadKritaPreset(bare.entryBytes(1));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->param(QStringLiteral("Texture/Pattern/Enabled")).isEmpty());
    EXPECT_TRUE(read->param(QStringLiteral("MaskingBrush/Enabled")).isEmpty());
    EXPECT_DOUBLE_EQ(read->number(QStringLiteral("ScatterValue")), 5);

    // A bristle tip is its drawn picture, cut to what a .gbr holds and enlarged again by Krita.
    BrushPreset bristle;
    bristle.tip.kind = TipKind::Bristle;
    bristle.tip.diameter = 3000;
    bristle.tip.spacing = 10;
    auto bristles = std::make_shared<PreviewBrush>(QStringLiteral("Bristles"), bristle.tip);
    bristles->setPreset(std::make_shared<const BrushPreset>(bristle));
    BrushFile file(QStringLiteral("/x/Bristles.abr"));
    file.addBrush(bristles);
    const BrushPack wide = BuildBrushPack(file, PackTarget::Krita);
    EXPECT_TRUE(FateOf(wide.brushes[0], QStringLiteral("Brush Tip Shape"), QStringLiteral("tip"))
                    .startsWith(u"approximated: a bristle tip as its drawn picture"));
    EXPECT_EQ(FateOf(wide.brushes[0], QStringLiteral("Brush Tip Shape"), QStringLiteral("size")),
              QStringLiteral("approximated: the tip is written smaller; Krita enlarges it "
                             "1.46484 times to the preset's 3000 pixels"));
    EXPECT_EQ(ReadKritaPreset(wide.entryBytes(1))->tip.at(QStringLiteral("scale")),
              QStringLiteral("1.46484"));
}

// A computed tip Krita can draw itself becomes its round tip; one turned stays drawn. A
// computed dual tip is Krita's round tip as a masking brush.
TEST(KritaPaintPreset, ComputedTipsBecomeKritasOwnRoundTipUnlessTurned)
{
    BrushFile file(QStringLiteral("/x/Rounds.abr"));
    for (const double angle : {0.0, 30.0}) {
        BrushPreset preset;
        preset.tip.kind = TipKind::Computed;
        preset.tip.diameter = 40;
        preset.tip.roundness = 50;
        preset.tip.angle = angle;
        preset.tip.hardness = 80;
        preset.tip.spacing = 20;
        DualBrush& dual = preset.settings.dualBrush.emplace();
        dual.tip.diameter = 12;
        dual.tip.hardness = 100;
        auto round = std::const_pointer_cast<Brush>(std::static_pointer_cast<const Brush>(
            ComputedBrush::brushWithName(QStringLiteral("Round"), 40, 50, angle, 80)));
        round->setPreset(std::make_shared<const BrushPreset>(preset));
        file.addBrush(round);
    }
    const BrushPack pack = BuildBrushPack(file, PackTarget::Krita);
    const auto flat =
        ReadKritaPreset(pack.entryBytes(EntryNamed(pack, QStringLiteral("000 Round.kpp"))));
    const auto turned =
        ReadKritaPreset(pack.entryBytes(EntryNamed(pack, QStringLiteral("001 Round.kpp"))));
    ASSERT_TRUE(flat && turned);
    EXPECT_EQ(flat->tip.at(QStringLiteral("type")), QStringLiteral("auto_brush"));
    EXPECT_DOUBLE_EQ(flat->tip.at(QStringLiteral("diameter")).toDouble(), 40);
    EXPECT_DOUBLE_EQ(flat->tip.at(QStringLiteral("ratio")).toDouble(), 0.5);
    EXPECT_DOUBLE_EQ(flat->tip.at(QStringLiteral("hfade")).toDouble(), 0.8);
    EXPECT_DOUBLE_EQ(flat->tip.at(QStringLiteral("spacing")).toDouble(), 0.2);
    EXPECT_EQ(turned->tip.at(QStringLiteral("type")), QStringLiteral("gbr_brush"));
    EXPECT_EQ(turned->tip.at(QStringLiteral("scale")), QStringLiteral("1"));
    EXPECT_TRUE(flat->param(QStringLiteral("MaskingBrush/Preset/brush_definition"))
                    .contains(QLatin1String("diameter=\"12\" ratio=\"1\" hfade=\"1\"")));
    EXPECT_DOUBLE_EQ(flat->number(QStringLiteral("MaskingBrush/MasterSizeCoeff")), 0.3);
    EXPECT_EQ(FateOf(pack.brushes[0], QStringLiteral("Dual Brush"), QStringLiteral("tip")),
              QStringLiteral("kept"));
}

// A bundle read back gives each tip its preset's values; the dual tip is no brush of its own.
TEST(KritaPaintPreset, ABundleReadsBackWithItsPresets)
{
    QTemporaryDir dir;
    const BrushPack pack = BuildBrushPack(EveryGroupFile(), PackTarget::Krita);
    // The pictures are painted ahead on threads of their own, each for its own preset.
    const PackPreviewPainter painter = [](const Brush& brush, const std::vector<PatternPtr>&,
                                          QSize size) {
        QImage picture(size, QImage::Format_Grayscale8);
        picture.fill(brush.displayName() == u"Chalk" ? 0 : 255);
        return picture;
    };
    const PackWriteResult written =
        WritePackBundle(pack, dir.path(), QStringLiteral("Chalks.abr"), painter);
    ASSERT_EQ(written.status, PackWriteResult::Status::Written) << written.error.toStdString();
    // What the writer streamed names the same MD5s as the preset made on its own.
    const auto bundle = KritaBundle::read(written.path);
    ASSERT_TRUE(bundle);
    const auto streamed = std::find_if(bundle->resources.begin(), bundle->resources.end(),
                                       [](auto& r) { return r.fileName.endsWith(u".kpp"); });
    ASSERT_NE(streamed, bundle->resources.end());
    EXPECT_EQ(streamed->mediaType, QStringLiteral("paintoppresets"));
    const auto kpp = ReadKritaPreset(streamed->bytes, true);
    ASSERT_TRUE(kpp);
    EXPECT_EQ(kpp->params,
              ReadKritaPreset(pack.entryBytes(EntryNamed(pack, streamed->fileName)))->params);
    EXPECT_EQ(kpp->picture.pixelColor(100, 100), QColor(Qt::black));

    struct Sink : CBrushSink
    {
        void AddBrush(const BrushPtr& brush) override { brushes.push_back(brush); }
        void AddPattern(const PatternPtr&) override {}
        void FinishedReadingFile(const ReadOutcome&) override {}
        std::vector<BrushPtr> brushes;
    } sink;
    BrushPackReader(written.path).Read(sink);
    ASSERT_EQ(sink.brushes.size(), 1u);
    const Brush& chalk = *sink.brushes[0];
    EXPECT_EQ(chalk.displayName(), QStringLiteral("Chalk"));
    ASSERT_TRUE(chalk.preset());
    const BrushPreset& preset = *chalk.preset();
    EXPECT_DOUBLE_EQ(preset.tip.diameter, 20);
    EXPECT_DOUBLE_EQ(*preset.tip.spacing, 5);
    EXPECT_DOUBLE_EQ(preset.tip.angle, 0);
    ASSERT_TRUE(preset.settings.shapeDynamics);
    EXPECT_EQ(preset.settings.shapeDynamics->size.control, DynamicControl::PenPressure);
    EXPECT_EQ(preset.settings.shapeDynamics->angle.control, DynamicControl::Direction);
    ASSERT_TRUE(preset.settings.transfer);
    EXPECT_EQ(preset.settings.transfer->opacity.control, DynamicControl::Fade);
    EXPECT_DOUBLE_EQ(*preset.toolOptions->opacity, 80);
    EXPECT_TRUE(preset.settings.buildUp);
}

} // namespace
