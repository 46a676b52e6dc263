#include "ui/outline/OutlineModel.h"

#include "discovery/BrushFileSearch.h"
#include "platform/Logging.h"

#include <QFileInfo>
#include <algorithm>
#include <unordered_set>

OutlineModel::OutlineModel(QObject* parent) : QAbstractItemModel(parent) {}

OutlineModel::~OutlineModel() = default;

void OutlineModel::setShowingFullHierarchy(bool show)
{
    if (show == mShowingFullHierarchy)
        return;
    // Every row changes meaning; there is nothing to carry over.
    beginResetModel();
    mShowingFullHierarchy = show;
    mRoot.children.clear();
    mRoot.fetched = false;
    mRowsByNode.clear();
    endResetModel();
}

void OutlineModel::setNameFilter(const QString& text)
{
    if (text == mNameFilter)
        return;
    mNameFilter = text;
    refreshAtNode({});
}

void OutlineModel::setPathRestriction(std::optional<QSet<QString>> paths)
{
    if (paths == mPathRestriction)
        return;
    mPathRestriction = std::move(paths);
    refreshAtNode({});
}

void OutlineModel::setStarredPaths(QSet<QString> paths)
{
    if (paths == mStarredPaths)
        return;
    mStarredPaths = std::move(paths);
    refreshAtNode({});
}

void OutlineModel::setFileTags(QHash<QString, QStringList> tags)
{
    // Tooltips are asked for when shown: nothing to tell the views.
    mFileTags = std::move(tags);
}

void OutlineModel::followMarks(const QString& oldPath, const QString& newPath)
{
    // The library moves its rows when its own cataloguer gets there; until the marks are read
    // again, a file moved or renamed (or one within a folder that was) keeps its star, its tags
    // and its place in a narrowed outline here.
    const QString oldFolder = oldPath + QLatin1Char('/');
    auto moves = [&](const QString& path) { return path == oldPath || path.startsWith(oldFolder); };
    auto follow = [&](QSet<QString>& paths) {
        QStringList moved;
        for (const QString& path : std::as_const(paths)) {
            if (moves(path))
                moved << path;
        }
        for (const QString& path : moved) {
            paths.remove(path);
            paths.insert(newPath + path.mid(oldPath.size()));
        }
    };
    if (mPathRestriction)
        follow(*mPathRestriction);
    follow(mStarredPaths);
    QHash<QString, QStringList> tags;
    for (auto it = mFileTags.cbegin(); it != mFileTags.cend(); ++it)
        tags.insert(moves(it.key()) ? newPath + it.key().mid(oldPath.size()) : it.key(), *it);
    mFileTags = std::move(tags);
}

// --- Rows -----------------------------------------------------------------------------------

OutlineModel::Row* OutlineModel::rowFor(const QModelIndex& index) const
{
    if (!index.isValid())
        return &mRoot;
    return static_cast<Row*>(index.internalPointer());
}

QModelIndex OutlineModel::indexOf(const Row& row) const
{
    if (&row == &mRoot)
        return {};
    return createIndex(row.row, 0, const_cast<Row*>(&row));
}

bool OutlineModel::nameMatches(const CFileSystemNode& node) const
{
    return node.DisplayName().contains(mNameFilter, Qt::CaseInsensitive) &&
           (!mPathRestriction || mPathRestriction->contains(node.FullPathText()));
}

unsigned OutlineModel::countMatchingFiles(const CFileSystemNode& node) const
{
    if (!node.IsDirectory())
        return nameMatches(node) ? 1 : 0;
    unsigned count = 0;
    if (mShowingFullHierarchy) {
        for (size_t i = 0, n = node.CountChildrenExcludingVolumes(); i < n; ++i) {
            if (const CFileSystemNodePtr child = node.ChildExcludingVolumes(i))
                count += countMatchingFiles(*child);
        }
    } else {
        for (const CFileSystemNodePtr& child : node.VisibleChildren())
            count += countMatchingFiles(*child);
    }
    return count;
}

std::vector<CFileSystemNodePtr> OutlineModel::currentChildren(const Row& row) const
{
    std::vector<CFileSystemNodePtr> children;
    auto take = [&](CFileSystemNodePtr child) {
        if (!child) {
            qCInfo(lcUi, "nil node");
            return;
        }
        if (filtering() && countMatchingFiles(*child) == 0)
            return;
        children.push_back(std::move(child));
    };
    if (!row.node) {
        if (mShowingFullHierarchy) {
            for (size_t i = 0, n = mFileHierarchy.VolumeNodeCount(); i < n; ++i) {
                CFileSystemNode* node = mFileHierarchy.VolumeNode(i);
                take(node ? node->Self() : CFileSystemNodePtr());
            }
        } else {
            for (const CFileSystemNodePtr& node : mFileHierarchy.TopLevelNodes())
                take(node);
            // Rows named otherwise than their folders (the applications) go by the name shown.
            if (mTopLevelByLabel)
                std::stable_sort(children.begin(), children.end(),
                                 [this](const CFileSystemNodePtr& a, const CFileSystemNodePtr& b) {
                                     return labelForNode(*a).compare(labelForNode(*b),
                                                                     Qt::CaseInsensitive) < 0;
                                 });
        }
    } else if (row.node->IsDirectory()) {
        if (mShowingFullHierarchy) {
            for (size_t i = 0, n = row.node->CountChildrenExcludingVolumes(); i < n; ++i)
                take(row.node->ChildExcludingVolumes(i));
        } else {
            for (const CFileSystemNodePtr& child : row.node->VisibleChildren())
                take(child);
        }
    }
    return children;
}

void OutlineModel::registerRow(Row* row) const
{
    mRowsByNode[row->node.get()] = row;
}

void OutlineModel::unregisterSubtree(Row* row) const
{
    for (const auto& child : row->children)
        unregisterSubtree(child.get());
    auto it = mRowsByNode.find(row->node.get());
    if (it != mRowsByNode.end() && it->second == row)
        mRowsByNode.erase(it);
}

void OutlineModel::fetch(Row& row) const
{
    if (row.fetched)
        return;
    row.fetched = true;
    const std::vector<CFileSystemNodePtr> children = currentChildren(row);
    row.children.reserve(children.size());
    for (const CFileSystemNodePtr& node : children) {
        auto child = std::make_unique<Row>();
        child->node = node;
        child->parent = &row;
        child->row = int(row.children.size());
        registerRow(child.get());
        row.children.push_back(std::move(child));
    }
}

void OutlineModel::renumber(Row& row, size_t from) const
{
    for (size_t i = from; i < row.children.size(); ++i)
        row.children[i]->row = int(i);
}

int OutlineModel::fileCount(const Row& row) const
{
    if (row.fileCount < 0) {
        row.fileCount = int(!filtering() ? row.node->CountDescendantFiles(mShowingFullHierarchy)
                                         : countMatchingFiles(*row.node));
    }
    return row.fileCount;
}

// --- QAbstractItemModel ------------------------------------------------------------------------

QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    Row* parentRow = rowFor(parent);
    fetch(*parentRow);
    if (size_t(row) >= parentRow->children.size())
        return {};
    return createIndex(row, 0, parentRow->children[size_t(row)].get());
}

QModelIndex OutlineModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    const Row* row = rowFor(index);
    return row->parent ? indexOf(*row->parent) : QModelIndex();
}

int OutlineModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    Row* row = rowFor(parent);
    if (row->node && !row->node->IsDirectory())
        return 0;
    fetch(*row);
    return int(row->children.size());
}

int OutlineModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool OutlineModel::hasChildren(const QModelIndex& parent) const
{
    // Every folder can be opened, as in a file manager; asking it for its rows is left until
    // the user does.
    if (parent.column() > 0)
        return false;
    const Row* row = rowFor(parent);
    return !row->node || row->node->IsDirectory();
}

QVariant OutlineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Row* row = rowFor(index);
    const CFileSystemNode& node = *row->node;
    switch (role) {
    case Qt::DisplayRole:
        return labelForNode(node);
    // What the row's look says without words: a folder and how many files it holds, a star.
    case Qt::AccessibleTextRole:
        if (node.IsDirectory())
            return tr("%1, folder, %n brush file(s)", nullptr, fileCount(*row))
                .arg(labelForNode(node));
        return data(index, StarredRole).toBool() ? tr("%1, starred").arg(labelForNode(node))
                                                 : labelForNode(node);
    case Qt::AccessibleDescriptionRole:
    case Qt::ToolTipRole: {
        const QString path = node.FullPathText();
        const auto tags = mFileTags.constFind(path);
        if (tags == mFileTags.constEnd())
            return path;
        return path + QLatin1Char('\n') + tr("Tags: %1").arg(tags->join(QStringLiteral(", ")));
    }
    case PathRole:
        return node.FullPathText();
    case FileCountRole:
        return node.IsDirectory() ? fileCount(*row) : 0;
    case IsFolderRole:
        return node.IsDirectory();
    case StarredRole:
        return !node.IsDirectory() && !mStarredPaths.isEmpty() &&
               mStarredPaths.contains(node.FullPathText());
    default:
        return {};
    }
}

Qt::ItemFlags OutlineModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!rowFor(index)->node->IsDirectory())
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

QString OutlineModel::labelForNode(const CFileSystemNode& node) const
{
    return node.DisplayName();
}

CFileSystemNodePtr OutlineModel::nodeForIndex(const QModelIndex& index) const
{
    return index.isValid() ? rowFor(index)->node : CFileSystemNodePtr();
}

FileNode* OutlineModel::itemForIndex(const QModelIndex& index) const
{
    const CFileSystemNodePtr node = nodeForIndex(index);
    return node ? node->GetFileNode() : nullptr;
}

bool OutlineModel::isDirectory(const QModelIndex& index) const
{
    const CFileSystemNodePtr node = nodeForIndex(index);
    return !node || node->IsDirectory();
}

QModelIndex OutlineModel::indexOfChild(const QModelIndex& parent, const CFileSystemNode* node) const
{
    Row* parentRow = rowFor(parent);
    fetch(*parentRow);
    for (const auto& child : parentRow->children) {
        if (child->node.get() == node)
            return indexOf(*child);
    }
    return {};
}

// --- Turning refreshes into row signals -------------------------------------------------------
//
// A refresh runs in two passes over the row lists the views know below a node. The first
// removes every row whose node is no longer among its parent's children, so that when the
// second inserts and moves rows no node can be met under an old parent it has left:
//
//   known:   a b c d          hierarchy now:  b e d a
//   pass 1:  remove c      -> a b d
//   pass 2:  move a to 3   -> b d a ; insert e at 1 -> b e d a

void OutlineModel::removeGoneRows(Row& row)
{
    if (!row.fetched)
        return;
    const std::vector<CFileSystemNodePtr> current = currentChildren(row);
    std::unordered_set<const CFileSystemNode*> stays;
    stays.reserve(current.size());
    for (const CFileSystemNodePtr& node : current)
        stays.insert(node.get());

    // From the end, one signal per run of neighbours, so earlier row numbers stay valid.
    for (int last = int(row.children.size()) - 1; last >= 0;) {
        if (stays.count(row.children[size_t(last)]->node.get())) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && !stays.count(row.children[size_t(first - 1)]->node.get()))
            --first;
        beginRemoveRows(indexOf(row), first, last);
        for (int i = first; i <= last; ++i)
            unregisterSubtree(row.children[size_t(i)].get());
        row.children.erase(row.children.begin() + first, row.children.begin() + last + 1);
        renumber(row, size_t(first));
        endRemoveRows();
        last = first - 1;
    }
    for (const auto& child : row.children)
        removeGoneRows(*child);
}

void OutlineModel::insertAndMoveRows(Row& row)
{
    if (!row.fetched)
        return;
    const std::vector<CFileSystemNodePtr> current = currentChildren(row);
    std::unordered_set<const CFileSystemNode*> known;
    known.reserve(row.children.size());
    for (const auto& child : row.children)
        known.insert(child->node.get());

    const QModelIndex parentIndex = indexOf(row);
    for (size_t i = 0; i < current.size(); ++i) {
        if (i < row.children.size() && row.children[i]->node == current[i])
            continue;
        if (known.count(current[i].get())) {
            size_t from = i + 1;
            while (row.children[from]->node != current[i])
                ++from;
            beginMoveRows(parentIndex, int(from), int(from), parentIndex, int(i));
            std::rotate(row.children.begin() + long(i), row.children.begin() + long(from),
                        row.children.begin() + long(from) + 1);
            renumber(row, i);
            endMoveRows();
            continue;
        }
        size_t end = i + 1;
        while (end < current.size() && !known.count(current[end].get()))
            ++end;
        beginInsertRows(parentIndex, int(i), int(end - 1));
        std::vector<std::unique_ptr<Row>> added;
        for (size_t k = i; k < end; ++k) {
            auto child = std::make_unique<Row>();
            child->node = current[k];
            child->parent = &row;
            registerRow(child.get());
            added.push_back(std::move(child));
        }
        row.children.insert(row.children.begin() + long(i), std::make_move_iterator(added.begin()),
                            std::make_move_iterator(added.end()));
        renumber(row, i);
        endInsertRows();
        i = end - 1;
    }
    for (const auto& child : row.children)
        insertAndMoveRows(*child);
}

void OutlineModel::announceDataChanged(Row& row)
{
    if (!row.fetched || row.children.empty())
        return;
    for (const auto& child : row.children)
        child->fileCount = -1;
    Q_EMIT dataChanged(indexOf(*row.children.front()), indexOf(*row.children.back()));
    for (const auto& child : row.children)
        announceDataChanged(*child);
}

void OutlineModel::syncRows(Row& row)
{
    removeGoneRows(row);
    insertAndMoveRows(row);
    announceDataChanged(row);
    // The counts of every folder above have changed with it.
    for (Row* above = &row; above && above != &mRoot; above = above->parent) {
        above->fileCount = -1;
        const QModelIndex index = indexOf(*above);
        Q_EMIT dataChanged(index, index);
    }
}

OutlineModel::Row* OutlineModel::nearestRowFor(const CFileSystemNodePtr& node) const
{
    for (CFileSystemNodePtr at = node; at;) {
        auto it = mRowsByNode.find(at.get());
        if (it != mRowsByNode.end())
            return it->second;
        if (!at->HasParent() || !at->IsAttached())
            break;
        at = at->Parent();
    }
    return nullptr;
}

void OutlineModel::refreshAtNode(const CFileSystemNodePtr& node)
{
    Row* row = node ? nearestRowFor(node) : nullptr;
    syncRows(row ? *row : mRoot);
}

// --- Following the search --------------------------------------------------------------------

void OutlineModel::follow(BrushFileSearch* search)
{
    connect(search, &BrushFileSearch::firstPhaseFinished, this,
            &OutlineModel::finishedQueryFirstPhase);
    connect(search, &BrushFileSearch::itemsAdded, this, &OutlineModel::addItems);
    connect(search, &BrushFileSearch::itemsRemoved, this, &OutlineModel::deleteItems);
    connect(search, &BrushFileSearch::itemsMoved, this, &OutlineModel::moveItems);
    connect(search, &BrushFileSearch::itemRenamed, this, &OutlineModel::renameItem);
    connect(search, &BrushFileSearch::itemsWritten, this, &OutlineModel::changedItems);
}

void OutlineModel::finishedQueryFirstPhase()
{
    mFirstPhaseFinished = true;
    Q_EMIT firstPhaseDidFinish();
}

void OutlineModel::changedItems(const QStringList& paths)
{
    // Rows show names and counts, which a write does not change; whoever shows the file does.
    if (!paths.isEmpty())
        Q_EMIT itemsWritten(paths);
}

void OutlineModel::addItems(const QStringList& paths, const FileNodeFlagsList& flags)
{
    const bool many = paths.size() > 10;
    bool reloadAll = false;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        CFileSystemNodePtr node;
        bool topLevelChanged = false;
        bool added = false;
        try {
            added = mFileHierarchy.AddFile(
                paths[i], size_t(i) < flags.size() ? flags[size_t(i)] : FileNodeFlags{}, node,
                topLevelChanged);
        } catch (...) {
            continue;
        }
        if (!added || many)
            continue;
        reloadAll = reloadAll || topLevelChanged || !node;
        if (node && !reloadAll)
            refreshAtNode(node);
    }
    if (many || reloadAll)
        refreshAtNode({});
}

void OutlineModel::deleteItems(const QStringList& paths)
{
    Q_EMIT itemsAboutToChange();
    // One comparison after all the deletions: the rows come out the same as after one per
    // deletion, without going over every open row again for each file of a deleted folder.
    bool deleted = false;
    for (const QString& path : paths) {
        CFileSystemNodePtr node;
        bool topLevelChanged = false;
        try {
            deleted = mFileHierarchy.DeleteNode(path, node, topLevelChanged) || deleted;
        } catch (...) {
        }
    }
    if (deleted)
        refreshAtNode({});
    Q_EMIT itemsDeleted(paths);
}

void OutlineModel::moveItems(const QStringList& oldPaths, const QStringList& newPaths,
                             const FileNodeFlagsList& newFlags)
{
    Q_EMIT itemsAboutToChange();
    QStringList movedFrom;
    QStringList movedTo;
    for (qsizetype i = 0; i < oldPaths.size() && i < newPaths.size(); ++i) {
        CFileSystemNodePtr node;
        bool topLevelChanged = false;
        try {
            mFileHierarchy.MoveNode(oldPaths[i], newPaths[i],
                                    size_t(i) < newFlags.size() ? newFlags[size_t(i)]
                                                                : FileNodeFlags{},
                                    node, topLevelChanged);
        } catch (...) {
            continue;
        }
        followMarks(oldPaths[i], newPaths[i]);
        movedFrom << oldPaths[i];
        movedTo << newPaths[i];
    }
    refreshAtNode({});
    Q_EMIT itemsMoved(movedFrom, movedTo);
}

void OutlineModel::renameItem(const QString& oldPath, const QString& newPath)
{
    Q_EMIT itemsAboutToChange();
    CFileSystemNodePtr node;
    bool renamed = false;
    try {
        renamed = mFileHierarchy.RenameNode(oldPath, QFileInfo(newPath).fileName(), node);
    } catch (...) {
        return;
    }
    if (!renamed)
        return;
    followMarks(oldPath, newPath);
    refreshAtNode(node);
    Q_EMIT itemRenamed(oldPath, newPath);
}
