#pragma once

#include "abr/CABRreaderImpl.h"
#include "brush/Pattern.h"

#include <vector>

// Reads the pattern records of a version 6 'patt' section, one pattern at a time.
//
// A record whose own fields do not hold together is damage: it is stepped over by its length
// and the read is marked damaged, so it still fails after everything else was handed on. A
// sound record in a format Kelbrin does not decode (32-bit channels, say) is not damage: it is
// skipped and counted, and the file reads to its end. A record length that overruns the
// section leaves nothing to find the next record by, and ends the walk as damage.
class CPatternRecordReader
{
public:
    enum class eResult
    {
        ePattern,
        eSkipped,
        eEnd
    };

    CPatternRecordReader(CABRreader::Impl& reader, const CABRreader::Impl::SChunkHeader& section);

    // ePattern with *pattern set, eSkipped for a record that yields none, eEnd past the last.
    eResult Next(PatternPtr* pattern);

    // One channel of the pattern's pixels as stored: a plane of width x height samples
    // (8 or 16 bits, host order), or of packed rows for 1-bit data.
    struct SPlane
    {
        int depth = 0;
        PixelBlock samples;
    };

private:
    // Thrown for a sound record in a format the reader does not decode.
    struct SUnsupported
    {
    };

    PatternPtr ReadRecord(long long recordEnd);
    std::vector<SPlane> ReadChannels(long long width, long long height, int colourChannels,
                                     long long recordEnd);
    // The stream must have `n` bytes before the end of the record.
    void Need(long long n, long long recordEnd) const;

    CABRreader::Impl& mReader;
    // Records are padded to a multiple of 4 from here.
    const long long mStart;
    const long long mEnd;
    long long mPosition;
};
