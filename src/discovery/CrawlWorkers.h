#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A few threads that run crawls for the file index. Plain standard threads rather than a
// QThreadPool: the sanitizer sees their synchronisation, and nothing here needs Qt.
class CrawlWorkers
{
public:
    explicit CrawlWorkers(int threads) : mMaxThreads(threads) {}
    ~CrawlWorkers();
    CrawlWorkers(const CrawlWorkers&) = delete;
    CrawlWorkers& operator=(const CrawlWorkers&) = delete;

    // As many crawling threads as the process may use cores (its affinity counts), up to 8.
    static int defaultThreadCount();
    int maxThreadCount() const { return mMaxThreads; }
    void start(std::function<void()> job);
    // Blocks until every job started so far has run.
    void waitForDone();

private:
    void run();

    const int mMaxThreads;
    std::mutex mMutex;
    std::condition_variable mWake;
    std::condition_variable mIdle;
    std::deque<std::function<void()>> mJobs;
    std::vector<std::thread> mThreads;
    int mBusy = 0;
    bool mQuitting = false;
};
