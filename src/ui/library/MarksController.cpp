#include "ui/library/MarksController.h"
#include "brush/BrushFile.h"
#include "library/CLibrary.h"
#include "ui/common/FileManagerLauncher.h"
#include "ui/dialogs/TagsDialog.h"
#include "ui/grid/BrushFileView.h"
#include "ui/library/DuplicatesDialog.h"
#include "ui/library/LibraryController.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModel.h"
#include "ui/outline/OutlinesController.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

MarksController::MarksController(LibraryController* library, OutlinesController* outlines,
                                 BrushFileView* grid, QWidget* window,
                                 std::function<QString()> displayedFile,
                                 std::function<QString()> targetPath)
    : QObject(window), mLibrary(library), mOutlines(outlines), mGrid(grid), mWindow(window),
      mDisplayedFile(std::move(displayedFile)), mTargetPath(std::move(targetPath))
{}

void MarksController::buildActions(QMenu* file)
{
    mFavouriteBrushAction = new QAction(tr("&Favourite Brush"), mWindow);
    mFavouriteBrushAction->setObjectName(QStringLiteral("favouriteBrush"));
    mFavouriteBrushAction->setCheckable(true);
    mFavouriteBrushAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(mFavouriteBrushAction, &QAction::triggered, this,
            &MarksController::toggleSelectedBrushesStarred);

    mFavouriteFileAction = file->addAction(tr("Fa&vourite File"));
    mFavouriteFileAction->setObjectName(QStringLiteral("favouriteFile"));
    mFavouriteFileAction->setCheckable(true);
    mFavouriteFileAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(mFavouriteFileAction, &QAction::triggered, this,
            [this](bool on) { setFileStarred(mTargetPath(), on); });
    mTagsAction = file->addAction(tr("T&ags…"));
    mTagsAction->setObjectName(QStringLiteral("tags"));
    mTagsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(mTagsAction, &QAction::triggered, this, [this] { editTags(mTargetPath()); });

    mDuplicatesAction = new QAction(tr("&Duplicates…"), mWindow);
    mDuplicatesAction->setObjectName(QStringLiteral("duplicates"));
    connect(mDuplicatesAction, &QAction::triggered, this, &MarksController::showDuplicates);
}

void MarksController::connectSources()
{
    // The narrowing is a stop of its own, right after the filter field beside it.
    QWidget::setTabOrder(mOutlines->filterField(), mOutlines->narrowingBox());
    connect(mLibrary, &LibraryController::marksChanged, this, &MarksController::refresh);
    connect(mOutlines, &OutlinesController::narrowingChosen, this,
            &MarksController::applyNarrowing);
    connect(mOutlines, &OutlinesController::searchFirstPhaseFinished, this,
            &MarksController::refresh);
    for (FileOutlineView* outline : {mOutlines->fileOutline(), mOutlines->installedFileOutline()}) {
        connect(outline, &FileOutlineView::starRequested, this, &MarksController::setFileStarred);
        connect(outline, &FileOutlineView::tagsRequested, this, &MarksController::editTags);
    }
    // kelbrin-cli may have tagged or starred files meanwhile; coming back to the window shows it.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                const OutlineModel* found = mOutlines->fileOutlineModel();
                if (state == Qt::ApplicationActive && found && found->firstPhaseFinished())
                    refresh();
            });
}

void MarksController::updateMarkActions(bool targetIsFile)
{
    // Stars belong to a file's contents; a converted pack is a folder and has none.
    const BrushFilePtr& file = mGrid->getBrushFile();
    const bool brushFile = file && QFileInfo(file->getPath()).isFile();
    bool anyBrush = false, allStarred = true;
    for (int i : mGrid->selectedIndexes()) {
        if (brushFile && size_t(i) < file->count()) {
            anyBrush = true;
            allStarred = allStarred && mGrid->starredIndexes().contains(i);
        }
    }
    mFavouriteBrushAction->setEnabled(anyBrush);
    mFavouriteBrushAction->setChecked(anyBrush && allStarred);
    mFavouriteFileAction->setEnabled(targetIsFile);
    mFavouriteFileAction->setChecked(targetIsFile && mStarredFiles.contains(mTargetPath()));
    mTagsAction->setEnabled(targetIsFile);
}
void MarksController::refresh()
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
    // Without a library (not ready yet, or off) there is nothing to narrow to; say why.
    mOutlines->narrowingBox()->setEnabled(library != nullptr);
    mOutlines->narrowingBox()->setToolTip(library ? QString() : mLibrary->status().message);
}

void MarksController::refreshGridStars(bool force)
{
    const QString path = mDisplayedFile();
    if (!force && path == mGridStarsPath)
        return;
    mGridStarsPath = path;
    mGrid->setStarredIndexes(path.isEmpty() || !QFileInfo(path).isFile()
                                 ? QSet<int>()
                                 : mLibrary->starredPositions(path));
    Q_EMIT actionsChanged();
}

void MarksController::applyNarrowing()
{
    const QString choice = mOutlines->narrowingChoice();
    CLibrary* library = choice.isEmpty() ? nullptr : mLibrary->library();
    if (!library) {
        mOutlines->restrictTo(std::nullopt);
        mOutlines->selectDisplayedIfUnmarked(mDisplayedFile());
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
    mOutlines->selectDisplayedIfUnmarked(mDisplayedFile());
}

void MarksController::toggleSelectedBrushesStarred()
{
    const BrushFilePtr& file = mGrid->getBrushFile();
    if (!file)
        return;
    const QSet<int>& starred = mGrid->starredIndexes();
    QList<int> brushes;
    bool allStarred = true;
    for (int i : mGrid->selectedIndexes()) {
        if (size_t(i) < file->count()) {
            brushes << i;
            allStarred = allStarred && starred.contains(i);
        }
    }
    QString error;
    if (!brushes.isEmpty() && !mLibrary->setStarred(file->getPath(), brushes, !allStarred, &error))
        showError(error);
    refreshGridStars(true);
}

void MarksController::setFileStarred(const QString& path, bool starred)
{
    QString error;
    if (!path.isEmpty() && !mLibrary->setStarred(path, -1, starred, &error))
        showError(error);
    Q_EMIT actionsChanged();
}

TagsDialog* MarksController::editTags(const QString& path)
{
    CLibrary* library = mLibrary->library();
    if (path.isEmpty() || !library) {
        showError(mLibrary->status().message);
        return nullptr;
    }
    QStringList known;
    for (const LibraryTag& tag : library->allTags())
        known << tag.tag;
    auto* dialog =
        new TagsDialog(QFileInfo(path).fileName(), library->tagsOfFile(path), known, mWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, path] {
        QString error;
        if (!mLibrary->setTags(path, dialog->tags(), &error))
            showError(error);
    });
    dialog->open();
    return dialog;
}

void MarksController::showError(const QString& error)
{
    auto* box = new QMessageBox(QMessageBox::Warning, tr("The brush library could not keep that"),
                                error, QMessageBox::Ok, mWindow);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

DuplicatesDialog* MarksController::showDuplicates()
{
    if (!mDuplicatesDialog) {
        mDuplicatesDialog = new DuplicatesDialog(mLibrary, mWindow);
        connect(mDuplicatesDialog, &DuplicatesDialog::openRequested, this,
                &MarksController::openRequested);
        connect(mDuplicatesDialog, &DuplicatesDialog::revealRequested, this, &RevealInFileManager);
        connect(mDuplicatesDialog, &DuplicatesDialog::trashRequested, this,
                &MarksController::trashRequested);
    } else {
        mDuplicatesDialog->reload();
    }
    mDuplicatesDialog->show();
    mDuplicatesDialog->raise();
    mDuplicatesDialog->activateWindow();
    return mDuplicatesDialog;
}

void MarksController::fileTrashed(const QString& path)
{
    if (mDuplicatesDialog)
        mDuplicatesDialog->fileTrashed(path);
}
