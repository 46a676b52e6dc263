#include "discovery/FileIndex.h"

#include "platform/Logging.h"
#include "platform/ThreadSanitizerHandOff.h"
#include "platform/VolumesFolder.h"
#include "thread/NotificationCenter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSocketNotifier>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
constexpr std::uint32_t kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                     IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR |
                                     IN_EXCL_UNLINK;

QString DecodePath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromRawData(path.data(), int(path.size())));
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
        const std::string name = QFile::encodeName(component).toStdString();
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

std::shared_ptr<FileIndex> FileIndex::create(const QString& queryText)
{
    std::optional<MetadataQueryText> text = MetadataQueryText::parse(queryText);
    if (!text)
        return nullptr;
    return std::shared_ptr<FileIndex>(new FileIndex(std::move(*text)));
}

FileIndex::FileIndex(MetadataQueryText text) : mText(std::move(text))
{
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
        if (scope == kMDQueryScopeComputerIndexed) {
            candidates << QDir::homePath() << VolumesFolderPath();
            candidates << QSettings(QStringLiteral("Kelbrin"), QStringLiteral("Kelbrin"))
                              .value(QStringLiteral("searchFolders"))
                              .toStringList();
        } else if (scope == kMDQueryScopeComputer) {
            candidates << QStringLiteral("/");
        } else if (scope.startsWith(QLatin1String("file:"))) {
            candidates << QUrl(scope).toLocalFile();
        } else {
            candidates << scope;
        }
    }
    QStringList folders;
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty() && info.isDir() && !folders.contains(canonical))
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

FolderCrawler::Context FileIndex::crawlContext()
{
    FolderCrawler::Context context;
    context.text = &mText;
    context.inotifyFD = mInotifyFD;
    context.watchMask = kWatchMask;
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
    const QStringList folders =
        scopeFolders(mScopes.isEmpty() ? QStringList{kMDQueryScopeComputerIndexed} : mScopes);
    if (wantsUpdates) {
        mInotifyFD = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (mInotifyFD < 0)
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("inotify unavailable (err %1): folders are read again every %2 s")
                       .arg(errno)
                       .arg(mRecrawlIntervalMs / 1000);
    }
    mWatchesLeft = mWatchLimit < 0 ? LONG_MAX : mWatchLimit;

    std::vector<FolderCrawler::Work> work;
    for (const QString& folder : folders) {
        auto root = std::make_unique<IndexedFolder>();
        root->name = QFile::encodeName(folder).toStdString();
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
        post(kMDQueryProgressNotification);
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
        for (auto& root : mRoots)
            registerWatches(root.get());
        noteWatchLimit();
        if (mInotifyFD >= 0) {
            mNotifier = new QSocketNotifier(mInotifyFD, QSocketNotifier::Read, this);
            connect(mNotifier, &QSocketNotifier::activated, this, [this] { onInotifyReadable(); });
        }
        if (!mUnwatched.empty() && !mRecrawlTimer.isActive())
            mRecrawlTimer.start(mRecrawlIntervalMs);
    }
    post(kMDQueryDidFinishNotification);
}

void FileIndex::registerWatches(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        if (folder->wd >= 0)
            mFolderByWatch.emplace(folder->wd, folder);
        else if (folder->entered)
            mUnwatched.insert(folder);
    });
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
    delete mNotifier;
    mNotifier = nullptr;
    if (mInotifyFD >= 0)
        close(mInotifyFD);
    mInotifyFD = -1;
    for (auto& root : mRoots)
        ForEachFolder(root.get(), [](IndexedFolder* folder) { folder->wd = -1; });
    mFolderByWatch.clear();
    mUnwatched.clear();
    mDirty.clear();
    mBatchTimer.stop();
    mFlushTimer.stop();
    mRecrawlTimer.stop();
    mGatheringComplete = mGatheringComplete || mExecuting;
}

void FileIndex::post(const QString& name, const QVariantMap& info)
{
    NotificationCenter::defaultCenter().postNotificationName(name, shared_from_this(), info);
}

// ---- Live phase -----------------------------------------------------------------------------

void FileIndex::onInotifyReadable()
{
    alignas(inotify_event) char buffer[65536];
    for (;;) {
        const ssize_t length = read(mInotifyFD, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            handleEvent(event->wd, event->mask, event->cookie, event->len ? event->name : "");
        }
    }
}

void FileIndex::handleEvent(int wd, std::uint32_t mask, std::uint32_t cookie, const char* name)
{
    if (mask & IN_Q_OVERFLOW) {
        mOverflowed = true;
        scheduleFlush();
        return;
    }
    const auto found = mFolderByWatch.find(wd);
    IndexedFolder* folder = found == mFolderByWatch.end() ? nullptr : found->second;
    if (!folder)
        return;
    if (mask & IN_IGNORED) {
        // The folder was deleted or the file system below it unmounted. An unmounted drive's
        // folder still exists, with other contents and no watch: read it afresh.
        folder->wd = -1;
        mFolderByWatch.erase(found);
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
    const std::string entry(name);
    if (mask & IN_MOVED_FROM) {
        mPendingMoves.push_back({cookie, {wd, entry, isFolder}});
        scheduleFlush();
        return;
    }
    if (mask & IN_MOVED_TO) {
        const auto from = std::find_if(mPendingMoves.begin(), mPendingMoves.end(),
                                       [cookie](const auto& m) { return m.first == cookie; });
        if (from != mPendingMoves.end()) {
            const PendingMove move = from->second;
            mPendingMoves.erase(from);
            const auto source = mFolderByWatch.find(move.wd);
            IndexedFolder* origin = source == mFolderByWatch.end() ? nullptr : source->second;
            handleMove(origin, move.name, folder, entry, isFolder);
            // The disk may have moved on since these events were queued; both listings are
            // checked again before the batch goes out.
            if (origin)
                markDirty(origin);
            markDirty(folder);
            return;
        }
    }
    if (mask & IN_CLOSE_WRITE) {
        const auto item = folder->files.find(entry);
        if (item != folder->files.end())
            changeItem(item->second);
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
    // A move whose other half never came took the item out of sight.
    for (const auto& pending : mPendingMoves) {
        const auto source = mFolderByWatch.find(pending.second.wd);
        if (source != mFolderByWatch.end())
            mDirty.insert(source->second);
    }
    mPendingMoves.clear();
    if (mOverflowed) {
        mOverflowed = false;
        qCInfo(lcDiscovery, "inotify queue overflowed: reading every folder again");
        for (auto& root : mRoots)
            ForEachFolder(root.get(), [this](IndexedFolder* folder) { mDirty.insert(folder); });
    }
    while (!mDirty.empty()) {
        IndexedFolder* folder = *mDirty.begin();
        mDirty.erase(mDirty.begin());
        rescan(folder);
    }
    noteWatchLimit();
    if (mAdded.empty() && mRemoved.empty() && mChanged.empty())
        return;
    IndexedFileList added, removed, changed;
    added.swap(mAdded);
    removed.swap(mRemoved);
    changed.swap(mChanged);
    mAddedSet.clear();
    mChangedSet.clear();
    // A folder deleted and made again under the same name gives old items and new ones with
    // the same paths. Receivers handle added items before removed ones, so the removals go out
    // in a batch of their own first; otherwise the new files would be taken away with the old.
    if (!removed.empty() && !added.empty()) {
        post(kMDQueryDidUpdateNotification,
             {{kMDQueryUpdateRemovedItems, QVariant::fromValue(removed)}});
        removed.clear();
    }
    QVariantMap info;
    if (!added.empty())
        info.insert(kMDQueryUpdateAddedItems, QVariant::fromValue(added));
    if (!removed.empty())
        info.insert(kMDQueryUpdateRemovedItems, QVariant::fromValue(removed));
    if (!changed.empty())
        info.insert(kMDQueryUpdateChangedItems, QVariant::fromValue(changed));
    post(kMDQueryDidUpdateNotification, info);
}

// Brings one folder's files and subfolders in line with its listing on disk.
void FileIndex::rescan(IndexedFolder* folder)
{
    const std::string path = folder->path();
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (folder->parent ? O_NOFOLLOW : 0);
    const int fd = openat(AT_FDCWD, path.c_str(), flags);
    if (fd < 0) {
        // Gone or closed to us; its parent's listing decides whether it stays at all.
        clearContents(folder);
        folder->entered = false;
        mUnwatched.erase(folder);
        return;
    }
    if (!folder->parent) {
        struct stat st;
        if (fstat(fd, &st) == 0 && st.st_ino != folder->ino) {
            clearContents(folder);
            folder->ino = st.st_ino;
        }
    }
    if (folder->wd < 0 && mWantsUpdates) {
        FolderCrawler::Context context = crawlContext();
        if (FolderCrawler::watchFolder(folder, fd, nullptr, context)) {
            const auto inserted = mFolderByWatch.emplace(folder->wd, folder);
            if (!inserted.second && inserted.first->second != folder)
                folder->wd = -1; // another path to the same folder holds the watch
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
        } else if ((type == DT_REG || type == DT_LNK) && mText.matches(name, strlen(name))) {
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

// A folder that appeared while the query runs: read on this thread, since it is normally small.
void FileIndex::crawlNew(IndexedFolder* folder)
{
    IndexedFileList found;
    FolderCrawler::Context context = crawlContext();
    context.found = [&found](IndexedFileList&& items) {
        found.insert(found.end(), items.begin(), items.end());
    };
    FolderCrawler::crawl({{folder, folder->path()}}, context, 1);
    ForEachFolder(folder, [this](IndexedFolder* f) {
        if (f->wd >= 0) {
            const auto inserted = mFolderByWatch.emplace(f->wd, f);
            if (!inserted.second && inserted.first->second != f)
                f->wd = -1;
        }
        if (f->wd < 0 && f->entered && mWantsUpdates)
            mUnwatched.insert(f);
    });
    for (const IndexedFilePtr& item : found)
        addItem(item);
}

void FileIndex::forgetSubtree(IndexedFolder* top)
{
    ForEachFolder(top, [this](IndexedFolder* folder) {
        if (folder->wd >= 0) {
            const auto it = mFolderByWatch.find(folder->wd);
            if (it != mFolderByWatch.end() && it->second == folder) {
                mFolderByWatch.erase(it);
                inotify_rm_watch(mInotifyFD, folder->wd);
                mWatchesLeft.fetch_add(1);
            }
            folder->wd = -1;
        }
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

void FileIndex::removeFolder(IndexedFolder* folder)
{
    if (!folder->parent) {
        clearContents(folder);
        return;
    }
    forgetSubtree(folder);
    folder->parent->folders.erase(folder->name);
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
