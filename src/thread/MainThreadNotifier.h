#pragma once

#include "thread/Notification.h"

// Carries a notification from any thread to the main thread as a queued call. Cannot be
// purged; used where every change must arrive (the file-change monitor).
class MainThreadNotifier
{
public:
    static inline const QString kNameKey = QStringLiteral("nameKey");
    static inline const QString kObjectKey = QStringLiteral("objectKey");
    static inline const QString kInfoKey = QStringLiteral("infoKey");

    // Main thread, before the first post; any number of times.
    static void start();
    // Any thread. Never blocks.
    static void postNotificationWithName(const QString& name, std::shared_ptr<const void> object,
                                         const QVariantMap& userInfo = {});

private:
    static void notificationGlue(const QVariantMap& packed);
};
