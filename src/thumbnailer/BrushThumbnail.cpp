#include "thumbnailer/BrushThumbnail.h"

#include "abr/CABRreader.h"
#include "abr/CBrushSink.h"

#include <QPainter>
#include <algorithm>

namespace {
struct EnoughBrushes
{
};

class CFirstBrushesSink : public CBrushSink
{
public:
    explicit CFirstBrushesSink(size_t count) : mCount(count) {}

    void AddBrush(const BrushPtr& brush) override
    {
        // A computed tip out of range or an empty sample has nothing to show; skip it.
        if (!brush || brush->pixelSize().isEmpty())
            return;
        mBrushes.push_back(brush);
        if (mBrushes.size() >= mCount)
            throw EnoughBrushes();
    }
    // Patterns follow the last brush: the first one is all a preview may need.
    void AddPattern(const PatternPtr& pattern) override
    {
        mFirstPattern = pattern;
        throw EnoughBrushes();
    }
    void FinishedReadingFile(const ReadOutcome&) override {}

    std::vector<BrushPtr> mBrushes;
    PatternPtr mFirstPattern;

private:
    size_t mCount;
};

// The one place the thumbnailer asks a brush for its pixels: dark is ink in the brush's image.
// A computed tip is drawn at the size asked for, not at its full size and then shrunk.
QImage GreyImage(const Brush& brush, int side)
{
    return brush.thumbnail(side).convertToFormat(QImage::Format_Grayscale8);
}

// Tips narrower than this are shown as on a canvas this wide: enlarged by a whole factor with
// each pixel a square, so a 4 x 4 tip stays a small crisp square in the middle of the preview
// rather than a blurred block filling it.
constexpr int kCrispBelow = 32;

// The brush's grey image at the size it is shown within a side x side square. Scaling comes
// before turning grey into ink, so a huge brush costs one grey copy, not four bytes a pixel at
// full size.
QImage ShownGrey(const Brush& brush, int side)
{
    const QSize natural = brush.pixelSize();
    const int longest = std::max(natural.width(), natural.height());
    if (longest < kCrispBelow && longest <= side) {
        const int factor = std::max(1, side / kCrispBelow);
        return GreyImage(brush, longest)
            .scaled(natural * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return GreyImage(brush, side).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage InkImage(const Brush& brush, int side)
{
    const QImage grey = ShownGrey(brush, side);
    QImage ink(grey.size(), QImage::Format_ARGB32_Premultiplied);
    if (grey.isNull() || ink.isNull())
        return QImage();
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(ink.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            out[x] = qRgba(0, 0, 0, 255 - in[x]);
    }
    return ink;
}
} // namespace

std::vector<BrushPtr> ReadFirstBrushes(const QString& path, size_t count, PatternPtr* firstPattern)
{
    CFirstBrushesSink sink(count);
    try {
        CABRreader reader(path);
        reader.Read(sink);
    } catch (const EnoughBrushes&) {
    } catch (...) {
        // The reader hands a sink's own exception on as damage.
        if (sink.mBrushes.empty() && !sink.mFirstPattern)
            throw;
    }
    if (firstPattern)
        *firstPattern = sink.mFirstPattern;
    return std::move(sink.mBrushes);
}

QImage PatternThumbnail(const Pattern& pattern, int size)
{
    const QImage& image = pattern.image();
    if (image.isNull() || size < 1)
        return QImage();
    if (image.width() <= size && image.height() <= size)
        return image;
    return image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage BrushThumbnail(const std::vector<BrushPtr>& brushes, int size)
{
    if (brushes.empty() || size < 1)
        return QImage();
    if (brushes.size() == 1) {
        QImage ink = InkImage(*brushes.front(), size);
        const QSize natural = brushes.front()->pixelSize();
        if (ink.isNull() || std::max(natural.width(), natural.height()) >= kCrispBelow)
            return ink;
        // A small tip keeps its place in the middle of the whole preview, which a file manager
        // would otherwise stretch to its icon size.
        QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
        if (square.isNull())
            return QImage();
        square.fill(Qt::transparent);
        QPainter(&square).drawImage((size - ink.width()) / 2, (size - ink.height()) / 2, ink);
        return square;
    }

    // Cells sit a sixteenth of the size apart so that neighbouring brushes do not run together.
    const int gap = std::max(1, size / 16);
    const int cell = std::max(1, (size - gap) / 2);
    const int count = static_cast<int>(std::min<size_t>(brushes.size(), 4));
    const int rows = (count + 1) / 2;
    QImage sheet(size, rows * cell + (rows - 1) * gap, QImage::Format_ARGB32_Premultiplied);
    if (sheet.isNull())
        return QImage();
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    for (int i = 0; i < count; ++i) {
        const QImage ink = InkImage(*brushes[i], cell);
        const int left = (i % 2) * (cell + gap) + (cell - ink.width()) / 2;
        const int top = (i / 2) * (cell + gap) + (cell - ink.height()) / 2;
        painter.drawImage(left, top, ink);
    }
    return sheet;
}
