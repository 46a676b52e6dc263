#include "discovery/FileIndex.h"

#include "discovery/FolderWatcher.h"
#include "discovery/TurnBudget.h"
#include "platform/Logging.h"
#include "platform/MountPoints.h"
#include "platform/NativePath.h"
#include "platform/ThreadSanitizerHandOff.h"
#include "platform/VolumesFolder.h"

#include <QDir>
#include <QSettings>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {
// How often a scope folder that is missing is looked for again.
constexpr int kMissingRootRetryMs = 1000;

QString DecodePath(const std::string& path)
{
    return PathFromNative(path.data(), qsizetype(path.size()));
}

int CrawlThreadCount()
{
    return std::clamp(int(std::thread::hardware_concurrency()), 2, 8);
}

// Whether a folder inside another one is reached by crawling that one.
bool IsCoveredBy(const QString& folder, const QString& other)
{
    const QString prefix = other == QLatin1String("/") ? other : other + QLatin1Char('/');
    if (!folder.startsWith(prefix) || folder == other)
        return false;
    std::string parent = other.toStdString();
    for (const QString& component :
         folder.mid(prefix.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const std::string name = PathToNative(component).toStdString();
        if (FolderCrawler::isSkippedFolder(parent, name.c_str()))
            return false;
        parent = IndexedFolder::childPath(parent, name);
    }
    return true;
}

template <typename Visit> void ForEachFolder(IndexedFolder* folder, const Visit& visit)
{
    visit(folder);
    for (auto& entry : folder->folders)
        ForEachFolder(entry.second.get(), visit);
}
} // namespace

// A folder that appeared while the index runs, read on a worker into a tree of its own and
// merged on the main thread once complete.
struct FileIndex::SubtreeCrawl
{
    IndexedFolder* target = nullptr;
    IndexedFolder detached;
    IndexedFileList found;
    bool released = false; // its watches were given back when the index stopped
};

std::unique_ptr<FileIndex> FileIndex::create(const QString& queryText)
{
    std::optional<MetadataQueryText> text = MetadataQueryText::parse(queryText);
    if (!text)
        return nullptr;
    return std::unique_ptr<FileIndex>(new FileIndex(std::move(*text)));
}

FileIndex::FileIndex(MetadataQueryText text)
    : mText(std::move(text)), mCrawlWorkers(CrawlThreadCount())
{
    qRegisterMetaType<FileIndexUpdate>();
    mStartCrawlsTimer.setSingleShot(true);
    connect(&mStartCrawlsTimer, &QTimer::timeout, this, [this] { startCrawls(); });
    mMergeTimer.setSingleShot(true);
    connect(&mMergeTimer, &QTimer::timeout, this, [this] { mergeFinishedCrawls(); });
    mMissingRootTimer.setSingleShot(true);
    connect(&mMissingRootTimer, &QTimer::timeout, this, [this] {
        for (auto& root : mRoots)
            if (!root->entered)
                markDirty(root.get());
    });
    mBatchTimer.setSingleShot(true);
    connect(&mBatchTimer, &QTimer::timeout, this, [this] { deliverBatch(); });
    mFlushTimer.setSingleShot(true);
    connect(&mFlushTimer, &QTimer::timeout, this, [this] { flush(); });
    connect(&mRecrawlTimer, &QTimer::timeout, this, [this] { recrawlUnwatched(); });
}

FileIndex::~FileIndex()
{
    stop();
}

void FileIndex::setSearchScope(const QStringList& scopes)
{
    mScopes = scopes;
}

QStringList FileIndex::scopeFolders(const QStringList& scopes)
{
    QStringList candidates;
    for (const QString& scope : scopes) {
        if (scope == kScopeHomeAndMedia) {
            candidates << QDir::homePath() << VolumesFolderPath();
            candidates << QSettings(QStringLiteral("Kelbrin"), QStringLiteral("Kelbrin"))
                              .value(QStringLiteral("searchFolders"))
                              .toStringList();
        } else if (scope == kScopeWholeComputer) {
            candidates << QStringLiteral("/");
        } else if (scope.startsWith(QLatin1String("file:"))) {
            candidates << QUrl(scope).toLocalFile();
        } else {
            candidates << scope;
        }
    }
    QStringList folders;
    for (const QString& candidate : candidates) {
        const QString canonical = canonicalFolder(candidate);
        if (!canonical.isEmpty() && !folders.contains(canonical))
            folders << canonical;
    }
    QStringList kept;
    for (const QString& folder : folders) {
        const bool covered = std::any_of(folders.begin(), folders.end(), [&](const QString& other) {
            return IsCoveredBy(folder, other);
        });
        if (!covered)
            kept << folder;
    }
    return kept;
}

QString FileIndex::canonicalFolder(const QString& path)
{
    if (path.isEmpty())
        return {};
    char resolved[PATH_MAX];
    struct stat st;
    if (!realpath(PathToNative(path).constData(), resolved) || stat(resolved, &st) != 0 ||
        !S_ISDIR(st.st_mode))
        return {};
    return PathFromNative(resolved);
}

FolderCrawler::Context FileIndex::crawlContext()
{
    FolderCrawler::Context context;
    context.text = &mText;
    context.watcher = mWantsUpdates ? mWatcher : nullptr;
    context.watchesLeft = &mWatchesLeft;
    context.watchLimitHit = &mWatchLimitHit;
    context.cancelled = &mCancelled;
    return context;
}

bool FileIndex::execute(bool wantsUpdates)
{
    if (mExecuting)
        return false;
    mExecuting = true;
    mWantsUpdates = wantsUpdates;
    mScopeFolders = scopeFolders(mScopes.isEmpty() ? QStringList{kScopeHomeAndMedia} : mScopes);
    if (wantsUpdates) {
        mWatcher = FolderWatcher::shared();
        if (!mWatcher->isValid())
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("inotify unavailable: folders are read again every %1 s")
                       .arg(mRecrawlIntervalMs / 1000);
        // Events that come before the first phase is done are kept until its folders are
        // known (see mEarlyEvents).
        connect(mWatcher, &FolderWatcher::eventsArrived, this, &FileIndex::onWatchEvents);
        mMounts = new MountTableWatcher(this);
        connect(mMounts, &MountTableWatcher::mountsChanged, this, &FileIndex::onMountsChanged);
    }
    mWatchesLeft = mWatchLimit < 0 ? LONG_MAX : mWatchLimit;

    std::vector<FolderCrawler::Work> work;
    for (const QString& folder : mScopeFolders) {
        auto root = std::make_unique<IndexedFolder>();
        root->name = PathToNative(folder).toStdString();
        work.push_back({root.get(), root->name});
        mRoots.push_back(std::move(root));
    }
    FolderCrawler::Context context = crawlContext();
    context.found = [this](IndexedFileList&& items) { onFound(std::move(items)); };
    mCrawlThread = std::thread([this, work = std::move(work), context] {
        FolderCrawler::crawl(work, context, CrawlThreadCount());
        ThreadSanitizerHandOff(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                ThreadSanitizerTakeOver(this);
                onCrawlFinished();
            },
            Qt::QueuedConnection);
    });
    mBatchTimer.start(int(mBatching.first_max_ms));
    return true;
}

// Crawling threads.
void FileIndex::onFound(IndexedFileList&& items)
{
    bool request = false;
    {
        std::lock_guard<std::mutex> lock(mPendingMutex);
        mPending.insert(mPending.end(), std::make_move_iterator(items.begin()),
                        std::make_move_iterator(items.end()));
        const size_t limit =
            mFirstBatchDelivered ? mBatching.progress_max_num : mBatching.first_max_num;
        if (!mBatchRequested && mPending.size() >= limit) {
            mBatchRequested = true;
            request = true;
        }
    }
    if (request) {
        ThreadSanitizerHandOff(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                ThreadSanitizerTakeOver(this);
                deliverBatch();
            },
            Qt::QueuedConnection);
    }
}

void FileIndex::deliverBatch()
{
    if (mGatheringComplete || !mExecuting)
        return;
    if (mUpdatesDisabled) {
        mBatchTimer.start(10);
        return;
    }
    IndexedFileList batch;
    bool more = false;
    bool done = false;
    {
        std::lock_guard<std::mutex> lock(mPendingMutex);
        mBatchRequested = false;
        const size_t limit =
            mFirstBatchDelivered ? mBatching.progress_max_num : mBatching.first_max_num;
        const size_t count = std::min(std::max<size_t>(limit, 1), mPending.size());
        batch.assign(mPending.begin(), mPending.begin() + long(count));
        mPending.erase(mPending.begin(), mPending.begin() + long(count));
        if (count)
            mFirstBatchDelivered = true;
        more = mCrawlDone && !mPending.empty();
        done = mCrawlDone && mPending.empty();
    }
    for (const IndexedFilePtr& item : batch) {
        mResultIndex[item.get()] = mResults.size();
        mResults.push_back(item);
    }
    if (!batch.empty())
        Q_EMIT progress();
    if (more)
        QMetaObject::invokeMethod(
            this, [this] { deliverBatch(); }, Qt::QueuedConnection);
    else if (done)
        finishGathering();
    else
        mBatchTimer.start(int(mBatching.progress_max_ms));
}

void FileIndex::onCrawlFinished()
{
    if (mCrawlThread.joinable())
        mCrawlThread.join();
    {
        std::lock_guard<std::mutex> lock(mPendingMutex);
        mCrawlDone = true;
    }
    deliverBatch();
}

void FileIndex::finishGathering()
{
    mGatheringComplete = true;
    mBatchTimer.stop();
    if (mWantsUpdates) {
        for (auto& root : mRoots) {
            adoptWatches(root.get());
            if (!root->entered && !mMissingRootTimer.isActive())
                mMissingRootTimer.start(kMissingRootRetryMs);
        }
        noteWatchLimit();
        if (!mUnwatched.empty() && !mRecrawlTimer.isActive())
            mRecrawlTimer.start(mRecrawlIntervalMs);
        if (!mMountsChangedEarly.isEmpty())
            onMountsChanged(std::exchange(mMountsChangedEarly, {}));
    }
    Q_EMIT finished();
}

// Takes over the watches a crawler placed below a folder. Folders whose watch had events
// before they joined are read again: those events could not be placed.
void FileIndex::adoptWatches(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        if (folder->wd >= 0) {
            const auto inserted = mFolderByWatch.emplace(folder->wd, folder);
            if (!inserted.second && inserted.first->second != folder) {
                // Another path to the same folder holds the watch already.
                mWatcher->releaseWatch(folder->wd);
                folder->wd = -1;
            } else if (mEarlyEvents.count(folder->wd)) {
                markDirty(folder);
            }
        }
        if (folder->wd < 0 && folder->entered && mWantsUpdates)
            mUnwatched.insert(folder);
    });
    if (mCrawls.empty() && mGatheringComplete)
        mEarlyEvents.clear();
}

void FileIndex::noteWatchLimit()
{
    if (!mWatchLimitHit)
        return;
    if (!mWatchLimitLogged) {
        mWatchLimitLogged = true;
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("The system refused more folder watches: folders beyond the limit "
                              "are read again every %1 s")
                   .arg(mRecrawlIntervalMs / 1000.0);
    }
    if (!mUnwatched.empty() && !mRecrawlTimer.isActive())
        mRecrawlTimer.start(mRecrawlIntervalMs);
}

void FileIndex::disableUpdates()
{
    ++mUpdatesDisabled;
}

void FileIndex::enableUpdates()
{
    if (mUpdatesDisabled > 0 && --mUpdatesDisabled == 0 &&
        (!mAdded.empty() || !mRemoved.empty() || !mChanged.empty() || !mDirty.empty()))
        scheduleFlush();
}

IndexedFilePtr FileIndex::resultAtIndex(int index) const
{
    if (index < 0 || size_t(index) >= mResults.size())
        return nullptr;
    return mResults[size_t(index)];
}

void FileIndex::stop()
{
    mCancelled = true;
    if (mCrawlThread.joinable())
        mCrawlThread.join();
    mStartCrawlsTimer.stop();
    mMergeTimer.stop();
    mNewCrawls.clear();
    mCrawlWorkers.waitForDone();
    mFinishedCrawls.clear();
    if (mWatcher) {
        disconnect(mWatcher, nullptr, this, nullptr);
        // Crawls not merged yet placed watches of their own.
        for (auto& crawl : mCrawls) {
            crawl.second->released = true;
            ForEachFolder(&crawl.second->detached, [this](IndexedFolder* folder) {
                if (folder->wd >= 0)
                    mWatcher->releaseWatch(folder->wd);
            });
        }
        for (auto& root : mRoots)
            ForEachFolder(root.get(), [this](IndexedFolder* folder) {
                if (folder->wd >= 0)
                    mWatcher->releaseWatch(folder->wd);
                folder->wd = -1;
            });
    }
    mCrawls.clear();
    delete mMounts;
    mMounts = nullptr;
    mFolderByWatch.clear();
    mUnwatched.clear();
    mDirty.clear();
    mBatchTimer.stop();
    mFlushTimer.stop();
    mRecrawlTimer.stop();
    mMissingRootTimer.stop();
    mGatheringComplete = mGatheringComplete || mExecuting;
}

// ---- Live phase -----------------------------------------------------------------------------

void FileIndex::onWatchEvents(const FolderWatchBatch& batch)
{
    if (batch.overflowed) {
        mOverflowed = true;
        scheduleFlush();
    }
    auto folderOf = [this](int wd) -> IndexedFolder* {
        const auto found = mFolderByWatch.find(wd);
        return found == mFolderByWatch.end() ? nullptr : found->second;
    };
    for (const FolderWatchEvent& event : batch.events) {
        IndexedFolder* folder = folderOf(event.wd);
        IndexedFolder* origin = event.fromWd >= 0 ? folderOf(event.fromWd) : nullptr;
        if (!folder && !origin) {
            // Perhaps a folder a crawler is reading, or the first phase is not done yet.
            if (!mGatheringComplete || !mCrawls.empty()) {
                mEarlyEvents.insert(event.wd);
                if (event.fromWd >= 0)
                    mEarlyEvents.insert(event.fromWd);
            }
            continue;
        }
        if (event.fromWd >= 0) {
            // A move out of this index's folders goes nowhere, one into them from elsewhere
            // comes from nowhere.
            handleMove(origin, event.fromName.toStdString(), folder, event.name.toStdString(),
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

void FileIndex::handleEvent(IndexedFolder* folder, const FolderWatchEvent& event)
{
    const std::uint32_t mask = event.mask;
    if (mask & IN_IGNORED) {
        // The folder was deleted or the file system below it unmounted. An unmounted drive's
        // folder still exists, with other contents and no watch: read it afresh.
        mFolderByWatch.erase(folder->wd);
        folder->wd = -1;
        mWatchesLeft.fetch_add(1);
        clearContents(folder);
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
        const auto item = folder->files.find(entry);
        if (item != folder->files.end())
            changeItem(item->second);
        return;
    }
    if (event.movedOut) {
        markDirty(folder);
        return;
    }
    if (mask & (IN_CREATE | IN_DELETE | IN_MOVED_TO)) {
        if (isFolder ? !FolderCrawler::isSkippedFolder(folder->path(), entry.c_str())
                     : (mText.matches(entry) || folder->files.count(entry)))
            markDirty(folder);
    }
}

void FileIndex::handleMove(IndexedFolder* from, const std::string& fromName, IndexedFolder* to,
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
        const bool keep = to && mText.matches(toName);
        if (!item) {
            if (keep)
                markDirty(to);
            return;
        }
        if (!keep) {
            removeItem(item);
            return;
        }
        const auto replaced = to->files.find(toName);
        if (replaced != to->files.end()) {
            removeItem(replaced->second);
            to->files.erase(replaced);
        }
        to->files.emplace(toName, item);
        item->setPath(DecodePath(IndexedFolder::childPath(to->path(), toName)));
        changeItem(item);
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
            markDirty(from);
            markDirty(to);
            return;
        }
    }
    const bool keep = to && !FolderCrawler::isSkippedFolder(to->path(), toName.c_str());
    if (!moved) {
        if (keep)
            markDirty(to);
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

void FileIndex::renamePaths(IndexedFolder* folder, const std::string& path)
{
    for (auto& file : folder->files) {
        file.second->setPath(DecodePath(IndexedFolder::childPath(path, file.first)));
        changeItem(file.second);
    }
    for (auto& child : folder->folders)
        renamePaths(child.second.get(), IndexedFolder::childPath(path, child.first));
}

void FileIndex::markDirty(IndexedFolder* folder)
{
    mDirty.insert(folder);
    scheduleFlush();
}

void FileIndex::scheduleFlush()
{
    const size_t pending = mAdded.size() + mRemoved.size() + mChanged.size();
    if (pending >= mBatching.update_max_num)
        mFlushTimer.start(0);
    else if (!mFlushTimer.isActive())
        mFlushTimer.start(int(mBatching.update_max_ms));
}

void FileIndex::flush()
{
    if (mUpdatesDisabled) {
        mFlushTimer.start(10);
        return;
    }
    if (mOverflowed) {
        mOverflowed = false;
        qCInfo(lcDiscovery, "inotify queue overflowed: reading every folder again");
        for (auto& root : mRoots)
            ForEachFolder(root.get(), [this](IndexedFolder* folder) { mDirty.insert(folder); });
    }
    // A burst (an archive of thousands of folders unpacked) is read over several turns of the
    // event loop, each turn's findings reported as they stand.
    QElapsedTimer turn;
    turn.start();
    while (!mDirty.empty() && turn.elapsed() < kTurnBudgetMs) {
        IndexedFolder* folder = *mDirty.begin();
        mDirty.erase(mDirty.begin());
        rescan(folder);
    }
    if (!mDirty.empty())
        mFlushTimer.start(0);
    noteWatchLimit();
    if (mAdded.empty() && mRemoved.empty() && mChanged.empty())
        return;
    FileIndexUpdate update;
    update.added.swap(mAdded);
    update.removed.swap(mRemoved);
    update.changed.swap(mChanged);
    mAddedSet.clear();
    mChangedSet.clear();
    // A folder deleted and made again under the same name gives old items and new ones with
    // the same paths. Receivers handle added items before removed ones, so the removals go out
    // in a batch of their own first; otherwise the new files would be taken away with the old.
    if (!update.removed.empty() && !update.added.empty()) {
        FileIndexUpdate removals;
        removals.removed.swap(update.removed);
        Q_EMIT updated(removals);
    }
    Q_EMIT updated(update);
}

// Brings one folder's files and subfolders in line with its listing on disk.
void FileIndex::rescan(IndexedFolder* folder)
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
        mUnwatched.erase(folder);
        if (!folder->parent && mWantsUpdates && !mMissingRootTimer.isActive())
            mMissingRootTimer.start(kMissingRootRetryMs);
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
    if (folder->wd < 0 && mWantsUpdates) {
        FolderCrawler::Context context = crawlContext();
        if (FolderCrawler::watchFolder(folder, fd, path, context)) {
            const auto inserted = mFolderByWatch.emplace(folder->wd, folder);
            if (!inserted.second && inserted.first->second != folder) {
                // Another path to the same folder holds the watch.
                mWatcher->releaseWatch(folder->wd);
                folder->wd = -1;
            }
            mUnwatched.erase(folder);
        } else {
            mUnwatched.insert(folder);
        }
    }
    folder->entered = true;

    std::map<std::string, ino_t> listedFolders;
    std::set<std::string> listedFiles;
    FolderCrawler::forEachEntry(fd, [&](const char* name, unsigned char type, ino_t ino) {
        if (type == DT_DIR) {
            if (!FolderCrawler::isSkippedFolder(path, name))
                listedFolders.emplace(name, ino);
        } else if ((type == DT_REG || type == DT_LNK) && mText.matches(name, strlen(name)) &&
                   FolderCrawler::isRegularFile(fd, name, type)) {
            listedFiles.insert(name);
        }
    });
    close(fd);

    for (auto it = folder->files.begin(); it != folder->files.end();) {
        if (listedFiles.count(it->first)) {
            ++it;
        } else {
            removeItem(it->second);
            it = folder->files.erase(it);
        }
    }
    for (const std::string& name : listedFiles) {
        if (folder->files.count(name))
            continue;
        auto item = std::make_shared<IndexedFile>(DecodePath(IndexedFolder::childPath(path, name)));
        folder->files.emplace(name, item);
        addItem(item);
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
void FileIndex::crawlNew(IndexedFolder* folder)
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

void FileIndex::startCrawls()
{
    std::vector<std::shared_ptr<SubtreeCrawl>> crawls;
    crawls.swap(mNewCrawls);
    const size_t tasks = std::min(crawls.size(), size_t(mCrawlWorkers.maxThreadCount()));
    for (size_t task = 0; task < tasks; ++task) {
        std::vector<std::shared_ptr<SubtreeCrawl>> share;
        for (size_t i = task; i < crawls.size(); i += tasks)
            share.push_back(crawls[i]);
        FolderCrawler::Context context = crawlContext();
        mCrawlWorkers.start([this, share = std::move(share), context]() mutable {
            for (const std::shared_ptr<SubtreeCrawl>& crawl : share) {
                context.found = [&crawl](IndexedFileList&& items) {
                    crawl->found.insert(crawl->found.end(), std::make_move_iterator(items.begin()),
                                        std::make_move_iterator(items.end()));
                };
                FolderCrawler::crawl({{&crawl->detached, crawl->detached.name}}, context, 1);
                ThreadSanitizerHandOff(crawl.get());
                QMetaObject::invokeMethod(
                    this,
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

void FileIndex::mergeFinishedCrawls()
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

void FileIndex::mergeCrawl(const std::shared_ptr<SubtreeCrawl>& crawl)
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
            if (folder->wd >= 0 && mWatcher)
                mWatcher->releaseWatch(folder->wd);
        });
        if (current)
            markDirty(target);
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
        addItem(item);
}

void FileIndex::releaseFolderWatch(IndexedFolder* folder)
{
    if (folder->wd < 0)
        return;
    const auto it = mFolderByWatch.find(folder->wd);
    if (it != mFolderByWatch.end() && it->second == folder) {
        mFolderByWatch.erase(it);
        if (mWatcher)
            mWatcher->releaseWatch(folder->wd);
        mWatchesLeft.fetch_add(1);
    }
    folder->wd = -1;
}

void FileIndex::forgetSubtree(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        releaseFolderWatch(folder);
        mCrawls.erase(folder);
        mDirty.erase(folder);
        mUnwatched.erase(folder);
        for (auto& file : folder->files)
            removeItem(file.second);
    });
}

void FileIndex::clearContents(IndexedFolder* folder)
{
    for (auto& file : folder->files)
        removeItem(file.second);
    folder->files.clear();
    for (auto& child : folder->folders)
        forgetSubtree(child.second.get());
    folder->folders.clear();
}

// A drive mounted or unmounted changes what a folder holds without a word from inotify about
// the folder itself. With the removable-media scope, the folder for it is looked up again:
// the first drive of a session makes it.
void FileIndex::onMountsChanged(const QStringList& changed)
{
    // The crawlers own the tree until the first phase is done; its end looks at these again.
    if (!mGatheringComplete) {
        mMountsChangedEarly << changed;
        return;
    }
    if (mScopes.isEmpty() || mScopes.contains(kScopeHomeAndMedia)) {
        for (const QString& folder :
             scopeFolders(mScopes.isEmpty() ? QStringList{kScopeHomeAndMedia} : mScopes))
            if (!mScopeFolders.contains(folder))
                addRoot(folder);
    }
    for (const QString& point : changed) {
        IndexedFolder* folder = folderAtPath(PathToNative(point).toStdString(), false);
        if (folder) {
            clearContents(folder);
            releaseFolderWatch(folder);
            folder->entered = false;
            markDirty(folder);
        } else if ((folder = folderAtPath(PathToNative(point).toStdString(), true))) {
            markDirty(folder);
        }
    }
}

void FileIndex::addRoot(const QString& folder)
{
    mScopeFolders << folder;
    for (const QString& other : mScopeFolders)
        if (IsCoveredBy(folder, other))
            return;
    auto root = std::make_unique<IndexedFolder>();
    root->name = PathToNative(folder).toStdString();
    IndexedFolder* raw = root.get();
    mRoots.push_back(std::move(root));
    crawlNew(raw);
}

// The index's folder at a path, or with deepest set the nearest one above it; null when the
// path lies outside every scope.
IndexedFolder* FileIndex::folderAtPath(const std::string& path, bool deepest)
{
    for (auto& root : mRoots) {
        const std::string& top = root->name;
        if (path != top && path.compare(0, top.size() + 1, top == "/" ? top : top + '/') != 0)
            continue;
        IndexedFolder* folder = root.get();
        size_t at = top.size();
        while (at < path.size()) {
            if (path[at] == '/')
                ++at;
            const size_t slash = path.find('/', at);
            const std::string name =
                path.substr(at, slash == std::string::npos ? slash : slash - at);
            const auto child = folder->folders.find(name);
            if (child == folder->folders.end())
                return deepest ? folder : nullptr;
            folder = child->second.get();
            at = slash == std::string::npos ? path.size() : slash;
        }
        return folder;
    }
    return nullptr;
}

void FileIndex::recrawlUnwatched()
{
    if (mUnwatched.empty()) {
        mRecrawlTimer.stop();
        return;
    }
    for (IndexedFolder* folder : mUnwatched)
        mDirty.insert(folder);
    flush();
}

void FileIndex::addItem(const IndexedFilePtr& item)
{
    mResultIndex[item.get()] = mResults.size();
    mResults.push_back(item);
    mAdded.push_back(item);
    mAddedSet.insert(item.get());
    scheduleFlush();
}

void FileIndex::removeItem(const IndexedFilePtr& item)
{
    const auto at = mResultIndex.find(item.get());
    if (at == mResultIndex.end())
        return;
    const size_t index = at->second;
    mResultIndex.erase(at);
    if (index + 1 != mResults.size()) {
        mResults[index] = std::move(mResults.back());
        mResultIndex[mResults[index].get()] = index;
    }
    mResults.pop_back();

    if (mChangedSet.erase(item.get()))
        mChanged.erase(std::find(mChanged.begin(), mChanged.end(), item));
    if (mAddedSet.erase(item.get()))
        mAdded.erase(std::find(mAdded.begin(), mAdded.end(), item));
    else
        mRemoved.push_back(item);
    scheduleFlush();
}

void FileIndex::changeItem(const IndexedFilePtr& item)
{
    if (mAddedSet.count(item.get()) || mChangedSet.count(item.get()))
        return;
    mChanged.push_back(item);
    mChangedSet.insert(item.get());
    scheduleFlush();
}
