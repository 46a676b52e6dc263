#include "platform/BackgroundPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
// From linux/ioprio.h, which glibc does not wrap.
constexpr int kIoprioWhoProcess = 1; // a thread id counts as a process id here
constexpr int kIoprioClassIdle = 3;
constexpr int kIoprioClassShift = 13;
} // namespace

void LowerThreadToBackground()
{
    const pid_t thread = pid_t(syscall(SYS_gettid));
    // On Linux, nice values belong to threads: PRIO_PROCESS with a thread id sets that thread's.
    (void)setpriority(PRIO_PROCESS, id_t(thread), 19);
    (void)syscall(SYS_ioprio_set, kIoprioWhoProcess, thread, kIoprioClassIdle << kIoprioClassShift);
}
