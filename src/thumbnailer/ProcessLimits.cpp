#include "thumbnailer/ProcessLimits.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/time.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KELBRIN_SANITIZED_SHADOW 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define KELBRIN_SANITIZED_SHADOW 1
#endif
#endif

namespace {
volatile sig_atomic_t gDeadlineExitCode = 1;

void OnDeadline(int)
{
    static const char message[] = "kelbrin-thumbnailer: gave up: the file takes too long to read\n";
    (void)!write(STDERR_FILENO, message, sizeof message - 1);
    _exit(gDeadlineExitCode);
}

#ifdef KELBRIN_SANITIZED_SHADOW
constexpr int kSlowdown = 10;
#else
constexpr int kSlowdown = 1;
#endif

void SetTimer(int which, int milliseconds)
{
    itimerval timer{};
    timer.it_value.tv_sec = milliseconds / 1000;
    timer.it_value.tv_usec = (milliseconds % 1000) * 1000;
    setitimer(which, &timer, nullptr);
}
} // namespace

void CapAddressSpace(size_t bytes)
{
#ifdef KELBRIN_SANITIZED_SHADOW
    (void)bytes;
#else
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0)
        return;
    // A lower cap set by whoever started us stays.
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur <= bytes)
        return;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_AS, &limit);
#endif
}

void StartDeadline(int cpuMilliseconds, int wallMilliseconds, int exitCode)
{
    gDeadlineExitCode = exitCode;
    struct sigaction action = {};
    action.sa_handler = OnDeadline;
    sigemptyset(&action.sa_mask);
    sigaction(SIGPROF, &action, nullptr);
    sigaction(SIGALRM, &action, nullptr);
    SetTimer(ITIMER_PROF, cpuMilliseconds * kSlowdown);
    SetTimer(ITIMER_REAL, wallMilliseconds * kSlowdown);
}

void StopDeadline()
{
    SetTimer(ITIMER_PROF, 0);
    SetTimer(ITIMER_REAL, 0);
}
