// Typed reads and run-length decoding through CInStream over a 64 MB file in the page cache,
// beside a plain memcpy of the same number of bytes.
#include "stream/CByteUnpackStream.h"
#include "stream/CInStream.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <random>
#include <vector>

namespace {
constexpr size_t kFileSize = 64u << 20;

QString WriteOnce(const QString& name, const std::vector<unsigned char>& bytes)
{
    const QString path = QDir::temp().filePath(name);
    QFile file(path);
    if (file.size() != qint64(bytes.size())) {
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    return path;
}

const QString& RawFile()
{
    static const QString path = [] {
        std::vector<unsigned char> bytes(kFileSize);
        std::mt19937 rng(1);
        for (auto& b : bytes)
            b = static_cast<unsigned char>(rng());
        return WriteOnce("kelbrin-bench-raw.bin", bytes);
    }();
    return path;
}

// Brush-like rows: runs of paper and ink between stretches of noisy edge pixels.
struct PackedFile
{
    QString path;
    size_t decodedSize;
};

const PackedFile& CompressedFile()
{
    static const PackedFile file = [] {
        std::vector<unsigned char> packed;
        packed.reserve(kFileSize);
        size_t decoded = 0;
        std::mt19937 rng(2);
        while (packed.size() + 130 < kFileSize) {
            if (rng() % 2) {
                const int run = 2 + int(rng() % 127);
                packed.push_back(static_cast<unsigned char>(1 - run));
                packed.push_back(static_cast<unsigned char>(rng()));
                decoded += size_t(run);
            } else {
                const int literal = 1 + int(rng() % 128);
                packed.push_back(static_cast<unsigned char>(literal - 1));
                for (int i = 0; i < literal; ++i)
                    packed.push_back(static_cast<unsigned char>(rng()));
                decoded += size_t(literal);
            }
        }
        return PackedFile{WriteOnce("kelbrin-bench-packed.bin", packed), decoded};
    }();
    return file;
}

void BM_Memcpy(benchmark::State& state)
{
    std::vector<unsigned char> src(kFileSize, 1), dst(kFileSize);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), kFileSize);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

template <int ElementSize> void BM_TypedReadChunks(benchmark::State& state)
{
    const sizeWithLog size = ElementSize == 1 ? kSize1 : ElementSize == 2 ? kSize2 : kSize4;
    const unsigned long chunkElements = static_cast<unsigned long>(state.range(0)) / ElementSize;
    std::vector<unsigned char> dst(size_t(state.range(0)));
    RawFile();
    for (auto _ : state) {
        CInStream stream(RawFile(), true);
        for (size_t done = 0; done < kFileSize; done += dst.size())
            stream.ReadGeneric(dst.data(), size, chunkElements, false);
        benchmark::DoNotOptimize(dst.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

void BM_ReadU32OneByOne(benchmark::State& state)
{
    RawFile();
    for (auto _ : state) {
        CInStream stream(RawFile(), true);
        unsigned int sum = 0;
        for (size_t done = 0; done < kFileSize; done += 4)
            sum += stream.ReadU32();
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

// Raw 8-bit samples as the reader takes them: 64 rows of the given width at a time.
void BM_RawSampleRows(benchmark::State& state)
{
    RawFile();
    const size_t slice = size_t(state.range(0)) * 64;
    std::vector<unsigned char> out(kFileSize);
    for (auto _ : state) {
        CInStream stream(RawFile(), true);
        for (size_t done = 0; done < kFileSize; done += slice)
            stream.ReadGeneric(out.data() + done, kSize1,
                               static_cast<unsigned long>(std::min(slice, kFileSize - done)),
                               false);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

void BM_RunLengthDecode(benchmark::State& state)
{
    const PackedFile& file = CompressedFile();
    std::vector<unsigned char> out(file.decodedSize);
    for (auto _ : state) {
        CInStream stream(file.path, true);
        CByteUnpackStream unpacker(stream);
        // In slices, as the reader decodes them between its checks for a cancel.
        const size_t slice = 64 * 4800;
        for (size_t done = 0; done < out.size(); done += slice) {
            const size_t n = std::min(slice, out.size() - done);
            unpacker.Read(out.data() + done, static_cast<unsigned long>(n), done + n == out.size());
        }
        benchmark::DoNotOptimize(out.data());
    }
    // Rate of compressed file bytes consumed; the decoded rate is reported as a counter.
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(QFile(file.path).size()));
    state.counters["decoded_bytes_per_second"] = benchmark::Counter(
        double(state.iterations()) * double(file.decodedSize), benchmark::Counter::kIsRate);
}
} // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_TypedReadChunks, 1)->Arg(1 << 16)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_TypedReadChunks, 2)->Arg(1 << 16)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_TypedReadChunks, 4)->Arg(1 << 16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadU32OneByOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSampleRows)->Arg(480)->Arg(4800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLengthDecode)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
