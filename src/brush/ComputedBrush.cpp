#include "brush/ComputedBrush.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {
// Photoshop tips stop at 5,000 pixels; anything drawn larger than this is a damaged or hostile
// file, and drawing it would take gigabytes.
constexpr double kMaxTipSide = 8192.0;

struct EdgeProfile
{
    double a; // end of the solid core
    double m; // where the ink has fallen to one half
    double k; // side of the drawing square, in diameters
};

EdgeProfile ProfileForHardness(double h)
{
    const double a = ((0.48 * h - 1.28) * h + 1.8) * h;
    const double b = (-0.41 * h + 0.86) * h + 0.55;
    const double m = std::max(a, b);
    const double c = (1.0 - h) * 0.6 + 1.0;
    return {a, m, std::max(m, c)};
}

// The opacity runs through the stops (t, opacity) where t = (d + 1) / (R + 1) for a point at
// distance d from the centre: a gradient from radius -1 out to R. Qt's radial gradient starts
// at radius 0, so the same straight pieces are re-expressed in Qt's position d / R; a stop that
// falls inside radius 0 is replaced by the value the pieces take at the centre.
QGradientStops SoftEdgeStops(const EdgeProfile& profile, double R)
{
    const float tStops[4] = {0.0f, float(profile.a / profile.k), float(profile.m / profile.k),
                             1.0f};
    const double opacity[4] = {1.0, 1.0, 0.5, 0.0};

    auto opacityAtT = [&](double t) {
        for (int i = 1; i < 4; ++i) {
            if (t <= tStops[i]) {
                const double span = tStops[i] - tStops[i - 1];
                if (span <= 0)
                    return opacity[i];
                const double f = (t - tStops[i - 1]) / span;
                return opacity[i - 1] + f * (opacity[i] - opacity[i - 1]);
            }
        }
        return opacity[3];
    };
    auto ink = [](double alpha) { return QColor::fromRgbF(0, 0, 0, float(alpha)); };

    QGradientStops stops;
    stops.append({0.0, ink(opacityAtT(1.0 / (R + 1.0)))});
    for (int i = 0; i < 4; ++i) {
        const double position = (tStops[i] * (R + 1.0) - 1.0) / R;
        if (position > 0.0)
            stops.append({std::min(position, 1.0), ink(opacity[i])});
    }
    return stops;
}
} // namespace

void EllipseBounds(double size, double angleInDegrees, double ratio, float* width, float* height)
{
    const double theta = angleInDegrees * 0.017453292519943295;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double w = std::ceil(std::sqrt((s * ratio) * (s * ratio) + c * c) * size - 1e-9);
    const double h = std::ceil(std::sqrt((ratio * c) * (ratio * c) + s * s) * size - 1e-9);
    *width = std::max(static_cast<float>(w), 1.0f);
    *height = std::max(static_cast<float>(h), 1.0f);
}

ComputedBrush::ComputedBrush(std::optional<QString> name, double diameter,
                             double roundnessInPercent, double angleInDegrees,
                             double hardnessInPercent)
    : Brush(std::move(name))
{
    makeImage(diameter, roundnessInPercent, angleInDegrees, hardnessInPercent);
}

std::shared_ptr<ComputedBrush> ComputedBrush::brushWithName(std::optional<QString> name,
                                                            double diameter,
                                                            double roundnessInPercent,
                                                            double angleInDegrees,
                                                            double hardnessInPercent)
{
    return std::make_shared<ComputedBrush>(std::move(name), diameter, roundnessInPercent,
                                           angleInDegrees, hardnessInPercent);
}

void ComputedBrush::makeImage(double diameter, double roundnessInPercent, double angleInDegrees,
                              double hardnessInPercent)
{
    if (!(roundnessInPercent >= 0 && roundnessInPercent <= 100 && angleInDegrees <= 360 &&
          hardnessInPercent >= 0 && hardnessInPercent <= 100))
        return;
    // Not guarded by the format; a tip without extent has nothing to draw.
    if (!(diameter > 0) || !std::isfinite(angleInDegrees))
        return;

    double r = roundnessInPercent / 100.0;
    const double h = hardnessInPercent / 100.0;
    if (r * diameter < 1.0)
        r = 1.0 / diameter;

    const EdgeProfile profile = ProfileForHardness(h);
    const double S = static_cast<float>(diameter * profile.k);
    if (S > kMaxTipSide)
        return;

    // The round tip, unsquashed and unrotated, on a transparent square. Only its coverage
    // matters (the ink is always black), so one byte a pixel holds it: alpha for the soft tip;
    // grey for the hard one, which is opaque.
    const int side = std::max(1, static_cast<int>(std::ceil(S)));
    QImage tip(side, side, h >= 1.0 ? QImage::Format_Grayscale8 : QImage::Format_Alpha8);
    if (tip.isNull())
        return;
    tip.fill(h >= 1.0 ? Qt::white : Qt::transparent);
    {
        QPainter painter(&tip);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QRectF square(0, 0, S, S);
        if (h >= 1.0) {
            painter.fillRect(square, Qt::white);
            painter.setBrush(Qt::black);
            painter.drawEllipse(square);
        } else {
            const double R = S / 2.0;
            QRadialGradient gradient(QPointF(R, R), R);
            gradient.setStops(SoftEdgeStops(profile, R));
            painter.fillRect(square, gradient);
        }
    }

    // Squash to the roundness, then rotate counter-clockwise as seen on screen (Qt's y axis
    // points down, so the angle changes sign).
    QTransform T;
    T.rotate(-angleInDegrees);
    T.scale(1.0, r);

    float W = 0, H = 0;
    EllipseBounds(S, angleInDegrees, r, &W, &H);

    const QPointF p = T.map(QPointF(S / 2.0, S / 2.0));
    const QPointF q = T.inverted().map(QPointF(W / 2.0 - p.x(), H / 2.0 - p.y()));

    QImage canvas(static_cast<int>(W), static_cast<int>(H), QImage::Format_Grayscale8);
    if (canvas.isNull())
        return;
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.setTransform(T);
        painter.drawImage(QRectF(q, QSizeF(S, S)), tip, QRectF(0, 0, S, S));
    }
    mImage = canvas;
}
