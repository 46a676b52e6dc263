#pragma once

#include "discovery/FolderSync.h"
#include "discovery/IndexedFile.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <limits>
#include <string>
#include <unordered_map>
#include <unordered_set>

struct CrawlContext;
class MountTableWatcher;
class TurnBudget;
struct FolderWatchBatch;
struct FolderWatchEvent;
struct IndexedFolder;

// The file index's live phase, once the first phase is done: inotify events and mount changes
// mark folders dirty, dirty folders are read again (FolderSync), and what that adds, removes or
// changes goes out in update batches.
class LiveIndex
{
public:
    explicit LiveIndex(CrawlContext& context);
    LiveIndex(const LiveIndex&) = delete;
    LiveIndex& operator=(const LiveIndex&) = delete;

    // Follows the folder watcher and the mount table from now on.
    void listen();
    // The first phase is done: takes over the watches its crawl placed.
    void begin();
    void stop();
    // Updates were disabled for a while: sends what gathered meanwhile.
    void resumeUpdates();
    // A path let go of for an unmount is open to the crawlers again.
    void readAgainBelow(const std::string& path) { mSync.readAgainBelow(path); }

    int watchedFolderCount() const;
    int unwatchedFolderCount() const;
    // The pause between two re-reads of the folders that could not be watched.
    int recrawlIntervalMs() const { return mRecrawlIntervalMs; }

    // What FolderSync's reads found: a folder to read again, and items for the next update.
    void markDirty(IndexedFolder* folder);
    // A scope folder that is missing has no parent to tell when it comes back.
    void lookForMissingRootLater();
    // After changed folders were read: their findings already waited for the read, and go out
    // with the next turn rather than after another batching delay.
    void flushReadFindings();
    void addItem(const IndexedFilePtr& item);
    void removeItem(const IndexedFilePtr& item);
    void changeItem(const IndexedFilePtr& item);

private:
    void onWatchEvents(const FolderWatchBatch& batch);
    void handleEvent(IndexedFolder* folder, const FolderWatchEvent& event);
    void onMountsChanged(const QStringList& changed);
    void addRoot(const QString& folder);
    void scheduleFlush();
    // The flush goes no later than delayMs from now.
    void flushWithin(qint64 delayMs);
    // When the folder may be read again at the earliest (mClock's ms).
    qint64 heldUntil(IndexedFolder* folder) const;
    // Hands the dirty folders that are not held back to the workers.
    void readDirtyFolders(qint64 nowMs);
    // When the first of the dirty folders may be read.
    qint64 nextDirtyRead() const;
    void noteUnclosedCreation(IndexedFolder* folder, const std::string& name);
    void dropUnclosedCreation(IndexedFolder* folder, const std::string& name);
    void flush();
    void recrawlUnwatched();
    void lookAtUnwatched(const TurnBudget& turn);
    bool mayHaveChanged(IndexedFolder* folder, qint64 nowNs);
    void finishRecrawl();
    void noteWatchLimit();
    void scheduleRecrawl();
    void writeItem(const IndexedFilePtr& item);

    CrawlContext& mContext;
    FolderSync mSync;
    MountTableWatcher* mMounts = nullptr;
    QStringList mMountsChangedEarly;
    bool mOverflowed = false;
    IndexedFileList mAdded, mRemoved, mChanged, mWritten;
    std::unordered_set<const IndexedFile*> mAddedSet, mChangedSet, mWrittenSet;
    QTimer mFlushTimer;
    QElapsedTimer mClock;
    // When folders were last handed out to be read again because they changed: one that keeps
    // changing (an archive unpacked into it) is read once per update_max_ms, not once per event.
    // Keys are never followed; a folder gone meanwhile just leaves an entry that expires.
    std::unordered_map<IndexedFolder*, qint64> mReadAt;
    // When the last saved files went out (IN_CLOSE_WRITE); far in the past before any did.
    qint64 mWrittenOutAt = std::numeric_limits<int>::min();
    // Matching files made in a folder and still open for writing, and since when: the folder is
    // read once they are closed (IN_CLOSE_WRITE), so that the file is announced whole, or after
    // update_max_ms at the latest, as a file that stays open has always been.
    struct Unclosed
    {
        qint64 since = 0;
        std::unordered_set<std::string> names;
    };
    std::unordered_map<IndexedFolder*, Unclosed> mUnclosed;
    QTimer mRecrawlTimer;
    // After lost events, a second reading of every folder once the events have been quiet a
    // while: a listing taken during the first may predate a change whose event was lost too.
    QTimer mOverflowRecheckTimer;
    QTimer mMissingRootTimer;
    // A re-read of the unwatched folders is under way: the main thread's CPU time spent on it adds
    // up to its cost, which sets the pause before the next one.
    bool mRecrawling = false;
    bool mRecrawlWalked = false;
    // Where the look at the unwatched folders goes on in the next turn; the set is ordered by
    // address, so this stays a valid place to resume from even once the folder is gone.
    IndexedFolder* mRecrawlResume = nullptr;
    qint64 mRecrawlCostNs = 0;
    // When this index began to read the disk (real time, ns): folders unchanged since are
    // known as the crawl found them.
    qint64 mStampBaselineNs = 0;
    int mRecrawlIntervalMs = 0;
    bool mWatchLimitAnnounced = false;
};
