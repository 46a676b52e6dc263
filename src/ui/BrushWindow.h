#pragma once

#include "abr/CBrushSink.h"
#include "brush/BrushFile.h"

#include <QMainWindow>
#include <memory>

class BottomDisplay;
class BrushFileView;
class CFileReadingSession;
class CWorkingThread;
class QAction;
class QLabel;
class QProgressBar;
class QScrollArea;
class QSlider;
class QSplitter;
class ReadMessageBar;
class QToolBar;
class QTreeView;

// The main window: the two outlines beside the brush grid, the bottom path strip, the toolbar,
// and the worker that reads the file on display.
class BrushWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit BrushWindow(QWidget* parent = nullptr);
    ~BrushWindow() override;

    // The path of the BrushFile in the grid, or "" when none is shown.
    QString getDisplayedFilePath() const;
    BrushFileView* fileView() const { return mFileView; }
    // The read of the file on display stopped with an error (after its last report).
    bool lastReadFailed() const { return mLastReadFailed; }
    BottomDisplay* bottomDisplay() const { return mBottomDisplay; }
    QTreeView* getFileOutline() const { return mFileOutline; }
    QTreeView* getInstalledFileOutline() const { return mInstalledFileOutline; }
    bool isReadingFile() const;

    // Called by the outline sources with the newly selected path ("" when nothing is).
    void fileBrowserSelectionChanged(const QString& path);
    void finishedQueryFirstPhase();
    void setProgressIndicator(bool on);
    int progressUserCount() const { return mSpotlightProgressUserCount; }

    void setImageFromBrushFile(const QString& path);
    void cancelFileReading();
    void clearImage();
    void setDisplayedPath(const QString& path);
    void setTitleBarButtonToPath(const QString& path);

    // The two export commands follow different rules: the toolbar item only needs a selected
    // file, the menu item a file read to its end.
    QAction* exportMenuAction() const { return mExportMenuAction; }
    QAction* exportToolbarAction() const { return mExportToolbarAction; }
    QAction* installToolbarAction() const { return mInstallToolbarAction; }
    QAction* trashToolbarAction() const { return mTrashToolbarAction; }
    QAction* printAction() const { return mPrintAction; }
    QAction* zoomInAction() const { return mZoomInAction; }
    QAction* zoomOutAction() const { return mZoomOutAction; }
    QToolBar* toolbar() const { return mToolbar; }
    QSlider* zoomSlider() const { return mSlider; }

    // Whether something may be installed / trashed or exported, as the outlines' selection says.
    // The outline issue wires these; until then nothing is ever selected in an outline.
    void setSelectionState(bool fileSelectedInAll, bool fileSelectedInInstalled,
                           bool anythingSelected, bool photoshopFound);

Q_SIGNALS:
    // Emitted on the main thread after each "FinishedReadingFile" of the file on display.
    void fileReadingFinished(const QString& path);

public Q_SLOTS:
    void doOpen();
    void doOpenFile(const QString& path);
    void exportBrushFile();
    void printBrushFile();
    void showHelp();
    void validateActions();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWidgets();
    void buildToolbar();
    void buildMenus();
    void restoreDividers();
    void saveDividers();
    void brushAdded(const BrushFilePtr& file, const BrushPtr& brush);
    void finishedReadingFile(const BrushFilePtr& file, const ReadOutcome& outcome);

    QTreeView* mFileOutline = nullptr;
    QTreeView* mInstalledFileOutline = nullptr;
    QWidget* mBottomBar = nullptr;
    BrushFileView* mFileView = nullptr;
    ReadMessageBar* mReadMessage = nullptr;
    bool mLastReadFailed = false;
    QScrollArea* mScrollArea = nullptr;
    QSlider* mSlider = nullptr;
    BottomDisplay* mBottomDisplay = nullptr;
    QProgressBar* mSpotlightProgress = nullptr;
    int mSpotlightProgressUserCount = 0;
    QAction* mShowAllFoldersAction = nullptr;
    QToolBar* mToolbar = nullptr;
    QSplitter* mBrushSplitter = nullptr;
    QSplitter* mBrowserSplitter = nullptr;
    bool mAllowInstall = false;
    bool mAllowTrashOrExport = false;
    bool mSomethingSelected = false;
    std::unique_ptr<CWorkingThread> mFileReadingThread;
    std::unique_ptr<CFileReadingSession> mReading;
    QString mCachedDefaultTitle;

    QAction* mInstallToolbarAction = nullptr;
    QAction* mTrashToolbarAction = nullptr;
    QAction* mExportToolbarAction = nullptr;
    QAction* mExportMenuAction = nullptr;
    QAction* mInstallMenuAction = nullptr;
    QAction* mTrashMenuAction = nullptr;
    QAction* mRevealMenuAction = nullptr;
    QAction* mPrintAction = nullptr;
    QAction* mZoomInAction = nullptr;
    QAction* mZoomOutAction = nullptr;
};
