#include "thread/NotificationEvent.h"

#include "platform/ThreadSanitizerHandOff.h"
#include "thread/NotificationCenter.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {
NotificationEvent::PostHook gPostHook;
}

void NotificationEvent::setPostHookForTesting(PostHook hook)
{
    gPostHook = std::move(hook);
}

NotificationEvent::NotificationEvent(QString name, std::shared_ptr<const void> object,
                                     QVariantMap userInfo)
    : mName(std::move(name)), mObject(std::move(object)), mUserInfo(std::move(userInfo))
{}

QEvent::Type NotificationEvent::eventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

ApplicationDefinedEvent::ApplicationDefinedEvent(quint32 data1,
                                                 std::unique_ptr<NotificationEvent> data2)
    : QEvent(NotificationEvent::eventType()), mData1(data1), mData2(std::move(data2)),
      mTimestamp(QDateTime::currentMSecsSinceEpoch())
{}

ApplicationDefinedEvent::~ApplicationDefinedEvent()
{
    // Also reached when clearAll has the queue delete the event unseen.
    ThreadSanitizerTakeOver(this);
}

void NotificationEvent::postNotificationWithName(const QString& name,
                                                 std::shared_ptr<const void> object,
                                                 const QVariantMap& userInfo)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return; // No main loop to deliver to (the program is shutting down).
    auto carrier = std::make_unique<NotificationEvent>(name, std::move(object), userInfo);
    auto* event = new ApplicationDefinedEvent(NotificationEventTag, std::move(carrier));
    ThreadSanitizerHandOff(event);
    QCoreApplication::postEvent(app, event, Qt::NormalEventPriority);
    if (gPostHook)
        gPostHook(name);
}

bool NotificationEvent::handleEvent(QEvent* event)
{
    if (event->type() != eventType())
        return false;
    auto* appEvent = static_cast<ApplicationDefinedEvent*>(event);
    if (appEvent->data1() != NotificationEventTag)
        return false;
    std::unique_ptr<NotificationEvent> carrier = appEvent->takeData2();
    if (!carrier)
        return false;
    NotificationCenter::defaultCenter().post(
        Notification(carrier->mName, carrier->mObject, carrier->mUserInfo));
    return true;
}

void NotificationEvent::clearAll()
{
    // The queue deletes each removed event, and with it its carrier and the carrier's object.
    if (QCoreApplication* app = QCoreApplication::instance())
        QCoreApplication::removePostedEvents(app, eventType());
}
