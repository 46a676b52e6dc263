#include "platform/WriteNewFile.h"
#include "platform/NativePath.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
    // Everything goes through the name's own bytes, so a folder or file name that is not
    // UTF-8 is written exactly as given.
    const QByteArray target = PathToNative(path);
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temporary = target.left(slash + 1) + '.' + target.mid(slash + 1) + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = ErrnoText(errno);
        return false;
    }
    int failure = 0;
    for (qsizetype done = 0; done < data.size() && failure == 0;) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno != EINTR)
            failure = errno;
        else if (n > 0)
            done += n;
    }
    // mkostemp creates its files readable by the owner only; an image is an ordinary file.
    if (failure == 0 && fchmod(fd, 0666 & ~ProcessUmask()) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0)
        failure = MoveNoReplace(temporary, target);
    if (failure != 0) {
        ::unlink(temporary.constData());
        *error = ErrnoText(failure);
        return false;
    }
    return true;
}
