#include "brush/BrushPreset.h"

#include "platform/Translations.h"

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
        return QT_TRANSLATE_NOOP("BrushSettings", "off");
    case DynamicControl::Fade:
        return QT_TRANSLATE_NOOP("BrushSettings", "fade");
    case DynamicControl::PenPressure:
        return QT_TRANSLATE_NOOP("BrushSettings", "pen pressure");
    case DynamicControl::PenTilt:
        return QT_TRANSLATE_NOOP("BrushSettings", "pen tilt");
    case DynamicControl::StylusWheel:
        return QT_TRANSLATE_NOOP("BrushSettings", "stylus wheel");
    case DynamicControl::Rotation:
        return QT_TRANSLATE_NOOP("BrushSettings", "rotation");
    case DynamicControl::InitialDirection:
        return QT_TRANSLATE_NOOP("BrushSettings", "initial direction");
    case DynamicControl::Direction:
        return QT_TRANSLATE_NOOP("BrushSettings", "direction");
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
    // Only the English titles are kept: scripts read them. shownTitle() translates.
    auto add = [&groups](bool on, const char* key, const char* title) {
        if (on)
            groups.push_back({key, QString::fromLatin1(title)});
    };
    add(s.shapeDynamics.has_value(), "shape_dynamics",
        QT_TRANSLATE_NOOP("BrushSettings", "Shape Dynamics"));
    add(s.scattering.has_value(), "scattering", QT_TRANSLATE_NOOP("BrushSettings", "Scattering"));
    add(s.texture.has_value(), "texture", QT_TRANSLATE_NOOP("BrushSettings", "Texture"));
    add(s.dualBrush.has_value(), "dual_brush", QT_TRANSLATE_NOOP("BrushSettings", "Dual Brush"));
    add(s.colorDynamics.has_value(), "color_dynamics",
        QT_TRANSLATE_NOOP("BrushSettings", "Color Dynamics"));
    add(s.transfer.has_value(), "transfer", QT_TRANSLATE_NOOP("BrushSettings", "Transfer"));
    add(s.brushPose.has_value(), "brush_pose", QT_TRANSLATE_NOOP("BrushSettings", "Brush Pose"));
    add(s.noise, "noise", QT_TRANSLATE_NOOP("BrushSettings", "Noise"));
    add(s.wetEdges, "wet_edges", QT_TRANSLATE_NOOP("BrushSettings", "Wet Edges"));
    add(s.buildUp, "build_up", QT_TRANSLATE_NOOP("BrushSettings", "Build-up"));
    add(s.smoothing, "smoothing", QT_TRANSLATE_NOOP("BrushSettings", "Smoothing"));
    add(s.protectTexture, "protect_texture", QT_TRANSLATE_NOOP("BrushSettings", "Protect Texture"));
    return groups;
}

QString SettingsGroup::shownTitle() const
{
    return ShownGroupTitle(title);
}

// The headings a conversion's report uses beside GroupsOn()'s.
[[maybe_unused]] const char* const kOtherHeadings[] = {
    QT_TRANSLATE_NOOP("BrushSettings", "Brush Tip Shape"),
    QT_TRANSLATE_NOOP("BrushSettings", "Tool Options")};

QString ShownGroupTitle(const QString& title)
{
    return Translated("BrushSettings", title.toUtf8().constData());
}

// The words the reader gives blend modes, for lupdate to find.
[[maybe_unused]] const char* const kBlendModes[] = {
    QT_TRANSLATE_NOOP("BlendMode", "Normal"),       QT_TRANSLATE_NOOP("BlendMode", "Dissolve"),
    QT_TRANSLATE_NOOP("BlendMode", "Behind"),       QT_TRANSLATE_NOOP("BlendMode", "Clear"),
    QT_TRANSLATE_NOOP("BlendMode", "Darken"),       QT_TRANSLATE_NOOP("BlendMode", "Multiply"),
    QT_TRANSLATE_NOOP("BlendMode", "Color Burn"),   QT_TRANSLATE_NOOP("BlendMode", "Linear Burn"),
    QT_TRANSLATE_NOOP("BlendMode", "Darker Color"), QT_TRANSLATE_NOOP("BlendMode", "Lighten"),
    QT_TRANSLATE_NOOP("BlendMode", "Screen"),       QT_TRANSLATE_NOOP("BlendMode", "Color Dodge"),
    QT_TRANSLATE_NOOP("BlendMode", "Linear Dodge"), QT_TRANSLATE_NOOP("BlendMode", "Lighter Color"),
    QT_TRANSLATE_NOOP("BlendMode", "Overlay"),      QT_TRANSLATE_NOOP("BlendMode", "Soft Light"),
    QT_TRANSLATE_NOOP("BlendMode", "Hard Light"),   QT_TRANSLATE_NOOP("BlendMode", "Vivid Light"),
    QT_TRANSLATE_NOOP("BlendMode", "Linear Light"), QT_TRANSLATE_NOOP("BlendMode", "Pin Light"),
    QT_TRANSLATE_NOOP("BlendMode", "Hard Mix"),     QT_TRANSLATE_NOOP("BlendMode", "Difference"),
    QT_TRANSLATE_NOOP("BlendMode", "Exclusion"),    QT_TRANSLATE_NOOP("BlendMode", "Subtract"),
    QT_TRANSLATE_NOOP("BlendMode", "Divide"),       QT_TRANSLATE_NOOP("BlendMode", "Hue"),
    QT_TRANSLATE_NOOP("BlendMode", "Saturation"),   QT_TRANSLATE_NOOP("BlendMode", "Color"),
    QT_TRANSLATE_NOOP("BlendMode", "Luminosity"),   QT_TRANSLATE_NOOP("BlendMode", "Height"),
    QT_TRANSLATE_NOOP("BlendMode", "Linear Height")};

QString ShownBlendMode(const QString& mode)
{
    return Translated("BlendMode", mode.toUtf8().constData());
}

QString DynamicText(const Dynamic& dynamic)
{
    if (!dynamic.varies())
        return Translated("BrushSettings", "off");
    const QLocale locale;
    QStringList parts;
    if (dynamic.control == DynamicControl::Fade && dynamic.fadeSteps)
        parts << Translated("BrushSettings", "fade %n steps", nullptr, *dynamic.fadeSteps);
    else if (dynamic.control == DynamicControl::Unknown)
        parts << Translated("BrushSettings", "control %1").arg(dynamic.storedControl);
    else if (dynamic.control != DynamicControl::Off)
        parts << Translated("BrushSettings", DynamicControlKey(dynamic.control));
    if (dynamic.jitter != 0)
        parts << Translated("BrushSettings", "jitter %1 %")
                     .arg(locale.toString(dynamic.jitter, 'g', 4));
    if (dynamic.control != DynamicControl::Off && dynamic.minimum != 0)
        parts << Translated("BrushSettings", "minimum %1 %")
                     .arg(locale.toString(dynamic.minimum, 'g', 4));
    return parts.join(QStringLiteral(", "));
}
