#pragma once

#include "discovery/CrawlWorkers.h"
#include "discovery/FolderCrawler.h"
#include "discovery/IndexedFile.h"
#include "discovery/IndexedFolder.h"
#include "discovery/MetadataQueryText.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <unordered_map>
#include <unordered_set>

class FolderWatcher;
class MountTableWatcher;
struct FolderWatchBatch;

// One batch of live changes: files that appeared, went, or were rewritten, renamed or moved
// (a renamed or moved file is the same item with a new path).
struct FileIndexUpdate
{
    IndexedFileList added;
    IndexedFileList removed;
    IndexedFileList changed;
};

// A live query of the built-in file index. The first phase crawls the scopes on worker threads
// and hands out what it finds in batches; after it, the process's folder watcher keeps the
// results current, reported in update batches. Folders that appear later are crawled on worker
// threads too; mounts below a scope are followed. Signals come on the main thread.
class FileIndex : public QObject
{
    Q_OBJECT
public:
    // The home folder, the removable-media folder and the folders the user added.
    static inline const QString kScopeHomeAndMedia = QStringLiteral("home-and-media");
    // Every local file system.
    static inline const QString kScopeWholeComputer = QStringLiteral("whole-computer");

    struct BatchingParameters
    {
        unsigned first_max_num = 50;
        unsigned first_max_ms = 100;
        unsigned progress_max_num = 20000;
        unsigned progress_max_ms = 1000;
        unsigned update_max_num = 10000;
        unsigned update_max_ms = 1000;
    };

    // Null when the query text is not understood.
    static std::unique_ptr<FileIndex> create(const QString& queryText);
    ~FileIndex() override;

    // Folder paths, or one of the two scope names. Before execute.
    void setSearchScope(const QStringList& scopes);
    BatchingParameters batchingParameters() const { return mBatching; }
    void setBatchingParameters(const BatchingParameters& parameters) { mBatching = parameters; }

    bool execute(bool wantsUpdates);
    bool isGatheringComplete() const { return mGatheringComplete; }
    void disableUpdates();
    void enableUpdates();
    int resultCount() const { return int(mResults.size()); }
    IndexedFilePtr resultAtIndex(int index) const;
    void stop();

    // The folders a scope list stands for, without folders that another one already covers.
    static QStringList scopeFolders(const QStringList& scopes);
    // The folder's path with every link resolved; empty when it is not a folder.
    static QString canonicalFolder(const QString& path);

    // Tuning for tests: how often folders that could not be watched are read again, and a
    // ceiling on watches below the kernel's own.
    void setRecrawlInterval(int milliseconds) { mRecrawlIntervalMs = milliseconds; }
    void setWatchLimit(long watches) { mWatchLimit = watches; }
    int watchedFolderCount() const { return int(mFolderByWatch.size()); }
    int unwatchedFolderCount() const { return int(mUnwatched.size()); }

Q_SIGNALS:
    void progress();
    void finished();
    void updated(const FileIndexUpdate& update);

private:
    struct SubtreeCrawl;
    explicit FileIndex(MetadataQueryText text);

    // First phase
    void onFound(IndexedFileList&& items);
    void deliverBatch();
    void onCrawlFinished();
    void finishGathering();

    // Live phase
    void onWatchEvents(const FolderWatchBatch& batch);
    void handleEvent(IndexedFolder* folder, const struct FolderWatchEvent& event);
    void handleMove(IndexedFolder* from, const std::string& fromName, IndexedFolder* to,
                    const std::string& toName, bool isFolder);
    void onMountsChanged(const QStringList& changed);
    void addRoot(const QString& folder);
    IndexedFolder* folderAtPath(const std::string& path, bool deepest);
    void markDirty(IndexedFolder* folder);
    void scheduleFlush();
    void flush();
    void rescan(IndexedFolder* folder);
    void crawlNew(IndexedFolder* folder);
    void startCrawls();
    void mergeFinishedCrawls();
    void mergeCrawl(const std::shared_ptr<SubtreeCrawl>& crawl);
    void adoptWatches(IndexedFolder* top);
    void releaseFolderWatch(IndexedFolder* folder);
    void forgetSubtree(IndexedFolder* folder);
    void clearContents(IndexedFolder* folder);
    void renamePaths(IndexedFolder* folder, const std::string& path);
    void addItem(const IndexedFilePtr& item);
    void removeItem(const IndexedFilePtr& item);
    void changeItem(const IndexedFilePtr& item);
    void recrawlUnwatched();
    void noteWatchLimit();
    FolderCrawler::Context crawlContext();

    MetadataQueryText mText;
    QStringList mScopes;
    QStringList mScopeFolders;
    BatchingParameters mBatching;
    bool mExecuting = false;
    bool mWantsUpdates = false;
    bool mGatheringComplete = false;
    int mUpdatesDisabled = 0;

    std::vector<std::unique_ptr<IndexedFolder>> mRoots;
    IndexedFileList mResults;
    std::unordered_map<const IndexedFile*, size_t> mResultIndex;

    // Crawling threads -> main thread
    std::thread mCrawlThread;
    CrawlWorkers mCrawlWorkers;
    std::atomic<bool> mCancelled{false};
    std::atomic<long> mWatchesLeft{0};
    std::atomic<bool> mWatchLimitHit{false};
    std::mutex mPendingMutex;
    IndexedFileList mPending;
    bool mCrawlDone = false;
    bool mBatchRequested = false;
    bool mFirstBatchDelivered = false;
    QTimer mBatchTimer;
    // Folders being crawled on a worker: the crawl reading each one.
    std::unordered_map<IndexedFolder*, std::shared_ptr<SubtreeCrawl>> mCrawls;
    std::vector<std::shared_ptr<SubtreeCrawl>> mNewCrawls;     // not handed to a worker yet
    std::deque<std::shared_ptr<SubtreeCrawl>> mFinishedCrawls; // read, not merged yet
    QTimer mStartCrawlsTimer;
    QTimer mMergeTimer;
    // Watches that had events before their folders joined the index.
    std::unordered_set<int> mEarlyEvents;

    // Live index
    FolderWatcher* mWatcher = nullptr;
    MountTableWatcher* mMounts = nullptr;
    QStringList mMountsChangedEarly;
    std::unordered_map<int, IndexedFolder*> mFolderByWatch;
    std::set<IndexedFolder*> mDirty;
    std::set<IndexedFolder*> mUnwatched;
    bool mOverflowed = false;
    IndexedFileList mAdded, mRemoved, mChanged;
    std::unordered_set<const IndexedFile*> mAddedSet, mChangedSet;
    QTimer mFlushTimer;
    QTimer mRecrawlTimer;
    QTimer mMissingRootTimer;
    int mRecrawlIntervalMs = 180000;
    long mWatchLimit = -1;
    bool mWatchLimitLogged = false;
};

Q_DECLARE_METATYPE(FileIndexUpdate)
