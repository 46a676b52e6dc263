#pragma once

#include "thread/NotificationCenter.h"

class FSObserver;
class BrushFileSearch;

// Turns one search's notifications into calls on one observer, for as long as it lives.
class SearchObserverConnection
{
public:
    SearchObserverConnection(FSObserver* observer, BrushFileSearch* query);
    void processNotification(const Notification& notification);

private:
    BrushFileSearch* mQuery;
    FSObserver* mObserver;
    ScopedObserver mSubscription;
};
