// The grid's selection: clicks, keys, the current brush, and what a copy or drag carries.

#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushFileViewAccessible.h"

#include "actions/BrushExporter.h"
#include "brush/SafeFileName.h"
#include "platform/Logging.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollArea>
#include <QSet>
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
    if (mShowNames || mShowStrokes)
        area = area.united(captionRect(index));
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
    updateAccessibleDescription();
    BrushFileViewAccessible::notifyCurrentChanged(this);
}

// The grid draws its cells itself, so a screen reader learns of the brush under the keyboard,
// its size and its settings, from the grid's own description.
void BrushFileView::updateAccessibleDescription()
{
    const PatternPtr pattern = patternAt(mCurrent);
    setAccessibleDescription(pattern ? toolTipForPattern(*pattern)
                             : mCurrent >= 0 && mCurrent < brushCount()
                                 ? toolTipForBrush(*mBrushFile->brush(size_t(mCurrent)))
                                 : QString());
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
    const int count = itemCount();
    if (count > 0) {
        const int from = mCurrent;
        const int n = std::max(1, mItemsPerRow);
        const int pageRows = std::max(
            1,
            mScrollArea ? int(mScrollArea->viewport()->height() / std::max(1.0, rowPitch())) : 1);
        // Up and Down keep the column from row to row, also into and out of the patterns'
        // rows, landing on a shorter row's last item; from the first or last row they stay put,
        // as in a list. Page keys go as far as they can.
        const int row = from < 0 ? 0 : visualRow(from);
        const int column = from < 0              ? 0
                           : from < brushCount() ? from % n
                                                 : (from - brushCount()) % n;
        const int rows = visualRowCount();
        int to = -2;
        switch (event->key()) {
        case Qt::Key_Left:
            to = std::max(0, from - 1);
            break;
        case Qt::Key_Right:
            to = std::min(count - 1, from + 1);
            break;
        case Qt::Key_Up:
            to = row > 0 ? indexAt(row - 1, column) : from;
            break;
        case Qt::Key_Down:
            to = row + 1 < rows ? indexAt(row + 1, column) : from;
            break;
        case Qt::Key_PageUp:
            to = row - pageRows >= 0 ? indexAt(row - pageRows, column) : 0;
            break;
        case Qt::Key_PageDown:
            to = row + pageRows < rows ? indexAt(row + pageRows, column) : count - 1;
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
            moveCurrent(from < 0 ? 0 : to, modifiers);
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
    BrushFileViewAccessible::notifyCurrentChanged(this);
}

void BrushFileView::focusOutEvent(QFocusEvent* event)
{
    repaintBrush(mCurrent);
    if (mScrollArea)
        mScrollArea->update();
    QWidget::focusOutEvent(event);
}

const QString BrushFileView::kDraggedBrushesFormat =
    QStringLiteral("application/x-kelbrin-brush-pictures");

QMimeData* BrushFileView::mimeDataForBrushes(const QList<int>& indexes, bool withFiles)
{
    if (!mBrushFile)
        return nullptr;
    BrushExporter::Options options;
    options.naming = BrushExporter::eNameByBrushName;
    options.indexes.emplace();
    for (int i : indexes)
        if (i < brushCount())
            options.indexes->push_back(size_t(i));
    const QStringList brushNames =
        options.indexes->empty()
            ? QStringList()
            : BrushExporter(mBrushFile).fileNamesForBrushes(options, QStringLiteral("png"));
    // Patterns are named as brushes are, after the brushes' names, and never over one.
    QSet<QString> taken;
    for (const QString& name : brushNames)
        taken.insert(name.toCaseFolded());
    QStringList names;
    int nextBrush = 0;
    for (int i : indexes) {
        const PatternPtr pattern = patternAt(i);
        if (!pattern) {
            names << brushNames.value(nextBrush++);
            continue;
        }
        QString stem = SafeFileName(pattern->displayName());
        if (stem.isEmpty())
            stem = QStringLiteral("pattern %1").arg(i - brushCount() + 1);
        QString name = stem + QStringLiteral(".png");
        for (int k = 1; taken.contains(name.toCaseFolded()); ++k)
            name = QStringLiteral("%1-%2.png").arg(stem).arg(k);
        taken.insert(name.toCaseFolded());
        names << name;
    }
    if (withFiles && (!mDragFolder || !mDragFolder->isValid()))
        mDragFolder = std::make_unique<QTemporaryDir>(
            QDir(QDir::tempPath()).filePath(QStringLiteral("kelbrin-drag-XXXXXX")));
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    QByteArray firstPng;
    for (int k = 0; k < indexes.size(); ++k) {
        const PatternPtr pattern = patternAt(indexes[k]);
        const QImage image =
            pattern ? pattern->image() : fullImageForBrush(mBrushFile->brush(size_t(indexes[k])));
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
    mime->setData(kDraggedBrushesFormat, mBrushFile->getPath().toUtf8());
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
