#pragma once

#include "thread/BrushNotifications.h"

#include <QEvent>
#include <functional>
#include <memory>
#include <variant>

// Carries a brush-reading report from any thread to the main thread inside an event posted to
// the application object. Unlike a queued call, pending carriers can all be dropped at once,
// which is how a cancelled read's left-overs are kept away from the next file.
class NotificationEvent
{
public:
    using Report = std::variant<AddBrush, AddPattern, FinishedReadingFile>;

    explicit NotificationEvent(Report report) : mReport(std::move(report)) {}

    const Report& report() const { return mReport; }

    // Any thread. Never blocks. Dropped when there is no application object (shutting down).
    static void post(Report report);
    // Main thread: emits the carrier's report from BrushReadingNotifications. False when the
    // event is not a carrier; it is dropped either way.
    static bool handleEvent(QEvent* event);
    // Main thread: drops every pending carrier without delivering it.
    static void clearAll();

    // The event type the carriers travel in.
    static QEvent::Type eventType();

    // Tests use this to act at an exact point of a background read (say, stop it right after
    // its second brush went out). Called on the posting thread after each post; set it only
    // while no thread is posting.
    using PostHook = std::function<void(const Report& report)>;
    static void setPostHookForTesting(PostHook hook);

private:
    Report mReport;
};

// The posted event itself; owns its carrier.
class NotificationCarrierEvent : public QEvent
{
public:
    explicit NotificationCarrierEvent(std::unique_ptr<NotificationEvent> carrier);
    ~NotificationCarrierEvent() override;

    std::unique_ptr<NotificationEvent> takeCarrier() { return std::move(mCarrier); }

private:
    std::unique_ptr<NotificationEvent> mCarrier;
};
