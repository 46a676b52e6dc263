#include "ui/window/ColorSchemePortal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString kColorSchemeKey = QStringLiteral("color-scheme");

QDBusMessage ReadCall(const char* method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, kSettingsInterface, QString::fromLatin1(method));
    call << kAppearanceGroup << kColorSchemeKey;
    return call;
}
} // namespace

ColorSchemePortal::ePreference ColorSchemePortal::preferenceFromValue(const QVariant& value)
{
    QVariant inner = value;
    // At most two wrappings are expected; a few more cost nothing and a loop must end.
    for (int i = 0; i < 4 && inner.metaType() == QMetaType::fromType<QDBusVariant>(); ++i)
        inner = inner.value<QDBusVariant>().variant();
    bool ok = false;
    const uint number = inner.toUInt(&ok);
    if (!ok || number > ePreferLight)
        return eNoPreference;
    return ePreference(number);
}

void ColorSchemePortal::start(int waitMs)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kPortalService, kPortalPath, kSettingsInterface, QStringLiteral("SettingChanged"),
                this, SLOT(settingChanged(QDBusMessage)));
    const QDBusMessage reply = bus.call(ReadCall("ReadOne"), QDBus::Block, waitMs);
    if (takeReply(reply))
        return;
    const QString error = reply.errorName();
    if (error == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
        // A portal from before ReadOne existed.
        takeReply(bus.call(ReadCall("Read"), QDBus::Block, waitMs));
    } else if (error == QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
        // Still starting up: take its answer whenever it comes.
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(ReadCall("ReadOne")), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* finished) {
                    takeReply(finished->reply());
                    finished->deleteLater();
                });
    }
}

bool ColorSchemePortal::takeReply(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    Q_EMIT preferenceChanged(preferenceFromValue(reply.arguments().first()));
    return true;
}

void ColorSchemePortal::settingChanged(const QDBusMessage& message)
{
    // (namespace, key, value)
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() == 3 && arguments[0].toString() == kAppearanceGroup &&
        arguments[1].toString() == kColorSchemeKey)
        Q_EMIT preferenceChanged(preferenceFromValue(arguments[2]));
}
