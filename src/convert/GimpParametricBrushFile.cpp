#include "convert/GimpParametricBrushFile.h"

#include "platform/ValidName.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
constexpr char kParametricMagic[] = "GIMP-VBR";
constexpr int kMaxNameBytes = 255;

// GIMP's soft edge falls off along a curve of its own that ends at the radius, while Kelbrin's
// runs in straight pieces out past the diameter. For each hardness from 0 to 100 % in steps of
// 5, the radius (in halves of the diameter) and GIMP hardness whose mask, as GIMP 2.10 draws
// it, lies closest to Kelbrin's drawing along a line through the centre: within 17 grey levels
// for the softest tips, 27 for the middle ones, 35 at 90 % and 68 at 95 %, where GIMP's curve
// cannot turn as sharply. With the diameter as the radius, they lay up to 220 levels apart.
struct SoftEdge
{
    double radius;
    double hardness;
};
constexpr SoftEdge kSoftEdges[] = {
    {1.94, 0.34}, {1.90, 0.38}, {1.80, 0.45}, {1.66, 0.53}, {1.57, 0.59}, {1.48, 0.65},
    {1.43, 0.69}, {1.37, 0.73}, {1.34, 0.76}, {1.30, 0.79}, {1.29, 0.81}, {1.24, 0.84},
    {1.22, 0.86}, {1.19, 0.88}, {1.16, 0.90}, {1.13, 0.92}, {1.12, 0.93}, {1.07, 0.96},
    {1.10, 0.95}, {1.09, 0.95}, {1.00, 1.00}};
constexpr int kSoftEdgeSteps = int(std::size(kSoftEdges)) - 1;

double Bounded(double value, double low, double high, double otherwise)
{
    return std::isfinite(value) ? std::clamp(value, low, high) : otherwise;
}

// An ellipse turned half a turn is the same ellipse; GIMP keeps angles within one half turn.
double HalfTurn(double degrees)
{
    const double angle = std::fmod(std::isfinite(degrees) ? degrees : 0.0, 180.0);
    return angle < 0 ? angle + 180.0 : angle;
}

QByteArray Number(double value)
{
    // QByteArray formats in the C locale, never the user's.
    return QByteArray::number(value, 'f', 6);
}

// At most GIMP's 255 bytes, cut between characters; ValidName leaves no line break.
QByteArray OneLineName(const QString& name)
{
    return ValidName(name, kMaxNameBytes).toUtf8();
}
} // namespace

QByteArray GimpParametricBrushFile::write(const Parameters& parameters)
{
    const Parameters defaults;
    QByteArray text;
    for (const QByteArray& line :
         {QByteArray(kParametricMagic), QByteArray("1.5"), OneLineName(parameters.name),
          QByteArray("circle"), Number(Bounded(parameters.spacing, 1, 1000, defaults.spacing)),
          Number(Bounded(parameters.radius, 0.1, kMaxRadius, defaults.radius)), QByteArray("2"),
          Number(Bounded(parameters.hardness, 0, 1, defaults.hardness)),
          Number(Bounded(parameters.aspectRatio, 1, kMaxAspectRatio, defaults.aspectRatio)),
          Number(HalfTurn(parameters.angle))})
        text += line + '\n';
    return text;
}

std::optional<GimpParametricBrushFile::Parameters>
GimpParametricBrushFile::read(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2 || lines[0] != kParametricMagic)
        return std::nullopt;
    const bool shaped = lines[1] == "1.5";
    if (!(shaped ? lines.size() == 10 && lines[3] == "circle"
                 : lines[1] == "1.0" && lines.size() == 8))
        return std::nullopt;
    if (shaped)
        for (int line : {6, 3}) // spikes, then the shape
            lines.removeAt(line);
    double numbers[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        numbers[i] = lines[3 + i].trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(numbers[i]))
            return std::nullopt;
    }
    return Parameters{
        QString::fromUtf8(lines[2]), numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]};
}

namespace {
SoftEdge SoftEdgeAt(double hardnessInPercent)
{
    const double step = hardnessInPercent / 100.0 * kSoftEdgeSteps;
    const int below = std::min(int(step), kSoftEdgeSteps - 1);
    const double f = step - below;
    const SoftEdge& a = kSoftEdges[below];
    const SoftEdge& b = kSoftEdges[below + 1];
    return {a.radius + f * (b.radius - a.radius), a.hardness + f * (b.hardness - a.hardness)};
}
} // namespace

GimpParametricBrushFile::Parameters
GimpParametricBrushFile::fromComputed(const QString& name, const ComputedBrush::Parameters& tip,
                                      double spacing, QStringList* changes)
{
    const SoftEdge edge = SoftEdgeAt(Bounded(tip.hardnessInPercent, 0, 100, 100));

    // Kelbrin squashes the short axis to the roundness, but never below one pixel.
    const double diameter = Bounded(tip.diameter, 0, 1e9, 0);
    const double roundness = Bounded(tip.roundnessInPercent, 0, 100, 100) / 100.0;
    const double aspect = diameter > 0 ? 1.0 / std::max(roundness, 1.0 / diameter) : 1.0;

    Parameters parameters;
    parameters.name = name;
    parameters.radius = diameter / 2.0 * edge.radius;
    parameters.hardness = edge.hardness;
    parameters.aspectRatio = std::min(aspect, kMaxAspectRatio);
    // Both turn counter-clockwise as seen on screen.
    parameters.angle = HalfTurn(tip.angleInDegrees);
    // GIMP spaces dabs by its long axis, which a soft edge has made longer than the diameter:
    // the percent shrinks with it, so that the dabs land as many pixels apart as the preset's.
    parameters.spacing = Bounded(spacing, 1, 1000, 25) / edge.radius;
    if (changes) {
        if (parameters.hardness < 1)
            *changes << QStringLiteral(
                QT_TRANSLATE_NOOP("PackReport", "soft edge painted by GIMP's own curve"));
        if (aspect > kMaxAspectRatio)
            *changes << QStringLiteral(
                QT_TRANSLATE_NOOP("PackReport", "roundness raised to GIMP's 5 %"));
        if (parameters.radius > kMaxRadius)
            *changes << QStringLiteral(
                QT_TRANSLATE_NOOP("PackReport", "reduced to GIMP's largest radius, 4,000 pixels"));
    }
    return parameters;
}

ComputedBrush::Parameters GimpParametricBrushFile::toComputed(const Parameters& parameters)
{
    // The table's hardness does not rise at every step, so the closest step is searched for
    // rather than solved; the first of equals wins, as fromComputed would have written it.
    double hardnessInPercent = 100;
    double closest = 2;
    for (int percent = 0; percent <= 100; ++percent) {
        const double distance =
            std::abs(SoftEdgeAt(percent).hardness - Bounded(parameters.hardness, 0, 1, 1));
        if (distance < closest - 1e-9) {
            closest = distance;
            hardnessInPercent = percent;
        }
    }
    ComputedBrush::Parameters tip;
    tip.hardnessInPercent = hardnessInPercent;
    tip.diameter =
        2.0 * Bounded(parameters.radius, 0, kMaxRadius, 0) / SoftEdgeAt(hardnessInPercent).radius;
    tip.roundnessInPercent = 100.0 / Bounded(parameters.aspectRatio, 1, kMaxAspectRatio, 1);
    tip.angleInDegrees = HalfTurn(parameters.angle);
    return tip;
}
