#include "ui/window/ReadingController.h"

#include "convert/BrushPackReader.h"
#include "platform/ReadProgress.h"
#include "thread/CFileReadingSession.h"
#include "thread/CWorkingThread.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushViewer.h"
#include "ui/window/BottomDisplay.h"
#include "ui/window/ReadMessageBar.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The grid's scroll area draws a frame in the highlight colour while the grid has the keyboard,
// so Tab shows where it went.
class GridScrollArea : public QScrollArea
{
public:
    explicit GridScrollArea(QWidget* parent) : QScrollArea(parent)
    {
        setViewportMargins(2, 2, 2, 2);
    }

protected:
    // Paint events of the area itself are its frame's; the viewport's arrive in paintEvent.
    bool event(QEvent* event) override
    {
        const bool handled = QScrollArea::event(event);
        if (event->type() != QEvent::Paint)
            return handled;
        QPainter painter(this);
        const bool focused = widget() && widget()->hasFocus();
        const QColor edge = focused ? palette().color(QPalette::Highlight)
                                    : BrushFileView::backgroundColor(palette());
        painter.setPen(QPen(edge, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        return handled;
    }
};
} // namespace

ReadingController::ReadingController(QWidget* window, QWidget* gridPane)
    : QObject(window), mWindow(window), mFileReadingThread(std::make_unique<CWorkingThread>())
{
    auto* paneLayout = new QVBoxLayout(gridPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    mPages = new QStackedWidget(gridPane);
    paneLayout->addWidget(mPages, 1);
    mGridPage = new QWidget(mPages);
    mPages->addWidget(mGridPage);
    auto* gridLayout = new QVBoxLayout(mGridPage);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    mScrollArea = new GridScrollArea(mGridPage);
    mScrollArea->setFrameShape(QFrame::NoFrame);
    mScrollArea->setBackgroundRole(QPalette::Base);
    // The grid inside takes the keyboard; the area around it is no stop of its own for Tab.
    mScrollArea->setFocusPolicy(Qt::NoFocus);
    mFileView = new BrushFileView;
    mFileView->setObjectName(QStringLiteral("fileView"));
    mFileView->setScrollArea(mScrollArea);
    mReadMessage = new ReadMessageBar(mGridPage);
    gridLayout->addWidget(mReadMessage);
    gridLayout->addWidget(mScrollArea, 1);

    mStatusLabel = new QLabel(window);
    mStatusLabel->setObjectName(QStringLiteral("statusLabel"));
    mReadProgress = new QProgressBar(window);
    mReadProgress->setObjectName(QStringLiteral("readProgress"));
    mReadProgress->setAccessibleName(tr("Reading the brush file"));
    mReadProgress->setMaximumWidth(160);
    mReadProgress->setMaximumHeight(14);
    mReadProgress->setTextVisible(false);
    mReadProgress->hide();
    mReadProgressTimer = new QTimer(this);
    mReadProgressTimer->setInterval(100);
    connect(mReadProgressTimer, &QTimer::timeout, this, &ReadingController::pollReadProgress);

    mReading = std::make_unique<CFileReadingSession>(
        *mFileReadingThread,
        [this](const BrushFilePtr& file, const BrushPtr& brush) { brushAdded(file, brush); },
        [this](const BrushFilePtr& file, const ReadOutcome& outcome) {
            finishedReadingFile(file, outcome);
        },
        [this](const BrushFilePtr& file, const PatternPtr& pattern) {
            patternAdded(file, pattern);
        });
    mWatcher = new QFileSystemWatcher(this);
    connect(mWatcher, &QFileSystemWatcher::fileChanged, this,
            &ReadingController::watchedPathChanged);
    connect(mWatcher, &QFileSystemWatcher::directoryChanged, this,
            &ReadingController::watchedPathChanged);
    connect(mFileView, &BrushFileView::brushActivated, this, &ReadingController::openViewer);
    connect(mFileView, &BrushFileView::selectionChanged, this, &ReadingController::updateStatus);
}

ReadingController::~ReadingController()
{
    if (mReading)
        mReading->Cancel();
    mReading.reset();
    mFileReadingThread.reset();
}

QString ReadingController::displayedFilePath() const
{
    const BrushFilePtr& file = mFileView->getBrushFile();
    return file ? file->getPath() : QString();
}

bool ReadingController::isReadingFile() const
{
    // A file that could not be opened has nothing queued: its read is over before it began.
    return mReading && mReading->isReadingFile() && !mLastReadFailed;
}

void ReadingController::showFile(const QString& path, bool folderIsPack)
{
    if (!path.isEmpty() && path == displayedFilePath())
        return; // already shown, or being read
    cancel();
    clear();
    // A brush waiting to be selected in another file is no longer wanted.
    if (path != mPendingSelectionPath)
        mPendingSelection = -1;
    mReadMessage->hide();
    mLastReadFailed = false;
    mFileView->setBrushFile(nullptr);
    mReading->ShowFile(nullptr);
    setDisplayedPath(path);
    watch(QString());
    Q_EMIT displayChanged();
    updateStatus();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.exists() && info.isDir() && !folderIsPack)
        return;

    auto file = BrushFile::brushFileWithPath(path);
    mFileView->setBrushFile(file);
    mReading->ShowFile(file);
    // A file that cannot be opened stays shown empty, and export stays off for it.
    int openError = 0;
    if (mReading->ReadDisplayedFile(&openError)) {
        mReadProgress->setRange(0, 1000);
        mReadProgress->setValue(0);
        mReadProgress->show();
        mReadProgressTimer->start();
    } else {
        // Said over the empty grid, as a read that fails at once would be.
        ReadOutcome outcome;
        outcome.error = openError;
        mReadMessage->showOutcome(outcome, 0);
        mLastReadFailed = true;
    }
    watch(path);
    Q_EMIT displayChanged();
    updateStatus();
}

void ReadingController::watch(const QString& path)
{
    if (!mWatcher->files().isEmpty())
        mWatcher->removePaths(mWatcher->files());
    if (!mWatcher->directories().isEmpty())
        mWatcher->removePaths(mWatcher->directories());
    if (!path.isEmpty() && QFileInfo::exists(path))
        mWatcher->addPath(path);
}

void ReadingController::watchedPathChanged(const QString& path)
{
    if (path != displayedFilePath())
        return;
    if (!QFileInfo::exists(path)) {
        Q_EMIT displayedFileVanished(path);
        return;
    }
    // Replaced rather than removed (a save through a temporary file): the watch went with the
    // old file, so it is put on the new one.
    watch(path);
}

void ReadingController::rereadIfShown(const QStringList& paths)
{
    const QString path = displayedFilePath();
    if (path.isEmpty() || !paths.contains(path))
        return;
    // showFile leaves the file on display alone; let go of it first.
    mFileView->setBrushFile(nullptr);
    showFile(path, BrushPackReader::isPackPath(path));
}

void ReadingController::cancel()
{
    mReading->Cancel();
}

void ReadingController::clear()
{
    if (mViewer)
        mViewer->close();
    stopProgress();
    mFileView->clear();
    setDisplayedPath(QString());
}

void ReadingController::setDisplayedPath(const QString& path)
{
    const QFileInfo info(path);
    const bool exists = !path.isEmpty() && info.exists();
    Q_EMIT titlePathChanged(exists && !info.isDir() ? path : QString());
    if (mPathStrip)
        mPathStrip->setPath(exists ? path : QString());
}

void ReadingController::brushAdded(const BrushFilePtr& file, const BrushPtr& brush)
{
    if (file != mFileView->getBrushFile())
        return;
    file->addBrush(brush);
    mFileView->brushesAppended();
    if (file->count() == 1)
        Q_EMIT displayChanged(); // Select All
    selectPendingBrush();
    // Text only: the progress bar follows the bytes on its own timer.
    updateStatus();
}

void ReadingController::patternAdded(const BrushFilePtr& file, const PatternPtr& pattern)
{
    if (file != mFileView->getBrushFile())
        return;
    file->addPattern(pattern);
    mFileView->patternsAppended();
    if (mFileView->itemCount() == 1)
        Q_EMIT displayChanged(); // Select All
    updateStatus();
}

void ReadingController::finishedReadingFile(const BrushFilePtr& file, const ReadOutcome& outcome)
{
    stopProgress();
    mLastReadFailed = outcome.failed();
    mReadMessage->showOutcome(outcome, file->count(), file->patterns().size());
    Q_EMIT displayChanged();
    updateStatus();
    Q_EMIT fileReadingFinished(file->getPath());
}

void ReadingController::stopProgress()
{
    mReadProgressTimer->stop();
    mReadProgress->hide();
}

void ReadingController::pollReadProgress()
{
    const QString path = displayedFilePath();
    const qint64 size = QFileInfo(path).size();
    const qint64 offset = ReadOffsetOfOpenFile(path);
    if (size > 0 && offset >= 0)
        mReadProgress->setValue(int(std::min<qint64>(1000, offset * 1000 / size)));
}

void ReadingController::updateStatus()
{
    const BrushFilePtr& file = mFileView->getBrushFile();
    if (!file) {
        mStatusLabel->clear();
        return;
    }
    const int count = int(file->count());
    if (isReadingFile()) {
        mStatusLabel->setText(tr("Reading… %Ln brush(es)", nullptr, count));
        return;
    }
    int kinds[4] = {0, 0, 0, 0};
    for (const BrushPtr& brush : file->brushes())
        ++kinds[int(brush->kind())];
    QString text = tr("%Ln brush(es)", nullptr, count);
    if (count > 0) {
        // Counted words agree with their number in some languages ("1 échantillonnée").
        QStringList kindCounts{tr("%Ln sampled", nullptr, kinds[int(TipKind::Sampled)]),
                               tr("%Ln computed", nullptr, kinds[int(TipKind::Computed)])};
        // Bristle and erodible tips are rarer: named only when the file has them.
        if (const int bristle = kinds[int(TipKind::Bristle)]; bristle > 0)
            kindCounts << tr("%Ln bristle", nullptr, bristle);
        if (const int erodible = kinds[int(TipKind::Erodible)]; erodible > 0)
            kindCounts << tr("%Ln erodible", nullptr, erodible);
        text += tr(" (%1)", "the kinds of the brushes counted").arg(kindCounts.join(tr(", ")));
    }
    if (const int patterns = int(file->patterns().size()); patterns > 0)
        text += tr(", ") + tr("%Ln pattern(s)", nullptr, patterns);
    const int selected = int(mFileView->selectedIndexes().size());
    if (selected > 0)
        text += tr(" — %Ln selected", nullptr, selected);
    mStatusLabel->setText(text);
}

void ReadingController::selectWhenRead(const QString& path, int index)
{
    mPendingSelectionPath = path;
    mPendingSelection = index;
    selectPendingBrush();
}

void ReadingController::selectPendingBrush()
{
    const BrushFilePtr& file = mFileView->getBrushFile();
    if (mPendingSelection < 0 || !file || file->getPath() != mPendingSelectionPath ||
        size_t(mPendingSelection) >= file->count())
        return;
    mFileView->selectOnly(std::exchange(mPendingSelection, -1));
}

void ReadingController::showInsteadOfGrid(QWidget* page)
{
    if (page && mPages->indexOf(page) < 0)
        mPages->addWidget(page);
    mPages->setCurrentWidget(page ? page : mGridPage);
}

QWidget* ReadingController::pageShown() const
{
    return mPages->currentWidget() == mGridPage ? nullptr : mPages->currentWidget();
}

BrushViewer* ReadingController::viewer() const
{
    return mViewer;
}

void ReadingController::openViewer(int index)
{
    const BrushFilePtr& file = mFileView->getBrushFile();
    if (!file || index < 0 || index >= mFileView->itemCount())
        return;
    if (mViewer && mViewer->brushFile() == file) {
        mViewer->showBrush(index);
    } else {
        if (mViewer)
            mViewer->close();
        mViewer = new BrushViewer(file, index, mWindow);
        // Stepping in the viewer moves the grid's selection along, so closing it leaves the
        // grid where the user was looking.
        connect(mViewer, &BrushViewer::brushShown, mFileView, [this](int shown) {
            if (!mFileView->isSelected(shown) || mFileView->selectedIndexes().size() > 1)
                mFileView->selectOnly(shown);
        });
        connect(mViewer, &QObject::destroyed, mFileView, [this] { mFileView->setFocus(); });
        Q_EMIT viewerOpened(mViewer);
    }
    mViewer->show();
    mViewer->raise();
    mViewer->activateWindow();
}

void ReadingController::copySelectedBrush()
{
    const QList<int> selected = mFileView->selectedIndexes();
    if (selected.isEmpty())
        return;
    const int current = mFileView->currentIndex();
    const int index = selected.contains(current) ? current : selected.first();
    if (QMimeData* mime = mFileView->mimeDataForBrushes({index}, false))
        QGuiApplication::clipboard()->setMimeData(mime);
}
