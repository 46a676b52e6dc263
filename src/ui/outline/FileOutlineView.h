#pragma once

#include <QTreeView>

class OutlineModel;
class QMenu;

// One of the window's two folder outlines: rows from an OutlineModel, a context menu with
// Reveal, Install and Move to Trash (the menu key opens it on the current row), expansion by
// double click and by Return, and selection of a row by path. Taking the keyboard selects
// nothing: Tab passes through without changing what the window shows.
class FileOutlineView : public QTreeView
{
    Q_OBJECT
public:
    explicit FileOutlineView(QWidget* parent = nullptr);

    void setOutlineModel(OutlineModel* model);
    OutlineModel* outlineModel() const { return mOutlineModel; }

    // Install is offered for files only while some painting application is installed.
    void setInstallTargetsAvailable(bool available) { mInstallTargetsAvailable = available; }

    // Deselects everything, then expands the folders down to path and selects its row. No path
    // just deselects (true); a path that is not in the outline deselects and returns false.
    bool selectFileByPath(const QString& path);
    QString getPathOfSelectedItem() const;
    bool selectedItemIsFile() const;

    void showAllFolders(bool show);
    bool showingAllFolders() const { return mShowingAllFolders; }

    void toggleExpansion(const QModelIndex& index);
    // Opens folders, shallowest first, while the rows shown stay within about mostRows, so that
    // what a name filter matched is in sight rather than inside closed folders.
    void expandFolders(int mostRows);

    // The menu the view shows on a row, validated for the row at pos (viewport coordinates);
    // null where no menu is shown. The path it acts on is pickedPath() until the next call.
    QMenu* menuForPosition(const QPoint& pos);
    const QString& pickedPath() const { return mPickedPath; }
    QAction* revealAction() const { return mRevealAction; }
    QAction* installAction() const { return mInstallAction; }
    QAction* trashAction() const { return mTrashAction; }
    QAction* favouriteAction() const { return mFavouriteAction; }
    QAction* tagsAction() const { return mTagsAction; }

Q_SIGNALS:
    // The selected row's path and whether it is a file; "" when nothing is selected.
    void selectedPathChanged(const QString& path, bool isFile);
    // After a rename above or at the selected row: the selected item's path now.
    void selectedPathRenamed(const QString& path);
    void revealRequested(const QString& path);
    void installRequested(const QString& path);
    void trashRequested(const QString& path);
    void starRequested(const QString& path, bool starred);
    void tagsRequested(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onSelectionChanged();
    void expandSingleFolderChain(const QModelIndex& index);
    void followModelChanges();

    OutlineModel* mOutlineModel = nullptr;
    QMenu* mMenu = nullptr;
    QAction* mRevealAction = nullptr;
    QAction* mInstallAction = nullptr;
    QAction* mTrashAction = nullptr;
    QAction* mFavouriteAction = nullptr;
    QAction* mTagsAction = nullptr;
    QString mPickedPath;
    // The selection's path when the model last said its rows are about to change.
    QString mSelectionBeforeChange;
    bool mInstallTargetsAvailable = false;
    bool mShowingAllFolders = false;
};
