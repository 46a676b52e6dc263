#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushFileViewAccessible.h"

#include "ui/grid/StrokePreviews.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QToolTip>
#include <algorithm>
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
// A stroke's cell is this many times wider than tall, at least and at most: wide enough for the
// S-curve to read as a stroke, never a strip whose stroke is a line.
constexpr double kStrokeAspect = 2.5;
constexpr double kStrokeAspectLeast = 2.0;
constexpr double kStrokeAspectMost = 3.5;
} // namespace

BrushFileView::BrushFileView(QWidget* parent) : QWidget(parent)
{
    BrushFileViewAccessible::installFactory();
    setAccessibleName(tr("Brushes"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    mLiveResizeTimer.setSingleShot(true);
    mLiveResizeTimer.setInterval(200);
    connect(&mLiveResizeTimer, &QTimer::timeout, this, &BrushFileView::liveResizeEnded);
    mStrokes = new StrokePreviews(this);
    // Only that cell: the rest of the grid stays as it is while strokes come in.
    connect(mStrokes, &StrokePreviews::previewReady, this, [this](int index) {
        if (mShowStrokes)
            update(thumbnailRect(index).toAlignedRect());
    });
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
        return mZoomItems;
    return int(mSlider->maximum() + mSlider->minimum()) - mSlider->value();
}

void BrushFileView::setItemsPerColumn(int count)
{
    if (count == getItemsPerColumn())
        return;
    if (!mSlider) {
        mZoomItems = count;
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

void BrushFileView::setShowStrokes(bool show)
{
    if (show == mShowStrokes)
        return;
    mShowStrokes = show;
    updateLayout();
}

double BrushFileView::brushScale() const
{
    // The ratio of this zoom's cell side to the default zoom's at the same width: the width
    // cancels out, so resizing the window moves brushes about but leaves their size alone.
    auto sideFor = [](int perRow) { return 1.0 / ((1.0 + kGapRatio) * perRow + kGapRatio); };
    return sideFor(std::max(1, mZoomItems)) / sideFor(kDefaultItemsPerRow);
}

double BrushFileView::nameLineHeight() const
{
    // With strokes the line is always there: it gives the diameter.
    return mShowNames || mShowStrokes ? fontMetrics().height() + 2 : 0.0;
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
    const int c = brushCount();
    const int patterns = patternCount();
    const float W = mScrollArea ? float(mScrollArea->viewport()->width()) : float(width());
    const float H = mScrollArea ? float(mScrollArea->viewport()->height()) : float(height());
    float s = W / ((1.0f + kGapRatio) * float(n) + kGapRatio);
    float g = kGapRatio * s;
    float w = s;
    mZoomItems = n;
    if (mShowStrokes) {
        // As many wide cells as fit at the zoom's height, widened to fill the row; the height
        // then follows the width within the aspects above, so one cell a row is no thin strip.
        n = std::max(1, int((W - g) / (float(kStrokeAspect) * s + g)));
        w = (W - g) / float(n) - g;
        s = std::clamp(s, w / float(kStrokeAspectMost), w / float(kStrokeAspectLeast));
    }
    const float p = s + g + float(nameLineHeight());
    const int rows = (c + n - 1) / n;
    float needed = float(rows) * p + g;
    if (mShowStrokes && (s != mSide || w != mCellWidth))
        mStrokes->dropQueued();
    mItemsPerRow = n;
    mSide = s;
    mCellWidth = w;
    mGap = g;
    if (patterns > 0)
        needed += float(headingHeight()) + float((patterns + n - 1) / n) * p;
    resize(int(W), int(std::ceil(std::max(H, needed))));
}

// Brush rows, then a heading line and the pattern rows (B brush rows, pitch p, gap g):
//
//   g [b0] g [b1] g [b2] g      brush row r:     top = r·p + g
//   g [b3] g  ...
//   g Patterns                  heading:         top = B·p + g, one line of text
//   g [t0] g [t1] g             pattern row r:   top = B·p + (line + g) + r·p + g
//
// so a pattern row is a brush row moved down by patternsOrigin().
QRectF BrushFileView::thumbnailRect(int index) const
{
    const int n = std::max(1, mItemsPerRow);
    const double p = mCellWidth + mGap;
    double top = 0;
    const int brushes = brushCount();
    if (index >= brushes && patternCount() > 0) {
        index -= brushes;
        top = patternsOrigin();
    }
    return QRectF((index % n) * p + mGap, top + (index / n) * rowPitch() + mGap, mCellWidth, mSide);
}

int BrushFileView::diameterPixelSize() const
{
    // Below this a cell is all tip: the digits would crowd it, and the tool tip gives them.
    constexpr double kSmallestCellWithDiameter = 40;
    return mSide >= kSmallestCellWithDiameter ? std::clamp(int(mSide / 8), 9, 12) : 0;
}

QRectF BrushFileView::diameterRect(int index) const
{
    const int pixelSize = diameterPixelSize();
    if (pixelSize == 0 || index < 0 || index >= brushCount() ||
        diameterLabel(*mBrushFile->brush(size_t(index))).isEmpty())
        return QRectF();
    if (mShowStrokes) {
        // The caption line's right end, after the name.
        const QRectF caption = captionRect(index);
        const double width = pixelSize * 5.5;
        return QRectF(caption.right() - width, caption.top(), width, caption.height());
    }
    const QRectF cell = thumbnailRect(index);
    const double line = pixelSize + 4;
    return QRectF(cell.left(), cell.bottom() - line, cell.width(), line);
}

QRectF BrushFileView::tipRect(int index) const
{
    const QRectF cell = thumbnailRect(index);
    const QRectF line = diameterRect(index);
    return line.isEmpty() || mShowStrokes ? cell : cell.adjusted(0, 0, 0, -line.height());
}

double BrushFileView::headingHeight() const
{
    return fontMetrics().height() + mGap;
}

double BrushFileView::patternsOrigin() const
{
    const int n = std::max(1, mItemsPerRow);
    return ((brushCount() + n - 1) / n) * rowPitch() + headingHeight();
}

QRectF BrushFileView::headingRect() const
{
    if (patternCount() == 0)
        return QRectF();
    const double top = patternsOrigin() - headingHeight() + mGap;
    return QRectF(mGap, top, std::max(0.0, width() - 2 * mGap), fontMetrics().height());
}

int BrushFileView::itemCount() const
{
    return brushCount() + patternCount();
}

PatternPtr BrushFileView::patternAt(int index) const
{
    const int at = index - brushCount();
    if (index < 0 || at < 0 || at >= patternCount())
        return nullptr;
    return mBrushFile->patterns()[size_t(at)];
}

int BrushFileView::visualRow(int index) const
{
    const int n = std::max(1, mItemsPerRow);
    const int brushes = brushCount();
    if (index < brushes)
        return index / n;
    return (brushes + n - 1) / n + (index - brushes) / n;
}

int BrushFileView::visualRowCount() const
{
    const int n = std::max(1, mItemsPerRow);
    return (brushCount() + n - 1) / n + (patternCount() + n - 1) / n;
}

int BrushFileView::indexAt(int row, int column) const
{
    const int n = std::max(1, mItemsPerRow);
    const int brushRows = (brushCount() + n - 1) / n;
    if (row < 0 || row >= visualRowCount())
        return -1;
    const int first = row < brushRows ? 0 : brushCount();
    const int end = row < brushRows ? brushCount() : itemCount();
    const int sectionRow = row < brushRows ? row : row - brushRows;
    return std::min(first + sectionRow * n + column, end - 1);
}

QRectF BrushFileView::captionRect(int index) const
{
    if (!mShowStrokes)
        return nameRect(index);
    const QRectF cell = thumbnailRect(index);
    return QRectF(cell.x(), cell.bottom() + 1, cell.width(), nameLineHeight() - 1);
}

QRectF BrushFileView::nameRect(int index) const
{
    if (!mShowNames)
        return QRectF();
    if (mShowStrokes) {
        const QRectF caption = captionRect(index);
        const QRectF diameter = diameterRect(index);
        return diameter.isEmpty() ? caption : caption.adjusted(0, 0, -diameter.width(), 0);
    }
    // The name may run into the gaps on either side: at small sizes the cell alone holds
    // hardly a word.
    const QRectF cell = thumbnailRect(index);
    return QRectF(cell.x() - mGap / 2, cell.bottom() + 1, mSide + mGap, nameLineHeight() - 1);
}

int BrushFileView::thumbnailAt(QPointF point) const
{
    if (!mBrushFile || mSide <= 0)
        return -1;
    const double p = mCellWidth + mGap;
    int first = 0;
    int end = brushCount();
    double top = 0;
    if (patternCount() > 0 && point.y() >= headingRect().top()) {
        first = end;
        end = itemCount();
        top = patternsOrigin();
    }
    const int column = int(std::floor((point.x() - mGap / 2) / p));
    const int row = int(std::floor((point.y() - top - mGap) / rowPitch()));
    if (column < 0 || column >= mItemsPerRow || row < 0)
        return -1;
    const int index = first + row * mItemsPerRow + column;
    if (index >= end)
        return -1;
    if (!thumbnailRect(index).contains(point) && !captionRect(index).contains(point))
        return -1;
    return index;
}

void BrushFileView::ensureVisible(int index)
{
    if (!mScrollArea || index < 0)
        return;
    QRectF area = thumbnailRect(index);
    if (mShowNames || mShowStrokes)
        area = area.united(captionRect(index));
    const QPointF centre = area.center();
    mScrollArea->ensureVisible(int(centre.x()), int(centre.y()), int(area.width() / 2 + mGap),
                               int(area.height() / 2 + mGap));
}

void BrushFileView::setBrushFile(const BrushFilePtr& file)
{
    mBrushFile = file;
    mThumbnailCache.clear();
    mStrokes->setFile(file);
    mSelected.assign(size_t(itemCount()), false);
    mSelectedCount = 0;
    mCurrent = mAnchor = -1;
    updateAccessibleDescription();
    BrushFileViewAccessible::notifyCellsChanged(this);
    updateLayout();
    if (mScrollArea) {
        mScrollArea->verticalScrollBar()->setValue(0);
        mScrollArea->horizontalScrollBar()->setValue(0);
    }
}

void BrushFileView::brushesAppended()
{
    if (!mBrushFile || size_t(itemCount()) <= mSelected.size())
        return;
    const int first = int(mSelected.size());
    const int last = itemCount() - 1;
    mSelected.resize(size_t(itemCount()), false);
    const QRectF before = thumbnailRect(last);
    const int oldHeight = height();
    updateLayout();
    BrushFileViewAccessible::notifyCellsChanged(this);
    // Only the new cells need painting unless the layout itself moved.
    if (height() == oldHeight && thumbnailRect(last) == before)
        update(thumbnailRect(first).united(thumbnailRect(last)).toAlignedRect());
}

void BrushFileView::setStarredIndexes(QSet<int> indexes)
{
    if (indexes == mStarred)
        return;
    mStarred = std::move(indexes);
    update();
}

void BrushFileView::clear()
{
    mBrushFile.reset();
    mThumbnailCache.clear();
    mStrokes->setFile(nullptr);
    const bool hadSelection = mSelectedCount > 0;
    mSelected.clear();
    mSelectedCount = 0;
    mCurrent = mAnchor = -1;
    updateAccessibleDescription();
    BrushFileViewAccessible::notifyCellsChanged(this);
    update();
    if (hadSelection)
        Q_EMIT selectionChanged();
}

bool BrushFileView::event(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        mThumbnailCache.clear();
        mStrokes->clearCache();
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
        const PatternPtr pattern = patternAt(index);
        QString text = pattern      ? toolTipForPattern(*pattern)
                       : index >= 0 ? toolTipForBrush(*mBrushFile->brush(size_t(index)))
                                    : QString();
        if (!text.isEmpty() && !pattern && mShowStrokes && mStrokes->simplified(index))
            text += QLatin1Char('\n') + tr("Stroke simplified: the preset asks for more dabs or "
                                           "a larger tip than a preview paints");
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this, thumbnailRect(index).toRect());
        return true;
    }
    return QWidget::event(event);
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
