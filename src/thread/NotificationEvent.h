#pragma once

#include "thread/Notification.h"

#include <QEvent>
#include <functional>

// Carries a notification from any thread to the main thread inside an event posted to the
// application object. Unlike a queued call, pending carriers can all be dropped at once, which
// is how a cancelled read's left-overs are kept away from the next file.
class NotificationEvent
{
public:
    static constexpr quint32 NotificationEventTag = 0x4E6F7466; // 'Notf'

    NotificationEvent(QString name, std::shared_ptr<const void> object, QVariantMap userInfo);

    const QString& getName() const { return mName; }
    const std::shared_ptr<const void>& getObject() const { return mObject; }
    const QVariantMap& getUserInfo() const { return mUserInfo; }

    // Any thread. Never blocks.
    static void postNotificationWithName(const QString& name, std::shared_ptr<const void> object,
                                         const QVariantMap& userInfo = {});
    // Main thread: delivers the carrier to the notification centre. False when the event is
    // not one of ours; it is dropped either way.
    static bool handleEvent(QEvent* event);
    // Main thread: drops every pending carrier without delivering it.
    static void clearAll();

    // The application-defined event type the carriers travel in.
    static QEvent::Type eventType();

    // Tests use this to act at an exact point of a background read (say, stop it right after
    // its second brush went out). Called on the posting thread after each post; set it only
    // while no thread is posting.
    using PostHook = std::function<void(const QString& name)>;
    static void setPostHookForTesting(PostHook hook);

private:
    QString mName;
    std::shared_ptr<const void> mObject;
    QVariantMap mUserInfo;
};

// The application-defined event itself; owns its carrier.
class ApplicationDefinedEvent : public QEvent
{
public:
    ApplicationDefinedEvent(quint32 data1, std::unique_ptr<NotificationEvent> data2);
    ~ApplicationDefinedEvent() override;

    quint32 data1() const { return mData1; }
    std::unique_ptr<NotificationEvent> takeData2() { return std::move(mData2); }
    qint64 timestamp() const { return mTimestamp; }

private:
    quint32 mData1;
    std::unique_ptr<NotificationEvent> mData2;
    qint64 mTimestamp;
};
