#pragma once

#include "convert/BrushPack.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <map>
#include <optional>

// GIMP's paint dynamics (.gdyn) and paintbrush tool preset (.gtp) for a brush's preset. Both
// are GIMP's configuration text, as GIMP 2.10 writes them and GIMP 3 still reads them, in the
// user's dynamics/ and tool-presets/ folders:
//
//   # GIMP dynamics file
//   (name "Pack: 007 Chalk")
//   (size-output                      one of 11 outputs, each with 7 inputs
//       (use-pressure yes) (use-velocity no) (use-direction no) (use-tilt no)
//       (use-wheel no) (use-random no) (use-fade no)
//       (pressure-curve               only for the inputs used
//           (curve-type smooth) (n-points 17)
//           (points 34 0 0.2 -1 -1 … 1 1)   x y pairs from 0 to 1; -1 -1 is an unused point
//           (n-samples 256) (samples 256 0.2 … 1)))
//   # end of GIMP dynamics file
//
//   # GIMP tool preset file
//   (icon-name "gimp-tool-paintbrush")
//   (name "Pack: 007 Chalk")
//   (tool-options "GimpPaintOptions"
//       (tool "gimp-paintbrush-tool")
//       (paint-mode normal)           GIMP's layer mode by its nickname
//       (opacity 1)                   0 to 1
//       (brush "Chalk") (dynamics "Pack: 007 Chalk")   by the names inside their files
//       (brush-size 40)               pixels, 1 to 10,000
//       (brush-aspect-ratio 0)        -20 to 20, 0 the tip's own
//       (brush-angle 0)               degrees, -180 to 180
//       (brush-spacing 0.25)          of the size, 0.01 to 50
//       (brush-hardness 1)            0 to 1
//       (use-jitter yes) (jitter-amount 1.2)   of the size, 0 to 50
//       (fade-length 400) (fade-unit pixels)   0 to 32,767
//       (use-smoothing yes))
//   (use-fg-bg no) (use-brush yes) (use-dynamics yes) (use-gradient no) …
//   # end of GIMP tool preset file
//
// Where an output has several inputs on, GIMP paints with their average.
class GimpPresetFiles
{
public:
    // GIMP's dynamics inputs, in the order its files list them.
    enum class Input
    {
        Pressure,
        Velocity,
        Direction,
        Tilt,
        Wheel,
        Random,
        Fade,
    };
    static constexpr int kInputs = 7;
    // "pressure", "velocity", …: the word in "use-pressure" and "pressure-curve".
    static const char* inputKey(Input input);

    // What GIMP's dynamics drive, in the order GIMP declares them.
    enum class Output
    {
        Opacity,
        Force,
        Hardness,
        Rate,
        Flow,
        Size,
        AspectRatio,
        Color,
        Angle,
        Jitter,
        Spacing,
    };
    static constexpr int kOutputs = 11;
    // "opacity", "aspect-ratio", …: the word in "opacity-output".
    static const char* outputKey(Output output);

    // A straight response from (0, low) to (1, high), both 0 to 1.
    struct Curve
    {
        double low = 0;
        double high = 1;
        bool operator==(const Curve& other) const { return low == other.low && high == other.high; }
    };

    struct Dynamics
    {
        QString name;
        // Per output, the inputs it uses and their curves.
        std::array<std::map<Input, Curve>, kOutputs> outputs;
        std::map<Input, Curve>& operator[](Output output) { return outputs[size_t(output)]; }
        const std::map<Input, Curve>& operator[](Output output) const
        {
            return outputs[size_t(output)];
        }
    };

    struct ToolPreset
    {
        QString name;
        QString brush;
        QString dynamics;
        QString paintMode = QStringLiteral("normal");
        double opacity = 1;
        double size = 1;
        double aspectRatio = 0;
        double angle = 0;
        double spacing = 0.25; // of the size
        double hardness = 1;
        std::optional<double> jitter;     // of the size, when jitter is on
        std::optional<double> fadeLength; // pixels, when some output fades
        bool smoothing = false;
        bool gradient = false; // the colour output picks from foreground to background
    };

    // GIMP's limits.
    static constexpr double kMaxSize = 10000;
    static constexpr double kMaxJitter = 50;
    static constexpr double kMaxSpacing = 50;
    static constexpr double kMaxFadeLength = 32767;

    static QByteArray writeDynamics(const Dynamics& dynamics);
    static QByteArray writeToolPreset(const ToolPreset& preset);
    // What Kelbrin's files (and GIMP's own, as far as these fields go) hold; none for text that
    // is not GIMP's dynamics or tool preset. A curve comes back as its first and last point.
    static std::optional<Dynamics> readDynamics(const QByteArray& bytes);
    static std::optional<ToolPreset> readToolPreset(const QByteArray& bytes);

    // The dynamics and tool preset for the preset of pack.sources[index], and what became of
    // each of its settings; none for a brush that is no preset.
    struct Plan
    {
        Dynamics dynamics;
        ToolPreset preset;
        std::vector<SettingFate> settings;
    };
    static std::optional<Plan> plan(const BrushPack& pack, size_t index);
};

// Plans the preset of pack.sources[packed.index] as GIMP's dynamics and tool preset, after its
// tip's entry: pushes their entries onto pack.entries and fills packed.presetFileName (the .gtp)
// and packed.settings. Does nothing for a brush that is no preset.
void PlanGimpPreset(BrushPack& pack, PackedBrush& packed);

// The bytes of entry, one of pack's kDynamics or kToolPresets entries.
QByteArray GimpPresetEntryBytes(const BrushPack& pack, const PackEntry& entry);
