#pragma once

#include "abr/CABRreader.h"
#include "support/TestUtil.h"

#include <optional>
#include <vector>

// Names from descriptors keep the terminating zero unit the files store.
inline const QString Z(1, QChar(0));

// What one read of a brush file handed to its sink.
struct ReadResult
{
    std::vector<BrushPtr> brushes;
    std::optional<int> error;
    bool badAlloc = false;
    int finished = 0;
    ReadOutcome outcome;
};

// Reads on the calling thread into a sink that keeps everything; no application object needed.
inline ReadResult ReadAbr(const QString& path)
{
    struct Collect : CBrushSink
    {
        explicit Collect(ReadResult& r) : result(r) {}
        void AddBrush(const BrushPtr& brush) override { result.brushes.push_back(brush); }
        void FinishedReadingFile(const ReadOutcome& outcome) override
        {
            ++result.finished;
            result.outcome = outcome;
        }
        ReadResult& result;
    };
    ReadResult result;
    try {
        CABRreader reader(path);
        Collect sink(result);
        reader.Read(sink);
    } catch (int code) {
        result.error = code;
    } catch (const std::bad_alloc&) {
        result.badAlloc = true;
    }
    return result;
}
