#include "platform/WriteNewFile.h"

#include "platform/NativePath.h"
#include "platform/Paths.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

enum class eExisting
{
    Keep,
    Replace,
};

// Fills a temporary file beside path through its descriptor and gives it path's name unless
// that is taken by then (or, with eExisting::Replace, in place of what has the name). Everything
// goes through the name's own bytes, so a folder or file name that is not UTF-8 is written
// exactly as given. durable: the data reaches the disk before the name says the file is complete
// (for copies that stand for the original; exports of hundreds of images skip it).
bool CommitNewFile(const QString& path, const std::function<bool(int, QString*)>& fill,
                   bool durable, eExisting existing, QString* error, bool* alreadyExists)
{
    const QByteArray target = PathToNative(path);
    const qsizetype slash = target.lastIndexOf('/');
    // ".NAME.XXXXXX" must fit where NAME alone just fits; the temporary's name only has to be
    // recognisable, so a long one is cut.
    const QByteArray name =
        PathToNative(CutNameToBytes(PathFromNative(target.mid(slash + 1)), kMaxNameBytes - 8));
    QByteArray temporary = target.left(slash + 1) + '.' + name + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = ErrnoText(errno);
        return false;
    }
    QString why;
    bool ok = fill(fd, &why);
    if (ok && durable && ::fsync(fd) != 0) {
        why = ErrnoText(errno);
        ok = false;
    }
    // mkostemp creates its files readable by the owner only; ours are ordinary files.
    if (ok && fchmod(fd, 0666 & ~ProcessUmask()) != 0) {
        why = ErrnoText(errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        why = ErrnoText(errno);
        ok = false;
    }
    if (ok) {
        const int result =
            existing == eExisting::Replace
                ? (std::rename(temporary.constData(), target.constData()) == 0 ? 0 : errno)
                : MoveNoReplace(temporary, target);
        if (result != 0) {
            if (alreadyExists)
                *alreadyExists = result == EEXIST;
            why = ErrnoText(result);
            ok = false;
        }
    }
    if (!ok) {
        ::unlink(temporary.constData());
        *error = why;
    }
    return ok;
}

bool WriteData(const QString& path, const QByteArray& data, eExisting existing, QString* error)
{
    return CommitNewFile(
        path,
        [&data](int fd, QString* why) { return WriteAll(fd, data.constData(), data.size(), why); },
        false, existing, error, nullptr);
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
    return WriteData(path, data, eExisting::Keep, error);
}

bool WriteFileInPrivateFolder(const QString& path, const QByteArray& data, QString* error)
{
    return WriteFileInPrivateFolder(path, std::vector<QByteArrayView>{data}, error);
}

bool WriteFileInPrivateFolder(const QString& path, const std::vector<QByteArrayView>& pieces,
                              QString* error)
{
    const QByteArray name = PathToNative(path);
    // The mode the umask leaves of 0666, as CommitNewFile sets it.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        *error = ErrnoText(errno);
        return false;
    }
    QString why;
    bool ok = true;
    for (const QByteArrayView piece : pieces)
        ok = ok && WriteAll(fd, piece.data(), piece.size(), &why);
    if (::close(fd) != 0 && ok) {
        why = ErrnoText(errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(name.constData());
        *error = why;
    }
    return ok;
}

bool ReplaceFile(const QString& path, const QByteArray& data, QString* error)
{
    return WriteData(path, data, eExisting::Replace, error);
}

bool CopyToNewFile(const QString& source, const QString& destination, QString* error,
                   bool* alreadyExists)
{
    *alreadyExists = false;
    if (ExistsWithoutFollowing(destination)) {
        *alreadyExists = true;
        *error = ErrnoText(EEXIST);
        return false;
    }
    const int in = ::open(PathToNative(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        *error = ErrnoText(errno);
        return false;
    }
    const bool copied = CommitNewFile(
        destination,
        [in](int out, QString* why) {
            // Brush files run to hundreds of megabytes; a block at a time keeps memory flat.
            QByteArray block(1 << 20, Qt::Uninitialized);
            for (;;) {
                const ssize_t n = ::read(in, block.data(), size_t(block.size()));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    *why = ErrnoText(errno);
                    return false;
                }
                if (n == 0)
                    return true;
                if (!WriteAll(out, block.constData(), n, why))
                    return false;
            }
        },
        true, eExisting::Keep, error, alreadyExists);
    ::close(in);
    return copied;
}
