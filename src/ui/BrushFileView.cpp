#include "ui/BrushFileView.h"

#include "actions/BrushBitmap.h"
#include "actions/BrushExporter.h"
#include "platform/Logging.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDrag>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QToolTip>
#include <QUrl>
#include <cmath>

namespace {
// Gaps are this fraction of a thumbnail's side: n thumbnails and n + 1 gaps fill the width.
constexpr float kGapRatio = 0.1875f;
// During a live resize, relayout only once the size has changed by this factor.
constexpr double kLiveResizeStep = 1.01;
// One wheel notch, in eighths of a degree.
constexpr int kWheelStep = 120;
// How far two fingers must spread or close, as a scale change, for one zoom step.
constexpr qreal kPinchStep = 0.2;

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

BrushFileView::BrushFileView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    mLiveResizeTimer.setSingleShot(true);
    mLiveResizeTimer.setInterval(200);
    connect(&mLiveResizeTimer, &QTimer::timeout, this, &BrushFileView::liveResizeEnded);
}

QColor BrushFileView::backgroundColor(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    if (base.lightnessF() > 0.5)
        return QColor::fromHsvF(0.0f, 0.0f, 0.96f, 1.0f);
    // A shade off the base, so the thumbnails' tiles still stand out from it.
    return base.lighter(115);
}

void BrushFileView::setScrollArea(QScrollArea* scrollArea)
{
    mScrollArea = scrollArea;
    mScrollArea->setWidget(this);
    mScrollArea->setWidgetResizable(false);
    mScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mScrollArea->viewport()->installEventFilter(this);
}

void BrushFileView::setSlider(QSlider* slider)
{
    mSlider = slider;
    connect(mSlider, &QSlider::valueChanged, this, [this] { updateLayout(); });
}

int BrushFileView::getItemsPerColumn() const
{
    if (!mSlider)
        return mItemsPerRow;
    return int(mSlider->maximum() + mSlider->minimum()) - mSlider->value();
}

void BrushFileView::setItemsPerColumn(int count)
{
    if (count == getItemsPerColumn())
        return;
    if (!mSlider) {
        mItemsPerRow = count;
        updateLayout();
        return;
    }
    // The slider runs the other way: a larger value means fewer, larger thumbnails. Its
    // valueChanged signal relays out.
    mSlider->setValue(mSlider->maximum() + mSlider->minimum() - count);
}

void BrushFileView::zoomIn()
{
    setItemsPerColumn(getItemsPerColumn() - 1);
}

void BrushFileView::zoomOut()
{
    setItemsPerColumn(getItemsPerColumn() + 1);
}

void BrushFileView::resetZoom()
{
    setItemsPerColumn(kDefaultItemsPerRow);
}

void BrushFileView::zoomBySteps(int steps)
{
    for (; steps > 0 && canZoomIn(); --steps)
        zoomIn();
    for (; steps < 0 && canZoomOut(); ++steps)
        zoomOut();
}

void BrushFileView::setShowNames(bool show)
{
    if (show == mShowNames)
        return;
    mShowNames = show;
    updateLayout();
}

double BrushFileView::nameLineHeight() const
{
    return mShowNames ? fontMetrics().height() + 2 : 0.0;
}

double BrushFileView::rowPitch() const
{
    return mSide + mGap + nameLineHeight();
}

bool BrushFileView::canZoomIn() const
{
    return mSlider && mSlider->value() < mSlider->maximum();
}

bool BrushFileView::canZoomOut() const
{
    return mSlider && mSlider->value() > mSlider->minimum();
}

void BrushFileView::updateLayout()
{
    setLayoutForWidth(getItemsPerColumn());
    update();
}

void BrushFileView::setLayoutForWidth(int n)
{
    if (!mBrushFile || n < 1)
        return;
    const int c = int(mBrushFile->count());
    const float W = mScrollArea ? float(mScrollArea->viewport()->width()) : float(width());
    const float H = mScrollArea ? float(mScrollArea->viewport()->height()) : float(height());
    const float s = W / ((1.0f + kGapRatio) * float(n) + kGapRatio);
    const float g = kGapRatio * s;
    const float p = s + g + float(nameLineHeight());
    const int rows = (c + n - 1) / n;
    const float needed = float(rows) * p + g;
    mItemsPerRow = n;
    mSide = s;
    mGap = g;
    resize(int(W), int(std::ceil(std::max(H, needed))));
}

QRectF BrushFileView::thumbnailRect(int index) const
{
    const int n = std::max(1, mItemsPerRow);
    const double p = mSide + mGap;
    return QRectF((index % n) * p + mGap, (index / n) * rowPitch() + mGap, mSide, mSide);
}

QRectF BrushFileView::nameRect(int index) const
{
    if (!mShowNames)
        return QRectF();
    // The name may run into the gaps on either side: at small sizes the cell alone holds
    // hardly a word.
    const QRectF cell = thumbnailRect(index);
    return QRectF(cell.x() - mGap / 2, cell.bottom() + 1, mSide + mGap, nameLineHeight() - 1);
}

int BrushFileView::thumbnailAt(QPointF point) const
{
    if (!mBrushFile || mSide <= 0)
        return -1;
    const double p = mSide + mGap;
    const int column = int(std::floor((point.x() - mGap / 2) / p));
    const int row = int(std::floor((point.y() - mGap) / rowPitch()));
    if (column < 0 || column >= mItemsPerRow || row < 0)
        return -1;
    const int index = row * mItemsPerRow + column;
    if (index >= int(mBrushFile->count()))
        return -1;
    if (!thumbnailRect(index).contains(point) && !nameRect(index).contains(point))
        return -1;
    return index;
}

QList<int> BrushFileView::selectedIndexes() const
{
    QList<int> indexes;
    indexes.reserve(mSelectedCount);
    for (size_t i = 0; i < mSelected.size() && indexes.size() < mSelectedCount; ++i)
        if (mSelected[i])
            indexes << int(i);
    return indexes;
}

bool BrushFileView::isSelected(int index) const
{
    return index >= 0 && size_t(index) < mSelected.size() && mSelected[size_t(index)];
}

void BrushFileView::repaintBrush(int index)
{
    if (index < 0)
        return;
    QRectF area = thumbnailRect(index).adjusted(-mGap / 2, -mGap / 2, mGap / 2, mGap / 2);
    if (mShowNames)
        area = area.united(nameRect(index));
    update(area.toAlignedRect().adjusted(-2, -2, 2, 2));
}

void BrushFileView::setCurrentIndex(int index)
{
    if (index == mCurrent)
        return;
    repaintBrush(mCurrent);
    mCurrent = index;
    repaintBrush(mCurrent);
    if (mCurrent >= 0)
        ensureVisible(mCurrent);
}

void BrushFileView::selectOnly(int index)
{
    clearSelection();
    if (index >= 0 && size_t(index) < mSelected.size()) {
        mSelected[size_t(index)] = true;
        mSelectedCount = 1;
        repaintBrush(index);
    }
    mAnchor = index;
    setCurrentIndex(index);
    Q_EMIT selectionChanged();
}

void BrushFileView::selectAll()
{
    std::fill(mSelected.begin(), mSelected.end(), true);
    mSelectedCount = int(mSelected.size());
    update();
    Q_EMIT selectionChanged();
}

void BrushFileView::clearSelection()
{
    if (mSelectedCount == 0)
        return;
    std::fill(mSelected.begin(), mSelected.end(), false);
    mSelectedCount = 0;
    update();
    Q_EMIT selectionChanged();
}

void BrushFileView::ensureVisible(int index)
{
    if (!mScrollArea || index < 0)
        return;
    QRectF area = thumbnailRect(index);
    if (mShowNames)
        area = area.united(nameRect(index));
    const QPointF centre = area.center();
    mScrollArea->ensureVisible(int(centre.x()), int(centre.y()), int(area.width() / 2 + mGap),
                               int(area.height() / 2 + mGap));
}

void BrushFileView::setBrushFile(const BrushFilePtr& file)
{
    mBrushFile = file;
    mThumbnailCache.clear();
    mSelected.assign(file ? file->count() : 0, false);
    mSelectedCount = 0;
    mCurrent = mAnchor = -1;
    updateLayout();
    if (mScrollArea) {
        mScrollArea->verticalScrollBar()->setValue(0);
        mScrollArea->horizontalScrollBar()->setValue(0);
    }
}

void BrushFileView::addBrush(const BrushPtr& brush)
{
    if (!mBrushFile)
        return;
    mBrushFile->addBrush(brush);
    mSelected.push_back(false);
    const int index = int(mBrushFile->count()) - 1;
    const QRectF before = thumbnailRect(index);
    const int oldHeight = height();
    updateLayout();
    // Only the new cell needs painting unless the layout itself moved.
    if (height() == oldHeight && thumbnailRect(index) == before)
        update(thumbnailRect(index).toAlignedRect());
}

void BrushFileView::clear()
{
    mBrushFile.reset();
    mThumbnailCache.clear();
    const bool hadSelection = mSelectedCount > 0;
    mSelected.clear();
    mSelectedCount = 0;
    mCurrent = mAnchor = -1;
    update();
    if (hadSelection)
        Q_EMIT selectionChanged();
}

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

bool BrushFileView::event(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        mThumbnailCache.clear();
        mCachedSide = -1;
        if (event->type() == QEvent::FontChange)
            updateLayout();
    }
    if (event->type() == QEvent::NativeGesture) {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            mPinchRemainder += gesture->value();
            const int steps = int(mPinchRemainder / kPinchStep);
            mPinchRemainder -= steps * kPinchStep;
            zoomBySteps(steps);
            return true;
        }
        if (gesture->gestureType() == Qt::EndNativeGesture)
            mPinchRemainder = 0;
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = thumbnailAt(help->pos());
        const QString text =
            index >= 0 ? toolTipForBrush(*mBrushFile->brush(size_t(index))) : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this, thumbnailRect(index).toRect());
        return true;
    }
    return QWidget::event(event);
}

void BrushFileView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Home && modifiers == Qt::NoModifier) {
        scrollToTop();
        return;
    }
    if (event->key() == Qt::Key_End && modifiers == Qt::NoModifier) {
        scrollToBottom();
        return;
    }
    const int count = mBrushFile ? int(mBrushFile->count()) : 0;
    if (count > 0) {
        const int from = mCurrent;
        const int n = std::max(1, mItemsPerRow);
        const int page =
            std::max(1, mScrollArea
                            ? int(mScrollArea->viewport()->height() / std::max(1.0, rowPitch()))
                            : 1) *
            n;
        int to = -2;
        switch (event->key()) {
        case Qt::Key_Left:
            to = from - 1;
            break;
        case Qt::Key_Right:
            to = from + 1;
            break;
        case Qt::Key_Up:
            to = from - n;
            break;
        case Qt::Key_Down:
            to = from < 0 ? 0 : from + n;
            break;
        case Qt::Key_PageUp:
            to = from - page;
            break;
        case Qt::Key_PageDown:
            to = from < 0 ? 0 : from + page;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (modifiers == Qt::NoModifier && from >= 0) {
                Q_EMIT brushActivated(from);
                return;
            }
            break;
        default:
            break;
        }
        if (to != -2 && (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier)) == 0) {
            // Up from the first row and down from the last stay put, as in a list.
            if (from < 0)
                to = 0;
            else if (to < 0 || to >= count)
                to = (event->key() == Qt::Key_Left || event->key() == Qt::Key_PageUp) ? 0
                     : (event->key() == Qt::Key_Right || event->key() == Qt::Key_PageDown)
                         ? count - 1
                         : from;
            moveCurrent(to, modifiers);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void BrushFileView::moveCurrent(int to, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier) {
        selectRange(mAnchor >= 0 ? mAnchor : std::max(0, mCurrent), to, false);
    } else if (modifiers & Qt::ControlModifier) {
        setCurrentIndex(to); // moves the keyboard only; Ctrl+Space is not needed for a grid
    } else {
        selectOnly(to);
    }
}

void BrushFileView::selectRange(int anchor, int to, bool addToSelection)
{
    if (!addToSelection)
        std::fill(mSelected.begin(), mSelected.end(), false);
    for (int i = std::min(anchor, to); i <= std::max(anchor, to); ++i)
        mSelected[size_t(i)] = true;
    mSelectedCount = int(std::count(mSelected.begin(), mSelected.end(), true));
    mAnchor = anchor;
    update();
    setCurrentIndex(to);
    Q_EMIT selectionChanged();
}

void BrushFileView::scrollToTop()
{
    if (mScrollArea)
        mScrollArea->verticalScrollBar()->setValue(0);
}

void BrushFileView::scrollToBottom()
{
    if (mScrollArea)
        mScrollArea->verticalScrollBar()->setValue(mScrollArea->verticalScrollBar()->maximum());
}

void BrushFileView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const int index = thumbnailAt(event->position());
    mPressIndex = -1;
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (index < 0) {
        if (!(modifiers & (Qt::ControlModifier | Qt::ShiftModifier)))
            clearSelection();
        return;
    }
    mPressPos = event->position().toPoint();
    mPressIndex = index;
    if (modifiers & Qt::ShiftModifier) {
        selectRange(mAnchor >= 0 ? mAnchor : index, index, modifiers & Qt::ControlModifier);
    } else if (modifiers & Qt::ControlModifier) {
        mSelected[size_t(index)] = !mSelected[size_t(index)];
        mSelectedCount += mSelected[size_t(index)] ? 1 : -1;
        mAnchor = index;
        repaintBrush(index);
        setCurrentIndex(index);
        Q_EMIT selectionChanged();
    } else if (!isSelected(index)) {
        selectOnly(index);
    } else {
        // A press on a selection may start dragging all of it; the release narrows it.
        setCurrentIndex(index);
    }
}

void BrushFileView::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && isSelected(mPressIndex) &&
        (event->position().toPoint() - mPressPos).manhattanLength() >=
            QApplication::startDragDistance()) {
        startDrag(mPressIndex);
        mPressIndex = -1;
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void BrushFileView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && mPressIndex >= 0 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) && mSelectedCount > 1)
        selectOnly(mPressIndex);
    mPressIndex = -1;
    QWidget::mouseReleaseEvent(event);
}

void BrushFileView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = thumbnailAt(event->position());
    if (event->button() == Qt::LeftButton && index >= 0)
        Q_EMIT brushActivated(index);
}

void BrushFileView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(event); // the scroll area scrolls
        return;
    }
    mWheelRemainder += event->angleDelta().y();
    const int steps = mWheelRemainder / kWheelStep;
    mWheelRemainder -= steps * kWheelStep;
    zoomBySteps(steps);
    event->accept();
}

void BrushFileView::focusInEvent(QFocusEvent* event)
{
    repaintBrush(mCurrent);
    if (mScrollArea)
        mScrollArea->update(); // its frame shows where the keyboard is
    QWidget::focusInEvent(event);
}

void BrushFileView::focusOutEvent(QFocusEvent* event)
{
    repaintBrush(mCurrent);
    if (mScrollArea)
        mScrollArea->update();
    QWidget::focusOutEvent(event);
}

QMimeData* BrushFileView::mimeDataForBrushes(const QList<int>& indexes, bool withFiles)
{
    if (!mBrushFile)
        return nullptr;
    BrushExporter::Options options;
    options.naming = BrushExporter::eNameByBrushName;
    for (int i : indexes)
        options.indexes.push_back(size_t(i));
    const QStringList names =
        BrushExporter(mBrushFile).fileNamesForBrushes(options, QStringLiteral("png"));
    if (withFiles && (!mDragFolder || !mDragFolder->isValid()))
        mDragFolder = std::make_unique<QTemporaryDir>(
            QDir(QDir::tempPath()).filePath(QStringLiteral("kelbrin-drag-XXXXXX")));
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    QByteArray firstPng;
    for (int k = 0; k < indexes.size(); ++k) {
        const QImage image = fullImageForBrush(mBrushFile->brush(size_t(indexes[k])));
        if (image.isNull())
            continue;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            continue;
        if (firstPng.isEmpty()) {
            firstPng = png;
            mime->setImageData(image);
        }
        if (!withFiles || !mDragFolder->isValid())
            continue;
        QFile file(mDragFolder->filePath(names.at(k)));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(png) == png.size())
            urls << QUrl::fromLocalFile(file.fileName());
        else
            qCWarning(lcUi).noquote() << file.fileName() << file.errorString();
    }
    if (firstPng.isEmpty())
        return nullptr;
    mime->setData(QStringLiteral("image/png"), firstPng);
    if (!urls.isEmpty())
        mime->setUrls(urls);
    return mime.release();
}

void BrushFileView::startDrag(int pressed)
{
    QMimeData* mime = mimeDataForBrushes(selectedIndexes(), true);
    if (!mime)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QPixmap& preview = thumbnail(pressed, std::max(1, int(mSide)), devicePixelRatioF());
    if (!preview.isNull())
        drag->setPixmap(preview);
    drag->exec(Qt::CopyAction);
}

bool BrushFileView::eventFilter(QObject* watched, QEvent* event)
{
    if (mScrollArea && watched == mScrollArea->viewport() && event->type() == QEvent::Resize) {
        auto* resize = static_cast<QResizeEvent*>(event);
        if (!resize->oldSize().isValid() || mBoundsAtLastResizing.isEmpty()) {
            updateLayout();
            mBoundsAtLastResizing = resize->size();
        } else {
            if (!mLiveResizeTimer.isActive())
                mBoundsAtLastResizing = resize->oldSize(); // a live resize begins
            mLiveResizeTimer.start();
            viewportResized();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BrushFileView::viewportResized()
{
    const QSizeF now = mScrollArea->viewport()->size();
    double rw = now.width() / mBoundsAtLastResizing.width();
    double rh = now.height() / mBoundsAtLastResizing.height();
    if (rw < 1)
        rw = 1 / rw;
    if (rh < 1)
        rh = 1 / rh;
    if (mLiveResizeTimer.isActive() && rw < kLiveResizeStep && rh < kLiveResizeStep)
        return;
    updateLayout();
    mBoundsAtLastResizing = now;
}

void BrushFileView::liveResizeEnded()
{
    if (mScrollArea && QSizeF(mScrollArea->viewport()->size()) != mBoundsAtLastResizing) {
        updateLayout();
        mBoundsAtLastResizing = mScrollArea->viewport()->size();
    }
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
