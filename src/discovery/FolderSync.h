#pragma once

#include "discovery/CrawlWorkers.h"
#include "discovery/IndexedFolder.h"

#include <QTimer>
#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class BrushFileMatcher;
class FolderWatcher;
class LiveIndex;
struct CrawlContext;

// How the live index brings its folders in line with the disk: a dirty folder's listing is read
// again, a rename or move carries the items below it to their new paths, and a folder that
// appeared is crawled on a worker and merged once complete. It keeps the folder watches and the
// results in step with each change.
class FolderSync
{
public:
    FolderSync(CrawlContext& context, LiveIndex& live);
    FolderSync(const FolderSync&) = delete;
    FolderSync& operator=(const FolderSync&) = delete;

    // Reads folders again off the main thread (changed ones, or every one after lost events):
    // the crawl workers open and list them, the main thread merges their listings a turn's
    // share at a time.
    // With subtrees, every folder below them too, found as the reads are handed out. Folders
    // forgotten meanwhile are passed over; one asked for again while its read is under way is
    // read once more after it, and one a crawl is reading is read again, whole, after the crawl.
    void rescanInBackground(const std::vector<IndexedFolder*>& folders, bool subtrees = false);
    // A file or folder renamed or moved; a null folder stands for somewhere outside the index.
    void move(IndexedFolder* from, const std::string& fromName, IndexedFolder* to,
              const std::string& toName, bool isFolder);
    void crawlNew(IndexedFolder* folder);
    // Reads the folders at and below a path again, with what crawls passed over there.
    void readAgainBelow(const std::string& path);
    // Workers are reading folders whose watches may not have joined the index yet.
    bool crawling() const { return !mCrawls.empty() || !mRescans.empty(); }
    void adoptWatches(IndexedFolder* top);
    void releaseFolderWatch(IndexedFolder* folder);
    void forgetSubtree(IndexedFolder* top);
    void clearContents(IndexedFolder* folder);
    // Ends the crawls and gives back the watches they placed.
    void stop(FolderWatcher* watcher);

private:
    struct SubtreeCrawl;
    struct Listing;
    struct BackgroundRescan;
    struct PendingRescan
    {
        std::shared_ptr<BackgroundRescan> batch; // null until handed to a worker
        bool again = false;
        bool subtree = false; // the folders below it are queued when it is handed out
    };
    static void readListing(int fd, const std::string& path, const BrushFileMatcher& matcher,
                            Listing& listing);
    void applyListing(IndexedFolder* folder, const std::string& path, const Listing& listing);
    void folderGone(IndexedFolder* folder);
    void startRescans();
    void mergeRescans();
    bool mergeRescan(IndexedFolder* folder, const std::string& path, Listing& listing);
    void renamePaths(IndexedFolder* folder, const std::string& path);
    void startCrawls();
    void mergeFinishedCrawls();
    void mergeCrawl(const std::shared_ptr<SubtreeCrawl>& crawl);

    CrawlContext& mContext;
    LiveIndex& mLive;
    // Before the workers, which may look at it until they are joined.
    std::atomic<bool> mStopping{false};
    CrawlWorkers mCrawlWorkers;
    // Folders being crawled on a worker: the crawl reading each one.
    std::unordered_map<IndexedFolder*, std::shared_ptr<SubtreeCrawl>> mCrawls;
    std::vector<std::shared_ptr<SubtreeCrawl>> mNewCrawls;     // not handed to a worker yet
    std::deque<std::shared_ptr<SubtreeCrawl>> mFinishedCrawls; // read, not merged yet
    QTimer mStartCrawlsTimer;
    QTimer mMergeTimer;

    // Folders to be read again in the background, from the request to the merge.
    std::unordered_map<IndexedFolder*, PendingRescan> mRescans;
    std::vector<IndexedFolder*> mRescanQueue; // not handed to a worker yet
    std::deque<std::shared_ptr<BackgroundRescan>> mFinishedRescans;
    size_t mRescanEntriesMerged = 0; // of the first finished batch
    QTimer mStartRescansTimer;
    QTimer mMergeRescansTimer;
};
