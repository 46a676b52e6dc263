#include "ui/BrushWindow.h"

#include "actions/BrushInstaller.h"
#include "actions/Trash.h"
#include "platform/Localization.h"
#include "platform/ReadProgress.h"
#include "platform/RecentFiles.h"
#include "thread/CFileReadingSession.h"
#include "thread/CWorkingThread.h"
#include "ui/BottomDisplay.h"
#include "ui/BrushFileView.h"
#include "ui/BrushViewer.h"
#include "ui/ExportController.h"
#include "ui/FileManagerLauncher.h"
#include "ui/FileOutlineView.h"
#include "ui/OutlineSources.h"
#include "ui/ReadMessageBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
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
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const char* const kBrushDividerKey = "brushDividerPosition";
const char* const kBrowserDividerKey = "browserDividerPosition";
const char* const kGeometryKey = "windowGeometry";
const char* const kStateKey = "windowState";
const char* const kItemsPerRowKey = "itemsPerRow";
const char* const kShowNamesKey = "showNames";
const char* const kOpenFolderKey = "openDialogFolder";
// An export's result stays in the status line this long.
constexpr int kExportMessageMs = 10000;
constexpr int kRecentFileCount = 10;

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

// English plurals with the number in the reader's locale ("5,000 brushes"). No translation
// catalogue is loaded, so Qt's %n forms would show as they are written.
QString CountOf(int n, const char* one, const char* many)
{
    return QString::fromUtf8(n == 1 ? one : many).arg(QLocale().toString(n));
}

bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(name),
                            QApplication::style()->standardIcon(fallback));
}

bool IsBrushFileUrl(const QUrl& url)
{
    return url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile();
}
} // namespace

BrushWindow::BrushWindow(QWidget* parent)
    : QMainWindow(parent), mFileReadingThread(std::make_unique<CWorkingThread>())
{
    setWindowTitle(QStringLiteral("Kelbrin"));
    mCachedDefaultTitle = windowTitle();
    setAcceptDrops(true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(initialSize(screen ? screen->availableGeometry() : QRect(0, 0, 1000, 680)));

    buildWidgets();
    mReading = std::make_unique<CFileReadingSession>(
        *mFileReadingThread,
        [this](const BrushFilePtr& file, const BrushPtr& brush) { brushAdded(file, brush); },
        [this](const BrushFilePtr& file, const ReadOutcome& outcome) {
            finishedReadingFile(file, outcome);
        });
    buildToolbar();
    buildMenus();
    restoreDividers();
    restoreWindowSettings();
    applyChromeColours();
    validateActions();
    updateStatus();
}

QSize BrushWindow::initialSize(const QRect& available)
{
    // The window of old, but never larger than nine tenths of the room the desktop leaves.
    return QSize(std::min(1000, available.width() * 9 / 10),
                 std::min(680, available.height() * 9 / 10));
}

BrushWindow::~BrushWindow()
{
    // The reader must be stopped before the grid and the file it reads into go away.
    if (mReading)
        mReading->Cancel();
    mReading.reset();
    mFileReadingThread.reset();
}

void BrushWindow::buildWidgets()
{
    mBrushSplitter = new QSplitter(Qt::Horizontal, this);
    mBrushSplitter->setHandleWidth(1);
    mBrushSplitter->setChildrenCollapsible(false);

    mBrowserSplitter = new QSplitter(Qt::Vertical, mBrushSplitter);
    mBrowserSplitter->setChildrenCollapsible(false);
    auto* foundPane = new QWidget(mBrowserSplitter);
    auto* foundLayout = new QVBoxLayout(foundPane);
    foundLayout->setContentsMargins(0, 0, 0, 0);
    foundLayout->setSpacing(0);
    mFilterField = new QLineEdit(foundPane);
    mFilterField->setObjectName(QStringLiteral("outlineFilter"));
    mFilterField->setPlaceholderText(tr("Filter brush files"));
    mFilterField->setClearButtonEnabled(true);
    mFilterTimer = new QTimer(this);
    mFilterTimer->setSingleShot(true);
    mFilterTimer->setInterval(150);
    connect(mFilterField, &QLineEdit::textChanged, mFilterTimer, qOverload<>(&QTimer::start));
    connect(mFilterTimer, &QTimer::timeout, this, [this] {
        for (OutlineSource* source : {mFileOutlineSource, mInstalledFileOutlineSource}) {
            if (source)
                source->setNameFilter(mFilterField->text().trimmed());
        }
        updateOutlinePlaceholder();
    });
    mFileOutline = new FileOutlineView(foundPane);
    mFileOutline->setObjectName(QStringLiteral("fileOutline"));
    foundLayout->addWidget(mFilterField);
    foundLayout->addWidget(mFileOutline);
    mFileOutlinePlaceholder = new QLabel(mFileOutline->viewport());
    mFileOutlinePlaceholder->setObjectName(QStringLiteral("outlinePlaceholder"));
    mFileOutlinePlaceholder->setAlignment(Qt::AlignCenter);
    mFileOutlinePlaceholder->setWordWrap(true);
    mFileOutlinePlaceholder->setForegroundRole(QPalette::PlaceholderText);
    mFileOutlinePlaceholder->setContentsMargins(8, 8, 8, 8);
    (new QVBoxLayout(mFileOutline->viewport()))->addWidget(mFileOutlinePlaceholder);

    auto* installedPane = new QWidget(mBrowserSplitter);
    auto* installedLayout = new QVBoxLayout(installedPane);
    installedLayout->setContentsMargins(0, 0, 0, 0);
    installedLayout->setSpacing(0);
    auto* installedTitle =
        new QLabel(LocalizedString(QStringLiteral("installed-brushes-title")), installedPane);
    installedTitle->setObjectName(QStringLiteral("installedTitle"));
    installedTitle->setContentsMargins(8, 3, 8, 3);
    mInstalledTitle = installedTitle;
    mInstalledFileOutline = new FileOutlineView(installedPane);
    mInstalledFileOutline->setObjectName(QStringLiteral("installedFileOutline"));
    installedLayout->addWidget(installedTitle);
    installedLayout->addWidget(mInstalledFileOutline);
    mBrowserSplitter->setHandleWidth(1);

    auto* gridPane = new QWidget(mBrushSplitter);
    auto* gridLayout = new QVBoxLayout(gridPane);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    mScrollArea = new GridScrollArea(gridPane);
    mScrollArea->setFrameShape(QFrame::NoFrame);
    mScrollArea->setBackgroundRole(QPalette::Base);
    mFileView = new BrushFileView;
    mFileView->setObjectName(QStringLiteral("fileView"));
    mFileView->setScrollArea(mScrollArea);

    mBottomBar = new QWidget(gridPane);
    mBottomBar->setObjectName(QStringLiteral("bottomBar"));
    auto* bottomLayout = new QHBoxLayout(mBottomBar);
    bottomLayout->setContentsMargins(4, 2, 8, 2);
    mBottomDisplay = new BottomDisplay(mBottomBar);
    mSearchProgress = new QProgressBar(mBottomBar);
    mSearchProgress->setRange(0, 0);
    mSearchProgress->setMaximumWidth(60);
    mSearchProgress->setMaximumHeight(10);
    mSearchProgress->setTextVisible(false);
    mSearchProgress->hide();
    mSlider = new QSlider(Qt::Horizontal, mBottomBar);
    mSlider->setObjectName(QStringLiteral("iconsPerColumnSlider"));
    // From 1 to 16 thumbnails per row; the value runs the other way (larger = bigger thumbnails).
    mSlider->setRange(1, 16);
    mSlider->setValue(17 - 5);
    mSlider->setFixedWidth(120);
    mSlider->setFocusPolicy(Qt::NoFocus);
    mSlider->setToolTip(tr("Thumbnail size"));
    mFileView->setSlider(mSlider);
    bottomLayout->addWidget(mBottomDisplay, 1);
    bottomLayout->addWidget(mSearchProgress);
    bottomLayout->addWidget(mSlider);

    mReadMessage = new ReadMessageBar(gridPane);
    gridLayout->addWidget(mReadMessage);
    gridLayout->addWidget(mScrollArea, 1);
    gridLayout->addWidget(mBottomBar);

    mBrushSplitter->addWidget(mBrowserSplitter);
    mBrushSplitter->addWidget(gridPane);
    mBrushSplitter->setStretchFactor(1, 1);
    setCentralWidget(mBrushSplitter);

    connect(mBrushSplitter, &QSplitter::splitterMoved, this, &BrushWindow::saveDividers);
    connect(mBrowserSplitter, &QSplitter::splitterMoved, this, &BrushWindow::saveDividers);

    mStatusLabel = new QLabel(this);
    mStatusLabel->setObjectName(QStringLiteral("statusLabel"));
    mReadProgress = new QProgressBar(this);
    mReadProgress->setObjectName(QStringLiteral("readProgress"));
    mReadProgress->setMaximumWidth(160);
    mReadProgress->setMaximumHeight(14);
    mReadProgress->setTextVisible(false);
    mReadProgress->hide();
    mExportLabel = new QLabel(this);
    mExportLabel->setObjectName(QStringLiteral("exportLabel"));
    mOpenFolderButton = new QPushButton(tr("Open Folder"), this);
    mOpenFolderButton->setObjectName(QStringLiteral("openFolderButton"));
    mOpenFolderButton->setFlat(true);
    mOpenFolderButton->setFocusPolicy(Qt::NoFocus);
    mExportLabel->hide();
    mOpenFolderButton->hide();
    connect(mOpenFolderButton, &QPushButton::clicked, this,
            [this] { OpenFolderInFileManager(mExportFolder); });
    statusBar()->addWidget(mStatusLabel, 1);
    statusBar()->addPermanentWidget(mExportLabel);
    statusBar()->addPermanentWidget(mOpenFolderButton);
    statusBar()->addPermanentWidget(mReadProgress);
    mExportMessageTimer = new QTimer(this);
    mExportMessageTimer->setSingleShot(true);
    connect(mExportMessageTimer, &QTimer::timeout, this, [this] {
        mExportLabel->hide();
        mOpenFolderButton->hide();
    });
    mReadProgressTimer = new QTimer(this);
    mReadProgressTimer->setInterval(100);
    connect(mReadProgressTimer, &QTimer::timeout, this, &BrushWindow::pollReadProgress);

    connect(mFileView, &BrushFileView::brushActivated, this, &BrushWindow::openViewer);
    connect(mFileView, &BrushFileView::selectionChanged, this, [this] {
        validateActions();
        updateStatus();
    });
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
    mInstalledTitle->setStyleSheet(
        QStringLiteral("QLabel#installedTitle { font-weight: 600; color: %1;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 "
                       "%3); border-top: 1px solid %4; border-bottom: 1px solid %4; }")
            .arg(p.color(QPalette::WindowText).name(), top.name(), bottom.name(), mid.name()));
    mApplyingColours = false;
}

void BrushWindow::restoreWindowSettings()
{
    QSettings settings;
    const int perRow = settings.value(kItemsPerRowKey, BrushFileView::kDefaultItemsPerRow).toInt();
    mFileView->setItemsPerColumn(std::clamp(perRow, mSlider->minimum(), mSlider->maximum()));
    mShowNamesAction->setChecked(settings.value(kShowNamesKey, true).toBool());
    mFileView->setShowNames(mShowNamesAction->isChecked());
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    mGeometryRestored = !geometry.isEmpty() && restoreGeometry(geometry);
    restoreState(settings.value(kStateKey).toByteArray());
    connect(mSlider, &QSlider::valueChanged, this,
            [this] { QSettings().setValue(kItemsPerRowKey, mFileView->getItemsPerColumn()); });
}

void BrushWindow::restoreDividers()
{
    QSettings settings;
    const int brush = settings.value(kBrushDividerKey, 260).toInt();
    const int browser = settings.value(kBrowserDividerKey, 380).toInt();
    mBrushSplitter->setSizes({brush, std::max(200, width() - brush)});
    mBrowserSplitter->setSizes({browser, std::max(100, height() - browser)});
}

void BrushWindow::saveDividers()
{
    QSettings settings;
    settings.setValue(kBrushDividerKey, mBrushSplitter->sizes().value(0));
    settings.setValue(kBrowserDividerKey, mBrowserSplitter->sizes().value(0));
}

void BrushWindow::buildToolbar()
{
    mAllowInstall = false;
    mAllowTrashOrExport = false;
    mToolbar = addToolBar(QString());
    mToolbar->setObjectName(QStringLiteral("brushWindow"));
    mToolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    mToolbar->setIconSize(QSize(24, 24));
    mToolbar->setMovable(false);

    mInstallToolbarAction =
        mToolbar->addAction(ThemeIcon("system-software-install", QStyle::SP_ArrowDown),
                            LocalizedString(QStringLiteral("toolbar-install")));
    mInstallToolbarAction->setObjectName(QStringLiteral("install"));
    mTrashToolbarAction = mToolbar->addAction(ThemeIcon("user-trash", QStyle::SP_TrashIcon),
                                              LocalizedString(QStringLiteral("toolbar-trash")));
    mTrashToolbarAction->setObjectName(QStringLiteral("moveToTrash"));
    auto* flexibleSpace = new QWidget(mToolbar);
    flexibleSpace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    mToolbar->addWidget(flexibleSpace);
    mExportToolbarAction =
        mToolbar->addAction(ThemeIcon("document-save-as", QStyle::SP_DialogSaveButton),
                            LocalizedString(QStringLiteral("toolbar-export")));
    mExportToolbarAction->setObjectName(QStringLiteral("export"));
    connect(mExportToolbarAction, &QAction::triggered, this, &BrushWindow::exportBrushFile);
    connect(mInstallToolbarAction, &QAction::triggered, this, &BrushWindow::installSelectedItem);
    connect(mTrashToolbarAction, &QAction::triggered, this, &BrushWindow::trashSelectedItem);
}

void BrushWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open…"), this, &BrushWindow::doOpen);
    open->setShortcut(QKeySequence::Open);
    mOpenRecentMenu = file->addMenu(tr("Open &Recent"));
    mOpenRecentMenu->setObjectName(QStringLiteral("openRecentMenu"));
    connect(mOpenRecentMenu, &QMenu::aboutToShow, this, &BrushWindow::rebuildOpenRecentMenu);
    rebuildOpenRecentMenu();
    file->addSeparator();
    mExportMenuAction =
        file->addAction(tr("&Export as Images…"), this, &BrushWindow::exportBrushFile);
    mExportMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mExportSelectedAction =
        file->addAction(tr("Export &Selected…"), this, &BrushWindow::exportSelectedBrushes);
    mExportSelectedAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    mPrintAction = file->addAction(tr("&Print…"), this, &BrushWindow::printBrushFile);
    mPrintAction->setShortcut(QKeySequence::Print);
    file->addSeparator();
    mRevealMenuAction = file->addAction(tr("Show in File &Manager"));
    mInstallMenuAction = file->addAction(tr("&Install in Photoshop"));
    mTrashMenuAction = file->addAction(tr("Move to &Trash"));
    mTrashMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(mRevealMenuAction, &QAction::triggered, this, &BrushWindow::revealSelectedItem);
    connect(mInstallMenuAction, &QAction::triggered, this, &BrushWindow::installSelectedItem);
    connect(mTrashMenuAction, &QAction::triggered, this, &BrushWindow::trashSelectedItem);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    mCopyAction = edit->addAction(tr("&Copy"), this, &BrushWindow::copySelectedBrush);
    mCopyAction->setShortcut(QKeySequence::Copy);
    mSelectAllAction = edit->addAction(tr("Select &All"), mFileView, &BrushFileView::selectAll);
    mSelectAllAction->setShortcut(QKeySequence::SelectAll);
    edit->addSeparator();
    mViewBrushAction = edit->addAction(tr("&View Brush"), this, [this] {
        const QList<int> selected = mFileView->selectedIndexes();
        const int current = mFileView->currentIndex();
        if (!selected.isEmpty())
            openViewer(selected.contains(current) ? current : selected.first());
    });
    // Space and Return open it in the grid; the menu only shows where it is.
    mViewBrushAction->setShortcut(QKeySequence(Qt::Key_Space));
    mViewBrushAction->setShortcutContext(Qt::WidgetShortcut);
    // A right click selects the brush under it; the menu offers what can be done with it.
    mFileView->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    mFileView->addActions(
        {mViewBrushAction, mCopyAction, mSelectAllAction, separator, mExportSelectedAction});

    QMenu* view = menuBar()->addMenu(tr("&View"));
    mZoomInAction = view->addAction(tr("Zoom &In"), mFileView, &BrushFileView::zoomIn);
    mZoomInAction->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mZoomOutAction = view->addAction(tr("Zoom &Out"), mFileView, &BrushFileView::zoomOut);
    mZoomOutAction->setShortcut(QKeySequence::ZoomOut);
    mResetZoomAction = view->addAction(tr("&Reset Zoom"), mFileView, &BrushFileView::resetZoom);
    mResetZoomAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();
    mShowNamesAction = view->addAction(tr("Show &Names"));
    mShowNamesAction->setCheckable(true);
    connect(mShowNamesAction, &QAction::toggled, this, [this](bool on) {
        mFileView->setShowNames(on);
        QSettings().setValue(kShowNamesKey, on);
    });
    mShowAllFoldersAction = view->addAction(tr("Show &All Folders"));
    mShowAllFoldersAction->setCheckable(true);
    connect(mShowAllFoldersAction, &QAction::triggered, this, &BrushWindow::toggleShowAllFolders);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* helpAction = help->addAction(tr("Kelbrin &Help"), this, &BrushWindow::showHelp);
    helpAction->setShortcut(QKeySequence::HelpContents);
    help->addAction(tr("&About Kelbrin"), this, &BrushWindow::showAbout);

    connect(mSlider, &QSlider::valueChanged, this, &BrushWindow::validateActions);
}

void BrushWindow::validateActions()
{
    const bool fileShown = mFileView->getBrushFile() != nullptr;
    mInstallToolbarAction->setEnabled(mAllowInstall);
    mTrashToolbarAction->setEnabled(mAllowTrashOrExport);
    mExportToolbarAction->setEnabled(mAllowTrashOrExport);
    mInstallMenuAction->setEnabled(mAllowInstall);
    mTrashMenuAction->setEnabled(mAllowTrashOrExport);
    mRevealMenuAction->setEnabled(mSomethingSelected);
    // A file that yielded no brush has nothing to export, and gets no empty folder.
    const bool hasBrushes = fileShown && mFileView->getBrushFile()->count() > 0;
    mExportMenuAction->setEnabled(hasBrushes && !isReadingFile());
    mPrintAction->setEnabled(mFileView->canPrint());
    mZoomInAction->setEnabled(mFileView->canZoomIn());
    mZoomOutAction->setEnabled(mFileView->canZoomOut());
    const bool anyBrush = fileShown && mFileView->getBrushFile()->count() > 0;
    const bool brushSelected = !mFileView->selectedIndexes().isEmpty();
    mCopyAction->setEnabled(brushSelected);
    mExportSelectedAction->setEnabled(brushSelected);
    mViewBrushAction->setEnabled(brushSelected);
    mSelectAllAction->setEnabled(anyBrush);
}

void BrushWindow::setSelectionState(bool fileSelectedInAll, bool fileSelectedInInstalled,
                                    bool anythingSelected, bool photoshopFound)
{
    mAllowInstall = fileSelectedInAll && photoshopFound;
    mAllowTrashOrExport = fileSelectedInAll || fileSelectedInInstalled;
    mSomethingSelected = anythingSelected;
    validateActions();
}

QString BrushWindow::getDisplayedFilePath() const
{
    const BrushFilePtr& file = mFileView->getBrushFile();
    return file ? file->getPath() : QString();
}

bool BrushWindow::isReadingFile() const
{
    return mReading && mReading->isReadingFile();
}

void BrushWindow::fileBrowserSelectionChanged(const QString& path)
{
    validateActions();
    setImageFromBrushFile(path);
}

void BrushWindow::setImageFromBrushFile(const QString& path)
{
    if (!path.isEmpty() && path == getDisplayedFilePath())
        return; // already shown, or being read
    cancelFileReading();
    clearImage();
    mReadMessage->hide();
    mLastReadFailed = false;
    mFileView->setBrushFile(nullptr);
    mReading->ShowFile(nullptr);
    setDisplayedPath(path);
    validateActions();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.exists() && info.isDir())
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
    validateActions();
    updateStatus();
}

void BrushWindow::cancelFileReading()
{
    mReading->Cancel();
}

void BrushWindow::clearImage()
{
    if (mViewer)
        mViewer->close();
    mReadProgressTimer->stop();
    mReadProgress->hide();
    mFileView->clear();
    setDisplayedPath(QString());
}

void BrushWindow::setDisplayedPath(const QString& path)
{
    const QFileInfo info(path);
    if (!path.isEmpty() && info.exists() && !info.isDir()) {
        setTitleBarButtonToPath(path);
        mBottomDisplay->setPath(path);
    } else if (!path.isEmpty() && info.exists()) {
        setTitleBarButtonToPath(QString());
        mBottomDisplay->setPath(path);
    } else {
        setTitleBarButtonToPath(QString());
        mBottomDisplay->setPath(QString());
    }
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

void BrushWindow::brushAdded(const BrushFilePtr& file, const BrushPtr& brush)
{
    if (file != mFileView->getBrushFile())
        return;
    mFileView->addBrush(brush);
    if (file->count() == 1)
        validateActions(); // Select All
    // Text only: the progress bar follows the bytes on its own timer.
    updateStatus();
}

void BrushWindow::finishedReadingFile(const BrushFilePtr& file, const ReadOutcome& outcome)
{
    mReadProgressTimer->stop();
    mReadProgress->hide();
    mLastReadFailed = outcome.failed();
    mReadMessage->showOutcome(outcome, file->count());
    validateActions();
    updateStatus();
    Q_EMIT fileReadingFinished(file->getPath());
}

void BrushWindow::pollReadProgress()
{
    const QString path = getDisplayedFilePath();
    const qint64 size = QFileInfo(path).size();
    const qint64 offset = ReadOffsetOfOpenFile(path);
    if (size > 0 && offset >= 0)
        mReadProgress->setValue(int(std::min<qint64>(1000, offset * 1000 / size)));
}

QString BrushWindow::statusText() const
{
    return mStatusLabel->text();
}

QString BrushWindow::exportMessage() const
{
    return mExportLabel->isHidden() ? QString() : mExportLabel->text();
}

void BrushWindow::updateStatus()
{
    const BrushFilePtr& file = mFileView->getBrushFile();
    if (!file) {
        mStatusLabel->clear();
        return;
    }
    const int count = int(file->count());
    if (isReadingFile()) {
        mStatusLabel->setText(CountOf(count, "Reading… %1 brush", "Reading… %1 brushes"));
        return;
    }
    int computed = 0;
    for (const BrushPtr& brush : file->brushes())
        computed += brush->isComputed() ? 1 : 0;
    const QLocale locale;
    QString text = CountOf(count, "%1 brush", "%1 brushes");
    if (count > 0)
        text += QStringLiteral(" (%1 sampled, %2 computed)")
                    .arg(locale.toString(count - computed), locale.toString(computed));
    const int selected = int(mFileView->selectedIndexes().size());
    if (selected > 0)
        text += QStringLiteral(" — %1 selected").arg(locale.toString(selected));
    mStatusLabel->setText(text);
}

BrushViewer* BrushWindow::viewer() const
{
    return mViewer;
}

void BrushWindow::openViewer(int index)
{
    const BrushFilePtr& file = mFileView->getBrushFile();
    if (!file || index < 0 || size_t(index) >= file->count())
        return;
    if (mViewer && mViewer->brushFile() == file) {
        mViewer->showBrush(index);
    } else {
        if (mViewer)
            mViewer->close();
        mViewer = new BrushViewer(file, index, this);
        // Stepping in the viewer moves the grid's selection along, so closing it leaves the
        // grid where the user was looking.
        connect(mViewer, &BrushViewer::brushShown, mFileView, [this](int shown) {
            if (!mFileView->isSelected(shown) || mFileView->selectedIndexes().size() > 1)
                mFileView->selectOnly(shown);
        });
        connect(mViewer, &QObject::destroyed, mFileView, [this] { mFileView->setFocus(); });
    }
    mViewer->show();
    mViewer->raise();
    mViewer->activateWindow();
}

void BrushWindow::copySelectedBrush()
{
    const QList<int> selected = mFileView->selectedIndexes();
    if (selected.isEmpty())
        return;
    const int current = mFileView->currentIndex();
    const int index = selected.contains(current) ? current : selected.first();
    if (QMimeData* mime = mFileView->mimeDataForBrushes({index}, false))
        QGuiApplication::clipboard()->setMimeData(mime);
}

void BrushWindow::exportSelectedBrushes()
{
    std::vector<size_t> indexes;
    for (int i : mFileView->selectedIndexes())
        indexes.push_back(size_t(i));
    if (!indexes.empty())
        runExport(std::move(indexes));
}

void BrushWindow::runExport(std::vector<size_t> indexes)
{
    const BrushFilePtr file = mFileView->getBrushFile();
    if (!file)
        return;
    ExportController controller = ExportController::exporterForBrushFile(file, this);
    controller.setIndexes(std::move(indexes));
    const QString folder = controller.run();
    if (folder.isEmpty())
        return;
    const BrushExporter::Report& report = controller.report();
    QString text = CountOf(report.written, "%1 image written to ", "%1 images written to ") +
                   QFileInfo(folder).fileName();
    if (!report.failures.isEmpty())
        text += QStringLiteral(", %1 could not be written")
                    .arg(QLocale().toString(int(report.failures.size())));
    mExportFolder = folder;
    mExportLabel->setText(text);
    mExportLabel->setToolTip(folder);
    mExportLabel->show();
    mOpenFolderButton->show();
    mExportMessageTimer->start(kExportMessageMs);
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
    // The search may only now have found the file on display.
    const QString displayed = getDisplayedFilePath();
    if (!displayed.isEmpty()) {
        mInstalledFileOutline->selectFileByPath(displayed);
        mFileOutline->selectFileByPath(displayed);
    }
    updateOutlinePlaceholder();
}

void BrushWindow::setOutlineSources(FoundFileOutlineSource* found,
                                    InstalledFileOutlineSource* installed, PhotoshopAppList apps,
                                    QStringList searchedFolders)
{
    mPhotoshopApps = std::move(apps);
    mSearchedFolders = std::move(searchedFolders);
    mFileOutlineSource = found;
    mInstalledFileOutlineSource = installed;
    const bool canInstall = !mPhotoshopApps.empty();
    for (auto [outline, source] : {std::pair<FileOutlineView*, OutlineSource*>{mFileOutline, found},
                                   {mInstalledFileOutline, installed}}) {
        source->setParent(this);
        outline->setSource(source);
        outline->setInstallTargetsAvailable(canInstall);
        connect(outline, &FileOutlineView::selectedPathChanged, this,
                &BrushWindow::outlineSelectionChanged);
        connect(outline, &FileOutlineView::outlineViewAcceptingFocus, this,
                &BrushWindow::outlineAcceptedFocus);
        connect(outline, &FileOutlineView::revealRequested, this, &RevealInFileManager);
        connect(outline, &FileOutlineView::installRequested, this, &BrushWindow::installItem);
        connect(outline, &FileOutlineView::trashRequested, this,
                [this, outline = outline](const QString& path) { trashItem(outline, path); });
        connect(source, &OutlineSource::selectedPathRenamed, this, &BrushWindow::setDisplayedPath);
    }
    // Both follow the same search; one end of its first phase is enough for the window.
    connect(found, &OutlineSource::firstPhaseDidFinish, this,
            &BrushWindow::finishedQueryFirstPhase);
    connect(found, &QAbstractItemModel::rowsInserted, this, &BrushWindow::updateOutlinePlaceholder);
    connect(found, &QAbstractItemModel::rowsRemoved, this, &BrushWindow::updateOutlinePlaceholder);
    connect(found, &QAbstractItemModel::modelReset, this, &BrushWindow::updateOutlinePlaceholder);
    if (mShowAllFoldersAction->isChecked())
        mFileOutline->showAllFolders(true);
    updateOutlinePlaceholder();
}

void BrushWindow::updateOutlinePlaceholder()
{
    if (!mFileOutlineSource || mFileOutlineSource->rowCount() > 0) {
        mFileOutlinePlaceholder->hide();
        return;
    }
    QString text;
    if (!mFilterField->text().trimmed().isEmpty())
        text = tr("No brush file names contain “%1”").arg(mFilterField->text().trimmed());
    else if (!mFileOutlineSource->firstPhaseFinished())
        text = tr("Searching for brush files…");
    else if (mSearchedFolders.isEmpty())
        text = tr("No brush files found");
    else
        text = tr("No brush files found in:") + QLatin1Char('\n') +
               mSearchedFolders.join(QLatin1Char('\n'));
    mFileOutlinePlaceholder->setText(text);
    mFileOutlinePlaceholder->show();
}

void BrushWindow::outlineSelectionChanged()
{
    const bool fileInFound = mFileOutline->selectedItemIsFile();
    const bool fileInInstalled = mInstalledFileOutline->selectedItemIsFile();
    const bool anything = !mFileOutline->getPathOfSelectedItem().isEmpty() ||
                          !mInstalledFileOutline->getPathOfSelectedItem().isEmpty();
    setSelectionState(fileInFound, fileInInstalled, anything, !mPhotoshopApps.empty());
    auto* outline = qobject_cast<FileOutlineView*>(sender());
    // Clearing the other outline's selection must not clear the grid the first one fills.
    if (outline && outline->getPathOfSelectedItem().isEmpty() &&
        !(outline == mFileOutline ? mInstalledFileOutline : mFileOutline)
             ->getPathOfSelectedItem()
             .isEmpty())
        return;
    fileBrowserSelectionChanged(outline ? outline->getPathOfSelectedItem() : QString());
}

void BrushWindow::outlineAcceptedFocus(FileOutlineView* outline)
{
    (outline == mFileOutline ? mInstalledFileOutline : mFileOutline)->clearSelection();
}

void BrushWindow::revealSelectedItem()
{
    for (FileOutlineView* outline : {mFileOutline, mInstalledFileOutline}) {
        const QString path = outline->getPathOfSelectedItem();
        if (!path.isEmpty())
            RevealInFileManager(path);
    }
}

void BrushWindow::installSelectedItem()
{
    if (mFileOutline->selectedItemIsFile())
        installItem(mFileOutline->getPathOfSelectedItem());
}

void BrushWindow::trashSelectedItem()
{
    for (FileOutlineView* outline : {mFileOutline, mInstalledFileOutline}) {
        if (outline->selectedItemIsFile())
            trashItem(outline, outline->getPathOfSelectedItem());
    }
}

void BrushWindow::installItem(const QString& path)
{
    if (path.isEmpty())
        return;
    const BrushInstaller::Report report = BrushInstaller::installItem(path, mPhotoshopApps);
    if (!report.succeeded())
        showAlert(report.alertKey, report.informativeKey);
}

void BrushWindow::trashItem(FileOutlineView* outline, const QString& path)
{
    if (path.isEmpty())
        return;
    const QString selected = outline->getPathOfSelectedItem();
    // The outline never offers deleting outright: a file no trash can take is refused.
    if (!Trash::trashPath(path).succeeded)
        showAlert(QStringLiteral("can't-trash"), QStringLiteral("trash-check-permissions"));
    else if (selected == path)
        outline->selectFileByPath(QString());
}

void BrushWindow::showAlert(const QString& messageKey, const QString& informativeKey)
{
    const QString message = LocalizedString(messageKey);
    const QString informative = LocalizedString(informativeKey);
    if (mAlertHandler) {
        mAlertHandler(message, informative);
        return;
    }
    QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::NoButton, this);
    box.setInformativeText(informative);
    box.addButton(LocalizedString(QStringLiteral("close-button")), QMessageBox::AcceptRole);
    box.exec();
}

void BrushWindow::toggleShowAllFolders()
{
    const QString selected = mFileOutline->getPathOfSelectedItem();
    mFileOutline->showAllFolders(mShowAllFoldersAction->isChecked());
    mFileOutline->selectFileByPath(selected);
    updateOutlinePlaceholder();
}

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

void BrushWindow::rebuildOpenRecentMenu()
{
    mOpenRecentMenu->clear();
    const QStringList recent = RecentBrushFiles(kRecentFileCount);
    for (const QString& path : recent) {
        QAction* action = mOpenRecentMenu->addAction(QFileInfo(path).fileName(), this,
                                                     [this, path] { doOpenFile(path); });
        action->setToolTip(path);
        action->setStatusTip(path);
    }
    if (recent.isEmpty())
        mOpenRecentMenu->addAction(tr("No Recent Files"))->setEnabled(false);
}

void BrushWindow::doOpenFile(const QString& path)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Shown through an outline where the file is in one, so the outline marks it.
    if (!mInstalledFileOutline->selectFileByPath(absolute) &&
        !mFileOutline->selectFileByPath(absolute))
        setImageFromBrushFile(absolute);
    NoteRecentFile(absolute);
    // Home, End and the arrows work on a file handed over at once. (A file chosen in an outline
    // leaves the keyboard there, for stepping through the files.)
    mFileView->setFocus(Qt::OtherFocusReason);
}

void BrushWindow::exportBrushFile()
{
    runExport({});
}

void BrushWindow::printBrushFile()
{
    if (!mFileView->canPrint())
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        mFileView->printTo(&printer);
}

void BrushWindow::showHelp()
{
    const QString url = LocalizedString(QStringLiteral("help-url"));
    if (!url.isEmpty()) {
        QDesktopServices::openUrl(QUrl(url));
        return;
    }
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
        this, tr("Kelbrin Help"),
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

void BrushWindow::showAbout()
{
    QString text = tr("<h3>Kelbrin %1</h3>"
                      "<p>Browse the brushes in Photoshop brush files (.abr): find them all, look "
                      "at every brush, export them as images. Kelbrin never changes a brush "
                      "file.</p>"
                      "<p>The licence is in the copyright file installed with Kelbrin "
                      "(/usr/share/doc/kelbrin/copyright).</p>")
                       .arg(QCoreApplication::applicationVersion());
    const QString homePage = LocalizedString(QStringLiteral("home-page-url"));
    if (!homePage.isEmpty())
        text += QStringLiteral("<p><a href=\"%1\">%1</a></p>").arg(homePage.toHtmlEscaped());
    QMessageBox::about(this, tr("About Kelbrin"), text);
}

void BrushWindow::closeEvent(QCloseEvent* event)
{
    saveDividers();
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
    cancelFileReading();
    QMainWindow::closeEvent(event);
}

void BrushWindow::changeEvent(QEvent* event)
{
    // The bottom bar's fill follows whether the window is active, as the title bar does, and
    // every fill follows the palette when the desktop's theme changes.
    if ((event->type() == QEvent::ActivationChange || event->type() == QEvent::PaletteChange) &&
        mInstalledTitle)
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

void BrushWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && IsBrushFileUrl(urls.first()))
        event->acceptProposedAction();
}

void BrushWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && IsBrushFileUrl(urls.first())) {
        event->acceptProposedAction();
        doOpenFile(urls.first().toLocalFile());
    }
}
