#pragma once

class CInStream;

// Decodes run-length (PackBits) data straight out of a CInStream's buffer.
class CByteUnpackStream
{
public:
    explicit CByteUnpackStream(CInStream& stream) : mStream(stream) {}

    // Produces exactly n bytes; a frame that would overflow them throws -1.
    void Read(unsigned char* dst, unsigned long n);

    void ExpandFrameFromStream(unsigned char* dst, long long room, unsigned long* produced,
                               unsigned long* consumed);

private:
    CInStream& mStream;
};
