#include "discovery/BrushFileSearchImpl.h"

#include "discovery/FileIndex.h"
#include "discovery/FolderMonitor.h"
#include "discovery/FoundPathTree.h"
#include "discovery/TurnBudget.h"
#include "platform/Logging.h"
#include "platform/NativePath.h"
#include "platform/Paths.h"

#include <algorithm>

BrushFileSearchImpl::FileToNodeMap& BrushFileSearchImpl::sharedFileToNodeMap()
{
    static auto* map = new FileToNodeMap;
    return *map;
}

BrushFileSearchImpl::HandleToNodeMap& BrushFileSearchImpl::sharedHandleToNodeMap()
{
    static auto* map = new HandleToNodeMap;
    return *map;
}

FoundPathNodePtr BrushFileSearchImpl::nodeForFile(const IndexedFilePtr& item)
{
    const auto& left = sharedFileToNodeMap().left;
    const auto it = left.find(item);
    return it == left.end() ? nullptr : it->second;
}

FoundPathNodePtr BrushFileSearchImpl::nodeForHandle(int handle)
{
    const auto& left = sharedHandleToNodeMap().left;
    const auto it = left.find(handle);
    return it == left.end() ? nullptr : it->second;
}

int BrushFileSearchImpl::handleForNode(const FoundPathNodePtr& node)
{
    const auto& right = sharedHandleToNodeMap().right;
    const auto it = right.find(node);
    return it == right.end() ? -1 : it->second;
}

BrushFileSearchImpl::BrushFileSearchImpl(BrushFileSearch* owner, const BrushFileMatcher& matcher,
                                         const QStringList& directories)
    : mOwner(owner), mIndex(std::make_unique<FileIndex>(matcher)),
      mRepository(FoundPathTree::sharedTree())
{
    mWorkTimer.setSingleShot(true);
    QObject::connect(&mWorkTimer, &QTimer::timeout, [this] { processWork(); });
    // Linux has no older system that would call for the whole computer: the home and
    // removable-media folders are where users keep brush files.
    mIndex->setSearchScope(directories.isEmpty() ? QStringList{FileIndex::kScopeHomeAndMedia}
                                                 : directories);
    FileIndex::BatchingParameters batching = mIndex->batchingParameters();
    batching.first_max_num = 150;
    batching.update_max_ms = 100;
    // A lone change is read at once, a new file once it is closed: what a user just saved shows
    // without a wait, while a burst of changes is still read in batches.
    batching.update_lone_ms = 0;
    mIndex->setBatchingParameters(batching);

    QObject::connect(mIndex.get(), &FileIndex::progress, mOwner,
                     [this] { Q_EMIT mOwner->firstPhaseProgress(mIndex->resultCount()); });
    QObject::connect(mIndex.get(), &FileIndex::finished, mOwner, [this] {
        IndexedFileList items;
        const int count = mIndex->resultCount();
        items.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            items.push_back(mIndex->resultAtIndex(i));
        queue(Work::eAdd, std::move(items));
        queue(Work::eFinishFirstPhase, {});
    });
    QObject::connect(mIndex.get(), &FileIndex::updated, mOwner,
                     [this](const FileIndexUpdate& update) { onIndexUpdated(update); });
    QObject::connect(mIndex.get(), &FileIndex::watchLimitReached, mOwner, [this] {
        mOwner->mWatchLimitRecrawlSeconds = std::max(1, (mIndex->recrawlIntervalMs() + 999) / 1000);
        Q_EMIT mOwner->watchLimitReached(mOwner->mWatchLimitRecrawlSeconds);
    });
}

BrushFileSearchImpl::~BrushFileSearchImpl()
{
    mIndex->stop();
    mIndex.reset();
    for (const QMetaObject::Connection& connection : mMonitorConnections)
        QObject::disconnect(connection);
}

bool BrushFileSearchImpl::run(bool live)
{
    // Only a live search keeps its folders watched. A one-shot one (kelbrin-cli find) would
    // spend a watch per folder, and warnings once the system's limit is reached, on changes it
    // never reports.
    if (live && !mMonitor) {
        mMonitor = FolderMonitor::shared();
        mMonitorConnections = {QObject::connect(mMonitor, &FolderMonitor::folderMoved, mOwner,
                                                [this](int handle, const QString& path) {
                                                    folderMoved(handle, path);
                                                }),
                               QObject::connect(mMonitor, &FolderMonitor::folderRenamed, mOwner,
                                                [this](int handle, const QString& path) {
                                                    folderRenamed(handle, path);
                                                }),
                               QObject::connect(mMonitor, &FolderMonitor::folderDeleted, mOwner,
                                                [this](int handle) { folderDeleted(handle); })};
    }
    if (!mIndex->execute(live)) {
        qCInfo(lcDiscovery, "The file index failed to start.");
        return false;
    }
    return true;
}

bool BrushFileSearchImpl::isInInitialSearch() const
{
    return mIndex && !mFirstPhaseReported;
}

bool BrushFileSearchImpl::hasFoundFilesInPath(const QString& path) const
{
    return mRepository && mRepository->findNodeForPath(path) != nullptr;
}

// The index is made before the search runs and kept until it is gone, so another thread may
// reach it here.
void BrushFileSearchImpl::keepCrawlersOut(const QString& mountPoint)
{
    if (mIndex)
        mIndex->keepCrawlersOut(mountPoint);
}

bool BrushFileSearchImpl::keepsCrawlersOutOf(const QString& path) const
{
    return mIndex && mIndex->keepsCrawlersOutOf(path);
}

void BrushFileSearchImpl::releaseMount(const QString& mountPoint)
{
    if (mIndex)
        mIndex->releaseMount(mountPoint);
}

void BrushFileSearchImpl::onIndexUpdated(const FileIndexUpdate& update)
{
    if (!update.added.empty())
        queue(Work::eAdd, update.added);
    if (!update.removed.empty())
        queue(Work::eRemove, update.removed);
    if (!update.changed.empty())
        queue(Work::eChange, update.changed);
    if (!update.written.empty())
        queue(Work::eWrite, update.written);
}

// Work is taken up on the next turn of the event loop: whoever handed it over (the index's
// flush) has used that turn's share already.
void BrushFileSearchImpl::queue(Work::eKind kind, IndexedFileList files)
{
    mWork.push_back({kind, std::move(files)});
    if (!mWorkTimer.isActive())
        mWorkTimer.start(0);
}

void BrushFileSearchImpl::processWork()
{
    // Small slices, so that the clock is looked at often: one path can cost several watches.
    constexpr size_t kSlice = 4;
    TurnBudget turn;
    size_t done = 0;
    while (!mWork.empty() && done < kPathsPerTurn && turn.allowsMore()) {
        Work& work = mWork.front();
        const size_t count =
            std::min({kSlice, kPathsPerTurn - done, work.files.size() - work.next});
        const IndexedFileList slice(work.files.begin() + long(work.next),
                                    work.files.begin() + long(work.next + count));
        work.next += count;
        done += count;
        switch (work.kind) {
        case Work::eAdd:
            addFiles(slice);
            break;
        case Work::eRemove:
            for (const IndexedFilePtr& item : slice)
                removeNode(nodeForFile(item));
            break;
        case Work::eChange:
            changedFiles(slice);
            break;
        case Work::eWrite: {
            QStringList written;
            for (const IndexedFilePtr& item : slice)
                if (const FoundPathNodePtr node = nodeForFile(item))
                    written << node->path();
            if (!written.isEmpty())
                Q_EMIT mOwner->itemsWritten(written);
            break;
        }
        case Work::eFinishFirstPhase:
            mFirstPhaseReported = true;
            Q_EMIT mOwner->firstPhaseFinished();
            break;
        }
        if (work.next >= work.files.size())
            mWork.pop_front();
    }
    if (!mWork.empty())
        mWorkTimer.start(0);
}

void BrushFileSearchImpl::addFiles(const IndexedFileList& items)
{
    QStringList paths;
    FileNodeFlagsList flags;
    QStringList gone;
    for (const IndexedFilePtr& item : items) {
        const QString path = item ? item->path() : QString();
        if (path.isEmpty()) {
            qCInfo(lcDiscovery, "Adding found files: could not get the path of an item");
            continue;
        }
        if (!ExistsWithoutFollowing(path)) {
            gone << path;
            continue;
        }
        std::vector<FoundPathNodePtr> created;
        const FoundPathNodePtr node = mRepository->addPath(path, false, &created, nullptr);
        if (!node)
            continue;
        sharedFileToNodeMap().insert(FileToNodeMap::value_type(item, node));
        flags.push_back(node->getFlags());
        watchFolders(created);
        paths << path;
    }
    // A churn can make thousands of these in one batch: one line says it.
    if (!gone.isEmpty())
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("Files gone before they could be added: %1%2")
                   .arg(gone.first(), gone.size() > 1
                                          ? QStringLiteral(" and %1 more").arg(gone.size() - 1)
                                          : QString());
    if (!paths.isEmpty())
        Q_EMIT mOwner->itemsAdded(paths, flags);
}

void BrushFileSearchImpl::changedFiles(const IndexedFileList& items)
{
    // An item can lose its node before its change arrives: the monitor reports a deleted
    // folder at once, the index the file that had moved out of it only with its next batch.
    // Such an item is still on disk and is announced again where it is now.
    IndexedFileList lost;
    for (const IndexedFilePtr& item : items) {
        const QString path = item ? item->path() : QString();
        const FoundPathNodePtr node = nodeForFile(item);
        if (!node) {
            if (item)
                lost.push_back(item);
            continue;
        }
        const QString nodePath = node->path();
        if (path == nodePath)
            continue;
        if (ParentPath(path) == ParentPath(nodePath))
            renameNode(node, LastComponent(path));
        else
            moveNode(node, path);
    }
    if (!lost.empty()) {
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("Changed files no longer where they were, announced again: %1")
                   .arg(lost.size());
        addFiles(lost);
    }
}

void BrushFileSearchImpl::watchFolders(const std::vector<FoundPathNodePtr>& folders)
{
    if (!mMonitor)
        return;
    for (const FoundPathNodePtr& folder : folders) {
        const int handle = mMonitor->addFolder(folder->path());
        if (handle > 0)
            sharedHandleToNodeMap().insert(HandleToNodeMap::value_type(handle, folder));
    }
}

void BrushFileSearchImpl::unwatchFolders(const std::vector<FoundPathNodePtr>& folders,
                                         const char* missingHandleMessage)
{
    for (const FoundPathNodePtr& folder : folders) {
        const int handle = handleForNode(folder);
        if (handle != -1 && mMonitor)
            mMonitor->removeFolder(handle);
        else if (missingHandleMessage && mMonitor && !mMonitor->watchLimitReached())
            qCInfo(lcDiscovery).noquote()
                << QString::fromLatin1(missingHandleMessage).arg(folder->path());
        sharedHandleToNodeMap().right.erase(folder);
    }
}

// Drops the node's handle and item entries. The files below a removed folder go with it,
// so their items must not keep pointing at nodes that have left the tree.
void BrushFileSearchImpl::forgetNode(const FoundPathNodePtr& node)
{
    sharedHandleToNodeMap().right.erase(node);
    sharedFileToNodeMap().right.erase(node);
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
    unwatchFolders(folders, "removeNode: couldn't find fd for %1");
    folders.push_back(node);
    unwatchFolders({node});
    for (const FoundPathNodePtr& folder : folders)
        forgetNode(folder);
    for (const FoundPathNodePtr& file : files)
        forgetNode(file);
    Q_EMIT mOwner->itemsRemoved({path});
}

void BrushFileSearchImpl::renameNode(const FoundPathNodePtr& node, const QString& newName)
{
    const QString oldPath = node->path();
    node->rename(newName);
    Q_EMIT mOwner->itemRenamed(oldPath, node->path());
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
    unwatchFolders(deleted, "moveNode: Can't find fd for %1");
    watchFolders(created);

    if (!moved) {
        // Something already sits at the new place: the item is gone from where it was, and what
        // went with it must let go of its watches.
        std::vector<FoundPathNodePtr> folders;
        node->getAllSubdirectories(&folders, nullptr);
        folders.push_back(node);
        unwatchFolders(folders);
        for (const FoundPathNodePtr& file : files)
            forgetNode(file);
        Q_EMIT mOwner->itemsRemoved({nodePath});
        return;
    }

    // The tree moves a node under its old name; an item that changed folder and name in one
    // step (mv a/x.abr b/y.abr) must end up under the new one.
    const QString newName = LastComponent(newPath);
    if (moved->name() != newName)
        moved->rename(newName);

    QStringList newPaths;
    FileNodeFlagsList flags;
    for (const FoundPathNodePtr& file : files) {
        newPaths << file->path();
        flags.push_back(file->getFlags());
    }
    Q_EMIT mOwner->itemsMoved(oldPaths, newPaths, flags);
}

void BrushFileSearchImpl::folderDeleted(int handle)
{
    if (const FoundPathNodePtr node = nodeForHandle(handle))
        removeNode(node);
}

void BrushFileSearchImpl::folderRenamed(int handle, const QString& newPath)
{
    if (const FoundPathNodePtr node = nodeForHandle(handle))
        renameNode(node, LastComponent(newPath));
}

void BrushFileSearchImpl::folderMoved(int handle, const QString& newPath)
{
    const FoundPathNodePtr node = nodeForHandle(handle);
    if (!node)
        return;
    if (node->parent() && node->parent()->path() == ParentPath(newPath))
        renameNode(node, LastComponent(newPath));
    else
        moveNode(node, newPath);
}
