#pragma once

#include "actions/PaintingApp.h"
#include "ui/outline/OutlinesController.h"
#include "ui/window/FileActionsController.h"
#include "ui/window/ReadingController.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class BottomDisplay;
class BrushFileView;
class BrushViewer;
class FileActionsController;
class FileOutlineView;
class LibraryController;
class LibraryResultsView;
class MarksController;
class FoundFileOutlineModel;
class InstalledFileOutlineModel;
class OutlineModel;
class OutlinesController;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSlider;
class QSplitter;
class ReadingController;
class WatchLimitBar;
class WindowMenus;

// The main window's frame: the outlines beside the brush grid, the bottom path strip, the
// toolbar, the menus and what the window remembers between runs. The work is done by three
// controllers it wires together: OutlinesController (both outlines, their filter and
// selection), ReadingController (the file on display, the grid, the status line) and
// FileActionsController (install, trash, reveal, export and their alerts).
class BrushWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit BrushWindow(QWidget* parent = nullptr);
    ~BrushWindow() override;

    // The path of the BrushFile in the grid, or "" when none is shown.
    QString getDisplayedFilePath() const { return mReading->displayedFilePath(); }
    BrushFileView* fileView() const { return mReading->fileView(); }
    // The read of the file on display stopped with an error (after its last report).
    bool lastReadFailed() const { return mReading->lastReadFailed(); }
    BottomDisplay* bottomDisplay() const { return mBottomDisplay; }
    FileOutlineView* getFileOutline() const { return mOutlines->fileOutline(); }
    FileOutlineView* getInstalledFileOutline() const { return mOutlines->installedFileOutline(); }

    // Gives the two outlines their sources (the window owns them from here) and the
    // applications brush files can be installed in; searchedFolders are named when the search
    // finds nothing.
    void setOutlineModels(FoundFileOutlineModel* found, InstalledFileOutlineModel* installed,
                          PaintingAppList apps, QStringList searchedFolders = {});
    OutlineModel* fileOutlineModel() const { return mOutlines->fileOutlineModel(); }
    OutlineModel* installedFileOutlineModel() const
    {
        return mOutlines->installedFileOutlineModel();
    }
    const PaintingAppList& getPaintingApps() const { return mActions->apps(); }
    QLineEdit* outlineFilterField() const { return mOutlines->filterField(); }

    // Alerts go through this, so tests can answer them: message and informative text.
    using AlertHandler = FileActionsController::AlertHandler;
    void setAlertHandlerForTesting(AlertHandler handler)
    {
        mActions->setAlertHandlerForTesting(std::move(handler));
    }
    FileActionsController* fileActions() const { return mActions; }
    LibraryController* libraryController() const { return mLibrary; }
    // Once the window is on screen: makes the library ready, says once what went wrong with it,
    // and starts cataloguing what the window's search finds.
    void startLibrary();
    // startLibrary() just after the window's first paint (or in 2 s if it never paints, say when
    // it starts minimised), so that the library never delays the first sight of the window.
    void startLibraryOnceShown();
    // Brushes of the whole library named like the filter field's text, shown in the grid's
    // place while there is text; null while the grid shows.
    LibraryResultsView* libraryResults() const;
    // The status line's word on cataloguing; hidden while the cataloguer is idle.
    QLabel* catalogueStatus() const { return mCatalogueStatus; }
    bool isReadingFile() const { return mReading && mReading->isReadingFile(); }

    void finishedQueryFirstPhase();
    // The search could not watch every folder for changes (see WatchLimitBar).
    void showWatchLimitNotice(int recrawlSeconds);
    WatchLimitBar* watchLimitNotice() const { return mWatchLimitBar; }
    // The busy indicator beside the path strip, shown while anyone still searches.
    void setProgressIndicator(bool on);
    int progressUserCount() const { return mSearchProgressUserCount; }

    // folderIsPack: a folder is read as a converted pack instead of shown as a folder.
    void setImageFromBrushFile(const QString& path, bool folderIsPack = false);
    void setTitleBarButtonToPath(const QString& path);

    // The toolbar and menus, with every action of the frame.
    WindowMenus* menus() const { return mMenus; }
    BrushViewer* viewer() const { return mReading->viewer(); }
    // The status line: the brush count, or the reading progress, or an export's result.
    QString statusText() const;
    QString fileActionMessage() const { return mActions->statusMessage(); }
    // The size the first window opens at on a screen with this much room.
    static QSize initialSize(const QRect& available);
    QSlider* zoomSlider() const { return mSlider; }

    // Stars, tags and duplicates.
    MarksController* marks() const { return mMarks; }

Q_SIGNALS:
    // Emitted on the main thread after each "FinishedReadingFile" of the file on display.
    void fileReadingFinished(const QString& path);

public Q_SLOTS:
    void doOpen();
    void doOpenFile(const QString& path);
    void exportBrushFile();
    void exportSelectedBrushes();
    void openViewer(int index);
    void printBrushFile();
    void validateActions();
    void revealSelectedItem();
    void installSelectedItem();
    void trashSelectedItem();
    void installItem(const QString& path);
    // Lets go of path everywhere it is shown once it is in the trash, and says so.
    bool trashItem(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildBottomBar(QWidget* parent);
    void connectControllers();
    void connectMarks();

    void restoreDividers();
    void saveDividers();
    void applyChromeColours();
    void restoreWindowSettings();
    void updateActionTarget();
    void displayedFileVanished(const QString& path);
    void orderTabStops();
    void searchLibrary(const QString& text);
    void openLibraryBrush(const QString& path, int position);

    // A member rather than a child, so that the read stops before the widgets it fills go.
    std::unique_ptr<ReadingController> mReading;
    OutlinesController* mOutlines = nullptr;
    FileActionsController* mActions = nullptr;
    LibraryController* mLibrary = nullptr;
    MarksController* mMarks = nullptr;
    WindowMenus* mMenus = nullptr;

    bool mApplyingColours = false;
    bool mGeometryRestored = false;
    bool mLibraryWaitsForPaint = false;
    bool mLibraryStarted = false;
    QString mCachedDefaultTitle;
    QWidget* mBottomBar = nullptr;
    BottomDisplay* mBottomDisplay = nullptr;
    QProgressBar* mSearchProgress = nullptr;
    int mSearchProgressUserCount = 0;
    QSlider* mSlider = nullptr;
    QSplitter* mBrushSplitter = nullptr;
    WatchLimitBar* mWatchLimitBar = nullptr;
    LibraryResultsView* mLibraryResults = nullptr;
    QLabel* mCatalogueStatus = nullptr;
};
