#include "stream/CReadOnlyFile.h"

#include "platform/NativePath.h"
#include "stream/ReadErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void ThrowErrno()
{
    throw errno ? -errno : kDamagedFileError;
}
} // namespace

int CReadOnlyFile::OpenFile(const QString& path)
{
    const QByteArray native = PathToNative(path);
    int fd;
    // Non-blocking, so that opening a FIFO named like a brush file returns at once instead of
    // waiting for a writer; the constructor then refuses it.
    do {
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowErrno();
    return fd;
}

CReadOnlyFile::CReadOnlyFile(const QString& path) : mFd(OpenFile(path)), mSize(0), mPosition(0)
{
    struct stat info;
    if (::fstat(mFd, &info) != 0) {
        const int error = errno;
        ::close(mFd);
        throw error ? -error : kDamagedFileError;
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(mFd);
        throw -EISDIR;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(mFd);
        throw kNotRegularFileError;
    }
    mSize = info.st_size;
    // The reader walks the file front to back; let the kernel read ahead generously.
    ::posix_fadvise(mFd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

CReadOnlyFile::~CReadOnlyFile()
{
    ::close(mFd);
}

void CReadOnlyFile::ReadBytes(void* dst, unsigned long n)
{
    auto* out = static_cast<char*>(dst);
    unsigned long done = 0;
    while (done < n) {
        const ssize_t got = ::read(mFd, out + done, n - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno();
        }
        if (got == 0) {
            mPosition += static_cast<long long>(done);
            throw kEndOfFileError;
        }
        done += static_cast<unsigned long>(got);
    }
    mPosition += static_cast<long long>(n);
}

void CReadOnlyFile::SkipAhead(long long n)
{
    if (n < 0 || n > mSize - mPosition)
        throw kEndOfFileError;
    SkipTo(mPosition + n);
}

void CReadOnlyFile::SkipTo(long long pos)
{
    if (pos < 0 || pos > mSize)
        throw kEndOfFileError;
    if (::lseek(mFd, pos, SEEK_SET) < 0)
        ThrowErrno();
    mPosition = pos;
}
