#include "WorkerTestUtil.h"

#include <atomic>
#include <boost/thread/thread.hpp>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace std::chrono_literals;

// How a long task notices that it is cancelled.
enum class eStopStyle
{
    PollsInterruptionPoints,
    BlocksInInterruptibleWait,
};

namespace {

CWorkingThread::TaskPtr LongTask(eStopStyle style, std::atomic<bool>& started, EventLog& log,
                                 const std::string& name)
{
    return MakeTask([&started, &log, style, name] {
        started = true;
        try {
            const auto giveUp = std::chrono::steady_clock::now() + 20s;
            while (std::chrono::steady_clock::now() < giveUp) {
                if (style == eStopStyle::PollsInterruptionPoints) {
                    boost::this_thread::interruption_point();
                    std::this_thread::sleep_for(1ms);
                } else {
                    boost::this_thread::sleep_for(boost::chrono::seconds(20));
                }
            }
            log.Add(name + " ran out"); // Never cancelled: the test failed.
        } catch (const boost::thread_interrupted&) {
            log.Add(name + " interrupted");
            throw;
        }
    });
}
} // namespace

TEST(CWorkingThread, RunsTasksInQueueOrderEachToItsEnd)
{
    CWorkingThread worker;
    EventLog log;
    std::atomic<bool> done{false};
    for (const char* name : {"A", "B", "C"})
        worker.AddTask(MakeTask([&log, name] {
            log.Add(std::string(name) + "<");
            std::this_thread::sleep_for(2ms);
            log.Add(std::string(name) + ">");
        }));
    worker.AddTask(MakeTask([&] { done = true; }));
    ASSERT_TRUE(Eventually([&] { return done.load(); }));
    EXPECT_EQ(log.Joined(), "A< A> B< B> C< C>");
}

class CWorkingThreadThrowing : public ::testing::TestWithParam<std::function<void()>>
{
};

TEST_P(CWorkingThreadThrowing, TaskThatThrowsDoesNotStopTheWorker)
{
    CWorkingThread worker;
    std::atomic<bool> nextRan{false};
    worker.AddTask(MakeTask(GetParam()));
    worker.AddTask(MakeTask([&] { nextRan = true; }));
    EXPECT_TRUE(Eventually([&] { return nextRan.load(); }));
}

INSTANTIATE_TEST_SUITE_P(AnyException, CWorkingThreadThrowing,
                         ::testing::Values([] { throw -1; }, [] { throw -39; },
                                           [] { throw std::runtime_error("task failed"); },
                                           [] { throw std::bad_alloc(); },
                                           [] { throw boost::thread_interrupted(); },
                                           [] { throw 3.5; }));

TEST(CWorkingThread, CancelAndClearOnIdleWorkerReturnsEveryTimeAndLeavesItWorking)
{
    CWorkingThread worker;
    worker.CancelAndClear();
    worker.CancelAndClear();
    std::atomic<bool> ran{false};
    worker.AddTask(MakeTask([&] { ran = true; }));
    EXPECT_TRUE(Eventually([&] { return ran.load(); }));
    worker.CancelAndClear();
}

class CWorkingThreadCancel : public ::testing::TestWithParam<eStopStyle>
{
};

TEST_P(CWorkingThreadCancel, DropsQueuedTasksAndReturnsOnceTheRunningOneHasStopped)
{
    CWorkingThread worker;
    EventLog log;
    std::atomic<bool> started{false};
    worker.AddTask(LongTask(GetParam(), started, log, "long"));
    std::vector<boost::weak_ptr<CWorkingThread::CThreadTask>> queued;
    for (const char* name : {"q1", "q2", "q3"}) {
        auto task = MakeTask([&log, name] { log.Add(name); });
        queued.push_back(task);
        worker.AddTask(task);
    }
    ASSERT_TRUE(Eventually([&] { return started.load(); }));

    worker.CancelAndClear();
    // On return the running task has ended, and the queue has let go of the dropped tasks.
    EXPECT_EQ(log.Joined(), "long interrupted");
    for (const auto& task : queued)
        EXPECT_TRUE(task.expired());

    std::atomic<bool> after{false};
    worker.AddTask(MakeTask([&] { after = true; }));
    ASSERT_TRUE(Eventually([&] { return after.load(); }));
    EXPECT_EQ(log.Joined(), "long interrupted");
}

INSTANTIATE_TEST_SUITE_P(HowTheTaskWaits, CWorkingThreadCancel,
                         ::testing::Values(eStopStyle::PollsInterruptionPoints,
                                           eStopStyle::BlocksInInterruptibleWait));

TEST(CWorkingThread, CancelAndClearWaitsForATaskThatNeverChecks)
{
    CWorkingThread worker;
    std::atomic<bool> started{false}, ended{false};
    worker.AddTask(MakeTask([&] {
        started = true;
        std::this_thread::sleep_for(50ms); // Not an interruption point.
        ended = true;
    }));
    ASSERT_TRUE(Eventually([&] { return started.load(); }));
    worker.CancelAndClear();
    EXPECT_TRUE(ended);
}

// The cancelled task returns without passing an interruption point, so the request is still
// pending when the worker comes back to its queue. The next task must not inherit it. To make
// the worst order certain, the next task is queued (from the worker itself) after the cancel's
// sync message, so the worker reaches it without ever waiting on an empty queue.
TEST(CWorkingThread, LeftOverInterruptionRequestDoesNotCancelTheNextTask)
{
    CWorkingThread worker;
    std::atomic<bool> started{false}, sawRequest{false}, nextDone{false};
    std::atomic<bool> nextSawRequest{false}, nextInterrupted{false};
    auto next = MakeTask([&] {
        nextSawRequest = boost::this_thread::interruption_requested();
        try {
            boost::this_thread::interruption_point();
        } catch (const boost::thread_interrupted&) {
            nextInterrupted = true;
        }
        nextDone = true;
    });
    worker.AddTask(MakeTask([&] {
        started = true;
        sawRequest = Eventually([] { return boost::this_thread::interruption_requested(); });
        // CancelAndClear queues its sync message right after the request; give it ample time.
        std::this_thread::sleep_for(250ms);
        worker.AddTask(next);
    }));
    ASSERT_TRUE(Eventually([&] { return started.load(); }));
    worker.CancelAndClear();
    ASSERT_TRUE(Eventually([&] { return nextDone.load(); }));
    EXPECT_TRUE(sawRequest);
    EXPECT_FALSE(nextSawRequest);
    EXPECT_FALSE(nextInterrupted);
}

// The window's pattern: cancel, then queue the next file's read at once; repeated so that the
// worker's return to its queue races the new task in every order.
TEST(CWorkingThread, TaskQueuedRightAfterCancelRunsUninterrupted)
{
    CWorkingThread worker;
    std::atomic<int> interrupted{0}, completed{0};
    for (int round = 0; round < 300; ++round) {
        std::atomic<bool> started{false};
        worker.AddTask(MakeTask([&] {
            started = true;
            Eventually([] { return boost::this_thread::interruption_requested(); }, 1000);
        }));
        ASSERT_TRUE(Eventually([&] { return started.load(); }));
        worker.CancelAndClear();
        worker.AddTask(MakeTask([&] {
            try {
                boost::this_thread::interruption_point();
                ++completed;
            } catch (const boost::thread_interrupted&) {
                ++interrupted;
            }
        }));
    }
    ASSERT_TRUE(Eventually([&] { return completed + interrupted == 300; }));
    EXPECT_EQ(interrupted, 0);
}

TEST(CWorkingThread, DestroyingDuringALongTaskStopsItAndRunsNothingQueued)
{
    EventLog log;
    std::atomic<bool> started{false};
    auto worker = std::make_unique<CWorkingThread>();
    worker->AddTask(LongTask(eStopStyle::PollsInterruptionPoints, started, log, "long"));
    worker->AddTask(MakeTask([&] { log.Add("queued"); }));
    ASSERT_TRUE(Eventually([&] { return started.load(); }));
    worker.reset();
    EXPECT_EQ(log.Joined(), "long interrupted");
}
