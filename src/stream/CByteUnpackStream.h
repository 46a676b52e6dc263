#pragma once

class CInStream;

// Decodes run-length (PackBits) data straight out of a CInStream's buffer.
class CByteUnpackStream
{
public:
    explicit CByteUnpackStream(CInStream& stream) : mStream(stream) {}

    // Produces exactly n bytes. With last set, a frame that would overflow them throws
    // kDamagedFileError;
    // without it, the frame's remainder is kept for the next call, so a caller can decode a
    // large block in slices (and check for a cancel between them) whatever its frames span.
    void Read(unsigned char* dst, unsigned long n, bool last = true);
    // Forgets a frame left over by a decode that failed part way; a reader that goes on after
    // such a failure (to the next record) starts its next block with this.
    void Restart() { mPendingCount = 0; }

    void ExpandFrameFromStream(unsigned char* dst, long long room, unsigned long* produced,
                               unsigned long* consumed);

private:
    // Writes what is left of a frame cut by the previous slice; returns the bytes written.
    unsigned long DrainPending(unsigned char* dst, unsigned long n);

    CInStream& mStream;
    // The rest of a frame that did not fit the previous slice: a run of mPendingValue, or
    // literal bytes still waiting in the stream.
    unsigned long mPendingCount = 0;
    bool mPendingIsRun = false;
    unsigned char mPendingValue = 0;
    bool mLast = true;
};
