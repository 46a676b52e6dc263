// The brush library at the size of a large collection: cataloguing 2,000 made-up brush files of
// 20,000 brushes (1.3 GB) from scratch through a search, at normal priority as a command the user
// waits on and at the background priority it has beside the window (time, MB/s, CPU time, peak
// memory, the main thread's longest stall), a second start with nothing changed, the library's
// bytes per brush on disk, and name search over 100,000 brushes. Goals: 500 MB/s at normal
// priority, 150 MB, 16 ms; 1 s; 3 KB; 20 ms to the first screen.
//
//   bench_library [FOLDER [normal|background]]
//       the collection is made in FOLDER (kept between runs) or in a temporary folder; with a
//       priority, only that cataloguing is run (for a profiler)
#include "MadeUpLibrary.h"
#include "support/AbrWriter.h"

#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"
#include "library/CLibraryConnection.h"
#include "library/CatalogueEntry.h"
#include "thread/KelbrinCoreApplication.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <sys/resource.h>

namespace {
constexpr int kFiles = 2000;
constexpr int kBrushesPerFile = 10;
constexpr int kSearchBrushes = 100000;

QString BrushName(std::mt19937& random, int index)
{
    std::uniform_int_distribution<int> word(0, int(std::size(kWords)) - 1);
    return QStringLiteral("%1 %2 %3").arg(kWords[word(random)], kWords[word(random)]).arg(index);
}

// A soft blob with grain, the way most sampled tips look: PackBits finds runs at its edges and
// little in its middle.
QByteArray TipPixels(int side, std::mt19937& random)
{
    QByteArray pixels(qsizetype(side) * side, '\0');
    std::uniform_int_distribution<int> grain(0, 40);
    const double centre = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double r = std::hypot(x - centre, y - centre) / (side / 2.0);
            const double ink = r >= 1 ? 0 : std::pow(1 - r, 0.7) * 215;
            pixels[qsizetype(y) * side + x] = char(ink > 0 ? int(ink) + grain(random) : 0);
        }
    return pixels;
}

// Sides between 64 and 700 pixels, mostly small, as collections have them; one brush in five
// computed.
QByteArray MadeUpFile(int file, std::mt19937& random)
{
    AbrWriter w;
    w.u16(2).u16(kBrushesPerFile);
    std::uniform_int_distribution<int> side(64, 700);
    for (int i = 0; i < kBrushesPerFile; ++i) {
        const QString name = BrushName(random, file * kBrushesPerFile + i);
        if (i % 5 == 4) {
            w.computedRecord(true, name, uint16_t(side(random)), 80, 30, 60);
            continue;
        }
        const int s = std::min(side(random), side(random));
        w.sampledRecord(true, name, 0, 0, s, s, 8, true, PackBits(TipPixels(s, random)));
    }
    return w.data();
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

struct Pass
{
    double seconds = 0;
    double cpuSeconds = 0; // of the whole process: the load of the machine does not count
    qint64 worstStallMs = 0;
    CatalogueCounts counts;
};

// One start of the program: a search of the folder that the cataloguer follows, until both are
// done, with a 2 ms timer noting how late the main thread comes to it.
Pass Catalogue(const QString& library, const QString& folder, eCataloguingPriority priority)
{
    Pass pass;
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = CpuSeconds();
    const std::unique_ptr<BrushFileSearch> search =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), {folder});
    CBrushCataloguer cataloguer(library, 0, priority);
    cataloguer.follow(search.get(), {folder});
    bool searched = false;
    QObject::connect(search.get(), &BrushFileSearch::firstPhaseFinished, [&] { searched = true; });
    QEventLoop loop;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(2);
    QElapsedTimer sinceProbe;
    sinceProbe.start();
    QObject::connect(&probe, &QTimer::timeout, &loop, [&] {
        pass.worstStallMs = std::max(pass.worstStallMs, sinceProbe.restart() - 2);
        if (searched && cataloguer.isIdle())
            loop.quit();
    });
    probe.start();
    search->run(false);
    loop.exec();
    pass.seconds = clock.elapsed() / 1000.0;
    pass.cpuSeconds = CpuSeconds() - cpuBefore;
    pass.counts = cataloguer.counts();
    return pass;
}

qint64 LibraryBytes(const QString& library)
{
    {
        CLibraryConnection c(library);
        c.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    return QFileInfo(library).size() + QFileInfo(library + QStringLiteral("-wal")).size();
}

// A library of kSearchBrushes brushes made straight in SQL, with names like the collection's.
void FillSearchLibrary(const QString& library)
{
    PrepareLibrary(library);
    CLibraryConnection c(library);
    c.beginWrite();
    std::mt19937 random(7);
    FillMadeUpLibrary(c, kSearchBrushes, kBrushesPerFile,
                      [&random](int n) { return BrushName(random, n); });
    c.commit();
}
} // namespace

int main(int argc, char** argv)
{
    KelbrinCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    const QString only = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    const QString brushes = folder + QStringLiteral("/collection");
    QDir().mkpath(brushes);
    if (QDir(brushes).entryList(QDir::Files).size() != kFiles) {
        std::mt19937 random(1);
        qint64 bytes = 0;
        for (int f = 0; f < kFiles; ++f) {
            QFile out(
                QStringLiteral("%1/pack %2.abr").arg(brushes).arg(f, 4, 10, QLatin1Char('0')));
            out.open(QIODevice::WriteOnly);
            bytes += out.write(MadeUpFile(f, random));
        }
        std::printf("made %d files of %d brushes, %.0f MB\n", kFiles, kBrushesPerFile,
                    double(bytes) / 1e6);
    }
    qint64 collectionBytes = 0;
    for (const QFileInfo& file : QDir(brushes).entryInfoList(QDir::Files))
        collectionBytes += file.size();
    const long rssBefore = PeakRssMb();

    const QString library = scratch.path() + QStringLiteral("/library.sqlite");
    const auto catalogueAfresh = [&](eCataloguingPriority priority) {
        for (const QString& name :
             {library, library + QStringLiteral("-wal"), library + QStringLiteral("-shm")})
            QFile::remove(name);
        PrepareLibrary(library);
        return Catalogue(library, brushes, priority);
    };
    const auto report = [&](const char* priority, const Pass& pass) {
        std::printf("cataloguing at %s priority: %.2f s, %.0f MB/s (%.2f s of CPU) for %d files "
                    "read (%d failed), longest main-thread stall %lld ms\n",
                    priority, pass.seconds, double(collectionBytes) / 1e6 / pass.seconds,
                    pass.cpuSeconds, pass.counts.read, pass.counts.failed,
                    static_cast<long long>(pass.worstStallMs));
    };
    if (only == QLatin1String("normal") || only == QLatin1String("background")) {
        const bool normal = only == QLatin1String("normal");
        report(normal ? "normal" : "background",
               catalogueAfresh(normal ? eCataloguingPriority::normal
                                      : eCataloguingPriority::background));
        return 0;
    }

    report("normal", catalogueAfresh(eCataloguingPriority::normal));
    std::printf("peak RSS %ld MB (%ld MB before)\n", PeakRssMb(), rssBefore);
    // Beside the window; the rest below follows this library.
    report("background", catalogueAfresh(eCataloguingPriority::background));
    const Pass second = Catalogue(library, brushes, eCataloguingPriority::background);
    // Nothing is read on the second start, so its stall is the search's own and the load's: the
    // cataloguer does nothing on the main thread but queue what it is told.
    std::printf("second start: %.3f s (%.2f s of CPU), %d unchanged, %d read, longest main-thread "
                "stall %lld ms\n",
                second.seconds, second.cpuSeconds, second.counts.unchanged, second.counts.read,
                static_cast<long long>(second.worstStallMs));
    std::printf("machine load average at the end: %s",
                [] {
                    QFile load(QStringLiteral("/proc/loadavg"));
                    load.open(QIODevice::ReadOnly);
                    return load.readAll().left(15).append('\n');
                }()
                    .constData());
    const LibraryTotals totals = CLibrary(library).totals();
    const qint64 bytes = LibraryBytes(library);
    std::printf("library: %d files, %d brushes, %.1f MB, %.0f bytes per brush\n", totals.files,
                totals.brushes, double(bytes) / 1e6, double(bytes) / std::max(1, totals.brushes));

    const QString searchLibrary = scratch.path() + QStringLiteral("/search.sqlite");
    FillSearchLibrary(searchLibrary);
    CLibrary search(searchLibrary);
    for (const QString& text : {QStringLiteral("chalk"), QStringLiteral("SMOKE WET"),
                                QStringLiteral("99999"), QStringLiteral("nowhere")}) {
        search.searchBrushNames(text, 200); // the pages into the cache, as a second keystroke
        QElapsedTimer clock;
        clock.start();
        const size_t found = search.searchBrushNames(text, 200).size();
        const double firstScreen = clock.nsecsElapsed() / 1e6;
        clock.restart();
        const size_t all = search.searchBrushNames(text, -1).size();
        std::printf("search \"%s\" over %d brushes: first %zu in %.2f ms, all %zu in %.2f ms\n",
                    qPrintable(text), kSearchBrushes, found, firstScreen, all,
                    clock.nsecsElapsed() / 1e6);
    }
    return 0;
}
