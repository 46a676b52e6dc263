#include "engine/BrushEngine.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

// A STUB: stamps the tip at 25 % spacing with pressure on size. The engine proper replaces it.

struct StrokePainter::State
{
    BrushPtr brush;
    StrokeOptions options;
    QImage* canvas = nullptr;
    std::optional<StrokePoint> last;
    double carried = 0;
};

namespace {
QImage Tip(const Brush& brush, double size)
{
    return brush.thumbnail(std::max(1, int(std::ceil(size))));
}

QRect Stamp(QImage* canvas, const QImage& tip, const StrokePoint& at, double size, QColor ink)
{
    if (tip.isNull() || size < 0.5)
        return {};
    QImage alpha = tip.convertToFormat(QImage::Format_Grayscale8);
    alpha.invertPixels();
    QImage dab(alpha.size(), QImage::Format_ARGB32_Premultiplied);
    dab.fill(ink);
    QPainter mask(&dab);
    mask.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    mask.drawImage(0, 0, alpha.convertToFormat(QImage::Format_Alpha8));
    mask.end();
    const double scale = size / std::max(tip.width(), tip.height());
    const QRectF target(at.x - tip.width() * scale / 2, at.y - tip.height() * scale / 2,
                        tip.width() * scale, tip.height() * scale);
    QPainter painter(canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, dab);
    return target.toAlignedRect();
}
} // namespace

StrokeResult PaintStroke(const Brush& brush, const StrokePath& path, QSize canvas,
                         const StrokeOptions& options, QColor paper)
{
    StrokeResult result;
    result.image = QImage(canvas, QImage::Format_ARGB32_Premultiplied);
    result.image.fill(paper);
    StrokePainter painter(BrushPtr(&brush, [](const Brush*) {}), options);
    painter.begin(&result.image);
    for (const StrokePoint& point : path) {
        if (options.cancel && options.cancel->load()) {
            result.cancelled = true;
            break;
        }
        painter.addPoint(point);
    }
    painter.end();
    return result;
}

StrokePainter::StrokePainter(BrushPtr brush, StrokeOptions options)
    : mState(std::make_unique<State>())
{
    mState->brush = std::move(brush);
    mState->options = std::move(options);
}

StrokePainter::~StrokePainter() = default;

void StrokePainter::begin(QImage* canvas)
{
    mState->canvas = canvas;
    mState->last.reset();
    mState->carried = 0;
}

QRect StrokePainter::addPoint(const StrokePoint& point)
{
    State& s = *mState;
    const double diameter = s.options.size > 0  ? s.options.size
                            : s.brush->preset() ? s.brush->preset()->tip.diameter
                                                : s.brush->pixelSize().width();
    const double size = diameter * point.pressure;
    const double step = std::max(1.0, diameter * 0.25);
    const QImage tip = Tip(*s.brush, diameter);
    QRect dirty;
    if (!s.last) {
        dirty |= Stamp(s.canvas, tip, point, size, s.options.foreground);
    } else {
        const double dx = point.x - s.last->x, dy = point.y - s.last->y;
        const double length = std::hypot(dx, dy);
        double along = step - s.carried;
        for (; along <= length; along += step) {
            StrokePoint at = point;
            at.x = s.last->x + dx * along / length;
            at.y = s.last->y + dy * along / length;
            dirty |= Stamp(s.canvas, tip, at, size, s.options.foreground);
        }
        s.carried = length - (along - step);
    }
    s.last = point;
    return dirty;
}

QRect StrokePainter::end()
{
    mState->last.reset();
    return {};
}
