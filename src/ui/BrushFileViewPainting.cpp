// The grid's drawing: thumbnails made once per size and kept, the cells, names and focus, and
// the same drawing on paper.

#include "ui/BrushFileView.h"

#include "actions/BrushBitmap.h"
#include "actions/BrushExporter.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {
// Ink drawn in the palette's text colour on a tile of its base colour: dark on white as the
// brushes were drawn on light desktops, light on dark on dark ones.
QImage InkOnPaper(const QImage& image, QColor paper, QColor ink)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QImage out(grey.size(), QImage::Format_RGB32);
    if (out.isNull())
        return out;
    QRgb table[256];
    for (int i = 0; i < 256; ++i) {
        auto mix = [i](int p, int k) { return (p * (255 - i) + k * i + 127) / 255; };
        table[i] = qRgb(mix(paper.red(), ink.red()), mix(paper.green(), ink.green()),
                        mix(paper.blue(), ink.blue()));
    }
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            row[x] = table[255 - in[x]];
    }
    return out;
}
} // namespace

QImage BrushFileView::brushImage(int index, int deviceSide) const
{
    // A computed tip is drawn at the cell's size, never at its full size just to be shrunk.
    return mBrushFile->brush(size_t(index))->thumbnail(deviceSide);
}

QImage BrushFileView::fullImageForBrush(const BrushPtr& brush)
{
    const std::optional<BrushBitmap> bitmap = getBitmapImageRep(brush);
    return bitmap ? BrushExporter::transparentImageRepForImageRep(*bitmap) : QImage();
}

const QPixmap& BrushFileView::thumbnail(int index, int side, qreal dpr)
{
    if (side != mCachedSide || dpr != mCachedRatio) {
        mThumbnailCache.clear();
        mCachedSide = side;
        mCachedRatio = dpr;
    }
    auto it = mThumbnailCache.find(index);
    if (it != mThumbnailCache.end())
        return *it;
    // Like an image view's default: shrink large images proportionally, never enlarge small
    // ones, centre them in the cell. Shrunk ones are made at the screen's pixel density.
    const int deviceSide = std::max(1, int(side * dpr));
    const QImage image = brushImage(index, deviceSide);
    QPixmap pixmap;
    if (!image.isNull()) {
        const QColor paper = palette().color(QPalette::Base);
        const QColor ink = palette().color(QPalette::Text);
        const int longest = std::max(image.width(), image.height());
        if (longest > side) {
            const int target = std::min(deviceSide, longest);
            pixmap = QPixmap::fromImage(InkOnPaper(
                image.scaled(target, target, Qt::KeepAspectRatio, Qt::SmoothTransformation), paper,
                ink));
            pixmap.setDevicePixelRatio(qreal(std::max(pixmap.width(), pixmap.height())) / side);
        } else {
            pixmap = QPixmap::fromImage(InkOnPaper(image, paper, ink));
        }
    }
    return *mThumbnailCache.insert(index, pixmap);
}

void BrushFileView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), backgroundColor(colours));
    if (!mBrushFile || mSide <= 0)
        return;
    // Selection and focus stay off paper.
    const bool onScreen = !mPrinting;
    const int side = std::max(1, int(mSide));
    const qreal dpr = devicePixelRatioF();
    const QRect dirty = event->rect();
    const double pitch = rowPitch();
    const int firstRow = std::max(0, int((dirty.top() - mGap) / pitch));
    const int lastRow = int((dirty.bottom() - mGap / 2) / pitch);
    const int count = int(mBrushFile->count());
    const QColor highlight = colours.color(QPalette::Highlight);
    QColor selectionFill = highlight;
    selectionFill.setAlphaF(0.35f);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < mItemsPerRow; ++column) {
            const int index = row * mItemsPerRow + column;
            if (index >= count)
                return;
            const QRectF cell = thumbnailRect(index);
            QRectF frame = cell.adjusted(-mGap / 3, -mGap / 3, mGap / 3, mGap / 3);
            if (mShowNames)
                frame = frame.united(nameRect(index));
            const bool selected = onScreen && isSelected(index);
            if (selected) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(highlight, 1.5));
                painter.setBrush(selectionFill);
                painter.drawRoundedRect(frame, 3, 3);
            }
            const QPixmap& pixmap = thumbnail(index, side, dpr);
            if (!pixmap.isNull()) {
                const QSizeF drawn = pixmap.deviceIndependentSize();
                const QPointF origin(cell.x() + (cell.width() - drawn.width()) / 2.0,
                                     cell.y() + (cell.height() - drawn.height()) / 2.0);
                painter.drawPixmap(origin, pixmap);
            }
            if (mShowNames) {
                const QRectF box = nameRect(index);
                const QString caption = captionForBrush(*mBrushFile->brush(size_t(index)));
                painter.setPen(colours.color(QPalette::Text));
                painter.drawText(
                    box, Qt::AlignHCenter | Qt::AlignTop,
                    fontMetrics().elidedText(caption, Qt::ElideRight, int(box.width()) - 2));
            }
            if (onScreen && index == mCurrent && hasFocus()) {
                painter.setRenderHint(QPainter::Antialiasing);
                QPen pen(selected ? colours.color(QPalette::Text) : highlight, 1.0, Qt::DashLine);
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 2, 2);
            }
        }
    }
}

QString BrushFileView::toolTipForBrush(const Brush& brush)
{
    if (brush.pixelSize().isEmpty())
        return QString();
    const QSizeF size = brush.size();
    QString prefix;
    const QString name = brush.displayName();
    if (!name.isEmpty())
        prefix = name + QLatin1Char('\n');
    return QStringLiteral("%1%2 %3 %4 px")
        .arg(prefix)
        .arg(int(size.width()))
        .arg(QChar(0x00D7))
        .arg(int(size.height()));
}

QString BrushFileView::captionForBrush(const Brush& brush)
{
    const QString name = brush.displayName();
    if (!name.isEmpty())
        return name;
    const QSizeF size = brush.size();
    return QStringLiteral("%1 %2 %3")
        .arg(int(size.width()))
        .arg(QChar(0x00D7))
        .arg(int(size.height()));
}

void BrushFileView::printTo(QPrinter* printer)
{
    if (!mBrushFile)
        return;
    // Fit the grid to the page width and let it run over as many pages as it needs.
    mPrinting = true;
    QPainter painter(printer);
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    const double scale = page.width() / double(width());
    const double pageHeightInView = page.height() / scale;
    const int pages = std::max(1, int(std::ceil(height() / pageHeightInView)));
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            printer->newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -i * pageHeightInView);
        const QRect slice(0, int(i * pageHeightInView), width(), int(std::ceil(pageHeightInView)));
        render(&painter, slice.topLeft(), QRegion(slice), RenderFlag::DrawWindowBackground);
        painter.restore();
    }
    mPrinting = false;
}
