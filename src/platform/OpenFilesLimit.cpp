#include "platform/OpenFilesLimit.h"

#include <sys/resource.h>

int ClampMaxOpenFolders(int requested)
{
    if (requested <= 1023)
        return 1024;
    if (requested > 5000)
        return 5000;
    return requested;
}

long RaiseOpenFilesLimit(int requested)
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 0;
    rlim_t wanted = static_cast<rlim_t>(ClampMaxOpenFolders(requested));
    if (limit.rlim_max != RLIM_INFINITY && wanted > limit.rlim_max)
        wanted = limit.rlim_max;
    // Whoever started us may have given more already (ulimit -n 65536); that stays.
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted) {
        limit.rlim_cur = wanted;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 0;
    return static_cast<long>(limit.rlim_cur);
}
