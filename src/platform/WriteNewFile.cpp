#include "platform/WriteNewFile.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Asking umask() would have to set it, which races with other threads creating files.
mode_t ProcessUmask()
{
    static const mode_t mask = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("Umask:"))
                    return static_cast<mode_t>(line.mid(6).trimmed().toUInt(nullptr, 8));
        return static_cast<mode_t>(022);
    }();
    return mask;
}

// Moves from to to unless to exists. renameat2 says so atomically; file systems without it
// (some network and FUSE ones) get a hard link, and those without links a checked rename.
int MoveNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    if (link(from.constData(), to.constData()) == 0) {
        unlink(from.constData());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return errno;
    struct stat st;
    if (lstat(to.constData(), &st) == 0)
        return EEXIST;
    return std::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}
} // namespace

bool WriteNewFile(const QString& path, const QByteArray& data, QString* error)
{
    const QFileInfo info(path);
    QTemporaryFile temporary(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        *error = temporary.errorString();
        return false;
    }
    if (temporary.write(data) != data.size() || !temporary.flush()) {
        *error = temporary.errorString();
        return false;
    }
    // QTemporaryFile creates its files readable by the owner only; an image is an ordinary file.
    fchmod(temporary.handle(), 0666 & ~ProcessUmask());
    temporary.close();

    const int result =
        MoveNoReplace(QFile::encodeName(temporary.fileName()), QFile::encodeName(path));
    if (result != 0) {
        *error = ErrnoText(result);
        return false; // the temporary file removes itself
    }
    temporary.setAutoRemove(false);
    return true;
}
