#include "hierarchy/CRestrictFileFilter.h"

bool CRestrictFileFilter::Allow(const CFSDescriptor& descriptor) const
{
    return SomeDirectoryIsAncestorOf(descriptor);
}
