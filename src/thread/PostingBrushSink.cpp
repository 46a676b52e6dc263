#include "thread/PostingBrushSink.h"

#include "thread/NotificationEvent.h"

void PostingBrushSink::AddBrush(const BrushPtr& brush)
{
    NotificationEvent::post(::AddBrush{mFile, brush});
}

void PostingBrushSink::AddPattern(const PatternPtr& pattern)
{
    NotificationEvent::post(::AddPattern{mFile, pattern});
}

void PostingBrushSink::FinishedReadingFile(const ReadOutcome& outcome)
{
    NotificationEvent::post(::FinishedReadingFile{mFile, outcome});
}
