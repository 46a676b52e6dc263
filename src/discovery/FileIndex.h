#pragma once

#include "discovery/FirstPhaseCrawl.h"
#include "discovery/FolderCrawler.h"
#include "discovery/IndexedFile.h"
#include "discovery/IndexedFolder.h"
#include "discovery/LiveIndex.h"
#include "discovery/MetadataQueryText.h"
#include "discovery/ReleasedMounts.h"

#include <QObject>
#include <QStringList>
#include <atomic>
#include <map>
#include <memory>
#include <sys/types.h>
#include <unordered_map>

class FolderWatcher;

// One batch of live changes: files that appeared, went, were renamed or moved (changed: the
// same item with a new path), or were written where they are.
struct FileIndexUpdate
{
    IndexedFileList added;
    IndexedFileList removed;
    IndexedFileList changed;
    IndexedFileList written;
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

    // Tuning for tests: a fixed pause between re-reads of the folders that could not be watched
    // (by default it follows what a re-read costs), and a ceiling on watches below the
    // kernel's own.
    void setRecrawlInterval(int milliseconds) { mRecrawlIntervalMs = milliseconds; }
    void setWatchLimit(long watches) { mWatchLimit = watches; }
    int watchedFolderCount() const { return mLive.watchedFolderCount(); }
    int unwatchedFolderCount() const { return mLive.unwatchedFolderCount(); }
    bool isWatchLimitReached() const { return mWatchLimitHit; }
    int recrawlIntervalMs() const { return mLive.recrawlIntervalMs(); }

    // A drive at this path is about to be unmounted: no folder at or below it is opened for a
    // while, so that the unmount does not find one held open. Then, unless the drive went, the
    // folders passed over meanwhile are read.
    void releaseMount(const QString& mountPoint);
    // The part of a release that cannot wait for the main thread's next turn, callable from any
    // thread: the desktop tries the unmount a few tens of milliseconds after its notice.
    // releaseMount, which must follow, ends it.
    void keepCrawlersOut(const QString& mountPoint);
    // Whether a path lies where the crawlers are kept out; any thread.
    bool keepsCrawlersOutOf(const QString& path) const;
    // How long a release lasts; for tests.
    void setMountReleaseMs(int milliseconds) { mMountReleaseMs = milliseconds; }

Q_SIGNALS:
    void progress();
    void finished();
    void updated(const FileIndexUpdate& update);
    // The system refused a folder watch for its limit; said once, after the first re-read of
    // the folders left unwatched, so that recrawlIntervalMs() is known.
    void watchLimitReached();

private:
    // The first phase lives in FirstPhaseCrawl, the live phase in LiveIndex and FolderSync; they
    // work on the state kept here.
    friend class FirstPhaseCrawl;
    friend class LiveIndex;
    friend class FolderSync;

    explicit FileIndex(MetadataQueryText text);
    static bool isCoveredBy(const QString& folder, const QString& other);
    FolderCrawler::Context crawlContext();
    void finishGathering();
    void endMountRelease(const std::string& path, unsigned generation);
    void appendResult(const IndexedFilePtr& item);
    // False when the item is not among the results.
    bool eraseResult(const IndexedFilePtr& item);

    MetadataQueryText mText;
    QStringList mScopes;
    QStringList mScopeFolders;
    BatchingParameters mBatching;
    bool mExecuting = false;
    bool mWantsUpdates = false;
    bool mGatheringComplete = false;
    int mUpdatesDisabled = 0;
    int mRecrawlIntervalMs = 0;
    long mWatchLimit = -1;

    IndexedFolderRoots mRoots;
    IndexedFileList mResults;
    std::unordered_map<const IndexedFile*, size_t> mResultIndex;

    // Shared with the crawling threads.
    FolderWatcher* mWatcher = nullptr;
    std::atomic<bool> mCancelled{false};
    std::atomic<long> mWatchesLeft{0};
    std::atomic<bool> mWatchLimitHit{false};
    ReleasedMounts mReleased;

    struct MountRelease
    {
        dev_t device = 0;
        bool present = false;
        unsigned generation = 0; // a release asked for again lasts from the last asking
    };
    std::map<std::string, MountRelease> mMountReleases;
    // Ended before the first phase was done: read once it is.
    std::vector<std::string> mReadAgainAfterGathering;
    int mMountReleaseMs;

    FirstPhaseCrawl mFirstPhase;
    LiveIndex mLive;
};

Q_DECLARE_METATYPE(FileIndexUpdate)
