#include "cli/PresetListing.h"

#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "cli/JsonWriter.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
// Numbers as the file gives them, without the float noise of a percent stored as a fraction;
// a value that is no number (a damaged file) is null rather than text JSON cannot hold.
QString JsonNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    if (value == 0) // no "-0"
        return QStringLiteral("0");
    return QString::number(value, 'g', 12);
}

QString JsonNumber(const std::optional<double>& value)
{
    return value ? JsonNumber(*value) : QStringLiteral("null");
}

QString JsonBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString JsonText(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("null") : JsonString(text);
}

// One JSON object, member by member, in the order they are given.
class JsonObject
{
public:
    JsonObject& add(const char* key, const QString& json)
    {
        mMembers << QLatin1Char('"') + QLatin1String(key) + QLatin1String("\": ") + json;
        return *this;
    }
    JsonObject& number(const char* key, double value) { return add(key, JsonNumber(value)); }
    JsonObject& flag(const char* key, bool value) { return add(key, JsonBool(value)); }
    QString members() const { return mMembers.join(QStringLiteral(", ")); }
    QString object() const { return QLatin1Char('{') + members() + QLatin1Char('}'); }

private:
    QStringList mMembers;
};

QString DynamicJson(const Dynamic& dynamic)
{
    const char* control = DynamicControlKey(dynamic.control);
    return JsonObject()
        .add("control", control ? JsonString(QString::fromLatin1(control)) : QStringLiteral("null"))
        .add("fade_steps",
             dynamic.fadeSteps ? QString::number(*dynamic.fadeSteps) : QStringLiteral("null"))
        .number("jitter", dynamic.jitter)
        .number("minimum", dynamic.minimum)
        .object();
}

void AddTip(JsonObject& json, const TipShape& tip)
{
    json.add("tip", tip.sampleId ? JsonString(QString::fromStdString(*tip.sampleId))
                                 : QStringLiteral("null"))
        .number("diameter", tip.diameter)
        .add("spacing", JsonNumber(tip.spacing))
        .number("angle", tip.angle)
        .number("roundness", tip.roundness)
        .add("hardness", JsonNumber(tip.hardness))
        .flag("flip_x", tip.flipX)
        .flag("flip_y", tip.flipY);
    if (tip.bristle)
        json.add("bristle", JsonObject()
                                .number("shape", tip.bristle->shape)
                                .number("bristles", tip.bristle->bristles)
                                .number("length", tip.bristle->length)
                                .number("thickness", tip.bristle->thickness)
                                .number("stiffness", tip.bristle->stiffness)
                                .object());
    if (tip.erodible)
        json.add("erodible", JsonObject()
                                 .flag("airbrush", tip.erodible->airbrush)
                                 .number("shape", tip.erodible->shape)
                                 .number("softness", tip.erodible->softness)
                                 .number("granularity", tip.erodible->granularity)
                                 .number("spatter_size", tip.erodible->spatterSize)
                                 .number("spatter_amount", tip.erodible->spatterAmount)
                                 .object());
}

// A group's values; an empty object for a group that is only a switch.
QString GroupJson(const BrushSettings& s, const QString& key)
{
    JsonObject json;
    if (key == QLatin1String("shape_dynamics")) {
        const ShapeDynamics& g = *s.shapeDynamics;
        json.add("size", DynamicJson(g.size))
            .number("minimum_diameter", g.minimumDiameter)
            .number("tilt_scale", g.tiltScale)
            .add("angle", DynamicJson(g.angle))
            .add("roundness", DynamicJson(g.roundness))
            .number("minimum_roundness", g.minimumRoundness)
            .flag("flip_x_jitter", g.flipXJitter)
            .flag("flip_y_jitter", g.flipYJitter)
            .flag("projection", g.projection);
    } else if (key == QLatin1String("scattering")) {
        const Scattering& g = *s.scattering;
        json.add("scatter", DynamicJson(g.scatter))
            .flag("both_axes", g.bothAxes)
            .number("count", g.count)
            .add("count_jitter", DynamicJson(g.countJitter));
    } else if (key == QLatin1String("texture")) {
        const Texture& g = *s.texture;
        json.add("pattern_name", JsonText(ReadableName(g.patternName)))
            .add("pattern_id", JsonText(g.patternId))
            .flag("invert", g.invert)
            .number("scale", g.scale)
            .number("brightness", g.brightness)
            .number("contrast", g.contrast)
            .add("mode", JsonText(g.mode))
            .number("depth", g.depth)
            .number("minimum_depth", g.minimumDepth)
            .add("depth_jitter", DynamicJson(g.depthJitter))
            .flag("per_tip", g.perTip);
    } else if (key == QLatin1String("dual_brush")) {
        const DualBrush& g = *s.dualBrush;
        JsonObject tip;
        tip.add("kind", JsonString(QString::fromLatin1(TipKindKey(g.tip.kind))))
            .add("name", JsonText(ReadableName(g.tip.name)));
        AddTip(tip, g.tip);
        json.add("tip", tip.object())
            .add("mode", JsonText(g.mode))
            .flag("flip", g.flip)
            .add("scatter", DynamicJson(g.scatter))
            .flag("both_axes", g.bothAxes)
            .number("count", g.count)
            .add("count_jitter", DynamicJson(g.countJitter));
    } else if (key == QLatin1String("color_dynamics")) {
        const ColorDynamics& g = *s.colorDynamics;
        json.flag("per_tip", g.perTip)
            .add("foreground_background", DynamicJson(g.foregroundBackground))
            .number("hue", g.hue)
            .number("saturation", g.saturation)
            .number("brightness", g.brightness)
            .number("purity", g.purity);
    } else if (key == QLatin1String("transfer")) {
        const Transfer& g = *s.transfer;
        json.add("opacity", DynamicJson(g.opacity))
            .add("flow", DynamicJson(g.flow))
            .add("wetness", DynamicJson(g.wetness))
            .add("mix", DynamicJson(g.mix));
    } else if (key == QLatin1String("brush_pose")) {
        const BrushPose& g = *s.brushPose;
        json.number("tilt_x", g.tiltX)
            .number("tilt_y", g.tiltY)
            .number("rotation", g.rotation)
            .number("pressure", g.pressure)
            .flag("override_tilt_x", g.overrideTiltX)
            .flag("override_tilt_y", g.overrideTiltY)
            .flag("override_rotation", g.overrideRotation)
            .flag("override_pressure", g.overridePressure);
    }
    return json.object();
}

QString Number(double value)
{
    static const QLocale english(QLocale::English);
    // No "-0°" for a tip turned by nothing.
    return english.toString(value == 0 ? 0.0 : value, 'g', 6);
}
} // namespace

BrushPreset PresetFromTip(const Brush& brush)
{
    BrushPreset preset;
    TipShape& tip = preset.tip;
    tip.kind = brush.kind();
    if (const auto* computed = dynamic_cast<const ComputedBrush*>(&brush)) {
        const ComputedBrush::Parameters& p = computed->parameters();
        tip.diameter = p.diameter;
        tip.roundness = p.roundnessInPercent;
        tip.angle = p.angleInDegrees;
        tip.hardness = p.hardnessInPercent;
    } else if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush)) {
        tip.diameter = std::max(sampled->storedSize().width(), sampled->storedSize().height());
    } else if (const auto* preview = dynamic_cast<const PreviewBrush*>(&brush)) {
        tip = preview->tip();
    }
    return preset;
}

QString PresetLine(const BrushPreset& preset)
{
    const TipShape& tip = preset.tip;
    QStringList values;
    values << QStringLiteral("size %1 px").arg(Number(tip.diameter))
           << (tip.spacing ? QStringLiteral("spacing %1 %").arg(Number(*tip.spacing))
                           : QStringLiteral("spacing off"))
           << QStringLiteral("angle %1°").arg(Number(tip.angle))
           << QStringLiteral("roundness %1 %").arg(Number(tip.roundness));
    if (tip.hardness)
        values << QStringLiteral("hardness %1 %").arg(Number(*tip.hardness));
    if (tip.flipX)
        values << QStringLiteral("flipped X");
    if (tip.flipY)
        values << QStringLiteral("flipped Y");
    QString line = values.join(QStringLiteral(", "));
    QStringList groups;
    for (const SettingsGroup& group : GroupsOn(preset.settings))
        groups << group.title;
    if (!groups.isEmpty())
        line += QStringLiteral("; ") + groups.join(QStringLiteral(", "));
    return line;
}

QString PresetJsonMembers(const BrushPreset& preset)
{
    JsonObject json;
    AddTip(json, preset.tip);
    JsonObject settings;
    for (const SettingsGroup& group : GroupsOn(preset.settings))
        settings.add(group.key, GroupJson(preset.settings, QString::fromLatin1(group.key)));
    json.add("settings", settings.object());
    if (const std::optional<ToolOptions>& tool = preset.toolOptions)
        json.add("tool_options", JsonObject()
                                     .add("mode", JsonText(tool->mode))
                                     .add("opacity", JsonNumber(tool->opacity))
                                     .add("flow", JsonNumber(tool->flow))
                                     .add("smoothing", JsonNumber(tool->smoothing))
                                     .object());
    return json.members();
}
