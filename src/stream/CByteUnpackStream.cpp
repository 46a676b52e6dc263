#include "stream/CByteUnpackStream.h"

#include "stream/CInStream.h"

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
        const unsigned long n = static_cast<unsigned long>(header) + 1;
        if (static_cast<long long>(n) > room)
            throw -1;
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
        const unsigned long n = 1 - static_cast<long>(header);
        if (static_cast<long long>(n) > room)
            throw -1;
        std::memset(dst, value, n);
        *produced = n;
    }
}

void CByteUnpackStream::Read(unsigned char* dst, unsigned long n)
{
    while (n > 0) {
        const unsigned long available = mStream.CountAvailableContiguousBytes();
        const unsigned long maxFrames = available / 256;
        if (maxFrames == 0) {
            // Near the end of the buffer a frame may straddle a refill: go through the stream.
            unsigned long produced = 0;
            unsigned long consumed = 0;
            ExpandFrameFromStream(dst, static_cast<long long>(n), &produced, &consumed);
            dst += produced;
            n -= produced;
            continue;
        }

        // A frame takes at most 129 input bytes, so maxFrames frames never leave the block.
        unsigned long taken = available;
        const unsigned char* const block = mStream.GetContiguousBytes(&taken);
        const unsigned char* in = block;
        for (unsigned long frame = 0; frame < maxFrames && n > 0; ++frame) {
            const signed char header = static_cast<signed char>(*in++);
            if (header >= 0) {
                const unsigned long count = static_cast<unsigned long>(header) + 1;
                if (count > n)
                    throw -1;
                std::memcpy(dst, in, count);
                in += count;
                dst += count;
                n -= count;
            } else if (header != -128) {
                const unsigned long count = 1 - static_cast<long>(header);
                if (count > n)
                    throw -1;
                std::memset(dst, *in++, count);
                dst += count;
                n -= count;
            } else {
                ++in;
            }
        }
        mStream.Rewind(taken - static_cast<unsigned long>(in - block));
    }
}
