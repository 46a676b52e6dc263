// Stars, tags and duplicates: the window's side of the brush library's marks.

#include "library/CLibrary.h"
#include "ui/common/FileManagerLauncher.h"
#include "ui/dialogs/TagsDialog.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushViewer.h"
#include "ui/library/DuplicatesDialog.h"
#include "ui/library/LibraryController.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModel.h"
#include "ui/outline/OutlinesController.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/ReadingController.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

void BrushWindow::buildMarkActions(QMenu* file)
{
    mFavouriteBrushAction = new QAction(tr("&Favourite Brush"), this);
    mFavouriteBrushAction->setObjectName(QStringLiteral("favouriteBrush"));
    mFavouriteBrushAction->setCheckable(true);
    mFavouriteBrushAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(mFavouriteBrushAction, &QAction::triggered, this,
            &BrushWindow::toggleSelectedBrushesStarred);

    mFavouriteFileAction = file->addAction(tr("Fa&vourite File"));
    mFavouriteFileAction->setObjectName(QStringLiteral("favouriteFile"));
    mFavouriteFileAction->setCheckable(true);
    mFavouriteFileAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(mFavouriteFileAction, &QAction::triggered, this,
            [this](bool on) { setFileStarred(QString(mActions->targetPath()), on); });
    mTagsAction = file->addAction(tr("T&ags…"));
    mTagsAction->setObjectName(QStringLiteral("tags"));
    mTagsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(mTagsAction, &QAction::triggered, this,
            [this] { editTags(QString(mActions->targetPath())); });

    mDuplicatesAction = new QAction(tr("&Duplicates…"), this);
    mDuplicatesAction->setObjectName(QStringLiteral("duplicates"));
    connect(mDuplicatesAction, &QAction::triggered, this, &BrushWindow::showDuplicates);
}

void BrushWindow::connectMarks()
{
    // The narrowing is a stop of its own, right after the filter field beside it.
    QWidget::setTabOrder(outlineFilterField(), mOutlines->narrowingBox());
    connect(mLibrary, &LibraryController::marksChanged, this, &BrushWindow::refreshMarks);
    connect(mOutlines, &OutlinesController::narrowingChosen, this, &BrushWindow::applyNarrowing);
    connect(mOutlines, &OutlinesController::searchFirstPhaseFinished, this,
            &BrushWindow::refreshMarks);
    for (FileOutlineView* outline : {getFileOutline(), getInstalledFileOutline()}) {
        connect(outline, &FileOutlineView::starRequested, this, &BrushWindow::setFileStarred);
        connect(outline, &FileOutlineView::tagsRequested, this, &BrushWindow::editTags);
    }
    connect(mReading.get(), &ReadingController::displayChanged, this,
            [this] { refreshGridStars(false); });
    // kelbrin-cli may have tagged or starred files meanwhile; coming back to the window shows it.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive && fileOutlineModel() &&
                    fileOutlineModel()->firstPhaseFinished())
                    refreshMarks();
            });
    connect(mReading.get(), &ReadingController::viewerOpened, this,
            [this](BrushViewer* viewer) { viewer->addControl(mFavouriteBrushAction); });
}

void BrushWindow::refreshMarks()
{
    CLibrary* library = mLibrary->library();
    QStringList starred = library ? library->starredFiles() : QStringList();
    mStarredFiles = QSet<QString>(starred.begin(), starred.end());
    mOutlines->setStarredPaths(mStarredFiles);
    QStringList tags;
    QHash<QString, QStringList> tagsByFile;
    if (library) {
        for (const LibraryTag& tag : library->allTags()) {
            tags << tag.tag;
            for (const QString& path : library->filesTagged(tag.tag))
                tagsByFile[path] << tag.tag;
        }
    }
    mOutlines->setFileTags(tagsByFile);
    // A tag chosen that no file has any more falls back to all files.
    mOutlines->setNarrowingTags(tags);
    applyNarrowing();
    refreshGridStars(true);
    // Without a library (it does not come later) there is nothing to narrow to; say why.
    if (!library) {
        mOutlines->narrowingBox()->setEnabled(false);
        mOutlines->narrowingBox()->setToolTip(mLibrary->status().message);
    }
}

void BrushWindow::refreshGridStars(bool force)
{
    const QString path = getDisplayedFilePath();
    if (!force && path == mGridStarsPath)
        return;
    mGridStarsPath = path;
    fileView()->setStarredIndexes(path.isEmpty() || !QFileInfo(path).isFile()
                                      ? QSet<int>()
                                      : mLibrary->starredPositions(path));
    validateActions();
}

void BrushWindow::applyNarrowing()
{
    const QString choice = mOutlines->narrowingChoice();
    CLibrary* library = choice.isEmpty() ? nullptr : mLibrary->library();
    if (!library) {
        mOutlines->restrictTo(std::nullopt);
        mOutlines->selectDisplayedIfUnmarked(getDisplayedFilePath());
        return;
    }
    QStringList paths;
    if (choice == OutlinesController::kFavouritesChoice) {
        // A file is a favourite place when it is starred or holds a starred brush.
        paths = library->starredFiles();
        for (const LibraryBrush& brush : library->starredBrushes())
            paths << brush.path;
    } else {
        paths = library->filesTagged(choice);
    }
    mOutlines->restrictTo(QSet<QString>(paths.begin(), paths.end()));
    mOutlines->selectDisplayedIfUnmarked(getDisplayedFilePath());
}

void BrushWindow::toggleSelectedBrushesStarred()
{
    const BrushFilePtr& file = fileView()->getBrushFile();
    if (!file)
        return;
    const QSet<int>& starred = fileView()->starredIndexes();
    QList<int> brushes;
    bool allStarred = true;
    for (int i : fileView()->selectedIndexes()) {
        if (size_t(i) < file->count()) {
            brushes << i;
            allStarred = allStarred && starred.contains(i);
        }
    }
    QString error;
    if (!brushes.isEmpty() && !mLibrary->setStarred(file->getPath(), brushes, !allStarred, &error))
        showMarkError(error);
    refreshGridStars(true);
}

void BrushWindow::setFileStarred(const QString& path, bool starred)
{
    QString error;
    if (!path.isEmpty() && !mLibrary->setStarred(path, -1, starred, &error))
        showMarkError(error);
    validateActions();
}

TagsDialog* BrushWindow::editTags(const QString& path)
{
    CLibrary* library = mLibrary->library();
    if (path.isEmpty() || !library) {
        showMarkError(mLibrary->status().message);
        return nullptr;
    }
    QStringList known;
    for (const LibraryTag& tag : library->allTags())
        known << tag.tag;
    auto* dialog =
        new TagsDialog(QFileInfo(path).fileName(), library->tagsOfFile(path), known, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, path] {
        QString error;
        if (!mLibrary->setTags(path, dialog->tags(), &error))
            showMarkError(error);
    });
    dialog->open();
    return dialog;
}

void BrushWindow::showMarkError(const QString& error)
{
    auto* box = new QMessageBox(QMessageBox::Warning, tr("The brush library could not keep that"),
                                error, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

DuplicatesDialog* BrushWindow::showDuplicates()
{
    if (!mDuplicatesDialog) {
        mDuplicatesDialog = new DuplicatesDialog(mLibrary, this);
        connect(mDuplicatesDialog, &DuplicatesDialog::openRequested, this,
                &BrushWindow::openDuplicate);
        connect(mDuplicatesDialog, &DuplicatesDialog::revealRequested, this, &RevealInFileManager);
        connect(mDuplicatesDialog, &DuplicatesDialog::trashRequested, this,
                &BrushWindow::trashItem);
    } else {
        mDuplicatesDialog->reload();
    }
    mDuplicatesDialog->show();
    mDuplicatesDialog->raise();
    mDuplicatesDialog->activateWindow();
    return mDuplicatesDialog;
}

void BrushWindow::openDuplicate(const QString& path, int position)
{
    openLibraryBrush(path, position);
    raise();
    activateWindow();
}
