#pragma once

#include <QString>
#include <memory>

// Element size of a typed read, with its base-2 logarithm so counts shift instead of multiply.
struct sizeWithLog
{
    unsigned int size;
    unsigned int log;
};

constexpr sizeWithLog kSize1{1, 0};
constexpr sizeWithLog kSize2{2, 1};
constexpr sizeWithLog kSize4{4, 2};
constexpr sizeWithLog kSize8{8, 3};

// A buffered, forward-mostly reader over one file that hands out typed elements in host
// byte order. Errors are thrown as int (see ReadErrors.h); kDamagedFileError for any read past the
// end.
class CInStream
{
public:
    static constexpr unsigned long kBufferSize = 262144;

    CInStream(const QString& path, bool dataIsBigEndian);
    ~CInStream();
    CInStream(const CInStream&) = delete;
    CInStream& operator=(const CInStream&) = delete;

    void ReadGeneric(void* dst, sizeWithLog elementSize, unsigned long count, bool wantBigEndian);

    long long GetPosition() const;
    long long GetSize() const;
    unsigned long CountAvailableContiguousBytes() const;
    const unsigned char* GetContiguousBytes(unsigned long* count);

    void SkipTo(long long pos);
    void SkipBytes(long long n);
    void Rewind(unsigned long n);

    // Typed conveniences over ReadGeneric for the readers' big-endian fields.
    unsigned char ReadU8();
    unsigned short ReadU16();
    short ReadS16();
    unsigned int ReadU32();
    int ReadS32();
    unsigned long long ReadU64();
    double ReadDouble();

    class Impl;

private:
    std::unique_ptr<Impl> mImpl;
};
