#pragma once

#include "abr/CBrushSink.h"
#include "brush/BrushFile.h"

// Posts what a read yields to the main thread: "AddBrush" for each brush, with the BrushFile
// it belongs to so the main thread can tell this read from any other, then
// "AddPattern" for each pattern, then "FinishedReadingFile".
class PostingBrushSink : public CBrushSink
{
public:
    explicit PostingBrushSink(BrushFilePtr file) : mFile(std::move(file)) {}

    void AddBrush(const BrushPtr& brush) override;
    void AddPattern(const PatternPtr& pattern) override;
    void FinishedReadingFile(const ReadOutcome& outcome) override;

private:
    BrushFilePtr mFile;
};
