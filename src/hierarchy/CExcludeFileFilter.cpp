#include "hierarchy/CExcludeFileFilter.h"

bool CExcludeFileFilter::Allow(const CFSDescriptor& descriptor) const
{
    return !SomeDirectoryIsAncestorOf(descriptor);
}
