#include "ui/window/PreUnmountListener.h"

#include "support/TestUtil.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
// What a GVfs volume monitor sends: its bus name, the mount's id, and the mount described by
// several strings (the root URI not first), a flag, a string list and a map of variants.
QDBusMessage PreUnmountSignal(const QString& rootUri)
{
    QDBusMessage message = QDBusMessage::createSignal(
        QStringLiteral("/org/gtk/Private/RemoteVolumeMonitor"),
        QStringLiteral("org.gtk.Private.RemoteVolumeMonitor"), QStringLiteral("MountPreUnmount"));
    QDBusArgument mount;
    mount.beginStructure();
    mount << QStringLiteral("0x55d1") << QStringLiteral("My Disk")
          << QStringLiteral(". GThemedIcon drive-removable-media") << QString() << QString()
          << rootUri << true << QStringLiteral("0x44a0")
          << QStringList{QStringLiteral("x-content/image-dcf")}
          << QStringLiteral("gvfs.time_detected_usec.1");
    QVariantMap expansion{{QStringLiteral("is-removable"), true}};
    mount << expansion;
    mount.endStructure();
    message << QStringLiteral("org.gtk.vfs.UDisks2VolumeMonitor") << QStringLiteral("0x55d1")
            << QVariant::fromValue(mount);
    return message;
}
} // namespace

// On a bus of the test's own, so that nothing reaches the desktop's session and nothing from it
// comes in.
TEST(PreUnmountListener, HandsOnTheLocalPathOfTheMountAboutToGo)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty())
        GTEST_SKIP() << "no dbus-daemon to run a bus of the test's own";
    QProcess daemon;
    daemon.start(program, {QStringLiteral("--session"), QStringLiteral("--print-address"),
                           QStringLiteral("--nofork")});
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(daemon.readLine().trimmed());

    PreUnmountListener listener;
    ASSERT_TRUE(
        listener.listen(QDBusConnection::connectToBus(address, QStringLiteral("listener"))));
    QStringList heard;
    QObject::connect(&listener, &PreUnmountListener::aboutToUnmount,
                     [&](const QString& mountPoint) { heard << mountPoint; });

    // A network share has no local path to let go of; the drive that follows does.
    QDBusConnection monitor = QDBusConnection::connectToBus(address, QStringLiteral("monitor"));
    ASSERT_TRUE(monitor.send(PreUnmountSignal(QStringLiteral("smb://server/share/"))));
    ASSERT_TRUE(monitor.send(PreUnmountSignal(QStringLiteral("file:///media/u/My%20Disk"))));
    ASSERT_TRUE(WaitUntil([&] { return !heard.isEmpty(); }));
    EXPECT_EQ(heard, QStringList{QStringLiteral("/media/u/My Disk")});
    daemon.terminate();
    daemon.waitForFinished();
}
