#pragma once

#include "hierarchy/CFileFilterByDirectory.h"

// Lets through everything that does not lie below one of its folders.
class CExcludeFileFilter : public CFileFilterByDirectory
{
public:
    bool Allow(const CFSDescriptor& descriptor) const override;
};
