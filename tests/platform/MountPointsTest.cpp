#include "platform/MountPoints.h"

#include "platform/NativePath.h"
#include "support/TestUtil.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
QString Describe(const QList<MountTableEntry>& entries)
{
    QStringList lines;
    for (const MountTableEntry& entry : entries)
        lines << entry.root + QLatin1Char('|') + entry.mountPoint + QLatin1Char('|') + entry.source;
    return lines.join(QLatin1Char('\n'));
}
} // namespace

// The kernel writes blanks, tabs, newlines and backslashes of paths as three octal digits; a
// backslash that stands for itself is written \134, so what follows it is never unescaped again.
TEST(MountPoints, PathFieldsAreUnescaped)
{
    const struct
    {
        QByteArray field;
        QString path;
    } cases[] = {
        {"/media/me/My\\040Disk", "/media/me/My Disk"},
        {"/mnt/tab\\011newline\\012end", "/mnt/tab\tnewline\nend"},
        {"/mnt/back\\134slash", "/mnt/back\\slash"},
        {"/mnt/a\\134040b", "/mnt/a\\040b"}, // a folder named "a\040b"
        {"/mnt/latin\\351", PathFromNative(QByteArray("/mnt/latin\xe9"))},
        {"/mnt/cut\\04", "/mnt/cut\\04"},
        {"/mnt/not\\9octal", "/mnt/not\\9octal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field.toStdString());
        EXPECT_EQ(UnescapeMountPath(c.field), c.path);
    }
}

TEST(MountPoints, TableLinesGiveRootMountPointAndSourceWhateverTheOptionalFields)
{
    const QByteArray table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "35 22 8:17 / /media/me/Backup\\040Disk rw,nosuid master:3 shared:7 - ext4 /dev/sdb1 rw\n"
        "36 22 8:17 /snapshots /srv/snaps rw - ext4 /dev/sdb1 rw\n"
        "37 22 0:32 / /run/user/1000 rw,nosuid - tmpfs tmpfs rw,size=1000k\n"
        "38 22 0:50 / /mnt/share rw - fuse.sshfs me@host:/my\\040files rw\n"
        "\n"
        "garbage\n"
        "39 22 8:2 / /no/dash rw ext4 /dev/sda2 rw\n"
        "40 22 8:3 / /cut/short rw - ext4\n";
    EXPECT_EQ(Describe(ParseMountTable(table)), "/|/|/dev/sda1\n"
                                                "/|/media/me/Backup Disk|/dev/sdb1\n"
                                                "/snapshots|/srv/snaps|/dev/sdb1\n"
                                                "/|/run/user/1000|tmpfs\n"
                                                "/|/mnt/share|me@host:/my files");
    EXPECT_TRUE(ParseMountTable("").isEmpty());
}

TEST(MountPoints, TheLiveTableAndMountPointChecks)
{
    EXPECT_TRUE(CurrentMountPoints().contains(QStringLiteral("/")));
    EXPECT_TRUE(IsMountPoint(QStringLiteral("/")));
    EXPECT_TRUE(IsMountPoint(QStringLiteral("/proc"))); // a device of its own
    Sandbox box;
    QDir().mkpath(box.path(QStringLiteral("folder")));
    for (const QString& path :
         {box.path(QStringLiteral("folder")), box.write(QStringLiteral("file"), "x"),
          box.path(QStringLiteral("missing"))})
        EXPECT_FALSE(IsMountPoint(path)) << path.toStdString();
}
