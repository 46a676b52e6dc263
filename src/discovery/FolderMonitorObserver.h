#pragma once

#include <QString>

// What the file-change monitor tells about a watched descriptor.
class FolderMonitorObserver
{
public:
    virtual ~FolderMonitorObserver() = default;
    virtual void folderChanged(int fd) = 0;
    virtual void folderMoved(int fd, const QString& newPath) = 0;
    virtual void folderRenamed(int fd, const QString& newPath) = 0;
    virtual void folderDeleted(int fd) = 0;
};
