// Feeds arbitrary bytes to the brush-file reader. Any result is fine except a crash, a
// sanitizer report, a hang or an allocation out of proportion to the input.
#include "abr/CABRreader.h"
#include "brush/ComputedBrush.h"

#include <boost/thread/exceptions.hpp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace {
int gFile = -1;
QString gPath;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    (void)argc;
    (void)argv;
    // The reader opens files by path; an in-memory file keeps the disk out of the loop.
    gFile = memfd_create("fuzz_abr_reader", MFD_CLOEXEC);
    if (gFile < 0) {
        std::perror("memfd_create");
        std::abort();
    }
    gPath = QStringLiteral("/proc/self/fd/%1").arg(gFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (ftruncate(gFile, 0) != 0 || pwrite(gFile, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    // Keeps nothing; a computed tip is sized but, as in a listing, never drawn.
    struct Discard : CBrushSink
    {
        void AddBrush(const BrushPtr& brush) override { (void)brush->pixelSize(); }
        void FinishedReadingFile(const ReadOutcome&) override {}
    } sink;
    try {
        CABRreader reader(gPath);
        reader.Read(sink);
    } catch (int) {
    } catch (const std::bad_alloc&) {
        // Only the Unicode string counts of 2^31 and more are refused this way.
    }
    return 0;
}
