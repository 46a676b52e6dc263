// The window's toolbar and menus: every action of the frame and which of them apply.

#include "ui/window/WindowMenus.h"
#include "platform/RecentFiles.h"
#include "ui/grid/BrushFileView.h"
#include "ui/library/MarksController.h"
#include "ui/outline/OutlinesController.h"
#include "ui/window/AppTheme.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/FileActionsController.h"
#include "ui/window/KelbrinApplication.h"
#include "ui/window/ReadingController.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QSlider>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

namespace {
constexpr int kRecentFileCount = 10;

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(name),
                            QApplication::style()->standardIcon(fallback));
}
} // namespace

WindowMenus::WindowMenus(BrushWindow* frame, ReadingController* reading,
                         OutlinesController* outlines, MarksController* marks)
    : QObject(frame), mFrame(frame), mReading(reading), mOutlines(outlines), mMarks(marks)
{
    buildToolbar();
    buildMenus();
}

void WindowMenus::buildToolbar()
{
    mToolbar = mFrame->addToolBar(QString());
    mToolbar->setObjectName(QStringLiteral("brushWindow"));
    mToolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    mToolbar->setIconSize(QSize(24, 24));
    mToolbar->setMovable(false);

    mInstallToolbarAction = mToolbar->addAction(
        ThemeIcon("system-software-install", QStyle::SP_ArrowDown), tr("Install"));
    mInstallToolbarAction->setObjectName(QStringLiteral("install"));
    mTrashToolbarAction =
        mToolbar->addAction(ThemeIcon("user-trash", QStyle::SP_TrashIcon), tr("Move to Trash"));
    mTrashToolbarAction->setObjectName(QStringLiteral("moveToTrash"));
    mTrashToolbarAction->setToolTip(tr("Move the brush file to the trash"));
    // Made here, for the toolbar, and listed in the View menu too.
    mShowStrokesAction = mToolbar->addAction(
        ThemeIcon("draw-brush", QStyle::SP_FileDialogDetailedView), tr("Show &Strokes"));
    mShowStrokesAction->setObjectName(QStringLiteral("showStrokes"));
    mShowStrokesAction->setIconText(tr("Strokes"));
    mShowStrokesAction->setToolTip(tr("Show how each brush paints"));
    mShowStrokesAction->setCheckable(true);
    connect(mShowStrokesAction, &QAction::toggled, mReading->fileView(),
            &BrushFileView::setShowStrokes);
    auto* flexibleSpace = new QWidget(mToolbar);
    flexibleSpace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    mToolbar->addWidget(flexibleSpace);
    mExportToolbarAction = mToolbar->addAction(
        ThemeIcon("document-save-as", QStyle::SP_DialogSaveButton), tr("Export"));
    mExportToolbarAction->setObjectName(QStringLiteral("export"));
    mExportToolbarAction->setToolTip(tr("Save the brushes as PNG images"));
    connect(mExportToolbarAction, &QAction::triggered, mFrame, &BrushWindow::exportBrushFile);
    connect(mInstallToolbarAction, &QAction::triggered, mFrame, &BrushWindow::installSelectedItem);
    connect(mTrashToolbarAction, &QAction::triggered, mFrame, &BrushWindow::trashSelectedItem);
}

void WindowMenus::buildMenus()
{
    QMenu* file = mFrame->menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open…"), mFrame, &BrushWindow::doOpen);
    open->setShortcut(QKeySequence::Open);
    mOpenRecentMenu = file->addMenu(tr("Open &Recent"));
    mOpenRecentMenu->setObjectName(QStringLiteral("openRecentMenu"));
    connect(mOpenRecentMenu, &QMenu::aboutToShow, this, &WindowMenus::rebuildOpenRecentMenu);
    rebuildOpenRecentMenu();
    file->addSeparator();
    mExportMenuAction =
        file->addAction(tr("&Export as Images…"), mFrame, &BrushWindow::exportBrushFile);
    mExportMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mExportSelectedAction =
        file->addAction(tr("Export &Selected…"), mFrame, &BrushWindow::exportSelectedBrushes);
    mExportSelectedAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    mPrintAction = file->addAction(tr("&Print…"), mFrame, &BrushWindow::printBrushFile);
    mPrintAction->setShortcut(QKeySequence::Print);
    file->addSeparator();
    mRevealMenuAction = file->addAction(tr("Show in File &Manager"));
    mRevealMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
    // Named after the applications found (setOutlineModels).
    mInstallMenuAction = file->addAction(tr("&Install"));
    mInstallMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    mTrashMenuAction = file->addAction(tr("Move to &Trash"));
    mTrashMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(mRevealMenuAction, &QAction::triggered, mFrame, &BrushWindow::revealSelectedItem);
    connect(mInstallMenuAction, &QAction::triggered, mFrame, &BrushWindow::installSelectedItem);
    connect(mTrashMenuAction, &QAction::triggered, mFrame, &BrushWindow::trashSelectedItem);
    file->addSeparator();
    mMarks->buildActions(file);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);

    buildEditMenu();
    buildViewMenu();

    QMenu* help = mFrame->menuBar()->addMenu(tr("&Help"));
    QAction* helpAction = help->addAction(tr("Kelbrin &Help"), this, &WindowMenus::showHelp);
    helpAction->setShortcut(QKeySequence::HelpContents);
    help->addAction(tr("&About Kelbrin"), this, &WindowMenus::showAbout);
}

void WindowMenus::buildEditMenu()
{
    BrushFileView* view = mReading->fileView();
    QMenu* edit = mFrame->menuBar()->addMenu(tr("&Edit"));
    mCopyAction = edit->addAction(tr("&Copy"), mReading, &ReadingController::copySelectedBrush);
    mCopyAction->setShortcut(QKeySequence::Copy);
    mSelectAllAction = edit->addAction(tr("Select &All"), view, &BrushFileView::selectAll);
    mSelectAllAction->setShortcut(QKeySequence::SelectAll);
    edit->addSeparator();
    mFindAction = edit->addAction(tr("&Find Brush Files"), this, [this] {
        mOutlines->filterField()->setFocus(Qt::ShortcutFocusReason);
        mOutlines->filterField()->selectAll();
    });
    mFindAction->setShortcut(QKeySequence::Find);
    edit->addSeparator();
    edit->addAction(mMarks->favouriteBrushAction());
    mViewBrushAction = edit->addAction(tr("&View Brush"), this, [this, view] {
        const QList<int> selected = view->selectedIndexes();
        const int current = view->currentIndex();
        if (!selected.isEmpty())
            mFrame->openViewer(selected.contains(current) ? current : selected.first());
    });
    // Space and Return open it in the grid; the menu only shows where it is.
    mViewBrushAction->setShortcut(QKeySequence(Qt::Key_Space));
    mViewBrushAction->setShortcutContext(Qt::WidgetShortcut);
    // A right click selects the brush under it; the menu offers what can be done with it.
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    view->addActions({mViewBrushAction, mMarks->favouriteBrushAction(), mCopyAction,
                      mSelectAllAction, separator, mExportSelectedAction});
}

void WindowMenus::buildViewMenu()
{
    BrushFileView* view = mReading->fileView();
    QMenu* menu = mFrame->menuBar()->addMenu(tr("&View"));
    mZoomInAction = menu->addAction(tr("Zoom &In"), view, &BrushFileView::zoomIn);
    mZoomInAction->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mZoomOutAction = menu->addAction(tr("Zoom &Out"), view, &BrushFileView::zoomOut);
    mZoomOutAction->setShortcut(QKeySequence::ZoomOut);
    mResetZoomAction = menu->addAction(tr("&Reset Zoom"), view, &BrushFileView::resetZoom);
    mResetZoomAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    menu->addSeparator();
    mShowNamesAction = menu->addAction(tr("Show &Names"));
    mShowNamesAction->setCheckable(true);
    connect(mShowNamesAction, &QAction::toggled, view, &BrushFileView::setShowNames);
    menu->addAction(mShowStrokesAction);
    mShowAllFoldersAction = menu->addAction(tr("Show &All Folders"));
    mShowAllFoldersAction->setCheckable(true);
    connect(mShowAllFoldersAction, &QAction::triggered, mOutlines,
            &OutlinesController::showAllFolders);
    menu->addSeparator();
    menu->addAction(mMarks->duplicatesAction());
    connect(mFrame->zoomSlider(), &QSlider::valueChanged, mFrame, &BrushWindow::validateActions);

    KelbrinApplication* app = KelbrinApplication::instance();
    if (!app)
        return;
    AppTheme* theme = app->theme();
    menu->addSeparator();
    QMenu* themes = menu->addMenu(tr("&Theme"));
    auto* group = new QActionGroup(themes);
    const std::pair<AppTheme::eChoice, QString> choices[] = {{AppTheme::eSystem, tr("&System")},
                                                             {AppTheme::eLight, tr("&Light")},
                                                             {AppTheme::eDark, tr("&Dark")}};
    for (const auto& [choice, text] : choices) {
        QAction* action = themes->addAction(text);
        action->setObjectName(QStringLiteral("theme%1").arg(int(choice)));
        action->setCheckable(true);
        action->setChecked(theme->choice() == choice);
        group->addAction(action);
        connect(action, &QAction::triggered, theme,
                [theme, choice = choice] { theme->setChoice(choice); });
    }
}

void WindowMenus::enableActions(const FileActionsController& actions, const BrushFileView& view,
                                bool reading)
{
    mInstallToolbarAction->setEnabled(actions.canInstall());
    mTrashToolbarAction->setEnabled(actions.canTrash());
    mExportToolbarAction->setEnabled(actions.canTrashOrExport());
    mInstallMenuAction->setEnabled(actions.canInstall());
    mTrashMenuAction->setEnabled(actions.canTrash());
    mRevealMenuAction->setEnabled(actions.canReveal());
    // A file that yielded nothing has nothing to export, and gets no empty folder.
    const bool anyItem = view.itemCount() > 0;
    mExportMenuAction->setEnabled(anyItem && !reading);
    const QList<int> selected = view.selectedIndexes();
    mPrintAction->setEnabled(view.canPrint());
    mZoomInAction->setEnabled(view.canZoomIn());
    mZoomOutAction->setEnabled(view.canZoomOut());
    mCopyAction->setEnabled(!selected.isEmpty());
    mExportSelectedAction->setEnabled(!selected.isEmpty());
    mViewBrushAction->setEnabled(!selected.isEmpty());
    mSelectAllAction->setEnabled(view.itemCount() > 0);
}

void WindowMenus::rebuildOpenRecentMenu()
{
    mOpenRecentMenu->clear();
    const QStringList recent = RecentBrushFiles(kRecentFileCount);
    for (const QString& path : recent) {
        QAction* action = mOpenRecentMenu->addAction(QFileInfo(path).fileName(), mFrame,
                                                     [this, path] { mFrame->doOpenFile(path); });
        action->setToolTip(path);
        action->setStatusTip(path);
    }
    if (recent.isEmpty())
        mOpenRecentMenu->addAction(tr("No Recent Files"))->setEnabled(false);
}

void WindowMenus::showHelp()
{
    // The manual as installed beside the program (share/doc/kelbrin), else the short version.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {programFolder.filePath(QStringLiteral("../share/doc/kelbrin/README.md")),
          programFolder.filePath(QStringLiteral("../share/doc/kelbrin/README.md.gz")),
          QStringLiteral("/usr/share/doc/kelbrin/README.md"),
          QStringLiteral("/usr/share/doc/kelbrin/README.md.gz")}) {
        if (QFileInfo(candidate).isFile() &&
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(candidate).absoluteFilePath())))
            return;
    }
    QMessageBox::about(
        mFrame, tr("Kelbrin Help"),
        tr("<p><b>Kelbrin</b> shows the brushes in Photoshop brush files.</p>"
           "<p>Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size "
           "with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home "
           "and End jump to the first and last brushes.</p>"
           "<p>Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. "
           "Double-click or press Space to see it large; Left and Right step through the file. "
           "Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.</p>"
           "<p>File ▸ Export as Images… writes every brush as a PNG file into a new folder; "
           "Export Selected… only the selected ones.</p>"));
}

void WindowMenus::showAbout()
{
    const QString text =
        tr("<h3>Kelbrin %1</h3>"
           "<p>Browse the brushes in Photoshop brush files (.abr): find them all, look "
           "at every brush, export them as images. Kelbrin never changes a brush "
           "file.</p>"
           "<p>The licence is in the copyright file installed with Kelbrin "
           "(/usr/share/doc/kelbrin/copyright).</p>")
            .arg(QCoreApplication::applicationVersion());
    QMessageBox::about(mFrame, tr("About Kelbrin"), text);
}
