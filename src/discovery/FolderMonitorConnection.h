#pragma once

#include "thread/NotificationCenter.h"

#include <memory>

class FolderMonitor;
class FolderMonitorObserver;

// Hands the monitor's reports to one observer for as long as the handler lives.
class FolderMonitorConnection
{
public:
    explicit FolderMonitorConnection(FolderMonitorObserver* observer,
                                     std::shared_ptr<FolderMonitor> monitor = {});
    void processNotification(const Notification& notification);
    const std::shared_ptr<FolderMonitor>& monitor() const { return mMonitor; }

private:
    FolderMonitorObserver* mObserver;
    std::shared_ptr<FolderMonitor> mMonitor;
    ScopedObserver mSubscription;
};
