#pragma once

#include <boost/shared_ptr.hpp>
#include <memory>

// One background thread performing queued tasks one at a time, first in, first out.
//
// Everything public is called from the owner's thread (the main thread). CancelAndClear is what
// makes switching the file being read safe: it drops the queued tasks, asks the running one to
// stop at its next interruption point and returns only once the worker is back at its queue, so
// nothing the old task does can happen after it.
class CWorkingThread
{
public:
    class CThreadTask
    {
    public:
        virtual ~CThreadTask();
        // Runs on the worker. Any exception is discarded by the worker, which goes on with the
        // next task; boost::thread_interrupted is how a cancelled task leaves.
        virtual void Perform() = 0;
    };
    using TaskPtr = boost::shared_ptr<CThreadTask>;

    // Starts the worker. Throws boost::thread_resource_error when no thread can be made.
    CWorkingThread();
    // Cancels as CancelAndClear does, then stops the worker and waits for it to end.
    ~CWorkingThread();
    CWorkingThread(const CWorkingThread&) = delete;
    CWorkingThread& operator=(const CWorkingThread&) = delete;

    // Queues a task (never null) behind those already queued.
    void AddTask(TaskPtr task);
    // Drops every queued task, interrupts the running one and blocks until it has ended. On
    // return nothing queued before the call will run, and every task queued afterwards runs
    // unaffected by this cancel.
    void CancelAndClear();

    class Impl;

private:
    std::unique_ptr<Impl> mImpl;
};
