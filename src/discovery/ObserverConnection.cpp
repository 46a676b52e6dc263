#include "discovery/ObserverConnection.h"

#include "discovery/BrushFileSearch.h"
#include "discovery/FSObserver.h"
#include "discovery/FolderMonitor.h"
#include "discovery/FolderMonitorObserver.h"

template <typename Source, typename Report, typename Observer>
QMetaObject::Connection ObserverConnection::connectTo(Source* source,
                                                      void (Source::*signal)(const Report&),
                                                      Observer* observer)
{
    return QObject::connect(source, signal,
                            [observer](const Report& report) { deliver(report, *observer); });
}

ObserverConnection::ObserverConnection(FolderMonitorObserver* observer, FolderMonitor* monitor)
    : mConnection(connectTo(monitor, &FolderMonitor::folderReported, observer))
{}

ObserverConnection::ObserverConnection(FSObserver* observer, BrushFileSearch* search)
    : mConnection(connectTo(search, &BrushFileSearch::reported, observer))
{}

ObserverConnection::~ObserverConnection()
{
    QObject::disconnect(mConnection);
}

void ObserverConnection::deliver(const FolderMonitorReport& report, FolderMonitorObserver& observer)
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

void ObserverConnection::deliver(const SearchReport& report, FSObserver& observer)
{
    FileNodeFlagsList flags;
    flags.reserve(report.flags.size());
    for (std::uint8_t byte : report.flags)
        flags.push_back(FileNodeFlags{byte});
    switch (report.kind) {
    case SearchReport::eFirstPhaseProgress:
        observer.queryFirstPhaseProgress(report.count);
        break;
    case SearchReport::eFirstPhaseFinished:
        observer.finishedQueryFirstPhase();
        break;
    case SearchReport::eItemsAdded:
        observer.addItems(report.paths, flags);
        break;
    case SearchReport::eItemDeleted:
        observer.deleteItems(report.paths);
        break;
    case SearchReport::eItemRenamed:
        observer.renameItems(report.paths, report.newPaths);
        break;
    case SearchReport::eItemsMoved:
        observer.moveItems(report.paths, report.newPaths, flags);
        break;
    case SearchReport::eItemsChanged:
        observer.changedItems(report.paths);
        break;
    }
}
