#include "platform/MountPoints.h"

#include "platform/NativePath.h"
#include "platform/Paths.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

QString UnescapeMountPath(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return PathFromNative(out);
}

QList<MountTableEntry> ParseMountTable(const QByteArray& table)
{
    // Fields: id, parent id, major:minor, root, mount point, options, any number of optional
    // fields, "-", file system type, source, super options.
    QList<MountTableEntry> entries;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (dash < 6 || dash + 2 >= fields.size())
            continue;
        entries.append({UnescapeMountPath(fields[3]), UnescapeMountPath(fields[4]),
                        UnescapeMountPath(fields[dash + 2])});
    }
    return entries;
}

namespace {
QSet<QString> MountPointsIn(const QByteArray& table)
{
    QSet<QString> points;
    for (const MountTableEntry& entry : ParseMountTable(table))
        points.insert(entry.mountPoint);
    return points;
}

QByteArray ReadAll(int fd)
{
    QByteArray out;
    char buffer[16384];
    for (;;) {
        const ssize_t length = read(fd, buffer, sizeof buffer);
        if (length <= 0)
            return out;
        out.append(buffer, int(length));
    }
}

// Reading mountinfo for every folder would be wasteful; drives come and go slowly enough that
// a list a couple of seconds old is good enough.
QSet<QString> MountPointList()
{
    static std::mutex mutex;
    static QSet<QString> cached;
    static QElapsedTimer age;
    std::lock_guard<std::mutex> lock(mutex);
    if (age.isValid() && age.elapsed() < 2000)
        return cached;
    cached = CurrentMountPoints();
    age.start();
    return cached;
}
} // namespace

bool IsMountPoint(const QString& path)
{
    if (path == QLatin1String("/"))
        return true;
    const QByteArray native = PathToNative(path);
    struct stat self;
    if (lstat(native.constData(), &self) != 0 || !S_ISDIR(self.st_mode))
        return false;
    struct stat up;
    if (stat(PathToNative(ParentPath(path)).constData(), &up) == 0 && up.st_dev != self.st_dev)
        return true;
    return MountPointList().contains(path);
}

QSet<QString> CurrentMountPoints()
{
    const int fd = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    const QSet<QString> points = MountPointsIn(ReadAll(fd));
    close(fd);
    return points;
}

MountTableWatcher::MountTableWatcher(QObject* parent) : QObject(parent)
{
    mFD = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (mFD < 0)
        return;
    mMountPoints = MountPointsIn(ReadAll(mFD));
    mNotifier = new QSocketNotifier(mFD, QSocketNotifier::Exception, this);
    connect(mNotifier, &QSocketNotifier::activated, this, [this] { onChange(); });
}

MountTableWatcher::~MountTableWatcher()
{
    delete mNotifier;
    if (mFD >= 0)
        close(mFD);
}

void MountTableWatcher::onChange()
{
    // The table must be read from its start again for the kernel to clear the signal.
    lseek(mFD, 0, SEEK_SET);
    const QSet<QString> now = MountPointsIn(ReadAll(mFD));
    QStringList changed;
    for (const QString& point : now)
        if (!mMountPoints.contains(point))
            changed << point;
    for (const QString& point : mMountPoints)
        if (!now.contains(point))
            changed << point;
    mMountPoints = now;
    if (!changed.isEmpty())
        Q_EMIT mountsChanged(changed);
}
