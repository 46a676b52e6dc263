#pragma once

#include "thread/NotificationCenter.h"

#include <QString>
#include <map>
#include <memory>

class FolderWatcher;

// Keeps the path of every watched folder and turns the watcher's rename and delete reports into
// one notification saying renamed in place (1), moved elsewhere (2) or deleted (3), with the
// item's new path found from its descriptor. Main thread only.
class FolderMonitor : public std::enable_shared_from_this<FolderMonitor>
{
public:
    static inline const QString kQueueMonitorNotificationName =
        QStringLiteral("kQueueMonitorNotificationName");
    static inline const QString kFDKey = QStringLiteral("fd");
    static inline const QString kMessageKey = QStringLiteral("message");
    static inline const QString kNewPathKey = QStringLiteral("newPath");
    enum : int
    {
        eRenamed = 1,
        eMoved = 2,
        eDeleted = 3
    };

    // The process's monitor over the shared watcher; never destroyed.
    static std::shared_ptr<FolderMonitor> monitor();
    // A monitor over a watcher of its own (tests).
    static std::shared_ptr<FolderMonitor> create(std::shared_ptr<FolderWatcher> watcher);
    ~FolderMonitor();

    int addFileByPath(const QString& path);
    void removeFileByHandle(int fd);
    const std::map<int, QString>& getMap() const { return mMap; }
    const std::shared_ptr<FolderWatcher>& watcher() const { return mWatcher; }

    void processNotification(const Notification& notification);

private:
    explicit FolderMonitor(std::shared_ptr<FolderWatcher> watcher);
    void subscribe();

    std::shared_ptr<FolderWatcher> mWatcher;
    std::map<int, QString> mMap;
    ScopedObserver mRenameObserver;
    ScopedObserver mDeleteObserver;
};
