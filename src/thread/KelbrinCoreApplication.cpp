#include "thread/KelbrinCoreApplication.h"

#include "thread/NotificationEvent.h"

bool RouteApplicationDefinedEvent(QEvent* event)
{
    if (event->type() != NotificationEvent::eventType())
        return false;
    NotificationEvent::handleEvent(event);
    return true;
}

KelbrinCoreApplication::KelbrinCoreApplication(int& argc, char** argv)
    : QCoreApplication(argc, argv)
{
}

bool KelbrinCoreApplication::event(QEvent* event)
{
    if (RouteApplicationDefinedEvent(event))
        return true;
    return QCoreApplication::event(event);
}
