#include "platform/WriteNewFile.h"

#include "platform/NativePath.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
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

// Writes everything or says why; QFile's own buffered writes lose errno ("Unknown error" for a
// full disk).
bool WriteAll(int fd, const char* data, qint64 size, QString* why)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *why = ErrnoText(n < 0 ? errno : ENOSPC);
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Fills a temporary file beside path through its descriptor and gives it path's name unless
// that is taken by then.
bool CommitNewFile(const QString& path, const std::function<bool(int, QString*)>& fill,
                   QString* error, bool* alreadyExists)
{
    const QFileInfo info(path);
    QTemporaryFile temporary(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        *error = temporary.errorString();
        return false;
    }
    const int fd = temporary.handle();
    if (!fill(fd, error))
        return false; // the temporary file removes itself
    // The data must be on the disk before the name says the file is complete.
    if (::fsync(fd) != 0) {
        *error = ErrnoText(errno);
        return false;
    }
    // QTemporaryFile creates its files readable by the owner only; ours are ordinary files.
    fchmod(fd, 0666 & ~ProcessUmask());
    temporary.close();

    const int result = MoveNoReplace(PathToNative(temporary.fileName()), PathToNative(path));
    if (result != 0) {
        if (alreadyExists)
            *alreadyExists = result == EEXIST;
        *error = ErrnoText(result);
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}
} // namespace

// renameat2 says so atomically; file systems without it (some network and FUSE ones) get a
// hard link, and those without links a checked rename.
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

bool WriteNewFile(const QString& path, const QByteArray& data, QString* error)
{
    return CommitNewFile(
        path,
        [&data](int fd, QString* why) { return WriteAll(fd, data.constData(), data.size(), why); },
        error, nullptr);
}

bool CopyToNewFile(const QString& source, const QString& destination, QString* error,
                   bool* alreadyExists)
{
    *alreadyExists = false;
    struct stat st;
    if (::lstat(PathToNative(destination).constData(), &st) == 0) {
        *alreadyExists = true;
        *error = ErrnoText(EEXIST);
        return false;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    return CommitNewFile(
        destination,
        [&in](int out, QString* why) {
            // Brush files run to hundreds of megabytes; a block at a time keeps memory flat.
            QByteArray block(1 << 20, Qt::Uninitialized);
            for (;;) {
                const qint64 n = in.read(block.data(), block.size());
                if (n < 0) {
                    *why = in.errorString();
                    return false;
                }
                if (n == 0)
                    return true;
                if (!WriteAll(out, block.constData(), n, why))
                    return false;
            }
        },
        error, alreadyExists);
}
