#pragma once

// Marks a hand-over from one thread to another that travels through Qt's event queue. Qt 6.4
// guards that queue with a futex-based mutex that ThreadSanitizer cannot see, so without these
// marks everything a worker builds and the main thread later reads looks like a data race.
// They compile to nothing outside ThreadSanitizer builds.
#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
inline void TsanHandOver(const void* token)
{
    __tsan_release(const_cast<void*>(token));
}
inline void TsanTakeOver(const void* token)
{
    __tsan_acquire(const_cast<void*>(token));
}
#else
inline void TsanHandOver(const void*) {}
inline void TsanTakeOver(const void*) {}
#endif
