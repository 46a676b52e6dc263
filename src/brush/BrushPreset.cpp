#include "brush/BrushPreset.h"

#include <QLocale>

const char* TipKindKey(TipKind kind)
{
    switch (kind) {
    case TipKind::Sampled:
        return "sampled";
    case TipKind::Computed:
        return "computed";
    case TipKind::Bristle:
        return "bristle";
    case TipKind::Erodible:
        return "erodible";
    }
    return "computed";
}

const char* DynamicControlKey(DynamicControl control)
{
    switch (control) {
    case DynamicControl::Off:
        return "off";
    case DynamicControl::Fade:
        return "fade";
    case DynamicControl::PenPressure:
        return "pen pressure";
    case DynamicControl::PenTilt:
        return "pen tilt";
    case DynamicControl::StylusWheel:
        return "stylus wheel";
    case DynamicControl::Rotation:
        return "rotation";
    case DynamicControl::InitialDirection:
        return "initial direction";
    case DynamicControl::Direction:
        return "direction";
    case DynamicControl::Unknown:
        break;
    }
    return nullptr;
}

bool BrushSettings::anyOn() const
{
    return !GroupsOn(*this).empty();
}

std::vector<SettingsGroup> GroupsOn(const BrushSettings& s)
{
    std::vector<SettingsGroup> groups;
    auto add = [&groups](bool on, const char* key, const char* title) {
        if (on)
            groups.push_back({key, QString::fromLatin1(title)});
    };
    add(s.shapeDynamics.has_value(), "shape_dynamics", "Shape Dynamics");
    add(s.scattering.has_value(), "scattering", "Scattering");
    add(s.texture.has_value(), "texture", "Texture");
    add(s.dualBrush.has_value(), "dual_brush", "Dual Brush");
    add(s.colorDynamics.has_value(), "color_dynamics", "Color Dynamics");
    add(s.transfer.has_value(), "transfer", "Transfer");
    add(s.brushPose.has_value(), "brush_pose", "Brush Pose");
    add(s.noise, "noise", "Noise");
    add(s.wetEdges, "wet_edges", "Wet Edges");
    add(s.buildUp, "build_up", "Build-up");
    add(s.smoothing, "smoothing", "Smoothing");
    add(s.protectTexture, "protect_texture", "Protect Texture");
    return groups;
}

QString DynamicText(const Dynamic& dynamic)
{
    if (!dynamic.varies())
        return QStringLiteral("off");
    const QLocale english(QLocale::English);
    QStringList parts;
    if (dynamic.control == DynamicControl::Fade && dynamic.fadeSteps)
        parts << QStringLiteral("fade %1 steps").arg(*dynamic.fadeSteps);
    else if (dynamic.control == DynamicControl::Unknown)
        parts << QStringLiteral("control %1").arg(dynamic.storedControl);
    else if (dynamic.control != DynamicControl::Off)
        parts << QString::fromLatin1(DynamicControlKey(dynamic.control));
    if (dynamic.jitter != 0)
        parts << QStringLiteral("jitter %1 %").arg(english.toString(dynamic.jitter, 'g', 4));
    if (dynamic.control != DynamicControl::Off && dynamic.minimum != 0)
        parts << QStringLiteral("minimum %1 %").arg(english.toString(dynamic.minimum, 'g', 4));
    return parts.join(QStringLiteral(", "));
}
