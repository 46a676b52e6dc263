#pragma once

// ThreadSanitizer only sees synchronisation it can instrument. Qt's event queue is guarded by a
// futex-based mutex inside the uninstrumented Qt library, so an object posted from one thread
// and handled on another looks unsynchronised to it. These two calls state the edge the queue
// really provides: everything the posting thread did before handing the object off happens
// before whatever the receiving thread does after taking it over. Outside sanitizer builds they
// are empty.

#if defined(__SANITIZE_THREAD__)
#define KELBRIN_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KELBRIN_TSAN 1
#endif
#endif

#ifdef KELBRIN_TSAN
#include <sanitizer/tsan_interface.h>
inline void ThreadSanitizerHandOff(const void* object)
{
    __tsan_release(const_cast<void*>(object));
}
inline void ThreadSanitizerTakeOver(const void* object)
{
    __tsan_acquire(const_cast<void*>(object));
}
#else
inline void ThreadSanitizerHandOff(const void*) {}
inline void ThreadSanitizerTakeOver(const void*) {}
#endif
