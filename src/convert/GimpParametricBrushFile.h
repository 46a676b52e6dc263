#pragma once

#include "brush/ComputedBrush.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// GIMP's parametric brush (.vbr) in the shaped form GIMP 2.10 loads: text, one field a line,
// numbers with '.' as the decimal separator whatever the locale.
//
//   line  field
//   1     magic "GIMP-VBR"
//   2     version "1.5" (1.0 files lack lines 4 and 7)
//   3     name, UTF-8, at most 255 bytes
//   4     shape: "circle" (GIMP also knows "square" and "diamond")
//   5     spacing, percent of the long axis (twice the radius), 1 to 1000
//   6     radius in pixels, 0.1 to 4000: half the long axis
//   7     spikes, an integer, 2 for a circle
//   8     hardness, 0 to 1
//   9     aspect ratio, 1 to 20: the long axis over the short one
//   10    angle of the long axis, degrees counter-clockwise, 0 to 180
class GimpParametricBrushFile
{
public:
    // GIMP's limits for the fields that can go past them.
    static constexpr double kMaxRadius = 4000;
    static constexpr double kMaxAspectRatio = 20;

    struct Parameters
    {
        QString name;
        double spacing = 25;
        double radius = 5;
        double hardness = 1;
        double aspectRatio = 1;
        double angle = 0;
    };

    // The file's text, every number brought into GIMP's range and the name onto one line.
    static QByteArray write(const Parameters& parameters);
    // What a circle of version 1.5 or a brush of version 1.0 holds; none for another shape or
    // anything that is no parametric brush.
    static std::optional<Parameters> read(const QByteArray& bytes);

    // The GIMP brush that paints most like Kelbrin's drawing of the computed tip, its dabs
    // spacing percent of the tip's diameter apart. Where GIMP cannot paint it as Kelbrin draws
    // it, changes says so in words.
    static Parameters fromComputed(const QString& name, const ComputedBrush::Parameters& tip,
                                   double spacing, QStringList* changes = nullptr);
    // The computed tip that fromComputed would have turned into these parameters, for showing
    // a GIMP brush as Kelbrin draws tips: what fromComputed wrote within GIMP's limits comes
    // back with its hardness to the nearest percent.
    static ComputedBrush::Parameters toComputed(const Parameters& parameters);
};
