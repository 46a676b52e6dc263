#include "thread/MainThreadNotifier.h"

#include "platform/ThreadSanitizerHandOff.h"
#include "thread/NotificationCenter.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <mutex>

namespace {
std::mutex gStartMutex;
NotificationCenter* gMainNotificationCenter = nullptr;
} // namespace

void MainThreadNotifier::start()
{
    std::lock_guard<std::mutex> lock(gStartMutex);
    if (!gMainNotificationCenter)
        gMainNotificationCenter = &NotificationCenter::defaultCenter();
}

void MainThreadNotifier::postNotificationWithName(const QString& name,
                                                  std::shared_ptr<const void> object,
                                                  const QVariantMap& userInfo)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QVariantMap packed;
    packed.insert(kNameKey, name);
    packed.insert(kObjectKey, QVariant::fromValue(std::move(object)));
    packed.insert(kInfoKey, userInfo);
    ThreadSanitizerHandOff(&gStartMutex);
    QMetaObject::invokeMethod(
        app,
        [packed] {
            ThreadSanitizerTakeOver(&gStartMutex);
            notificationGlue(packed);
        },
        Qt::QueuedConnection);
}

void MainThreadNotifier::notificationGlue(const QVariantMap& packed)
{
    NotificationCenter* center;
    {
        std::lock_guard<std::mutex> lock(gStartMutex);
        center = gMainNotificationCenter;
    }
    if (!center)
        center = &NotificationCenter::defaultCenter();
    center->post(Notification(packed.value(kNameKey).toString(),
                              packed.value(kObjectKey).value<std::shared_ptr<const void>>(),
                              packed.value(kInfoKey).toMap()));
}
