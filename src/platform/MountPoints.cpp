#include "platform/MountPoints.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <mutex>
#include <sys/stat.h>

namespace {
// mountinfo escapes blanks, tabs, newlines and backslashes as three octal digits.
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
    return QString::fromLocal8Bit(out);
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
    cached.clear();
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (file.open(QIODevice::ReadOnly)) {
        // Fields: id parent major:minor root mount-point options ...
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() > 4)
                cached.insert(UnescapeMountPath(fields[4]));
        }
    }
    age.start();
    return cached;
}
} // namespace

bool IsMountPoint(const QString& path)
{
    if (path == QLatin1String("/"))
        return true;
    const QByteArray native = QFile::encodeName(path);
    struct stat self;
    if (lstat(native.constData(), &self) != 0 || !S_ISDIR(self.st_mode))
        return false;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString parent = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    struct stat up;
    if (stat(QFile::encodeName(parent).constData(), &up) == 0 && up.st_dev != self.st_dev)
        return true;
    return MountPointList().contains(path);
}
