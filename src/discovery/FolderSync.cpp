#include "discovery/FolderSync.h"

#include "discovery/FileIndex.h"
#include "discovery/FolderWatcher.h"
#include "discovery/ReleasedMounts.h"
#include "discovery/TurnBudget.h"
#include "platform/NativePath.h"
#include "platform/ThreadSanitizerHandOff.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
QString DecodePath(const std::string& path)
{
    return PathFromNative(path.data(), qsizetype(path.size()));
}
} // namespace

// A folder that appeared while the index runs, read on a worker into a tree of its own and
// merged on the main thread once complete.
struct FolderSync::SubtreeCrawl
{
    IndexedFolder* target = nullptr;
    IndexedFolder detached;
    IndexedFileList found;
    bool released = false;  // its watches were given back when the index stopped
    bool readAgain = false; // asked for while it was read: read once more, all of it
};

// What one read of a folder found: the subfolders to enter and the matching files.
struct FolderSync::Listing
{
    bool opened = false;
    bool passedOver = false; // let go of for an unmount: read again once that is over
    ino_t ino = 0;           // scope folders only
    int wd = -1;             // a watch placed by the read, owned by it until merged
    bool watchTried = false; // the read was asked to place one
    std::map<std::string, ino_t> folders;
    std::set<std::string> files;
};

// Folders read again on a worker, a batch at a time, and merged on the main thread.
struct FolderSync::BackgroundRescan
{
    struct Entry
    {
        IndexedFolder* folder; // only looked at on the main thread, while it is current
        std::string path;
        bool scope;
        bool watch;
        Listing listing;
    };
    std::vector<Entry> entries;
    bool released = false; // the index stopped before it was merged
};

FolderSync::FolderSync(CrawlContext& context, LiveIndex& live)
    : mContext(context), mLive(live), mCrawlWorkers(CrawlWorkers::defaultThreadCount())
{
    mStartCrawlsTimer.setSingleShot(true);
    QObject::connect(&mStartCrawlsTimer, &QTimer::timeout, mContext.owner,
                     [this] { startCrawls(); });
    mMergeTimer.setSingleShot(true);
    QObject::connect(&mMergeTimer, &QTimer::timeout, mContext.owner,
                     [this] { mergeFinishedCrawls(); });
    mStartRescansTimer.setSingleShot(true);
    QObject::connect(&mStartRescansTimer, &QTimer::timeout, mContext.owner,
                     [this] { startRescans(); });
    mMergeRescansTimer.setSingleShot(true);
    QObject::connect(&mMergeRescansTimer, &QTimer::timeout, mContext.owner,
                     [this] { mergeRescans(); });
}

void FolderSync::stop(FolderWatcher* watcher)
{
    mStartCrawlsTimer.stop();
    mMergeTimer.stop();
    mStartRescansTimer.stop();
    mMergeRescansTimer.stop();
    mNewCrawls.clear();
    mRescanQueue.clear();
    mStopping = true;
    mCrawlWorkers.waitForDone();
    mStopping = false;
    mFinishedCrawls.clear();
    mFinishedRescans.clear();
    mRescanEntriesMerged = 0;
    // Reads not merged yet hold watches of their own.
    for (auto& pending : mRescans) {
        const std::shared_ptr<BackgroundRescan>& batch = pending.second.batch;
        if (!batch || batch->released)
            continue;
        batch->released = true;
        for (BackgroundRescan::Entry& entry : batch->entries)
            if (entry.listing.wd >= 0 && watcher)
                watcher->releaseWatch(std::exchange(entry.listing.wd, -1));
    }
    mRescans.clear();
    if (watcher) {
        // Crawls not merged yet placed watches of their own.
        for (auto& crawl : mCrawls) {
            crawl.second->released = true;
            ForEachFolder(&crawl.second->detached, [watcher](IndexedFolder* folder) {
                if (folder->wd >= 0)
                    watcher->releaseWatch(folder->wd);
            });
        }
    }
    mCrawls.clear();
}

void FolderSync::move(IndexedFolder* from, const std::string& fromName, IndexedFolder* to,
                      const std::string& toName, bool isFolder)
{
    if (to && !to->entered)
        to = nullptr;
    if (!isFolder) {
        IndexedFilePtr item;
        if (from) {
            const auto it = from->files.find(fromName);
            if (it != from->files.end()) {
                item = it->second;
                from->files.erase(it);
            }
        }
        const bool keep = to && mContext.matcher.matches(toName);
        if (!item) {
            if (keep)
                mLive.markDirty(to);
            return;
        }
        if (!keep) {
            mLive.removeItem(item);
            return;
        }
        const auto replaced = to->files.find(toName);
        if (replaced != to->files.end()) {
            mLive.removeItem(replaced->second);
            to->files.erase(replaced);
        }
        to->files.emplace(toName, item);
        item->setPath(DecodePath(IndexedFolder::childPath(to->path(), toName)));
        mLive.changeItem(item);
        return;
    }

    std::unique_ptr<IndexedFolder> moved;
    if (from) {
        const auto it = from->folders.find(fromName);
        if (it != from->folders.end()) {
            moved = std::move(it->second);
            from->folders.erase(it);
        }
    }
    // Rescans read the disk as it is now, which may be ahead of the events still queued; a move
    // that no longer fits the index (into its own subtree) is left to the rescans.
    for (IndexedFolder* up = to; moved && up; up = up->parent) {
        if (up == moved.get()) {
            from->folders.emplace(fromName, std::move(moved));
            mLive.markDirty(from);
            mLive.markDirty(to);
            return;
        }
    }
    const bool keep = to && !FolderCrawler::isSkippedFolder(to->path(), toName.c_str());
    if (!moved) {
        if (keep)
            mLive.markDirty(to);
        return;
    }
    if (!keep) {
        forgetSubtree(moved.get());
        return;
    }
    const auto replaced = to->folders.find(toName);
    if (replaced != to->folders.end()) {
        forgetSubtree(replaced->second.get());
        to->folders.erase(replaced);
    }
    moved->parent = to;
    moved->name = toName;
    IndexedFolder* raw = moved.get();
    to->folders.emplace(toName, std::move(moved));
    renamePaths(raw, raw->path());
}

void FolderSync::renamePaths(IndexedFolder* folder, const std::string& path)
{
    for (auto& file : folder->files) {
        file.second->setPath(DecodePath(IndexedFolder::childPath(path, file.first)));
        mLive.changeItem(file.second);
    }
    for (auto& child : folder->folders)
        renamePaths(child.second.get(), IndexedFolder::childPath(path, child.first));
}

void FolderSync::readListing(int fd, const std::string& path, const BrushFileMatcher& matcher,
                             Listing& listing)
{
    FolderCrawler::forEachEntry(fd, [&](const char* name, unsigned char type, ino_t ino) {
        if (type == DT_DIR) {
            if (!FolderCrawler::isSkippedFolder(path, name))
                listing.folders.emplace(name, ino);
        } else if ((type == DT_REG || type == DT_LNK) && matcher.matches(name, strlen(name)) &&
                   FolderCrawler::isRegularFile(fd, name, type)) {
            listing.files.insert(name);
        }
    });
}

// Gone or closed to us; its parent's listing decides whether it stays at all. A scope folder
// has no parent to tell when it comes back, so it is looked for again.
void FolderSync::folderGone(IndexedFolder* folder)
{
    clearContents(folder);
    releaseFolderWatch(folder);
    folder->entered = false;
    mContext.unwatched.erase(folder);
    if (!folder->parent)
        mLive.lookForMissingRootLater();
}

void FolderSync::applyListing(IndexedFolder* folder, const std::string& path,
                              const Listing& listing)
{
    const std::set<std::string>& listedFiles = listing.files;
    const std::map<std::string, ino_t>& listedFolders = listing.folders;
    for (auto it = folder->files.begin(); it != folder->files.end();) {
        if (listedFiles.count(it->first)) {
            ++it;
        } else {
            mLive.removeItem(it->second);
            it = folder->files.erase(it);
        }
    }
    for (const std::string& name : listedFiles) {
        if (folder->files.count(name))
            continue;
        auto item = std::make_shared<IndexedFile>(DecodePath(IndexedFolder::childPath(path, name)));
        folder->files.emplace(name, item);
        mLive.addItem(item);
    }
    for (auto it = folder->folders.begin(); it != folder->folders.end();) {
        const auto listed = listedFolders.find(it->first);
        if (listed != listedFolders.end() && listed->second == it->second->ino) {
            ++it;
        } else {
            forgetSubtree(it->second.get());
            it = folder->folders.erase(it);
        }
    }
    for (const auto& listed : listedFolders) {
        if (folder->folders.count(listed.first))
            continue;
        auto child = std::make_unique<IndexedFolder>();
        child->parent = folder;
        child->name = listed.first;
        child->ino = listed.second;
        IndexedFolder* raw = child.get();
        folder->folders.emplace(listed.first, std::move(child));
        crawlNew(raw);
    }
}

void FolderSync::rescanInBackground(const std::vector<IndexedFolder*>& folders, bool subtrees)
{
    for (IndexedFolder* folder : folders) {
        // A crawl under way may have listed it before the change asked about.
        const auto crawl = mCrawls.find(folder);
        if (crawl != mCrawls.end()) {
            crawl->second->readAgain = true;
            continue;
        }
        // The read looks at the disk after every change so far.
        mContext.dirty.erase(folder);
        const auto added = mRescans.try_emplace(folder);
        PendingRescan& pending = added.first->second;
        if (added.second)
            mRescanQueue.push_back(folder);
        else if (pending.batch)
            pending.again = true;
        pending.subtree = pending.subtree || subtrees;
    }
    if (!mRescanQueue.empty() && !mStartRescansTimer.isActive())
        mStartRescansTimer.start(0);
}

// Hands the queued folders to the workers in batches. Their paths are worked out here, where
// the tree may be read, and the folders below a subtree's top are queued as it goes out, so
// that no turn walks a whole tree. A turn hands out enough to keep the workers busy for a while.
void FolderSync::startRescans()
{
    constexpr size_t kFoldersPerBatch = 64;
    const size_t foldersPerTurn = kFoldersPerBatch * 4 * size_t(mCrawlWorkers.maxThreadCount());
    TurnBudget turn;
    const FolderCrawler::Context context = mContext.forCrawlers();
    size_t taken = 0;
    while (taken < mRescanQueue.size() && taken < foldersPerTurn && turn.allowsMore()) {
        auto batch = std::make_shared<BackgroundRescan>();
        // A batch may go out short when the turn is spent: a subtree's top queues its folders.
        for (; taken < mRescanQueue.size() && batch->entries.size() < kFoldersPerBatch &&
               (batch->entries.empty() || !turn.spent());
             ++taken) {
            IndexedFolder* folder = mRescanQueue[taken];
            // Forgotten since, or queued twice under a reused address.
            const auto pending = mRescans.find(folder);
            if (pending == mRescans.end() || pending->second.batch)
                continue;
            pending->second.batch = batch;
            if (pending->second.subtree) {
                std::vector<IndexedFolder*> below;
                for (auto& child : folder->folders)
                    below.push_back(child.second.get());
                rescanInBackground(below, true);
            }
            batch->entries.push_back({folder, folder->path(), folder->parent == nullptr,
                                      folder->wd < 0 && mContext.wantsUpdates, Listing()});
        }
        if (batch->entries.empty())
            continue;
        mCrawlWorkers.start([this, batch, context] {
            for (BackgroundRescan::Entry& entry : batch->entries) {
                if (mStopping.load() || (context.cancelled && context.cancelled->load()))
                    break;
                if (context.released && context.released->covers(entry.path)) {
                    entry.listing.passedOver = true;
                    continue;
                }
                const int flags =
                    O_RDONLY | O_DIRECTORY | O_CLOEXEC | (entry.scope ? 0 : O_NOFOLLOW);
                const int fd = openat(AT_FDCWD, entry.path.c_str(), flags);
                if (fd < 0)
                    continue;
                Listing& listing = entry.listing;
                listing.opened = true;
                struct stat st;
                if (entry.scope && fstat(fd, &st) == 0)
                    listing.ino = st.st_ino;
                // Watched before it is listed, so that no change after the listing goes unseen.
                if (entry.watch) {
                    IndexedFolder placed;
                    listing.watchTried = true;
                    if (FolderCrawler::watchFolder(&placed, fd, entry.path, context))
                        listing.wd = placed.wd;
                }
                readListing(fd, entry.path, *context.matcher, listing);
                close(fd);
            }
            ThreadSanitizerHandOff(batch.get());
            QMetaObject::invokeMethod(
                mContext.owner,
                [this, batch] {
                    ThreadSanitizerTakeOver(batch.get());
                    if (batch->released)
                        return;
                    mFinishedRescans.push_back(batch);
                    if (!mMergeRescansTimer.isActive())
                        mMergeRescansTimer.start(0);
                },
                Qt::QueuedConnection);
        });
    }
    mRescanQueue.erase(mRescanQueue.begin(), mRescanQueue.begin() + long(taken));
    if (!mRescanQueue.empty())
        mStartRescansTimer.start(0);
}

void FolderSync::mergeRescans()
{
    TurnBudget turn;
    while (!mFinishedRescans.empty() && turn.allowsMore()) {
        const std::shared_ptr<BackgroundRescan>& batch = mFinishedRescans.front();
        if (mRescanEntriesMerged == batch->entries.size()) {
            mFinishedRescans.pop_front();
            mRescanEntriesMerged = 0;
            continue;
        }
        BackgroundRescan::Entry& entry = batch->entries[mRescanEntriesMerged++];
        const auto pending = mRescans.find(entry.folder);
        if (pending == mRescans.end() || pending->second.batch != batch) {
            // Forgotten meanwhile: the folder may be gone from memory, the watch is not ours.
            if (entry.listing.wd >= 0 && mContext.watcher)
                mContext.watcher->releaseWatch(std::exchange(entry.listing.wd, -1));
            continue;
        }
        const bool readAgain = pending->second.again;
        mRescans.erase(pending);
        // Queued at once: a later listing of this turn may forget the folder.
        if (mergeRescan(entry.folder, entry.path, entry.listing) || readAgain)
            rescanInBackground({entry.folder});
    }
    if (mRescans.empty() && mCrawls.empty() && mContext.gatheringComplete)
        mContext.earlyEvents.clear();
    if (!mFinishedRescans.empty())
        mMergeRescansTimer.start(0);
    mLive.flushReadFindings();
}

// Merges one folder's listing from a worker; true when the folder needs another read.
bool FolderSync::mergeRescan(IndexedFolder* folder, const std::string& path, Listing& listing)
{
    const int placed = std::exchange(listing.wd, -1);
    if (path != folder->path()) {
        // Moved since: the listing is of whatever had its old path.
        if (placed >= 0 && mContext.watcher)
            mContext.watcher->releaseWatch(placed);
        return true;
    }
    if (listing.passedOver)
        return false;
    if (!listing.opened) {
        folderGone(folder);
        return false;
    }
    if (!folder->parent && listing.ino != folder->ino) {
        clearContents(folder);
        releaseFolderWatch(folder);
        folder->ino = listing.ino;
    }
    bool again = false;
    if (placed >= 0) {
        if (folder->wd == placed) {
            // Watched meanwhile by the same watch: the read's reference is one too many.
            mContext.watcher->releaseWatch(placed);
        } else if (folder->wd >= 0 || !mContext.folderByWatch.emplace(placed, folder).second) {
            // Watched meanwhile, or another path to the same folder holds the watch.
            mContext.watcher->releaseWatch(placed);
        } else {
            folder->wd = placed;
            mContext.unwatched.erase(folder);
            // Events that came before the watch was known could not be placed.
            again = mContext.earlyEvents.count(placed) > 0;
        }
    } else if (listing.watchTried && folder->wd < 0) {
        mContext.unwatched.insert(folder);
    } else if (folder->wd < 0 && mContext.wantsUpdates) {
        // It lost its watch while the worker read it (its scope folder replaced, say).
        again = !listing.watchTried;
    }
    folder->entered = true;
    applyListing(folder, path, listing);
    return again;
}

// The folders below a path were let go of for an unmount, and whatever the crawls and reads
// passed over meanwhile is read now. A crawl still reading the folder that holds it is read
// again after it; a path the index does not hold (a hidden folder, say) is not read at all.
void FolderSync::readAgainBelow(const std::string& path)
{
    IndexedFolder* folder = FolderAtPath(mContext.roots, path, true);
    if (!folder) {
        std::vector<IndexedFolder*> roots;
        for (IndexedFolder* root : mContext.rootFolders())
            if (ReleasedMounts::isAtOrBelow(root->name, path))
                roots.push_back(root);
        rescanInBackground(roots, true);
    } else if (folder->path() == path || mCrawls.count(folder)) {
        rescanInBackground({folder}, true);
    }
}

// A folder that appeared while the index runs may be a whole unpacked archive: it is read on a
// worker into a tree of its own, merged when complete. The folders that appear in one turn are
// handed to the workers together.
void FolderSync::crawlNew(IndexedFolder* folder)
{
    auto crawl = std::make_shared<SubtreeCrawl>();
    crawl->target = folder;
    crawl->detached.name = folder->path();
    crawl->detached.ino = folder->ino;
    mCrawls[folder] = crawl;
    mNewCrawls.push_back(std::move(crawl));
    if (!mStartCrawlsTimer.isActive())
        mStartCrawlsTimer.start(0);
}

void FolderSync::startCrawls()
{
    std::vector<std::shared_ptr<SubtreeCrawl>> crawls;
    crawls.swap(mNewCrawls);
    const size_t tasks = std::min(crawls.size(), size_t(mCrawlWorkers.maxThreadCount()));
    for (size_t task = 0; task < tasks; ++task) {
        std::vector<std::shared_ptr<SubtreeCrawl>> share;
        for (size_t i = task; i < crawls.size(); i += tasks)
            share.push_back(crawls[i]);
        FolderCrawler::Context context = mContext.forCrawlers();
        mCrawlWorkers.start([this, share = std::move(share), context]() mutable {
            for (const std::shared_ptr<SubtreeCrawl>& crawl : share) {
                context.found = [&crawl](IndexedFileList&& items) {
                    crawl->found.insert(crawl->found.end(), std::make_move_iterator(items.begin()),
                                        std::make_move_iterator(items.end()));
                };
                FolderCrawler::crawl({{&crawl->detached, crawl->detached.name}}, context, 1);
                ThreadSanitizerHandOff(crawl.get());
                QMetaObject::invokeMethod(
                    mContext.owner,
                    [this, crawl] {
                        ThreadSanitizerTakeOver(crawl.get());
                        mFinishedCrawls.push_back(crawl);
                        if (!mMergeTimer.isActive())
                            mMergeTimer.start(0);
                    },
                    Qt::QueuedConnection);
            }
        });
    }
}

void FolderSync::mergeFinishedCrawls()
{
    TurnBudget turn;
    while (!mFinishedCrawls.empty() && turn.allowsMore()) {
        const std::shared_ptr<SubtreeCrawl> crawl = std::move(mFinishedCrawls.front());
        mFinishedCrawls.pop_front();
        mergeCrawl(crawl);
    }
    if (!mFinishedCrawls.empty())
        mMergeTimer.start(0);
}

void FolderSync::mergeCrawl(const std::shared_ptr<SubtreeCrawl>& crawl)
{
    IndexedFolder* target = crawl->target;
    const auto pending = mCrawls.find(target);
    const bool current = pending != mCrawls.end() && pending->second == crawl;
    if (current)
        mCrawls.erase(pending);
    if (crawl->released)
        return;
    // Forgotten meanwhile, or moved so that the paths read are no longer its paths.
    if (!current || crawl->detached.name != target->path()) {
        ForEachFolder(&crawl->detached, [this](IndexedFolder* folder) {
            if (folder->wd >= 0 && mContext.watcher)
                mContext.watcher->releaseWatch(folder->wd);
        });
        if (current)
            mLive.markDirty(target);
        return;
    }
    IndexedFolder& read = crawl->detached;
    target->ino = read.ino;
    target->wd = read.wd;
    target->entered = read.entered;
    target->files = std::move(read.files);
    target->folders = std::move(read.folders);
    for (auto& child : target->folders)
        child.second->parent = target;
    adoptWatches(target);
    for (const IndexedFilePtr& item : crawl->found)
        mLive.addItem(item);
    if (crawl->readAgain)
        rescanInBackground({target}, true);
}

// Takes over the watches a crawler placed below a folder. Folders whose watch had events
// before they joined are read again: those events could not be placed.
void FolderSync::adoptWatches(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        if (folder->wd >= 0) {
            const auto inserted = mContext.folderByWatch.emplace(folder->wd, folder);
            if (!inserted.second && inserted.first->second != folder) {
                // Another path to the same folder holds the watch already.
                mContext.watcher->releaseWatch(folder->wd);
                folder->wd = -1;
            } else if (mContext.earlyEvents.count(folder->wd)) {
                mLive.markDirty(folder);
            }
        }
        if (folder->wd < 0 && folder->entered && mContext.wantsUpdates)
            mContext.unwatched.insert(folder);
    });
    if (mCrawls.empty() && mRescans.empty() && mContext.gatheringComplete)
        mContext.earlyEvents.clear();
}

void FolderSync::releaseFolderWatch(IndexedFolder* folder)
{
    if (folder->wd < 0)
        return;
    const auto it = mContext.folderByWatch.find(folder->wd);
    if (it != mContext.folderByWatch.end() && it->second == folder) {
        mContext.folderByWatch.erase(it);
        if (mContext.watcher)
            mContext.watcher->releaseWatch(folder->wd);
        mContext.watchesLeft.fetch_add(1);
    }
    folder->wd = -1;
}

void FolderSync::forgetSubtree(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        releaseFolderWatch(folder);
        mCrawls.erase(folder);
        mRescans.erase(folder);
        mContext.dirty.erase(folder);
        mContext.unwatched.erase(folder);
        for (auto& file : folder->files)
            mLive.removeItem(file.second);
    });
}

void FolderSync::clearContents(IndexedFolder* folder)
{
    for (auto& file : folder->files)
        mLive.removeItem(file.second);
    folder->files.clear();
    for (auto& child : folder->folders)
        forgetSubtree(child.second.get());
    folder->folders.clear();
}
