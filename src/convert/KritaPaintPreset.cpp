#include "convert/KritaPaintPreset.h"

#include "brush/ComputedBrush.h"
#include "convert/InkTip.h"
#include "convert/ReportText.h"
#include "platform/ValidName.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QPainter>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// Krita's own presets are 200 x 200 (the thumbnails of its bundled presets, and its manual).
constexpr int kPictureSide = 200;
// The version Krita 5 writes into every preset it saves, 5.2 included, and so reads back; "2.2",
// that of the presets it ships, is the older form, which Krita 5 reads with extra guesses about
// the tips a preset needs. Krita 4 takes only "2.2".
const QString kPresetVersion = QStringLiteral("5.0");

using Fate = SettingFate::Fate;

QString XmlNumber(double value)
{
    return QString::number(value, 'g', 6);
}

// A sensor's response as Krita writes it: points "x,y;" from pen-up to full.
QString SensorCurve(double low, double high)
{
    return QStringLiteral("0,%1;1,%2;")
        .arg(XmlNumber(std::clamp(low, 0.0, 1.0)), XmlNumber(std::clamp(high, 0.0, 1.0)));
}

struct Sensor
{
    QString id;
    QString curve;      // "" for Krita's straight line
    QString attributes; // further attributes, each with its leading space
};

QString SensorXml(const std::vector<Sensor>& sensors)
{
    const auto element = [](const QString& tag, const Sensor& s) {
        QString e = QLatin1Char('<') + tag + QStringLiteral(" id=\"") + s.id + QLatin1Char('"') +
                    s.attributes;
        if (s.curve.isEmpty())
            return e + QStringLiteral("/>\n");
        return e + QStringLiteral(">\n <curve>") + s.curve + QStringLiteral("</curve>\n</") + tag +
               QStringLiteral(">\n");
    };
    if (sensors.size() == 1)
        return QStringLiteral("<!DOCTYPE params>\n") +
               element(QStringLiteral("params"), sensors[0]);
    QString xml = QStringLiteral("<!DOCTYPE params>\n<params id=\"sensorslist\">\n");
    for (const Sensor& s : sensors)
        xml += element(QStringLiteral("ChildSensor"), s);
    return xml + QStringLiteral("</params>\n");
}

QString Escaped(const QString& text)
{
    QString escaped = text.toHtmlEscaped();
    return escaped.replace(QLatin1Char('\n'), QStringLiteral("&#10;"));
}

// The parameters of one preset, in the order they are set, and what became of each setting.
class PresetXml
{
public:
    explicit PresetXml(std::vector<SettingFate>* fates) : mFates(fates) {}

    void internal(const QString& key, const QString& value)
    {
        mParams.push_back({key, value, false});
    }
    void number(const QString& key, double value) { internal(key, XmlNumber(value)); }
    void flag(const QString& key, bool value)
    {
        internal(key, value ? QStringLiteral("true") : QStringLiteral("false"));
    }
    void text(const QString& key, const QString& value) { mParams.push_back({key, value, true}); }

    // A curve option: its sensors (none: the value alone), their mode of combining (0
    // multiplies, 1 adds) and its strength.
    void option(const QString& name, const std::vector<Sensor>& sensors, double value, int mode = 0)
    {
        flag(QStringLiteral("Pressure") + name, true);
        if (!sensors.empty())
            text(name + QStringLiteral("Sensor"), SensorXml(sensors));
        flag(name + QStringLiteral("UseCurve"), !sensors.empty());
        flag(name + QStringLiteral("UseSameCurve"), false);
        number(name + QStringLiteral("Value"), value);
        internal(name + QStringLiteral("curveMode"), QString::number(mode));
    }

    void fate(const QString& group, const QString& setting, Fate fate, const QString& how = {})
    {
        if (mFates)
            mFates->push_back({group, setting, fate, how});
    }

    QString xml(const QString& name) const
    {
        QString xml = QStringLiteral("<Preset paintopid=\"paintbrush\" name=\"") + Escaped(name) +
                      QStringLiteral("\">\n");
        for (const Param& p : mParams) {
            xml += QStringLiteral(" <param type=\"") +
                   (p.text ? QStringLiteral("string") : QStringLiteral("internal")) +
                   QStringLiteral("\" name=\"") + Escaped(p.key) + QStringLiteral("\">");
            if (p.text) {
                QString value = p.value;
                // CDATA ends at "]]>"; one inside the value is split across two sections.
                value.replace(QStringLiteral("]]>"), QStringLiteral("]]]]><![CDATA[>"));
                xml += QStringLiteral("<![CDATA[") + value + QStringLiteral("]]>");
            } else {
                xml += p.value;
            }
            xml += QStringLiteral("</param>\n");
        }
        return xml + QStringLiteral("</Preset>\n");
    }

private:
    struct Param
    {
        QString key;
        QString value;
        bool text;
    };
    std::vector<Param> mParams;
    std::vector<SettingFate>* mFates;
};

const QString kTip = QStringLiteral("Brush Tip Shape");
const QString kShape = QStringLiteral("Shape Dynamics");
const QString kScatter = QStringLiteral("Scattering");
const QString kTexture = QStringLiteral("Texture");
const QString kDual = QStringLiteral("Dual Brush");
const QString kColor = QStringLiteral("Color Dynamics");
const QString kTransfer = QStringLiteral("Transfer");
const QString kTool = QStringLiteral("Tool Options");

// The sensors that drive a size-like value (size, opacity, flow, roundness, strength) from a
// Photoshop dynamic: its control with the minimum as the curve's low end, and its jitter as
// Krita's random sensor, each dab. The fate of the setting goes to xml.
std::vector<Sensor> SizeLikeSensors(const Dynamic& d, double minimum, PresetXml& xml,
                                    const QString& group, const QString& setting)
{
    std::vector<Sensor> sensors;
    Fate fate = Fate::Kept;
    QStringList how;
    const QString rising = SensorCurve(minimum / 100, 1);
    switch (d.control) {
    case DynamicControl::PenPressure:
        sensors.push_back({QStringLiteral("pressure"), rising, {}});
        break;
    case DynamicControl::PenTilt:
        sensors.push_back({QStringLiteral("declination"), rising, {}});
        fate = Fate::Approximated;
        how << QStringLiteral(
            QT_TRANSLATE_NOOP("PackReport", "pen tilt as Krita's tilt elevation"));
        break;
    case DynamicControl::StylusWheel:
        sensors.push_back({QStringLiteral("tangentialpressure"), rising, {}});
        break;
    case DynamicControl::Rotation:
        sensors.push_back({QStringLiteral("rotation"), rising, {}});
        break;
    case DynamicControl::Fade: {
        // Photoshop fades from full to the minimum over its steps; Krita's fade sensor rises
        // from 0 to 1 over its length, so the curve runs the other way.
        const int steps = std::max(1, d.fadeSteps.value_or(1));
        sensors.push_back({QStringLiteral("fade"), SensorCurve(1, minimum / 100),
                           QStringLiteral(" periodic=\"0\" length=\"%1\"").arg(steps)});
        break;
    }
    case DynamicControl::Direction:
    case DynamicControl::InitialDirection:
        sensors.push_back({QStringLiteral("drawingangle"), rising,
                           d.control == DynamicControl::InitialDirection
                               ? QStringLiteral(" lockedAngleMode=\"1\"")
                               : QString()});
        fate = Fate::Approximated;
        how << QStringLiteral(
            QT_TRANSLATE_NOOP("PackReport", "the stroke's direction as Krita's drawing angle"));
        break;
    case DynamicControl::Unknown:
        fate = Fate::Approximated;
        how << ReportText(QT_TRANSLATE_NOOP("PackReport",
                                            "its control (%1) is none Krita knows, left off"))
                   .arg(d.storedControl);
        break;
    case DynamicControl::Off:
        break;
    }
    if (d.jitter > 0)
        sensors.push_back(
            {QStringLiteral("fuzzy"), SensorCurve(1 - std::min(d.jitter, 100.0) / 100, 1), {}});
    if (d.varies())
        xml.fate(group, setting, fate, how.join(QStringLiteral("; ")));
    return sensors;
}

// Photoshop's blend modes by the ids of Krita's composite ops that paint the same way; none for
// a mode Krita lacks.
QString CompositeFor(const QString& mode)
{
    static const std::map<QString, QString> modes = {
        {QStringLiteral("normal"), QStringLiteral("normal")},
        {QStringLiteral("multiply"), QStringLiteral("multiply")},
        {QStringLiteral("darken"), QStringLiteral("darken")},
        {QStringLiteral("lighten"), QStringLiteral("lighten")},
        {QStringLiteral("screen"), QStringLiteral("screen")},
        {QStringLiteral("overlay"), QStringLiteral("overlay")},
        {QStringLiteral("color dodge"), QStringLiteral("dodge")},
        {QStringLiteral("color burn"), QStringLiteral("burn")},
        {QStringLiteral("linear burn"), QStringLiteral("linear_burn")},
        {QStringLiteral("linear dodge"), QStringLiteral("linear_dodge")},
        {QStringLiteral("linear dodge (add)"), QStringLiteral("linear_dodge")},
        {QStringLiteral("hard mix"), QStringLiteral("hard_mix_photoshop")},
        {QStringLiteral("linear height"), QStringLiteral("linear_height_photoshop")},
        {QStringLiteral("height"), QStringLiteral("height_photoshop")},
        {QStringLiteral("subtract"), QStringLiteral("subtract")},
        {QStringLiteral("difference"), QStringLiteral("diff")},
        {QStringLiteral("exclusion"), QStringLiteral("exclusion")},
        {QStringLiteral("soft light"), QStringLiteral("soft_light")},
        {QStringLiteral("hard light"), QStringLiteral("hard_light")},
        {QStringLiteral("hue"), QStringLiteral("hue")},
        {QStringLiteral("saturation"), QStringLiteral("saturation")},
        {QStringLiteral("color"), QStringLiteral("color")},
        {QStringLiteral("luminosity"), QStringLiteral("luminize")},
    };
    const auto it = modes.find(mode.trimmed().toLower());
    return it == modes.end() ? QString() : it->second;
}

// The texturing modes of Krita's list (see the header) that paint as Photoshop's do.
std::optional<int> TexturingModeFor(const QString& mode)
{
    static const std::map<QString, int> modes = {
        {QStringLiteral("multiply"), 0},    {QStringLiteral("subtract"), 1},
        {QStringLiteral("darken"), 4},      {QStringLiteral("overlay"), 5},
        {QStringLiteral("color dodge"), 6}, {QStringLiteral("color burn"), 7},
        {QStringLiteral("linear burn"), 9}, {QStringLiteral("hard mix"), 10},
        {QStringLiteral("height"), 14},     {QStringLiteral("linear height"), 15},
    };
    const auto it = modes.find(mode.trimmed().toLower());
    return it == modes.end() ? std::nullopt : std::optional<int>(it->second);
}

// A value Krita does not take is brought within its range, and the setting's fate says so.
double Clamped(double value, double low, double high, const QString& unit, QStringList& how)
{
    if (!std::isfinite(value))
        value = low;
    if (value < low || value > high) {
        const double kept = std::clamp(value, low, high);
        how << ReportText(
                   QT_TRANSLATE_NOOP("PackReport", "%1 is beyond Krita's range, written as %2"))
                   .arg(unit.arg(XmlNumber(value)), unit.arg(XmlNumber(kept)));
        return kept;
    }
    return value;
}

// The tips a preset paints with, by entry index; none when the pack does not hold them.
struct Neighbours
{
    std::optional<size_t> tip;
    std::optional<size_t> dualTip;
};

std::optional<size_t> PatternIndex(const BrushPack& pack, const Brush& brush)
{
    if (!brush.texture())
        return std::nullopt;
    const PatternPtr pattern = FindPattern(*brush.texture(), pack.patternSources);
    for (size_t i = 0; pattern && i < pack.patternSources.size(); ++i)
        if (pack.patternSources[i] == pattern && !pattern->pixelSize().isEmpty())
            return i;
    return std::nullopt;
}

// The name BuildBrushPack gives a pattern's entry.
QString PatternFileName(const BrushPack& pack, size_t pattern)
{
    return PackEntryName(pattern, pack.patternSources.size(),
                         pack.patternSources[pattern]->displayName(), QStringLiteral(".pat"),
                         QStringLiteral("Pattern"));
}

// The hex MD5 of entry's bytes: known, or made now.
QByteArray EntrySum(const BrushPack& pack, size_t entry, KritaResourceSums* sums)
{
    if (sums) {
        if (const auto it = sums->find(entry); it != sums->end())
            return it->second;
    }
    const QByteArray sum =
        QCryptographicHash::hash(pack.entryBytes(entry), QCryptographicHash::Md5).toHex();
    if (sums)
        (*sums)[entry] = sum;
    return sum;
}

std::optional<size_t> EntryOf(const BrushPack& pack, size_t source, bool (PackEntry::*is)() const)
{
    for (size_t i = 0; i < pack.entries.size(); ++i)
        if (pack.entries[i].source == source && (pack.entries[i].*is)())
            return i;
    return std::nullopt;
}

// The gbr_brush definition of a written tip; spacing a percent, scale what Krita enlarges the
// tip by.
QString SampledTipDefinition(const QString& fileName, const QByteArray& md5, double spacing,
                             double scale = 1)
{
    return QStringLiteral("<Brush type=\"gbr_brush\" BrushVersion=\"2\" filename=\"%1\" "
                          "md5sum=\"%2\" spacing=\"%3\" useAutoSpacing=\"0\" "
                          "autoSpacingCoeff=\"1\" angle=\"0\" scale=\"%4\" ColorAsMask=\"0\"/>\n")
        .arg(Escaped(fileName), QString::fromLatin1(md5), XmlNumber(spacing / 100),
             XmlNumber(scale));
}

// A tip written smaller than its preset's diameter (beyond what a .gbr holds, or drawn within
// the memory an export may take) is enlarged by Krita back to the preset's size.
double TipScale(const Brush& brush, double diameter)
{
    const std::optional<InkTipPlan> plan = PlanInkTip(brush);
    if (!plan)
        return 1;
    const bool scaled = std::any_of(plan->changes.begin(), plan->changes.end(), [](auto& c) {
        return c.startsWith(QLatin1String("scaled from"));
    });
    const int longest = std::max(plan->size.width(), plan->size.height());
    return scaled && longest > 0 && diameter > longest ? diameter / longest : 1;
}

// Krita's own round tip: diameter in pixels, roundness and hardness in percent, spacing a
// percent. Its fade falls from the rim inward as Photoshop's hardness does, along its own curve.
QString AutoTipDefinition(double diameter, double roundness, double hardness, double spacing)
{
    return QStringLiteral("<Brush type=\"auto_brush\" BrushVersion=\"2\" spacing=\"%1\" "
                          "useAutoSpacing=\"0\" autoSpacingCoeff=\"1\" angle=\"0\" "
                          "density=\"1\" randomness=\"0\">\n <MaskGenerator type=\"circle\" "
                          "id=\"default\" diameter=\"%2\" ratio=\"%3\" hfade=\"%4\" "
                          "vfade=\"%4\" spikes=\"2\" antialiasEdges=\"1\"/>\n</Brush>\n")
        .arg(XmlNumber(spacing / 100), XmlNumber(diameter),
             XmlNumber(std::clamp(roundness, 1.0, 100.0) / 100),
             XmlNumber(std::clamp(hardness, 0.0, 100.0) / 100));
}

const QString kHardnessHow = QStringLiteral(
    QT_TRANSLATE_NOOP("PackReport", "as the fade of Krita's round tip, which softens its "
                                    "edge along another curve"));

// The preset's XML, with what became of each setting in fates. While planning, only the fates
// are wanted: no XML, and no tip drawn for its MD5.
QString PresetXmlFor(const BrushPack& pack, size_t index, std::vector<SettingFate>* fates,
                     KritaResourceSums* sums, bool planning)
{
    const Brush& brush = *pack.sources.at(index);
    const BrushPreset& preset = *brush.preset();
    const BrushSettings& settings = preset.settings;
    PresetXml xml(fates);
    const auto sumOf = [&](std::optional<size_t> entry) {
        return planning || !entry ? QByteArray() : EntrySum(pack, *entry, sums);
    };

    // Brush tip shape. The written tip is already drawn at the preset's size, roundness,
    // angle and flips; a computed tip that needs no turning is Krita's own round tip instead,
    // which stays sharp at any size.
    const TipShape& tip = preset.tip;
    double spacing = tip.spacing.value_or(25);
    QStringList spacingHow;
    if (!tip.spacing)
        spacingHow << QStringLiteral(QT_TRANSLATE_NOOP(
            "PackReport", "spacing off (a dab at each move of the pointer), written "
                          "as 25 %"));
    if (settings.scattering && settings.scattering->count > 1) {
        // Krita's pixel brush lays one dab a step: as many dabs come from steps as much closer.
        spacing /= settings.scattering->count;
        spacingHow << ReportText(QT_TRANSLATE_NOOP("PackReport",
                                                   "%1 dabs a step as spacing divided by %1"))
                          .arg(XmlNumber(settings.scattering->count));
    }
    spacing = Clamped(spacing, 1, 1000, QStringLiteral("%1 %"), spacingHow);
    xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "spacing")),
             spacingHow.isEmpty() ? Fate::Kept : Fate::Approximated,
             spacingHow.join(QStringLiteral("; ")));

    const Neighbours at{EntryOf(pack, index, &PackEntry::isBrush),
                        EntryOf(pack, index, &PackEntry::isDualTip)};
    const std::optional<double> hardness = tip.hardness;
    const bool autoTip = brush.isComputed() && hardness && (tip.angle == 0 || tip.roundness >= 100);
    double tipScale = 1;
    if (autoTip) {
        xml.text(QStringLiteral("brush_definition"),
                 AutoTipDefinition(tip.diameter, tip.roundness, *hardness, spacing));
        xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tip")), Fate::Kept);
        if (*hardness > 0 && *hardness < 100)
            xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "hardness")),
                     Fate::Approximated, kHardnessHow);
    } else if (at.tip) {
        tipScale = TipScale(brush, tip.diameter);
        xml.text(
            QStringLiteral("brush_definition"),
            SampledTipDefinition(pack.entries[*at.tip].fileName, sumOf(at.tip), spacing, tipScale));
        xml.text(QStringLiteral("requiredBrushFile"), pack.entries[*at.tip].fileName);
        if (brush.kind() == TipKind::Bristle)
            xml.fate(
                kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tip")), Fate::Approximated,
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "PackReport", "a bristle tip as its drawn picture, in Krita's pixel brush: "
                                  "Krita's bristle engine takes none of Photoshop's bristle "
                                  "settings")));
        else if (brush.kind() == TipKind::Erodible)
            xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tip")),
                     Fate::Approximated,
                     QStringLiteral(QT_TRANSLATE_NOOP(
                         "PackReport", "an erodible tip as its drawn picture, in Krita's pixel "
                                       "brush, which does not wear")));
        else
            xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tip")), Fate::Kept);
    }
    if (tipScale > 1)
        xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "size")), Fate::Approximated,
                 ReportText(QT_TRANSLATE_NOOP(
                                "PackReport",
                                "the tip is written smaller; Krita enlarges it %1 times to the "
                                "preset's %2 pixels"))
                     .arg(XmlNumber(tipScale), XmlNumber(tip.diameter)));
    else
        xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "size")), Fate::Kept);
    if (tip.angle != 0)
        xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "angle")), Fate::Kept);
    if (tip.roundness < 100)
        xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "roundness")), Fate::Kept);
    if (tip.flipX || tip.flipY)
        xml.fate(kTip, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flip")), Fate::Kept);
    xml.flag(QStringLiteral("Spacing/Isotropic"), false);

    // Shape dynamics: size, angle and roundness as Krita's size, rotation and ratio options,
    // the flips as its mirror option.
    if (const auto& shape = settings.shapeDynamics) {
        const double minimum =
            shape->size.minimum > 0 ? shape->size.minimum : shape->minimumDiameter;
        if (const auto sensors =
                SizeLikeSensors(shape->size, minimum, xml, kShape,
                                QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "size")));
            !sensors.empty())
            xml.option(QStringLiteral("Size"), sensors, 1);
        if (shape->tiltScale != 0 && shape->size.control == DynamicControl::PenTilt)
            xml.fate(kShape, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tilt scale")),
                     Fate::NotCarried,
                     QStringLiteral(QT_TRANSLATE_NOOP(
                         "PackReport", "Krita's tilt sensor has no scale of its own")));
        // Rotation: Krita adds its sensors' turns; a jitter of 100 % turns the dab anywhere.
        std::vector<Sensor> turn;
        QStringList how;
        switch (shape->angle.control) {
        case DynamicControl::Direction:
            turn.push_back({QStringLiteral("drawingangle"), {}, {}});
            break;
        case DynamicControl::InitialDirection:
            turn.push_back(
                {QStringLiteral("drawingangle"), {}, QStringLiteral(" lockedAngleMode=\"1\"")});
            break;
        case DynamicControl::PenTilt:
            turn.push_back({QStringLiteral("ascension"), {}, {}});
            how << QStringLiteral(
                QT_TRANSLATE_NOOP("PackReport", "pen tilt as Krita's tilt direction"));
            break;
        case DynamicControl::Rotation:
            turn.push_back({QStringLiteral("rotation"), {}, {}});
            break;
        case DynamicControl::PenPressure:
            turn.push_back({QStringLiteral("pressure"), {}, {}});
            break;
        case DynamicControl::StylusWheel:
            turn.push_back({QStringLiteral("tangentialpressure"), {}, {}});
            break;
        case DynamicControl::Fade:
            turn.push_back({QStringLiteral("fade"),
                            {},
                            QStringLiteral(" periodic=\"0\" length=\"%1\"")
                                .arg(std::max(1, shape->angle.fadeSteps.value_or(1)))});
            break;
        case DynamicControl::Unknown:
            how << ReportText(QT_TRANSLATE_NOOP("PackReport",
                                                "its control (%1) is none Krita knows, left off"))
                       .arg(shape->angle.storedControl);
            break;
        case DynamicControl::Off:
            break;
        }
        if (shape->angle.jitter > 0) {
            turn.push_back({QStringLiteral("fuzzy"), {}, {}});
            how << QStringLiteral(QT_TRANSLATE_NOOP(
                "PackReport", "the jitter as Krita's random rotation, at the strength of "
                              "the control as well"));
        }
        if (!turn.empty())
            xml.option(QStringLiteral("Rotation"), turn,
                       shape->angle.jitter > 0 ? std::min(shape->angle.jitter, 100.0) / 100 : 1, 1);
        if (shape->angle.varies())
            xml.fate(kShape, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "angle")),
                     how.isEmpty() ? Fate::Kept : Fate::Approximated,
                     how.join(QStringLiteral("; ")));
        const double minimumRoundness =
            shape->roundness.minimum > 0 ? shape->roundness.minimum : shape->minimumRoundness;
        if (const auto sensors =
                SizeLikeSensors(shape->roundness, minimumRoundness, xml, kShape,
                                QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "roundness")));
            !sensors.empty())
            xml.option(QStringLiteral("Ratio"), sensors, 1);
        if (shape->flipXJitter || shape->flipYJitter) {
            xml.option(QStringLiteral("Mirror"), {{QStringLiteral("fuzzy"), {}, {}}}, 1);
            xml.flag(QStringLiteral("HorizontalMirrorEnabled"), shape->flipXJitter);
            xml.flag(QStringLiteral("VerticalMirrorEnabled"), shape->flipYJitter);
            xml.fate(kShape, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flip jitter")),
                     Fate::Kept);
        }
        if (shape->projection)
            xml.fate(
                kShape, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "brush projection")),
                Fate::NotCarried,
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "PackReport", "Krita's pixel brush does not lay the tip on the pen's tilt")));
    }

    // Scattering: Krita scatters by a share of the tip's size, up to five sizes.
    const auto scatter = [&](const QString& prefix, const Dynamic& amount, bool bothAxes,
                             const QString& group) {
        if (!amount.varies())
            return;
        QStringList how;
        Dynamic control = amount;
        control.jitter = 0; // the scatter itself, not a jitter of it
        std::vector<Sensor> sensors =
            SizeLikeSensors(control, amount.minimum, xml, group,
                            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "scatter control")));
        const double value = Clamped(amount.jitter, 0, 500, QStringLiteral("%1 %"), how) / 100;
        xml.option(prefix + QStringLiteral("Scatter"), sensors, value);
        xml.flag(prefix + QStringLiteral("Scattering/AxisX"), bothAxes);
        xml.flag(prefix + QStringLiteral("Scattering/AxisY"), true);
        if (!bothAxes)
            how << QStringLiteral(
                QT_TRANSLATE_NOOP("PackReport", "across the stroke as Krita's Y axis"));
        xml.fate(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "scatter")),
                 how.isEmpty() ? Fate::Kept : Fate::Approximated, how.join(QStringLiteral("; ")));
    };
    if (const auto& scattering = settings.scattering) {
        scatter(QString(), scattering->scatter, scattering->bothAxes, kScatter);
        if (scattering->count > 1)
            xml.fate(
                kScatter, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "count")),
                Fate::Approximated,
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "PackReport", "as closer spacing: Krita's pixel brush lays one dab a step")));
        if (scattering->countJitter.varies())
            xml.fate(kScatter, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "count jitter")),
                     Fate::NotCarried,
                     QStringLiteral(QT_TRANSLATE_NOOP("PackReport",
                                                      "Krita's pixel brush lays one dab a step")));
    }

    // Texture: the bundled pattern, by MD5, file name and name, as Krita looks patterns up.
    if (const auto& texture = settings.texture) {
        const std::optional<size_t> pattern = PatternIndex(pack, brush);
        if (!pattern) {
            xml.fate(kTexture, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "pattern")),
                     Fate::NotCarried,
                     ReportText(QT_TRANSLATE_NOOP("PackReport",
                                                  "the file does not carry the pattern \"%1\""))
                         .arg(ReadableName(texture->patternName)));
        } else {
            // While planning, the patterns' entries are still to come after the brushes.
            std::optional<size_t> entry;
            if (!planning) {
                for (size_t i = 0; i < pack.entries.size() && !entry; ++i)
                    if (pack.entries[i].isPattern() && pack.entries[i].source == *pattern)
                        entry = i;
            }
            const QString fileName =
                entry ? pack.entries[*entry].fileName : PatternFileName(pack, *pattern);
            xml.flag(QStringLiteral("Texture/Pattern/Enabled"), true);
            xml.text(QStringLiteral("Texture/Pattern/PatternMD5Sum"),
                     QString::fromLatin1(sumOf(entry)));
            xml.text(QStringLiteral("Texture/Pattern/PatternFileName"), fileName);
            xml.text(QStringLiteral("Texture/Pattern/Name"),
                     ValidName(pack.patternSources[*pattern]->displayName()));
            xml.fate(kTexture, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "pattern")),
                     Fate::Kept);
            QStringList scaleHow;
            xml.number(QStringLiteral("Texture/Pattern/Scale"),
                       Clamped(texture->scale, 1, 1000, QStringLiteral("%1 %"), scaleHow) / 100);
            xml.fate(kTexture, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "scale")),
                     scaleHow.isEmpty() ? Fate::Kept : Fate::Approximated,
                     scaleHow.join(QStringLiteral("; ")));
            xml.flag(QStringLiteral("Texture/Pattern/Invert"), texture->invert);
            if (texture->invert)
                xml.fate(kTexture, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "invert")),
                         Fate::Kept);
            // Krita's brightness runs from -1 to 1 and its contrast from 0 to 2 about 1, where
            // Photoshop's run from -150 to 150 and -50 to 100 about 0.
            xml.number(QStringLiteral("Texture/Pattern/Brightness"),
                       std::clamp(texture->brightness / 150, -1.0, 1.0));
            xml.number(QStringLiteral("Texture/Pattern/Contrast"),
                       std::clamp(1 + texture->contrast / 100, 0.0, 2.0));
            if (texture->brightness != 0 || texture->contrast != 0)
                xml.fate(kTexture,
                         QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "brightness and contrast")),
                         Fate::Approximated,
                         QStringLiteral(QT_TRANSLATE_NOOP(
                             "PackReport", "on Krita's scales, which are not Photoshop's")));
            const std::optional<int> mode = TexturingModeFor(texture->mode);
            xml.internal(QStringLiteral("Texture/Pattern/TexturingMode"),
                         QString::number(mode.value_or(0)));
            xml.fate(
                kTexture, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "mode")),
                mode ? Fate::Kept : Fate::Approximated,
                mode
                    ? QString()
                    : ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 as Multiply, which Krita has"))
                          .arg(texture->mode.isEmpty()
                                   ? QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "no mode"))
                                   : texture->mode));
            xml.internal(QStringLiteral("Texture/Pattern/CutoffPolicy"), QStringLiteral("0"));
            xml.flag(QStringLiteral("Texture/Pattern/isRandomOffsetX"), false);
            xml.flag(QStringLiteral("Texture/Pattern/isRandomOffsetY"), false);
            QStringList depthHow;
            const double depth = Clamped(texture->depth, 0, 100, QStringLiteral("%1 %"), depthHow);
            xml.fate(kTexture, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "depth")),
                     depthHow.isEmpty() ? Fate::Kept : Fate::Approximated,
                     depthHow.join(QStringLiteral("; ")));
            Dynamic strength = texture->depthJitter;
            if (strength.minimum == 0)
                strength.minimum = texture->minimumDepth;
            xml.internal(QStringLiteral("Texture/Strength/StrengthVersion"), QStringLiteral("2"));
            xml.option(
                QStringLiteral("Texture/Strength/"),
                SizeLikeSensors(strength, strength.minimum, xml, kTexture,
                                QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "depth jitter"))),
                depth / 100);
            if (!texture->perTip)
                xml.fate(
                    kTexture,
                    QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "texture each tip off")),
                    Fate::Approximated,
                    QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "Krita textures each dab")));
        }
    }

    // Dual brush: Krita's masking brush, sized against the main tip.
    if (const auto& dual = settings.dualBrush) {
        // A computed dual tip is Krita's round tip; a sampled one the tip written beside.
        const TipShape& dualTip = dual->tip;
        const bool computedDual = dualTip.kind == TipKind::Computed && dualTip.diameter > 0;
        if (!at.dualTip && !computedDual) {
            xml.fate(kDual, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tip")),
                     Fate::NotCarried,
                     QStringLiteral(QT_TRANSLATE_NOOP(
                         "PackReport", "the file does not carry the dual brush's tip")));
        } else {
            const QString composite = CompositeFor(dual->mode);
            xml.flag(QStringLiteral("MaskingBrush/Enabled"), true);
            xml.text(QStringLiteral("MaskingBrush/MaskingCompositeOp"),
                     composite.isEmpty() ? QStringLiteral("multiply") : composite);
            xml.fate(kDual, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "mode")),
                     composite.isEmpty() ? Fate::Approximated : Fate::Kept,
                     composite.isEmpty()
                         ? ReportText(
                               QT_TRANSLATE_NOOP("PackReport",
                                                 "%1 as Multiply, which Krita's masking brush has"))
                               .arg(dual->mode)
                         : QString());
            xml.flag(QStringLiteral("MaskingBrush/UseMasterSize"), true);
            xml.number(
                QStringLiteral("MaskingBrush/MasterSizeCoeff"),
                tip.diameter > 0 && dual->tip.diameter > 0 ? dual->tip.diameter / tip.diameter : 1);
            double dualSpacing = dual->tip.spacing.value_or(25);
            QStringList how;
            if (dual->count > 1) {
                dualSpacing /= dual->count;
                how << ReportText(QT_TRANSLATE_NOOP("PackReport",
                                                    "%1 dabs a step as spacing divided by %1"))
                           .arg(XmlNumber(dual->count));
            }
            dualSpacing = Clamped(dualSpacing, 1, 1000, QStringLiteral("%1 %"), how);
            if (at.dualTip) {
                xml.text(QStringLiteral("MaskingBrush/Preset/brush_definition"),
                         SampledTipDefinition(pack.entries[*at.dualTip].fileName, sumOf(at.dualTip),
                                              dualSpacing));
                xml.text(QStringLiteral("MaskingBrush/Preset/requiredBrushFile"),
                         pack.entries[*at.dualTip].fileName);
            } else {
                const double hardness = dualTip.hardness.value_or(100);
                xml.text(
                    QStringLiteral("MaskingBrush/Preset/brush_definition"),
                    AutoTipDefinition(dualTip.diameter, dualTip.roundness, hardness, dualSpacing));
                if (hardness > 0 && hardness < 100)
                    how << kHardnessHow;
                if (dualTip.angle != 0 && dualTip.roundness < 100)
                    how << ReportText(QT_TRANSLATE_NOOP("PackReport", "its angle of %1° left out"))
                               .arg(XmlNumber(dualTip.angle));
            }
            xml.fate(kDual, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tip")),
                     how.isEmpty() ? Fate::Kept : Fate::Approximated,
                     how.join(QStringLiteral("; ")));
            scatter(QStringLiteral("MaskingBrush/Preset/"), dual->scatter, dual->bothAxes, kDual);
            if (dual->flip)
                xml.fate(kDual, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flip")),
                         Fate::NotCarried,
                         QStringLiteral(QT_TRANSLATE_NOOP(
                             "PackReport", "Krita's masking brush is not flipped at random")));
            if (dual->countJitter.varies())
                xml.fate(kDual, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "count jitter")),
                         Fate::NotCarried,
                         QStringLiteral(QT_TRANSLATE_NOOP(
                             "PackReport", "Krita's masking brush lays one dab a step")));
        }
    }

    // Colour dynamics: Krita's hue, saturation and value options, around 0.5 for no change,
    // and its mix option toward the background colour.
    if (const auto& color = settings.colorDynamics) {
        const QString random =
            color->perTip ? QStringLiteral("fuzzy") : QStringLiteral("fuzzystroke");
        const auto shift = [&](const QString& option, double jitter, const QString& setting) {
            if (jitter <= 0)
                return;
            const double half = std::min(jitter, 100.0) / 200;
            xml.option(option, {{random, SensorCurve(0.5 - half, 0.5 + half), {}}}, 1);
            xml.fate(kColor, setting, Fate::Approximated,
                     ReportText(QT_TRANSLATE_NOOP("PackReport", "as Krita's random %1 shift"))
                         .arg(setting));
        };
        shift(QStringLiteral("h"), color->hue,
              QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "hue")));
        shift(QStringLiteral("s"), color->saturation,
              QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "saturation")));
        shift(QStringLiteral("v"), color->brightness,
              QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "brightness")));
        if (color->foregroundBackground.varies()) {
            Dynamic mix = color->foregroundBackground;
            std::vector<Sensor> sensors =
                SizeLikeSensors(mix, mix.minimum, xml, kColor,
                                QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "control")));
            xml.option(QStringLiteral("Mix"), sensors, 1);
            xml.fate(kColor,
                     QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "foreground/background")),
                     Fate::Approximated,
                     QStringLiteral(QT_TRANSLATE_NOOP(
                         "PackReport", "as Krita's mix toward the background colour")));
        }
        if (color->purity != 0)
            xml.fate(kColor, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "purity")),
                     Fate::NotCarried,
                     QStringLiteral(QT_TRANSLATE_NOOP(
                         "PackReport", "Krita's pixel brush has no steady saturation shift")));
    }

    // Transfer and the tool's opacity and flow.
    const std::optional<ToolOptions>& tool = preset.toolOptions;
    QStringList opacityHow, flowHow;
    const double opacity = tool && tool->opacity
                               ? Clamped(*tool->opacity, 0, 100, QStringLiteral("%1 %"), opacityHow)
                               : 100;
    const double flow =
        tool && tool->flow ? Clamped(*tool->flow, 0, 100, QStringLiteral("%1 %"), flowHow) : 100;
    std::vector<Sensor> opacitySensors, flowSensors;
    if (const auto& transfer = settings.transfer) {
        opacitySensors =
            SizeLikeSensors(transfer->opacity, transfer->opacity.minimum, xml, kTransfer,
                            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "opacity")));
        flowSensors = SizeLikeSensors(transfer->flow, transfer->flow.minimum, xml, kTransfer,
                                      QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flow")));
        for (const auto& [dynamic, setting] :
             {std::pair{&transfer->wetness, QT_TRANSLATE_NOOP("PackReport", "wetness")},
              std::pair{&transfer->mix, QT_TRANSLATE_NOOP("PackReport", "mix")}})
            if (dynamic->varies())
                xml.fate(
                    kTransfer, QString::fromLatin1(setting), Fate::NotCarried,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "PackReport", "Krita's pixel brush does not mix paint on the canvas")));
    }
    xml.option(QStringLiteral("Opacity"), opacitySensors, opacity / 100);
    xml.option(QStringLiteral("Flow"), flowSensors, flow / 100);
    if (tool && tool->opacity && *tool->opacity < 100)
        xml.fate(kTool, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "opacity")),
                 opacityHow.isEmpty() ? Fate::Kept : Fate::Approximated,
                 opacityHow.join(QStringLiteral("; ")));
    if (tool && tool->flow && *tool->flow < 100)
        xml.fate(kTool, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flow")),
                 flowHow.isEmpty() ? Fate::Kept : Fate::Approximated,
                 flowHow.join(QStringLiteral("; ")));
    QString composite = QStringLiteral("normal");
    if (tool && !tool->mode.isEmpty() && tool->mode.compare(u"Normal", Qt::CaseInsensitive) != 0) {
        const QString mode = CompositeFor(tool->mode);
        if (!mode.isEmpty())
            composite = mode;
        xml.fate(kTool, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "mode")),
                 mode.isEmpty() ? Fate::NotCarried : Fate::Kept,
                 mode.isEmpty()
                     ? ReportText(QT_TRANSLATE_NOOP("PackReport", "Krita has no blend mode %1"))
                           .arg(tool->mode)
                     : QString());
    }
    xml.text(QStringLiteral("CompositeOp"), composite);
    if (tool && tool->smoothing && *tool->smoothing > 0)
        xml.fate(kTool, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "smoothing")),
                 Fate::NotCarried,
                 QStringLiteral(QT_TRANSLATE_NOOP(
                     "PackReport", "Krita keeps smoothing with its brush tool, not in a preset")));

    // Build-up as Krita's airbrush, and what its pixel brush has no place for.
    xml.flag(QStringLiteral("PaintOpSettings/isAirbrushing"), settings.buildUp);
    xml.number(QStringLiteral("PaintOpSettings/rate"), 20);
    if (settings.buildUp)
        xml.fate(QStringLiteral("Build-up"),
                 QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "build-up")), Fate::Kept);
    if (settings.brushPose)
        xml.fate(
            QStringLiteral("Brush Pose"), QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "pose")),
            Fate::NotCarried,
            QStringLiteral(QT_TRANSLATE_NOOP(
                "PackReport", "Krita's presets take the pen's own tilt, rotation and pressure")));
    if (settings.noise)
        xml.fate(QStringLiteral("Noise"), QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "noise")),
                 Fate::NotCarried,
                 QStringLiteral(QT_TRANSLATE_NOOP(
                     "PackReport", "Krita's pixel brush adds no grain to a tip's soft edges")));
    if (settings.wetEdges)
        xml.fate(QStringLiteral("Wet Edges"),
                 QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "wet edges")), Fate::NotCarried,
                 QStringLiteral(
                     QT_TRANSLATE_NOOP("PackReport", "Krita's pixel brush has no wet edges")));
    if (settings.smoothing)
        xml.fate(QStringLiteral("Smoothing"),
                 QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "smoothing")), Fate::NotCarried,
                 QStringLiteral(QT_TRANSLATE_NOOP(
                     "PackReport", "Krita keeps smoothing with its brush tool, not in a preset")));
    if (settings.protectTexture)
        xml.fate(QStringLiteral("Protect Texture"),
                 QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "protect texture")),
                 Fate::NotCarried,
                 QStringLiteral(
                     QT_TRANSLATE_NOOP("PackReport", "each Krita preset keeps its own texture")));
    xml.text(QStringLiteral("paintop"), QStringLiteral("paintbrush"));

    const QString name =
        ValidName(brush.displayName().isEmpty()
                      ? PackEntryName(index, pack.sources.size(), QString(), QString())
                      : brush.displayName());
    return planning ? QString() : xml.xml(name);
}

// The preset's picture: its stroke, painted at the picture's size (the tip's set-up costs more
// than the pixels: a third of the side saved a tenth of the time), or without a painter its
// tip, dark on white, grey as the pack's ink is.
QImage Picture(const BrushPack& pack, const BrushPtr& brush, const PackPreviewPainter& painter)
{
    QImage picture(kPictureSide, kPictureSide, QImage::Format_Grayscale8);
    picture.fill(Qt::white);
    QImage drawn;
    if (painter)
        drawn = painter(*brush, pack.patternSources, QSize(kPictureSide, kPictureSide));
    else if (const std::optional<InkTip> tip = InkTipForBrush(brush)) {
        drawn = tip->image.convertToFormat(QImage::Format_Grayscale8);
        drawn.invertPixels();
    }
    if (!drawn.isNull()) {
        if (drawn.size() != picture.size())
            drawn = drawn.scaled(picture.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter on(&picture);
        on.drawImage(
            QPoint((kPictureSide - drawn.width()) / 2, (kPictureSide - drawn.height()) / 2), drawn);
    }
    return picture;
}
} // namespace

void PlanKritaPreset(BrushPack& pack, PackedBrush& packed)
{
    const size_t index = packed.index;
    const Brush& brush = *pack.sources.at(index);
    const BrushPreset* preset = brush.preset();
    if (!preset || !preset->isPreset)
        return;
    const size_t count = pack.sources.size();
    if (preset->settings.dualBrush && brush.dualTip() && PlanInkTip(*brush.dualTip())) {
        // The suffix follows the name however long it is cut, so the two tips never share a
        // file name.
        PackEntry dual{PackEntry::kBrushes,
                       PackEntryName(index, count, packed.name, QStringLiteral(" (dual tip).gbr")),
                       index};
        dual.dualTip = true;
        pack.entries.push_back(std::move(dual));
    }
    packed.presetFileName = PackEntryName(index, count, packed.name, QStringLiteral(".kpp"));
    pack.entries.push_back({PackEntry::kPaintPresets, packed.presetFileName, index});
    packed.settings.clear();
    PresetXmlFor(pack, index, &packed.settings, nullptr, true);
}

QImage KritaPresetPicture(const BrushPack& pack, size_t source, const PackPreviewPainter& painter)
{
    return Picture(pack, pack.sources.at(source), painter);
}

QByteArray KritaPresetEntryBytes(const BrushPack& pack, const PackEntry& entry,
                                 const PackPreviewPainter& painter, KritaResourceSums* sums,
                                 const QImage* painted)
{
    const BrushPtr& brush = pack.sources.at(entry.source);
    if (!brush->preset())
        return {};
    KritaResourceSums own;
    QImage picture = painted ? *painted : Picture(pack, brush, painter);
    picture.setText(QStringLiteral("version"), kPresetVersion);
    picture.setText(QStringLiteral("preset"),
                    PresetXmlFor(pack, entry.source, nullptr, sums ? sums : &own, false));
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (!picture.save(&out, "PNG", 80))
        return {};
    return bytes;
}

QString KritaPresetFile::param(const QString& key) const
{
    const auto it = params.find(key);
    return it == params.end() ? QString() : it->second;
}

double KritaPresetFile::number(const QString& key, double otherwise) const
{
    bool ok = false;
    const double value = param(key).toDouble(&ok);
    return ok ? value : otherwise;
}

QStringList KritaPresetFile::sensors(const QString& option) const
{
    if (param(QStringLiteral("Pressure") + option) != QLatin1String("true") ||
        param(option + QStringLiteral("UseCurve")) != QLatin1String("true"))
        return {};
    QStringList ids;
    QXmlStreamReader xml(param(option + QStringLiteral("Sensor")));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        if (!id.isEmpty() && id != QLatin1String("sensorslist"))
            ids << id;
    }
    return ids;
}

std::optional<KritaPresetFile> ReadKritaPreset(const QByteArray& bytes, bool withPicture)
{
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return std::nullopt;
    QBuffer in;
    in.setData(bytes);
    QImageReader reader(&in, "png");
    // The text as Qt's image reader hands it, runs of white space collapsed.
    const QString xmlText = reader.text(QStringLiteral("preset"));
    KritaPresetFile file;
    file.version = reader.text(QStringLiteral("version"));
    if (withPicture)
        file.picture = reader.read();
    QXmlStreamReader xml(xmlText);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Preset"))
        return std::nullopt;
    file.name = xml.attributes().value(QLatin1String("name")).toString();
    file.paintop = xml.attributes().value(QLatin1String("paintopid")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("param")) {
            const QString key = xml.attributes().value(QLatin1String("name")).toString();
            file.params[key] = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    QXmlStreamReader tip(file.param(QStringLiteral("brush_definition")));
    while (!tip.atEnd()) {
        if (tip.readNext() == QXmlStreamReader::StartElement)
            for (const QXmlStreamAttribute& a : tip.attributes())
                file.tip.emplace(a.name().toString(), a.value().toString()); // <Brush> first
    }
    return file;
}
