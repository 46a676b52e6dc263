#include "platform/BackgroundPriority.h"

#include "platform/ThreadSanitizerHandOff.h"

#include <QSemaphore>
#include <QThreadPool>
#include <cstdint>
#include <functional>
#include <memory>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
// From linux/ioprio.h, which glibc does not wrap.
constexpr int kIoprioWhoProcess = 1; // a thread id counts as a process id here
constexpr int kIoprioClassIdle = 3;
constexpr int kIoprioClassShift = 13;

// linux/sched/types.h's first version of the structure, which cannot be included beside
// glibc's sched.h.
struct SchedulerAttributes
{
    std::uint32_t size;
    std::uint32_t policy;
    std::uint64_t flags;
    std::int32_t nice;
    std::uint32_t priority;
    std::uint64_t runtime;
    std::uint64_t deadline;
    std::uint64_t period;
};

// 0 gives the kernel's default slice back.
void SetTimeSlice(std::uint64_t nanoseconds)
{
    SchedulerAttributes attr{};
    attr.size = sizeof attr;
    attr.policy = SCHED_OTHER;
    attr.nice = getpriority(PRIO_PROCESS, 0); // the calling thread's, on Linux
    attr.runtime = nanoseconds;
    (void)syscall(SYS_sched_setattr, 0, &attr, 0);
}
} // namespace

void LowerThreadToBackground()
{
    const pid_t thread = pid_t(syscall(SYS_gettid));
    // On Linux, nice values belong to threads: PRIO_PROCESS with a thread id sets that thread's.
    (void)setpriority(PRIO_PROCESS, id_t(thread), 19);
    (void)syscall(SYS_ioprio_set, kIoprioWhoProcess, thread, kIoprioClassIdle << kIoprioClassShift);
    UseDefaultWakeUps();
}

void PreferPromptWakeUps()
{
    // Shorter than the kernel's default of 0.7 ms times a factor that grows with the cores.
    SetTimeSlice(500000);
}

void UseDefaultWakeUps()
{
    SetTimeSlice(0);
}

void StartQtPoolThreadsHere()
{
    QThreadPool* pool = QThreadPool::globalInstance();
    if (!pool)
        return;
    // Kept: a thread that went after its idle time would be started again by whoever next
    // hands the pool work.
    pool->setExpiryTimeout(-1);
    // Each task holds its thread until every one has started, so that the pool wakes each idle
    // thread and starts a new one for each task beyond them, up to its limit. A busy pool takes
    // no more and is left alone.
    struct Meeting
    {
        QSemaphore arrived;
        QSemaphore leave;
    };
    const auto meeting = std::make_shared<Meeting>();
    // The pool hands tasks over under a lock the sanitizer cannot see.
    static const int handOff = 0;
    int tasks = 0;
    while (tasks < pool->maxThreadCount()) {
        std::function<void()> task = [meeting] {
            ThreadSanitizerTakeOver(&handOff);
            meeting->arrived.release();
            meeting->leave.acquire();
        };
        ThreadSanitizerHandOff(&handOff);
        if (!pool->tryStart(std::move(task)))
            break;
        ++tasks;
    }
    meeting->arrived.acquire(tasks);
    meeting->leave.release(tasks);
}
