#include "discovery/KQueueMonitorNotificationHandler.h"

#include "discovery/KQueueMonitor.h"
#include "discovery/KQueueObserver.h"

KQueueMonitorNotificationHandler::KQueueMonitorNotificationHandler(
    KQueueObserver* observer, std::shared_ptr<KQueueMonitor> monitor)
    : mObserver(observer), mMonitor(monitor ? std::move(monitor) : KQueueMonitor::monitor())
{
    mSubscription = ScopedObserver(KQueueMonitor::kQueueMonitorNotificationName, mMonitor.get(),
                                   [this](const Notification& n) { processNotification(n); });
}

void KQueueMonitorNotificationHandler::processNotification(const Notification& notification)
{
    const QVariantMap& info = notification.userInfo();
    if (info.isEmpty() || !info.contains(KQueueMonitor::kMessageKey) ||
        !info.contains(KQueueMonitor::kFDKey) || !mObserver)
        return;
    const int fd = info.value(KQueueMonitor::kFDKey).toInt();
    const int message = info.value(KQueueMonitor::kMessageKey).toInt();
    if (message == KQueueMonitor::eRenamed || message == KQueueMonitor::eMoved) {
        if (!info.contains(KQueueMonitor::kNewPathKey))
            return;
        const QString newPath = info.value(KQueueMonitor::kNewPathKey).toString();
        if (message == KQueueMonitor::eRenamed)
            mObserver->kQueueRenamedItem(fd, newPath);
        else
            mObserver->kQueueMovedItem(fd, newPath);
    } else if (message == KQueueMonitor::eDeleted) {
        mObserver->kQueueDeletedItem(fd);
    }
}
