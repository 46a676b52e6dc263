#include "hierarchy/CFileFilterByDirectory.h"

CFileFilterByDirectory::~CFileFilterByDirectory() = default;

void CFileFilterByDirectory::AddDirectory(const QString& path)
{
    mDirectories.insert(CFSDescriptor(path));
}

bool CFileFilterByDirectory::SomeDirectoryIsAncestorOf(const CFSDescriptor& descriptor) const
{
    for (const CFSDescriptor& directory : mDirectories) {
        // The set is ordered by depth first: nothing further on can be an ancestor.
        if (directory.Depth() >= descriptor.Depth())
            break;
        if (directory.IsAncestorOf(descriptor))
            return true;
    }
    return false;
}
