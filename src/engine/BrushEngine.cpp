#include "engine/BrushEngine.h"

#include "engine/CStrokeRenderer.h"

#include <QRegion>
#include <cmath>

namespace {
// The canvas in a form the renderer composites onto directly.
void MakeCompositable(QImage* canvas)
{
    if (canvas->format() != QImage::Format_ARGB32_Premultiplied &&
        canvas->format() != QImage::Format_RGB32)
        *canvas = canvas->convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Composites what the last point's dabs touched. Four dabs of a 300 px tip scattered at 120 %
// span a box of some 1,000 px square, ten times their own area; their region costs a tenth of
// it. Pixels outside every dab's box have the same mask as before, so the canvas comes out the
// same either way. Past a few dozen boxes the region's own bookkeeping costs more than it saves.
void CompositeTouched(const CStrokeRenderer& renderer, const QImage& base, QImage* canvas,
                      const QRect& dirty)
{
    const std::vector<QRect>& boxes = renderer.lastDabBoxes();
    if (boxes.size() < 2 || boxes.size() > 48) {
        renderer.composite(base, canvas, dirty);
        return;
    }
    QRegion touched;
    for (const QRect& box : boxes)
        touched += box;
    for (const QRect& rect : touched)
        renderer.composite(base, canvas, rect);
}
} // namespace

StrokeResult PaintStroke(const Brush& brush, const StrokePath& path, QSize canvas,
                         const StrokeOptions& options, QColor paper)
{
    StrokeResult result;
    result.image = QImage(canvas, QImage::Format_ARGB32_Premultiplied);
    result.image.fill(paper);
    if (canvas.isEmpty())
        return result;
    CStrokeRenderer renderer(brush, options, canvas);
    // Knowing the whole path, spread the dabs out rather than stop short when the preset asks
    // for more than the budgets allow.
    double length = 0;
    for (size_t i = 1; i < path.size(); ++i)
        length += std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
    const int points = int(path.size());
    const double overDabs = renderer.estimateDabs(length, points) / std::max(1, options.maxDabs);
    const double overPixels =
        renderer.estimatePixels(length, points) / std::max(1.0, options.maxDabPixels);
    renderer.stretchSpacing(std::max(overDabs, overPixels));

    for (const StrokePoint& point : path) {
        renderer.addPoint(point);
        if (renderer.cancelled())
            break;
    }
    renderer.finish();
    const QImage base = result.image;
    renderer.composite(base, &result.image, result.image.rect());
    result.dabs = renderer.dabs();
    result.simplified = renderer.simplified();
    result.textureStandIn = renderer.textureStandIn();
    result.cancelled = renderer.cancelled();
    return result;
}

struct StrokePainter::State
{
    BrushPtr brush;
    StrokeOptions options;
    QImage* canvas = nullptr;
    // The canvas as it was when the stroke began: the stroke's mask is laid onto it again as
    // it grows, so overlapping dabs never darken past the opacity.
    QImage base;
    std::unique_ptr<CStrokeRenderer> renderer;
    int dabs = 0;
    bool simplified = false;
    bool textureStandIn = false;
};

StrokePainter::StrokePainter(BrushPtr brush, StrokeOptions options)
    : mState(std::make_unique<State>())
{
    mState->brush = std::move(brush);
    mState->options = std::move(options);
}

StrokePainter::~StrokePainter() = default;

void StrokePainter::begin(QImage* canvas)
{
    State& s = *mState;
    s.canvas = canvas;
    s.renderer.reset();
    if (!canvas || canvas->isNull() || !s.brush)
        return;
    MakeCompositable(canvas);
    s.base = canvas->copy();
    s.renderer = std::make_unique<CStrokeRenderer>(*s.brush, s.options, canvas->size());
    s.simplified = s.renderer->simplified();
    s.textureStandIn = s.renderer->textureStandIn();
    s.dabs = 0;
}

QRect StrokePainter::addPoint(const StrokePoint& point)
{
    State& s = *mState;
    if (!s.renderer)
        return {};
    const QRect dirty = s.renderer->addPoint(point);
    CompositeTouched(*s.renderer, s.base, s.canvas, dirty);
    s.dabs = s.renderer->dabs();
    s.simplified = s.renderer->simplified();
    return dirty & s.canvas->rect();
}

QRect StrokePainter::end()
{
    State& s = *mState;
    if (!s.renderer)
        return {};
    const QRect dirty = s.renderer->finish();
    CompositeTouched(*s.renderer, s.base, s.canvas, dirty);
    s.dabs = s.renderer->dabs();
    s.simplified = s.renderer->simplified();
    s.renderer.reset();
    s.base = QImage();
    return dirty & s.canvas->rect();
}

bool StrokePainter::simplified() const
{
    return mState->simplified;
}
bool StrokePainter::textureStandIn() const
{
    return mState->textureStandIn;
}
int StrokePainter::dabs() const
{
    return mState->dabs;
}
