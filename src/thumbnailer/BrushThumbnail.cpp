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
    void FinishedReadingFile(const ReadOutcome&) override {}

    std::vector<BrushPtr> mBrushes;

private:
    size_t mCount;
};

// The one place the thumbnailer asks a brush for its pixels: dark is ink in the brush's image.
// A computed tip is drawn at the size asked for, not at its full size and then shrunk.
QImage GreyImage(const Brush& brush, int side)
{
    return brush.thumbnail(side).convertToFormat(QImage::Format_Grayscale8);
}

// Scales before turning grey into ink, so a huge brush costs one grey copy, not four bytes a
// pixel at full size.
QImage InkImage(const Brush& brush, int width, int height)
{
    const QImage grey =
        GreyImage(brush, std::max(width, height)).scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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

std::vector<BrushPtr> ReadFirstBrushes(const QString& path, size_t count)
{
    CFirstBrushesSink sink(count);
    try {
        CABRreader reader(path);
        reader.Read(sink);
    } catch (const EnoughBrushes&) {
    } catch (...) {
        if (sink.mBrushes.empty())
            throw;
    }
    return std::move(sink.mBrushes);
}

QImage BrushThumbnail(const std::vector<BrushPtr>& brushes, int size)
{
    if (brushes.empty() || size < 1)
        return QImage();
    if (brushes.size() == 1)
        return InkImage(*brushes.front(), size, size);

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
        const QImage ink = InkImage(*brushes[i], cell, cell);
        const int left = (i % 2) * (cell + gap) + (cell - ink.width()) / 2;
        const int top = (i / 2) * (cell + gap) + (cell - ink.height()) / 2;
        painter.drawImage(left, top, ink);
    }
    return sheet;
}
