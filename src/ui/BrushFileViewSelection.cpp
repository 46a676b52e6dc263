// The grid's selection: clicks, keys, the current brush, and what a copy or drag carries.

#include "ui/BrushFileView.h"

#include "actions/BrushExporter.h"
#include "platform/Logging.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollArea>
#include <QUrl>

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
    const QPixmap preview = thumbnail(pressed, devicePixelRatioF());
    if (!preview.isNull())
        drag->setPixmap(preview);
    drag->exec(Qt::CopyAction);
}
