#pragma once

#include "discovery/FolderCrawler.h"
#include "discovery/IndexedFile.h"
#include "discovery/IndexedFolder.h"
#include "discovery/MetadataQueryText.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <unordered_map>
#include <unordered_set>

class QSocketNotifier;

// A live query of the built-in file index. The first phase crawls the scopes in parallel and
// hands out what it finds in batches; after it, inotify watches on every crawled folder keep the
// results current, reported in update batches. Every notification is posted on the main thread
// through the default notification centre, with the query as object.
class FileIndex : public QObject, public std::enable_shared_from_this<FileIndex>
{
public:
    static inline const QString kMDQueryProgressNotification =
        QStringLiteral("kMDQueryProgressNotification");
    static inline const QString kMDQueryDidFinishNotification =
        QStringLiteral("kMDQueryDidFinishNotification");
    static inline const QString kMDQueryDidUpdateNotification =
        QStringLiteral("kMDQueryDidUpdateNotification");
    static inline const QString kMDQueryUpdateAddedItems =
        QStringLiteral("kMDQueryUpdateAddedItems");
    static inline const QString kMDQueryUpdateRemovedItems =
        QStringLiteral("kMDQueryUpdateRemovedItems");
    static inline const QString kMDQueryUpdateChangedItems =
        QStringLiteral("kMDQueryUpdateChangedItems");
    static inline const QString kMDQueryScopeComputerIndexed =
        QStringLiteral("kMDQueryScopeComputerIndexed");
    static inline const QString kMDQueryScopeComputer = QStringLiteral("kMDQueryScopeComputer");

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
    static std::shared_ptr<FileIndex> create(const QString& queryText);
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

    // Tuning for tests: how often folders that could not be watched are read again, and a
    // ceiling on watches below the kernel's own.
    void setRecrawlInterval(int milliseconds) { mRecrawlIntervalMs = milliseconds; }
    void setWatchLimit(long watches) { mWatchLimit = watches; }
    int watchedFolderCount() const { return int(mFolderByWatch.size()); }
    int unwatchedFolderCount() const { return int(mUnwatched.size()); }

private:
    explicit FileIndex(MetadataQueryText text);

    // First phase
    void onFound(IndexedFileList&& items);
    void deliverBatch();
    void onCrawlFinished();
    void finishGathering();

    // Live phase
    void onInotifyReadable();
    void handleEvent(int wd, std::uint32_t mask, std::uint32_t cookie, const char* name);
    void handleMove(IndexedFolder* from, const std::string& fromName, IndexedFolder* to,
                    const std::string& toName, bool isFolder);
    void markDirty(IndexedFolder* folder);
    void scheduleFlush();
    void flush();
    void rescan(IndexedFolder* folder);
    void crawlNew(IndexedFolder* folder);
    void registerWatches(IndexedFolder* folder);
    void removeFolder(IndexedFolder* folder);
    void forgetSubtree(IndexedFolder* folder);
    void clearContents(IndexedFolder* folder);
    void renamePaths(IndexedFolder* folder, const std::string& path);
    void addItem(const IndexedFilePtr& item);
    void removeItem(const IndexedFilePtr& item);
    void changeItem(const IndexedFilePtr& item);
    void recrawlUnwatched();
    void noteWatchLimit();
    FolderCrawler::Context crawlContext();

    void post(const QString& name, const QVariantMap& info = {});

    MetadataQueryText mText;
    QStringList mScopes;
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
    std::atomic<bool> mCancelled{false};
    std::atomic<long> mWatchesLeft{0};
    std::atomic<bool> mWatchLimitHit{false};
    std::mutex mPendingMutex;
    IndexedFileList mPending;
    bool mCrawlDone = false;
    bool mBatchRequested = false;
    bool mFirstBatchDelivered = false;
    QTimer mBatchTimer;

    // Live index
    int mInotifyFD = -1;
    QSocketNotifier* mNotifier = nullptr;
    std::unordered_map<int, IndexedFolder*> mFolderByWatch;
    std::set<IndexedFolder*> mDirty;
    std::set<IndexedFolder*> mUnwatched;
    struct PendingMove
    {
        int wd;
        std::string name;
        bool isFolder;
    };
    std::vector<std::pair<std::uint32_t, PendingMove>> mPendingMoves;
    bool mOverflowed = false;
    IndexedFileList mAdded, mRemoved, mChanged;
    std::unordered_set<const IndexedFile*> mAddedSet, mChangedSet;
    QTimer mFlushTimer;
    QTimer mRecrawlTimer;
    int mRecrawlIntervalMs = 180000;
    long mWatchLimit = -1;
    bool mWatchLimitLogged = false;
};
