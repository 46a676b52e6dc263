#pragma once

#include "discovery/FolderCrawler.h"
#include "discovery/IndexedFile.h"

#include <QTimer>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct CrawlContext;

// The file index's first phase: the scopes are crawled on worker threads while the main thread
// hands out what they find in batches, a small first one and larger ones after it. Gathering is
// complete when the crawl has ended and its last batch is out.
class FirstPhaseCrawl
{
public:
    // gathered: called once the last batch is out.
    FirstPhaseCrawl(CrawlContext& context, std::function<void()> gathered);
    FirstPhaseCrawl(const FirstPhaseCrawl&) = delete;
    FirstPhaseCrawl& operator=(const FirstPhaseCrawl&) = delete;

    void start(std::vector<FolderCrawler::Work> work);
    // Waits for the crawl, which the index has cancelled, and hands out nothing more.
    void stop();

private:
    void onFound(IndexedFileList&& items); // crawling threads
    size_t batchLimit() const;             // with mPendingMutex held
    void deliverBatch();
    void onCrawlFinished();

    CrawlContext& mContext;
    const std::function<void()> mGathered;
    std::thread mThread;
    std::mutex mPendingMutex;
    IndexedFileList mPending;
    bool mCrawlDone = false;
    bool mBatchRequested = false;
    bool mFirstBatchDelivered = false;
    QTimer mBatchTimer;
};
