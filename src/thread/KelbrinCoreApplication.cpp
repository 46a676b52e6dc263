#include "thread/KelbrinCoreApplication.h"

#include "platform/ThreadSanitizerHandOff.h"
#include "thread/NotificationEvent.h"

bool RouteNotificationEvent(QEvent* event)
{
    // Events may come from any thread; the carriers' handover is declared where they are posted.
    ThreadSanitizerTakeOver(event);
    if (event->type() != NotificationEvent::eventType())
        return false;
    NotificationEvent::handleEvent(event);
    return true;
}

KelbrinCoreApplication::KelbrinCoreApplication(int& argc, char** argv)
    : QCoreApplication(argc, argv)
{}

bool KelbrinCoreApplication::event(QEvent* event)
{
    if (RouteNotificationEvent(event))
        return true;
    return QCoreApplication::event(event);
}
