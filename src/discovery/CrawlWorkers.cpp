#include "discovery/CrawlWorkers.h"

#include "platform/BackgroundPriority.h"

#include <QThread>
#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>

int CrawlWorkers::defaultThreadCount()
{
    return std::clamp(QThread::idealThreadCount(), 1, 8);
}

CrawlWorkers::~CrawlWorkers()
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mQuitting = true;
        mJobs.clear();
    }
    mWake.notify_all();
    for (std::thread& thread : mThreads)
        thread.join();
}

void CrawlWorkers::start(std::function<void()> job)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mJobs.push_back(std::move(job));
    // Threads are made as work comes; idle ones wait for the next job.
    if (int(mThreads.size()) < mMaxThreads && int(mJobs.size()) > int(mThreads.size()) - mBusy)
        mThreads.emplace_back([this] { run(); });
    mWake.notify_one();
}

void CrawlWorkers::waitForDone()
{
    std::unique_lock<std::mutex> lock(mMutex);
    mIdle.wait(lock, [this] { return mJobs.empty() && mBusy == 0; });
}

void CrawlWorkers::run()
{
    // The main thread merges what these read and keeps the window turning: on a machine of
    // two cores it must not wait behind them for a time slice.
    const id_t self = id_t(gettid());
    setpriority(PRIO_PROCESS, self, getpriority(PRIO_PROCESS, self) + 5);
    UseDefaultWakeUps();
    std::unique_lock<std::mutex> lock(mMutex);
    for (;;) {
        mWake.wait(lock, [this] { return mQuitting || !mJobs.empty(); });
        if (mQuitting)
            return;
        std::function<void()> job = std::move(mJobs.front());
        mJobs.pop_front();
        ++mBusy;
        lock.unlock();
        job();
        job = nullptr;
        lock.lock();
        --mBusy;
        if (mJobs.empty() && mBusy == 0)
            mIdle.notify_all();
    }
}
