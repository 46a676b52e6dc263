#include "brush/PreviewBrush.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;
// A flat bristle tip seen end-on, and a flat erodible tip: height over width.
constexpr double kFlatBristles = 0.42;
constexpr double kFlatErodible = 0.35;

// Photoshop's bristle shapes come as five ends, round (0 to 4) then flat (5 to 9).
enum class BristleEnd
{
    Point,
    Blunt,
    Curve,
    Angle,
    Fan
};

BristleEnd EndOf(int shape)
{
    return BristleEnd(std::clamp(shape, 0, 9) % 5);
}

bool IsFlatBristle(int shape)
{
    return shape >= 5;
}

enum class ErodibleShape
{
    Point,
    Flat,
    Round,
    Square,
    Triangle
};

float HighestOf(const ErodibleTip& tip)
{
    float highest = 0;
    for (float h : tip.heights)
        if (std::isfinite(h) && h > highest)
            highest = h;
    return highest;
}

// A surface worn away entirely has nothing to show, and its shape is drawn instead.
bool HasHeightMap(const ErodibleTip& tip)
{
    return tip.gridSize > 0 && tip.heights.size() == size_t(tip.gridSize) * size_t(tip.gridSize) &&
           HighestOf(tip) > 0;
}

// The box the preview is drawn within, in radii of the tip before it is turned; an ellipse's
// box turns as an ellipse's, a polygon's as its corners'.
struct Outline
{
    double halfWidth = 1;
    double halfHeight = 1;
    bool elliptical = true;
};

Outline OutlineOf(const TipShape& tip)
{
    if (tip.bristle)
        return {1, IsFlatBristle(tip.bristle->shape) ? kFlatBristles : 1, true};
    if (!tip.erodible || tip.erodible->airbrush)
        return {};
    if (HasHeightMap(*tip.erodible))
        return {1, 1, false};
    switch (ErodibleShape(std::clamp(tip.erodible->shape, 0, 4))) {
    case ErodibleShape::Flat:
        return {1, kFlatErodible, false};
    case ErodibleShape::Square:
    case ErodibleShape::Triangle:
        return {1, 1, false};
    default:
        return {};
    }
}

// The turned box, in pixels, for a tip `radius` pixels across half its width.
QSizeF TurnedBox(const Outline& outline, double radius, double angle)
{
    const double theta = angle * kRadiansPerDegree;
    const double c = std::abs(std::cos(theta)), s = std::abs(std::sin(theta));
    const double a = outline.halfWidth * radius, b = outline.halfHeight * radius;
    if (outline.elliptical)
        return {2 * std::hypot(a * c, b * s), 2 * std::hypot(a * s, b * c)};
    return {2 * (a * c + b * s), 2 * (a * s + b * c)};
}

// The size of the preview drawn `radius` pixels across half its width.
QSize PreviewSize(const TipShape& tip, double radius)
{
    const QSizeF box = TurnedBox(OutlineOf(tip), radius, tip.angle);
    const auto side = [](double length) {
        return std::clamp(int(std::ceil(length - 1e-6)), 1, PreviewBrush::kMaxSide);
    };
    return {side(box.width()), side(box.height())};
}

// The same drawing every time, on every machine: mt19937's output is fixed by the standard,
// unlike the distributions built on it.
class Dice
{
public:
    explicit Dice(unsigned seed) : mEngine(seed) {}
    double next() { return double(mEngine() >> 8) / double(1u << 24); } // [0, 1)

private:
    std::mt19937 mEngine;
};

// Maps a pixel of the canvas to the tip before it was mirrored and turned, in radii from its
// centre, y down.
class TipPlace
{
public:
    TipPlace(const TipShape& tip, QSize canvas, double radius)
        : mCx(canvas.width() / 2.0), mCy(canvas.height() / 2.0), mRadius(radius),
          mCos(std::cos(tip.angle * kRadiansPerDegree)),
          mSin(std::sin(tip.angle * kRadiansPerDegree)), mFlipX(tip.flipX), mFlipY(tip.flipY)
    {}
    // The tip turns counter-clockwise on screen, so undoing it turns the pixel clockwise on
    // screen: with y pointing down, that is the textbook rotation by the angle.
    QPointF at(int x, int y) const
    {
        const double px = (x + 0.5 - mCx) / mRadius, py = (y + 0.5 - mCy) / mRadius;
        double qx = px * mCos - py * mSin;
        double qy = px * mSin + py * mCos;
        return {mFlipX ? -qx : qx, mFlipY ? -qy : qy};
    }
    double radius() const { return mRadius; }
    // Puts a painter in the tip's own frame, one unit a pixel, centre at the origin.
    void frame(QPainter& painter, const TipShape& tip) const
    {
        painter.translate(mCx, mCy);
        painter.rotate(-tip.angle);
        painter.scale(tip.flipX ? -1 : 1, tip.flipY ? -1 : 1);
    }

private:
    double mCx, mCy, mRadius, mCos, mSin;
    bool mFlipX, mFlipY;
};

// Grey from ink: 0 paper, 1 full black.
uchar Grey(double ink)
{
    return uchar(std::lround(255.0 * (1.0 - std::clamp(ink, 0.0, 1.0))));
}

template <typename InkAt> void FillPixels(QImage& canvas, const TipPlace& place, InkAt inkAt)
{
    for (int y = 0; y < canvas.height(); ++y) {
        uchar* row = canvas.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x)
            row[x] = Grey(inkAt(place.at(x, y)));
    }
}

// Ink `inside` radii within an outline (negative outside), fading in over `soft` radii; a
// hard edge (soft one pixel) shades the pixel it crosses by how much of it is inside.
double EdgeInk(double inside, double soft, double pixel)
{
    return std::clamp((inside + pixel / 2) / soft, 0.0, 1.0);
}

// A bristle tip seen from below: a cluster of bristle ends. Where they sit and how dark each is
// (a shorter bristle touches the paper less) tell the five ends apart; flat tips squash it.
void DrawBristles(QImage& canvas, const TipPlace& place, const TipShape& tip)
{
    const BristleTip& bristle = *tip.bristle;
    const double R = place.radius();
    const double density = std::clamp(bristle.bristles / 100.0, 0.0, 1.0);
    const double thickness = std::clamp(bristle.thickness / 100.0, 0.0, 2.0);
    const int count = int(std::lround(12 + 188 * density));
    // A hair-thin bristle on a small tip still shows as a speck.
    const double dot = std::max(0.6, R * (0.035 + 0.075 * thickness));
    const bool flat = IsFlatBristle(bristle.shape);
    // How far from the middle a bristle's middle may sit, across and along the outline.
    const double reachX = std::max(0.0, R - dot);
    const double reachY = std::max(0.0, R * (flat ? kFlatBristles : 1.0) - dot);
    const BristleEnd end = EndOf(bristle.shape);

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    place.frame(painter, tip);
    Dice dice(0x6b656c62u + unsigned(bristle.shape));
    const double goldenAngle = 2.399963229728653;
    for (int i = 0; i < count; ++i) {
        // A sunflower spiral spreads the ends evenly over the disc; the dice keep it from
        // looking machined.
        double rho = std::sqrt((i + 0.5) / count) + (dice.next() - 0.5) * 0.08;
        const double phi = i * goldenAngle + (dice.next() - 0.5) * 0.3;
        rho = std::clamp(rho, 0.0, 1.0);
        double x = 0, y = 0, ink = 1;
        switch (end) {
        case BristleEnd::Point: // gathered to the middle, the outer ends short
            rho = std::pow(rho, 1.6);
            ink = 1 - 0.6 * rho;
            break;
        case BristleEnd::Blunt: // all cut level
            break;
        case BristleEnd::Curve: // rounded off towards the edge
            ink = 1 - 0.55 * rho * rho;
            break;
        case BristleEnd::Angle: // cut on a slant: long on one side, short on the other
            ink = 0.25 + 0.75 * (0.5 + 0.5 * rho * std::cos(phi));
            break;
        case BristleEnd::Fan: // spread out along an arc
            break;
        }
        if (end == BristleEnd::Fan) {
            const double along = (i + dice.next()) / count * 2 - 1; // -1 .. 1 across the fan
            const double r = 1 - (flat ? 0.12 : 0.3) * dice.next();
            const double psi = along * 1.15;
            x = r * std::sin(psi);
            // The arc is lifted so that it sits in the middle of the outline.
            y = 0.6 - r * std::cos(psi);
            ink = 0.55 + 0.45 * (1 - std::abs(along));
        } else {
            x = rho * std::cos(phi);
            y = rho * std::sin(phi);
        }
        painter.setBrush(QColor(0, 0, 0, int(std::lround(230 * std::clamp(ink, 0.0, 1.0)))));
        painter.drawEllipse(QPointF(x * reachX, y * reachY), dot, dot);
    }
}

// Catmull-Rom weights of the four grid values around a point `t` past the second of them.
std::array<double, 4> CubicWeights(double t)
{
    const double t2 = t * t, t3 = t2 * t;
    return {(-t3 + 2 * t2 - t) / 2, (3 * t3 - 5 * t2 + 2) / 2, (-3 * t3 + 4 * t2 + t) / 2,
            (t3 - t2) / 2};
}

// The worn surface the file stores, enlarged smoothly to the tip. The heights run from 0
// (worn away, no contact) up; the highest part of the surface is what meets the paper first,
// so it prints darkest: a new square charcoal is flat (every height 1) and prints solid, a
// pencil is a cone and prints a point fading out to its corners.
void DrawHeightMap(QImage& canvas, const TipPlace& place, const ErodibleTip& tip)
{
    const int n = tip.gridSize;
    const float highest = HighestOf(tip);
    auto height = [&](int gx, int gy) {
        const float h = tip.heights[size_t(gy) * size_t(n) + size_t(gx)];
        return std::isfinite(h) && h > 0 ? double(h) / highest : 0.0;
    };
    const double pixel = 1.0 / place.radius();
    FillPixels(canvas, place, [&](QPointF q) {
        const double inside = 1 - std::max(std::abs(q.x()), std::abs(q.y()));
        if (inside <= -pixel)
            return 0.0;
        // Grid values stand at the middle of their cells. A few cells make a whole tip, so
        // they are joined by cubic curves: straight lines would show the grid as facets.
        const double gx = std::clamp((q.x() + 1) / 2 * n - 0.5, 0.0, n - 1.0);
        const double gy = std::clamp((q.y() + 1) / 2 * n - 0.5, 0.0, n - 1.0);
        const int x0 = std::min(int(gx), n - 1), y0 = std::min(int(gy), n - 1);
        const std::array<double, 4> wx = CubicWeights(gx - x0), wy = CubicWeights(gy - y0);
        double sum = 0;
        for (int j = 0; j < 4; ++j) {
            const int cy = std::clamp(y0 - 1 + j, 0, n - 1);
            double across = 0;
            for (int i = 0; i < 4; ++i)
                across += wx[i] * height(std::clamp(x0 - 1 + i, 0, n - 1), cy);
            sum += wy[j] * across;
        }
        return std::clamp(sum, 0.0, 1.0) * EdgeInk(inside, pixel, pixel);
    });
}

// How far a point is inside an erodible shape, in radii; negative outside.
double InsideErodible(ErodibleShape shape, QPointF q)
{
    const double x = q.x(), y = q.y();
    switch (shape) {
    case ErodibleShape::Flat:
        return std::min(1 - std::abs(x), kFlatErodible - std::abs(y));
    case ErodibleShape::Square:
        return 1 - std::max(std::abs(x), std::abs(y));
    case ErodibleShape::Triangle: {
        // Point up, base along the bottom of the box.
        const std::array<QPointF, 3> corner = {QPointF(0, -1), QPointF(1, 1), QPointF(-1, 1)};
        double inside = 1e9;
        for (int i = 0; i < 3; ++i) {
            const QPointF a = corner[i], b = corner[(i + 1) % 3];
            const double ex = b.x() - a.x(), ey = b.y() - a.y();
            inside = std::min(inside, (ex * (y - a.y()) - ey * (x - a.x())) / std::hypot(ex, ey));
        }
        return inside;
    }
    default:
        return 1 - std::hypot(x, y);
    }
}

// An erodible tip not yet worn: its shape, its edge as soft as its softness. A point is soft
// whatever its softness, as a sharpened tip touches with its middle first.
void DrawErodibleShape(QImage& canvas, const TipPlace& place, const ErodibleTip& tip)
{
    const auto shape = ErodibleShape(std::clamp(tip.shape, 0, 4));
    const double pixel = 1.0 / place.radius();
    double soft = std::max(pixel, std::clamp(tip.softness, 0.0, 100.0) / 100.0);
    if (shape == ErodibleShape::Point)
        soft = std::max(soft, 0.7);
    FillPixels(canvas, place,
               [&](QPointF q) { return EdgeInk(InsideErodible(shape, q), soft, pixel); });
}

// A cheap, fixed noise in [0, 1) for a pixel.
double Speckle(unsigned x, unsigned y)
{
    unsigned h = x * 0x8da6b343u ^ y * 0xd8163841u ^ 0x9e3779b9u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    return double(h >> 8) / double(1u << 24);
}

// An airbrush: a soft disc of spray, grainy as its granularity, with drops spattered about it.
void DrawAirbrush(QImage& canvas, const TipPlace& place, const TipShape& tip)
{
    const ErodibleTip& air = *tip.erodible;
    const double pixel = 1.0 / place.radius();
    // Spray never ends sharp, whatever the tip's hardness.
    const double soft = std::max({pixel, std::clamp(air.softness, 0.0, 100.0) / 100.0, 0.15});
    const double grain = std::clamp(air.granularity / 100.0, 0.0, 1.0);
    for (int y = 0; y < canvas.height(); ++y) {
        uchar* row = canvas.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x) {
            const QPointF q = place.at(x, y);
            // Thickest in the middle of the spray.
            const double r = std::hypot(q.x(), q.y());
            double ink = 0.85 * (1 - 0.5 * r * r) * EdgeInk(1 - r, soft, pixel);
            if (grain > 0)
                ink *= 1 - grain * Speckle(unsigned(x), unsigned(y));
            row[x] = Grey(ink);
        }
    }

    const int drops = int(std::clamp(air.spatterAmount, 0.0, 400.0));
    if (drops == 0)
        return;
    const double R = place.radius();
    const double drop =
        std::max(0.5, R * (0.01 + 0.03 * std::clamp(air.spatterSize, 0.0, 100.0) / 100));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    place.frame(painter, tip);
    Dice dice(0x61697262u);
    for (int i = 0; i < drops; ++i) {
        // Drops land thicker towards the rim, where the spray thins out.
        const double rho = std::sqrt(0.3 + 0.7 * dice.next()) * std::max(0.0, R - drop);
        const double phi = dice.next() * 6.283185307179586;
        painter.setBrush(QColor(0, 0, 0, 120 + int(dice.next() * 120)));
        painter.drawEllipse(QPointF(rho * std::cos(phi), rho * std::sin(phi)), drop, drop);
    }
}
} // namespace

PreviewBrush::PreviewBrush(std::optional<QString> name, TipShape tip)
    : Brush(std::move(name)), mTip(std::move(tip))
{
    if (!std::isfinite(mTip.angle))
        mTip.angle = 0;
    // A tip without a usable size still shows, one pixel across.
    const double diameter =
        std::isfinite(mTip.diameter) && mTip.diameter >= 1 ? mTip.diameter : 1.0;
    mRadius = diameter / 2;
    const QSizeF box = TurnedBox(OutlineOf(mTip), mRadius, mTip.angle);
    const double longest = std::max(box.width(), box.height());
    if (longest > kMaxSide)
        mScale = kMaxSide / longest;
    mSize = PreviewSize(mTip, mRadius * mScale);
}

QImage PreviewBrush::image() const
{
    return draw(mScale);
}

QImage PreviewBrush::thumbnail(int side) const
{
    if (side <= 0)
        return QImage();
    const int longest = std::max(mSize.width(), mSize.height());
    if (longest <= side)
        return image();
    // Drawn at the cell's size: a large tip is never drawn whole only to be shrunk.
    QImage small = draw(mScale * side / longest);
    if (small.width() > side || small.height() > side)
        small = small.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return small;
}

QImage PreviewBrush::draw(double scale) const
{
    const double radius = mRadius * scale;
    const QSize size = PreviewSize(mTip, radius);
    QImage canvas(size, QImage::Format_Grayscale8);
    if (canvas.isNull())
        return canvas;
    canvas.fill(Qt::white);
    const TipPlace place(mTip, size, radius);
    if (mTip.bristle)
        DrawBristles(canvas, place, mTip);
    else if (mTip.erodible && mTip.erodible->airbrush)
        DrawAirbrush(canvas, place, mTip);
    else if (mTip.erodible && HasHeightMap(*mTip.erodible))
        DrawHeightMap(canvas, place, *mTip.erodible);
    else if (mTip.erodible)
        DrawErodibleShape(canvas, place, *mTip.erodible);
    else
        FillPixels(canvas, place, [&](QPointF q) {
            return EdgeInk(1 - std::hypot(q.x(), q.y()), 1 / radius, 1 / radius);
        });
    return canvas;
}
