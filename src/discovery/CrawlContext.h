#pragma once

#include "discovery/BrushFileMatcher.h"
#include "discovery/FolderCrawler.h"
#include "discovery/IndexedFile.h"
#include "discovery/IndexedFolder.h"
#include "discovery/ReleasedMounts.h"

#include <QStringList>
#include <atomic>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class FileIndex;
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

// How many found files go out in one batch at most, and how long one waits at most.
// update_lone_ms: how long a change to a folder that was not read again lately waits before the
// folder is (never longer than update_max_ms); a folder that keeps changing is read at most once
// per update_max_ms whatever this says.
struct IndexBatching
{
    unsigned first_max_num = 50;
    unsigned first_max_ms = 100;
    unsigned progress_max_num = 20000;
    unsigned progress_max_ms = 1000;
    unsigned update_max_num = 10000;
    unsigned update_max_ms = 1000;
    unsigned update_lone_ms = 1000;
};

// What the parts of a file index share: the first phase (FirstPhaseCrawl), the live phase
// (LiveIndex) and its re-reads (FolderSync) work on this state and on nothing else of each
// other's. Main thread, but for what is marked as shared with the crawling threads.
struct CrawlContext
{
    CrawlContext(BrushFileMatcher matcher, FileIndex* owner)
        : matcher(std::move(matcher)), owner(owner)
    {}

    // The crawling threads' view: the matcher, the watch budget and the way out.
    FolderCrawler::Context forCrawlers();
    std::vector<IndexedFolder*> rootFolders() const;
    void appendResult(const IndexedFilePtr& item);
    // False when the item is not among the results.
    bool eraseResult(const IndexedFilePtr& item);

    const BrushFileMatcher matcher;
    // Timers and queued calls run on it; the parts send its signals.
    FileIndex* const owner;
    IndexBatching batching;
    QStringList scopes;
    QStringList scopeFolders;
    bool executing = false;
    bool wantsUpdates = false;
    bool gatheringComplete = false;
    int updatesDisabled = 0;
    int recrawlIntervalMs = 0; // fixed by a test, or 0

    IndexedFolderRoots roots;
    IndexedFileList results;
    std::unordered_map<const IndexedFile*, size_t> resultIndex;

    // The live phase's bookkeeping of its folders, kept by LiveIndex and FolderSync together.
    std::unordered_map<int, IndexedFolder*> folderByWatch;
    // Watches that had events before their folders joined the index.
    std::unordered_set<int> earlyEvents;
    std::set<IndexedFolder*> dirty;
    std::set<IndexedFolder*> unwatched;

    // Shared with the crawling threads.
    FolderWatcher* watcher = nullptr;
    std::atomic<bool> cancelled{false};
    std::atomic<long> watchesLeft{0};
    std::atomic<bool> watchLimitHit{false};
    ReleasedMounts released;
};
