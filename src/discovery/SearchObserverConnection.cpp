#include "discovery/SearchObserverConnection.h"

#include "discovery/BrushFileSearch.h"
#include "discovery/FSObserver.h"

SearchObserverConnection::SearchObserverConnection(FSObserver* observer, BrushFileSearch* query)
    : mQuery(query), mObserver(observer),
      mSubscription(BrushFileSearch::kPrivateBrushFileSearchNotification, query,
                    [this](const Notification& n) { processNotification(n); })
{}

void SearchObserverConnection::processNotification(const Notification& notification)
{
    const QVariantMap& info = notification.userInfo();
    const auto id = info.constFind(BrushFileSearch::kNotificationIDKey);
    if (id == info.constEnd() || !mObserver)
        return;
    const QStringList paths = info.value(BrushFileSearch::kPathsKey).toStringList();
    const QStringList newPaths = info.value(BrushFileSearch::kNewPathsKey).toStringList();
    const int count = info.value(BrushFileSearch::kCountKey, 0).toInt();
    FileNodeFlagsList flags;
    for (const QVariant& value : info.value(BrushFileSearch::kFlagsKey).toList()) {
        const QByteArray byte = value.toByteArray();
        flags.push_back(FileNodeFlags{byte.isEmpty() ? std::uint8_t(0) : std::uint8_t(byte[0])});
    }
    switch (id->toInt()) {
    case BrushFileSearch::eFirstPhaseProgress:
        mObserver->queryFirstPhaseProgress(count);
        break;
    case BrushFileSearch::eFirstPhaseFinished:
        mObserver->finishedQueryFirstPhase();
        break;
    case BrushFileSearch::eItemsAdded:
        mObserver->addItems(paths, flags);
        break;
    case BrushFileSearch::eItemDeleted:
        mObserver->deleteItems(paths);
        break;
    case BrushFileSearch::eItemRenamed:
        mObserver->renameItems(paths, newPaths);
        break;
    case BrushFileSearch::eItemsMoved:
        mObserver->moveItems(paths, newPaths, flags);
        break;
    case BrushFileSearch::eItemsChanged:
        mObserver->changedItems(paths);
        break;
    default:
        break;
    }
}
