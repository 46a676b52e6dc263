#include "discovery/SearchObserverConnection.h"

#include "discovery/BrushFileSearch.h"
#include "discovery/FSObserver.h"

SearchObserverConnection::SearchObserverConnection(FSObserver* observer, BrushFileSearch* search)
    : mConnection(
          QObject::connect(search, &BrushFileSearch::reported,
                           [observer](const SearchReport& report) { deliver(report, *observer); }))
{}

SearchObserverConnection::~SearchObserverConnection()
{
    QObject::disconnect(mConnection);
}

void SearchObserverConnection::deliver(const SearchReport& report, FSObserver& observer)
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
