#include "engine/StrokePath.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {
constexpr int kPathPoints = 256;
}

StrokePath SCurvePath(QSizeF area)
{
    StrokePath path;
    const double margin = std::min(area.width(), area.height()) * 0.15;
    const double width = area.width() - 2 * margin;
    const double height = area.height() - 2 * margin;
    for (int i = 0; i <= kPathPoints; ++i) {
        const double t = double(i) / kPathPoints;
        StrokePoint point;
        point.x = margin + t * width;
        // One full wave: down, up and back, as Photoshop's preview stroke goes.
        point.y = margin + height * (0.5 - 0.5 * std::sin(t * 2 * M_PI));
        point.pressure = std::sin(t * M_PI);
        path.push_back(point);
    }
    return path;
}

StrokePath LinePath(QSizeF area)
{
    StrokePath path;
    const double margin = std::min(area.width(), area.height()) * 0.15;
    for (int i = 0; i <= kPathPoints; ++i) {
        StrokePoint point;
        point.x = margin + (area.width() - 2 * margin) * i / kPathPoints;
        point.y = area.height() / 2;
        path.push_back(point);
    }
    return path;
}

std::optional<StrokePath> StrokePathFromJson(const QByteArray& json, QString* error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error =
            QStringLiteral("not JSON: %1 at byte %2").arg(parse.errorString()).arg(parse.offset);
        return std::nullopt;
    }
    if (!document.isArray()) {
        *error = QStringLiteral("not an array of points");
        return std::nullopt;
    }
    StrokePath path;
    const QJsonArray points = document.array();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QJsonObject object = points.at(i).toObject();
        auto number = [&](const char* key, double absent, double* value) {
            const QJsonValue member = object.value(QLatin1String(key));
            if (member.isUndefined()) {
                *value = absent;
                return true;
            }
            if (!member.isDouble() || !std::isfinite(member.toDouble())) {
                *error = QStringLiteral("point %1: \"%2\" is not a number").arg(i).arg(key);
                return false;
            }
            *value = member.toDouble();
            return true;
        };
        if (!points.at(i).isObject()) {
            *error = QStringLiteral("point %1 is not an object").arg(i);
            return std::nullopt;
        }
        StrokePoint point;
        if (!object.contains(QLatin1String("x")) || !object.contains(QLatin1String("y"))) {
            *error = QStringLiteral("point %1 has no \"x\" and \"y\"").arg(i);
            return std::nullopt;
        }
        if (!number("x", 0, &point.x) || !number("y", 0, &point.y) ||
            !number("pressure", 1, &point.pressure) || !number("tilt_x", 0, &point.tiltX) ||
            !number("tilt_y", 0, &point.tiltY) || !number("rotation", 0, &point.rotation))
            return std::nullopt;
        if (point.pressure < 0 || point.pressure > 1) {
            *error = QStringLiteral("point %1: \"pressure\" is not between 0 and 1").arg(i);
            return std::nullopt;
        }
        path.push_back(point);
    }
    return path;
}
