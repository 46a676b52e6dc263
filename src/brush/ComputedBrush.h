#pragma once

#include "brush/Brush.h"

// A parametric brush tip: an ellipse with a soft or hard edge, drawn once when made.
class ComputedBrush : public Brush
{
public:
    ComputedBrush(std::optional<QString> name, double diameter, double roundnessInPercent,
                  double angleInDegrees, double hardnessInPercent);

    static std::shared_ptr<ComputedBrush> brushWithName(std::optional<QString> name,
                                                        double diameter, double roundnessInPercent,
                                                        double angleInDegrees,
                                                        double hardnessInPercent);

    bool isComputed() const override { return true; }

private:
    void makeImage(double diameter, double roundnessInPercent, double angleInDegrees,
                   double hardnessInPercent);
};

// The bounding box of an ellipse with axes size (x) and size * ratio (y), rotated by the angle,
// rounded up to whole pixels and at least 1 x 1.
void EllipseBounds(double size, double angleInDegrees, double ratio, float* width, float* height);
