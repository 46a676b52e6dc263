// Reading a file of 2,000 presets with every settings group on (bench/make_presets_2000.sh),
// as presets and as its stored tips alone, and the memory each preset keeps once read: its
// BrushPreset and what that holds on the heap, its tip aside (the samples are shared, the
// computed tips drawn only when asked for). Goal: at most 2 KB a preset.
#include "abr/CABRreader.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <vector>

namespace {
QString PresetsFile()
{
    static const QString path = [] {
        const QString file =
            QDir::temp().filePath(QStringLiteral("kelbrin-bench-presets-2000.abr"));
        const QByteArray command = QByteArray(KELBRIN_SOURCE_DIR) + "/bench/make_presets_2000.sh " +
                                   QFile::encodeName(file) + " >/dev/null";
        if (std::system(command.constData()) != 0)
            std::abort();
        return file;
    }();
    return path;
}

struct KeepPresets : CBrushSink
{
    void AddBrush(const BrushPtr& brush) override
    {
        if (brush->sharedPreset())
            presets.push_back(brush->sharedPreset());
    }
    void FinishedReadingFile(const ReadOutcome&) override {}
    std::vector<std::shared_ptr<const BrushPreset>> presets;
};

struct CountingSink : CBrushSink
{
    void AddBrush(const BrushPtr&) override { ++brushes; }
    void FinishedReadingFile(const ReadOutcome&) override {}
    int brushes = 0;
};

void BM_ReadFile(benchmark::State& state, CABRreader::ReadAs as)
{
    const QString path = PresetsFile();
    int brushes = 0;
    for (auto _ : state) {
        CountingSink sink;
        CABRreader(path, as).Read(sink);
        brushes = sink.brushes;
    }
    state.counters["brushes"] = brushes;
}
BENCHMARK_CAPTURE(BM_ReadFile, Presets, CABRreader::ReadAs::Presets)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadFile, StoredTips, CABRreader::ReadAs::StoredTips)
    ->Unit(benchmark::kMillisecond);

// The heap in use with only the presets kept, against before the read: the descriptor's tree
// and the brushes are gone by then, so what is left is the presets alone.
void BM_MemoryPerPreset(benchmark::State& state)
{
    const QString path = PresetsFile();
    double perPreset = 0;
    for (auto _ : state) {
        KeepPresets sink;
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        CABRreader(path).Read(sink);
        const size_t after = mallinfo2().uordblks;
        perPreset = double(after - before) / double(sink.presets.size());
        state.counters["presets"] = double(sink.presets.size());
    }
    state.counters["bytes_per_preset"] = perPreset;
    state.counters["sizeof_BrushPreset"] = double(sizeof(BrushPreset));
}
BENCHMARK(BM_MemoryPerPreset)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

BENCHMARK_MAIN();
