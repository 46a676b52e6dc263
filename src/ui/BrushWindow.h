#pragma once

#include "abr/CBrushSink.h"
#include "actions/PhotoshopApp.h"
#include "brush/BrushFile.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class BottomDisplay;
class BrushFileView;
class CFileReadingSession;
class CWorkingThread;
class BrushViewer;
class FileOutlineView;
class FoundFileOutlineSource;
class InstalledFileOutlineSource;
class OutlineSource;
class QLineEdit;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QProgressBar;
class QScrollArea;
class QSlider;
class QSplitter;
class ReadMessageBar;
class QToolBar;

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
    FileOutlineView* getFileOutline() const { return mFileOutline; }
    FileOutlineView* getInstalledFileOutline() const { return mInstalledFileOutline; }

    // Gives the two outlines their sources (the window owns them from here) and the
    // applications brush files can be installed in; searchedFolders are named when the search
    // finds nothing.
    void setOutlineSources(FoundFileOutlineSource* found, InstalledFileOutlineSource* installed,
                           PhotoshopAppList apps, QStringList searchedFolders = {});
    OutlineSource* fileOutlineSource() const { return mFileOutlineSource; }
    OutlineSource* installedFileOutlineSource() const { return mInstalledFileOutlineSource; }
    const PhotoshopAppList& getPhotoshopApps() const { return mPhotoshopApps; }
    QLineEdit* outlineFilterField() const { return mFilterField; }

    // Alerts go through this, so tests can answer them: message and informative text.
    using AlertHandler = std::function<void(const QString& message, const QString& informative)>;
    void setAlertHandlerForTesting(AlertHandler handler) { mAlertHandler = std::move(handler); }
    bool isReadingFile() const;

    // Called by the outline sources with the newly selected path ("" when nothing is).
    void fileBrowserSelectionChanged(const QString& path);
    void finishedQueryFirstPhase();
    void setProgressIndicator(bool on);
    int progressUserCount() const { return mSearchProgressUserCount; }

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
    QAction* showNamesAction() const { return mShowNamesAction; }
    QAction* copyAction() const { return mCopyAction; }
    QAction* exportSelectedAction() const { return mExportSelectedAction; }
    QMenu* openRecentMenu() const { return mOpenRecentMenu; }
    BrushViewer* viewer() const;
    // The status line: the brush count, or the reading progress, or an export's result.
    QString statusText() const;
    QString exportMessage() const;
    // The size the first window opens at on a screen with this much room.
    static QSize initialSize(const QRect& available);
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
    void exportSelectedBrushes();
    void copySelectedBrush();
    void openViewer(int index);
    void showAbout();
    void printBrushFile();
    void showHelp();
    void validateActions();
    void updateStatus();
    void revealSelectedItem();
    void installSelectedItem();
    void trashSelectedItem();
    void toggleShowAllFolders();
    void installItem(const QString& path);
    void trashItem(FileOutlineView* outline, const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
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
    void runExport(std::vector<size_t> indexes);
    void applyChromeColours();
    void restoreWindowSettings();
    void rebuildOpenRecentMenu();
    void pollReadProgress();
    void outlineSelectionChanged();
    void outlineAcceptedFocus(FileOutlineView* outline);
    void updateOutlinePlaceholder();
    void showAlert(const QString& messageKey, const QString& informativeKey);

    QLabel* mStatusLabel = nullptr;
    QProgressBar* mReadProgress = nullptr;
    QTimer* mReadProgressTimer = nullptr;
    QLabel* mExportLabel = nullptr;
    QPushButton* mOpenFolderButton = nullptr;
    QTimer* mExportMessageTimer = nullptr;
    QString mExportFolder;
    QLabel* mInstalledTitle = nullptr;
    bool mApplyingColours = false;
    bool mGeometryRestored = false;
    QPointer<BrushViewer> mViewer;
    QMenu* mOpenRecentMenu = nullptr;
    QAction* mShowNamesAction = nullptr;
    QAction* mResetZoomAction = nullptr;
    QAction* mCopyAction = nullptr;
    QAction* mSelectAllAction = nullptr;
    QAction* mViewBrushAction = nullptr;
    QAction* mExportSelectedAction = nullptr;

    FileOutlineView* mFileOutline = nullptr;
    FileOutlineView* mInstalledFileOutline = nullptr;
    OutlineSource* mFileOutlineSource = nullptr;
    OutlineSource* mInstalledFileOutlineSource = nullptr;
    PhotoshopAppList mPhotoshopApps;
    QStringList mSearchedFolders;
    QLineEdit* mFilterField = nullptr;
    QTimer* mFilterTimer = nullptr;
    QLabel* mFileOutlinePlaceholder = nullptr;
    AlertHandler mAlertHandler;
    QWidget* mBottomBar = nullptr;
    BrushFileView* mFileView = nullptr;
    ReadMessageBar* mReadMessage = nullptr;
    bool mLastReadFailed = false;
    QScrollArea* mScrollArea = nullptr;
    QSlider* mSlider = nullptr;
    BottomDisplay* mBottomDisplay = nullptr;
    QProgressBar* mSearchProgress = nullptr;
    int mSearchProgressUserCount = 0;
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
