#pragma once

#include "brush/Brush.h"

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
    // The read is over: after the last brush, or just before a read error is thrown on.
    virtual void FinishedReadingFile() = 0;
};
