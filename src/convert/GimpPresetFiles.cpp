#include "convert/GimpPresetFiles.h"

#include "brush/ComputedBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/InkTip.h"
#include "convert/ReportText.h"
#include "platform/ValidName.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {
using Files = GimpPresetFiles;
using Input = Files::Input;
using Output = Files::Output;
using Curve = Files::Curve;
using Fate = SettingFate::Fate;

constexpr const char* kInputKeys[] = {"pressure", "velocity", "direction", "tilt",
                                      "wheel",    "random",   "fade"};
constexpr const char* kOutputKeys[] = {"opacity", "force",  "hardness",     "rate",
                                       "flow",    "size",   "aspect-ratio", "color",
                                       "angle",   "jitter", "spacing"};
static_assert(std::size(kInputKeys) == Files::kInputs);
static_assert(std::size(kOutputKeys) == Files::kOutputs);

// GIMP's curves of old hold 17 points, the unused ones at -1; GIMP 2.10 and 3 read them, and
// GIMP's own dynamics are written so.
constexpr int kCurvePoints = 17;
constexpr int kCurveSamples = 256;
// Colour dynamics pick from this gradient, one of GIMP's own.
const QString kForegroundToBackground = QStringLiteral("FG to BG (RGB)");

// GIMP's numbers: '.' whatever the locale, six decimals as GIMP writes them.
QByteArray ConfigNumber(double value)
{
    return QByteArray::number(value, 'f', 6);
}

QByteArray Quoted(const QString& text)
{
    QByteArray quoted = text.toUtf8();
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + quoted + '"';
}

QByteArray YesNo(bool value)
{
    return value ? QByteArrayLiteral("yes") : QByteArrayLiteral("no");
}

QString PercentText(double value)
{
    return QStringLiteral("%1 %").arg(QLocale(QLocale::English).toString(value, 'g', 4));
}

// Appends what became of each setting, in Photoshop's words.
struct Fates
{
    std::vector<SettingFate>& settings;
    void kept(const QString& group, const QString& setting)
    {
        settings.push_back({group, setting, Fate::Kept, QString()});
    }
    void approximated(const QString& group, const QString& setting, const QString& how)
    {
        settings.push_back({group, setting, Fate::Approximated, how});
    }
    void notCarried(const QString& group, const QString& setting, const QString& why)
    {
        settings.push_back({group, setting, Fate::NotCarried, why});
    }
};

// GIMP's input for one of Photoshop's controls, and how near it comes ("" when it is the same).
struct ControlInput
{
    Input input;
    QString approximation;
};
std::optional<ControlInput> InputFor(DynamicControl control)
{
    switch (control) {
    case DynamicControl::PenPressure:
        return ControlInput{Input::Pressure, QString()};
    case DynamicControl::PenTilt:
        return ControlInput{Input::Tilt, QString()};
    // GIMP's "wheel" input reads the airbrush wheel and the pen's barrel rotation alike.
    case DynamicControl::StylusWheel:
    case DynamicControl::Rotation:
        return ControlInput{Input::Wheel, QString()};
    case DynamicControl::Direction:
        return ControlInput{Input::Direction, QString()};
    case DynamicControl::InitialDirection:
        return ControlInput{Input::Direction,
                            QStringLiteral("follows the direction all along the stroke, GIMP "
                                           "having no initial direction")};
    case DynamicControl::Fade:
        return ControlInput{Input::Fade, QString()};
    case DynamicControl::Off:
    case DynamicControl::Unknown:
        break;
    }
    return std::nullopt;
}

// Builds one preset's files and their report.
class Planner
{
public:
    Planner(const Brush& brush, const BrushPreset& preset, Files::Plan& plan, double size,
            double spacing)
        : mBrush(brush), mPreset(preset), mPlan(plan), mFates{plan.settings}, mSize(size),
          mSpacing(spacing)
    {}

    void tipShape();
    void shapeDynamics(const ShapeDynamics& shape);
    void scattering(const Scattering& scattering);
    void colorDynamics(const ColorDynamics& color);
    void transfer(const Transfer& transfer);
    void switches(const BrushSettings& settings);
    void toolOptions(const ToolOptions& options);

private:
    // A linear output (size, opacity, …): the control's curve rises from the minimum, the
    // jitter's from what the jitter takes away at most. An angular one (the angle, the colour)
    // turns from 0 by the control, and by up to the jitter at random.
    void map(const QString& group, const QString& setting, const Dynamic& dynamic, Output output,
             double minimum, bool angular, const QString& approximation = QString());

    const Brush& mBrush;
    const BrushPreset& mPreset;
    Files::Plan& mPlan;
    Fates mFates;
    double mSize;    // pixels
    double mSpacing; // percent of the size
    QString mFadeSetting;
};

void Planner::map(const QString& group, const QString& setting, const Dynamic& dynamic,
                  Output output, double minimum, bool angular, const QString& approximation)
{
    if (!dynamic.varies())
        return;
    auto& inputs = mPlan.dynamics[output];
    const bool both = dynamic.control != DynamicControl::Off && dynamic.jitter != 0;
    const QString averaged =
        both ? QStringLiteral(QT_TRANSLATE_NOOP(
                   "PackReport", "GIMP averages its control and its jitter rather than combining "
                                 "them"))
             : QString();
    if (dynamic.control != DynamicControl::Off) {
        const QString name = ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 control")).arg(setting);
        const std::optional<ControlInput> input = InputFor(dynamic.control);
        if (!input) {
            mFates.notCarried(
                group, name,
                ReportText(QT_TRANSLATE_NOOP("PackReport", "GIMP has no input like control %1"))
                    .arg(dynamic.storedControl));
        } else {
            inputs[input->input] = angular ? Curve{0, 1} : Curve{std::clamp(minimum, 0.0, 1.0), 1};
            QStringList how;
            for (const QString& part : {approximation, input->approximation, averaged})
                if (!part.isEmpty())
                    how << part;
            if (input->input == Input::Fade) {
                // Photoshop fades over a number of dabs; GIMP over a length, one for the
                // whole preset, and along a bell curve rather than a straight line.
                const double steps = dynamic.fadeSteps.value_or(25);
                const double length = steps * mSpacing / 100 * mSize;
                if (!mPlan.preset.fadeLength) {
                    mPlan.preset.fadeLength = std::min(length, Files::kMaxFadeLength);
                    mFadeSetting = name;
                    how << ReportText(QT_TRANSLATE_NOOP(
                                          "PackReport",
                                          "fades over %1 pixels (%2 steps) along GIMP's eased "
                                          "curve"))
                               .arg(std::lround(*mPlan.preset.fadeLength))
                               .arg(steps);
                    if (length > Files::kMaxFadeLength)
                        how << QStringLiteral(
                            QT_TRANSLATE_NOOP("PackReport", "clamped to GIMP's longest fade"));
                } else if (std::abs(*mPlan.preset.fadeLength - length) > 0.5) {
                    how << ReportText(
                               QT_TRANSLATE_NOOP("PackReport",
                                                 "fades over the length of the %1, GIMP having one "
                                                 "fade a preset"))
                               .arg(mFadeSetting);
                }
            }
            if (how.isEmpty())
                mFates.kept(group, name);
            else
                mFates.approximated(group, name, how.join(QStringLiteral("; ")));
        }
    }
    if (dynamic.jitter != 0) {
        const QString name = ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 jitter")).arg(setting);
        const double jitter = std::clamp(dynamic.jitter / 100, 0.0, 1.0);
        inputs[Input::Random] = angular
                                    ? Curve{0, jitter}
                                    : Curve{std::clamp(std::max(1 - jitter, minimum), 0.0, 1.0), 1};
        QStringList how;
        for (const QString& part : {approximation, averaged})
            if (!part.isEmpty())
                how << part;
        if (how.isEmpty())
            mFates.kept(group, name);
        else
            mFates.approximated(group, name, how.join(QStringLiteral("; ")));
    }
}

void Planner::tipShape()
{
    const QString group = QStringLiteral("Brush Tip Shape");
    const TipShape& tip = mPreset.tip;
    mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "size")));
    if (tip.angle != 0)
        mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "angle")));
    if (tip.roundness != 100)
        mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "roundness")));
    if (tip.flipX)
        mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flip x")));
    if (tip.flipY)
        mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flip y")));
    if (tip.hardness)
        mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "hardness")));
    if (tip.spacing)
        mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "spacing")));
    else
        mFates.approximated(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "spacing")),
                            QStringLiteral(QT_TRANSLATE_NOOP(
                                "PackReport", "spacing off (a dab at each move of the pointer) "
                                              "written as 25 %")));
    if (tip.kind == TipKind::Bristle || tip.kind == TipKind::Erodible)
        mFates.approximated(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tip")),
                            QStringLiteral(QT_TRANSLATE_NOOP(
                                "PackReport", "drawn as one still tip: GIMP's paintbrush has no "
                                              "bristle or wearing tips")));
}

void Planner::shapeDynamics(const ShapeDynamics& shape)
{
    const QString group = QStringLiteral("Shape Dynamics");
    map(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "size")), shape.size, Output::Size,
        shape.minimumDiameter / 100, false);
    if (shape.tiltScale != 0 && shape.size.control == DynamicControl::PenTilt)
        mFates.notCarried(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "tilt scale")),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "PackReport", "GIMP's size follows tilt along one curve only")));
    map(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "angle")), shape.angle, Output::Angle,
        0, true);
    map(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "roundness")), shape.roundness,
        Output::AspectRatio, shape.minimumRoundness / 100, false,
        QStringLiteral(QT_TRANSLATE_NOOP(
            "PackReport", "as GIMP's aspect ratio, which squashes the tip on a scale of its own")));
    if (shape.flipXJitter)
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flip x jitter")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP flips no tip at random")));
    if (shape.flipYJitter)
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flip y jitter")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP flips no tip at random")));
    if (shape.projection)
        mFates.notCarried(group,
                          QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "brush projection")),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "PackReport", "GIMP does not project the tip by the pen's tilt")));
}

void Planner::scattering(const Scattering& scattering)
{
    const QString group = QStringLiteral("Scattering");
    const Dynamic& scatter = scattering.scatter;
    if (scatter.jitter != 0) {
        // Photoshop's scatter is a percent of the diameter, GIMP's jitter a fraction of the
        // size.
        const double amount = scatter.jitter / 100;
        mPlan.preset.jitter = std::clamp(amount, 0.0, Files::kMaxJitter);
        QStringList how;
        if (!scattering.bothAxes)
            how << QStringLiteral(QT_TRANSLATE_NOOP(
                "PackReport", "GIMP scatters along the stroke as well as across it"));
        if (amount > Files::kMaxJitter)
            how << ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 clamped to GIMP's %2"))
                       .arg(PercentText(scatter.jitter), PercentText(Files::kMaxJitter * 100));
        if (how.isEmpty())
            mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "scatter")));
        else
            mFates.approximated(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "scatter")),
                                how.join(QStringLiteral("; ")));
        if (scatter.control != DynamicControl::Off) {
            Dynamic control = scatter;
            control.jitter = 0;
            map(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "scatter")), control,
                Output::Jitter, 0, false);
        }
    } else if (scatter.control != DynamicControl::Off) {
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "scatter control")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "there is no scatter for it to drive")));
    }
    if (scattering.count > 1)
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "count")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP lays one dab at each step")));
    if (scattering.countJitter.varies())
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "count jitter")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP lays one dab at each step")));
}

void Planner::colorDynamics(const ColorDynamics& color)
{
    const QString group = QStringLiteral("Color Dynamics");
    if (color.foregroundBackground.varies()) {
        mPlan.preset.gradient = true;
        map(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "foreground/background")),
            color.foregroundBackground, Output::Color, 0, true,
            QStringLiteral(QT_TRANSLATE_NOOP(
                "PackReport", "picked from GIMP's foreground-to-background gradient")));
    }
    const std::pair<const char*, double> jitters[] = {
        {QT_TRANSLATE_NOOP("PackReport", "hue jitter"), color.hue},
        {QT_TRANSLATE_NOOP("PackReport", "saturation jitter"), color.saturation},
        {QT_TRANSLATE_NOOP("PackReport", "brightness jitter"), color.brightness},
        {QT_TRANSLATE_NOOP("PackReport", "purity"), color.purity}};
    for (const auto& [setting, value] : jitters)
        if (value != 0)
            mFates.notCarried(group, QLatin1String(setting),
                              QStringLiteral(QT_TRANSLATE_NOOP(
                                  "PackReport", "GIMP varies colour only along a gradient")));
}

void Planner::transfer(const Transfer& transfer)
{
    const QString group = QStringLiteral("Transfer");
    map(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "opacity")), transfer.opacity,
        Output::Opacity, transfer.opacity.minimum / 100, false);
    if (transfer.flow.varies())
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flow")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP's paintbrush has no flow")));
    if (transfer.wetness.varies())
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "wetness")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP has no mixer brush")));
    if (transfer.mix.varies())
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "mix")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP has no mixer brush")));
}

void Planner::switches(const BrushSettings& settings)
{
    if (settings.texture)
        mFates.notCarried(
            QStringLiteral("Texture"), QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "texture")),
            mBrush.texture()
                ? QStringLiteral(QT_TRANSLATE_NOOP("PackReport",
                                                   "GIMP's paintbrush paints through no "
                                                   "pattern"))
                : QStringLiteral(QT_TRANSLATE_NOOP("PackReport",
                                                   "GIMP's paintbrush paints through no "
                                                   "pattern, and the file has none")));
    if (settings.dualBrush)
        mFates.notCarried(QStringLiteral("Dual Brush"),
                          QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "dual brush")),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "PackReport", "GIMP's paintbrush paints with one tip")));
    if (const auto& pose = settings.brushPose;
        pose && (pose->overrideTiltX || pose->overrideTiltY || pose->overrideRotation ||
                 pose->overridePressure))
        mFates.notCarried(QStringLiteral("Brush Pose"),
                          QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "brush pose")),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "PackReport", "GIMP takes tilt, rotation and pressure from the pen "
                                            "alone")));
    if (settings.noise)
        mFates.notCarried(
            QStringLiteral("Noise"), QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "noise")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP adds no noise to a tip's edge")));
    if (settings.wetEdges)
        mFates.notCarried(
            QStringLiteral("Wet Edges"),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "wet edges")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP paints no wet edges")));
    if (settings.buildUp)
        mFates.notCarried(QStringLiteral("Build-up"),
                          QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "build-up")),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "PackReport", "GIMP's paintbrush lays no paint while held still (its "
                                            "airbrush does)")));
    if (settings.smoothing) {
        mPlan.preset.smoothing = true;
        mFates.approximated(QStringLiteral("Smoothing"),
                            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "smoothing")),
                            QStringLiteral(QT_TRANSLATE_NOOP(
                                "PackReport", "GIMP's stroke smoothing at its own weight")));
    }
    if (settings.protectTexture)
        mFates.notCarried(QStringLiteral("Protect Texture"),
                          QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "protect texture")),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "PackReport", "GIMP's paintbrush paints through no pattern")));
}

// Photoshop's blend modes by GIMP's nicknames for its layer modes; true where GIMP's mode is
// Photoshop's.
struct ModeMatch
{
    const char* photoshop;
    const char* gimp;
    bool same;
};
constexpr ModeMatch kModes[] = {
    {"Normal", "normal", true},
    {"Dissolve", "dissolve", true},
    {"Behind", "behind", true},
    {"Darken", "darken-only", true},
    {"Multiply", "multiply", true},
    {"Color Burn", "burn", true},
    {"Linear Burn", "linear-burn", true},
    {"Darker Color", "luma-darken-only", false},
    {"Lighten", "lighten-only", true},
    {"Screen", "screen", true},
    {"Color Dodge", "dodge", true},
    {"Linear Dodge", "addition", true},
    {"Lighter Color", "luma-lighten-only", false},
    {"Overlay", "overlay", true},
    {"Soft Light", "softlight", true},
    {"Hard Light", "hardlight", true},
    {"Vivid Light", "vivid-light", true},
    {"Linear Light", "linear-light", true},
    {"Pin Light", "pin-light", true},
    {"Hard Mix", "hard-mix", true},
    {"Difference", "difference", true},
    {"Exclusion", "exclusion", true},
    {"Subtract", "subtract", true},
    {"Divide", "divide", true},
    {"Hue", "lch-hue", false},
    {"Saturation", "lch-chroma", false},
    {"Color", "lch-color", false},
    {"Luminosity", "lch-lightness", false},
};

void Planner::toolOptions(const ToolOptions& options)
{
    const QString group = QStringLiteral("Tool Options");
    if (options.opacity) {
        mPlan.preset.opacity = std::clamp(*options.opacity / 100, 0.0, 1.0);
        if (*options.opacity < 0 || *options.opacity > 100)
            mFates.approximated(
                group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "opacity")),
                ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 clamped to GIMP's 0 to 100 %"))
                    .arg(PercentText(*options.opacity)));
        else
            mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "opacity")));
    }
    if (options.flow && *options.flow < 100)
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "flow")),
            QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "GIMP's paintbrush has no flow")));
    if (options.smoothing && *options.smoothing > 0) {
        mPlan.preset.smoothing = true;
        mFates.approximated(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "smoothing")),
                            QStringLiteral(QT_TRANSLATE_NOOP(
                                "PackReport", "GIMP's stroke smoothing at its own weight")));
    }
    if (options.mode.isEmpty())
        return;
    const auto match = std::find_if(std::begin(kModes), std::end(kModes), [&](const ModeMatch& m) {
        return options.mode.compare(QLatin1String(m.photoshop), Qt::CaseInsensitive) == 0;
    });
    if (match == std::end(kModes)) {
        mFates.notCarried(
            group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "mode")),
            ReportText(
                QT_TRANSLATE_NOOP("PackReport", "GIMP has no mode like %1; painted in Normal"))
                .arg(options.mode));
        return;
    }
    mPlan.preset.paintMode = QLatin1String(match->gimp);
    if (match->same)
        mFates.kept(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "mode")));
    else
        mFates.approximated(group, QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "mode")),
                            ReportText(QT_TRANSLATE_NOOP("PackReport", "as GIMP's %1"))
                                .arg(QLatin1String(match->gimp)));
}

// The size GIMP gives the tip as written, which is the preset's: a .vbr spans twice its
// radius, a .gbr its longest side.
double NativeSize(const BrushPack& pack, const Brush& brush, double* hardness)
{
    *hardness = 1;
    if (pack.target == PackTarget::Gimp && brush.isComputed()) {
        const auto vbr = GimpParametricBrushFile::fromComputed(
            QString(), static_cast<const ComputedBrush&>(brush).parameters(),
            PackTipSpacing(brush));
        *hardness = vbr.hardness;
        return 2 * vbr.radius;
    }
    if (const std::optional<InkTipPlan> plan = PlanInkTip(brush))
        return std::max(plan->size.width(), plan->size.height());
    return brush.preset() ? brush.preset()->tip.diameter : 1;
}

// A small reader of GIMP's configuration text: lists of symbols, numbers and strings.
struct Node
{
    QByteArray atom; // a symbol, number or string's text
    bool string = false;
    bool list = false;
    std::vector<Node> items;

    const Node* find(const char* head) const
    {
        for (const Node& item : items)
            if (item.list && !item.items.empty() && item.items[0].atom == head)
                return &item;
        return nullptr;
    }
    // The atom after the head of the list (head …): its value.
    QByteArray value(const char* head) const
    {
        const Node* node = find(head);
        return node && node->items.size() > 1 && !node->items[1].list ? node->items[1].atom
                                                                      : QByteArray();
    }
    std::optional<double> number(const char* head) const
    {
        bool ok = false;
        const double value = this->value(head).toDouble(&ok);
        return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    }
};

class Parser
{
public:
    explicit Parser(const QByteArray& text) : mText(text) {}

    // The file's top-level lists; none for text that does not parse.
    std::optional<Node> parse()
    {
        Node top;
        top.list = true;
        if (!items(top, 0) || mAt != mText.size())
            return std::nullopt;
        return top;
    }

private:
    // GIMP's files nest three deep; nothing of ours deeper than this.
    static constexpr int kMaxDepth = 16;

    void skipSpace()
    {
        while (mAt < mText.size()) {
            const char c = mText[mAt];
            if (c == '#') {
                while (mAt < mText.size() && mText[mAt] != '\n')
                    ++mAt;
            } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                ++mAt;
            } else {
                break;
            }
        }
    }

    bool items(Node& into, int depth)
    {
        for (;;) {
            skipSpace();
            if (mAt >= mText.size() || mText[mAt] == ')')
                return true;
            Node item;
            if (!node(item, depth))
                return false;
            into.items.push_back(std::move(item));
        }
    }

    bool node(Node& into, int depth)
    {
        const char c = mText[mAt];
        if (c == '(') {
            if (depth >= kMaxDepth)
                return false;
            ++mAt;
            into.list = true;
            if (!items(into, depth + 1) || mAt >= mText.size())
                return false;
            ++mAt; // ')'
            return true;
        }
        if (c == '"') {
            into.string = true;
            for (++mAt; mAt < mText.size(); ++mAt) {
                const char d = mText[mAt];
                if (d == '"') {
                    ++mAt;
                    return true;
                }
                if (d == '\\' && mAt + 1 < mText.size())
                    ++mAt;
                into.atom += mText[mAt];
            }
            return false;
        }
        const qsizetype start = mAt;
        while (mAt < mText.size() && !QByteArrayView(" \t\r\n()\"").contains(mText[mAt]))
            ++mAt;
        into.atom = mText.mid(start, mAt - start);
        return true;
    }

    const QByteArray& mText;
    qsizetype mAt = 0;
};

QByteArray CurveText(Input input, const Curve& curve)
{
    QByteArray text = QByteArrayLiteral("    (") + kInputKeys[size_t(input)] +
                      QByteArrayLiteral("-curve\n        (curve-type smooth)\n        (n-points ") +
                      QByteArray::number(kCurvePoints) + QByteArrayLiteral(")\n        (points ") +
                      QByteArray::number(2 * kCurvePoints) + ' ' + ConfigNumber(0) + ' ' +
                      ConfigNumber(curve.low);
    for (int i = 1; i + 1 < kCurvePoints; ++i)
        text += QByteArrayLiteral(" -1.000000 -1.000000");
    text += ' ' + ConfigNumber(1) + ' ' + ConfigNumber(curve.high) +
            QByteArrayLiteral(")\n        (n-samples ") + QByteArray::number(kCurveSamples) +
            QByteArrayLiteral(")\n        (samples ") + QByteArray::number(kCurveSamples);
    for (int i = 0; i < kCurveSamples; ++i)
        text += ' ' + ConfigNumber(curve.low + (curve.high - curve.low) * i / (kCurveSamples - 1));
    return text + QByteArrayLiteral("))");
}

// The first and last points a curve uses.
Curve CurveFrom(const Node* node)
{
    const Node* points = node ? node->find("points") : nullptr;
    std::vector<std::pair<double, double>> used;
    if (points)
        for (size_t i = 2; i + 1 < points->items.size(); i += 2) {
            const double x = points->items[i].atom.toDouble();
            if (x >= 0)
                used.emplace_back(x, points->items[i + 1].atom.toDouble());
        }
    if (used.empty())
        return {};
    return {used.front().second, used.back().second};
}

} // namespace

const char* GimpPresetFiles::inputKey(Input input)
{
    return kInputKeys[size_t(input)];
}

const char* GimpPresetFiles::outputKey(Output output)
{
    return kOutputKeys[size_t(output)];
}

QByteArray GimpPresetFiles::writeDynamics(const Dynamics& dynamics)
{
    QByteArray text = QByteArrayLiteral("# GIMP dynamics file\n\n(name ") +
                      Quoted(ValidName(dynamics.name, GimpBrushFile::kMaxNameBytes)) + ")\n";
    for (int o = 0; o < kOutputs; ++o) {
        const std::map<Input, Curve>& inputs = dynamics.outputs[size_t(o)];
        text += QByteArrayLiteral("(") + kOutputKeys[o] + QByteArrayLiteral("-output");
        for (int i = 0; i < kInputs; ++i)
            text += QByteArrayLiteral("\n    (use-") + kInputKeys[i] + ' ' +
                    YesNo(inputs.count(Input(i)) > 0) + ')';
        for (const auto& [input, curve] : inputs)
            text += '\n' + CurveText(input, curve);
        text += QByteArrayLiteral(")\n");
    }
    return text + QByteArrayLiteral("\n# end of GIMP dynamics file\n");
}

QByteArray GimpPresetFiles::writeToolPreset(const ToolPreset& preset)
{
    const auto field = [](const char* key, const QByteArray& value) {
        return QByteArrayLiteral("\n    (") + key + ' ' + value + ')';
    };
    QByteArray options =
        field("tool", QByteArrayLiteral("\"gimp-paintbrush-tool\"")) +
        field("paint-mode", preset.paintMode.toLatin1()) +
        field("opacity", ConfigNumber(preset.opacity)) +
        field("brush", Quoted(ValidName(preset.brush, GimpBrushFile::kMaxNameBytes))) +
        field("dynamics", Quoted(ValidName(preset.dynamics, GimpBrushFile::kMaxNameBytes)));
    if (preset.gradient)
        options += field("gradient", Quoted(kForegroundToBackground));
    options +=
        field("brush-size", ConfigNumber(std::clamp(preset.size, 1.0, kMaxSize))) +
        field("brush-aspect-ratio", ConfigNumber(std::clamp(preset.aspectRatio, -20.0, 20.0))) +
        field("brush-angle", ConfigNumber(std::clamp(preset.angle, -180.0, 180.0))) +
        field("brush-spacing", ConfigNumber(std::clamp(preset.spacing, 0.01, kMaxSpacing))) +
        field("brush-hardness", ConfigNumber(std::clamp(preset.hardness, 0.0, 1.0)));
    if (preset.jitter)
        options +=
            field("use-jitter", "yes") +
            field("jitter-amount", ConfigNumber(std::clamp(*preset.jitter, 0.0, kMaxJitter)));
    if (preset.fadeLength)
        options += field("fade-length",
                         ConfigNumber(std::clamp(*preset.fadeLength, 0.0, kMaxFadeLength))) +
                   field("fade-unit", "pixels");
    if (preset.smoothing)
        options += field("use-smoothing", "yes");
    return QByteArrayLiteral(
               "# GIMP tool preset file\n\n(icon-name \"gimp-tool-paintbrush\")\n(name ") +
           Quoted(ValidName(preset.name, GimpBrushFile::kMaxNameBytes)) +
           QByteArrayLiteral(")\n(tool-options \"GimpPaintOptions\"") + options +
           QByteArrayLiteral(")\n(use-fg-bg no)\n(use-brush yes)\n(use-dynamics yes)\n"
                             "(use-gradient ") +
           YesNo(preset.gradient) +
           QByteArrayLiteral(")\n(use-pattern no)\n(use-palette no)\n(use-font no)\n\n"
                             "# end of GIMP tool preset file\n");
}

std::optional<GimpPresetFiles::Dynamics> GimpPresetFiles::readDynamics(const QByteArray& bytes)
{
    if (!bytes.startsWith("# GIMP dynamics file"))
        return std::nullopt;
    const std::optional<Node> top = Parser(bytes).parse();
    if (!top || !top->find("name"))
        return std::nullopt;
    Dynamics dynamics;
    dynamics.name = QString::fromUtf8(top->value("name"));
    for (int o = 0; o < kOutputs; ++o) {
        const Node* output = top->find((QByteArray(kOutputKeys[o]) + "-output").constData());
        if (!output)
            continue;
        for (int i = 0; i < kInputs; ++i) {
            const QByteArray key(kInputKeys[i]);
            if (output->value(("use-" + key).constData()) == "yes")
                dynamics.outputs[size_t(o)][Input(i)] =
                    CurveFrom(output->find((key + "-curve").constData()));
        }
    }
    return dynamics;
}

std::optional<GimpPresetFiles::ToolPreset> GimpPresetFiles::readToolPreset(const QByteArray& bytes)
{
    if (!bytes.startsWith("# GIMP tool preset file"))
        return std::nullopt;
    const std::optional<Node> top = Parser(bytes).parse();
    const Node* options = top ? top->find("tool-options") : nullptr;
    if (!options || !top->find("name"))
        return std::nullopt;
    ToolPreset preset;
    preset.name = QString::fromUtf8(top->value("name"));
    preset.brush = QString::fromUtf8(options->value("brush"));
    preset.dynamics = QString::fromUtf8(options->value("dynamics"));
    if (const QByteArray mode = options->value("paint-mode"); !mode.isEmpty())
        preset.paintMode = QString::fromLatin1(mode);
    preset.opacity = options->number("opacity").value_or(1);
    preset.size = options->number("brush-size").value_or(preset.size);
    preset.aspectRatio = options->number("brush-aspect-ratio").value_or(0);
    preset.angle = options->number("brush-angle").value_or(0);
    preset.spacing = options->number("brush-spacing").value_or(preset.spacing);
    preset.hardness = options->number("brush-hardness").value_or(1);
    if (options->value("use-jitter") == "yes")
        preset.jitter = options->number("jitter-amount").value_or(0.2);
    preset.fadeLength = options->number("fade-length");
    preset.smoothing = options->value("use-smoothing") == "yes";
    preset.gradient = !options->value("gradient").isEmpty();
    return preset;
}

std::optional<GimpPresetFiles::Plan> GimpPresetFiles::plan(const BrushPack& pack, size_t index)
{
    const Brush& brush = *pack.sources.at(index);
    const BrushPreset* preset = brush.preset();
    if (!preset || !preset->isPreset)
        return std::nullopt;
    Plan plan;
    // Named after the pack as well as the brush: GIMP finds dynamics by name, and two packs
    // with a brush of the same name must not give each other's presets their dynamics.
    plan.dynamics.name = pack.name + QStringLiteral(": ") +
                         PackEntryName(index, pack.sources.size(), brush.displayName(), QString());
    ToolPreset& tool = plan.preset;
    tool.name = plan.dynamics.name;
    tool.dynamics = plan.dynamics.name;
    tool.brush = ValidName(PackTipName(pack, index), GimpBrushFile::kMaxNameBytes);
    // The tip is drawn at the preset's size, angle and roundness, and holds its spacing: the
    // preset takes it as it is.
    const double spacing = PackTipSpacing(brush);
    tool.size = std::max(1.0, NativeSize(pack, brush, &tool.hardness));
    tool.spacing = spacing / 100;

    Planner planner(brush, *preset, plan, tool.size, spacing);
    planner.tipShape();
    const BrushSettings& settings = preset->settings;
    if (settings.shapeDynamics)
        planner.shapeDynamics(*settings.shapeDynamics);
    if (settings.scattering)
        planner.scattering(*settings.scattering);
    if (settings.colorDynamics)
        planner.colorDynamics(*settings.colorDynamics);
    if (settings.transfer)
        planner.transfer(*settings.transfer);
    planner.switches(settings);
    if (preset->toolOptions)
        planner.toolOptions(*preset->toolOptions);
    return plan;
}

void PlanGimpPreset(BrushPack& pack, PackedBrush& packed)
{
    std::optional<GimpPresetFiles::Plan> plan = GimpPresetFiles::plan(pack, packed.index);
    if (!plan)
        return;
    const size_t count = pack.sources.size();
    const QString dynamicsFile =
        PackEntryName(packed.index, count, packed.name, QStringLiteral(".gdyn"));
    packed.presetFileName = PackEntryName(packed.index, count, packed.name, QStringLiteral(".gtp"));
    pack.entries.push_back({PackEntry::kDynamics, dynamicsFile, packed.index});
    pack.entries.push_back({PackEntry::kToolPresets, packed.presetFileName, packed.index});
    packed.settings = std::move(plan->settings);
    // GIMP finds a preset's brush by name; of two tips of one name it finds either. Only the
    // brushes before this one are known yet, so a pair is said of both when the second comes.
    static const QString tipGroup = QStringLiteral("Brush Tip Shape");
    const auto shared = [&] {
        return SettingFate{tipGroup, QStringLiteral("tip"), Fate::Approximated,
                           QStringLiteral("named like another tip of the pack: GIMP may give the "
                                          "preset either")};
    };
    bool duplicate = false;
    for (PackedBrush& earlier : pack.brushes) {
        if (packed.name.isEmpty() || earlier.fileName.isEmpty() || earlier.name != packed.name)
            continue;
        duplicate = true;
        if (earlier.presetCarried() &&
            std::none_of(earlier.settings.begin(), earlier.settings.end(),
                         [](const SettingFate& s) { return s.setting == QLatin1String("tip"); })) {
            earlier.settings.push_back(shared());
        }
    }
    if (duplicate)
        packed.settings.push_back(shared());
}

QByteArray GimpPresetEntryBytes(const BrushPack& pack, const PackEntry& entry)
{
    const std::optional<GimpPresetFiles::Plan> plan = GimpPresetFiles::plan(pack, entry.source);
    if (!plan)
        return {};
    if (entry.mediaType == PackEntry::kDynamics)
        return GimpPresetFiles::writeDynamics(plan->dynamics);
    return GimpPresetFiles::writeToolPreset(plan->preset);
}
