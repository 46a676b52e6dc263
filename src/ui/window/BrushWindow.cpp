#include "ui/window/BrushWindow.h"

#include "convert/BrushPackReader.h"
#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"
#include "platform/RecentFiles.h"
#include "ui/common/FileManagerLauncher.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushViewer.h"
#include "ui/library/LibraryController.h"
#include "ui/library/LibraryResultsView.h"
#include "ui/library/MarksController.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModels.h"
#include "ui/outline/OutlinesController.h"
#include "ui/window/BottomDisplay.h"
#include "ui/window/FileActionsController.h"
#include "ui/window/ReadingController.h"
#include "ui/window/WatchLimitBar.h"
#include "ui/window/WindowMenus.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// Brushes a library search lists at most: many screens' worth; past that, typing more narrows it.
constexpr int kMostLibraryResults = 1000;
const char* const kBrushDividerKey = "brushDividerPosition";
const char* const kBrowserDividerKey = "browserDividerPosition";
const char* const kGeometryKey = "windowGeometry";
const char* const kStateKey = "windowState";
const char* const kItemsPerRowKey = "itemsPerRow";
const char* const kShowNamesKey = "showNames";
const char* const kShowStrokesKey = "showStrokes";
const char* const kOpenFolderKey = "openDialogFolder";

bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

// One local file, and not the grid's own brushes coming back: a drag that ends in the window
// (a click that slipped) hands over pictures written to a temporary folder, never a file to
// show.
bool IsDroppedBrushFile(const QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    if (event->source() || mime->hasFormat(BrushFileView::kDraggedBrushesFormat))
        return false;
    const QList<QUrl> urls = mime->urls();
    return urls.size() == 1 && urls.first().isLocalFile() &&
           QFileInfo(urls.first().toLocalFile()).isFile();
}
} // namespace

BrushWindow::BrushWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Kelbrin"));
    mCachedDefaultTitle = windowTitle();
    setAcceptDrops(true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(initialSize(screen ? screen->availableGeometry() : QRect(0, 0, 1000, 680)));

    buildWidgets();
    mMenus = new WindowMenus(this, mReading.get(), mOutlines, mMarks);
    connectControllers();
    orderTabStops();
    connectMarks();
    restoreDividers();
    restoreWindowSettings();
    applyChromeColours();
    validateActions();
    mReading->updateStatus();
}

QSize BrushWindow::initialSize(const QRect& available)
{
    // The window of old, but never larger than nine tenths of the room the desktop leaves.
    return QSize(std::min(1000, available.width() * 9 / 10),
                 std::min(680, available.height() * 9 / 10));
}

BrushWindow::~BrushWindow()
{
    mReading.reset();
}

void BrushWindow::buildWidgets()
{
    mBrushSplitter = new QSplitter(Qt::Horizontal, this);
    mBrushSplitter->setHandleWidth(1);
    mBrushSplitter->setChildrenCollapsible(false);
    mOutlines = new OutlinesController(this, mBrushSplitter);
    mActions = new FileActionsController(this);
    mLibrary = new LibraryController(this);

    auto* gridPane = new QWidget(mBrushSplitter);
    mReading = std::make_unique<ReadingController>(this, gridPane);
    gridPane->layout()->addWidget(buildBottomBar(gridPane));
    mReading->setPathStrip(mBottomDisplay);
    mLibraryResults = new LibraryResultsView([this](qint64 id) {
        CLibrary* library = mLibrary->library();
        return library ? library->thumbnailPng(id) : QByteArray();
    });
    // One of the grid pane's pages from the start, hidden until there is something to show.
    mReading->showInsteadOfGrid(mLibraryResults);
    mReading->showInsteadOfGrid(nullptr);

    mBrushSplitter->addWidget(mOutlines->pane());
    mBrushSplitter->addWidget(gridPane);
    mBrushSplitter->setStretchFactor(1, 1);
    // The notice spans the window above both the outlines and the grid: it concerns both.
    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    mWatchLimitBar = new WatchLimitBar(central);
    centralLayout->addWidget(mWatchLimitBar);
    centralLayout->addWidget(mBrushSplitter, 1);
    setCentralWidget(central);
    connect(mBrushSplitter, &QSplitter::splitterMoved, this, &BrushWindow::saveDividers);
    connect(mOutlines->pane(), &QSplitter::splitterMoved, this, &BrushWindow::saveDividers);

    statusBar()->addWidget(mReading->statusLabel(), 1);
    mCatalogueStatus = new QLabel(this);
    mCatalogueStatus->setObjectName(QStringLiteral("catalogueStatus"));
    mCatalogueStatus->hide();
    statusBar()->addPermanentWidget(mCatalogueStatus);
    statusBar()->addPermanentWidget(mActions->exportLabel());
    statusBar()->addPermanentWidget(mActions->openFolderButton());
    statusBar()->addPermanentWidget(mActions->undoTrashButton());
    statusBar()->addPermanentWidget(mReading->readProgress());
    mMarks = new MarksController(
        mLibrary, mOutlines, fileView(), this, [this] { return getDisplayedFilePath(); },
        [this] { return QString(mActions->targetPath()); });
}

void BrushWindow::connectMarks()
{
    mMarks->connectSources();
    connect(mMarks, &MarksController::actionsChanged, this, &BrushWindow::validateActions);
    connect(mMarks, &MarksController::trashRequested, this, &BrushWindow::trashItem);
    connect(mMarks, &MarksController::openRequested, this,
            [this](const QString& path, int position) {
                openLibraryBrush(path, position);
                raise();
                activateWindow();
            });
    connect(mReading.get(), &ReadingController::displayChanged, mMarks,
            &MarksController::displayChanged);
    connect(mReading.get(), &ReadingController::viewerOpened, this,
            [this](BrushViewer* viewer) { viewer->addControl(mMarks->favouriteBrushAction()); });
}

QWidget* BrushWindow::buildBottomBar(QWidget* parent)
{
    mBottomBar = new QWidget(parent);
    mBottomBar->setObjectName(QStringLiteral("bottomBar"));
    auto* layout = new QHBoxLayout(mBottomBar);
    layout->setContentsMargins(4, 2, 8, 2);
    mBottomDisplay = new BottomDisplay(mBottomBar);
    mSearchProgress = new QProgressBar(mBottomBar);
    mSearchProgress->setRange(0, 0);
    mSearchProgress->setAccessibleName(tr("Looking for brush files"));
    mSearchProgress->setMaximumWidth(60);
    mSearchProgress->setMaximumHeight(10);
    mSearchProgress->setTextVisible(false);
    mSearchProgress->hide();
    mSlider = new QSlider(Qt::Horizontal, mBottomBar);
    mSlider->setObjectName(QStringLiteral("iconsPerColumnSlider"));
    mSlider->setAccessibleName(tr("Thumbnail size"));
    mSlider->setAccessibleDescription(tr("Fewer, larger brushes a row to the right"));
    // From 1 to 16 thumbnails per row; the value runs the other way (larger = bigger thumbnails).
    mSlider->setRange(1, 16);
    mSlider->setValue(17 - 5);
    mSlider->setFixedWidth(120);
    mSlider->setFocusPolicy(Qt::NoFocus);
    mSlider->setToolTip(tr("Thumbnail size"));
    mReading->fileView()->setSlider(mSlider);
    layout->addWidget(mBottomDisplay, 1);
    layout->addWidget(mSearchProgress);
    layout->addWidget(mSlider);
    return mBottomBar;
}

void BrushWindow::connectControllers()
{
    connect(mReading.get(), &ReadingController::displayChanged, this,
            &BrushWindow::validateActions);
    connect(mReading.get(), &ReadingController::titlePathChanged, this,
            &BrushWindow::setTitleBarButtonToPath);
    connect(mReading.get(), &ReadingController::fileReadingFinished, this,
            &BrushWindow::fileReadingFinished);
    connect(fileView(), &BrushFileView::selectionChanged, this, &BrushWindow::validateActions);

    connect(mReading.get(), &ReadingController::displayedFileVanished, this,
            &BrushWindow::displayedFileVanished);

    connect(mOutlines, &OutlinesController::selectionChanged, this, &BrushWindow::validateActions);
    connect(mOutlines, &OutlinesController::pathChosen, this,
            [this](const QString& path, bool isItem) {
                setImageFromBrushFile(path, isItem);
                validateActions();
            });
    connect(mOutlines, &OutlinesController::rowsAppeared, this,
            [this] { mOutlines->selectDisplayedIfUnmarked(getDisplayedFilePath()); });
    connect(mOutlines, &OutlinesController::pathsWritten, mReading.get(),
            &ReadingController::rereadIfShown);
    connect(mOutlines, &OutlinesController::selectedPathRenamed, mReading.get(),
            &ReadingController::setDisplayedPath);
    connect(mOutlines, &OutlinesController::searchFirstPhaseFinished, this,
            &BrushWindow::finishedQueryFirstPhase);
    connect(mOutlines, &OutlinesController::filterApplied, this, &BrushWindow::searchLibrary);
    // A file the trash gave back is shown again, if nothing else took its place meanwhile.
    connect(mActions, &FileActionsController::trashUndone, this, [this](const QString& path) {
        if (getDisplayedFilePath().isEmpty())
            setImageFromBrushFile(path);
    });
    connect(mLibraryResults, &LibraryResultsView::brushOpened, this,
            &BrushWindow::openLibraryBrush);
    connect(mLibraryResults, &LibraryResultsView::revealRequested, this, &RevealInFileManager);
    connect(mLibraryResults, &LibraryResultsView::starRequested, this,
            [this](const QString& path, int position, bool starred) {
                QString error;
                if (!mLibrary->setStarred(path, position, starred, &error))
                    mMarks->showError(error);
                // The same search again keeps the brush current and shows its star.
                else if (libraryResults())
                    searchLibrary(mLibraryResults->text());
            });
    // A file picked in an outline is what the user wants to see, library results or not. Told
    // before the pick reaches the grid, so the file on display is still the one before.
    connect(mOutlines, &OutlinesController::selectionChanged, this, [this] {
        const QStringList picked = mOutlines->selectedPaths();
        if (!picked.isEmpty() && !picked.contains(getDisplayedFilePath()))
            mReading->showInsteadOfGrid(nullptr);
    });
    connect(mLibrary, &LibraryController::progressTextChanged, this, [this](const QString& text) {
        mCatalogueStatus->setText(text);
        mCatalogueStatus->setVisible(!text.isEmpty());
    });
    connect(mLibrary, &LibraryController::switchedOff, this,
            [this](const QString& message) { statusBar()->showMessage(message, 30000); });
    // What the outlines' own menus ask for.
    for (FileOutlineView* outline : {getFileOutline(), getInstalledFileOutline()}) {
        connect(outline, &FileOutlineView::revealRequested, this, &RevealInFileManager);
        connect(outline, &FileOutlineView::installRequested, this, &BrushWindow::installItem);
        connect(outline, &FileOutlineView::trashRequested, this, &BrushWindow::trashItem);
        connect(outline, &QAbstractItemView::clicked, this,
                [this] { mReading->showInsteadOfGrid(nullptr); });
    }
}

void BrushWindow::orderTabStops()
{
    // Down the left side and across: the files found, their filter and narrowing, the grid,
    // then the installed files. None of the stops selects anything on arrival.
    QWidget::setTabOrder(getFileOutline(), outlineFilterField());
    QWidget::setTabOrder(outlineFilterField(), mOutlines->narrowingBox());
    QWidget::setTabOrder(mOutlines->narrowingBox(), fileView());
    // Library results stand in the grid's place, and in its place among the stops.
    QWidget::setTabOrder(fileView(), mLibraryResults->listView());
    QWidget::setTabOrder(mLibraryResults->listView(), getInstalledFileOutline());
}

void BrushWindow::applyChromeColours()
{
    // Our own chrome takes its colours from the palette, so a dark desktop gets dark bars.
    if (mApplyingColours)
        return;
    mApplyingColours = true;
    const QPalette& p = palette();
    const QColor window = p.color(QPalette::Window);
    const QColor mid = IsDark(p) ? window.lighter(160) : p.color(QPalette::Mid);
    const QColor top = IsDark(p) ? window.lighter(125) : window.lighter(104);
    const QColor bottom = IsDark(p) ? window.lighter(105) : window.darker(108);
    const QString flat =
        isActiveWindow()
            ? QString()
            : QStringLiteral(" QWidget#bottomBar { background: %1; }").arg(window.name());
    setStyleSheet(QStringLiteral("QWidget#bottomBar { background: qlineargradient(x1:0, y1:0, "
                                 "x2:0, y2:1, stop:0 %1, stop:1 %2); border-top: 1px solid %3; }"
                                 " QSplitter::handle { background: %3; }")
                      .arg(top.name(), bottom.name(), mid.name()) +
                  flat);
    mOutlines->installedTitle()->setStyleSheet(
        QStringLiteral("QLabel#installedTitle { font-weight: 600; color: %1;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 "
                       "%3); border-top: 1px solid %4; border-bottom: 1px solid %4; }")
            .arg(p.color(QPalette::WindowText).name(), top.name(), bottom.name(), mid.name()));
    mApplyingColours = false;
}

void BrushWindow::restoreWindowSettings()
{
    QSettings settings;
    BrushFileView* view = fileView();
    const int perRow = settings.value(kItemsPerRowKey, BrushFileView::kDefaultItemsPerRow).toInt();
    view->setItemsPerColumn(std::clamp(perRow, mSlider->minimum(), mSlider->maximum()));
    mMenus->showNamesAction()->setChecked(settings.value(kShowNamesKey, true).toBool());
    view->setShowNames(mMenus->showNamesAction()->isChecked());
    mMenus->showStrokesAction()->setChecked(settings.value(kShowStrokesKey, false).toBool());
    view->setShowStrokes(mMenus->showStrokesAction()->isChecked());
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    mGeometryRestored = !geometry.isEmpty() && restoreGeometry(geometry);
    restoreState(settings.value(kStateKey).toByteArray());
    connect(mSlider, &QSlider::valueChanged, this,
            [view] { QSettings().setValue(kItemsPerRowKey, view->getItemsPerColumn()); });
    connect(mMenus->showNamesAction(), &QAction::toggled, this,
            [](bool on) { QSettings().setValue(kShowNamesKey, on); });
    connect(mMenus->showStrokesAction(), &QAction::toggled, this,
            [](bool on) { QSettings().setValue(kShowStrokesKey, on); });
}

void BrushWindow::restoreDividers()
{
    QSettings settings;
    const int brush = settings.value(kBrushDividerKey, 260).toInt();
    const int browser = settings.value(kBrowserDividerKey, 380).toInt();
    mBrushSplitter->setSizes({brush, std::max(200, width() - brush)});
    mOutlines->pane()->setSizes({browser, std::max(100, height() - browser)});
}

void BrushWindow::saveDividers()
{
    QSettings settings;
    settings.setValue(kBrushDividerKey, mBrushSplitter->sizes().value(0));
    settings.setValue(kBrowserDividerKey, mOutlines->pane()->sizes().value(0));
}

QString BrushWindow::statusText() const
{
    return mReading->statusLabel()->text();
}

void BrushWindow::showWatchLimitNotice(int recrawlSeconds)
{
    mWatchLimitBar->showNotice(recrawlSeconds);
}

void BrushWindow::setOutlineModels(FoundFileOutlineModel* found,
                                   InstalledFileOutlineModel* installed, PaintingAppList apps,
                                   QStringList searchedFolders)
{
    const bool canInstall = !apps.empty();
    // Named after what the command will do here: Photoshop is rarely there, GIMP often.
    const QString targets = BrushInstaller::targetNames(apps);
    mMenus->installMenuAction()->setText(targets.isEmpty() ? tr("&Install")
                                                           : tr("&Install in %1").arg(targets));
    mMenus->installToolbarAction()->setToolTip(
        targets.isEmpty() ? tr("Install") : tr("Install in %1").arg(targets));
    for (FileOutlineView* outline : {getFileOutline(), getInstalledFileOutline()})
        outline->installAction()->setText(mMenus->installToolbarAction()->toolTip());
    mActions->setApps(std::move(apps));
    mOutlines->setSources(found, installed, canInstall, std::move(searchedFolders));
}

void BrushWindow::updateActionTarget()
{
    using eTarget = FileActionsController::eTarget;
    // Only one outline holds a selection at a time (OutlinesController sees to it).
    for (FileOutlineView* outline : {getFileOutline(), getInstalledFileOutline()}) {
        const QString selected = outline->getPathOfSelectedItem();
        if (selected.isEmpty())
            continue;
        eTarget kind = eTarget::Folder;
        if (outline->selectedItemIsFile())
            kind = outline == getFileOutline() ? eTarget::File : eTarget::InstalledFile;
        if (kind == eTarget::File && BrushPackReader::isPackPath(selected))
            kind = eTarget::Pack;
        mActions->setTarget(selected, kind);
        return;
    }
    const QString displayed = getDisplayedFilePath();
    mActions->setTarget(displayed,
                        BrushPackReader::isPackPath(displayed) ? eTarget::Pack : eTarget::File);
}

// --- The library ---------------------------------------------------------------------------

void BrushWindow::startLibrary()
{
    if (std::exchange(mLibraryStarted, true))
        return;
    // The library is made ready on a thread of its own; the rest waits for it.
    const auto carryOn = [this] {
        // The first keystroke in the filter field then waits for neither; a turn of its own,
        // after the cataloguer's start.
        QTimer::singleShot(0, this, [this] {
            CLibrary* library = mLibrary->library();
            if (library)
                library->prepareSearches(kMostLibraryResults + 1);
            mLibraryResults->prepareOrdering();
            // Text typed while the library was not ready found file names only.
            if (const QString text = outlineFilterField()->text(); library && !text.isEmpty())
                searchLibrary(text);
        });
        // Results shown while the library fills grow with it.
        if (CBrushCataloguer* cataloguer = mLibrary->cataloguer())
            connect(cataloguer, &CBrushCataloguer::idle, this, [this] {
                if (libraryResults())
                    searchLibrary(mLibraryResults->text());
            });
        // Said once, and gone after a while: the window works the same without a library.
        if (const QString message = mLibrary->status().message; !message.isEmpty())
            statusBar()->showMessage(message, 30000);
    };
    if (!mLibrary->isReady())
        connect(mLibrary, &LibraryController::ready, this, carryOn, Qt::SingleShotConnection);
    mLibrary->startCataloguing();
    if (mLibrary->isReady())
        carryOn();
}

void BrushWindow::startLibraryOnceShown()
{
    mLibraryWaitsForPaint = true;
    QTimer::singleShot(2000, this, [this] {
        if (std::exchange(mLibraryWaitsForPaint, false))
            startLibrary();
    });
}

void BrushWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    // After this paint has reached the screen.
    if (std::exchange(mLibraryWaitsForPaint, false))
        QTimer::singleShot(0, this, &BrushWindow::startLibrary);
}

LibraryResultsView* BrushWindow::libraryResults() const
{
    return mReading->pageShown() == mLibraryResults ? mLibraryResults : nullptr;
}

void BrushWindow::searchLibrary(const QString& text)
{
    // The file on display is marked again once the filter lets its row back in.
    mOutlines->selectDisplayedIfUnmarked(getDisplayedFilePath());
    // Without a library the field filters the outlines by file name only.
    CLibrary* library = text.isEmpty() ? nullptr : mLibrary->library();
    if (!library) {
        mReading->showInsteadOfGrid(nullptr);
        return;
    }
    // A name search of 100,000 brushes takes a few milliseconds: no thread is worth it.
    std::vector<LibraryBrush> found = library->searchBrushNames(text, kMostLibraryResults + 1);
    // Text that names files but no brush was typed to find the files: the outlines show them,
    // and the grid keeps the file on display rather than saying the library has none.
    if (found.empty() && mOutlines->showsAnyRow()) {
        mReading->showInsteadOfGrid(nullptr);
        return;
    }
    mLibraryResults->showResults(text, std::move(found), kMostLibraryResults);
    mReading->showInsteadOfGrid(mLibraryResults);
}

void BrushWindow::openLibraryBrush(const QString& path, int position)
{
    mReading->showInsteadOfGrid(nullptr);
    mReading->selectWhenRead(path, position);
    // Through an outline where the file is in one, so the outline marks it.
    if (!mOutlines->selectFile(path))
        setImageFromBrushFile(path);
    fileView()->setFocus(Qt::OtherFocusReason);
}

void BrushWindow::setImageFromBrushFile(const QString& path, bool folderIsPack)
{
    // What the status line said of the last file or command is old news with another one.
    if (path != getDisplayedFilePath())
        mActions->clearStatusMessage();
    mReading->showFile(path, folderIsPack);
}

void BrushWindow::displayedFileVanished(const QString& path)
{
    // The outline that shows it follows the search, which tells a move from a deletion; a file
    // opened from elsewhere has no one else to notice.
    if (!mOutlines->selectedPaths().contains(path))
        setImageFromBrushFile(QString());
}

void BrushWindow::setTitleBarButtonToPath(const QString& path)
{
    if (path.isEmpty()) {
        setWindowFilePath(QString());
        setWindowTitle(mCachedDefaultTitle);
    } else {
        setWindowFilePath(path);
        setWindowTitle(QFileInfo(path).fileName());
    }
}

void BrushWindow::openViewer(int index)
{
    mReading->openViewer(index);
}

void BrushWindow::setProgressIndicator(bool on)
{
    if (on) {
        if (mSearchProgressUserCount++ == 0)
            mSearchProgress->show();
    } else {
        if (mSearchProgressUserCount-- == 1)
            mSearchProgress->hide();
    }
}

void BrushWindow::finishedQueryFirstPhase()
{
    setProgressIndicator(false);
    mOutlines->firstPhaseFinished(getDisplayedFilePath());
}

// --- Opening files ---------------------------------------------------------------------------

void BrushWindow::doOpen()
{
    QSettings settings;
    QString folder = settings.value(kOpenFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Brush File"), folder, tr("Brush files (*.abr *.ABR);;All files (*)"));
    if (path.isEmpty())
        return;
    settings.setValue(kOpenFolderKey, QFileInfo(path).absolutePath());
    doOpenFile(path);
}

void BrushWindow::doOpenFile(const QString& path)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Shown through an outline where the file is in one, so the outline marks it.
    // Nobody opens a plain folder as a file: one handed over is a converted pack.
    if (!mOutlines->selectFile(absolute))
        setImageFromBrushFile(absolute, true);
    NoteRecentFile(absolute);
    // Home, End and the arrows work on a file handed over at once. (A file chosen in an outline
    // leaves the keyboard there, for stepping through the files.)
    fileView()->setFocus(Qt::OtherFocusReason);
}

void BrushWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (IsDroppedBrushFile(event))
        event->acceptProposedAction();
}

void BrushWindow::dropEvent(QDropEvent* event)
{
    if (IsDroppedBrushFile(event)) {
        event->acceptProposedAction();
        doOpenFile(event->mimeData()->urls().first().toLocalFile());
    }
}

// --- The frame -------------------------------------------------------------------------------

void BrushWindow::closeEvent(QCloseEvent* event)
{
    saveDividers();
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
    mReading->cancel();
    QMainWindow::closeEvent(event);
}

void BrushWindow::changeEvent(QEvent* event)
{
    // The bottom bar's fill follows whether the window is active, as the title bar does, and
    // every fill follows the palette when the desktop's theme changes.
    if ((event->type() == QEvent::ActivationChange || event->type() == QEvent::PaletteChange) &&
        mOutlines)
        applyChromeColours();
    QMainWindow::changeEvent(event);
}

void BrushWindow::showEvent(QShowEvent* event)
{
    // A window restored from another, larger screen would stick out of this one.
    if (const QScreen* here = screen(); here && !mGeometryRestored) {
        const QRect room = here->availableGeometry();
        QRect frame = geometry();
        frame.setSize(frame.size().boundedTo(room.size()));
        frame.moveCenter(room.center());
        setGeometry(frame);
        mGeometryRestored = true;
    }
    QMainWindow::showEvent(event);
}

void BrushWindow::validateActions()
{
    updateActionTarget();
    const BrushFileView* view = fileView();
    mMenus->enableActions(*mActions, *view, isReadingFile());
    mMarks->updateMarkActions(mActions->canTrashOrExport() &&
                              QFileInfo(mActions->targetPath()).isFile());
}

// --- Commands on the selected file ----------------------------------------------------------

// The target is copied: what the commands do changes it.
void BrushWindow::revealSelectedItem()
{
    if (mActions->canReveal())
        RevealInFileManager(QString(mActions->targetPath()));
}

void BrushWindow::installSelectedItem()
{
    if (mActions->canInstall())
        installItem(QString(mActions->targetPath()));
}

void BrushWindow::trashSelectedItem()
{
    if (mActions->canTrash())
        trashItem(QString(mActions->targetPath()));
}

void BrushWindow::installItem(const QString& path)
{
    mActions->install(path);
}

bool BrushWindow::trashItem(const QString& path)
{
    if (!mActions->trash(path))
        return false;
    // Let go of it now rather than when the search notices.
    mOutlines->deselectIfSelected(getFileOutline(), path);
    mOutlines->deselectIfSelected(getInstalledFileOutline(), path);
    if (getDisplayedFilePath() == path)
        setImageFromBrushFile(QString());
    mActions->tellTrashed(path);
    mMarks->fileTrashed(path);
    return true;
}

void BrushWindow::exportBrushFile()
{
    mActions->exportBrushes(fileView()->getBrushFile());
}

void BrushWindow::exportSelectedBrushes()
{
    const BrushFilePtr& file = fileView()->getBrushFile();
    if (!file)
        return;
    // The grid counts patterns on from the last brush.
    std::vector<size_t> brushes, patterns;
    for (int i : fileView()->selectedIndexes()) {
        if (size_t(i) < file->count())
            brushes.push_back(size_t(i));
        else if (size_t(i) - file->count() < file->patterns().size())
            patterns.push_back(size_t(i) - file->count());
    }
    if (!brushes.empty() || !patterns.empty())
        mActions->exportBrushes(file, std::move(brushes), std::move(patterns));
}

void BrushWindow::printBrushFile()
{
    if (!fileView()->canPrint())
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        fileView()->printTo(&printer);
}
