#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QSocketNotifier;

// True when a file system is mounted at the path: its device differs from its parent's, or it
// is listed in /proc/self/mountinfo (bind mounts keep the device).
bool IsMountPoint(const QString& path);

// A path field of /proc/self/mountinfo, which escapes blanks, tabs, newlines and backslashes as
// three octal digits.
QString UnescapeMountPath(const QByteArray& field);

// One line of /proc/self/mountinfo, the fields that matter here.
struct MountTableEntry
{
    QString root;       // the folder of the file system that is mounted ("/" for all of it)
    QString mountPoint; // where it is mounted
    QString source;     // the device, or whatever the file system names its source
};

// The lines of a mount table in the format of /proc/self/mountinfo, in order; lines that are not
// in that format are left out.
QList<MountTableEntry> ParseMountTable(const QByteArray& table);

// Every mount point of this process's mount namespace, read from /proc/self/mountinfo now.
QSet<QString> CurrentMountPoints();

// Follows the mount table: /proc/self/mountinfo signals POLLPRI whenever a file system is
// mounted or unmounted. Main thread.
class MountTableWatcher : public QObject
{
    Q_OBJECT
public:
    explicit MountTableWatcher(QObject* parent = nullptr);
    ~MountTableWatcher() override;

Q_SIGNALS:
    // The mount points that appeared or went since the last report.
    void mountsChanged(const QStringList& changed);

private:
    void onChange();

    int mFD = -1;
    QSocketNotifier* mNotifier = nullptr;
    QSet<QString> mMountPoints;
};
