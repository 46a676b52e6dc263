#pragma once

#include "brush/Brush.h"
#include "brush/Pattern.h"
#include "engine/StrokePath.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <atomic>
#include <cstdint>
#include <memory>

// How a stroke is painted, beyond what its preset says.
struct StrokeOptions
{
    // The same seed paints the same pixels.
    std::uint32_t seed = 1;
    QColor foreground = Qt::black;
    QColor background = Qt::white;
    // The tip's diameter in pixels; 0 keeps the preset's own.
    double size = 0;
    // The pattern the preset's texture paints through, when the file holds it; without it a
    // plain noise stands in (StrokeResult::textureStandIn says so).
    PatternPtr pattern;
    // The stored sample a sampled dual tip names (DualBrush::tip.sampleId), in place of the one
    // the brush carries (Brush::dualTip); without either, and unless the brush paints with that
    // same sample, a round tip stands in (StrokeResult::simplified says so).
    BrushPtr dualSample;
    // Set from another thread to stop a stroke being painted; it then returns what it has.
    const std::atomic<bool>* cancel = nullptr;
    // Bounds on the work of one stroke: dabs stamped, and pixels of a tip drawn for stamping.
    int maxDabs = 20000;
    double maxTipPixels = 1 << 20;
    // Canvas pixels all the stroke's dabs may visit together: a huge tip at tight spacing
    // covers the whole canvas with every dab.
    double maxDabPixels = 2e8;
};

struct StrokeResult
{
    QImage image;
    int dabs = 0;
    // The stroke was painted with less than its preset asks (fewer dabs, a smaller tip).
    bool simplified = false;
    // The texture's pattern was not in the file; noise stood in for it.
    bool textureStandIn = false;
    bool cancelled = false;
};

// Paints one stroke of `brush` along `path` onto a canvas of `canvas` pixels filled with
// `paper`. Thread-safe: brushes are immutable, and each call keeps its own state.
StrokeResult PaintStroke(const Brush& brush, const StrokePath& path, QSize canvas,
                         const StrokeOptions& options, QColor paper = Qt::white);

// Paints a stroke as its points arrive, onto a canvas the caller keeps (the scratch canvas):
// begin(), then addPoint() for each input event, then end(). Main-thread use; one stroke at a
// time.
class StrokePainter
{
public:
    StrokePainter(BrushPtr brush, StrokeOptions options);
    ~StrokePainter();
    StrokePainter(const StrokePainter&) = delete;
    StrokePainter& operator=(const StrokePainter&) = delete;

    // A canvas in a format other than 32-bit RGB or premultiplied ARGB is converted to the
    // latter in place.
    void begin(QImage* canvas);
    // The part of the canvas the point's dabs changed.
    QRect addPoint(const StrokePoint& point);
    // The part of the canvas changed when the stroke was laid down.
    QRect end();

    // The stroke under way (or the last one) was painted with less than its preset asks.
    bool simplified() const;
    // Its texture's pattern was not given; noise stood in for it.
    bool textureStandIn() const;
    int dabs() const;

    struct State;

private:
    std::unique_ptr<State> mState;
};
