// kelbrin-thumbnailer -s SIZE INPUT OUTPUT: the freedesktop.org thumbnailer interface, run by
// file managers through share/thumbnailers/kelbrin.thumbnailer.
#include "abr/ReadErrorText.h"
#include "platform/NativePath.h"
#include "platform/WriteNewFile.h"
#include "thread/BackgroundWork.h"
#include "thumbnailer/BrushThumbnail.h"
#include "thumbnailer/ProcessLimits.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/stat.h>

namespace {
// The whole run, start-up included, should stay under half a second on any file.
constexpr int kCpuDeadlineMs = 450;
constexpr int kWallDeadlineMs = 1000;
constexpr size_t kAddressSpaceCap = 256u << 20;
constexpr int kMaxSize = 1024; // the largest freedesktop.org thumbnail size, "xx-large"
constexpr size_t kSheetBrushes = 4;

enum eExitCode
{
    eSuccess = 0,
    eFailure = 1,
    eUsage = 2,
};

void PrintUsage(FILE* to)
{
    std::fprintf(to,
                 "usage: kelbrin-thumbnailer -s SIZE INPUT OUTPUT\n"
                 "Writes a PNG preview of at most SIZE x SIZE pixels of the brush file INPUT (a\n"
                 "path or a file:// URI) to OUTPUT: its first brush, or its first four; a file of\n"
                 "patterns only shows its first pattern.\n");
}

// A file:// URI's path, or a plain path as it is; empty for URIs of other schemes or hosts.
QString InputPath(const char* argument)
{
    const QByteArray text(argument);
    if (qstrnicmp(text.constData(), "file:", 5) != 0)
        return PathFromNative(text);
    return PathFromFileUrl(QUrl::fromEncoded(text));
}

int Run(int size, const char* input, const char* output)
{
    const QString inputPath = InputPath(input);
    if (inputPath.isEmpty()) {
        std::fprintf(stderr, "kelbrin-thumbnailer: %s is not a local file\n", input);
        return eFailure;
    }
    // A FIFO or a device named *.abr would block the read or never end.
    struct stat status;
    if (stat(PathToNative(inputPath).constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
        std::fprintf(stderr, "kelbrin-thumbnailer: %s is not a readable file\n", input);
        return eFailure;
    }
    QByteArray png;
    try {
        PatternPtr firstPattern;
        const std::vector<BrushPtr> brushes =
            ReadFirstBrushes(inputPath, kSheetBrushes, &firstPattern);
        const QImage thumbnail = brushes.empty() && firstPattern
                                     ? PatternThumbnail(*firstPattern, size)
                                     : BrushThumbnail(brushes, size);
        if (thumbnail.isNull()) {
            std::fprintf(stderr, "kelbrin-thumbnailer: %s holds no brush with an image\n", input);
            return eFailure;
        }
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(thumbnail)) {
            std::fprintf(stderr, "kelbrin-thumbnailer: cannot encode the preview of %s\n", input);
            return eFailure;
        }
    } catch (int error) {
        std::fprintf(stderr, "kelbrin-thumbnailer: cannot read brushes from %s (%s)\n", input,
                     ReadErrorText(error).toLocal8Bit().constData());
        return eFailure;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "kelbrin-thumbnailer: %s needs more memory than a preview may use\n",
                     input);
        return eFailure;
    }
    // Writing is quick and must not be cut short half way.
    StopDeadline();
    // Some file managers make the output file themselves (an empty temporary) before they run
    // us, so whatever has its name is replaced.
    QString why;
    if (!ReplaceFile(PathFromNative(output), png, &why)) {
        std::fprintf(stderr, "kelbrin-thumbnailer: cannot write %s: %s\n", output,
                     why.toLocal8Bit().constData());
        return eFailure;
    }
    return eSuccess;
}
} // namespace

int main(int argc, char** argv)
{
    StartDeadline(kCpuDeadlineMs, kWallDeadlineMs, eFailure);
    CapAddressSpace(kAddressSpaceCap);

    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("kelbrin-thumbnailer %s\n", KELBRIN_VERSION);
        return eSuccess;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return eSuccess;
    }
    if (argc != 5 || std::strcmp(argv[1], "-s") != 0) {
        PrintUsage(stderr);
        return eUsage;
    }
    char* end = nullptr;
    errno = 0;
    const long size = std::strtol(argv[2], &end, 10);
    if (errno != 0 || end == argv[2] || *end != '\0' || size < 1 || size > kMaxSize) {
        std::fprintf(stderr, "kelbrin-thumbnailer: SIZE must be a number from 1 to %d, not %s\n",
                     kMaxSize, argv[2]);
        return eUsage;
    }
    const int status = Run(static_cast<int>(size), argv[3], argv[4]);
    EndBackgroundWork();
    return status;
}
