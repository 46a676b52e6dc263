#include "discovery/FolderSync.h"

#include "discovery/FileIndex.h"
#include "discovery/FolderWatcher.h"
#include "discovery/TurnBudget.h"
#include "platform/NativePath.h"
#include "platform/ThreadSanitizerHandOff.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

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
    bool released = false; // its watches were given back when the index stopped
};

FolderSync::FolderSync(FileIndex& index, LiveIndex& live)
    : mIndex(index), mLive(live), mCrawlWorkers(CrawlWorkers::defaultThreadCount())
{
    mStartCrawlsTimer.setSingleShot(true);
    QObject::connect(&mStartCrawlsTimer, &QTimer::timeout, &mIndex, [this] { startCrawls(); });
    mMergeTimer.setSingleShot(true);
    QObject::connect(&mMergeTimer, &QTimer::timeout, &mIndex, [this] { mergeFinishedCrawls(); });
}

void FolderSync::stop(FolderWatcher* watcher)
{
    mStartCrawlsTimer.stop();
    mMergeTimer.stop();
    mNewCrawls.clear();
    mCrawlWorkers.waitForDone();
    mFinishedCrawls.clear();
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
        const bool keep = to && mIndex.mText.matches(toName);
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

// Brings one folder's files and subfolders in line with its listing on disk.
void FolderSync::rescan(IndexedFolder* folder)
{
    // Its contents arrive with its crawl, which looks at the disk after any event so far.
    if (mCrawls.count(folder))
        return;
    const std::string path = folder->path();
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (folder->parent ? O_NOFOLLOW : 0);
    const int fd = openat(AT_FDCWD, path.c_str(), flags);
    if (fd < 0) {
        // Gone or closed to us; its parent's listing decides whether it stays at all. A scope
        // folder has no parent to tell when it comes back, so it is looked for again.
        clearContents(folder);
        releaseFolderWatch(folder);
        folder->entered = false;
        mLive.mUnwatched.erase(folder);
        if (!folder->parent)
            mLive.lookForMissingRootLater();
        return;
    }
    if (!folder->parent) {
        struct stat st;
        if (fstat(fd, &st) == 0 && st.st_ino != folder->ino) {
            clearContents(folder);
            releaseFolderWatch(folder);
            folder->ino = st.st_ino;
        }
    }
    if (folder->wd < 0 && mIndex.mWantsUpdates) {
        FolderCrawler::Context context = mIndex.crawlContext();
        if (FolderCrawler::watchFolder(folder, fd, path, context)) {
            const auto inserted = mLive.mFolderByWatch.emplace(folder->wd, folder);
            if (!inserted.second && inserted.first->second != folder) {
                // Another path to the same folder holds the watch.
                mIndex.mWatcher->releaseWatch(folder->wd);
                folder->wd = -1;
            }
            mLive.mUnwatched.erase(folder);
        } else {
            mLive.mUnwatched.insert(folder);
        }
    }
    folder->entered = true;

    std::map<std::string, ino_t> listedFolders;
    std::set<std::string> listedFiles;
    FolderCrawler::forEachEntry(fd, [&](const char* name, unsigned char type, ino_t ino) {
        if (type == DT_DIR) {
            if (!FolderCrawler::isSkippedFolder(path, name))
                listedFolders.emplace(name, ino);
        } else if ((type == DT_REG || type == DT_LNK) && mIndex.mText.matches(name, strlen(name)) &&
                   FolderCrawler::isRegularFile(fd, name, type)) {
            listedFiles.insert(name);
        }
    });
    close(fd);

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
        FolderCrawler::Context context = mIndex.crawlContext();
        mCrawlWorkers.start([this, share = std::move(share), context]() mutable {
            for (const std::shared_ptr<SubtreeCrawl>& crawl : share) {
                context.found = [&crawl](IndexedFileList&& items) {
                    crawl->found.insert(crawl->found.end(), std::make_move_iterator(items.begin()),
                                        std::make_move_iterator(items.end()));
                };
                FolderCrawler::crawl({{&crawl->detached, crawl->detached.name}}, context, 1);
                ThreadSanitizerHandOff(crawl.get());
                QMetaObject::invokeMethod(
                    &mIndex,
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
    QElapsedTimer turn;
    turn.start();
    while (!mFinishedCrawls.empty() && turn.elapsed() < kTurnBudgetMs) {
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
            if (folder->wd >= 0 && mIndex.mWatcher)
                mIndex.mWatcher->releaseWatch(folder->wd);
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
}

// Takes over the watches a crawler placed below a folder. Folders whose watch had events
// before they joined are read again: those events could not be placed.
void FolderSync::adoptWatches(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        if (folder->wd >= 0) {
            const auto inserted = mLive.mFolderByWatch.emplace(folder->wd, folder);
            if (!inserted.second && inserted.first->second != folder) {
                // Another path to the same folder holds the watch already.
                mIndex.mWatcher->releaseWatch(folder->wd);
                folder->wd = -1;
            } else if (mLive.mEarlyEvents.count(folder->wd)) {
                mLive.markDirty(folder);
            }
        }
        if (folder->wd < 0 && folder->entered && mIndex.mWantsUpdates)
            mLive.mUnwatched.insert(folder);
    });
    if (mCrawls.empty() && mIndex.mGatheringComplete)
        mLive.mEarlyEvents.clear();
}

void FolderSync::releaseFolderWatch(IndexedFolder* folder)
{
    if (folder->wd < 0)
        return;
    const auto it = mLive.mFolderByWatch.find(folder->wd);
    if (it != mLive.mFolderByWatch.end() && it->second == folder) {
        mLive.mFolderByWatch.erase(it);
        if (mIndex.mWatcher)
            mIndex.mWatcher->releaseWatch(folder->wd);
        mIndex.mWatchesLeft.fetch_add(1);
    }
    folder->wd = -1;
}

void FolderSync::forgetSubtree(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        releaseFolderWatch(folder);
        mCrawls.erase(folder);
        mLive.mDirty.erase(folder);
        mLive.mUnwatched.erase(folder);
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
