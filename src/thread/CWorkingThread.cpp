#include "thread/CWorkingThread.h"

#include <atomic>
#include <boost/make_shared.hpp>
#include <boost/thread/condition_variable.hpp>
#include <boost/thread/locks.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>
#include <deque>

CWorkingThread::CThreadTask::~CThreadTask() = default;

class CWorkingThread::Impl
{
public:
    Impl();
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void AddTask(TaskPtr task);
    void CancelAndClear();
    TaskPtr Next();
    void Run();

private:
    // Queued by the destructor; the worker leaves its loop after performing it.
    struct SQuitMessage : CThreadTask
    {
        explicit SQuitMessage(Impl* owner) : mOwner(owner) {}
        void Perform() override { mOwner->mQuit = true; }
        Impl* mOwner;
    };

    // Queued by CancelAndClear behind the cancelled task; performing it releases the owner.
    struct SSyncMessage : CThreadTask
    {
        explicit SSyncMessage(Impl* owner) : mOwner(owner) {}
        void Perform() override;
        Impl* mOwner;
        // Guarded by mOwner->mSyncMutex; tells the owner's wait a real notify from a spurious
        // wake-up.
        bool mPerformed = false;
    };

    // What the worker thread runs: the run loop of its Impl.
    struct SRunLoopGlue
    {
        explicit SRunLoopGlue(Impl* owner) : mOwner(owner) {}
        void operator()() const { mOwner->Run(); }
        Impl* mOwner;
    };

    std::deque<TaskPtr> mTasks;
    // Written by the worker only; AddTask reads it from the owner's thread without a lock.
    std::atomic<bool> mQuit{false};
    boost::mutex mTasksMutex;
    boost::condition_variable mTasksCondition;
    boost::mutex mSyncMutex;
    boost::condition_variable mSyncCondition;
    SRunLoopGlue mGlue;
    // Last, so that the worker starts only once everything it uses exists.
    boost::thread mThread;
};

CWorkingThread::Impl::Impl() : mGlue(this), mThread(mGlue) {}

CWorkingThread::Impl::~Impl()
{
    try {
        CancelAndClear();
        AddTask(boost::make_shared<SQuitMessage>(this));
        mThread.join();
    } catch (...) {
        // Nothing can be reported from a destructor; the members go away regardless.
    }
    if (mThread.joinable())
        mThread.detach();
}

void CWorkingThread::Impl::AddTask(TaskPtr task)
{
    if (mQuit)
        return;
    boost::lock_guard<boost::mutex> lock(mTasksMutex);
    mTasks.push_back(std::move(task));
    mTasksCondition.notify_all();
}

void CWorkingThread::Impl::CancelAndClear()
{
    {
        boost::lock_guard<boost::mutex> lock(mTasksMutex);
        mTasks.clear();
    }
    mThread.interrupt();

    // The owner holds mSyncMutex from before the message is queued until the wait releases it,
    // and the worker needs that mutex to notify, so the notification cannot slip past the wait.
    // Lock order: mSyncMutex, then mTasksMutex (inside AddTask); the worker never takes both.
    boost::unique_lock<boost::mutex> lock(mSyncMutex);
    const auto sync = boost::make_shared<SSyncMessage>(this);
    AddTask(sync);
    while (!sync->mPerformed)
        mSyncCondition.wait(lock);
}

void CWorkingThread::Impl::SSyncMessage::Perform()
{
    // A left-over interruption request is consumed here. Requests are only ever made by
    // CancelAndClear, each one before it queues its sync message, and the worker can only see
    // that message after the request (both go through mTasksMutex). So when the worker reaches
    // this point, the request of this cancel is either already consumed by the cancelled task
    // or pending and visible to the check below, which consumes it. No new request can follow
    // until the owner, released below, calls CancelAndClear again, and that call clears the
    // queue first: a task queued after this point never starts with a stale request pending.
    try {
        boost::this_thread::interruption_point();
    } catch (const boost::thread_interrupted&) {
    }
    boost::lock_guard<boost::mutex> lock(mOwner->mSyncMutex);
    mPerformed = true;
    mOwner->mSyncCondition.notify_all();
}

CWorkingThread::TaskPtr CWorkingThread::Impl::Next()
{
    boost::unique_lock<boost::mutex> lock(mTasksMutex);
    // The wait is an interruption point: a cancel of an idle worker ends it by throwing.
    while (mTasks.empty())
        mTasksCondition.wait(lock);
    TaskPtr task = mTasks.front();
    mTasks.pop_front();
    return task;
}

void CWorkingThread::Impl::Run()
{
    for (;;) {
        try {
            TaskPtr task = Next();
            task->Perform();
        } catch (...) {
            // A task's failure, or its interruption, is the task's business alone; the worker
            // stays available for the next one.
        }
        if (mQuit)
            return;
    }
}

CWorkingThread::CWorkingThread() : mImpl(std::make_unique<Impl>()) {}

CWorkingThread::~CWorkingThread() = default;

void CWorkingThread::AddTask(TaskPtr task)
{
    mImpl->AddTask(std::move(task));
}

void CWorkingThread::CancelAndClear()
{
    mImpl->CancelAndClear();
}
