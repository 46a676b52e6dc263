#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class BrushFileView;
class DuplicatesDialog;
class LibraryController;
class OutlinesController;
class QAction;
class QMenu;
class QWidget;
class TagsDialog;

// Stars, tags and duplicates: the window's side of the brush library's marks. It keeps the
// outlines' stars, tags and narrowing and the grid's stars in step with the library, and owns
// the commands that set them. What it needs of the window comes in as functions and goes out as
// signals, so that the library's room never reaches up into the frame.
class MarksController : public QObject
{
    Q_OBJECT
public:
    // displayedFile: the file in the grid; targetPath: the file the file commands apply to.
    // Dialogs and alerts open over window.
    MarksController(LibraryController* library, OutlinesController* outlines, BrushFileView* grid,
                    QWidget* window, std::function<QString()> displayedFile,
                    std::function<QString()> targetPath);

    // Makes the actions and puts the file's into its menu; the edit and view menus take theirs.
    void buildActions(QMenu* file);
    // Connects to the library and the outlines; call once both have been set up.
    void connectSources();
    QAction* favouriteBrushAction() const { return mFavouriteBrushAction; }
    QAction* favouriteFileAction() const { return mFavouriteFileAction; }
    QAction* tagsAction() const { return mTagsAction; }
    QAction* duplicatesAction() const { return mDuplicatesAction; }
    // Enables and checks the actions for the grid's selection and the target file.
    void updateMarkActions(bool targetIsFile);

    // Stars and tags changed (or the file on display did): everything that shows them looks.
    void refresh();
    // The grid shows another file: its stars are read unless they are shown already.
    void displayChanged() { refreshGridStars(false); }
    // Stars or unstars the selected brushes of the file on display: all of them are starred
    // unless they all were.
    void toggleSelectedBrushesStarred();
    void setFileStarred(const QString& path, bool starred);
    // Opens the dialog that edits path's tags; they are written when it is accepted. Null
    // when there is no library to keep them in (the user is told why).
    TagsDialog* editTags(const QString& path);
    // Opens the duplicates dialog, or brings the open one forward with the library read again.
    DuplicatesDialog* showDuplicates();
    // Says the library could not keep a mark, and why.
    void showError(const QString& error);
    // path went to the trash: the duplicates dialog drops it.
    void fileTrashed(const QString& path);

Q_SIGNALS:
    // The marks the actions depend on changed.
    void actionsChanged();
    // A duplicate's file is to be shown with its brush at position selected (-1: none).
    void openRequested(const QString& path, int position);
    void trashRequested(const QString& path);

private:
    void refreshGridStars(bool force);
    void applyNarrowing();

    LibraryController* mLibrary;
    OutlinesController* mOutlines;
    BrushFileView* mGrid;
    QWidget* mWindow;
    std::function<QString()> mDisplayedFile;
    std::function<QString()> mTargetPath;
    QAction* mFavouriteBrushAction = nullptr;
    QAction* mFavouriteFileAction = nullptr;
    QAction* mTagsAction = nullptr;
    QAction* mDuplicatesAction = nullptr;
    DuplicatesDialog* mDuplicatesDialog = nullptr;
    QString mGridStarsPath; // the file whose stars the grid shows
    QSet<QString> mStarredFiles;
};
