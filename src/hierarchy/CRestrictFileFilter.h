#pragma once

#include "hierarchy/CFileFilterByDirectory.h"

// Lets through only what lies below one of its folders; nothing at all while it has none.
class CRestrictFileFilter : public CFileFilterByDirectory
{
public:
    bool Allow(const CFSDescriptor& descriptor) const override;
};
