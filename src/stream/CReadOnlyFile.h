#pragma once

#include <QString>

// One file opened read-only. Short reads and seeks past the end throw kEndOfFileError, a path
// that names a FIFO, socket or device throws kNotRegularFileError, every other failure throws
// the negative errno of the call that failed (see ReadErrors.h).
class CReadOnlyFile
{
public:
    explicit CReadOnlyFile(const QString& path);
    ~CReadOnlyFile();
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    long long GetSize() const { return mSize; }
    long long GetPosition() const { return mPosition; }

    void ReadBytes(void* dst, unsigned long n);
    void SkipAhead(long long n);
    void SkipTo(long long pos);

    static int OpenFile(const QString& path);

private:
    int mFd;
    long long mSize;
    long long mPosition;
};
