#pragma once

#include "brush/Brush.h"
#include "brush/Pattern.h"

#include <optional>

// How a read ended, as the sink learns it before the reader lets an error through.
struct ReadOutcome
{
    // The int the read failed with (kDamagedFileError for damage), absent when it reached the end.
    std::optional<int> error;
    // The read failed for want of memory.
    bool outOfMemory = false;
    // The version word of a file of a version Kelbrin does not read (it yields no brush).
    std::optional<int> unsupportedVersion;
    // Pattern records that gave no pattern: damaged ones (which also fail the read) and sound
    // ones in a format Kelbrin does not decode (which do not).
    int skippedPatterns = 0;

    bool failed() const { return error.has_value() || outOfMemory; }
    // The version word is one no brush file has: the file is no brush file at all, rather than
    // one of a version Kelbrin does not know.
    bool notABrushFile() const
    {
        return unsupportedVersion && !IsPlausibleBrushFileVersion(*unsupportedVersion);
    }
    // Brush files count their versions in single digits; the first two bytes of text or of
    // another format read as a large number ("ro" of /etc/passwd is 29295).
    static bool IsPlausibleBrushFileVersion(int version) { return version <= 0xff; }
};

// Where a read hands what it yields, on the reading thread, the moment it is made. The reader
// knows nothing of threads or windows; whoever runs it decides where brushes go (the
// file-reading task posts them to the main thread, the tests and the fuzzer keep them).
class CBrushSink
{
public:
    virtual ~CBrushSink() = default;

    // One brush, in file order. May throw to stop the read early; the reader still calls
    // FinishedReadingFile and then lets the exception through.
    virtual void AddBrush(const BrushPtr& brush) = 0;
    // One pattern, in file order, after the last brush. May throw like AddBrush. Sinks that
    // only want brushes leave it be.
    virtual void AddPattern(const PatternPtr& pattern) { (void)pattern; }
    // The read is over: after the last brush, or just before a read error is thrown on.
    virtual void FinishedReadingFile(const ReadOutcome& outcome) = 0;
};
