#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QVariant>

// The desktop's colour-scheme preference as the freedesktop settings portal states it: read once
// at start and followed while the program runs. Without a session bus or a portal nothing is
// ever reported, and the desktop's own palette stays.
class ColorSchemePortal : public QObject
{
    Q_OBJECT
public:
    // The portal's values; anything else it may send one day counts as no preference.
    enum ePreference
    {
        eNoPreference = 0,
        ePreferDark = 1,
        ePreferLight = 2,
    };

    using QObject::QObject;

    // Listens for changes, then asks, waiting at most waitMs so that the first window opens in
    // the right colours; a portal slower than that still answers later.
    void start(int waitMs = 250);

    // The preference in a reply's value: ReadOne sends the value as a variant, the older Read
    // wraps that variant in another.
    static ePreference preferenceFromValue(const QVariant& value);

Q_SIGNALS:
    void preferenceChanged(ColorSchemePortal::ePreference preference);

private Q_SLOTS:
    // Takes the whole message: under Qt 6.4 a slot typed (QString, QString, QDBusVariant) was
    // refused by QDBusConnection::connect.
    void settingChanged(const QDBusMessage& message);

private:
    bool takeReply(const QDBusMessage& reply);
};
