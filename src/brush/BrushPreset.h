#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

// What a brush's tip is made of. Photoshop's own words for them: a stored sample, a computed
// (elliptical) tip, a bristle tip and an erodible tip (its airbrush tips are drawn like
// erodible ones and listed with them).
enum class TipKind
{
    Sampled,
    Computed,
    Bristle,
    Erodible
};

// "sampled", "computed", "bristle", "erodible": the words listings and scripts use.
const char* TipKindKey(TipKind kind);

// What drives a setting while painting, in the order of Photoshop's Control menu, which is also
// the number the file stores (0 to 7). A number past them is kept as Unknown with its value.
enum class DynamicControl
{
    Off,
    Fade,
    PenPressure,
    PenTilt,
    StylusWheel,
    Rotation,
    InitialDirection,
    Direction,
    Unknown,
};

// "off", "fade", "pen pressure", "pen tilt", "stylus wheel", "rotation", "initial direction",
// "direction"; null for Unknown. English, as scripts read them; Translated("BrushSettings", …)
// gives the words a user reads.
const char* DynamicControlKey(DynamicControl control);

// One varying value: its control, its jitter and its minimum, in percent.
struct Dynamic
{
    DynamicControl control = DynamicControl::Off;
    int storedControl = 0;        // the number as the file gives it
    std::optional<int> fadeSteps; // only when the control is Fade
    double jitter = 0;            // percent
    double minimum = 0;           // percent
    // Varies at all: a control other than Off, or some jitter.
    bool varies() const { return control != DynamicControl::Off || jitter != 0; }
};

// A bristle tip's own values, percent as Photoshop's panel shows them.
struct BristleTip
{
    int shape = 0;       // 0 Round Point … 9 Flat Fan, in the order of Photoshop's Shape menu
    double bristles = 0; // density
    double length = 0;
    double thickness = 0;
    double stiffness = 0;
};

// An erodible (or airbrush) tip's own values.
struct ErodibleTip
{
    bool airbrush = false; // an airbrush tip rather than a wearing one
    int shape = 0;         // 0 Point, 1 Flat, 2 Round, 3 Square, 4 Triangle (erodible)
    double softness = 0;   // percent
    // The worn surface the file stores: gridSize × gridSize heights, row by row; empty when
    // absent or unreadable.
    int gridSize = 0;
    std::vector<float> heights;
    // Airbrush values, percent.
    double granularity = 0;
    double spatterSize = 0;
    double spatterAmount = 0;
};

// A tip as a preset (or a dual brush) paints with it.
struct TipShape
{
    TipKind kind = TipKind::Computed;
    QString name;                        // the tip's own stored name, when it has one
    std::optional<std::string> sampleId; // the stored sample's identifier (sampled tips)
    double diameter = 0;                 // pixels
    double angle = 0;                    // degrees, counter-clockwise
    double roundness = 100;              // percent
    std::optional<double> hardness;      // percent, computed tips only
    bool flipX = false;
    bool flipY = false;
    std::optional<double> spacing; // percent; absent when spacing is off
    std::optional<BristleTip> bristle;
    std::optional<ErodibleTip> erodible;
};

struct ShapeDynamics
{
    Dynamic size;
    double minimumDiameter = 0; // percent
    double tiltScale = 0;       // percent
    Dynamic angle;
    Dynamic roundness;
    double minimumRoundness = 0; // percent
    bool flipXJitter = false;
    bool flipYJitter = false;
    bool projection = false;
};

struct Scattering
{
    Dynamic scatter; // its jitter is the scatter, percent
    bool bothAxes = false;
    double count = 1;
    Dynamic countJitter;
};

struct Texture
{
    QString patternName; // as stored
    QString patternId;   // as stored, without its terminating zero unit
    bool invert = false;
    double scale = 100; // percent
    double brightness = 0;
    double contrast = 0;
    QString mode;            // Photoshop's word for the blend mode ("Color Burn", …)
    double depth = 0;        // percent
    double minimumDepth = 0; // percent
    Dynamic depthJitter;
    bool perTip = false; // "Texture Each Tip"
};

struct DualBrush
{
    TipShape tip;
    QString mode;
    bool flip = false;
    Dynamic scatter;
    bool bothAxes = false;
    double count = 1;
    Dynamic countJitter;
};

struct ColorDynamics
{
    bool perTip = false;
    Dynamic foregroundBackground;
    double hue = 0; // jitter, percent
    double saturation = 0;
    double brightness = 0;
    double purity = 0;
};

struct Transfer
{
    Dynamic opacity;
    Dynamic flow;
    Dynamic wetness;
    Dynamic mix;
};

struct BrushPose
{
    double tiltX = 0;
    double tiltY = 0;
    double rotation = 0;
    double pressure = 0; // percent
    bool overrideTiltX = false;
    bool overrideTiltY = false;
    bool overrideRotation = false;
    bool overridePressure = false;
};

// The groups of Photoshop's Brush Settings panel; a group that is absent is off.
struct BrushSettings
{
    std::optional<ShapeDynamics> shapeDynamics;
    std::optional<Scattering> scattering;
    std::optional<Texture> texture;
    std::optional<DualBrush> dualBrush;
    std::optional<ColorDynamics> colorDynamics;
    std::optional<Transfer> transfer;
    std::optional<BrushPose> brushPose;
    bool noise = false;
    bool wetEdges = false;
    bool buildUp = false;
    bool smoothing = false;
    bool protectTexture = false;

    bool anyOn() const;
};

// The painting tool's options a preset may carry with it.
struct ToolOptions
{
    QString mode;                    // Photoshop's word for the blend mode
    std::optional<double> opacity;   // percent
    std::optional<double> flow;      // percent
    std::optional<double> smoothing; // percent
};

// A brush as an artist made it: a tip and the settings that make it paint. Built whole on the
// reading thread, then only read.
struct BrushPreset
{
    // False for a stored sample no preset uses, listed after the presets so nothing is lost.
    bool isPreset = true;
    TipShape tip;
    BrushSettings settings;
    std::optional<ToolOptions> toolOptions;
};

// One group of settings that is on, in the order of Photoshop's panel.
struct SettingsGroup
{
    const char* key; // "shape_dynamics", "scattering", … as listings and scripts name it
    QString title;   // Photoshop's heading in English: "Shape Dynamics", "Scattering", …
    // The heading in the user's language, as Photoshop's panel says it there.
    QString shownTitle() const;
};
std::vector<SettingsGroup> GroupsOn(const BrushSettings& settings);

// A heading of Photoshop's panel in the user's language: GroupsOn()'s titles, "Brush Tip Shape"
// and "Tool Options"; any other text as it is.
QString ShownGroupTitle(const QString& title);

// Photoshop's word for a blend mode ("Color Burn") as its panel says it in the user's language;
// a word Photoshop does not use, as it is.
QString ShownBlendMode(const QString& mode);

// "pen pressure, jitter 20 %, minimum 5 %": how a dynamic reads after its label, in the user's
// language. "off" when it does not vary.
QString DynamicText(const Dynamic& dynamic);
