#pragma once

#include <QMetaType>
#include <QString>
#include <QVariantMap>
#include <memory>

// A named notification: a name, an optional object (shared, so it lives as long as any
// carrier or observer holds it) and a dictionary of user info.
class Notification
{
public:
    Notification(QString name, std::shared_ptr<const void> object = {}, QVariantMap userInfo = {})
        : mName(std::move(name)), mObject(std::move(object)), mUserInfo(std::move(userInfo))
    {}

    const QString& name() const { return mName; }
    const std::shared_ptr<const void>& object() const { return mObject; }
    const QVariantMap& userInfo() const { return mUserInfo; }

    // The poster decides the object's type by the notification's name; this only restores it.
    template <typename T> std::shared_ptr<T> objectAs() const
    {
        return std::static_pointer_cast<T>(std::const_pointer_cast<void>(mObject));
    }

private:
    QString mName;
    std::shared_ptr<const void> mObject;
    QVariantMap mUserInfo;
};

Q_DECLARE_METATYPE(std::shared_ptr<const void>)
