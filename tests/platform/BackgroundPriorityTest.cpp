#include "platform/BackgroundPriority.h"

#include <QSemaphore>
#include <QThreadPool>
#include <cstdint>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {
// The calling thread's time slice as the kernel reports it; 0 where fair threads have none to
// report (kernels before 6.12).
std::uint64_t TimeSlice()
{
    struct
    {
        std::uint32_t size, policy;
        std::uint64_t flags;
        std::int32_t nice;
        std::uint32_t priority;
        std::uint64_t runtime, deadline, period;
    } attr{};
    return syscall(SYS_sched_getattr, 0, &attr, sizeof attr, 0) == 0 ? attr.runtime : 0;
}
} // namespace

// The event loop's request reaches the threads it starts; a background thread gives it back
// and keeps its lowered priority. Each case runs on a thread of its own, which then ends.
TEST(BackgroundPriority, PromptWakeUpsAreInheritedAndGivenBack)
{
    std::uint64_t usual = 0, prompt = 0, inherited = 0, givenBack = 0, background = 0;
    int backgroundNice = 0;
    std::thread([&] {
        usual = TimeSlice();
        PreferPromptWakeUps();
        prompt = TimeSlice();
        std::thread([&] {
            inherited = TimeSlice();
            UseDefaultWakeUps();
            givenBack = TimeSlice();
        }).join();
        std::thread([&] {
            LowerThreadToBackground();
            background = TimeSlice();
            backgroundNice = getpriority(PRIO_PROCESS, 0);
        }).join();
    }).join();
    EXPECT_EQ(backgroundNice, 19);
    if (usual == 0)
        GTEST_SKIP() << "this kernel reports no time slice for ordinary threads";
    EXPECT_LT(prompt, usual);
    EXPECT_EQ(inherited, prompt);
    EXPECT_EQ(givenBack, usual);
    EXPECT_EQ(background, usual);
}

// Work a background thread hands to Qt's pool, as the painter hands it fills, runs at the
// priority of the thread that had the pool start its threads, not at the background's.
TEST(BackgroundPriority, QtPoolThreadsKeepThePriorityTheyWereStartedAt)
{
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->waitForDone(); // and lets the pool's threads go: the next start makes new ones
    StartQtPoolThreadsHere();
    int poolNice = 0;
    std::thread([&] {
        LowerThreadToBackground();
        QSemaphore done;
        pool->start([&] {
            poolNice = getpriority(PRIO_PROCESS, 0);
            done.release();
        });
        done.acquire();
    }).join();
    EXPECT_EQ(poolNice, getpriority(PRIO_PROCESS, 0));
}
