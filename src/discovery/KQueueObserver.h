#pragma once

#include <QString>

// What the file-change monitor tells about a watched descriptor.
class KQueueObserver
{
public:
    virtual ~KQueueObserver() = default;
    virtual void kQueueChangedItem(int fd) = 0;
    virtual void kQueueMovedItem(int fd, const QString& newPath) = 0;
    virtual void kQueueRenamedItem(int fd, const QString& newPath) = 0;
    virtual void kQueueDeletedItem(int fd) = 0;
};
