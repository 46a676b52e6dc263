#pragma once

#include <QString>

// What the folder monitor tells about a registered folder, by its handle.
class FolderMonitorObserver
{
public:
    virtual ~FolderMonitorObserver() = default;
    virtual void folderMoved(int handle, const QString& newPath) = 0;
    virtual void folderRenamed(int handle, const QString& newPath) = 0;
    virtual void folderDeleted(int handle) = 0;
};
