#include "ui/BrushWindow.h"

#include "platform/RecentFiles.h"
#include "thread/CFileReadingSession.h"
#include "thread/CWorkingThread.h"
#include "ui/BottomDisplay.h"
#include "ui/BrushFileView.h"
#include "ui/ExportController.h"
#include "ui/Localization.h"
#include "ui/ReadMessageBar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QScrollArea>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const char* const kBrushDividerKey = "brushDividerPosition";
const char* const kBrowserDividerKey = "browserDividerPosition";

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
    resize(1000, 680);

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
    validateActions();
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
    mFileOutline = new QTreeView(mBrowserSplitter);
    mFileOutline->setObjectName(QStringLiteral("fileOutline"));
    mFileOutline->setHeaderHidden(true);

    auto* installedPane = new QWidget(mBrowserSplitter);
    auto* installedLayout = new QVBoxLayout(installedPane);
    installedLayout->setContentsMargins(0, 0, 0, 0);
    installedLayout->setSpacing(0);
    auto* installedTitle =
        new QLabel(LocalizedString(QStringLiteral("installed-brushes-title")), installedPane);
    installedTitle->setObjectName(QStringLiteral("installedTitle"));
    installedTitle->setContentsMargins(8, 3, 8, 3);
    installedTitle->setStyleSheet(QStringLiteral(
        "QLabel#installedTitle { font-weight: 600; color: #404850;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f2f4f7, stop:1 #d9dde3);"
        " border-top: 1px solid #b8bec6; border-bottom: 1px solid #b8bec6; }"));
    mInstalledFileOutline = new QTreeView(installedPane);
    mInstalledFileOutline->setObjectName(QStringLiteral("installedFileOutline"));
    mInstalledFileOutline->setHeaderHidden(true);
    installedLayout->addWidget(installedTitle);
    installedLayout->addWidget(mInstalledFileOutline);
    mBrowserSplitter->setHandleWidth(1);

    auto* gridPane = new QWidget(mBrushSplitter);
    auto* gridLayout = new QVBoxLayout(gridPane);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    mScrollArea = new QScrollArea(gridPane);
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
    mSpotlightProgress = new QProgressBar(mBottomBar);
    mSpotlightProgress->setRange(0, 0);
    mSpotlightProgress->setMaximumWidth(60);
    mSpotlightProgress->setMaximumHeight(10);
    mSpotlightProgress->setTextVisible(false);
    mSpotlightProgress->hide();
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
    bottomLayout->addWidget(mSpotlightProgress);
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
    setStyleSheet(
        QStringLiteral("QWidget#bottomBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #e9ecf0, stop:1 #cfd4da); border-top: 1px solid #aab0b8; }"
                       " QSplitter::handle { background: #aab0b8; }"));
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
}

void BrushWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open…"), this, &BrushWindow::doOpen);
    open->setShortcut(QKeySequence::Open);
    file->addSeparator();
    mExportMenuAction =
        file->addAction(tr("&Export as Images…"), this, &BrushWindow::exportBrushFile);
    mExportMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mPrintAction = file->addAction(tr("&Print…"), this, &BrushWindow::printBrushFile);
    mPrintAction->setShortcut(QKeySequence::Print);
    file->addSeparator();
    mRevealMenuAction = file->addAction(tr("Show in File &Manager"));
    mInstallMenuAction = file->addAction(tr("&Install in Photoshop"));
    mTrashMenuAction = file->addAction(tr("Move to &Trash"));
    mTrashMenuAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    mZoomInAction = view->addAction(tr("Zoom &In"), mFileView, &BrushFileView::zoomIn);
    mZoomInAction->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mZoomOutAction = view->addAction(tr("Zoom &Out"), mFileView, &BrushFileView::zoomOut);
    mZoomOutAction->setShortcut(QKeySequence::ZoomOut);
    view->addSeparator();
    mShowAllFoldersAction = view->addAction(tr("Show &All Folders"));
    mShowAllFoldersAction->setCheckable(true);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* helpAction = help->addAction(tr("Kelbrin &Help"), this, &BrushWindow::showHelp);
    helpAction->setShortcut(QKeySequence::HelpContents);

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
    if (!mReading->ReadDisplayedFile(&openError)) {
        // Said over the empty grid, as a read that fails at once would be.
        ReadOutcome outcome;
        outcome.error = openError;
        mReadMessage->showOutcome(outcome, 0);
        mLastReadFailed = true;
    }
    validateActions();
}

void BrushWindow::cancelFileReading()
{
    mReading->Cancel();
}

void BrushWindow::clearImage()
{
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
    if (file == mFileView->getBrushFile())
        mFileView->addBrush(brush);
}

void BrushWindow::finishedReadingFile(const BrushFilePtr& file, const ReadOutcome& outcome)
{
    mLastReadFailed = outcome.failed();
    mReadMessage->showOutcome(outcome, file->count());
    validateActions();
    Q_EMIT fileReadingFinished(file->getPath());
}

void BrushWindow::setProgressIndicator(bool on)
{
    if (on) {
        if (mSpotlightProgressUserCount++ == 0)
            mSpotlightProgress->show();
    } else {
        if (mSpotlightProgressUserCount-- == 1)
            mSpotlightProgress->hide();
    }
}

void BrushWindow::finishedQueryFirstPhase()
{
    setProgressIndicator(false);
}

void BrushWindow::doOpen()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Brush File"), QString(), tr("Brush files (*.abr *.ABR);;All files (*)"));
    if (!path.isEmpty())
        doOpenFile(path);
}

void BrushWindow::doOpenFile(const QString& path)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    setImageFromBrushFile(absolute);
    NoteRecentFile(absolute);
}

void BrushWindow::exportBrushFile()
{
    const BrushFilePtr file = mFileView->getBrushFile();
    if (!file)
        return;
    ExportController::exporterForBrushFile(file, this).run();
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
    QMessageBox::about(this, tr("Kelbrin Help"),
                       tr("<p><b>Kelbrin</b> shows the brushes in Photoshop brush files.</p>"
                          "<p>Open a file with File ▸ Open… or drop it on the window. Change the "
                          "thumbnail size with the slider or View ▸ Zoom In and Zoom Out; Home and "
                          "End jump to the first and last brushes. Export writes every brush as a "
                          "PNG file into a new folder.</p>"));
}

void BrushWindow::closeEvent(QCloseEvent* event)
{
    saveDividers();
    cancelFileReading();
    QMainWindow::closeEvent(event);
}

void BrushWindow::changeEvent(QEvent* event)
{
    // The bottom bar's fill follows whether the window is active, as the title bar does.
    if (event->type() == QEvent::ActivationChange && mBottomBar)
        mBottomBar->setStyleSheet(
            isActiveWindow() ? QString()
                             : QStringLiteral("QWidget#bottomBar { background: #eceef1; }"));
    QMainWindow::changeEvent(event);
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
