#pragma once

#include "thread/NotificationCenter.h"

class FSObserver;
class SpotlightQuery;

// Turns one search's notifications into calls on one observer, for as long as it lives.
class SpotlightQueryNotificationHandler
{
public:
    SpotlightQueryNotificationHandler(FSObserver* observer, SpotlightQuery* query);
    void processNotification(const Notification& notification);

private:
    SpotlightQuery* mQuery;
    FSObserver* mObserver;
    ScopedObserver mSubscription;
};
