#pragma once

#include "thread/NotificationCenter.h"

#include <memory>

class KQueueMonitor;
class KQueueObserver;

// Hands the monitor's reports to one observer for as long as the handler lives.
class KQueueMonitorNotificationHandler
{
public:
    explicit KQueueMonitorNotificationHandler(KQueueObserver* observer,
                                              std::shared_ptr<KQueueMonitor> monitor = {});
    void processNotification(const Notification& notification);
    const std::shared_ptr<KQueueMonitor>& monitor() const { return mMonitor; }

private:
    KQueueObserver* mObserver;
    std::shared_ptr<KQueueMonitor> mMonitor;
    ScopedObserver mSubscription;
};
