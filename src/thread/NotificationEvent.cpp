#include "thread/NotificationEvent.h"

#include "platform/ThreadSanitizerHandOff.h"

#include <QCoreApplication>

namespace {
NotificationEvent::PostHook gPostHook;
}

BrushReadingNotifications& BrushReadingNotifications::instance()
{
    static BrushReadingNotifications notifications;
    return notifications;
}

void NotificationEvent::setPostHookForTesting(PostHook hook)
{
    gPostHook = std::move(hook);
}

QEvent::Type NotificationEvent::eventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

NotificationCarrierEvent::NotificationCarrierEvent(std::unique_ptr<NotificationEvent> carrier)
    : QEvent(NotificationEvent::eventType()), mCarrier(std::move(carrier))
{}

NotificationCarrierEvent::~NotificationCarrierEvent()
{
    // Also reached when clearAll has the queue delete the event unseen.
    ThreadSanitizerTakeOver(this);
}

void NotificationEvent::post(Report report)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return; // No main loop to deliver to (the program is shutting down).
    auto* event = new NotificationCarrierEvent(std::make_unique<NotificationEvent>(report));
    ThreadSanitizerHandOff(event);
    QCoreApplication::postEvent(app, event, Qt::NormalEventPriority);
    if (gPostHook)
        gPostHook(report);
}

bool NotificationEvent::handleEvent(QEvent* event)
{
    if (event->type() != eventType())
        return false;
    const std::unique_ptr<NotificationEvent> carrier =
        static_cast<NotificationCarrierEvent*>(event)->takeCarrier();
    if (!carrier)
        return false;
    BrushReadingNotifications& notifications = BrushReadingNotifications::instance();
    if (const auto* add = std::get_if<AddBrush>(&carrier->mReport))
        Q_EMIT notifications.addBrush(*add);
    else if (const auto* pattern = std::get_if<AddPattern>(&carrier->mReport))
        Q_EMIT notifications.addPattern(*pattern);
    else
        Q_EMIT notifications.finishedReadingFile(std::get<FinishedReadingFile>(carrier->mReport));
    return true;
}

void NotificationEvent::clearAll()
{
    // The queue deletes each removed event, and with it its carrier and the carrier's brush.
    if (QCoreApplication* app = QCoreApplication::instance())
        QCoreApplication::removePostedEvents(app, eventType());
}
