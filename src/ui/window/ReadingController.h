#pragma once

#include "abr/CBrushSink.h"
#include "brush/BrushFile.h"

#include <QObject>
#include <QPointer>
#include <memory>

class BottomDisplay;
class BrushFileView;
class BrushViewer;
class CFileReadingSession;
class CWorkingThread;
class QFileSystemWatcher;
class QLabel;
class QProgressBar;
class QScrollArea;
class QStackedWidget;
class QTimer;
class QWidget;
class ReadMessageBar;

// The file on display: reads it on the window's worker thread, fills the grid's BrushFile as
// brushes and then its patterns arrive, and keeps the grid, the message above it, the path strip,
// the status line and the reading progress in step with the read. Owns the brush viewer opened from
// the grid.
class ReadingController : public QObject
{
    Q_OBJECT
public:
    // Builds the grid pane (the message bar above the scrolling grid) inside gridPane, and the
    // status line's label and progress bar for the window to place.
    ReadingController(QWidget* window, QWidget* gridPane);
    // Stops the read before the grid it fills goes away.
    ~ReadingController() override;

    BrushFileView* fileView() const { return mFileView; }
    QScrollArea* scrollArea() const { return mScrollArea; }
    ReadMessageBar* readMessage() const { return mReadMessage; }
    QLabel* statusLabel() const { return mStatusLabel; }
    QProgressBar* readProgress() const { return mReadProgress; }
    void setPathStrip(BottomDisplay* strip) { mPathStrip = strip; }

    // Shows path in the grid, reading it from the start; "" or a folder leaves the grid empty,
    // unless the folder is a converted pack, which shows its brushes. The file already shown (or
    // being read) is left alone.
    void showFile(const QString& path, bool folderIsPack = false);
    // Selects the brush at index of path once the read of path has brought it (at once when it
    // is already in the grid).
    void selectWhenRead(const QString& path, int index);
    // Shows page in the grid's place (the message above it goes too), or the grid again for
    // nullptr; the path strip and the status line stay with the file on display.
    void showInsteadOfGrid(QWidget* page);
    QWidget* pageShown() const;
    // Reads the file on display again from the start, when it is one of paths.
    void rereadIfShown(const QStringList& paths);
    void cancel();
    // Empties the grid and the path strip and closes the viewer.
    void clear();
    // Points the path strip and the title at path after the file or a folder above it moved.
    void setDisplayedPath(const QString& path);
    QString displayedFilePath() const;
    bool isReadingFile() const;
    bool lastReadFailed() const { return mLastReadFailed; }

    // The status line: the file on display's brush count, or how far its reading got; empty
    // for a folder or nothing.
    void updateStatus();

    BrushViewer* viewer() const;
    void openViewer(int index);
    void copySelectedBrush();

Q_SIGNALS:
    // Emitted on the main thread after each "FinishedReadingFile" of the file on display.
    void fileReadingFinished(const QString& path);
    // The file the title bar names: the displayed file, or "" for a folder or nothing.
    void titlePathChanged(const QString& path);
    // What the grid holds or whether it is being read changed; the window revalidates.
    void displayChanged();
    // The file on display was deleted, trashed or moved away by anyone.
    void displayedFileVanished(const QString& path);
    // A viewer was made for the file on display (it may be shown again for other brushes).
    void viewerOpened(BrushViewer* viewer);

private:
    void brushAdded(const BrushFilePtr& file, const BrushPtr& brush);
    void patternAdded(const BrushFilePtr& file, const PatternPtr& pattern);
    void finishedReadingFile(const BrushFilePtr& file, const ReadOutcome& outcome);
    void pollReadProgress();
    void stopProgress();
    // Follows path (a file, or a pack's folder) until it goes; "" follows nothing.
    void watch(const QString& path);
    void watchedPathChanged(const QString& path);
    void selectPendingBrush();

    QWidget* mWindow;
    QStackedWidget* mPages = nullptr;
    QWidget* mGridPage = nullptr;
    QScrollArea* mScrollArea = nullptr;
    BrushFileView* mFileView = nullptr;
    ReadMessageBar* mReadMessage = nullptr;
    BottomDisplay* mPathStrip = nullptr;
    QLabel* mStatusLabel = nullptr;
    QProgressBar* mReadProgress = nullptr;
    QTimer* mReadProgressTimer = nullptr;
    QFileSystemWatcher* mWatcher = nullptr;
    QPointer<BrushViewer> mViewer;
    bool mLastReadFailed = false;
    QString mPendingSelectionPath;
    int mPendingSelection = -1;
    std::unique_ptr<CWorkingThread> mFileReadingThread;
    std::unique_ptr<CFileReadingSession> mReading;
};
