#pragma once

#include "discovery/CrawlWorkers.h"
#include "discovery/IndexedFolder.h"

#include <QTimer>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class FileIndex;
class FolderWatcher;
class LiveIndex;

// How the live index brings its folders in line with the disk: a dirty folder's listing is read
// again, a rename or move carries the items below it to their new paths, and a folder that
// appeared is crawled on a worker and merged once complete. It keeps the folder watches and the
// results in step with each change.
class FolderSync
{
public:
    FolderSync(FileIndex& index, LiveIndex& live);
    FolderSync(const FolderSync&) = delete;
    FolderSync& operator=(const FolderSync&) = delete;

    void rescan(IndexedFolder* folder);
    // A file or folder renamed or moved; a null folder stands for somewhere outside the index.
    void move(IndexedFolder* from, const std::string& fromName, IndexedFolder* to,
              const std::string& toName, bool isFolder);
    void crawlNew(IndexedFolder* folder);
    bool crawling() const { return !mCrawls.empty(); }
    void adoptWatches(IndexedFolder* top);
    void releaseFolderWatch(IndexedFolder* folder);
    void forgetSubtree(IndexedFolder* top);
    void clearContents(IndexedFolder* folder);
    // Ends the crawls and gives back the watches they placed.
    void stop(FolderWatcher* watcher);

private:
    struct SubtreeCrawl;
    void renamePaths(IndexedFolder* folder, const std::string& path);
    void startCrawls();
    void mergeFinishedCrawls();
    void mergeCrawl(const std::shared_ptr<SubtreeCrawl>& crawl);

    FileIndex& mIndex;
    LiveIndex& mLive;
    CrawlWorkers mCrawlWorkers;
    // Folders being crawled on a worker: the crawl reading each one.
    std::unordered_map<IndexedFolder*, std::shared_ptr<SubtreeCrawl>> mCrawls;
    std::vector<std::shared_ptr<SubtreeCrawl>> mNewCrawls;     // not handed to a worker yet
    std::deque<std::shared_ptr<SubtreeCrawl>> mFinishedCrawls; // read, not merged yet
    QTimer mStartCrawlsTimer;
    QTimer mMergeTimer;
};
