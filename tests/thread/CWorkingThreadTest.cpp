#include "WorkerTestUtil.h"

#include <boost/thread/thread.hpp>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/futex.h>
#include <stdexcept>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

using namespace std::chrono_literals;

// The logs below are written by the worker only and read once CancelAndClear, RunsThrough or
// the worker's end has ordered those writes before the read.
namespace {
// Runs until cancelled, noticing it either at interruption points or in an interruptible wait.
CWorkingThread::TaskPtr LongTask(bool blocks, std::atomic<bool>& started, std::string& log)
{
    return MakeTask([&started, &log, blocks] {
        started = true;
        try {
            // About 20 s if never cancelled; the log then stays empty and the test fails.
            for (int i = 0; i < (blocks ? 1 : 20000); ++i) {
                if (blocks)
                    boost::this_thread::sleep_for(boost::chrono::seconds(20));
                boost::this_thread::interruption_point();
                std::this_thread::sleep_for(1ms);
            }
        } catch (const boost::thread_interrupted&) {
            log += "long interrupted ";
            throw;
        }
    });
}
} // namespace

TEST(CWorkingThread, RunsTasksInQueueOrderEachToItsEndWhateverTheOthersThrow)
{
    CWorkingThread worker;
    worker.CancelAndClear(); // on an idle worker: returns, and the worker goes on working
    std::string log;
    const std::vector<std::function<void()>> throwers = {
        [] { throw -39; }, [] { throw std::runtime_error("task failed"); },
        [] { throw std::bad_alloc(); }, [] { throw boost::thread_interrupted(); }};
    char name = 'A';
    for (const auto& thrower : throwers) {
        worker.AddTask(MakeTask([&log, name] {
            log += name;
            std::this_thread::sleep_for(2ms);
            log += name;
        }));
        worker.AddTask(MakeTask(thrower));
        ++name;
    }
    ASSERT_TRUE(RunsThrough(worker));
    EXPECT_EQ(log, "AABBCCDD");
}

class CWorkingThreadCancel : public ::testing::TestWithParam<bool>
{
};

// CancelAndClear, and then the worker's end, each stop the running task and drop the queued ones.
TEST_P(CWorkingThreadCancel, DropsQueuedTasksAndReturnsOnceTheRunningOneHasStopped)
{
    auto worker = std::make_unique<CWorkingThread>();
    std::string log;
    std::atomic<bool> started{false};
    worker->AddTask(LongTask(GetParam(), started, log));
    std::vector<boost::weak_ptr<CWorkingThread::CThreadTask>> queued;
    for (int i = 0; i < 3; ++i) {
        auto task = MakeTask([&log] { log += "queued "; });
        queued.push_back(task);
        worker->AddTask(task);
    }
    ASSERT_TRUE(Eventually([&] { return started.load(); }));
    worker->CancelAndClear();
    // On return the running task has ended, and the queue has let go of the dropped tasks.
    EXPECT_EQ(log, "long interrupted ");
    for (const auto& task : queued)
        EXPECT_TRUE(task.expired());
    ASSERT_TRUE(RunsThrough(*worker));

    started = false;
    worker->AddTask(LongTask(GetParam(), started, log));
    worker->AddTask(MakeTask([&] { log += "queued"; }));
    ASSERT_TRUE(Eventually([&] { return started.load(); }));
    worker.reset();
    EXPECT_EQ(log, "long interrupted long interrupted ");
}

INSTANTIATE_TEST_SUITE_P(PollingOrBlocked, CWorkingThreadCancel, ::testing::Bool());

namespace {
// Whether the thread is asleep in a condition-variable wait: glibc's pthread_cond_wait sleeps in
// futex(FUTEX_WAIT_BITSET), where locking a mutex sleeps in futex(FUTEX_WAIT) instead.
bool AsleepInConditionWait(pid_t thread)
{
    std::ifstream file("/proc/self/task/" + std::to_string(thread) + "/syscall");
    long number = -1;
    std::string arguments[2];
    if (!(file >> number >> arguments[0] >> arguments[1]) || number != SYS_futex)
        return false;
    const unsigned long operation = std::stoul(arguments[1], nullptr, 16);
    return (operation & FUTEX_CMD_MASK) == FUTEX_WAIT_BITSET;
}
} // namespace

// The cancelled task returns without passing an interruption point: CancelAndClear waits for
// it all the same, and the request is still pending when the worker comes back to its queue. The
// next task must not inherit it. To make the worst order certain, the next task is queued (from the
// worker itself) only once the owner sleeps in CancelAndClear's wait, which it enters after
// queuing the sync message: the worker then reaches the next task without ever waiting on an
// empty queue.
TEST(CWorkingThread, LeftOverInterruptionRequestDoesNotCancelTheNextTask)
{
    CWorkingThread worker;
    const pid_t owner = gettid();
    std::atomic<bool> started{false}, sawRequest{false}, ownerWaiting{false}, ended{false};
    std::atomic<bool> nextDone{false}, nextSawRequest{true};
    auto next = MakeTask([&] {
        nextSawRequest = boost::this_thread::interruption_requested();
        boost::this_thread::interruption_point();
        nextDone = true;
    });
    worker.AddTask(MakeTask([&] {
        started = true;
        sawRequest = Eventually([] { return boost::this_thread::interruption_requested(); });
        ownerWaiting = Eventually([owner] { return AsleepInConditionWait(owner); });
        worker.AddTask(next);
        ended = true;
    }));
    ASSERT_TRUE(Eventually([&] { return started.load(); }));
    worker.CancelAndClear();
    EXPECT_TRUE(ended);
    ASSERT_TRUE(RunsThrough(worker));
    ASSERT_TRUE(sawRequest && ownerWaiting) << "the order the test needs was not reached";
    EXPECT_TRUE(nextDone);
    EXPECT_FALSE(nextSawRequest);
}
