// The grid's drawing: thumbnails made once per size and kept, the cells, names and focus, and
// the same drawing on paper.

#include "ui/grid/BrushFileView.h"

#include "actions/BrushExporter.h"
#include "brush/BrushBitmap.h"
#include "ui/common/ImageScaling.h"
#include "ui/grid/StrokePreviews.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Tips smaller than this are pixel art more than pictures: enlarged, each of their pixels
// becomes a square of whole device pixels rather than a blur.
constexpr int kCrispBelow = 32;
// Zoomed far out, no tip shrinks below this many pixels (or its own size), so a small one
// still shows as a speck.
constexpr double kSmallestDrawn = 6.0;

} // namespace

QImage BrushFileView::brushImage(int index, int deviceSide) const
{
    // A computed tip is drawn at the cell's size, never at its full size just to be shrunk.
    return mBrushFile->brush(size_t(index))->thumbnail(deviceSide);
}

QImage BrushFileView::fullImageForBrush(const BrushPtr& brush)
{
    const std::optional<BrushBitmap> bitmap = inkBitmap(brush);
    return bitmap ? BrushExporter::transparentInk(*bitmap) : QImage();
}

int BrushFileView::deviceSideForBrush(int index, qreal dpr) const
{
    const QSize size = mBrushFile->brush(size_t(index))->pixelSize();
    const double longest = std::max(size.width(), size.height());
    if (longest <= 0)
        return 0;
    const QRectF room = tipRect(index);
    const double side = std::min(room.width(), room.height());
    double wanted = std::min(side, longest * brushScale());
    wanted = std::max(wanted, std::min({longest, side, kSmallestDrawn}));
    const int device = std::max(1, int(std::floor(wanted * dpr + 0.01)));
    // Crisp tips grow by whole factors only.
    if (longest < kCrispBelow && device > longest)
        return int(longest) * (device / int(longest));
    return device;
}

QImage BrushFileView::patternTile(const Pattern& pattern, QSize deviceCell) const
{
    const QSize natural = pattern.pixelSize();
    const int longest = std::max(natural.width(), natural.height());
    const int deviceSide = std::min(deviceCell.width(), deviceCell.height());
    if (longest <= 0 || deviceSide <= 0)
        return QImage();
    // At the brushes' scale, so zooming treats both alike; a pattern larger than its cell is
    // shrunk until one whole copy fits, so the cell shows all of it rather than a corner.
    const double fits = double(deviceSide) / longest;
    double scale = std::min(brushScale() * devicePixelRatioF(), fits);
    // Enlarged, a pattern's pixels stay whole squares, as a crisp tip's do.
    const bool enlarged = scale >= 1.0;
    if (enlarged)
        scale = std::round(scale) <= fits ? std::round(scale) : std::floor(scale);
    // Scaled before it is converted: a large pattern is shrunk in its own format rather than
    // copied whole first.
    QImage copy = pattern.image();
    const QSize drawn(std::max(1, int(std::lround(natural.width() * scale))),
                      std::max(1, int(std::lround(natural.height() * scale))));
    if (drawn != natural)
        copy = copy.scaled(drawn, Qt::IgnoreAspectRatio,
                           enlarged ? Qt::FastTransformation : Qt::SmoothTransformation);
    copy = copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage tile(deviceCell, QImage::Format_ARGB32_Premultiplied);
    if (tile.isNull() || copy.isNull())
        return QImage();
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.fillRect(tile.rect(), QBrush(copy));
    return tile;
}

QPixmap BrushFileView::thumbnail(int index, qreal dpr)
{
    const PatternPtr pattern = patternAt(index);
    const int deviceSide =
        pattern ? int(std::floor(mSide * dpr + 0.01)) : deviceSideForBrush(index, dpr);
    if (deviceSide <= 0)
        return QPixmap();
    const QSize deviceCell(int(std::floor(mCellWidth * dpr + 0.01)), deviceSide);
    // Keyed by what the pixmap shows, so a resize that leaves a brush's size alone keeps it.
    // A pattern's cell may be wider than tall (with strokes); a brush's key is its side.
    const quint64 key =
        (quint64(quint32(index)) << 32) |
        (pattern ? quint32(deviceCell.width()) << 16 | quint32(deviceSide) : quint32(deviceSide));
    if (mThumbnailCacheRatio != dpr) {
        mThumbnailCache.clear();
        mThumbnailCacheRatio = dpr;
    }
    if (const QPixmap* cached = mThumbnailCache.object(key))
        return *cached;
    if (pattern) {
        QPixmap pixmap = QPixmap::fromImage(patternTile(*pattern, deviceCell));
        pixmap.setDevicePixelRatio(dpr);
        mThumbnailCache.insert(key, new QPixmap(pixmap),
                               int(qint64(deviceCell.width()) * deviceSide * 4 / 1024 + 1));
        return pixmap;
    }
    const QSize natural = mBrushFile->brush(size_t(index))->pixelSize();
    const int longest = std::max(natural.width(), natural.height());
    QImage image;
    if (deviceSide < longest) {
        image = InkImage(brushImage(index, deviceSide), inkColour());
        if (std::max(image.width(), image.height()) > deviceSide)
            image =
                image.scaled(deviceSide, deviceSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else {
        image = InkImage(mBrushFile->brush(size_t(index))->image(), inkColour());
        if (deviceSide > longest)
            image = image.scaled(deviceSide, deviceSide, Qt::KeepAspectRatio,
                                 longest < kCrispBelow ? Qt::FastTransformation
                                                       : Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dpr);
    const qint64 kilobytes = qint64(pixmap.width()) * pixmap.height() * 4 / 1024 + 1;
    // Too large for the cache (a huge tip at the largest zoom) is drawn and let go.
    mThumbnailCache.insert(key, new QPixmap(pixmap), int(std::min<qint64>(kilobytes, INT_MAX)));
    return pixmap;
}

void BrushFileView::paintStroke(QPainter& painter, int index, qreal dpr)
{
    const QRectF cell = thumbnailRect(index);
    const QSize device(int(std::floor(cell.width() * dpr + 0.01)),
                       int(std::floor(cell.height() * dpr + 0.01)));
    // Painted on the pool; until it lands the cell shows its name and diameter only. Paper
    // cannot wait for it.
    QPixmap pixmap;
    if (mPrinting) {
        const Brush& brush = *mBrushFile->brush(size_t(index));
        const StrokeResult stroke =
            PaintStroke(brush, SCurvePath(QSizeF(device)), device,
                        StrokePreviews::optionsFor(*mBrushFile, brush, QSizeF(device)));
        pixmap = QPixmap::fromImage(InkImage(stroke.image, Qt::black));
        pixmap.setDevicePixelRatio(dpr);
    } else {
        pixmap = mStrokes->preview(index, device, dpr, inkColour());
    }
    if (pixmap.isNull())
        return;
    painter.drawPixmap(QPointF(std::round(cell.x() * dpr) / dpr, std::round(cell.y() * dpr) / dpr),
                       pixmap);
    // A stroke that is less than its preset paints says so in its corner, as the viewer does
    // under its own; the tooltip words it.
    if (!mPrinting && mStrokes->simplified(index)) {
        QColor ink = inkColour();
        ink.setAlphaF(0.6f);
        QFont font = painter.font();
        font.setPixelSize(std::clamp(int(cell.height() / 4), 9, 16));
        painter.save();
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(cell.adjusted(2, 0, -3, -1), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("\u2248"));
        painter.restore();
    }
}

void BrushFileView::paintStarMark(QPainter& painter, const QRectF& tile, QColor ink, int pixelSize)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    painter.save();
    painter.setFont(font);
    ink.setAlphaF(0.6f);
    painter.setPen(ink);
    painter.drawText(tile.adjusted(2, 1, -3, 0), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("\u2605"));
    painter.restore();
}

QColor BrushFileView::inkColour() const
{
    return mPrinting ? QColor(Qt::black) : palette().color(QPalette::Text);
}

void BrushFileView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    // Paper is white whatever the screen's theme.
    painter.fillRect(rect(), mPrinting ? QColor(Qt::white) : backgroundColor(colours));
    if (!mBrushFile || mSide <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    const QRect dirty = event->rect();
    if (mShowStrokes)
        mStrokes->beginPaint();
    const double pitch = rowPitch();
    // Brush rows from the top, then the pattern rows under their heading.
    struct Section
    {
        int first, end;
        double top;
    };
    const Section sections[] = {{0, brushCount(), 0.0},
                                {brushCount(), itemCount(), patternsOrigin()}};
    for (const Section& section : sections) {
        const int firstRow = std::max(0, int((dirty.top() - section.top - mGap) / pitch));
        const int lastRow = int((dirty.bottom() - section.top - mGap / 2) / pitch);
        for (int row = firstRow; row <= lastRow; ++row) {
            const int rowStart = section.first + row * mItemsPerRow;
            if (rowStart >= section.end)
                break;
            for (int index = rowStart; index < std::min(rowStart + mItemsPerRow, section.end);
                 ++index)
                paintCell(painter, index, dpr);
        }
    }
    const QRectF heading = headingRect();
    if (!heading.isEmpty() && heading.intersects(dirty)) {
        painter.setPen(inkColour());
        painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter, tr("Patterns"));
    }
}

void BrushFileView::paintCell(QPainter& painter, int index, qreal dpr)
{
    // Selection and focus stay off paper.
    const bool onScreen = !mPrinting;
    const QPalette& colours = palette();
    const QColor highlight = colours.color(QPalette::Highlight);
    const QRectF cell = thumbnailRect(index);
    QRectF frame = cell.adjusted(-mGap / 3, -mGap / 3, mGap / 3, mGap / 3);
    if (mShowNames || mShowStrokes)
        frame = frame.united(captionRect(index));
    const bool selected = onScreen && isSelected(index);
    if (selected) {
        QColor selectionFill = highlight;
        selectionFill.setAlphaF(0.35f);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(highlight, 1.5));
        painter.setBrush(selectionFill);
        painter.drawRoundedRect(frame, 3, 3);
    }
    const PatternPtr pattern = patternAt(index);
    const bool stroke = mShowStrokes && !pattern;
    if (stroke)
        paintStroke(painter, index, dpr);
    const QPixmap pixmap = stroke ? QPixmap() : thumbnail(index, dpr);
    if (!pixmap.isNull()) {
        const QRectF room = pattern ? cell : tipRect(index);
        // Whole device pixels, so that a crisp tip's squares stay even.
        const QSizeF drawn = pixmap.deviceIndependentSize();
        const QPointF origin(
            std::round((room.x() + (room.width() - drawn.width()) / 2.0) * dpr) / dpr,
            std::round((room.y() + (room.height() - drawn.height()) / 2.0) * dpr) / dpr);
        painter.drawPixmap(origin, pixmap);
    }
    if (!pattern)
        paintPresetLine(painter, index);
    if (mStarred.contains(index) && !pattern)
        paintStarMark(painter, frame, inkColour(), std::clamp(int(cell.width() / 7), 9, 18));
    if (mShowNames) {
        const QRectF box = nameRect(index);
        const QString caption = pattern ? captionForPattern(*pattern)
                                        : captionForBrush(*mBrushFile->brush(size_t(index)));
        painter.setPen(inkColour());
        // Beside the diameter with strokes, from the left as a list reads.
        painter.drawText(box, (mShowStrokes ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop,
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

void BrushFileView::paintPresetLine(QPainter& painter, int index)
{
    const QRectF line = diameterRect(index);
    if (line.isEmpty())
        return;
    const Brush& brush = *mBrushFile->brush(size_t(index));
    const int pixelSize = diameterPixelSize();
    // Quieter than a name: the ink at part strength, as the star is.
    QColor ink = inkColour();
    ink.setAlphaF(0.65f);
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.setPen(ink);
    const QString digits = diameterLabel(brush);
    const bool marked = brush.preset()->settings.anyOn();
    const double m = pixelSize - 1;
    const QRectF box(line.right() - m - 3, line.center().y() - m / 2, m, m);
    // Centred, unless a long number in a small cell would run into the mark; after the name
    // with strokes.
    const double width = QFontMetricsF(font).horizontalAdvance(digits);
    if (mShowStrokes)
        painter.drawText(QRectF(line.left(), line.top(),
                                (marked ? box.left() - 4 : line.right() - 2) - line.left(),
                                line.height()),
                         Qt::AlignRight | Qt::AlignVCenter, digits);
    else if (marked && line.center().x() + width / 2 > box.left() - 2)
        painter.drawText(
            QRectF(line.left(), line.top(), box.left() - 2 - line.left(), line.height()),
            Qt::AlignRight | Qt::AlignVCenter, digits);
    else
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, digits);
    if (marked) {
        // Three sliders, the usual picture of settings, in the line's right end, off the tip and
        // away from the star's corner. Drawn rather than taken from a font, which may lack one.
        ink.setAlphaF(0.5f);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, std::max(1.0, m / 10)));
        const double knobs[] = {0.3, 0.7, 0.45};
        for (int i = 0; i < 3; ++i) {
            const double y = box.top() + box.height() * (0.2 + 0.3 * i);
            painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        for (int i = 0; i < 3; ++i) {
            const double y = box.top() + box.height() * (0.2 + 0.3 * i);
            painter.drawEllipse(QPointF(box.left() + box.width() * knobs[i], y), m / 7, m / 7);
        }
    }
    painter.restore();
}

QString BrushFileView::diameterLabel(const Brush& brush)
{
    const BrushPreset* preset = brush.preset();
    if (!preset || !preset->isPreset || !(preset->tip.diameter > 0))
        return QString();
    return QString::number(std::max(1L, std::lround(preset->tip.diameter)));
}

QString BrushFileView::settingsGroupsText(const Brush& brush)
{
    if (!brush.preset())
        return QString();
    QStringList titles;
    for (const SettingsGroup& group : GroupsOn(brush.preset()->settings))
        titles << group.shownTitle();
    return titles.join(QStringLiteral(", "));
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
    QString text = QStringLiteral("%1%2 %3 %4 px")
                       .arg(prefix)
                       .arg(int(size.width()))
                       .arg(QChar(0x00D7))
                       .arg(int(size.height()));
    const QString groups = settingsGroupsText(brush);
    if (!groups.isEmpty())
        text += QLatin1Char('\n') + tr("Settings: %1").arg(groups);
    return text;
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

QString BrushFileView::toolTipForPattern(const Pattern& pattern)
{
    const QSize size = pattern.pixelSize();
    const QString name = pattern.displayName();
    return QStringLiteral("%1%2 %3 %4 px")
        .arg(name.isEmpty() ? QString() : name + QLatin1Char('\n'))
        .arg(size.width())
        .arg(QChar(0x00D7))
        .arg(size.height());
}

QString BrushFileView::captionForPattern(const Pattern& pattern)
{
    const QString name = pattern.displayName();
    if (!name.isEmpty())
        return name;
    const QSize size = pattern.pixelSize();
    return QStringLiteral("%1 %2 %3").arg(size.width()).arg(QChar(0x00D7)).arg(size.height());
}

void BrushFileView::printTo(QPrinter* printer)
{
    if (!mBrushFile)
        return;
    // Fit the grid to the page width and let it run over as many pages as it needs. Paper gets
    // black ink, whatever the screen's theme; the screen's thumbnails are made again after.
    mPrinting = true;
    mThumbnailCache.clear();
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
    mThumbnailCache.clear();
}
