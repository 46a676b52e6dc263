#include "discovery/FolderMonitorConnection.h"

#include "discovery/FolderMonitor.h"
#include "discovery/FolderMonitorObserver.h"

FolderMonitorConnection::FolderMonitorConnection(FolderMonitorObserver* observer,
                                                 FolderMonitor* monitor)
    : mConnection(QObject::connect(
          monitor, &FolderMonitor::folderReported,
          [observer](const FolderMonitorReport& report) { deliver(report, *observer); }))
{}

FolderMonitorConnection::~FolderMonitorConnection()
{
    QObject::disconnect(mConnection);
}

void FolderMonitorConnection::deliver(const FolderMonitorReport& report,
                                      FolderMonitorObserver& observer)
{
    switch (report.kind) {
    case FolderMonitorReport::eRenamed:
        observer.folderRenamed(report.handle, report.newPath);
        break;
    case FolderMonitorReport::eMoved:
        observer.folderMoved(report.handle, report.newPath);
        break;
    case FolderMonitorReport::eDeleted:
        observer.folderDeleted(report.handle);
        break;
    }
}
