#include "thread/PostingBrushSink.h"

#include "thread/BrushNotifications.h"
#include "thread/NotificationEvent.h"

void PostingBrushSink::AddBrush(const BrushPtr& brush)
{
    QVariantMap info;
    info.insert(kBrushFileKey, QVariant::fromValue(mFile));
    NotificationEvent::postNotificationWithName(kAddBrushNotification, brush, info);
}

void PostingBrushSink::FinishedReadingFile(const ReadOutcome&)
{
    NotificationEvent::postNotificationWithName(kFinishedReadingFileNotification, mFile);
}
