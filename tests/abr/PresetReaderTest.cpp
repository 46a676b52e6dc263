// Presets as the reader builds them from made-up descriptors: their tips, every settings group,
// the order of presets and stored samples, and what damage leaves of them.
#include "abr/ReadAbr.h"
#include "abr/Type6Writer.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"

#include <QVariant>
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

// A preset as one line per part, every value in it, to compare whole.
// Lines joined as one text, which a failure prints as text.
std::string Joined(const QStringList& lines)
{
    return lines.join('\n').toStdString();
}

QString Show(const Dynamic& d)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(d.storedControl)
        .arg(d.fadeSteps ? QString::number(*d.fadeSteps) : "-")
        .arg(d.jitter)
        .arg(d.minimum);
}

QString Show(const TipShape& t)
{
    return QStringLiteral("%1 %2 %3 %4 h%5 s%6 %7%8")
        .arg(TipKindKey(t.kind))
        .arg(t.diameter)
        .arg(t.angle)
        .arg(t.roundness)
        .arg(t.hardness ? QString::number(*t.hardness) : "-")
        .arg(t.spacing ? QString::number(*t.spacing) : "-")
        .arg(t.flipX ? "x" : "")
        .arg(t.flipY ? "y" : "");
}

QStringList Lines(const BrushPreset& p)
{
    const BrushSettings& s = p.settings;
    QStringList l{Show(p.tip)};
    const auto add = [&l](const char* group, const QList<QVariant>& values) {
        QStringList text;
        for (const QVariant& v : values)
            text << v.toString();
        l << QString::fromLatin1(group) + ": " + text.join(' ');
    };
    if (const auto& g = s.shapeDynamics)
        add("shape",
            {Show(g->size), g->minimumDiameter, g->tiltScale, Show(g->angle), Show(g->roundness),
             g->minimumRoundness, g->flipXJitter, g->flipYJitter, g->projection});
    if (const auto& g = s.scattering)
        add("scatter", {Show(g->scatter), g->bothAxes, g->count, Show(g->countJitter)});
    if (const auto& g = s.texture)
        add("texture",
            {g->patternName, g->patternId, g->invert, g->scale, g->brightness, g->contrast, g->mode,
             g->depth, g->minimumDepth, Show(g->depthJitter), g->perTip});
    if (const auto& g = s.dualBrush)
        add("dual", {Show(g->tip), g->mode, g->flip, Show(g->scatter), g->bothAxes, g->count,
                     Show(g->countJitter)});
    if (const auto& g = s.colorDynamics)
        add("color", {g->perTip, Show(g->foregroundBackground), g->hue, g->saturation,
                      g->brightness, g->purity});
    if (const auto& g = s.transfer)
        add("transfer", {Show(g->opacity), Show(g->flow), Show(g->wetness), Show(g->mix)});
    if (const auto& g = s.brushPose)
        add("pose", {g->tiltX, g->tiltY, g->rotation, g->pressure, g->overrideTiltX,
                     g->overrideTiltY, g->overrideRotation, g->overridePressure});
    add("switches", {s.noise, s.wetEdges, s.buildUp, s.smoothing, s.protectTexture});
    if (const auto& o = p.toolOptions)
        add("tool",
            {o->mode, o->opacity.value_or(-1), o->flow.value_or(-1), o->smoothing.value_or(-1)});
    return l;
}

// Every group with its switch on and values unlike its defaults; the same members with every
// switch off give no group at all, and no texture on the brush.
Members EveryGroup(bool on)
{
    // clang-format off
    return {
        {"useTipDynamics", Bool(on)}, {"flipX", Bool(true)}, {"flipY", Bool(false)},
        {"brushProjection", Bool(true)}, {"minimumDiameter", Prc(20)},
        {"minimumRoundness", Prc(25)}, {"tiltScale", Prc(200)}, {"szVr", Dyn(2, 10, 5)},
        {"angleDynamics", Dyn(7, 11)}, {"roundnessDynamics", Dyn(0, 30)},
        {"useScatter", Bool(on)}, {"Cnt ", Doub(4)}, {"bothAxes", Bool(true)},
        {"countDynamics", Dyn(0, 50)}, {"scatterDynamics", Dyn(0, 250)},
        {"dualBrush", Obj("dualBrush", {
            {"useDualBrush", Bool(on)}, {"Flip", Bool(true)},
            {"Brsh", ComputedTip(25, 0, 100, 0, {{"Spcn", Prc(30)}, {"Intr", Bool(true)}})},
            {"BlnM", Enum("BlnM", "CBrn")}, {"Cnt ", Doub(2)}, {"bothAxes", Bool(true)},
            {"countDynamics", Dyn(1, 0, 0, 12)}, {"scatterDynamics", Dyn(0, 40)}})},
        {"useTexture", Bool(on)}, {"TxtC", Bool(true)},
        {"textureBlendMode", Enum("BlnM", "linearHeight")}, {"textureDepth", Prc(7)},
        {"minimumDepth", Prc(3)}, {"textureDepthDynamics", Dyn(2, 0)},
        {"Txtr", Obj("Ptrn", {{"Nm  ", Text("Gray Granite")}, {"Idnt", Text("e10c-b8")}})},
        {"textureScale", Prc(62)}, {"InvT", Bool(true)}, {"textureBrightness", Long(6)},
        {"textureContrast", Long(-20)},
        {"usePaintDynamics", Bool(on)}, {"prVr", Dyn(2, 0)}, {"opVr", Dyn(0, 25)},
        {"wtVr", Dyn(3, 0)}, {"mxVr", Dyn(4, 0)},
        {"useColorDynamics", Bool(on)}, {"colorDynamicsPerTip", Bool(true)},
        {"clVr", Dyn(2, 10)}, {"H   ", Prc(5)}, {"Strt", Prc(6)}, {"Brgh", Prc(7)},
        {"purity", Prc(-8)},
        {"useBrushPose", Bool(on)}, {"overridePoseAngle", Bool(true)},
        {"overridePoseTiltX", Bool(false)}, {"overridePoseTiltY", Bool(true)},
        {"overridePosePressure", Bool(true)}, {"brushPosePressure", Prc(9)},
        {"brushPoseTiltX", Long(-54)}, {"brushPoseTiltY", Long(23)}, {"brushPoseAngle", Long(12)},
        {"Nose", Bool(on)}, {"Wtdg", Bool(on)}, {"Rpt ", Bool(on)}, {"Smoo", Bool(on)},
        {"protectTexture", Bool(on)},
        {"toolOptions", Obj("PbTl", {{"flow", Long(80)}, {"Md  ", Enum("BlnM", "Mltp")},
                                     {"Opct", Long(70)}, {"smoothingValue", Doub(10)}})},
    };
    // clang-format on
}

TEST_F(PresetReaderTest, EverySettingsGroupIsReadWithItsSwitch)
{
    const QByteArray tip = ComputedTip(
        30, -45, 80, 50, {{"Spcn", Prc(10)}, {"Intr", Bool(true)}, {"flipX", Bool(true)}});
    const ReadResult o =
        Read({}, {Preset("All", tip, EveryGroup(true)), Preset("None", tip, EveryGroup(false))});
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 2u);
    ASSERT_TRUE(o.brushes[0]->preset() && o.brushes[1]->preset());
    // Controls: 2 pen pressure, 7 direction, 1 fade (with its steps), 3 pen tilt, 4 wheel.
    const QStringList all = {
        "computed 30 -45 80 h50 s10 x",
        "shape: 2/-/10/5 20 200 7/-/11/0 0/-/30/0 25 true false true",
        "scatter: 0/-/250/0 true 4 0/-/50/0",
        "texture: Gray Granite e10c-b8 true 62 6 -20 Linear Height 7 3 2/-/0/0 true",
        "dual: computed 25 0 100 h0 s30  Color Burn true 0/-/40/0 true 2 1/12/0/0",
        "color: true 2/-/10/0 5 6 7 -8",
        "transfer: 0/-/25/0 2/-/0/0 3/-/0/0 4/-/0/0",
        "pose: -54 23 12 9 false true true true",
        "switches: true true true true true",
        "tool: Multiply 70 80 10"};
    EXPECT_EQ(Joined(Lines(*o.brushes[0]->preset())), Joined(all));
    EXPECT_EQ(Joined(Lines(*o.brushes[1]->preset())),
              Joined({all[0], "switches: false false false false false", all.back()}));
    EXPECT_TRUE(o.brushes[0]->preset()->isPreset);
    // The flip is folded into the drawn tip's angle.
    EXPECT_EQ(dynamic_cast<const ComputedBrush&>(*o.brushes[0]).parameters().angleInDegrees, 45);
    ASSERT_TRUE(o.brushes[0]->texture());
    EXPECT_EQ(o.brushes[0]->texture()->name, "Gray Granite");
    EXPECT_EQ(o.brushes[0]->texture()->identifier, "e10c-b8");
    EXPECT_FALSE(o.brushes[1]->texture());
}

// Each control the file may name, fade steps only for Fade, and numbers past the menu kept as
// they are; a long where a double is expected counts, a text does not.
TEST_F(PresetReaderTest, EveryDynamicControl)
{
    using C = DynamicControl;
    const std::pair<int, C> controls[] = {
        {0, C::Off},         {1, C::Fade},     {2, C::PenPressure},      {3, C::PenTilt},
        {4, C::StylusWheel}, {5, C::Rotation}, {6, C::InitialDirection}, {7, C::Direction},
        {8, C::Unknown},     {-1, C::Unknown}};
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
    // clang-format off
    const std::pair<const char*, const char*> modes[] = {
        {"Nrml", "Normal"}, {"Mltp", "Multiply"}, {"CBrn", "Color Burn"},
        {"colorBurn", "Color Burn"}, {"linearBurn", "Linear Burn"}, {"Drkn", "Darken"},
        {"Sbtr", "Subtract"}, {"height", "Height"}, {"linearHeight", "Linear Height"},
        {"Ovrl", "Overlay"}, {"CDdg", "Color Dodge"}, {"hardMix", "Hard Mix"},
        {"newMode", "newMode"}};
    // clang-format on
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
    QStringList read;
    for (const BrushPtr& brush : o.brushes)
        read << QStringLiteral("%1: %2 %3 %4")
                    .arg(brush->displayName(), Show(brush->preset()->tip),
                         QString::fromStdString(brush->preset()->tip.sampleId.value_or("-")))
                    .arg(brush->preset()->isPreset ? "preset" : "tip");
    EXPECT_EQ(Joined(read), Joined({"Big Marker 01: sampled 87 0 100 h- s13 y shared preset",
                                    "Round: computed 20 0 100 h100 s-  - preset",
                                    "Wet Marker 01: sampled 100 -18 80 h- s13 y shared preset",
                                    "Wet marker 02: sampled 95 0 100 h- s13 y shared preset",
                                    ": sampled 4 0 100 h- s-  orphan1 tip",
                                    ": sampled 6 0 100 h- s-  orphan2 tip"}));
    for (size_t i : {0, 2, 3}) {
        const auto& brush = dynamic_cast<const SampledBrush&>(*o.brushes[i]);
        EXPECT_EQ(brush.storedSize(), QSize(122, 337));
        EXPECT_EQ(brush.shaping().diameter, o.brushes[i]->preset()->tip.diameter);
        // One stored block for the three.
        EXPECT_EQ(brush.pixels().data(),
                  dynamic_cast<const SampledBrush&>(*o.brushes[0]).pixels().data());
    }
    EXPECT_EQ(o.brushes[1]->preset()->settings.dualBrush->tip.sampleId, "dualonly");

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
    const ReadResult o = Read(
        {}, {Preset("Bristle", bristle), Preset("Charcoal", erodible(0, 2, four)),
             Preset("Air", erodible(1, 3, four)), Preset("Huge", erodible(0, 65536, four)),
             Preset("Negative", erodible(0, -2, four)), Preset("Small", erodible(0, 1, four))});
    EXPECT_FALSE(o.error);
    ASSERT_EQ(o.brushes.size(), 6u);
    ASSERT_TRUE(dynamic_cast<const PreviewBrush*>(o.brushes[0].get()));
    EXPECT_EQ(o.brushes[0]->kind(), TipKind::Bristle);
    const TipShape& b = o.brushes[0]->preset()->tip;
    EXPECT_EQ(Show(b), "bristle 36 15 100 h- s2 ");
    const BristleTip expectBristle{6, 31, 137, 2, 85};
    EXPECT_EQ(std::tie(b.bristle->shape, b.bristle->bristles, b.bristle->length,
                       b.bristle->thickness, b.bristle->stiffness),
              std::tie(expectBristle.shape, expectBristle.bristles, expectBristle.length,
                       expectBristle.thickness, expectBristle.stiffness));

    const TipShape& e = o.brushes[1]->preset()->tip;
    EXPECT_EQ(o.brushes[1]->kind(), TipKind::Erodible);
    EXPECT_EQ(Show(e), "erodible 25 0 100 h- s- ");
    EXPECT_EQ(std::tie(e.erodible->airbrush, e.erodible->shape, e.erodible->softness),
              std::make_tuple(false, 3, 48.0));
    EXPECT_EQ(e.erodible->gridSize, 2);
    EXPECT_EQ(e.erodible->heights, (std::vector<float>{1, 0.5f, 0.25f, 0}));
    const ErodibleTip& air = *o.brushes[2]->preset()->tip.erodible;
    EXPECT_EQ(std::tie(air.airbrush, air.granularity, air.spatterSize, air.spatterAmount),
              std::make_tuple(true, 50.0, 100.0, 200.0));
    // Sizes that do not fit the data (3 × 3 or 1 × 1 floats in 16 bytes), one whose square
    // would overflow and a negative one leave the surface out and keep the rest.
    for (size_t i : {2, 3, 4, 5}) {
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

} // namespace
