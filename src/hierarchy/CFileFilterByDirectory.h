#pragma once

#include "hierarchy/CFSDescriptor.h"

#include <QString>
#include <set>

// Decides by folder which files belong to an outline. A listed folder matches only what lies
// below it, never itself.
class CFileFilterByDirectory
{
public:
    virtual ~CFileFilterByDirectory();
    virtual bool Allow(const CFSDescriptor& descriptor) const = 0;

    void AddDirectory(const QString& path);

protected:
    bool SomeDirectoryIsAncestorOf(const CFSDescriptor& descriptor) const;

    std::set<CFSDescriptor> mDirectories;
};
