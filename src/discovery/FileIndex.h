#pragma once

#include "discovery/BrushFileMatcher.h"
#include "discovery/CrawlContext.h"
#include "discovery/FirstPhaseCrawl.h"
#include "discovery/IndexedFile.h"
#include "discovery/LiveIndex.h"

#include <QObject>
#include <QStringList>
#include <map>
#include <memory>
#include <string>
#include <sys/types.h>

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

    using BatchingParameters = IndexBatching;

    // Finds the files the matcher takes.
    explicit FileIndex(BrushFileMatcher matcher);
    ~FileIndex() override;

    // Folder paths, or one of the two scope names. Before execute.
    void setSearchScope(const QStringList& scopes);
    BatchingParameters batchingParameters() const { return mContext.batching; }
    void setBatchingParameters(const BatchingParameters& parameters)
    {
        mContext.batching = parameters;
    }

    bool execute(bool wantsUpdates);
    bool isGatheringComplete() const { return mContext.gatheringComplete; }
    void disableUpdates();
    void enableUpdates();
    int resultCount() const { return int(mContext.results.size()); }
    IndexedFilePtr resultAtIndex(int index) const;
    void stop();

    // The folders a scope list stands for, without folders that another one already covers.
    static QStringList scopeFolders(const QStringList& scopes);
    // The folder's path with every link resolved; empty when it is not a folder.
    static QString canonicalFolder(const QString& path);
    // Whether a folder inside another one is reached by crawling that one.
    static bool isCoveredBy(const QString& folder, const QString& other);

    // Tuning for tests: a fixed pause between re-reads of the folders that could not be watched
    // (by default it follows what a re-read costs), and a ceiling on watches below the
    // kernel's own.
    void setRecrawlInterval(int milliseconds) { mContext.recrawlIntervalMs = milliseconds; }
    void setWatchLimit(long watches) { mWatchLimit = watches; }
    int watchedFolderCount() const { return mLive.watchedFolderCount(); }
    int unwatchedFolderCount() const { return mLive.unwatchedFolderCount(); }
    bool isWatchLimitReached() const { return mContext.watchLimitHit; }
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
    void finishGathering();
    void endMountRelease(const std::string& path, unsigned generation);

    // The first phase lives in FirstPhaseCrawl, the live phase in LiveIndex and FolderSync; they
    // share what is kept here.
    CrawlContext mContext;
    long mWatchLimit = -1;

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
