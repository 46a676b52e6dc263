#include "discovery/BrushFileSearchImpl.h"

#include "discovery/BrushFileSearch.h"
#include "discovery/FileIndex.h"
#include "discovery/FolderMonitor.h"
#include "discovery/FolderMonitorConnection.h"
#include "discovery/FoundPathTree.h"
#include "platform/Logging.h"

#include <QFile>
#include <sys/stat.h>

namespace {
// Linux has no system version that would call for the whole-computer scope: the indexed scope
// (home and removable-media folders) is where users keep brush files.
bool IsSnowLeopardOrLater()
{
    static const bool answer = true;
    return answer;
}

QString LastComponent(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FolderPart(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

bool ExistsOnDisk(const QString& path)
{
    struct stat st;
    return lstat(QFile::encodeName(path).constData(), &st) == 0;
}

QByteArray FlagByte(const FoundPathNodePtr& node)
{
    return QByteArray(1, char(node->getFlags().bits));
}

// Keeps a query's updates back while one of its notifications is being handled.
class UpdatesDisabled
{
public:
    explicit UpdatesDisabled(FileIndex* query) : mQuery(query) { mQuery->disableUpdates(); }
    ~UpdatesDisabled() { mQuery->enableUpdates(); }
    UpdatesDisabled(const UpdatesDisabled&) = delete;
    UpdatesDisabled& operator=(const UpdatesDisabled&) = delete;

private:
    FileIndex* mQuery;
};
} // namespace

BrushFileSearchImpl::MDItemToNodeMap& BrushFileSearchImpl::sharedMDItemToNodeMap()
{
    static auto* map = new MDItemToNodeMap;
    return *map;
}

BrushFileSearchImpl::FDToNodeMap& BrushFileSearchImpl::sharedFDToNodeMap()
{
    static auto* map = new FDToNodeMap;
    return *map;
}

FoundPathNodePtr BrushFileSearchImpl::nodeForMDItem(const IndexedFilePtr& item)
{
    const auto& left = sharedMDItemToNodeMap().left;
    const auto it = left.find(item);
    return it == left.end() ? nullptr : it->second;
}

IndexedFilePtr BrushFileSearchImpl::mdItemForNode(const FoundPathNodePtr& node)
{
    const auto& right = sharedMDItemToNodeMap().right;
    const auto it = right.find(node);
    return it == right.end() ? nullptr : it->second;
}

FoundPathNodePtr BrushFileSearchImpl::nodeForFD(int fd)
{
    const auto& left = sharedFDToNodeMap().left;
    const auto it = left.find(fd);
    return it == left.end() ? nullptr : it->second;
}

int BrushFileSearchImpl::fdForNode(const FoundPathNodePtr& node)
{
    const auto& right = sharedFDToNodeMap().right;
    const auto it = right.find(node);
    return it == right.end() ? -1 : it->second;
}

BrushFileSearchImpl::BrushFileSearchImpl(BrushFileSearch* owner) : mOwner(owner) {}

BrushFileSearchImpl::~BrushFileSearchImpl()
{
    mQueryObserver.reset();
    if (mQuery) {
        mQuery->disableUpdates();
        mQuery->stop();
        mQuery.reset();
    }
    kqueueMonitorHandler.reset();
}

bool BrushFileSearchImpl::initWithQueryString(const QString& queryString,
                                              const QStringList& directories)
{
    mRepository = FoundPathTree::sharedTree();
    kqueueMonitorHandler = std::make_unique<FolderMonitorConnection>(this);
    mMonitor = kqueueMonitorHandler->monitor();

    mQuery = FileIndex::create(queryString);
    if (!mQuery) {
        qCInfo(lcDiscovery, "Can't create MDQuery");
        return true;
    }
    if (directories.isEmpty())
        mQuery->setSearchScope({IsSnowLeopardOrLater() ? FileIndex::kMDQueryScopeComputerIndexed
                                                       : FileIndex::kMDQueryScopeComputer});
    else
        mQuery->setSearchScope(directories);

    FileIndex::BatchingParameters batching = mQuery->batchingParameters();
    batching.first_max_num = 150;
    batching.update_max_ms = 250;
    mQuery->setBatchingParameters(batching);

    // The query's notifications arrive here synchronously, as they are posted.
    mQueryObserver = ScopedObserver(QString(), mQuery.get(), [this](const Notification& n) {
        processNotification(n.name(), n.userInfo());
    });
    return true;
}

bool BrushFileSearchImpl::run()
{
    if (!mQuery)
        return true;
    if (!mQuery->execute(true)) {
        qCInfo(lcDiscovery, "MDQueryExecute failed.");
        return false;
    }
    return true;
}

bool BrushFileSearchImpl::isInInitialSearch() const
{
    if (!mQuery)
        return false;
    UpdatesDisabled hold(mQuery.get());
    return !mQuery->isGatheringComplete();
}

bool BrushFileSearchImpl::hasFoundFilesInPath(const QString& path) const
{
    return mRepository && mRepository->findNodeForPath(path) != nullptr;
}

void BrushFileSearchImpl::processNotification(const QString& name, const QVariantMap& info)
{
    UpdatesDisabled hold(mQuery.get());
    if (name == FileIndex::kMDQueryDidFinishNotification) {
        addAllMDItems();
        postNotificationWithIndex(BrushFileSearch::eFirstPhaseFinished, nullptr, nullptr, nullptr);
    } else if (name == FileIndex::kMDQueryDidUpdateNotification) {
        if (info.contains(FileIndex::kMDQueryUpdateAddedItems))
            addMDItems(info.value(FileIndex::kMDQueryUpdateAddedItems).value<IndexedFileList>());
        if (info.contains(FileIndex::kMDQueryUpdateRemovedItems))
            removeMDItems(
                info.value(FileIndex::kMDQueryUpdateRemovedItems).value<IndexedFileList>());
        if (info.contains(FileIndex::kMDQueryUpdateChangedItems))
            changedMDItems(
                info.value(FileIndex::kMDQueryUpdateChangedItems).value<IndexedFileList>());
    } else if (name == FileIndex::kMDQueryProgressNotification) {
        postNotificationWithIndex(BrushFileSearch::eFirstPhaseProgress, mQuery->resultCount());
    }
}

void BrushFileSearchImpl::addAllMDItems()
{
    IndexedFileList items;
    const int count = mQuery->resultCount();
    items.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        items.push_back(mQuery->resultAtIndex(i));
    addMDItems(items);
}

void BrushFileSearchImpl::addMDItems(const IndexedFileList& items)
{
    QStringList paths;
    QVariantList flags;
    for (const IndexedFilePtr& item : items) {
        const QString path =
            item ? item->copyAttribute(IndexedFile::kMDItemPath).toString() : QString();
        if (path.isEmpty()) {
            qCInfo(lcDiscovery, "addMDItems: Could not get path for item");
            continue;
        }
        if (!ExistsOnDisk(path)) {
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("Spotlight reports nonexistent %1").arg(path);
            continue;
        }
        std::vector<FoundPathNodePtr> created;
        const FoundPathNodePtr node = mRepository->addPath(path, false, &created, nullptr);
        if (!node)
            continue;
        sharedMDItemToNodeMap().insert(MDItemToNodeMap::value_type(item, node));
        flags << FlagByte(node);
        for (const FoundPathNodePtr& folder : created) {
            const int fd = mMonitor->addFileByPath(folder->path());
            if (fd > 0)
                sharedFDToNodeMap().insert(FDToNodeMap::value_type(fd, folder));
        }
        paths << path;
    }
    if (!paths.isEmpty())
        postNotificationWithIndex(BrushFileSearch::eItemsAdded, &paths, nullptr, &flags);
}

void BrushFileSearchImpl::removeMDItems(const IndexedFileList& items)
{
    for (const IndexedFilePtr& item : items)
        removeNode(nodeForMDItem(item));
}

void BrushFileSearchImpl::changedMDItems(const IndexedFileList& items)
{
    // An item can lose its node before its change arrives: the monitor reports a deleted
    // folder at once, the index the file that had moved out of it only with its next batch.
    // Such an item is still on disk and is announced again where it is now.
    IndexedFileList lost;
    for (const IndexedFilePtr& item : items) {
        const QString path =
            item ? item->copyAttribute(IndexedFile::kMDItemPath).toString() : QString();
        const FoundPathNodePtr node = nodeForMDItem(item);
        if (!node) {
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("changedMDItems: can't find %1").arg(path);
            if (item)
                lost.push_back(item);
            continue;
        }
        const QString nodePath = node->path();
        if (path == nodePath)
            changedNode(node);
        else if (FolderPart(path) == FolderPart(nodePath))
            renameNode(node, LastComponent(path));
        else
            moveNode(node, path);
    }
    if (!lost.empty())
        addMDItems(lost);
}

// Drops the node's descriptor and item entries. The files below a removed folder go with it,
// so their items must not keep pointing at nodes that have left the tree.
void BrushFileSearchImpl::forgetNode(const FoundPathNodePtr& node)
{
    sharedFDToNodeMap().right.erase(node);
    sharedMDItemToNodeMap().right.erase(node);
}

void BrushFileSearchImpl::removeNode(const FoundPathNodePtr& node)
{
    if (!node)
        return;
    const QString path = node->path();
    std::vector<FoundPathNodePtr> folders;
    std::vector<FoundPathNodePtr> files;
    node->getAllSubdirectories(&folders, &files);
    mRepository->removeNode(node, &folders);
    for (const FoundPathNodePtr& folder : folders) {
        const int fd = fdForNode(folder);
        if (fd != -1)
            mMonitor->removeFileByHandle(fd);
        else
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("removeNode: couldn't find fd for %1").arg(folder->path());
        forgetNode(folder);
    }
    for (const FoundPathNodePtr& file : files)
        forgetNode(file);
    const int fd = fdForNode(node);
    if (fd != -1)
        mMonitor->removeFileByHandle(fd);
    forgetNode(node);
    const QStringList paths{path};
    postNotificationWithIndex(BrushFileSearch::eItemDeleted, &paths, nullptr, nullptr);
}

void BrushFileSearchImpl::renameNode(const FoundPathNodePtr& node, const QString& newName)
{
    const QStringList oldPaths{node->path()};
    node->rename(newName);
    const QStringList newPaths{node->path()};
    postNotificationWithIndex(BrushFileSearch::eItemRenamed, &oldPaths, &newPaths, nullptr);
}

void BrushFileSearchImpl::moveNode(const FoundPathNodePtr& node, const QString& newPath)
{
    const QString nodePath = node->path();
    std::vector<FoundPathNodePtr> files;
    if (node->isFile())
        files.push_back(node);
    else
        node->getAllSubdirectories(nullptr, &files);
    QStringList oldPaths;
    for (const FoundPathNodePtr& file : files)
        oldPaths << file->path();

    std::vector<FoundPathNodePtr> deleted;
    std::vector<FoundPathNodePtr> created;
    const FoundPathNodePtr moved = mRepository->moveNode(node, newPath, &deleted, &created);

    for (const FoundPathNodePtr& folder : deleted) {
        const int fd = fdForNode(folder);
        if (fd == -1) {
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("moveNode: Can't find fd for %1").arg(folder->path());
            continue;
        }
        mMonitor->removeFileByHandle(fd);
        sharedFDToNodeMap().right.erase(folder);
    }
    for (const FoundPathNodePtr& folder : created) {
        const int fd = mMonitor->addFileByPath(folder->path());
        if (fd > 0)
            sharedFDToNodeMap().insert(FDToNodeMap::value_type(fd, folder));
    }

    if (!moved) {
        // Something already sits at the new place: the item is gone from where it was, and what
        // went with it must let go of its descriptors.
        std::vector<FoundPathNodePtr> folders;
        node->getAllSubdirectories(&folders, nullptr);
        folders.push_back(node);
        for (const FoundPathNodePtr& folder : folders) {
            const int fd = fdForNode(folder);
            if (fd != -1)
                mMonitor->removeFileByHandle(fd);
            forgetNode(folder);
        }
        for (const FoundPathNodePtr& file : files)
            forgetNode(file);
        const QStringList paths{nodePath};
        postNotificationWithIndex(BrushFileSearch::eItemDeleted, &paths, nullptr, nullptr);
        return;
    }

    // The tree moves a node under its old name; an item that changed folder and name in one
    // step (mv a/x.abr b/y.abr) must end up under the new one.
    const QString newName = LastComponent(newPath);
    if (moved->name() != newName)
        moved->rename(newName);

    QStringList newPaths;
    QVariantList flags;
    for (const FoundPathNodePtr& file : files) {
        newPaths << file->path();
        flags << FlagByte(file);
    }
    postNotificationWithIndex(BrushFileSearch::eItemsMoved, &oldPaths, &newPaths, &flags);
}

void BrushFileSearchImpl::changedNode(const FoundPathNodePtr&) {}

void BrushFileSearchImpl::folderDeleted(int fd)
{
    if (const FoundPathNodePtr node = nodeForFD(fd))
        removeNode(node);
}

void BrushFileSearchImpl::folderRenamed(int fd, const QString& newPath)
{
    if (const FoundPathNodePtr node = nodeForFD(fd))
        renameNode(node, LastComponent(newPath));
}

void BrushFileSearchImpl::folderMoved(int fd, const QString& newPath)
{
    const FoundPathNodePtr node = nodeForFD(fd);
    if (!node)
        return;
    if (node->parent() && node->parent()->path() == FolderPart(newPath))
        renameNode(node, LastComponent(newPath));
    else
        moveNode(node, newPath);
}

void BrushFileSearchImpl::folderChanged(int fd)
{
    if (const FoundPathNodePtr node = nodeForFD(fd))
        changedNode(node);
}

void BrushFileSearchImpl::postNotificationWithIndex(int index, const QStringList* paths,
                                                    const QStringList* newPaths,
                                                    const QVariantList* flags)
{
    QVariantMap info;
    info.insert(BrushFileSearch::kNotificationIDKey, index);
    if (paths)
        info.insert(BrushFileSearch::kPathsKey, *paths);
    if (newPaths)
        info.insert(BrushFileSearch::kNewPathsKey, *newPaths);
    if (flags)
        info.insert(BrushFileSearch::kFlagsKey, *flags);
    NotificationCenter::defaultCenter().postNotificationName(
        BrushFileSearch::kPrivateBrushFileSearchNotification, mOwner->shared_from_this(), info);
}

void BrushFileSearchImpl::postNotificationWithIndex(int index, int count)
{
    QVariantMap info;
    info.insert(BrushFileSearch::kNotificationIDKey, index);
    info.insert(BrushFileSearch::kCountKey, count);
    NotificationCenter::defaultCenter().postNotificationName(
        BrushFileSearch::kPrivateBrushFileSearchNotification, mOwner->shared_from_this(), info);
}
