// Presets as the reader builds them from made-up descriptors: their tips, every settings group,
// the order of presets and stored samples, and what damage leaves of them.
#include "abr/ReadAbr.h"
#include "abr/Type6Writer.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace {
using namespace desc;

QByteArray Dyn(int control, double jitter, double minimum = 0, int fadeSteps = 25)
{
    return Obj("brVr", {{"bVTy", Long(control)},
                        {"fStp", Long(fadeSteps)},
                        {"jitter", UntF("#Prc", jitter)},
                        {"Mnm ", UntF("#Prc", minimum)}});
}

QByteArray Prc(double v)
{
    return UntF("#Prc", v);
}

SampleRecordDescription Sample(const std::string& id, int w, int h)
{
    SampleRecordDescription s;
    s.id = id;
    s.right = w;
    s.bottom = h;
    s.pixels = QByteArray(w * h, char(100));
    return s;
}

class PresetReaderTest : public ::testing::Test
{
protected:
    ReadResult Read(const std::vector<SampleRecordDescription>& samples,
                    const std::vector<QByteArray>& presets,
                    CABRreader::ReadAs as = CABRreader::ReadAs::Presets)
    {
        return ReadBytes(Header() + Section("samp", SampleRecords(samples, 2)) +
                             Section("desc", Presets(presets)),
                         as);
    }
    ReadResult ReadBytes(const QByteArray& bytes,
                         CABRreader::ReadAs as = CABRreader::ReadAs::Presets)
    {
        return ReadAbr(mSandbox.write("p.abr", bytes), {}, as);
    }

    Sandbox mSandbox;
};

QStringList GroupKeys(const BrushSettings& settings)
{
    QStringList keys;
    for (const SettingsGroup& group : GroupsOn(settings))
        keys << QString::fromLatin1(group.key);
    return keys;
}

// Every group with its switch on and values unlike its defaults; the same members with every
// switch off give no group at all, and no texture on the brush.
Members EveryGroup(bool on)
{
    return {
        {"useTipDynamics", Bool(on)},
        {"flipX", Bool(true)},
        {"flipY", Bool(false)},
        {"brushProjection", Bool(true)},
        {"minimumDiameter", Prc(20)},
        {"minimumRoundness", Prc(25)},
        {"tiltScale", Prc(200)},
        {"szVr", Dyn(2, 10, 5)},
        {"angleDynamics", Dyn(7, 11)},
        {"roundnessDynamics", Dyn(0, 30)},
        {"useScatter", Bool(on)},
        {"Cnt ", Doub(4)},
        {"bothAxes", Bool(true)},
        {"countDynamics", Dyn(0, 50)},
        {"scatterDynamics", Dyn(0, 250)},
        {"dualBrush",
         Obj("dualBrush",
             {{"useDualBrush", Bool(on)},
              {"Flip", Bool(true)},
              {"Brsh", ComputedTip(25, 0, 100, 0, {{"Spcn", Prc(30)}, {"Intr", Bool(true)}})},
              {"BlnM", Enum("BlnM", "CBrn")},
              {"Cnt ", Doub(2)},
              {"bothAxes", Bool(true)},
              {"countDynamics", Dyn(1, 0, 0, 12)},
              {"scatterDynamics", Dyn(0, 40)}})},
        {"useTexture", Bool(on)},
        {"TxtC", Bool(true)},
        {"textureBlendMode", Enum("BlnM", "linearHeight")},
        {"textureDepth", Prc(7)},
        {"minimumDepth", Prc(3)},
        {"textureDepthDynamics", Dyn(2, 0)},
        {"Txtr", Obj("Ptrn", {{"Nm  ", Text("Gray Granite")}, {"Idnt", Text("e10c-b8")}})},
        {"textureScale", Prc(62)},
        {"InvT", Bool(true)},
        {"textureBrightness", Long(6)},
        {"textureContrast", Long(-20)},
        {"usePaintDynamics", Bool(on)},
        {"prVr", Dyn(2, 0)},
        {"opVr", Dyn(0, 25)},
        {"wtVr", Dyn(3, 0)},
        {"mxVr", Dyn(4, 0)},
        {"useColorDynamics", Bool(on)},
        {"colorDynamicsPerTip", Bool(true)},
        {"clVr", Dyn(2, 10)},
        {"H   ", Prc(5)},
        {"Strt", Prc(6)},
        {"Brgh", Prc(7)},
        {"purity", Prc(-8)},
        {"useBrushPose", Bool(on)},
        {"overridePoseAngle", Bool(true)},
        {"overridePoseTiltX", Bool(false)},
        {"overridePoseTiltY", Bool(true)},
        {"overridePosePressure", Bool(true)},
        {"brushPosePressure", Prc(9)},
        {"brushPoseTiltX", Long(-54)},
        {"brushPoseTiltY", Long(23)},
        {"brushPoseAngle", Long(12)},
        {"Nose", Bool(on)},
        {"Wtdg", Bool(on)},
        {"Rpt ", Bool(on)},
        {"Smoo", Bool(on)},
        {"protectTexture", Bool(on)},
        {"toolOptions", Obj("PbTl", {{"flow", Long(80)},
                                     {"Md  ", Enum("BlnM", "Mltp")},
                                     {"Opct", Long(70)},
                                     {"smoothingValue", Doub(10)}})},
    };
}

TEST_F(PresetReaderTest, EverySettingsGroupIsReadWithItsSwitch)
{
    const QByteArray tip = ComputedTip(
        30, -45, 80, 50, {{"Spcn", Prc(10)}, {"Intr", Bool(true)}, {"flipX", Bool(true)}});
    const ReadResult o =
        Read({}, {Preset("All", tip, EveryGroup(true)), Preset("None", tip, EveryGroup(false))});
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 2u);
    const BrushPreset* p = o.brushes[0]->preset();
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->isPreset);
    EXPECT_EQ(p->tip.kind, TipKind::Computed);
    EXPECT_EQ(p->tip.diameter, 30);
    EXPECT_EQ(p->tip.angle, -45);
    EXPECT_EQ(p->tip.roundness, 80);
    EXPECT_EQ(p->tip.hardness, 50);
    EXPECT_EQ(p->tip.spacing, 10);
    EXPECT_TRUE(p->tip.flipX);
    EXPECT_FALSE(p->tip.flipY);
    // The flip is folded into the drawn tip's angle.
    EXPECT_EQ(dynamic_cast<const ComputedBrush&>(*o.brushes[0]).parameters().angleInDegrees, 45);

    const BrushSettings& s = p->settings;
    EXPECT_EQ(GroupKeys(s).join(' '), "shape_dynamics scattering texture dual_brush color_dynamics "
                                      "transfer brush_pose noise wet_edges build_up smoothing "
                                      "protect_texture");
    const ShapeDynamics& shape = *s.shapeDynamics;
    EXPECT_EQ(shape.size.control, DynamicControl::PenPressure);
    EXPECT_EQ(shape.size.jitter, 10);
    EXPECT_EQ(shape.size.minimum, 5);
    EXPECT_EQ(shape.angle.control, DynamicControl::Direction);
    EXPECT_EQ(shape.roundness.jitter, 30);
    EXPECT_EQ(shape.minimumDiameter, 20);
    EXPECT_EQ(shape.minimumRoundness, 25);
    EXPECT_EQ(shape.tiltScale, 200);
    EXPECT_TRUE(shape.flipXJitter);
    EXPECT_FALSE(shape.flipYJitter);
    EXPECT_TRUE(shape.projection);

    EXPECT_EQ(s.scattering->scatter.jitter, 250);
    EXPECT_TRUE(s.scattering->bothAxes);
    EXPECT_EQ(s.scattering->count, 4);
    EXPECT_EQ(s.scattering->countJitter.jitter, 50);

    const Texture& t = *s.texture;
    EXPECT_EQ(t.patternName, "Gray Granite");
    EXPECT_EQ(t.patternId, "e10c-b8");
    EXPECT_TRUE(t.invert);
    EXPECT_EQ(t.scale, 62);
    EXPECT_EQ(t.brightness, 6);
    EXPECT_EQ(t.contrast, -20);
    EXPECT_EQ(t.mode, "Linear Height");
    EXPECT_EQ(t.depth, 7);
    EXPECT_EQ(t.minimumDepth, 3);
    EXPECT_EQ(t.depthJitter.control, DynamicControl::PenPressure);
    EXPECT_TRUE(t.perTip);
    ASSERT_TRUE(o.brushes[0]->texture());
    EXPECT_EQ(o.brushes[0]->texture()->name, "Gray Granite");
    EXPECT_EQ(o.brushes[0]->texture()->identifier, "e10c-b8");

    const DualBrush& d = *s.dualBrush;
    EXPECT_EQ(d.tip.kind, TipKind::Computed);
    EXPECT_EQ(d.tip.diameter, 25);
    EXPECT_EQ(d.tip.spacing, 30);
    EXPECT_EQ(d.mode, "Color Burn");
    EXPECT_TRUE(d.flip);
    EXPECT_EQ(d.scatter.jitter, 40);
    EXPECT_TRUE(d.bothAxes);
    EXPECT_EQ(d.count, 2);
    EXPECT_EQ(d.countJitter.control, DynamicControl::Fade);
    EXPECT_EQ(d.countJitter.fadeSteps, 12);

    const ColorDynamics& c = *s.colorDynamics;
    EXPECT_TRUE(c.perTip);
    EXPECT_EQ(c.foregroundBackground.control, DynamicControl::PenPressure);
    EXPECT_EQ(c.hue, 5);
    EXPECT_EQ(c.saturation, 6);
    EXPECT_EQ(c.brightness, 7);
    EXPECT_EQ(c.purity, -8);

    EXPECT_EQ(s.transfer->flow.control, DynamicControl::PenPressure);
    EXPECT_EQ(s.transfer->opacity.jitter, 25);
    EXPECT_EQ(s.transfer->wetness.control, DynamicControl::PenTilt);
    EXPECT_EQ(s.transfer->mix.control, DynamicControl::StylusWheel);

    const BrushPose& pose = *s.brushPose;
    EXPECT_EQ(pose.tiltX, -54);
    EXPECT_EQ(pose.tiltY, 23);
    EXPECT_EQ(pose.rotation, 12);
    EXPECT_EQ(pose.pressure, 9);
    EXPECT_TRUE(pose.overrideRotation);
    EXPECT_FALSE(pose.overrideTiltX);
    EXPECT_TRUE(pose.overrideTiltY);
    EXPECT_TRUE(pose.overridePressure);

    ASSERT_TRUE(p->toolOptions);
    EXPECT_EQ(p->toolOptions->mode, "Multiply");
    EXPECT_EQ(p->toolOptions->opacity, 70);
    EXPECT_EQ(p->toolOptions->flow, 80);
    EXPECT_EQ(p->toolOptions->smoothing, 10);

    const BrushPreset* none = o.brushes[1]->preset();
    ASSERT_TRUE(none);
    EXPECT_TRUE(GroupKeys(none->settings).isEmpty());
    EXPECT_FALSE(o.brushes[1]->texture());
}

// Each control the file may name, fade steps only for Fade, and numbers past the menu kept as
// they are; a long where a double is expected counts, a text does not.
TEST_F(PresetReaderTest, EveryDynamicControl)
{
    const std::pair<int, DynamicControl> controls[] = {{0, DynamicControl::Off},
                                                       {1, DynamicControl::Fade},
                                                       {2, DynamicControl::PenPressure},
                                                       {3, DynamicControl::PenTilt},
                                                       {4, DynamicControl::StylusWheel},
                                                       {5, DynamicControl::Rotation},
                                                       {6, DynamicControl::InitialDirection},
                                                       {7, DynamicControl::Direction},
                                                       {8, DynamicControl::Unknown},
                                                       {-1, DynamicControl::Unknown}};
    for (const auto& [stored, control] : controls) {
        SCOPED_TRACE(stored);
        const ReadResult o =
            Read({}, {Preset("D", ComputedTip(9, 0, 100, 100),
                             {{"useTipDynamics", Bool(true)}, {"szVr", Dyn(stored, 20, 5, 30)}})});
        ASSERT_EQ(o.brushes.size(), 1u);
        const Dynamic& size = o.brushes[0]->preset()->settings.shapeDynamics->size;
        EXPECT_EQ(size.control, control);
        EXPECT_EQ(size.storedControl, stored);
        EXPECT_EQ(size.fadeSteps,
                  control == DynamicControl::Fade ? std::optional<int>(30) : std::nullopt);
        EXPECT_EQ(size.jitter, 20);
        EXPECT_EQ(size.minimum, 5);
    }
    const QByteArray oddTypes =
        Obj("brVr", {{"bVTy", Doub(3)}, {"jitter", Long(12)}, {"Mnm ", Text("5")}});
    const ReadResult o = Read({}, {Preset("D", ComputedTip(9, 0, 100, 100),
                                          {{"useTipDynamics", Bool(true)}, {"szVr", oddTypes}})});
    const Dynamic& size = o.brushes.at(0)->preset()->settings.shapeDynamics->size;
    EXPECT_EQ(size.control, DynamicControl::PenTilt);
    EXPECT_EQ(size.jitter, 12);
    EXPECT_EQ(size.minimum, 0);
}

// Photoshop's words for the blend modes, from codes and from words; unknown IDs as stored.
TEST_F(PresetReaderTest, BlendModesReadAsPhotoshopNamesThem)
{
    const std::pair<const char*, const char*> modes[] = {{"Nrml", "Normal"},
                                                         {"Mltp", "Multiply"},
                                                         {"CBrn", "Color Burn"},
                                                         {"colorBurn", "Color Burn"},
                                                         {"linearBurn", "Linear Burn"},
                                                         {"Drkn", "Darken"},
                                                         {"Sbtr", "Subtract"},
                                                         {"height", "Height"},
                                                         {"linearHeight", "Linear Height"},
                                                         {"Ovrl", "Overlay"},
                                                         {"CDdg", "Color Dodge"},
                                                         {"hardMix", "Hard Mix"},
                                                         {"newMode", "newMode"}};
    for (const auto& [id, word] : modes) {
        const ReadResult o = Read(
            {}, {Preset("M", ComputedTip(9, 0, 100, 100),
                        {{"useTexture", Bool(true)}, {"textureBlendMode", Enum("BlnM", id)}})});
        EXPECT_EQ(o.brushes.at(0)->preset()->settings.texture->mode, word) << id;
    }
}

// Three presets paint with one sample at their own sizes; a computed preset between them keeps
// its place; a sample no preset uses follows them as a tip of its own, and one only a dual
// brush uses is no brush. Asked for stored tips, the same file gives its samples, then its
// computed tips, dual tips among them, as before presets were read.
TEST_F(PresetReaderTest, PresetsInDescriptorOrderThenUnusedSamples)
{
    const auto sampled = [](double diameter, double roundness, double angle) {
        return Obj("sampledBrush", {{"Dmtr", UntF("#Pxl", diameter)},
                                    {"Angl", UntF("#Ang", angle)},
                                    {"Rndn", Prc(roundness)},
                                    {"Spcn", Prc(13)},
                                    {"Intr", Bool(true)},
                                    {"flipY", Bool(true)},
                                    {"sampledData", Text("shared")}});
    };
    const Members dual = {{"dualBrush", Obj("dualBrush", {{"useDualBrush", Bool(true)},
                                                          {"Brsh", SampledTip("dualonly")}})}};
    const std::vector<SampleRecordDescription> samples = {
        Sample("orphan1", 4, 2), Sample("shared", 122, 337), Sample("dualonly", 3, 3),
        Sample("orphan2", 5, 6)};
    const std::vector<QByteArray> presets = {Preset("Big Marker 01", sampled(87, 100, 0)),
                                             Preset("Round", ComputedTip(20, 0, 100, 100), dual),
                                             Preset("Wet Marker 01", sampled(100, 80, -18)),
                                             Preset("Wet marker 02", sampled(95, 100, 0))};
    const ReadResult o = Read(samples, presets);
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 6u);
    const char* names[] = {"Big Marker 01", "Round", "Wet Marker 01", "Wet marker 02", "", ""};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(o.brushes[i]->displayName(), names[i]) << i;
    const double diameters[] = {87, 20, 100, 95, 4, 6};
    for (size_t i = 0; i < 6; ++i) {
        ASSERT_TRUE(o.brushes[i]->preset()) << i;
        EXPECT_EQ(o.brushes[i]->preset()->tip.diameter, diameters[i]) << i;
        EXPECT_EQ(o.brushes[i]->preset()->isPreset, i < 4) << i;
    }
    for (size_t i : {0, 2, 3}) {
        const auto& brush = dynamic_cast<const SampledBrush&>(*o.brushes[i]);
        EXPECT_EQ(brush.storedSize(), QSize(122, 337));
        EXPECT_EQ(brush.shaping().diameter, diameters[i]);
        EXPECT_TRUE(brush.shaping().flipY);
        EXPECT_EQ(o.brushes[i]->preset()->tip.sampleId, "shared");
        EXPECT_EQ(o.brushes[i]->preset()->tip.spacing, 13);
    }
    // One stored block for the three.
    EXPECT_EQ(dynamic_cast<const SampledBrush&>(*o.brushes[0]).pixels().data(),
              dynamic_cast<const SampledBrush&>(*o.brushes[3]).pixels().data());
    EXPECT_EQ(o.brushes[2]->preset()->tip.roundness, 80);
    EXPECT_EQ(o.brushes[2]->preset()->tip.angle, -18);
    EXPECT_EQ(o.brushes[1]->preset()->settings.dualBrush->tip.sampleId, "dualonly");
    EXPECT_EQ(o.brushes[4]->preset()->tip.sampleId, "orphan1");
    EXPECT_EQ(o.brushes[5]->preset()->tip.sampleId, "orphan2");
    EXPECT_FALSE(o.brushes[4]->preset()->tip.spacing);

    const ReadResult tips = Read(samples, presets, CABRreader::ReadAs::StoredTips);
    ASSERT_EQ(tips.brushes.size(), 5u);
    EXPECT_EQ(tips.brushes[0]->name(), QString());
    EXPECT_EQ(tips.brushes[1]->name(), "Wet marker 02" + Z);
    EXPECT_EQ(tips.brushes[1]->size(), QSizeF(122, 337));
    EXPECT_EQ(tips.brushes[2]->size(), QSizeF(3, 3));
    EXPECT_EQ(tips.brushes[4]->name(), "Round" + Z);
    for (const BrushPtr& brush : tips.brushes)
        EXPECT_FALSE(brush->preset());
}

QByteArray Floats(std::initializer_list<float> values)
{
    QByteArray bytes;
    for (float v : values) {
        char le[4];
        qToLittleEndian(v, le);
        bytes.append(le, 4);
    }
    return bytes;
}

QByteArray Tdta(const QByteArray& data)
{
    return AbrWriter().ascii("tdta").u32(uint32_t(data.size())).bytes(data).data();
}

// Bristle and erodible tips need no sample and are drawn as previews; their values are kept in
// the panel's percent, and an erodible tip's worn surface only when its size fits its data.
TEST_F(PresetReaderTest, BristleAndErodibleTips)
{
    const QByteArray bristle = Obj("dBrush", {{"Shp ", Long(6)},
                                              {"Angl", UntF("#Ang", 15)},
                                              {"Dmtr", UntF("#Pxl", 36)},
                                              {"Dnst", Prc(0.31)},
                                              {"Lngt", Prc(1.37)},
                                              {"thickness", Prc(0.02)},
                                              {"stiffness", Prc(0.85)},
                                              {"Spcn", Prc(2)},
                                              {"Intr", Bool(true)}});
    const auto erodible = [](int type, int grid, const QByteArray& heights) {
        return Obj("dTips", {{"Dmtr", UntF("#Pxl", 25)},
                             {"dtipsType", Long(type)},
                             {"Shp ", Long(3)},
                             {"dtipsHardness", Prc(48)},
                             {"dtipsGridSize", Long(grid)},
                             {"dtipsErodibleTipHeightMap", Tdta(heights)},
                             {"dtipsAirbrushGranularity", Prc(0.5)},
                             {"dtipsAirbrushSplatSize", Prc(1)},
                             {"dtipsAirbrushSplatCount", Long(200)},
                             {"Spcn", Prc(8)},
                             {"Intr", Bool(false)}});
    };
    const QByteArray four = Floats({1, 0.5f, 0.25f, 0});
    const ReadResult o =
        Read({}, {Preset("Bristle", bristle), Preset("Charcoal", erodible(0, 2, four)),
                  Preset("Air", erodible(1, 3, four)), Preset("Huge", erodible(0, 65536, four)),
                  Preset("Negative", erodible(0, -2, four))});
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 5u);
    EXPECT_EQ(o.brushes[0]->kind(), TipKind::Bristle);
    ASSERT_TRUE(dynamic_cast<const PreviewBrush*>(o.brushes[0].get()));
    const TipShape& b = o.brushes[0]->preset()->tip;
    EXPECT_EQ(b.diameter, 36);
    EXPECT_EQ(b.angle, 15);
    EXPECT_EQ(b.spacing, 2);
    EXPECT_EQ(b.bristle->shape, 6);
    EXPECT_DOUBLE_EQ(b.bristle->bristles, 31);
    EXPECT_DOUBLE_EQ(b.bristle->length, 137);
    EXPECT_DOUBLE_EQ(b.bristle->thickness, 2);
    EXPECT_DOUBLE_EQ(b.bristle->stiffness, 85);

    const TipShape& e = o.brushes[1]->preset()->tip;
    EXPECT_EQ(o.brushes[1]->kind(), TipKind::Erodible);
    EXPECT_FALSE(e.spacing);
    EXPECT_FALSE(e.erodible->airbrush);
    EXPECT_EQ(e.erodible->shape, 3);
    EXPECT_EQ(e.erodible->softness, 48);
    EXPECT_EQ(e.erodible->gridSize, 2);
    EXPECT_EQ(e.erodible->heights, (std::vector<float>{1, 0.5f, 0.25f, 0}));
    const ErodibleTip& air = *o.brushes[2]->preset()->tip.erodible;
    EXPECT_TRUE(air.airbrush);
    EXPECT_EQ(air.granularity, 50);
    EXPECT_EQ(air.spatterSize, 100);
    EXPECT_EQ(air.spatterAmount, 200);
    // A size that does not fit the data (3 × 3 floats in 16 bytes), a size whose square would
    // overflow and a negative one leave the surface out and keep the rest.
    for (size_t i : {2, 3, 4}) {
        EXPECT_EQ(o.brushes[i]->preset()->tip.erodible->gridSize, 0) << i;
        EXPECT_TRUE(o.brushes[i]->preset()->tip.erodible->heights.empty()) << i;
        EXPECT_EQ(o.brushes[i]->preset()->tip.erodible->softness, 48) << i;
    }
}

// Values of the wrong item type or missing keep their defaults; a tip of a class Photoshop
// does not write, a sampled tip without its identifier and a preset whose sample the file
// lacks become placeholders under their names, and none of that is damage. Damage among the
// samples keeps every preset that does not need what was lost, then fails the read.
TEST_F(PresetReaderTest, PresetsKeepWhatCouldBeRead)
{
    const QByteArray wrongTypes = Obj(
        "computedBrush",
        {{"Dmtr", Text("30")}, {"Angl", Bool(true)}, {"Rndn", Long(50)}, {"Spcn", Enum("a", "b")}});
    const ReadResult o =
        Read({Sample("a", 2, 2)},
             {Preset("Wrong", wrongTypes, {{"useScatter", Long(1)}, {"useTexture", Bool(true)}}),
              Preset("Missing", SampledTip("nowhere")), Preset("Odd", Obj("fancyBrush", {})),
              Preset("NoData", Obj("sampledBrush", {{"Dmtr", UntF("#Pxl", 5)}})),
              Obj("brushPreset", {{"Nm  ", Text("NoTip")}}), Preset("A", SampledTip("a"))});
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 6u);
    const BrushPreset& wrong = *o.brushes[0]->preset();
    EXPECT_EQ(wrong.tip.diameter, 0);
    EXPECT_EQ(wrong.tip.angle, 0);
    EXPECT_EQ(wrong.tip.roundness, 50);
    EXPECT_FALSE(wrong.tip.spacing);
    // A switch that is not a bool is off; a group on without its values keeps defaults.
    EXPECT_FALSE(wrong.settings.scattering);
    ASSERT_TRUE(wrong.settings.texture);
    EXPECT_EQ(wrong.settings.texture->scale, 100);
    EXPECT_EQ(o.brushes[0]->kind(), TipKind::Computed);
    for (size_t i : {1, 2, 3, 4}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(o.brushes[i]->kind(), TipKind::Sampled);
        EXPECT_TRUE(o.brushes[i]->pixelSize().isEmpty());
        EXPECT_TRUE(o.brushes[i]->preset());
    }
    EXPECT_EQ(o.brushes[1]->displayName(), "Missing");
    EXPECT_EQ(o.brushes[4]->displayName(), "NoTip");
    EXPECT_EQ(o.brushes[1]->preset()->tip.sampleId, "nowhere");
    EXPECT_EQ(o.brushes[5]->pixelSize(), QSize(2, 2));

    SampleRecordDescription bad = Sample("b", 1, 1);
    bad.depth = 24;
    const ReadResult damaged =
        Read({Sample("a", 2, 2), bad, Sample("c", 1, 1)},
             {Preset("B", SampledTip("b")), Preset("Round", ComputedTip(9, 0, 100, 100)),
              Preset("A", SampledTip("a"))});
    EXPECT_EQ(damaged.error, -1);
    // The walk steps over the bad record to "c", which no preset uses.
    ASSERT_EQ(damaged.brushes.size(), 4u);
    EXPECT_EQ(damaged.brushes[0]->displayName(), "B");
    EXPECT_TRUE(damaged.brushes[0]->pixelSize().isEmpty());
    EXPECT_EQ(damaged.brushes[1]->displayName(), "Round");
    EXPECT_EQ(damaged.brushes[2]->pixelSize(), QSize(2, 2));
    EXPECT_FALSE(damaged.brushes[3]->preset()->isPreset);
    EXPECT_EQ(damaged.finished, 1);

    // A damaged descriptor is damage: a count past its section.
    QByteArray cut = Presets({Preset("A", SampledTip("a"))});
    cut.chop(6);
    const ReadResult broken = ReadBytes(
        Header() + Section("samp", SampleRecords({Sample("a", 2, 2)}, 2)) + Section("desc", cut));
    EXPECT_EQ(broken.error, -1);
    EXPECT_TRUE(broken.brushes.empty());
}

// A dual brush's tip is read one level deep; one nested in it is not followed.
TEST_F(PresetReaderTest, NestedDualBrushesAreNotFollowed)
{
    QByteArray tip = ComputedTip(9, 0, 100, 100);
    for (int level = 0; level < 20; ++level)
        tip = Obj("computedBrush",
                  {{"Dmtr", UntF("#Pxl", level)},
                   {"dualBrush", Obj("dualBrush", {{"useDualBrush", Bool(true)}, {"Brsh", tip}})}});
    const ReadResult o = Read(
        {},
        {Preset("Nest", ComputedTip(9, 0, 100, 100),
                {{"dualBrush", Obj("dualBrush", {{"useDualBrush", Bool(true)}, {"Brsh", tip}})}})});
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 1u);
    EXPECT_EQ(o.brushes[0]->preset()->settings.dualBrush->tip.diameter, 19);
}

// Versions 1 and 2 give their records' spacing, 0 meaning none, and a computed tip's shape.
TEST_F(PresetReaderTest, VersionOneAndTwoSpacing)
{
    for (uint16_t version : {1, 2}) {
        SCOPED_TRACE(version);
        AbrWriter w;
        w.u16(version).u16(3);
        const auto spacingAt = [&w] { return qsizetype(w.size() + 2 + 4 + 4); };
        const qsizetype first = spacingAt();
        w.computedRecord(version == 2, QStringLiteral("c"), 30, 60, -45, 40);
        const qsizetype second = spacingAt();
        w.sampledRecord(version == 2, QStringLiteral("s"), 0, 0, 3, 7, 8, false,
                        QByteArray(21, char(9)));
        w.computedRecord(version == 2, QStringLiteral("z"), 5, 100, 0, 100);
        QByteArray bytes = w.data();
        qToBigEndian<quint16>(10, bytes.data() + first);
        qToBigEndian<quint16>(25, bytes.data() + second);
        const ReadResult o = ReadBytes(bytes);
        EXPECT_FALSE(o.error);
        ASSERT_EQ(o.brushes.size(), 3u);
        const TipShape& c = o.brushes[0]->preset()->tip;
        EXPECT_EQ(c.spacing, 10);
        EXPECT_EQ(c.diameter, 30);
        EXPECT_EQ(c.roundness, 60);
        EXPECT_EQ(c.angle, -45);
        EXPECT_EQ(c.hardness, 40);
        const TipShape& s = o.brushes[1]->preset()->tip;
        EXPECT_EQ(s.kind, TipKind::Sampled);
        EXPECT_EQ(s.spacing, 25);
        EXPECT_EQ(s.diameter, 7);
        EXPECT_FALSE(o.brushes[2]->preset()->tip.spacing);
        EXPECT_FALSE(ReadBytes(bytes, CABRreader::ReadAs::StoredTips).brushes[0]->preset());
    }
}
} // namespace
