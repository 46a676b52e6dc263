#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <optional>

class FileOutlineView;
class FoundFileOutlineModel;
class InstalledFileOutlineModel;
class OutlineModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QTimer;
class QWidget;

// The two folder outlines (every brush file found; those installed in the applications'
// folders) with the filter field above them: which file the outlines' selection chooses for the
// grid, the rule that a row selected in one outline clears the other's selection (so the
// commands on "the file" never have two to choose from), and the text over an empty outline.
class OutlinesController : public QObject
{
    Q_OBJECT
public:
    // Builds the outlines' pane (a splitter, the found files above the installed ones) in parent.
    OutlinesController(QObject* owner, QWidget* parent);

    QSplitter* pane() const { return mPane; }
    FileOutlineView* fileOutline() const { return mFileOutline; }
    FileOutlineView* installedFileOutline() const { return mInstalledFileOutline; }
    OutlineModel* fileOutlineModel() const;
    OutlineModel* installedFileOutlineModel() const;
    QLineEdit* filterField() const { return mFilterField; }
    QLabel* installedTitle() const { return mInstalledTitle; }
    // Beside the filter field: all files, the favourites, or the files of one tag.
    QComboBox* narrowingBox() const { return mNarrowing; }

    // The choices after "All files" and "Favourites"; the current one is kept while it is
    // still offered.
    void setNarrowingTags(const QStringList& tags);
    // "" for all files, kFavouritesChoice, or a tag.
    QString narrowingChoice() const;
    static const QString kFavouritesChoice;
    // Narrows both outlines to these files (nothing: all of them).
    void restrictTo(const std::optional<QSet<QString>>& paths);
    // Whether either outline shows a row (under the filter and narrowing in force).
    bool showsAnyRow() const;
    void setStarredPaths(const QSet<QString>& paths);
    void setFileTags(const QHash<QString, QStringList>& tags);

    // Gives the outlines their sources (owner takes them); searchedFolders are named when the
    // search finds nothing. Install is offered in the menus only when canInstall.
    void setSources(FoundFileOutlineModel* found, InstalledFileOutlineModel* installed,
                    bool canInstall, QStringList searchedFolders);
    void showAllFolders(bool show);
    // Marks path in the outline that holds it, the installed one first; false when neither does,
    // and then neither outline has a selection left.
    bool selectFile(const QString& path);
    // Marks the file on display where it has just appeared (the search found it after it was
    // opened), unless the user has chosen a row since; it is not read again for that.
    void selectDisplayedIfUnmarked(const QString& displayedPath);
    void firstPhaseFinished(const QString& displayedPath);

    // The selected rows of both outlines, found files first.
    QStringList selectedPaths() const;
    void deselectIfSelected(FileOutlineView* outline, const QString& path);

Q_SIGNALS:
    // The selection changed in either outline; the path the grid should show follows.
    void selectionChanged();
    // isItem: the path is an outline's item (a file, or a pack shown as one), not a folder.
    void pathChosen(const QString& path, bool isItem);
    void selectedPathRenamed(const QString& path);
    // Files that either outline's search saw written where they are.
    void pathsWritten(const QStringList& paths);
    void searchFirstPhaseFinished();
    // Another narrowing was chosen; the window works out its files and calls restrictTo.
    void narrowingChosen();
    // Rows were added to either outline (delivered after the outlines have laid them out).
    void rowsAppeared();
    // The filter field's text (trimmed) changed, once typing paused.
    void filterApplied(const QString& text);

private:
    QWidget* buildFoundPane();
    QWidget* buildInstalledPane();
    void outlineSelectionChanged();
    void updatePlaceholder();

    QSplitter* mPane = nullptr;
    QLineEdit* mFilterField = nullptr;
    QComboBox* mNarrowing = nullptr;
    QTimer* mFilterTimer = nullptr;
    FileOutlineView* mFileOutline = nullptr;
    FileOutlineView* mInstalledFileOutline = nullptr;
    QLabel* mPlaceholder = nullptr;
    QLabel* mInstalledTitle = nullptr;
    QStringList mSearchedFolders;
    bool mShowingAllFolders = false;
    QString mAppliedFilter;
    bool mApplyingFilter = false;
};
