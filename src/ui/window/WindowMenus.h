#pragma once

#include <QObject>

class BrushFileView;
class BrushWindow;
class FileActionsController;
class MarksController;
class OutlinesController;
class QAction;
class QMenu;
class QToolBar;
class ReadingController;

// The window's toolbar and menus: every action of the frame, built once, and which of them
// apply. The frame owns it; the commands behind the actions are the frame's and its
// controllers'.
class WindowMenus : public QObject
{
    Q_OBJECT
public:
    WindowMenus(BrushWindow* frame, ReadingController* reading, OutlinesController* outlines,
                MarksController* marks);

    // Enables the actions for what the file commands' target and the grid allow; reading: the
    // file on display is still being read.
    void enableActions(const FileActionsController& actions, const BrushFileView& view,
                       bool reading);

    // The commands on "the file" apply to the row selected in an outline, else to the file on
    // display, however it was opened. The two export commands follow different rules: the
    // toolbar item only needs such a file, the menu item a file read to its end.
    QAction* exportMenuAction() const { return mExportMenuAction; }
    QAction* exportToolbarAction() const { return mExportToolbarAction; }
    QAction* installToolbarAction() const { return mInstallToolbarAction; }
    QAction* trashToolbarAction() const { return mTrashToolbarAction; }
    QAction* printAction() const { return mPrintAction; }
    QAction* zoomInAction() const { return mZoomInAction; }
    QAction* zoomOutAction() const { return mZoomOutAction; }
    QAction* showNamesAction() const { return mShowNamesAction; }
    // View ▸ Show Strokes, also on the toolbar.
    QAction* showStrokesAction() const { return mShowStrokesAction; }
    QAction* copyAction() const { return mCopyAction; }
    QAction* exportSelectedAction() const { return mExportSelectedAction; }
    QAction* findAction() const { return mFindAction; }
    QAction* revealMenuAction() const { return mRevealMenuAction; }
    QAction* installMenuAction() const { return mInstallMenuAction; }
    QAction* trashMenuAction() const { return mTrashMenuAction; }
    QMenu* openRecentMenu() const { return mOpenRecentMenu; }
    QToolBar* toolbar() const { return mToolbar; }

private:
    void buildToolbar();
    void buildMenus();
    void buildEditMenu();
    void buildViewMenu();
    void rebuildOpenRecentMenu();
    void showHelp();
    void showAbout();

    BrushWindow* mFrame;
    ReadingController* mReading;
    OutlinesController* mOutlines;
    MarksController* mMarks;

    QToolBar* mToolbar = nullptr;
    QMenu* mOpenRecentMenu = nullptr;
    QAction* mFindAction = nullptr;
    QAction* mShowNamesAction = nullptr;
    QAction* mShowStrokesAction = nullptr;
    QAction* mResetZoomAction = nullptr;
    QAction* mCopyAction = nullptr;
    QAction* mSelectAllAction = nullptr;
    QAction* mViewBrushAction = nullptr;
    QAction* mExportSelectedAction = nullptr;
    QAction* mShowAllFoldersAction = nullptr;
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
