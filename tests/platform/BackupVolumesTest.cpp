#include "platform/BackupVolumes.h"

#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
// A made-up machine: devices (plain files stand in for them), their links by UUID, a
// Timeshift settings file and a mount table, all under one sandbox.
class BackupVolumesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(mBox.path(QStringLiteral("dev/disk/by-uuid")));
        QDir().mkpath(mBox.path(QStringLiteral("dev/mapper")));
        mBox.write(QStringLiteral("dev/sdb1"), {});
        mBox.write(QStringLiteral("dev/sdc1"), {});
        QFile::link(QStringLiteral("../../sdb1"), byUuid() + QStringLiteral("/backup-uuid"));
        QFile::link(QStringLiteral("../../sdc1"), byUuid() + QStringLiteral("/other-uuid"));
        QFile::link(QStringLiteral("../sdb1"), mBox.path(QStringLiteral("dev/mapper/backup")));
    }

    QString byUuid() const { return mBox.path(QStringLiteral("dev/disk/by-uuid")); }
    QString device(const char* name) const { return mBox.path(QLatin1String(name)); }

    QStringList backupVolumes(const QByteArray& settings, const QString& mountTable)
    {
        return BackupVolumePaths(mBox.write(QStringLiteral("timeshift.json"), settings),
                                 mBox.write(QStringLiteral("mountinfo"), mountTable.toUtf8()),
                                 byUuid());
    }

    Sandbox mBox;
};

QString MountLine(const QString& root, const QString& mountPoint, const QString& source)
{
    return QStringLiteral("40 22 8:17 %1 %2 rw,relatime shared:9 - ext4 %3 rw\n")
        .arg(root, mountPoint, source);
}
} // namespace

TEST_F(BackupVolumesTest, TheMountPointOfTheWholeBackupDevice)
{
    const QByteArray backup = R"({"backup_device_uuid": "backup-uuid", "do_first_run": "false"})";
    const QString root = MountLine("/", "/", device("dev/sda1"));
    const QString other = MountLine("/", "/media/me/Other", device("dev/sdc1"));
    const struct
    {
        const char* what;
        QByteArray settings;
        QString table;
        QStringList expected;
    } cases[] = {
        {"mounted",
         backup,
         root + other + MountLine("/", "/run/timeshift/backup", device("dev/sdb1")),
         {"/run/timeshift/backup"}},
        {"mounted under a name with a blank, through another link to the device",
         backup,
         root + MountLine("/", "/media/me/Time\\040Shift", device("dev/mapper/backup")),
         {"/media/me/Time Shift"}},
        {"a folder of it bound elsewhere first",
         backup,
         MountLine("/timeshift", "/srv/snapshots", device("dev/sdb1")) +
             MountLine("/", "/mnt/backup", device("dev/sdb1")),
         {"/mnt/backup"}},
        {"only a folder of it bound",
         backup,
         root + MountLine("/timeshift", "/srv/snapshots", device("dev/sdb1")),
         {}},
        {"not mounted", backup, root + other, {}},
        {"device unknown",
         R"({"backup_device_uuid": "no-such-uuid"})",
         root + MountLine("/", "/mnt/backup", device("dev/sdb1")),
         {}},
        {"not set up", R"({"backup_device_uuid": ""})", root + other, {}},
        {"not a settings file", "backup-uuid", root + other, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(backupVolumes(c.settings, c.table), c.expected);
    }
    EXPECT_TRUE(BackupVolumePaths(mBox.path(QStringLiteral("missing.json")),
                                  mBox.path(QStringLiteral("mountinfo")), byUuid())
                    .isEmpty());
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
