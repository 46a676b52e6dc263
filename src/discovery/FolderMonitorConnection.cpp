#include "discovery/FolderMonitorConnection.h"

#include "discovery/FolderMonitor.h"
#include "discovery/FolderMonitorObserver.h"

FolderMonitorConnection::FolderMonitorConnection(FolderMonitorObserver* observer,
                                                 std::shared_ptr<FolderMonitor> monitor)
    : mObserver(observer), mMonitor(monitor ? std::move(monitor) : FolderMonitor::monitor())
{
    mSubscription = ScopedObserver(FolderMonitor::kQueueMonitorNotificationName, mMonitor.get(),
                                   [this](const Notification& n) { processNotification(n); });
}

void FolderMonitorConnection::processNotification(const Notification& notification)
{
    const QVariantMap& info = notification.userInfo();
    if (info.isEmpty() || !info.contains(FolderMonitor::kMessageKey) ||
        !info.contains(FolderMonitor::kFDKey) || !mObserver)
        return;
    const int fd = info.value(FolderMonitor::kFDKey).toInt();
    const int message = info.value(FolderMonitor::kMessageKey).toInt();
    if (message == FolderMonitor::eRenamed || message == FolderMonitor::eMoved) {
        if (!info.contains(FolderMonitor::kNewPathKey))
            return;
        const QString newPath = info.value(FolderMonitor::kNewPathKey).toString();
        if (message == FolderMonitor::eRenamed)
            mObserver->folderRenamed(fd, newPath);
        else
            mObserver->folderMoved(fd, newPath);
    } else if (message == FolderMonitor::eDeleted) {
        mObserver->folderDeleted(fd);
    }
}
