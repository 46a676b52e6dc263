#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QVariant>

// Hears of a drive about to be unmounted. Linux itself gives no notice, and a folder the search
// holds open at that moment makes the unmount fail as busy; GVfs's volume monitors do, on the
// session bus, for the unmounts a file manager asks GIO for. Without a session bus, or without
// GVfs, nothing is ever reported.
class PreUnmountListener : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // False when the bus is not there.
    bool listen(QDBusConnection bus = QDBusConnection::sessionBus());

    // The local path of the first file:// URI anywhere in a signal's arguments, structures,
    // arrays, maps and variants included; empty when there is none (a network mount, say).
    static QString mountPointFromArguments(const QList<QVariant>& arguments);

Q_SIGNALS:
    void aboutToUnmount(const QString& mountPoint);

private Q_SLOTS:
    // The whole message: the mount's description is a structure whose layout is GVfs's own
    // business, and changed before.
    void mountPreUnmount(const QDBusMessage& message);
};
