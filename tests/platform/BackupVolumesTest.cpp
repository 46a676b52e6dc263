#include "platform/BackupVolumes.h"

#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

// A made-up machine: devices (plain files stand in for them), their links by UUID, a
// Timeshift settings file and a mount table.
TEST(BackupVolumes, TheMountPointOfTheWholeBackupDevice)
{
    Sandbox box;
    const QString byUuid = box.path(QStringLiteral("dev/disk/by-uuid"));
    QDir().mkpath(byUuid);
    QDir().mkpath(box.path(QStringLiteral("dev/mapper")));
    const QString sdb1 = box.write(QStringLiteral("dev/sdb1"), {});
    const QString sdc1 = box.write(QStringLiteral("dev/sdc1"), {});
    QFile::link(QStringLiteral("../../sdb1"), byUuid + QStringLiteral("/backup-uuid"));
    const QString mapper = box.path(QStringLiteral("dev/mapper/backup"));
    QFile::link(QStringLiteral("../sdb1"), mapper);
    const auto line = [](const QString& root, const QString& point, const QString& source) {
        return QStringLiteral("40 22 8:17 %1 %2 rw shared:9 - ext4 %3 rw\n")
            .arg(root, point, source);
    };
    const QByteArray backup = R"({"backup_device_uuid": "backup-uuid", "do_first_run": "false"})";
    const QString others = line("/", "/", "/dev/sda1") + line("/", "/media/me/Other", sdc1);
    const struct
    {
        QByteArray settings;
        QString table;
        QStringList expected;
    } cases[] = {
        {backup, others + line("/", "/run/timeshift/backup", sdb1), {"/run/timeshift/backup"}},
        // Through another link to the device, at a name with a blank.
        {backup, others + line("/", "/media/me/Time\\040Shift", mapper), {"/media/me/Time Shift"}},
        // A folder of it bound elsewhere is not the volume.
        {backup, line("/timeshift", "/srv/snaps", sdb1) + line("/", "/mnt/b", sdb1), {"/mnt/b"}},
        {backup, others + line("/timeshift", "/srv/snaps", sdb1), {}},
        {backup, others, {}},
        {R"({"backup_device_uuid": "no-such-uuid"})", others + line("/", "/mnt/b", sdb1), {}},
        {R"({"backup_device_uuid": ""})", others + line("/", "/mnt/b", sdb1), {}},
        {"backup-uuid", others + line("/", "/mnt/b", sdb1), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings.toStdString() + "\n" + c.table.toStdString());
        EXPECT_EQ(BackupVolumePaths(box.write(QStringLiteral("timeshift.json"), c.settings),
                                    box.write(QStringLiteral("mountinfo"), c.table.toUtf8()),
                                    byUuid),
                  c.expected);
    }
}

TEST(BackupVolumes, TheSettingMovesFromItsOldNameOnce)
{
    Sandbox box;
    QSettings settings(box.path(QStringLiteral("settings.ini")), QSettings::IniFormat);
    EXPECT_FALSE(BackupVolumesAllowed(settings));

    settings.setValue(QStringLiteral("allowTimeMachineVolumes"), true);
    EXPECT_TRUE(BackupVolumesAllowed(settings));
    EXPECT_FALSE(settings.contains(QStringLiteral("allowTimeMachineVolumes")));
    EXPECT_TRUE(settings.value(QStringLiteral("allowBackupVolumes")).toBool());

    // A value already under the new name is the newer one.
    settings.setValue(QStringLiteral("allowBackupVolumes"), false);
    settings.setValue(QStringLiteral("allowTimeMachineVolumes"), true);
    EXPECT_FALSE(BackupVolumesAllowed(settings));
    EXPECT_FALSE(settings.contains(QStringLiteral("allowTimeMachineVolumes")));
}
