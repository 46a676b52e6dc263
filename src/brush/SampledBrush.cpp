#include "brush/SampledBrush.h"

#include "brush/ComputedBrush.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// Maps ink to grey: 0 is paper white, 255 is full black.
const QList<QRgb>& InkColorTable()
{
    static const QList<QRgb> table = [] {
        QList<QRgb> t(256);
        for (int i = 0; i < 256; ++i)
            t[i] = qRgb(255 - i, 255 - i, 255 - i);
        return t;
    }();
    return table;
}

template <typename Sample, typename ToInk16>
QImage InkImage16(const PixelBlock& pixels, int width, int height, ToInk16 toInk16)
{
    QImage image(width, height, QImage::Format_Grayscale16);
    if (image.isNull())
        return image;
    const auto* in = reinterpret_cast<const unsigned char*>(pixels.data());
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<quint16*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += sizeof(Sample)) {
            Sample s;
            std::memcpy(&s, in, sizeof s);
            out[x] = static_cast<quint16>(65535 - toInk16(s));
        }
    }
    return image;
}

// Where a shaped sample goes, in whole pixels: the sample scaled (and squashed) first, then the
// box it fills once turned. Sides stay doubles until they are known to fit an int.
//
// A sample made smaller is shrunk first, averaging what falls into each pixel, and only then
// mirrored and turned: drawn straight from a large sample, the painter would pick pixels and
// lose thin strokes. A sample made larger is drawn straight from the stored pixels onto the
// canvas, which saves a large copy in between.
struct SampleLayout
{
    double width = 0, height = 0;             // scaled, before turning
    double turnedWidth = 0, turnedHeight = 0; // the bounding box after turning
    int quarterTurns = 0;                     // counter-clockwise; -1 for any other angle
    double angle = 0;                         // degrees, 0 to 360
    bool flips = false;
    bool shrinks = false; // on either side

    // Whole pixels can be moved for the mirroring and turning of a shrunk sample.
    bool movesPixels() const { return shrinks && quarterTurns >= 0; }
    // The pixels a drawing holds at its peak besides the stored sample: the shrunk copy, and
    // the canvas it is turned onto.
    double drawingPixels() const
    {
        const double shrunk = shrinks ? width * height : 0;
        const bool keeps = movesPixels() && quarterTurns == 0 && !flips;
        return shrunk + (keeps ? 0 : turnedWidth * turnedHeight);
    }
    bool fits() const
    {
        return drawingPixels() <= ComputedBrush::kMaxDrawingPixels &&
               std::max(turnedWidth, turnedHeight) <= ComputedBrush::kMaxDrawnSide;
    }
};

double WholePixels(double side)
{
    // A side that is a whole number but for rounding stays that number.
    return std::max(1.0, std::ceil(side - 1e-6));
}

SampleLayout LayoutFor(QSize stored, const SampleShaping& shaping, double scale)
{
    SampleLayout layout;
    const double longest = std::max(stored.width(), stored.height());
    const bool sized = shaping.diameter > 0 && std::isfinite(shaping.diameter);
    const double factor = (sized ? shaping.diameter / longest : 1.0) * scale;
    // Photoshop keeps roundness within 0 to 100; a squashed side keeps at least one pixel.
    const double ratio =
        std::isfinite(shaping.roundness) ? std::clamp(shaping.roundness, 0.0, 100.0) / 100 : 1.0;
    layout.width = WholePixels(stored.width() * factor);
    layout.height = WholePixels(stored.height() * factor * ratio);
    layout.shrinks = layout.width < stored.width() || layout.height < stored.height();
    layout.flips = shaping.flipX || shaping.flipY;

    double angle = std::isfinite(shaping.angle) ? std::fmod(shaping.angle, 360.0) : 0.0;
    if (angle < 0)
        angle += 360.0;
    layout.angle = angle;
    const double quarters = std::round(angle / 90.0);
    if (std::abs(angle - quarters * 90.0) < 1e-9) {
        layout.quarterTurns = int(quarters) % 4;
        const bool across = layout.quarterTurns % 2 == 1;
        layout.turnedWidth = across ? layout.height : layout.width;
        layout.turnedHeight = across ? layout.width : layout.height;
    } else {
        layout.quarterTurns = -1;
        const double theta = angle * 0.017453292519943295;
        const double c = std::abs(std::cos(theta)), s = std::abs(std::sin(theta));
        layout.turnedWidth = WholePixels(layout.width * c + layout.height * s);
        layout.turnedHeight = WholePixels(layout.width * s + layout.height * c);
    }
    return layout;
}

// Each pixel of an axis `from` pixels long shrunk to `to` averages the stretch of `from / to`
// pixels it covers; a pixel cut by a border counts for the part of it inside.
struct Span
{
    int first = 0, last = 0;            // pixels touched
    double firstPart = 1, lastPart = 1; // how much of them is inside
};

std::vector<Span> Spans(int from, int to)
{
    std::vector<Span> spans(static_cast<size_t>(to));
    const double step = double(from) / to;
    for (int i = 0; i < to; ++i) {
        const double start = i * step, end = std::min(double(from), (i + 1) * step);
        Span& span = spans[size_t(i)];
        span.first = int(start);
        span.last = std::max(span.first, std::min(from - 1, int(std::ceil(end)) - 1));
        span.firstPart = std::min(end, span.first + 1.0) - start;
        span.lastPart = span.last == span.first ? span.firstPart : end - span.last;
    }
    return spans;
}

// Shrinks 8-bit ink to `size`, averaging the area each new pixel covers, a row at a time: Qt's
// smooth scaling would go through 32-bit copies of a large sample, four times its size.
QImage ShrinkInk(const QImage& ink, QSize size)
{
    QImage out(size, QImage::Format_Grayscale8);
    if (out.isNull())
        return out;
    const std::vector<Span> across = Spans(ink.width(), size.width());
    const std::vector<Span> down = Spans(ink.height(), size.height());
    const double area = double(ink.width()) / size.width() * ink.height() / size.height();
    std::vector<double> sum(size_t(size.width()));
    for (int y = 0; y < size.height(); ++y) {
        std::fill(sum.begin(), sum.end(), 0.0);
        const Span& rows = down[size_t(y)];
        for (int sy = rows.first; sy <= rows.last; ++sy) {
            const double rowPart = sy == rows.first  ? rows.firstPart
                                   : sy == rows.last ? rows.lastPart
                                                     : 1.0;
            const uchar* in = ink.constScanLine(sy);
            for (int x = 0; x < size.width(); ++x) {
                const Span& cols = across[size_t(x)];
                double v = in[cols.first] * cols.firstPart;
                for (int sx = cols.first + 1; sx < cols.last; ++sx)
                    v += in[sx];
                if (cols.last != cols.first)
                    v += in[cols.last] * cols.lastPart;
                sum[size_t(x)] += v * rowPart;
            }
        }
        uchar* line = out.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            line[x] = uchar(std::clamp(std::lround(sum[size_t(x)] / area), 0L, 255L));
    }
    return out;
}

// The stored sample as 8-bit ink (0 no paint), which scales and turns onto a canvas of zeros
// without a ground to keep apart. 8-bit samples are read where they are.
QImage InkView(const QImage& stored, const PixelBlock& block, int depth)
{
    if (depth == 8)
        return QImage(block.data(), stored.width(), stored.height(), stored.width(),
                      QImage::Format_Grayscale8);
    QImage ink = stored.convertToFormat(QImage::Format_Grayscale8);
    ink.invertPixels();
    return ink;
}
} // namespace

SampledBrush::SampledBrush(std::optional<QString> name, int width, int height, int depthInBits,
                           PixelBlock pixels)
    : Brush(std::move(name)), mStored(std::make_shared<Stored>())
{
    mStored->pixels = std::move(pixels);
    mStored->depth = depthInBits;
    QImage& image = mStored->image;
    const PixelBlock& block = mStored->pixels;
    const size_t bytesPerSample = static_cast<size_t>(depthInBits / 8);
    if (width > 0 && height > 0 &&
        block.size() >= static_cast<size_t>(width) * static_cast<size_t>(height) * bytesPerSample) {
        switch (depthInBits) {
        case 8:
            // The image reads the brush's own block; no copy is made.
            image = QImage(block.data(), width, height, width, QImage::Format_Indexed8);
            image.setColorTable(InkColorTable());
            break;
        case 16:
            // Qt has no 16-bit format with the ink convention, so these are converted once.
            image = InkImage16<quint16>(block, width, height, [](quint16 v) { return v; });
            break;
        case 32:
            image = InkImage16<float>(block, width, height, [](float v) {
                if (!(v > 0.0f))
                    return quint16(0);
                return static_cast<quint16>(std::lround(std::min(v, 1.0f) * 65535.0f));
            });
            break;
        default:
            break;
        }
    }
    mSize = image.size();
}

SampledBrush::SampledBrush(std::optional<QString> name, const SampledBrush& stored,
                           SampleShaping shaping)
    : Brush(std::move(name)), mStored(stored.mStored), mShaping(shaping)
{
    const QSize storedSize = mStored->image.size();
    if (storedSize.isEmpty() || !isShaped()) {
        mSize = storedSize;
        return;
    }
    // A preset may paint a 50-pixel sample 5,000 pixels wide; drawn whole that would be
    // hundreds of megabytes, so it is drawn as large as fits, and says so.
    SampleLayout layout = LayoutFor(storedSize, mShaping, 1.0);
    if (!layout.fits()) {
        mScaledFrom = QSizeF(layout.turnedWidth, layout.turnedHeight);
        // The sides first: an absurd diameter squares to infinity, and may turn to it (turned,
        // a side is at most the diameter times the root of two).
        const double longest = std::max(layout.turnedWidth, layout.turnedHeight);
        if (longest > ComputedBrush::kMaxDrawnSide) {
            mScale = std::isfinite(longest) ? ComputedBrush::kMaxDrawnSide / longest
                                            : ComputedBrush::kMaxDrawnSide / mShaping.diameter / 2;
            layout = LayoutFor(storedSize, mShaping, mScale);
        }
        if (layout.drawingPixels() > ComputedBrush::kMaxDrawingPixels)
            mScale *= std::sqrt(ComputedBrush::kMaxDrawingPixels / layout.drawingPixels());
        // Sides round up to whole pixels, so the first guess can be a little over.
        while (!(layout = LayoutFor(storedSize, mShaping, mScale)).fits())
            mScale *= 0.99;
    }
    mSize = QSize(int(layout.turnedWidth), int(layout.turnedHeight));
}

bool SampleShaping::keeps(QSize stored) const
{
    return (diameter == 0 || diameter == std::max(stored.width(), stored.height())) &&
           roundness == 100 && angle == 0 && !flipX && !flipY;
}

QImage SampledBrush::image() const
{
    if (!isShaped() || mSize.isEmpty())
        return mStored->image;
    return drawShaped(mScale);
}

QImage SampledBrush::thumbnail(int side) const
{
    if (!isShaped() || mSize.isEmpty())
        return Brush::thumbnail(side);
    if (side <= 0)
        return QImage();
    const int longest = std::max(mSize.width(), mSize.height());
    if (longest <= side)
        return image();
    // Drawn at the cell's size: a preset that paints a sample large need not be drawn large
    // only to be shrunk again.
    QImage small = drawShaped(mScale * side / longest);
    if (small.width() > side || small.height() > side)
        small = small.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return small;
}

QImage SampledBrush::drawShaped(double scale) const
{
    const QImage& stored = mStored->image;
    const SampleLayout layout = LayoutFor(stored.size(), mShaping, scale);
    if (!layout.fits())
        return QImage();

    QImage ink = InkView(stored, mStored->pixels, mStored->depth);
    if (ink.isNull())
        return QImage();
    if (layout.shrinks) {
        const QSize size(int(layout.width), int(layout.height));
        // Squashed but made larger across: rare, and left to Qt.
        ink = size.width() <= ink.width() && size.height() <= ink.height()
                  ? ShrinkInk(ink, size)
                  : ink.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (ink.isNull())
            return QImage();
    }

    if (layout.movesPixels()) {
        if (layout.flips)
            ink = std::move(ink).mirrored(mShaping.flipX, mShaping.flipY);
        // Qt's y axis points down, so a turn counter-clockwise on screen is a negative angle.
        if (layout.quarterTurns == 2)
            ink = std::move(ink).mirrored(true, true);
        else if (layout.quarterTurns != 0)
            ink = ink.transformed(QTransform().rotate(layout.quarterTurns == 1 ? -90 : 90));
    } else {
        QImage canvas(int(layout.turnedWidth), int(layout.turnedHeight), QImage::Format_Grayscale8);
        if (canvas.isNull())
            return QImage();
        canvas.fill(0);
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.translate(layout.turnedWidth / 2, layout.turnedHeight / 2);
        painter.rotate(-layout.angle);
        painter.scale(mShaping.flipX ? -1 : 1, mShaping.flipY ? -1 : 1);
        painter.scale(layout.width / ink.width(), layout.height / ink.height());
        painter.drawImage(QPointF(-ink.width() / 2.0, -ink.height() / 2.0), ink);
        painter.end();
        ink = std::move(canvas);
    }
    if (ink.isNull())
        return QImage();
    ink = std::move(ink).convertToFormat(QImage::Format_Grayscale8);
    ink.invertPixels();
    return ink;
}
