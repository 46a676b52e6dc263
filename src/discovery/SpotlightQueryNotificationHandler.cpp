#include "discovery/SpotlightQueryNotificationHandler.h"

#include "discovery/FSObserver.h"
#include "discovery/SpotlightQuery.h"

SpotlightQueryNotificationHandler::SpotlightQueryNotificationHandler(FSObserver* observer,
                                                                     SpotlightQuery* query)
    : mQuery(query), mObserver(observer),
      mSubscription(SpotlightQuery::kPrivateSpotlightQueryNotification, query,
                    [this](const Notification& n) { processNotification(n); })
{}

void SpotlightQueryNotificationHandler::processNotification(const Notification& notification)
{
    const QVariantMap& info = notification.userInfo();
    const auto id = info.constFind(SpotlightQuery::kNotificationIDKey);
    if (id == info.constEnd() || !mObserver)
        return;
    const QStringList paths = info.value(SpotlightQuery::kPathsKey).toStringList();
    const QStringList newPaths = info.value(SpotlightQuery::kNewPathsKey).toStringList();
    const int count = info.value(SpotlightQuery::kCountKey, 0).toInt();
    FileNodeFlagsList flags;
    for (const QVariant& value : info.value(SpotlightQuery::kFlagsKey).toList()) {
        const QByteArray byte = value.toByteArray();
        flags.push_back(FileNodeFlags{byte.isEmpty() ? std::uint8_t(0) : std::uint8_t(byte[0])});
    }
    switch (id->toInt()) {
    case SpotlightQuery::eFirstPhaseProgress:
        mObserver->queryFirstPhaseProgress(count);
        break;
    case SpotlightQuery::eFirstPhaseFinished:
        mObserver->finishedQueryFirstPhase();
        break;
    case SpotlightQuery::eItemsAdded:
        mObserver->addItems(paths, flags);
        break;
    case SpotlightQuery::eItemDeleted:
        mObserver->deleteItems(paths);
        break;
    case SpotlightQuery::eItemRenamed:
        mObserver->renameItems(paths, newPaths);
        break;
    case SpotlightQuery::eItemsMoved:
        mObserver->moveItems(paths, newPaths, flags);
        break;
    case SpotlightQuery::eItemsChanged:
        mObserver->changedItems(paths);
        break;
    default:
        break;
    }
}
