// Reading a file's patterns beside reading samples of the same number of bytes: the real file
// with a 1 MB pattern section (one RGB pattern of 595 x 597, raw channels), then made-up files
// of the same size, raw and run-length, whose bytes are samples in one case and a pattern in
// the other. Each iteration reads a whole file from the page cache through CABRreader.
// A pattern is decoded into channel planes and then a QImage, a few megabytes that glibc may
// hand back to the kernel after each read and fault in again on the next; on machines where
// page faults are dear that dominates. To see the reader alone, fix the allocator's thresholds:
//   GLIBC_TUNABLES=glibc.malloc.mmap_threshold=8388608:glibc.malloc.trim_threshold=67108864
#include "abr/CABRreader.h"
#include "abr/Type6Writer.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <random>

namespace {
constexpr int kWidth = 595, kHeight = 597;

struct CountingSink : CBrushSink
{
    void AddBrush(const BrushPtr&) override { ++items; }
    void AddPattern(const PatternPtr&) override { ++items; }
    void FinishedReadingFile(const ReadOutcome&) override {}
    int items = 0;
};

QString Write(const QString& name, const QByteArray& bytes)
{
    const QString path = QDir::temp().filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

// Noise with runs in it, so run-length rows both repeat and copy.
QByteArray Plane(unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray plane(kWidth * kHeight, '\0');
    for (qsizetype i = 0; i < plane.size();) {
        const qsizetype run = 1 + qsizetype(rng() % 8);
        const char value = char(rng());
        for (qsizetype k = 0; k < run && i < plane.size(); ++k, ++i)
            plane[i] = rng() % 2 ? value : char(rng());
    }
    return plane;
}

// Three samples or one RGB pattern, from the same three planes.
QString MadeUpFile(bool pattern, bool compressed)
{
    std::vector<SampleRecordDescription> samples;
    std::vector<QByteArray> presets;
    PatternRecordDescription record;
    record.mode = 3;
    record.width = kWidth;
    record.height = kHeight;
    record.name = QStringLiteral("Bench");
    for (unsigned c = 0; c < 3; ++c) {
        const QByteArray plane = Plane(c + 1);
        if (pattern) {
            record.channels.push_back({true, 8, compressed, plane});
            continue;
        }
        SampleRecordDescription s;
        s.id = "s" + std::to_string(c);
        s.bottom = kHeight;
        s.right = kWidth;
        s.compressed = compressed;
        if (compressed) {
            for (int row = 0; row < kHeight; ++row)
                s.pixels += PackBits(plane.mid(row * kWidth, kWidth));
        } else {
            s.pixels = plane;
        }
        samples.push_back(s);
        presets.push_back(desc::Preset(QString::fromStdString(s.id),
                                       desc::SampledTip(QString::fromStdString(s.id))));
    }
    QByteArray file = Header() + Section("samp", SampleRecords(samples, 2)) +
                      Section("desc", desc::Presets(presets));
    if (pattern)
        file += Section("patt", PatternRecord(record));
    return Write(QStringLiteral("kelbrin-bench-%1-%2.abr")
                     .arg(pattern ? "pattern" : "samples", compressed ? "rle" : "raw"),
                 file);
}

void Read(benchmark::State& state, const QString& path)
{
    const qint64 bytes = QFile(path).size();
    for (auto _ : state) {
        CountingSink sink;
        CABRreader reader(path);
        reader.Read(sink);
        benchmark::DoNotOptimize(sink.items);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_bytes"] = double(bytes);
}

const QString kRealFile =
    QStringLiteral(KELBRIN_SOURCE_DIR "/tests/read/agpsd_sample-and-pattern.abr");

void BM_RealPatternSection(benchmark::State& state)
{
    Read(state, kRealFile);
}

// The same file with its "patt" section renamed, so the reader steps over it: what reading the
// rest costs.
void BM_RealFileWithoutPatterns(benchmark::State& state)
{
    static const QString path = [] {
        QFile real(kRealFile);
        real.open(QIODevice::ReadOnly);
        QByteArray bytes = real.readAll();
        bytes.replace("8BIMpatt", "8BIMpatx");
        return Write(QStringLiteral("kelbrin-bench-real-without-patterns.abr"), bytes);
    }();
    Read(state, path);
}

void BM_Pattern(benchmark::State& state)
{
    static const QString raw = MadeUpFile(true, false), rle = MadeUpFile(true, true);
    Read(state, state.range(0) ? rle : raw);
}

void BM_Samples(benchmark::State& state)
{
    static const QString raw = MadeUpFile(false, false), rle = MadeUpFile(false, true);
    Read(state, state.range(0) ? rle : raw);
}
} // namespace

BENCHMARK(BM_RealPatternSection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RealFileWithoutPatterns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pattern)->Arg(0)->Arg(1)->ArgName("rle")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Samples)->Arg(0)->Arg(1)->ArgName("rle")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
