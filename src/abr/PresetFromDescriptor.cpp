#include "abr/PresetFromDescriptor.h"

#include "abr/CEnumObjectNode.h"
#include "abr/CNamedListObjectNode.h"
#include "abr/CTypedObjectNode.h"
#include "platform/ucstring.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

namespace {
using Object = CNamedListObjectNode;

// Numbers are doubles (with or without a unit) or longs depending on the key and on the
// version of Photoshop that wrote the file; either is taken wherever a number is expected.
std::optional<double> Number(const Object& object, std::string_view key)
{
    const CObjectNode* node = object.Find(key);
    if (const auto* d = dynamic_cast<const CTypedObjectNode<double>*>(node))
        return std::isfinite(d->value()) ? std::optional<double>(d->value()) : std::nullopt;
    if (const auto* l = dynamic_cast<const CTypedObjectNode<long>*>(node))
        return static_cast<double>(l->value());
    return std::nullopt;
}

void Take(const Object& object, std::string_view key, double& field, double scale = 1)
{
    if (const auto value = Number(object, key))
        field = *value * scale;
}

void Take(const Object& object, std::string_view key, bool& field)
{
    if (const auto* b = object.Member<CTypedObjectNode<bool>>(key))
        field = b->value();
}

bool Switch(const Object& object, std::string_view key)
{
    bool on = false;
    Take(object, key, on);
    return on;
}

// Stored texts end with a zero unit, which identifiers and pattern names are kept without.
QString Text(const Object& object, std::string_view key)
{
    const auto* text = object.Member<CTypedObjectNode<ucstring>>(key);
    if (!text)
        return {};
    const ucstring& units = text->value();
    size_t length = units.size();
    while (length > 0 && units[length - 1] == 0)
        --length;
    return QString(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(length));
}

QString StoredText(const Object& object, std::string_view key)
{
    const auto* text = object.Member<CTypedObjectNode<ucstring>>(key);
    if (!text)
        return {};
    QString result;
    assign(result, text->value());
    return result;
}

QString BlendMode(const Object& object, std::string_view key)
{
    const auto* mode = object.Member<CEnumObjectNode>(key);
    return mode ? BlendModeName(mode->value()) : QString();
}

// A 'brVr' object: bVTy the control, in the order of Photoshop's Control menu; fStp the fade
// steps; jitter and 'Mnm ' in percent.
Dynamic DynamicOf(const Object& owner, std::string_view key)
{
    Dynamic dynamic;
    const auto* object = owner.Member<Object>(key);
    if (!object)
        return dynamic;
    if (const auto control = Number(*object, "bVTy")) {
        const double stored = *control;
        if (stored >= 0 && stored <= 7 && stored == std::floor(stored))
            dynamic.control = static_cast<DynamicControl>(static_cast<int>(stored));
        else
            dynamic.control = DynamicControl::Unknown;
        dynamic.storedControl = std::abs(stored) < 1e9 ? static_cast<int>(stored) : 0;
    }
    if (dynamic.control == DynamicControl::Fade)
        if (const auto steps = Number(*object, "fStp"); steps && std::abs(*steps) < 1e9)
            dynamic.fadeSteps = static_cast<int>(*steps);
    Take(*object, "jitter", dynamic.jitter);
    Take(*object, "Mnm ", dynamic.minimum);
    return dynamic;
}

// An erodible tip's worn surface: gridSize × gridSize heights, stored as little-endian floats
// (unworn tips hold 1.0 throughout, which reads as 1.0 only that way round). A size the data
// does not hold exactly leaves the surface out.
void HeightMap(const Object& tip, ErodibleTip& erodible)
{
    const auto grid = Number(tip, "dtipsGridSize");
    const auto* data = tip.Member<CTypedObjectNode<std::string>>("dtipsErodibleTipHeightMap");
    if (!grid || !data || *grid < 1 || *grid > 4096)
        return;
    const auto side = static_cast<size_t>(*grid);
    const std::string& bytes = data->value();
    if (side * side * 4 != bytes.size())
        return;
    erodible.gridSize = static_cast<int>(side);
    erodible.heights.resize(side * side);
    for (size_t i = 0; i < erodible.heights.size(); ++i)
        erodible.heights[i] = qFromLittleEndian<float>(bytes.data() + 4 * i);
}
} // namespace

bool IsKnownTipClass(const std::string& classId)
{
    return classId == "computedBrush" || classId == "sampledBrush" || classId == "dBrush" ||
           classId == "dTips";
}

// Common to every tip class: Dmtr (pixels), Angl (degrees), Rndn (percent), Spcn (percent)
// with Intr its switch, flipX, flipY.
TipShape TipShapeFromDescriptor(const Object& tip)
{
    TipShape shape;
    shape.name = StoredText(tip, "Nm  ");
    Take(tip, "Dmtr", shape.diameter);
    Take(tip, "Angl", shape.angle);
    Take(tip, "Rndn", shape.roundness);
    Take(tip, "flipX", shape.flipX);
    Take(tip, "flipY", shape.flipY);
    // Files that leave out the switch space their tips all the same.
    bool spaced = true;
    Take(tip, "Intr", spaced);
    if (spaced)
        shape.spacing = Number(tip, "Spcn");

    const std::string& classId = tip.name();
    if (classId == "computedBrush") {
        shape.kind = TipKind::Computed;
        shape.hardness = Number(tip, "Hrdn");
    } else if (classId == "sampledBrush") {
        shape.kind = TipKind::Sampled;
        // Matched against the sample records' identifiers byte for byte, as the stored tips are.
        if (const auto* data = tip.Member<CTypedObjectNode<ucstring>>("sampledData"))
            shape.sampleId = ascii_ustringToString(data->value());
    } else if (classId == "dBrush") {
        // The bristle values are stored as fractions where the panel shows percent.
        shape.kind = TipKind::Bristle;
        BristleTip bristle;
        if (const auto s = Number(tip, "Shp "); s && *s >= 0 && *s <= 9)
            bristle.shape = static_cast<int>(*s);
        Take(tip, "Dnst", bristle.bristles, 100);
        Take(tip, "Lngt", bristle.length, 100);
        Take(tip, "thickness", bristle.thickness, 100);
        Take(tip, "stiffness", bristle.stiffness, 100);
        shape.bristle = std::move(bristle);
    } else if (classId == "dTips") {
        shape.kind = TipKind::Erodible;
        ErodibleTip erodible;
        if (const auto type = Number(tip, "dtipsType"))
            erodible.airbrush = *type == 1;
        if (const auto s = Number(tip, "Shp "); s && *s >= 0 && *s <= 9)
            erodible.shape = static_cast<int>(*s);
        // The file calls it hardness; the panel's slider is Softness and shows this number.
        Take(tip, "dtipsHardness", erodible.softness);
        HeightMap(tip, erodible);
        // The airbrush's granularity and spatter size are fractions shown as percent; its
        // spatter amount is a count shown as it is.
        Take(tip, "dtipsAirbrushGranularity", erodible.granularity, 100);
        Take(tip, "dtipsAirbrushSplatSize", erodible.spatterSize, 100);
        Take(tip, "dtipsAirbrushSplatCount", erodible.spatterAmount);
        shape.erodible = std::move(erodible);
    }
    return shape;
}

namespace {
// Scattering's values: a dual brush keeps its own under the same keys.
template <typename Scatter> void TakeScatter(const Object& from, Scatter& into)
{
    into.scatter = DynamicOf(from, "scatterDynamics");
    Take(from, "bothAxes", into.bothAxes);
    Take(from, "Cnt ", into.count);
    into.countJitter = DynamicOf(from, "countDynamics");
}
} // namespace

// Each group is a switch ("useTipDynamics", …) at the preset's level followed by its values,
// also at that level, except the dual brush, which is an object of its own.
BrushPreset PresetFromDescriptor(const Object& preset)
{
    BrushPreset result;
    if (const auto* tip = preset.Member<Object>("Brsh"))
        result.tip = TipShapeFromDescriptor(*tip);
    BrushSettings& s = result.settings;

    if (Switch(preset, "useTipDynamics")) {
        ShapeDynamics shape;
        shape.size = DynamicOf(preset, "szVr");
        Take(preset, "minimumDiameter", shape.minimumDiameter);
        Take(preset, "tiltScale", shape.tiltScale);
        shape.angle = DynamicOf(preset, "angleDynamics");
        shape.roundness = DynamicOf(preset, "roundnessDynamics");
        Take(preset, "minimumRoundness", shape.minimumRoundness);
        // At the preset's level flipX and flipY are Shape Dynamics' jitter switches; the
        // tip's own flips are inside 'Brsh'.
        Take(preset, "flipX", shape.flipXJitter);
        Take(preset, "flipY", shape.flipYJitter);
        Take(preset, "brushProjection", shape.projection);
        s.shapeDynamics = std::move(shape);
    }
    if (Switch(preset, "useScatter")) {
        Scattering scattering;
        TakeScatter(preset, scattering);
        s.scattering = std::move(scattering);
    }
    if (Switch(preset, "useTexture")) {
        Texture texture;
        if (const auto* pattern = preset.Member<Object>("Txtr")) {
            texture.patternName = Text(*pattern, "Nm  ");
            texture.patternId = Text(*pattern, "Idnt");
        }
        Take(preset, "InvT", texture.invert);
        Take(preset, "textureScale", texture.scale);
        Take(preset, "textureBrightness", texture.brightness);
        Take(preset, "textureContrast", texture.contrast);
        texture.mode = BlendMode(preset, "textureBlendMode");
        Take(preset, "textureDepth", texture.depth);
        Take(preset, "minimumDepth", texture.minimumDepth);
        texture.depthJitter = DynamicOf(preset, "textureDepthDynamics");
        Take(preset, "TxtC", texture.perTip);
        s.texture = std::move(texture);
    }
    // The dual tip's own Dmtr and Spcn are the Size and Spacing its panel shows. Its tip is
    // read one level deep: a dual brush inside it would mean nothing to Photoshop either.
    if (const auto* dual = preset.Member<Object>("dualBrush");
        dual && Switch(*dual, "useDualBrush")) {
        DualBrush d;
        if (const auto* tip = dual->Member<Object>("Brsh"))
            d.tip = TipShapeFromDescriptor(*tip);
        d.mode = BlendMode(*dual, "BlnM");
        Take(*dual, "Flip", d.flip);
        TakeScatter(*dual, d);
        s.dualBrush = std::move(d);
    }
    if (Switch(preset, "useColorDynamics")) {
        ColorDynamics color;
        Take(preset, "colorDynamicsPerTip", color.perTip);
        color.foregroundBackground = DynamicOf(preset, "clVr");
        Take(preset, "H   ", color.hue);
        Take(preset, "Strt", color.saturation);
        Take(preset, "Brgh", color.brightness);
        Take(preset, "purity", color.purity);
        s.colorDynamics = std::move(color);
    }
    // Photoshop's Transfer group is stored as "paint dynamics"; nothing documents the short
    // keys, so they are read by their letters: opVr opacity, prVr flow (its "pressure"),
    // wtVr wetness, mxVr mix.
    if (Switch(preset, "usePaintDynamics")) {
        Transfer transfer;
        transfer.opacity = DynamicOf(preset, "opVr");
        transfer.flow = DynamicOf(preset, "prVr");
        transfer.wetness = DynamicOf(preset, "wtVr");
        transfer.mix = DynamicOf(preset, "mxVr");
        s.transfer = std::move(transfer);
    }
    if (Switch(preset, "useBrushPose")) {
        BrushPose pose;
        Take(preset, "brushPoseTiltX", pose.tiltX);
        Take(preset, "brushPoseTiltY", pose.tiltY);
        Take(preset, "brushPoseAngle", pose.rotation);
        Take(preset, "brushPosePressure", pose.pressure);
        Take(preset, "overridePoseTiltX", pose.overrideTiltX);
        Take(preset, "overridePoseTiltY", pose.overrideTiltY);
        Take(preset, "overridePoseAngle", pose.overrideRotation);
        Take(preset, "overridePosePressure", pose.overridePressure);
        s.brushPose = std::move(pose);
    }
    Take(preset, "Nose", s.noise);
    Take(preset, "Wtdg", s.wetEdges);
    Take(preset, "Rpt ", s.buildUp);
    Take(preset, "Smoo", s.smoothing);
    Take(preset, "protectTexture", s.protectTexture);

    if (const auto* tool = preset.Member<Object>("toolOptions")) {
        ToolOptions options;
        options.mode = BlendMode(*tool, "Md  ");
        options.opacity = Number(*tool, "Opct");
        options.flow = Number(*tool, "flow");
        options.smoothing = Number(*tool, "smoothingValue");
        result.toolOptions = std::move(options);
    }
    return result;
}

QString BlendModeName(const std::string& id)
{
    // Older files use four-character codes, newer ones words; both name the same modes.
    static const std::pair<const char*, const char*> kModes[] = {
        {"Nrml", "Normal"},
        {"normal", "Normal"},
        {"Dslv", "Dissolve"},
        {"dissolve", "Dissolve"},
        {"Bhnd", "Behind"},
        {"Clar", "Clear"},
        {"Drkn", "Darken"},
        {"darken", "Darken"},
        {"Mltp", "Multiply"},
        {"multiply", "Multiply"},
        {"CBrn", "Color Burn"},
        {"colorBurn", "Color Burn"},
        {"linearBurn", "Linear Burn"},
        {"darkerColor", "Darker Color"},
        {"Lghn", "Lighten"},
        {"lighten", "Lighten"},
        {"Scrn", "Screen"},
        {"screen", "Screen"},
        {"CDdg", "Color Dodge"},
        {"colorDodge", "Color Dodge"},
        {"linearDodge", "Linear Dodge"},
        {"lighterColor", "Lighter Color"},
        {"Ovrl", "Overlay"},
        {"overlay", "Overlay"},
        {"SftL", "Soft Light"},
        {"softLight", "Soft Light"},
        {"HrdL", "Hard Light"},
        {"hardLight", "Hard Light"},
        {"vividLight", "Vivid Light"},
        {"linearLight", "Linear Light"},
        {"pinLight", "Pin Light"},
        {"hardMix", "Hard Mix"},
        {"Dfrn", "Difference"},
        {"difference", "Difference"},
        {"Xclu", "Exclusion"},
        {"exclusion", "Exclusion"},
        {"Sbtr", "Subtract"},
        {"subtract", "Subtract"},
        {"blendSubtraction", "Subtract"},
        {"blendDivide", "Divide"},
        {"divide", "Divide"},
        {"H   ", "Hue"},
        {"hue", "Hue"},
        {"Strt", "Saturation"},
        {"saturation", "Saturation"},
        {"Clr ", "Color"},
        {"color", "Color"},
        {"Lmns", "Luminosity"},
        {"luminosity", "Luminosity"},
        {"height", "Height"},
        {"linearHeight", "Linear Height"},
    };
    for (const auto& [code, word] : kModes)
        if (id == code)
            return QString::fromLatin1(word);
    return QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size()));
}
