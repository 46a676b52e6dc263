// The life of one large outline: 100,000 brush files in 20,000 folders are added, a top folder
// holding half of them is renamed, a folder of 10,000 is moved, and every file is deleted.
//
// The files are real (empty) files in a scratch folder, because the model asks the disk what
// each new path is; /dev/shm is used when the machine has it. Laying them out is not timed.

#include "hierarchy/CFileHierarchy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <random>
#include <set>
#include <vector>

namespace {

constexpr int kFiles = 100000;
constexpr int kFolders = 20000;
constexpr int kMinFileDepth = 4; // levels below the scratch folder, the file included
constexpr int kMaxFileDepth = 12;
constexpr FileNodeFlags kFileFlags{FileNodeFlags::eExists | FileNodeFlags::eIsFile};

struct Folder
{
    QString relative;
    int depth; // 1 for a top folder
    std::set<QString> names;
};

struct Layout
{
    std::vector<QString> files; // relative paths
    QString halfTop;            // the top folder holding half of the files
    QString tenThousand;        // a top folder holding 10,000 files
    QString moveTarget;         // where it is moved to (same name, another top folder)
};

class NameMaker
{
public:
    explicit NameMaker(std::mt19937& random) : mRandom(random) {}

    // 5 to 30 characters, unique among `taken`.
    QString Make(std::set<QString>& taken, const QString& suffix = QString())
    {
        static const char kLetters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -_";
        for (;;) {
            const int length = 5 + int(mRandom() % 26) - int(suffix.size());
            QString name;
            for (int i = 0; i < length; ++i)
                name += QLatin1Char(kLetters[mRandom() % (sizeof kLetters - 1)]);
            name += suffix;
            if (name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')))
                continue;
            if (taken.insert(name).second)
                return name;
        }
    }

private:
    std::mt19937& mRandom;
};

// Five top folders: one with half of the files and half of the folders, one with 10,000 files,
// three sharing the rest.
Layout MakeLayout(const QString& root)
{
    std::mt19937 random(2024);
    NameMaker names(random);
    Layout layout;
    std::set<QString> topNames;
    const int topFiles[] = {kFiles / 2, 10000, 13334, 13333, 13333};
    const int topFolders[] = {kFolders / 2, 2000, 2667, 2667, 2666};
    std::vector<QString> tops;
    for (int t = 0; t < 5; ++t) {
        std::vector<Folder> folders;
        folders.push_back(Folder{names.Make(topNames), 1, {}});
        tops.push_back(folders.front().relative);
        // A random recursive tree, kept shallow enough that files stay within the depth range.
        while (int(folders.size()) < topFolders[t]) {
            size_t parent = random() % folders.size();
            if (folders[parent].depth >= kMaxFileDepth - 1)
                continue;
            Folder child{QString(), folders[parent].depth + 1, {}};
            child.relative =
                folders[parent].relative + QLatin1Char('/') + names.Make(folders[parent].names);
            folders.push_back(std::move(child));
        }
        std::vector<size_t> eligible;
        for (size_t i = 0; i < folders.size(); ++i) {
            if (folders[i].depth >= kMinFileDepth - 1)
                eligible.push_back(i);
        }
        for (int f = 0; f < topFiles[t]; ++f) {
            Folder& folder = folders[eligible[random() % eligible.size()]];
            layout.files.push_back(folder.relative + QLatin1Char('/') +
                                   names.Make(folder.names, QStringLiteral(".abr")));
        }
        for (const Folder& folder : folders)
            QDir().mkpath(root + QLatin1Char('/') + folder.relative);
    }
    for (const QString& file : layout.files) {
        QFile f(root + QLatin1Char('/') + file);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(f.fileName()));
    }
    layout.halfTop = tops[0];
    layout.tenThousand = tops[1];
    layout.moveTarget = tops[2] + QLatin1Char('/') + tops[1];
    std::shuffle(layout.files.begin(), layout.files.end(), random);
    return layout;
}

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

size_t CountNodes(const CFileSystemNode& node)
{
    size_t count = 1;
    for (size_t i = 0, n = node.ChildCount(); i < n; ++i)
        count += CountNodes(*node.Child(i));
    return count;
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The machine is shared, so the processor time of this thread is reported beside wall time.
double CpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

QString ScratchTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/kelbrin-bench-XXXXXX");
}

void BM_HierarchyLifecycle(benchmark::State& state)
{
    QTemporaryDir scratch(ScratchTemplate());
    const QString root = scratch.path();
    const Layout layout = MakeLayout(root);
    using Clock = std::chrono::steady_clock;

    for (auto _ : state) {
        const size_t heapBefore = HeapInUse();
        auto* hierarchy = new CFileHierarchy;
        hierarchy->SetTopLevelSortingOrder(eTopLevelSortByDepthFirst);
        CFileSystemNodePtr node;
        bool topLevelChanged = false;

        auto start = Clock::now();
        double cpu = CpuSeconds();
        for (const QString& file : layout.files)
            hierarchy->AddFile(root + QLatin1Char('/') + file, kFileFlags, node, topLevelChanged);
        const double addSeconds = Seconds(Clock::now() - start);
        const double addCpu = CpuSeconds() - cpu;
        node.reset();
        const size_t nodes = CountNodes(*hierarchy->RootNode());
        const size_t heapBytes = HeapInUse() - heapBefore;

        // The disk changes first, as it does when the search reports a change.
        const QString renamedTop = layout.halfTop + QStringLiteral(" renamed");
        QDir().rename(root + QLatin1Char('/') + layout.halfTop,
                      root + QLatin1Char('/') + renamedTop);
        start = Clock::now();
        cpu = CpuSeconds();
        const bool renamed =
            hierarchy->RenameNode(root + QLatin1Char('/') + layout.halfTop, renamedTop, node);
        const double renameSeconds = Seconds(Clock::now() - start);
        const double renameCpu = CpuSeconds() - cpu;

        QDir().rename(root + QLatin1Char('/') + layout.tenThousand,
                      root + QLatin1Char('/') + layout.moveTarget);
        start = Clock::now();
        cpu = CpuSeconds();
        const bool moved =
            hierarchy->MoveNode(root + QLatin1Char('/') + layout.tenThousand,
                                root + QLatin1Char('/') + layout.moveTarget,
                                FileNodeFlags{FileNodeFlags::eExists}, node, topLevelChanged);
        const double moveSeconds = Seconds(Clock::now() - start);
        const double moveCpu = CpuSeconds() - cpu;

        std::vector<QString> current;
        current.reserve(layout.files.size());
        for (QString file : layout.files) {
            if (file.startsWith(layout.halfTop + QLatin1Char('/')))
                file.replace(0, layout.halfTop.size(), renamedTop);
            else if (file.startsWith(layout.tenThousand + QLatin1Char('/')))
                file.replace(0, layout.tenThousand.size(), layout.moveTarget);
            current.push_back(root + QLatin1Char('/') + file);
        }
        size_t deleted = 0;
        start = Clock::now();
        cpu = CpuSeconds();
        for (const QString& file : current)
            deleted += hierarchy->DeleteNode(file, node, topLevelChanged) ? 1 : 0;
        const double deleteSeconds = Seconds(Clock::now() - start);
        const double deleteCpu = CpuSeconds() - cpu;
        node.reset();
        const size_t leftAfterDelete = CountNodes(*hierarchy->RootNode());
        delete hierarchy;

        state.SetIterationTime(addSeconds + renameSeconds + moveSeconds + deleteSeconds);
        state.counters["add_s_total"] = addSeconds;
        state.counters["add_us_per_file"] = addSeconds * 1e6 / double(kFiles);
        state.counters["nodes"] = double(nodes);
        state.counters["bytes_per_node"] = double(heapBytes) / double(nodes);
        state.counters["rename_half_ms"] = renameSeconds * 1e3;
        state.counters["move_10k_ms"] = moveSeconds * 1e3;
        state.counters["delete_us_per_file"] = deleteSeconds * 1e6 / double(current.size());
        state.counters["add_cpu_s"] = addCpu;
        std::printf("\nadded %d files in %.3f s wall, %.3f s cpu (%.2f us cpu each); %zu nodes, "
                    "%zu bytes of heap, %.0f bytes per node\n",
                    kFiles, addSeconds, addCpu, addCpu * 1e6 / kFiles, nodes, heapBytes,
                    double(heapBytes) / double(nodes));
        std::printf("renamed a top folder holding %d files: %s in %.1f ms wall, %.1f ms cpu\n",
                    kFiles / 2, renamed ? "done" : "FAILED", renameSeconds * 1e3, renameCpu * 1e3);
        std::printf("moved a folder holding 10000 files: %s in %.1f ms wall, %.1f ms cpu\n",
                    moved ? "done" : "FAILED", moveSeconds * 1e3, moveCpu * 1e3);
        std::printf("deleted %zu files one by one in %.3f s wall, %.3f s cpu (%.2f us cpu each); "
                    "%zu node(s) left\n",
                    deleted, deleteSeconds, deleteCpu, deleteCpu * 1e6 / double(current.size()),
                    leftAfterDelete);

        // Put the disk back for another iteration.
        QDir().rename(root + QLatin1Char('/') + renamedTop,
                      root + QLatin1Char('/') + layout.halfTop);
        QDir().rename(root + QLatin1Char('/') + layout.moveTarget,
                      root + QLatin1Char('/') + layout.tenThousand);
    }
}

// The parts of one add: making the descriptor (which asks the disk), and finding a path that
// is already in the tree (the walk every add makes from the root).
void BM_DescriptorAndLookup(benchmark::State& state)
{
    QTemporaryDir scratch(ScratchTemplate());
    const QString root = scratch.path();
    const Layout layout = MakeLayout(root);
    std::vector<QString> paths;
    for (const QString& file : layout.files)
        paths.push_back(root + QLatin1Char('/') + file);
    CFileHierarchy hierarchy;
    CFileSystemNodePtr node;
    bool topLevelChanged = false;
    for (const QString& path : paths)
        hierarchy.AddFile(path, kFileFlags, node, topLevelChanged);

    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        unsigned depth = 0;
        for (const QString& path : paths)
            depth += CFSDescriptor(path).Depth();
        const double descriptorSeconds = Seconds(std::chrono::steady_clock::now() - start);
        start = std::chrono::steady_clock::now();
        size_t found = 0;
        for (const QString& path : paths)
            found += hierarchy.FindNodeForPath(path, node) ? 1 : 0;
        const double lookupSeconds = Seconds(std::chrono::steady_clock::now() - start);
        benchmark::DoNotOptimize(depth);
        state.SetIterationTime(descriptorSeconds + lookupSeconds);
        state.counters["descriptor_us"] = descriptorSeconds * 1e6 / double(paths.size());
        state.counters["lookup_us"] = lookupSeconds * 1e6 / double(paths.size());
        state.counters["found"] = double(found);
    }
}

} // namespace

BENCHMARK(BM_DescriptorAndLookup)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HierarchyLifecycle)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
