#include "discovery/LiveIndex.h"

#include "discovery/FileIndex.h"
#include "discovery/FolderWatcher.h"
#include "discovery/TurnBudget.h"
#include "platform/Logging.h"
#include "platform/MountPoints.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <ctime>
#include <limits>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <utility>

namespace {
// How often a scope folder that is missing is looked for again.
constexpr int kMissingRootRetryMs = 1000;
// How long after the last lost events every folder is read a second time.
constexpr int kOverflowRecheckMs = 2000;

// Folders beyond the watch limit are looked at again on a timer: a stat each, and a new
// listing for those whose change time moved. A change shows up at worst one pause plus one
// look after it happens. The pause is kRecrawlCostFactor times the main thread's CPU time for
// the last look, so that looking takes at most 1/(1 + 19) = 5% of one core, and never less
// than kMinRecrawlMs, which keeps an idle program's share lower still on a common home.
// Measured on 20,220 folders of which 18,221 lie beyond a limit of 2,000
// (bench/watch_limit_bench.py): a quiet look costs about 70 ms of CPU, so the pause stays at
// 4 s (under 2% of a core) and changes are reported within 4-5 s. A change shows within 10 s
// up to about 130,000 unwatched folders at that cost (0.5 s a look, 9.5 s of pause); beyond,
// the 5% wins and the pause grows with the tree.
constexpr int kRecrawlCostFactor = 19;
constexpr int kMinRecrawlMs = 4000;
// A change time this close to now may yet be shared by a change still to come in the same
// tick of the file system's clock.
constexpr qint64 kRecentNs = 1000000000;

qint64 ThreadCpuNs()
{
    timespec used;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return qint64(used.tv_sec) * 1000000000 + used.tv_nsec;
}

qint64 RealTimeNs()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}
} // namespace

LiveIndex::LiveIndex(CrawlContext& context) : mContext(context), mSync(context, *this)
{
    mClock.start();
    mMissingRootTimer.setSingleShot(true);
    QObject::connect(&mMissingRootTimer, &QTimer::timeout, mContext.owner, [this] {
        for (auto& root : mContext.roots)
            if (!root->entered)
                markDirty(root.get());
    });
    mFlushTimer.setSingleShot(true);
    QObject::connect(&mFlushTimer, &QTimer::timeout, mContext.owner, [this] { flush(); });
    mRecrawlTimer.setSingleShot(true);
    QObject::connect(&mRecrawlTimer, &QTimer::timeout, mContext.owner,
                     [this] { recrawlUnwatched(); });
    mOverflowRecheckTimer.setSingleShot(true);
    QObject::connect(&mOverflowRecheckTimer, &QTimer::timeout, mContext.owner,
                     [this] { mSync.rescanInBackground(mContext.rootFolders(), true); });
}

void LiveIndex::listen()
{
    mStampBaselineNs = RealTimeNs();
    // Events that come before the first phase is done are kept until its folders are known
    // (see mContext.earlyEvents).
    QObject::connect(mContext.watcher, &FolderWatcher::eventsArrived, mContext.owner,
                     [this](const FolderWatchBatch& batch) { onWatchEvents(batch); });
    mMounts = new MountTableWatcher(mContext.owner);
    QObject::connect(mMounts, &MountTableWatcher::mountsChanged, mContext.owner,
                     [this](const QStringList& changed) { onMountsChanged(changed); });
}

void LiveIndex::begin()
{
    for (auto& root : mContext.roots) {
        mSync.adoptWatches(root.get());
        if (!root->entered)
            lookForMissingRootLater();
    }
    noteWatchLimit();
    scheduleRecrawl();
    if (!mMountsChangedEarly.isEmpty())
        onMountsChanged(std::exchange(mMountsChangedEarly, {}));
}

void LiveIndex::stop()
{
    FolderWatcher* watcher = mContext.watcher;
    if (watcher)
        QObject::disconnect(watcher, nullptr, mContext.owner, nullptr);
    mSync.stop(watcher);
    if (watcher) {
        for (auto& root : mContext.roots)
            ForEachFolder(root.get(), [watcher](IndexedFolder* folder) {
                if (folder->wd >= 0)
                    watcher->releaseWatch(folder->wd);
                folder->wd = -1;
            });
    }
    delete mMounts;
    mMounts = nullptr;
    mContext.folderByWatch.clear();
    mContext.unwatched.clear();
    mContext.dirty.clear();
    mReadAt.clear();
    mUnclosed.clear();
    mFlushTimer.stop();
    mRecrawlTimer.stop();
    mOverflowRecheckTimer.stop();
    mRecrawling = false;
    mRecrawlWalked = false;
    mMissingRootTimer.stop();
}

int LiveIndex::watchedFolderCount() const
{
    return int(mContext.folderByWatch.size());
}

int LiveIndex::unwatchedFolderCount() const
{
    return int(mContext.unwatched.size());
}

void LiveIndex::resumeUpdates()
{
    if (!mAdded.empty() || !mRemoved.empty() || !mChanged.empty() || !mWritten.empty() ||
        !mContext.dirty.empty())
        scheduleFlush();
}

void LiveIndex::lookForMissingRootLater()
{
    if (mContext.wantsUpdates && !mMissingRootTimer.isActive())
        mMissingRootTimer.start(kMissingRootRetryMs);
}

void LiveIndex::onWatchEvents(const FolderWatchBatch& batch)
{
    if (batch.overflowed) {
        mOverflowed = true;
        scheduleFlush();
    }
    auto folderOf = [this](int wd) -> IndexedFolder* {
        const auto found = mContext.folderByWatch.find(wd);
        return found == mContext.folderByWatch.end() ? nullptr : found->second;
    };
    for (const FolderWatchEvent& event : batch.events) {
        IndexedFolder* folder = folderOf(event.wd);
        IndexedFolder* origin = event.fromWd >= 0 ? folderOf(event.fromWd) : nullptr;
        if (!folder && !origin) {
            // Perhaps a folder a crawler is reading, or the first phase is not done yet.
            if (!mContext.gatheringComplete || mSync.crawling()) {
                mContext.earlyEvents.insert(event.wd);
                if (event.fromWd >= 0)
                    mContext.earlyEvents.insert(event.fromWd);
            }
            continue;
        }
        if (event.fromWd >= 0) {
            if (origin)
                dropUnclosedCreation(origin, event.fromName.toStdString());
            // A move out of this index's folders goes nowhere, one into them from elsewhere
            // comes from nowhere.
            mSync.move(origin, event.fromName.toStdString(), folder, event.name.toStdString(),
                       event.mask & IN_ISDIR);
            // The disk may have moved on since these events were queued; both listings are
            // checked again before the batch goes out.
            if (origin)
                markDirty(origin);
            if (folder)
                markDirty(folder);
            continue;
        }
        if (folder)
            handleEvent(folder, event);
    }
}

void LiveIndex::handleEvent(IndexedFolder* folder, const FolderWatchEvent& event)
{
    const std::uint32_t mask = event.mask;
    if (mask & IN_IGNORED) {
        // The folder was deleted or the file system below it unmounted. An unmounted drive's
        // folder still exists, with other contents and no watch: read it afresh.
        mContext.folderByWatch.erase(folder->wd);
        folder->wd = -1;
        mContext.watchesLeft.fetch_add(1);
        mSync.clearContents(folder);
        folder->entered = false;
        markDirty(folder);
        if (folder->parent)
            markDirty(folder->parent);
        return;
    }
    if (mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) {
        // A scope's own folder has no watched parent to tell about it.
        markDirty(folder->parent ? folder->parent : folder);
        return;
    }
    const bool isFolder = mask & IN_ISDIR;
    const std::string entry = event.name.toStdString();
    if (mask & IN_CLOSE_WRITE) {
        dropUnclosedCreation(folder, entry);
        const auto item = folder->files.find(entry);
        if (item != folder->files.end())
            writeItem(item->second);
        return;
    }
    if (event.movedOut) {
        dropUnclosedCreation(folder, entry);
        markDirty(folder);
        return;
    }
    if (mask & (IN_CREATE | IN_DELETE | IN_MOVED_TO)) {
        if (isFolder ? !FolderCrawler::isSkippedFolder(folder->path(), entry.c_str())
                     : (mContext.matcher.matches(entry) || folder->files.count(entry))) {
            if (!isFolder && (mask & IN_CREATE))
                noteUnclosedCreation(folder, entry);
            else if (!isFolder && (mask & IN_DELETE))
                dropUnclosedCreation(folder, entry);
            markDirty(folder);
        }
    }
}

void LiveIndex::noteUnclosedCreation(IndexedFolder* folder, const std::string& name)
{
    const auto added = mUnclosed.try_emplace(folder);
    if (added.second)
        added.first->second.since = mClock.elapsed();
    added.first->second.names.insert(name);
}

// A creation that is closed, deleted or moved away no longer holds its folder back; the folder
// goes out as soon as nothing else holds it.
void LiveIndex::dropUnclosedCreation(IndexedFolder* folder, const std::string& name)
{
    const auto it = mUnclosed.find(folder);
    if (it == mUnclosed.end() || !it->second.names.erase(name) || !it->second.names.empty())
        return;
    mUnclosed.erase(it);
    if (mContext.dirty.count(folder))
        flushWithin(heldUntil(folder) - mClock.elapsed());
}

qint64 LiveIndex::heldUntil(IndexedFolder* folder) const
{
    const qint64 max = mContext.batching.update_max_ms;
    qint64 at = 0;
    const auto read = mReadAt.find(folder);
    if (read != mReadAt.end())
        at = read->second + max;
    const auto unclosed = mUnclosed.find(folder);
    if (unclosed != mUnclosed.end())
        at = std::max(at, unclosed->second.since + max);
    return at;
}

void LiveIndex::markDirty(IndexedFolder* folder)
{
    mContext.dirty.insert(folder);
    const qint64 lone = std::min(mContext.batching.update_lone_ms, mContext.batching.update_max_ms);
    flushWithin(std::max(lone, heldUntil(folder) - mClock.elapsed()));
}

void LiveIndex::flushWithin(qint64 delayMs)
{
    delayMs = std::max<qint64>(0, delayMs);
    if (!mFlushTimer.isActive() || mFlushTimer.remainingTime() > delayMs)
        mFlushTimer.start(int(delayMs));
}

void LiveIndex::scheduleFlush()
{
    const size_t pending = mAdded.size() + mRemoved.size() + mChanged.size() + mWritten.size();
    if (pending >= mContext.batching.update_max_num)
        mFlushTimer.start(0);
    else if (!mFlushTimer.isActive())
        mFlushTimer.start(int(mContext.batching.update_max_ms));
}

qint64 LiveIndex::nextDirtyRead() const
{
    qint64 earliest = std::numeric_limits<qint64>::max();
    for (IndexedFolder* folder : mContext.dirty)
        earliest = std::min(earliest, heldUntil(folder));
    return earliest;
}

void LiveIndex::readDirtyFolders(qint64 nowMs)
{
    const qint64 max = mContext.batching.update_max_ms;
    for (auto it = mReadAt.begin(); it != mReadAt.end();)
        it = it->second + max <= nowMs ? mReadAt.erase(it) : std::next(it);
    std::vector<IndexedFolder*> ready;
    for (IndexedFolder* folder : mContext.dirty)
        if (heldUntil(folder) <= nowMs)
            ready.push_back(folder);
    for (IndexedFolder* folder : ready) {
        mContext.dirty.erase(folder);
        mUnclosed.erase(folder);
        mReadAt[folder] = nowMs;
    }
    // Creations in folders forgotten before they were read hold nothing back any more.
    for (auto it = mUnclosed.begin(); it != mUnclosed.end();)
        it = it->second.since + max <= nowMs ? mUnclosed.erase(it) : std::next(it);
    if (!ready.empty())
        mSync.rescanInBackground(ready);
}

void LiveIndex::flushReadFindings()
{
    if (!mAdded.empty() || !mRemoved.empty() || !mChanged.empty() || !mWritten.empty())
        mFlushTimer.start(0);
}

void LiveIndex::flush()
{
    // Changed folders are read by the workers, even while updates wait: a folder's read waits
    // behind whatever is changing it, and a drive busy deleting thousands of folders holds
    // each for milliseconds at a time.
    readDirtyFolders(mClock.elapsed());
    if (mContext.updatesDisabled) {
        mFlushTimer.start(10);
        return;
    }
    if (mOverflowed) {
        mOverflowed = false;
        qCInfo(lcDiscovery, "inotify queue overflowed: reading every folder again");
        // Thousands of folders: the workers read them, this thread only merges what changed.
        mSync.rescanInBackground(mContext.rootFolders(), true);
        mOverflowRecheckTimer.start(kOverflowRecheckMs);
    }
    // A burst (an archive of thousands of folders unpacked) is read over several turns of the
    // event loop, each turn's findings reported as they stand.
    TurnBudget turn;
    const qint64 cpuAtStart = mRecrawling ? ThreadCpuNs() : 0;
    // The look at the unwatched folders shares the turn's budget, and comes after the folders
    // it found changed are read.
    if (mRecrawling) {
        if (!mRecrawlWalked && !turn.spent())
            lookAtUnwatched(turn);
        mRecrawlCostNs += ThreadCpuNs() - cpuAtStart;
        if (mRecrawlWalked && mContext.dirty.empty())
            finishRecrawl();
    }
    if (mRecrawling && !mRecrawlWalked)
        mFlushTimer.start(0);
    else if (!mContext.dirty.empty())
        flushWithin(nextDirtyRead() - mClock.elapsed());
    noteWatchLimit();
    if (mAdded.empty() && mRemoved.empty() && mChanged.empty() && mWritten.empty())
        return;
    FileIndexUpdate update;
    update.added.swap(mAdded);
    update.removed.swap(mRemoved);
    update.changed.swap(mChanged);
    update.written.swap(mWritten);
    if (!update.written.empty())
        mWrittenOutAt = mClock.elapsed();
    mAddedSet.clear();
    mChangedSet.clear();
    mWrittenSet.clear();
    // A folder deleted and made again under the same name gives old items and new ones with
    // the same paths. Receivers handle added items before removed ones, so the removals go out
    // in a batch of their own first; otherwise the new files would be taken away with the old.
    if (!update.removed.empty() && !update.added.empty()) {
        FileIndexUpdate removals;
        removals.removed.swap(update.removed);
        Q_EMIT mContext.owner->updated(removals);
    }
    Q_EMIT mContext.owner->updated(update);
}

void LiveIndex::noteWatchLimit()
{
    if (mContext.watchLimitHit)
        scheduleRecrawl();
}

void LiveIndex::scheduleRecrawl()
{
    if (mContext.unwatched.empty() || mRecrawling || mRecrawlTimer.isActive() ||
        !mContext.gatheringComplete)
        return;
    if (mContext.recrawlIntervalMs > 0)
        mRecrawlIntervalMs = mContext.recrawlIntervalMs;
    else if (mRecrawlIntervalMs == 0)
        mRecrawlIntervalMs = kMinRecrawlMs;
    mRecrawlTimer.start(mRecrawlIntervalMs);
}

// A re-read of the unwatched folders: a look at each one's change time, a turn's budget at a
// time within flush(), and the folders that changed read again.
void LiveIndex::recrawlUnwatched()
{
    if (mRecrawling || mContext.unwatched.empty())
        return;
    mRecrawling = true;
    mRecrawlWalked = false;
    mRecrawlResume = nullptr;
    mRecrawlCostNs = 0;
    flush();
}

void LiveIndex::lookAtUnwatched(const TurnBudget& turn)
{
    const qint64 now = RealTimeNs();
    auto it = mContext.unwatched.lower_bound(mRecrawlResume);
    for (; it != mContext.unwatched.end() && !turn.spent(); ++it)
        if (mayHaveChanged(*it, now))
            mContext.dirty.insert(*it);
    if (it != mContext.unwatched.end())
        mRecrawlResume = *it;
    else
        mRecrawlWalked = true;
}

// A name added to, removed from or renamed in a folder moves its change time.
bool LiveIndex::mayHaveChanged(IndexedFolder* folder, qint64 nowNs)
{
    struct stat st;
    if (stat(folder->path().c_str(), &st) != 0) {
        folder->changeStamp = -1;
        return true;
    }
    const qint64 changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    const bool may = folder->changeStamp == 0 ? changed >= mStampBaselineNs - kRecentNs
                                              : changed != folder->changeStamp;
    folder->changeStamp = nowNs - changed < kRecentNs ? -1 : changed;
    return may;
}

void LiveIndex::finishRecrawl()
{
    mRecrawling = false;
    const qint64 costMs = mRecrawlCostNs / 1000000;
    if (mContext.recrawlIntervalMs <= 0)
        mRecrawlIntervalMs = int(std::max<qint64>(kMinRecrawlMs, kRecrawlCostFactor * costMs));
    // Said once, with what the first re-read cost, rather than once per folder refused.
    if (mContext.watchLimitHit && !mWatchLimitAnnounced) {
        mWatchLimitAnnounced = true;
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("The system's limit of folder watches (fs.inotify.max_user_watches) "
                              "is reached: %1 folders are read again every %2 s instead (a "
                              "re-read takes %3 ms of CPU). To raise the limit: sudo sysctl "
                              "fs.inotify.max_user_watches=524288")
                   .arg(mContext.unwatched.size())
                   .arg(mRecrawlIntervalMs / 1000.0)
                   .arg(costMs);
        Q_EMIT mContext.owner->watchLimitReached();
    }
    scheduleRecrawl();
}

// A drive mounted or unmounted changes what a folder holds without a word from inotify about
// the folder itself. With the removable-media scope, the folder for it is looked up again:
// the first drive of a session makes it.
void LiveIndex::onMountsChanged(const QStringList& changed)
{
    // The crawlers own the tree until the first phase is done; its end looks at these again.
    if (!mContext.gatheringComplete) {
        mMountsChangedEarly << changed;
        return;
    }
    const QStringList& scopes = mContext.scopes;
    if (scopes.isEmpty() || scopes.contains(FileIndex::kScopeHomeAndMedia)) {
        for (const QString& folder : FileIndex::scopeFolders(
                 scopes.isEmpty() ? QStringList{FileIndex::kScopeHomeAndMedia} : scopes))
            if (!mContext.scopeFolders.contains(folder))
                addRoot(folder);
    }
    for (const QString& point : changed) {
        const std::string path = PathToNative(point).toStdString();
        IndexedFolder* folder = FolderAtPath(mContext.roots, path, false);
        if (folder) {
            mSync.clearContents(folder);
            mSync.releaseFolderWatch(folder);
            folder->entered = false;
            markDirty(folder);
        } else if ((folder = FolderAtPath(mContext.roots, path, true))) {
            markDirty(folder);
        }
    }
}

void LiveIndex::addRoot(const QString& folder)
{
    mContext.scopeFolders << folder;
    for (const QString& other : mContext.scopeFolders)
        if (FileIndex::isCoveredBy(folder, other))
            return;
    auto root = std::make_unique<IndexedFolder>();
    root->name = PathToNative(folder).toStdString();
    IndexedFolder* raw = root.get();
    mContext.roots.push_back(std::move(root));
    mSync.crawlNew(raw);
}

void LiveIndex::addItem(const IndexedFilePtr& item)
{
    mContext.appendResult(item);
    mAdded.push_back(item);
    mAddedSet.insert(item.get());
    scheduleFlush();
}

void LiveIndex::removeItem(const IndexedFilePtr& item)
{
    if (!mContext.eraseResult(item))
        return;
    if (mChangedSet.erase(item.get()))
        mChanged.erase(std::find(mChanged.begin(), mChanged.end(), item));
    if (mWrittenSet.erase(item.get()))
        mWritten.erase(std::find(mWritten.begin(), mWritten.end(), item));
    if (mAddedSet.erase(item.get()))
        mAdded.erase(std::find(mAdded.begin(), mAdded.end(), item));
    else
        mRemoved.push_back(item);
    scheduleFlush();
}

// A file just added is new to its receivers whatever was written to it since.
void LiveIndex::writeItem(const IndexedFilePtr& item)
{
    if (mAddedSet.count(item.get()) || mWrittenSet.count(item.get()))
        return;
    mWritten.push_back(item);
    mWrittenSet.insert(item.get());
    // A file saved alone goes out at once; saves go out once per update_max_ms at most, so a
    // program writing many files (or one file again and again) gives a batch, not a line each.
    if (mWritten.size() >= mContext.batching.update_max_num)
        scheduleFlush();
    else
        flushWithin(mWrittenOutAt + mContext.batching.update_max_ms - mClock.elapsed());
}

void LiveIndex::changeItem(const IndexedFilePtr& item)
{
    if (mAddedSet.count(item.get()) || mChangedSet.count(item.get()))
        return;
    mChanged.push_back(item);
    mChangedSet.insert(item.get());
    scheduleFlush();
}
