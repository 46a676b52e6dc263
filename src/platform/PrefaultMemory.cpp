#include "platform/PrefaultMemory.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

void PrefaultMemory(void* start, size_t length)
{
#ifdef MADV_POPULATE_WRITE
    static const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    // madvise takes whole pages: the pages wholly inside the block.
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(start) + page - 1) & ~(page - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + length) & ~(page - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    (void)start;
    (void)length;
#endif
}
