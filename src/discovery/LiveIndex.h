#pragma once

#include "discovery/FolderSync.h"
#include "discovery/IndexedFile.h"

#include <QStringList>
#include <QTimer>
#include <set>
#include <unordered_map>
#include <unordered_set>

class FileIndex;
class MountTableWatcher;
struct FolderWatchBatch;
struct FolderWatchEvent;
struct IndexedFolder;

// The file index's live phase, once the first phase is done: inotify events and mount changes
// mark folders dirty, dirty folders are read again (FolderSync), and what that adds, removes or
// changes goes out in update batches.
class LiveIndex
{
public:
    explicit LiveIndex(FileIndex& index);
    LiveIndex(const LiveIndex&) = delete;
    LiveIndex& operator=(const LiveIndex&) = delete;

    // Follows the folder watcher and the mount table from now on.
    void listen();
    // The first phase is done: takes over the watches its crawl placed.
    void begin();
    void stop();
    // Updates were disabled for a while: sends what gathered meanwhile.
    void resumeUpdates();

    int watchedFolderCount() const { return int(mFolderByWatch.size()); }
    int unwatchedFolderCount() const { return int(mUnwatched.size()); }

private:
    friend class FolderSync;

    void onWatchEvents(const FolderWatchBatch& batch);
    void handleEvent(IndexedFolder* folder, const FolderWatchEvent& event);
    void onMountsChanged(const QStringList& changed);
    void addRoot(const QString& folder);
    void markDirty(IndexedFolder* folder);
    void scheduleFlush();
    void flush();
    void recrawlUnwatched();
    void noteWatchLimit();
    // A scope folder that is missing has no parent to tell when it comes back.
    void lookForMissingRootLater();
    void addItem(const IndexedFilePtr& item);
    void removeItem(const IndexedFilePtr& item);
    void changeItem(const IndexedFilePtr& item);
    void writeItem(const IndexedFilePtr& item);

    FileIndex& mIndex;
    FolderSync mSync;
    MountTableWatcher* mMounts = nullptr;
    QStringList mMountsChangedEarly;
    std::unordered_map<int, IndexedFolder*> mFolderByWatch;
    // Watches that had events before their folders joined the index.
    std::unordered_set<int> mEarlyEvents;
    std::set<IndexedFolder*> mDirty;
    std::set<IndexedFolder*> mUnwatched;
    bool mOverflowed = false;
    IndexedFileList mAdded, mRemoved, mChanged, mWritten;
    std::unordered_set<const IndexedFile*> mAddedSet, mChangedSet, mWrittenSet;
    QTimer mFlushTimer;
    QTimer mRecrawlTimer;
    QTimer mMissingRootTimer;
    bool mWatchLimitLogged = false;
};
