#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

// One input point of a stroke, as a pen or a mouse gives it: pixels of the canvas, pressure
// from 0 to 1, tilts and rotation in degrees.
struct StrokePoint
{
    double x = 0;
    double y = 0;
    double pressure = 1;
    double tiltX = 0;
    double tiltY = 0;
    double rotation = 0;
};

using StrokePath = std::vector<StrokePoint>;

// The S-shaped path of a stroke preview across `area`, its pressure rising from 0 to 1 and
// falling back, with points close enough for any spacing.
StrokePath SCurvePath(QSizeF area);
// A straight line across the middle of `area` at pressure 1.
StrokePath LinePath(QSizeF area);
// A JSON array of {"x", "y", "pressure", "tilt_x", "tilt_y", "rotation"}; a member left out
// means pressure 1, no tilt, no rotation. Absent, with `error` said in words, for anything else.
std::optional<StrokePath> StrokePathFromJson(const QByteArray& json, QString* error);
