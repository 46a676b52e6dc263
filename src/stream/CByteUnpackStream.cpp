#include "stream/CByteUnpackStream.h"

#include "stream/CInStream.h"
#include "stream/ReadErrors.h"

#include <cstring>

// A frame is a signed header byte h, then:
//   0..127     h + 1 literal bytes
//   -127..-1   one byte, repeated 1 - h times
//   -128       one byte that is skipped; nothing is written
void CByteUnpackStream::ExpandFrameFromStream(unsigned char* dst, long long room,
                                              unsigned long* produced, unsigned long* consumed)
{
    signed char header;
    mStream.ReadGeneric(&header, kSize1, 1, false);
    if (header >= 0) {
        unsigned long n = static_cast<unsigned long>(header) + 1;
        if (static_cast<long long>(n) > room) {
            if (mLast)
                throw kDamagedFileError;
            mPendingCount = n - static_cast<unsigned long>(room);
            mPendingIsRun = false;
            n = static_cast<unsigned long>(room);
        }
        mStream.ReadGeneric(dst, kSize1, n, false);
        *produced = n;
        *consumed = n + 1;
    } else {
        unsigned char value;
        mStream.ReadGeneric(&value, kSize1, 1, false);
        *consumed = 2;
        if (header == -128) {
            *produced = 0;
            return;
        }
        unsigned long n = 1 - static_cast<long>(header);
        if (static_cast<long long>(n) > room) {
            if (mLast)
                throw kDamagedFileError;
            mPendingCount = n - static_cast<unsigned long>(room);
            mPendingIsRun = true;
            mPendingValue = value;
            n = static_cast<unsigned long>(room);
        }
        std::memset(dst, value, n);
        *produced = n;
    }
}

unsigned long CByteUnpackStream::DrainPending(unsigned char* dst, unsigned long n)
{
    const unsigned long count = mPendingCount < n ? mPendingCount : n;
    if (mPendingIsRun)
        std::memset(dst, mPendingValue, count);
    else
        mStream.ReadGeneric(dst, kSize1, count, false);
    mPendingCount -= count;
    return count;
}

void CByteUnpackStream::Read(unsigned char* dst, unsigned long n, bool last)
{
    mLast = last;
    if (mPendingCount > 0) {
        const unsigned long drained = DrainPending(dst, n);
        dst += drained;
        n -= drained;
    }
    while (n > 0) {
        const unsigned long available = mStream.CountAvailableContiguousBytes();
        const unsigned long maxFrames = available / 256;
        if (maxFrames == 0 || n < 128) {
            // Near the end of the buffer a frame may straddle a refill, and near the end of the
            // output a frame may overflow it: go through the stream one frame at a time.
            unsigned long produced = 0;
            unsigned long consumed = 0;
            ExpandFrameFromStream(dst, static_cast<long long>(n), &produced, &consumed);
            dst += produced;
            n -= produced;
            continue;
        }

        // A frame takes at most 129 input bytes, so maxFrames frames never leave the block, and
        // while 128 bytes of output are left every frame fits. Copying a whole 128 bytes
        // whatever the frame's length lets the compiler use fixed-size moves; what lies past the
        // frame is overwritten by the next ones.
        unsigned long taken = available;
        const unsigned char* const block = mStream.GetContiguousBytes(&taken);
        const unsigned char* in = block;
        for (unsigned long frame = 0; frame < maxFrames && n >= 128; ++frame) {
            const signed char header = static_cast<signed char>(*in++);
            if (header >= 0) {
                const unsigned long count = static_cast<unsigned long>(header) + 1;
                std::memcpy(dst, in, 128);
                in += count;
                dst += count;
                n -= count;
            } else if (header != -128) {
                const unsigned long count = 1 - static_cast<long>(header);
                std::memset(dst, *in++, 128);
                dst += count;
                n -= count;
            } else {
                ++in;
            }
        }
        mStream.Rewind(taken - static_cast<unsigned long>(in - block));
    }
    if (last && mPendingCount > 0)
        throw kDamagedFileError;
}
