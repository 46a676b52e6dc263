#pragma once

#include "hierarchy/CFileHierarchy.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QSet>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class BrushFileSearch;

// One folder outline's model: the rows of its CFileHierarchy as the outline shows them, fed by
// the brush-file search it follows.
//
// The hierarchy only says where something changed ("refresh below this node", or everywhere).
// To turn that into the exact row signals views and selection models need, the model keeps a
// record of every row list it has handed out and, on a refresh, compares the records below
// the node with the hierarchy as it is now: rows that are gone are removed, new ones inserted,
// reordered ones moved, and the rest told their label or count may have changed. Lists nobody
// has asked for yet are not kept, so a refresh costs what the views have expanded.
//
// Each index's internal pointer is that row record, which holds its node (and so the node's
// FileNode) until the views have been told the row is gone; a removed node is never reached
// through a dangling pointer, and a node moved to a new folder can briefly have rows in both.
class OutlineModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role
    {
        PathRole = Qt::UserRole + 1, // QString: the node's full path
        FileCountRole,               // int: brush files below a folder (the badge)
        IsFolderRole,                // bool
        StarredRole,                 // bool: a file the user has starred
    };

    explicit OutlineModel(QObject* parent = nullptr);
    ~OutlineModel() override;

    CFileHierarchy& getFileHierarchy() { return mFileHierarchy; }
    const CFileHierarchy& getFileHierarchy() const { return mFileHierarchy; }

    bool showingFullHierarchy() const { return mShowingFullHierarchy; }
    void setShowingFullHierarchy(bool show);

    // Narrows the outline to files whose name contains text (case-insensitive); the counts
    // follow. Empty shows everything.
    void setNameFilter(const QString& text);
    const QString& nameFilter() const { return mNameFilter; }
    // Narrows the outline further to these files (a tag's, the favourites); nothing lifts it.
    // Applies with the name filter: a file shows when it passes both.
    void setPathRestriction(std::optional<QSet<QString>> paths);
    bool isRestricted() const { return mPathRestriction.has_value(); }
    // The files shown with a star.
    void setStarredPaths(QSet<QString> paths);
    // Files' tags, named in their tooltips.
    void setFileTags(QHash<QString, QStringList> tags);

    // Re-reads the rows below node (and the counts above it) from the hierarchy; an empty node
    // re-reads every row the views know.
    void refreshAtNode(const CFileSystemNodePtr& node);

    CFileSystemNodePtr nodeForIndex(const QModelIndex& index) const;
    FileNode* itemForIndex(const QModelIndex& index) const;
    // An absent item counts as a folder.
    bool isDirectory(const QModelIndex& index) const;
    // The row of node under parent, or an invalid index when it is not one of parent's rows.
    QModelIndex indexOfChild(const QModelIndex& parent, const CFileSystemNode* node) const;
    // Takes the search's changes from now on, until either of the two goes.
    void follow(BrushFileSearch* search);
    // Whether the first phase of the search this model follows is over.
    bool firstPhaseFinished() const { return mFirstPhaseFinished; }

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

public Q_SLOTS:
    // The search's changes (BrushFileSearch's signals), each refreshing the rows it touches.
    void finishedQueryFirstPhase();
    virtual void addItems(const QStringList& paths, const FileNodeFlagsList& flags);
    virtual void deleteItems(const QStringList& paths);
    virtual void moveItems(const QStringList& oldPaths, const QStringList& newPaths,
                           const FileNodeFlagsList& newFlags);
    virtual void renameItem(const QString& oldPath, const QString& newPath);
    virtual void changedItems(const QStringList& paths);

Q_SIGNALS:
    void firstPhaseDidFinish();
    // Files written where they are (appended to, copied over, touched).
    void itemsWritten(const QStringList& paths);
    // Around each deletion, move and rename the search reports, for views that keep their
    // selection by path: before the rows change, then after, with the paths that changed
    // (old paths alone for a deletion).
    void itemsAboutToChange();
    void itemsDeleted(const QStringList& paths);
    void itemsMoved(const QStringList& oldPaths, const QStringList& newPaths);
    void itemRenamed(const QString& oldPath, const QString& newPath);

protected:
    // The row's text; the installed-files model names some folders after their application.
    virtual QString labelForNode(const CFileSystemNode& node) const;
    // Orders the top-level rows by their text rather than by the hierarchy's order.
    void setTopLevelOrderedByLabel(bool on) { mTopLevelByLabel = on; }

private:
    struct Row
    {
        CFileSystemNodePtr node; // empty for the invisible root
        Row* parent = nullptr;
        int row = 0;
        bool fetched = false;
        mutable int fileCount = -1; // cached badge number, -1 when unknown
        std::vector<std::unique_ptr<Row>> children;
    };

    Row* rowFor(const QModelIndex& index) const;
    QModelIndex indexOf(const Row& row) const;
    std::vector<CFileSystemNodePtr> currentChildren(const Row& row) const;
    void fetch(Row& row) const;
    void registerRow(Row* row) const;
    void unregisterSubtree(Row* row) const;
    void renumber(Row& row, size_t from) const;
    int fileCount(const Row& row) const;
    unsigned countMatchingFiles(const CFileSystemNode& node) const;
    bool nameMatches(const CFileSystemNode& node) const;
    void followMarks(const QString& oldPath, const QString& newPath);
    bool filtering() const { return !mNameFilter.isEmpty() || mPathRestriction; }

    void removeGoneRows(Row& row);
    void insertAndMoveRows(Row& row);
    void announceDataChanged(Row& row);
    void syncRows(Row& row);
    // The mirrored row closest to node: node's own, else that of its nearest ancestor.
    Row* nearestRowFor(const CFileSystemNodePtr& node) const;

    CFileHierarchy mFileHierarchy;
    bool mShowingFullHierarchy = false;
    bool mTopLevelByLabel = false;
    bool mFirstPhaseFinished = false;
    QString mNameFilter;
    std::optional<QSet<QString>> mPathRestriction;
    QSet<QString> mStarredPaths;
    QHash<QString, QStringList> mFileTags;
    mutable Row mRoot;
    // Nodes to the row that shows them, for refreshes that start at a node.
    mutable std::unordered_map<const CFileSystemNode*, Row*> mRowsByNode;
};
