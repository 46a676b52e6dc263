#pragma once

#include <QMetaObject>

class FolderMonitor;
class FolderMonitorObserver;
struct FolderMonitorReport;

// Hands a monitor's reports to one observer for as long as the connection lives.
class FolderMonitorConnection
{
public:
    FolderMonitorConnection(FolderMonitorObserver* observer, FolderMonitor* monitor);
    ~FolderMonitorConnection();
    FolderMonitorConnection(const FolderMonitorConnection&) = delete;
    FolderMonitorConnection& operator=(const FolderMonitorConnection&) = delete;

    static void deliver(const FolderMonitorReport& report, FolderMonitorObserver& observer);

private:
    QMetaObject::Connection mConnection;
};
