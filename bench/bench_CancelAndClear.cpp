// How long the main thread is blocked when the user switches files while the worker is in the
// middle of a large brush: decoding an 8,000 x 8,000 run-length sample, or drawing a
// 5,000-pixel computed tip at full size (as export and the viewer do): round and soft, turned
// and squashed, turned and hard. Goal: 16 ms at worst, one frame.
#include "support/BrushFiles.h"

#include "abr/CABRreader.h"
#include "brush/ComputedBrush.h"
#include "thread/CFileReadingSession.h"
#include "thread/CFileReadingTask.h"
#include "thread/KelbrinCoreApplication.h"
#include "thread/NotificationEvent.h"
#include "thread/PostingBrushSink.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[at];
}

void BM_CancelAndClearMidBrush(benchmark::State& state)
{
    const int kSide = int(state.range(0));
    const int kSwitches = int(state.range(1));
    const int kBrushes = 3;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.abr"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(SampledBrushFile(
                NamedBrushes(QStringLiteral("Large"), kBrushes, kSide, kSide))) < 0) {
            state.SkipWithError("cannot write the brush file");
            return;
        }
    }

    CWorkingThread thread;
    int brushesHandled = 0;
    CFileReadingSession session(
        thread, [&](const BrushFilePtr&, const BrushPtr&) { ++brushesHandled; }, {});
    auto startReading = [&] {
        brushesHandled = 0;
        session.ShowFile(BrushFile::brushFileWithPath(path));
        session.QueueTask(boost::make_shared<CFileReadingTask>(path, session.displayedFile()));
    };
    auto waitFor = [](const std::function<bool()>& condition) {
        while (!condition())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    };

    // A first whole read warms the page cache; the second, done right here without the
    // worker, tells how long decoding one brush takes.
    double brushMs = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const auto readStart = Clock::now();
        PostingBrushSink sink(BrushFile::brushFileWithPath(path));
        CABRreader(path).Read(sink);
        brushMs = Ms(Clock::now() - readStart) / kBrushes;
        NotificationEvent::clearAll();
    }

    std::mt19937 random(7);
    std::vector<double> cancelMs, sequenceMs;
    for (auto _ : state) {
        for (int i = 0; i < kSwitches; ++i) {
            startReading();
            // Once the first brush has arrived the worker is inside the second; wait a random
            // part of one brush more to land anywhere in it.
            waitFor([&] { return brushesHandled >= 1; });
            std::this_thread::sleep_for(std::chrono::microseconds(
                std::uniform_int_distribution<int>(0, int(brushMs * 900))(random)));
            const auto t0 = Clock::now();
            thread.CancelAndClear();
            const auto t1 = Clock::now();
            NotificationEvent::clearAll();
            const auto t2 = Clock::now();
            cancelMs.push_back(Ms(t1 - t0));
            sequenceMs.push_back(Ms(t2 - t0));
        }
    }
    state.counters["brush_decode_ms"] = brushMs;
    state.counters["cancel_median_ms"] = Percentile(cancelMs, 0.5);
    state.counters["cancel_p99_ms"] = Percentile(cancelMs, 0.99);
    state.counters["cancel_worst_ms"] = Percentile(cancelMs, 1.0);
    state.counters["with_sweep_median_ms"] = Percentile(sequenceMs, 0.5);
    state.counters["with_sweep_worst_ms"] = Percentile(sequenceMs, 1.0);
    std::printf("CancelAndClear over %zu switches mid-brush (%dx%d samples, one brush "
                "decodes in %.1f ms): median %.2f ms, 99th percentile %.2f ms, worst %.2f ms; "
                "with the sweep of pending notifications: median %.2f ms, worst %.2f ms\n",
                cancelMs.size(), kSide, kSide, brushMs, Percentile(cancelMs, 0.5),
                Percentile(cancelMs, 0.99), Percentile(cancelMs, 1.0), Percentile(sequenceMs, 0.5),
                Percentile(sequenceMs, 1.0));
}
BENCHMARK(BM_CancelAndClearMidBrush)
    ->Args({2500, 300})
    ->Args({8000, 40})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

struct TipKind
{
    double roundness, angle, hardness;
    const char* name;
};
const TipKind kTipKinds[] = {
    {100, 0, 0, "round soft"}, {50, 30, 0, "turned, squashed soft"}, {100, 30, 100, "turned hard"}};

ComputedBrush MakeTip(const TipKind& kind)
{
    return ComputedBrush(std::nullopt, 5000, kind.roundness, kind.angle, kind.hardness);
}

// Draws full-size computed tips one after another on the worker, as an export does.
class DrawTipsTask : public CWorkingThread::CThreadTask
{
public:
    DrawTipsTask(const TipKind& kind, std::atomic<int>& drawing) : mKind(kind), mDrawing(drawing) {}
    void Perform() override
    {
        for (int i = 0; i < 100; ++i) {
            const ComputedBrush tip = MakeTip(mKind);
            mDrawing = 1;
            benchmark::DoNotOptimize(tip.drawImage(1.0));
        }
    }

private:
    const TipKind& mKind;
    std::atomic<int>& mDrawing;
};

void BM_CancelAndClearMidTip(benchmark::State& state)
{
    const int kSwitches = int(state.range(0));
    const TipKind& kind = kTipKinds[state.range(1)];
    CWorkingThread thread;
    std::mt19937 random(11);
    std::vector<double> cancelMs;
    const auto drawStart = Clock::now();
    benchmark::DoNotOptimize(MakeTip(kind).drawImage(1.0));
    const double tipMs = Ms(Clock::now() - drawStart);
    for (auto _ : state) {
        for (int i = 0; i < kSwitches; ++i) {
            std::atomic<int> drawing{0};
            thread.AddTask(boost::make_shared<DrawTipsTask>(kind, drawing));
            while (!drawing)
                std::this_thread::yield();
            std::this_thread::sleep_for(std::chrono::microseconds(
                std::uniform_int_distribution<int>(0, int(tipMs * 900))(random)));
            const auto t0 = Clock::now();
            thread.CancelAndClear();
            cancelMs.push_back(Ms(Clock::now() - t0));
        }
    }
    state.counters["tip_draw_ms"] = tipMs;
    state.counters["cancel_worst_ms"] = Percentile(cancelMs, 1.0);
    std::printf("CancelAndClear over %zu switches while a 5000-pixel %s tip is drawn (one "
                "draws in %.1f ms): median %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n",
                cancelMs.size(), kind.name, tipMs, Percentile(cancelMs, 0.5),
                Percentile(cancelMs, 0.99), Percentile(cancelMs, 1.0));
}
BENCHMARK(BM_CancelAndClearMidTip)
    ->Args({60, 0})
    ->Args({60, 1})
    ->Args({60, 2})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    // Brushes reach the main thread as posted events, so the benchmark needs the application
    // object that routes them.
    KelbrinCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
