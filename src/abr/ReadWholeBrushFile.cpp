#include "abr/ReadWholeBrushFile.h"

#include "abr/CABRreader.h"
#include "stream/ReadErrors.h"

#include <new>

namespace {
class FileSink : public CBrushSink
{
public:
    explicit FileSink(WholeBrushFile& read) : mRead(read) {}
    void AddBrush(const BrushPtr& brush) override { mRead.file->addBrush(brush); }
    void AddPattern(const PatternPtr& pattern) override { mRead.file->addPattern(pattern); }
    void FinishedReadingFile(const ReadOutcome& outcome) override { mRead.outcome = outcome; }

private:
    WholeBrushFile& mRead;
};
} // namespace

WholeBrushFile ReadWholeBrushFile(const QString& path, CABRreader::ReadAs as)
{
    WholeBrushFile read{BrushFile::brushFileWithPath(path), {}};
    FileSink sink(read);
    try {
        CABRreader(path, as).Read(sink);
    } catch (int error) {
        // Opening fails before the sink hears of the read.
        if (!read.outcome.failed())
            read.outcome.error = error;
    } catch (const std::bad_alloc&) {
        read.outcome.outOfMemory = true;
    }
    return read;
}
