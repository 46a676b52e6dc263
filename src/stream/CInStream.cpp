#include "stream/CInStream.h"

#include "stream/CReadOnlyFile.h"
#include "stream/ReadErrors.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// From this size on a read that finds the buffer drained skips the buffer: a system call
// costs less than copying the bytes twice.
constexpr unsigned long kDirectReadBytes = 16384;
} // namespace

class CInStream::Impl
{
public:
    Impl(const QString& path, bool dataIsBigEndian);

    void RequestDataInBuffer(sizeWithLog elementSize, unsigned long count,
                             const unsigned char** pointer, unsigned long* got);
    void TransferBytes(void* dst, const unsigned char* src, unsigned long byteCount,
                       unsigned int elementSize, bool wantBigEndian) const;
    void ReadGeneric(void* dst, sizeWithLog elementSize, unsigned long count, bool wantBigEndian);
    void Refill();
    void SkipTo(long long pos);
    void SkipBytes(long long n);
    void Rewind(unsigned long n);

    bool mDataIsBigEndian;
    std::vector<unsigned char> mBufferStorage;
    unsigned char* mBuffer;
    unsigned char mStraddle[8];
    CReadOnlyFile mFile;
    unsigned int mBufferOffset;
    long long mStreamPosition;
    unsigned int mValidBytes;
};

CInStream::Impl::Impl(const QString& path, bool dataIsBigEndian)
    : mDataIsBigEndian(dataIsBigEndian), mBufferStorage(kBufferSize, 0),
      mBuffer(mBufferStorage.data()), mStraddle{}, mFile(path), mBufferOffset(0),
      mStreamPosition(0), mValidBytes(0)
{
    Refill();
}

void CInStream::Impl::Refill()
{
    const long long left = mFile.GetSize() - mFile.GetPosition();
    const unsigned long n = static_cast<unsigned long>(std::min<long long>(kBufferSize, left));
    mFile.ReadBytes(mBuffer, n);
    mBufferOffset = 0;
    mValidBytes = static_cast<unsigned int>(n);
}

void CInStream::Impl::RequestDataInBuffer(sizeWithLog elementSize, unsigned long count,
                                          const unsigned char** pointer, unsigned long* got)
{
    const unsigned long available = mValidBytes - mBufferOffset;
    const unsigned long whole = available >> elementSize.log;
    if (count == 0) {
        *got = 0;
        return;
    }
    if (mStreamPosition + static_cast<long long>(count << elementSize.log) > mFile.GetSize())
        throw kDamagedFileError;
    if (whole > 0) {
        const unsigned long n = std::min(whole, count);
        *pointer = mBuffer + mBufferOffset;
        *got = n;
        mBufferOffset += static_cast<unsigned int>(n << elementSize.log);
        mStreamPosition += static_cast<long long>(n << elementSize.log);
    } else if (available == 0) {
        Refill();
        *pointer = nullptr;
        *got = 0;
    } else {
        // The element is split across the end of the buffer: glue its two halves together.
        std::memcpy(mStraddle, mBuffer + mBufferOffset, available);
        Refill();
        const unsigned long rest = elementSize.size - available;
        std::memcpy(mStraddle + available, mBuffer, rest);
        mBufferOffset = static_cast<unsigned int>(rest);
        mStreamPosition += elementSize.size;
        *pointer = mStraddle;
        *got = 1;
    }
}

void CInStream::Impl::TransferBytes(void* dst, const unsigned char* src, unsigned long byteCount,
                                    unsigned int elementSize, bool wantBigEndian) const
{
    if (wantBigEndian == mDataIsBigEndian || elementSize == 1) {
        std::memcpy(dst, src, byteCount);
        return;
    }
    const auto elements = static_cast<qsizetype>(byteCount / elementSize);
    switch (elementSize) {
    case 2:
        qbswap<2>(src, elements, dst);
        break;
    case 4:
        qbswap<4>(src, elements, dst);
        break;
    case 8:
        qbswap<8>(src, elements, dst);
        break;
    default:
        throw kDamagedFileError;
    }
}

void CInStream::Impl::ReadGeneric(void* dst, sizeWithLog elementSize, unsigned long count,
                                  bool wantBigEndian)
{
    // Requests of 2 GiB or more are refused; comparing the count keeps the shift from overflowing.
    if (count > (0x7FFFFFFFUL >> elementSize.log))
        throw kDamagedFileError;
    auto* out = static_cast<unsigned char*>(dst);
    unsigned long remaining = count;
    while (remaining > 0) {
        // A large request that finds the buffer drained goes straight from the file to its
        // destination: one copy instead of two.
        if (mBufferOffset == mValidBytes && (remaining << elementSize.log) >= kDirectReadBytes &&
            (wantBigEndian == mDataIsBigEndian || elementSize.size == 1)) {
            const unsigned long bytes = remaining << elementSize.log;
            if (mStreamPosition + static_cast<long long>(bytes) > mFile.GetSize())
                throw kDamagedFileError;
            mFile.ReadBytes(out, bytes);
            mStreamPosition += static_cast<long long>(bytes);
            mBufferOffset = mValidBytes = 0;
            return;
        }
        const unsigned char* p = nullptr;
        unsigned long got = 0;
        RequestDataInBuffer(elementSize, remaining, &p, &got);
        if (got > 0) {
            TransferBytes(out, p, got << elementSize.log, elementSize.size, wantBigEndian);
            remaining -= got;
            out += got << elementSize.log;
        }
    }
}

void CInStream::Impl::SkipTo(long long pos)
{
    if (pos == mStreamPosition)
        return;
    if (pos > mFile.GetSize() || pos < 0)
        throw kDamagedFileError;
    const long long bufferStart = mStreamPosition - mBufferOffset;
    if (pos >= bufferStart && pos < bufferStart + mValidBytes) {
        mBufferOffset = static_cast<unsigned int>(pos - bufferStart);
        mStreamPosition = pos;
        return;
    }
    const long long aligned = pos - pos % static_cast<long long>(kBufferSize);
    mFile.SkipTo(aligned);
    Refill();
    mBufferOffset = static_cast<unsigned int>(pos - aligned);
    mStreamPosition = pos;
}

void CInStream::Impl::SkipBytes(long long n)
{
    // Past the end the buffer would be left pointing beyond the bytes it holds.
    if (n < 0 || n > mFile.GetSize() - mStreamPosition)
        throw kDamagedFileError;
    const unsigned long available = mValidBytes - mBufferOffset;
    if (static_cast<unsigned long long>(n) <= available) {
        mBufferOffset += static_cast<unsigned int>(n);
        mStreamPosition += n;
        return;
    }
    const long long beyond = n - static_cast<long long>(available);
    const long long jump = beyond - beyond % static_cast<long long>(kBufferSize);
    mFile.SkipAhead(jump);
    Refill();
    mBufferOffset = static_cast<unsigned int>(beyond - jump);
    mStreamPosition += n;
}

void CInStream::Impl::Rewind(unsigned long n)
{
    if (n <= mBufferOffset) {
        mBufferOffset -= static_cast<unsigned int>(n);
        mStreamPosition -= static_cast<long long>(n);
        return;
    }
    if (static_cast<long long>(n) > mStreamPosition)
        throw kDamagedFileError;
    SkipTo(mStreamPosition - static_cast<long long>(n));
}

CInStream::CInStream(const QString& path, bool dataIsBigEndian)
    : mImpl(std::make_unique<Impl>(path, dataIsBigEndian))
{}

CInStream::~CInStream() = default;

void CInStream::ReadGeneric(void* dst, sizeWithLog elementSize, unsigned long count,
                            bool wantBigEndian)
{
    mImpl->ReadGeneric(dst, elementSize, count, wantBigEndian);
}

long long CInStream::GetPosition() const
{
    return mImpl->mStreamPosition;
}

long long CInStream::GetSize() const
{
    return mImpl->mFile.GetSize();
}

unsigned long CInStream::CountAvailableContiguousBytes() const
{
    return mImpl->mValidBytes - mImpl->mBufferOffset;
}

const unsigned char* CInStream::GetContiguousBytes(unsigned long* count)
{
    const unsigned long c = std::min<unsigned long>(*count, CountAvailableContiguousBytes());
    const unsigned char* p = nullptr;
    unsigned long got = 0;
    mImpl->RequestDataInBuffer(kSize1, c, &p, &got);
    *count = got;
    return p;
}

void CInStream::SkipTo(long long pos)
{
    mImpl->SkipTo(pos);
}

void CInStream::SkipBytes(long long n)
{
    mImpl->SkipBytes(n);
}

void CInStream::Rewind(unsigned long n)
{
    mImpl->Rewind(n);
}

namespace {
// One element of a typed read, turned from the file's byte order by the stream.
template <typename T> T ReadOne(CInStream& in, sizeWithLog size)
{
    T v;
    in.ReadGeneric(&v, size, 1, false);
    return v;
}
} // namespace

unsigned char CInStream::ReadU8()
{
    return ReadOne<unsigned char>(*this, kSize1);
}

unsigned short CInStream::ReadU16()
{
    return ReadOne<unsigned short>(*this, kSize2);
}

short CInStream::ReadS16()
{
    return static_cast<short>(ReadU16());
}

unsigned int CInStream::ReadU32()
{
    return ReadOne<unsigned int>(*this, kSize4);
}

int CInStream::ReadS32()
{
    return static_cast<int>(ReadU32());
}

unsigned long long CInStream::ReadU64()
{
    return ReadOne<unsigned long long>(*this, kSize8);
}

double CInStream::ReadDouble()
{
    const unsigned long long bits = ReadU64();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
