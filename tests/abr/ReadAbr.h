#pragma once

#include "abr/CABRreader.h"
#include "brush/SampledBrush.h"
#include "support/TestUtil.h"

#include <boost/thread/thread.hpp>
#include <functional>
#include <optional>
#include <vector>

// Names from descriptors keep the terminating zero unit the files store.
inline const QString Z(1, QChar(0));

// What one read of a brush file handed to its sink.
struct ReadResult
{
    std::vector<BrushPtr> brushes;
    std::vector<PatternPtr> patterns;
    std::optional<int> error;
    bool badAlloc = false;
    bool interrupted = false;
    int finished = 0;
    ReadOutcome outcome;
};

// Reads on the calling thread into a sink that keeps everything; afterBrush sees the count of
// brushes so far each time one is handed on.
inline ReadResult ReadAbr(const QString& path, const std::function<void(size_t)>& afterBrush = {},
                          CABRreader::ReadAs as = CABRreader::ReadAs::Presets)
{
    struct Collect : CBrushSink
    {
        Collect(ReadResult& r, const std::function<void(size_t)>& f) : result(r), after(f) {}
        void AddBrush(const BrushPtr& brush) override
        {
            result.brushes.push_back(brush);
            if (after)
                after(result.brushes.size());
        }
        void AddPattern(const PatternPtr& pattern) override { result.patterns.push_back(pattern); }
        void FinishedReadingFile(const ReadOutcome& outcome) override
        {
            ++result.finished;
            result.outcome = outcome;
        }
        ReadResult& result;
        const std::function<void(size_t)>& after;
    };
    ReadResult result;
    try {
        CABRreader reader(path, as);
        Collect sink(result, afterBrush);
        reader.Read(sink);
    } catch (int code) {
        result.error = code;
    } catch (const std::bad_alloc&) {
        result.badAlloc = true;
    } catch (const boost::thread_interrupted&) {
        result.interrupted = true;
    }
    return result;
}

// A sampled brush's pixel data, byte for byte.
inline QByteArray PixelBytes(const BrushPtr& brush)
{
    const PixelBlock& px = dynamic_cast<const SampledBrush&>(*brush).pixels();
    return QByteArray(reinterpret_cast<const char*>(px.data()), qsizetype(px.size()));
}
