#include "thread/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(const QString& name, const void* object,
                                                          Handler handler)
{
    const Token token = mNextToken++;
    mObservers.push_back({token, name, object, std::make_shared<Handler>(std::move(handler))});
    return token;
}

void NotificationCenter::removeObserver(Token token)
{
    mObservers.erase(std::remove_if(mObservers.begin(), mObservers.end(),
                                    [token](const Observer& o) { return o.token == token; }),
                     mObservers.end());
}

void NotificationCenter::post(const Notification& notification)
{
    // Observers may add or remove observers while being called: work on a snapshot, and skip
    // any observer that was removed by an earlier one.
    const std::vector<Observer> snapshot = mObservers;
    for (const Observer& observer : snapshot) {
        if (!observer.name.isEmpty() && observer.name != notification.name())
            continue;
        if (observer.object && observer.object != notification.object().get())
            continue;
        const bool stillRegistered =
            std::any_of(mObservers.begin(), mObservers.end(),
                        [&](const Observer& o) { return o.token == observer.token; });
        if (stillRegistered)
            (*observer.handler)(notification);
    }
}

void NotificationCenter::postNotificationName(const QString& name,
                                              std::shared_ptr<const void> object,
                                              const QVariantMap& userInfo)
{
    post(Notification(name, std::move(object), userInfo));
}
