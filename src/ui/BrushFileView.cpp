#include "ui/BrushFileView.h"

#include "ui/ImageScaling.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QToolTip>
#include <cmath>

namespace {
// Gaps are this fraction of a thumbnail's side: n thumbnails and n + 1 gaps fill the width.
constexpr float kGapRatio = 0.1875f;
// During a live resize, relayout only once the size has changed by this factor.
constexpr double kLiveResizeStep = 1.01;
} // namespace

BrushFileView::BrushFileView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    mLiveResizeTimer.setSingleShot(true);
    mLiveResizeTimer.setInterval(200);
    connect(&mLiveResizeTimer, &QTimer::timeout, this, &BrushFileView::liveResizeEnded);
}

QColor BrushFileView::backgroundColor()
{
    return QColor::fromHsvF(0.0f, 0.0f, 0.96f, 1.0f);
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
    const float p = s + g;
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
    return QRectF((index % n) * p + mGap, (index / n) * p + mGap, mSide, mSide);
}

int BrushFileView::thumbnailAt(QPointF point) const
{
    if (!mBrushFile || mSide <= 0)
        return -1;
    const double p = mSide + mGap;
    const int column = int(std::floor((point.x() - mGap) / p));
    const int row = int(std::floor((point.y() - mGap) / p));
    if (column < 0 || column >= mItemsPerRow || row < 0)
        return -1;
    const int index = row * mItemsPerRow + column;
    if (index >= int(mBrushFile->count()) || !thumbnailRect(index).contains(point))
        return -1;
    return index;
}

void BrushFileView::setBrushFile(const BrushFilePtr& file)
{
    mBrushFile = file;
    mThumbnailCache.clear();
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
    update();
}

const QPixmap& BrushFileView::thumbnail(int index, int side)
{
    if (side != mCachedSide) {
        mThumbnailCache.clear();
        mCachedSide = side;
    }
    auto it = mThumbnailCache.find(index);
    if (it != mThumbnailCache.end())
        return *it;
    // Like an image view's default: shrink large images proportionally, never enlarge small
    // ones, centre them in the cell.
    const QImage image = mBrushFile->brush(size_t(index))->thumbnail(side);
    QPixmap pixmap;
    if (!image.isNull())
        pixmap = QPixmap::fromImage(image);
    return *mThumbnailCache.insert(index, pixmap);
}

void BrushFileView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
    if (!mBrushFile || mSide <= 0)
        return;
    const int side = std::max(1, int(mSide));
    const QRect dirty = event->rect();
    const double p = mSide + mGap;
    const int firstRow = std::max(0, int((dirty.top() - mGap) / p));
    const int lastRow = int((dirty.bottom() - mGap) / p);
    const int count = int(mBrushFile->count());
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < mItemsPerRow; ++column) {
            const int index = row * mItemsPerRow + column;
            if (index >= count)
                return;
            const QPixmap& pixmap = thumbnail(index, side);
            if (pixmap.isNull())
                continue;
            const QRectF cell = thumbnailRect(index);
            const QPointF origin(cell.x() + (cell.width() - pixmap.width()) / 2.0,
                                 cell.y() + (cell.height() - pixmap.height()) / 2.0);
            painter.drawPixmap(origin, pixmap);
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

bool BrushFileView::event(QEvent* event)
{
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
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        scrollToTop();
        return;
    }
    if (event->key() == Qt::Key_End && event->modifiers() == Qt::NoModifier) {
        scrollToBottom();
        return;
    }
    QWidget::keyPressEvent(event);
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
    QWidget::mousePressEvent(event);
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
}
