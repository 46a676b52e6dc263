#include "discovery/SpotlightQueryImpl.h"

#include "discovery/KQueueMonitor.h"
#include "discovery/KQueueMonitorNotificationHandler.h"
#include "discovery/MetadataQuery.h"
#include "discovery/SpotlightHierarchy.h"
#include "discovery/SpotlightQuery.h"
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

QByteArray FlagByte(const SpotlightHierarchyNodePtr& node)
{
    return QByteArray(1, char(node->getFlags().bits));
}

// Keeps a query's updates back while one of its notifications is being handled.
class UpdatesDisabled
{
public:
    explicit UpdatesDisabled(MetadataQuery* query) : mQuery(query) { mQuery->disableUpdates(); }
    ~UpdatesDisabled() { mQuery->enableUpdates(); }
    UpdatesDisabled(const UpdatesDisabled&) = delete;
    UpdatesDisabled& operator=(const UpdatesDisabled&) = delete;

private:
    MetadataQuery* mQuery;
};
} // namespace

SpotlightQueryImpl::MDItemToNodeMap& SpotlightQueryImpl::sharedMDItemToNodeMap()
{
    static auto* map = new MDItemToNodeMap;
    return *map;
}

SpotlightQueryImpl::FDToNodeMap& SpotlightQueryImpl::sharedFDToNodeMap()
{
    static auto* map = new FDToNodeMap;
    return *map;
}

SpotlightHierarchyNodePtr SpotlightQueryImpl::nodeForMDItem(const MetadataItemPtr& item)
{
    const auto& left = sharedMDItemToNodeMap().left;
    const auto it = left.find(item);
    return it == left.end() ? nullptr : it->second;
}

MetadataItemPtr SpotlightQueryImpl::mdItemForNode(const SpotlightHierarchyNodePtr& node)
{
    const auto& right = sharedMDItemToNodeMap().right;
    const auto it = right.find(node);
    return it == right.end() ? nullptr : it->second;
}

SpotlightHierarchyNodePtr SpotlightQueryImpl::nodeForFD(int fd)
{
    const auto& left = sharedFDToNodeMap().left;
    const auto it = left.find(fd);
    return it == left.end() ? nullptr : it->second;
}

int SpotlightQueryImpl::fdForNode(const SpotlightHierarchyNodePtr& node)
{
    const auto& right = sharedFDToNodeMap().right;
    const auto it = right.find(node);
    return it == right.end() ? -1 : it->second;
}

SpotlightQueryImpl::SpotlightQueryImpl(SpotlightQuery* owner) : mOwner(owner) {}

SpotlightQueryImpl::~SpotlightQueryImpl()
{
    mQueryObserver.reset();
    if (mQuery) {
        mQuery->disableUpdates();
        mQuery->stop();
        mQuery.reset();
    }
    kqueueMonitorHandler.reset();
}

bool SpotlightQueryImpl::initWithQueryString(const QString& queryString,
                                             const QStringList& directories)
{
    mRepository = SpotlightHierarchy::sharedSpotlightHierarchy();
    kqueueMonitorHandler = std::make_unique<KQueueMonitorNotificationHandler>(this);
    mMonitor = kqueueMonitorHandler->monitor();

    mQuery = MetadataQuery::create(queryString);
    if (!mQuery) {
        qCInfo(lcDiscovery, "Can't create MDQuery");
        return true;
    }
    if (directories.isEmpty())
        mQuery->setSearchScope({IsSnowLeopardOrLater() ? MetadataQuery::kMDQueryScopeComputerIndexed
                                                       : MetadataQuery::kMDQueryScopeComputer});
    else
        mQuery->setSearchScope(directories);

    MetadataQuery::BatchingParameters batching = mQuery->batchingParameters();
    batching.first_max_num = 150;
    batching.update_max_ms = 250;
    mQuery->setBatchingParameters(batching);

    // The query's notifications arrive here synchronously, as they are posted.
    mQueryObserver = ScopedObserver(QString(), mQuery.get(), [this](const Notification& n) {
        processNotification(n.name(), n.userInfo());
    });
    return true;
}

bool SpotlightQueryImpl::run()
{
    if (!mQuery)
        return true;
    if (!mQuery->execute(true)) {
        qCInfo(lcDiscovery, "MDQueryExecute failed.");
        return false;
    }
    return true;
}

bool SpotlightQueryImpl::isInInitialSearch() const
{
    if (!mQuery)
        return false;
    UpdatesDisabled hold(mQuery.get());
    return !mQuery->isGatheringComplete();
}

bool SpotlightQueryImpl::hasFoundFilesInPath(const QString& path) const
{
    return mRepository && mRepository->findNodeForPath(path) != nullptr;
}

void SpotlightQueryImpl::processNotification(const QString& name, const QVariantMap& info)
{
    UpdatesDisabled hold(mQuery.get());
    if (name == MetadataQuery::kMDQueryDidFinishNotification) {
        addAllMDItems();
        postNotificationWithIndex(SpotlightQuery::eFirstPhaseFinished, nullptr, nullptr, nullptr);
    } else if (name == MetadataQuery::kMDQueryDidUpdateNotification) {
        if (info.contains(MetadataQuery::kMDQueryUpdateAddedItems))
            addMDItems(
                info.value(MetadataQuery::kMDQueryUpdateAddedItems).value<MetadataItemList>());
        if (info.contains(MetadataQuery::kMDQueryUpdateRemovedItems))
            removeMDItems(
                info.value(MetadataQuery::kMDQueryUpdateRemovedItems).value<MetadataItemList>());
        if (info.contains(MetadataQuery::kMDQueryUpdateChangedItems))
            changedMDItems(
                info.value(MetadataQuery::kMDQueryUpdateChangedItems).value<MetadataItemList>());
    } else if (name == MetadataQuery::kMDQueryProgressNotification) {
        postNotificationWithIndex(SpotlightQuery::eFirstPhaseProgress, mQuery->resultCount());
    }
}

void SpotlightQueryImpl::addAllMDItems()
{
    MetadataItemList items;
    const int count = mQuery->resultCount();
    items.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        items.push_back(mQuery->resultAtIndex(i));
    addMDItems(items);
}

void SpotlightQueryImpl::addMDItems(const MetadataItemList& items)
{
    QStringList paths;
    QVariantList flags;
    for (const MetadataItemPtr& item : items) {
        const QString path =
            item ? item->copyAttribute(MetadataItem::kMDItemPath).toString() : QString();
        if (path.isEmpty()) {
            qCInfo(lcDiscovery, "addMDItems: Could not get path for item");
            continue;
        }
        if (!ExistsOnDisk(path)) {
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("Spotlight reports nonexistent %1").arg(path);
            continue;
        }
        std::vector<SpotlightHierarchyNodePtr> created;
        const SpotlightHierarchyNodePtr node = mRepository->addPath(path, false, &created, nullptr);
        if (!node)
            continue;
        sharedMDItemToNodeMap().insert(MDItemToNodeMap::value_type(item, node));
        flags << FlagByte(node);
        for (const SpotlightHierarchyNodePtr& folder : created) {
            const int fd = mMonitor->addFileByPath(folder->path());
            if (fd > 0)
                sharedFDToNodeMap().insert(FDToNodeMap::value_type(fd, folder));
        }
        paths << path;
    }
    if (!paths.isEmpty())
        postNotificationWithIndex(SpotlightQuery::eItemsAdded, &paths, nullptr, &flags);
}

void SpotlightQueryImpl::removeMDItems(const MetadataItemList& items)
{
    for (const MetadataItemPtr& item : items)
        removeNode(nodeForMDItem(item));
}

void SpotlightQueryImpl::changedMDItems(const MetadataItemList& items)
{
    // An item can lose its node before its change arrives: the monitor reports a deleted
    // folder at once, the index the file that had moved out of it only with its next batch.
    // Such an item is still on disk and is announced again where it is now.
    MetadataItemList lost;
    for (const MetadataItemPtr& item : items) {
        const QString path =
            item ? item->copyAttribute(MetadataItem::kMDItemPath).toString() : QString();
        const SpotlightHierarchyNodePtr node = nodeForMDItem(item);
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
void SpotlightQueryImpl::forgetNode(const SpotlightHierarchyNodePtr& node)
{
    sharedFDToNodeMap().right.erase(node);
    sharedMDItemToNodeMap().right.erase(node);
}

void SpotlightQueryImpl::removeNode(const SpotlightHierarchyNodePtr& node)
{
    if (!node)
        return;
    const QString path = node->path();
    std::vector<SpotlightHierarchyNodePtr> folders;
    std::vector<SpotlightHierarchyNodePtr> files;
    node->getAllSubdirectories(&folders, &files);
    mRepository->removeNode(node, &folders);
    for (const SpotlightHierarchyNodePtr& folder : folders) {
        const int fd = fdForNode(folder);
        if (fd != -1)
            mMonitor->removeFileByHandle(fd);
        else
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("removeNode: couldn't find fd for %1").arg(folder->path());
        forgetNode(folder);
    }
    for (const SpotlightHierarchyNodePtr& file : files)
        forgetNode(file);
    const int fd = fdForNode(node);
    if (fd != -1)
        mMonitor->removeFileByHandle(fd);
    forgetNode(node);
    const QStringList paths{path};
    postNotificationWithIndex(SpotlightQuery::eItemDeleted, &paths, nullptr, nullptr);
}

void SpotlightQueryImpl::renameNode(const SpotlightHierarchyNodePtr& node, const QString& newName)
{
    const QStringList oldPaths{node->path()};
    node->rename(newName);
    const QStringList newPaths{node->path()};
    postNotificationWithIndex(SpotlightQuery::eItemRenamed, &oldPaths, &newPaths, nullptr);
}

void SpotlightQueryImpl::moveNode(const SpotlightHierarchyNodePtr& node, const QString& newPath)
{
    const QString nodePath = node->path();
    std::vector<SpotlightHierarchyNodePtr> files;
    if (node->isFile())
        files.push_back(node);
    else
        node->getAllSubdirectories(nullptr, &files);
    QStringList oldPaths;
    for (const SpotlightHierarchyNodePtr& file : files)
        oldPaths << file->path();

    std::vector<SpotlightHierarchyNodePtr> deleted;
    std::vector<SpotlightHierarchyNodePtr> created;
    const SpotlightHierarchyNodePtr moved =
        mRepository->moveNode(node, newPath, &deleted, &created);

    for (const SpotlightHierarchyNodePtr& folder : deleted) {
        const int fd = fdForNode(folder);
        if (fd == -1) {
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("moveNode: Can't find fd for %1").arg(folder->path());
            continue;
        }
        mMonitor->removeFileByHandle(fd);
        sharedFDToNodeMap().right.erase(folder);
    }
    for (const SpotlightHierarchyNodePtr& folder : created) {
        const int fd = mMonitor->addFileByPath(folder->path());
        if (fd > 0)
            sharedFDToNodeMap().insert(FDToNodeMap::value_type(fd, folder));
    }

    if (!moved) {
        // Something already sits at the new place: the item is gone from where it was, and what
        // went with it must let go of its descriptors.
        std::vector<SpotlightHierarchyNodePtr> folders;
        node->getAllSubdirectories(&folders, nullptr);
        folders.push_back(node);
        for (const SpotlightHierarchyNodePtr& folder : folders) {
            const int fd = fdForNode(folder);
            if (fd != -1)
                mMonitor->removeFileByHandle(fd);
            forgetNode(folder);
        }
        for (const SpotlightHierarchyNodePtr& file : files)
            forgetNode(file);
        const QStringList paths{nodePath};
        postNotificationWithIndex(SpotlightQuery::eItemDeleted, &paths, nullptr, nullptr);
        return;
    }

    // The tree moves a node under its old name; an item that changed folder and name in one
    // step (mv a/x.abr b/y.abr) must end up under the new one.
    const QString newName = LastComponent(newPath);
    if (moved->name() != newName)
        moved->rename(newName);

    QStringList newPaths;
    QVariantList flags;
    for (const SpotlightHierarchyNodePtr& file : files) {
        newPaths << file->path();
        flags << FlagByte(file);
    }
    postNotificationWithIndex(SpotlightQuery::eItemsMoved, &oldPaths, &newPaths, &flags);
}

void SpotlightQueryImpl::changedNode(const SpotlightHierarchyNodePtr&) {}

void SpotlightQueryImpl::kQueueDeletedItem(int fd)
{
    if (const SpotlightHierarchyNodePtr node = nodeForFD(fd))
        removeNode(node);
}

void SpotlightQueryImpl::kQueueRenamedItem(int fd, const QString& newPath)
{
    if (const SpotlightHierarchyNodePtr node = nodeForFD(fd))
        renameNode(node, LastComponent(newPath));
}

void SpotlightQueryImpl::kQueueMovedItem(int fd, const QString& newPath)
{
    const SpotlightHierarchyNodePtr node = nodeForFD(fd);
    if (!node)
        return;
    if (node->parent() && node->parent()->path() == FolderPart(newPath))
        renameNode(node, LastComponent(newPath));
    else
        moveNode(node, newPath);
}

void SpotlightQueryImpl::kQueueChangedItem(int fd)
{
    if (const SpotlightHierarchyNodePtr node = nodeForFD(fd))
        changedNode(node);
}

void SpotlightQueryImpl::postNotificationWithIndex(int index, const QStringList* paths,
                                                   const QStringList* newPaths,
                                                   const QVariantList* flags)
{
    QVariantMap info;
    info.insert(SpotlightQuery::kNotificationIDKey, index);
    if (paths)
        info.insert(SpotlightQuery::kPathsKey, *paths);
    if (newPaths)
        info.insert(SpotlightQuery::kNewPathsKey, *newPaths);
    if (flags)
        info.insert(SpotlightQuery::kFlagsKey, *flags);
    NotificationCenter::defaultCenter().postNotificationName(
        SpotlightQuery::kPrivateSpotlightQueryNotification, mOwner->shared_from_this(), info);
}

void SpotlightQueryImpl::postNotificationWithIndex(int index, int count)
{
    QVariantMap info;
    info.insert(SpotlightQuery::kNotificationIDKey, index);
    info.insert(SpotlightQuery::kCountKey, count);
    NotificationCenter::defaultCenter().postNotificationName(
        SpotlightQuery::kPrivateSpotlightQueryNotification, mOwner->shared_from_this(), info);
}
