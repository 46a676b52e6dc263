// The brush engine's speed: one 500-dab stroke of a 2,500 px sampled tip with its texture
// (each tip, depth jitter) and a dual brush (goal: 60 ms or less), painted at a viewer's
// preview size (120 px); and the dab rate of a 100 px computed tip
// on one core (goal: 20,000 dabs a second or more).
#include "GrainySample.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "engine/BrushEngine.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {
// A 2,500 px scanned-looking sample with size on pressure, angle jitter, texture and a dual brush.
std::shared_ptr<SampledBrush> LargeSample()
{
    constexpr int kSide = 2500;
    auto brush = GrainySample(kSide);
    BrushPreset preset;
    preset.tip.kind = TipKind::Sampled;
    preset.tip.sampleId = "large";
    preset.tip.diameter = kSide;
    preset.tip.spacing = 1;
    ShapeDynamics shape;
    shape.size.control = DynamicControl::PenPressure;
    shape.angle.jitter = 20;
    preset.settings.shapeDynamics = shape;
    Texture texture;
    texture.mode = "Color Burn";
    texture.depth = 70;
    texture.perTip = true;
    texture.depthJitter.jitter = 40;
    preset.settings.texture = texture;
    DualBrush dual;
    dual.tip.diameter = 800;
    dual.tip.spacing = 25;
    dual.mode = "Multiply";
    dual.scatter.jitter = 50;
    dual.count = 2;
    preset.settings.dualBrush = dual;
    brush->setPreset(std::make_shared<const BrushPreset>(preset));
    return brush;
}

StrokePath Across(double width, double y)
{
    StrokePath path;
    for (double x = 20; x <= width - 20; x += 4) {
        StrokePoint p;
        p.x = x;
        p.y = y + 20 * std::sin(x / 60);
        path.push_back(p);
    }
    return path;
}

void BM_SampledStrokeWithTextureAndDualBrush(benchmark::State& state)
{
    static const auto brush = LargeSample();
    StrokeOptions options;
    options.size = double(state.range(0));
    // 500 dabs of the brush along the path, whatever the size: the spacing is 1 % of it.
    const double length = 500 * options.size / 100;
    const QSize canvas(int(length) + 40, 240);
    StrokePath path;
    for (int i = 0; i <= 100; ++i) {
        StrokePoint p;
        p.x = 20 + length * i / 100;
        p.y = 120 + 30 * std::sin(i / 16.0);
        path.push_back(p);
    }
    int dabs = 0;
    bool simplified = false;
    for (auto _ : state) {
        const StrokeResult r = PaintStroke(*brush, path, canvas, options);
        dabs = r.dabs;
        simplified = r.simplified;
        benchmark::DoNotOptimize(r.image.constBits());
    }
    state.counters["dabs"] = dabs;
    state.counters["simplified"] = simplified;
}
BENCHMARK(BM_SampledStrokeWithTextureAndDualBrush)->Arg(120)->Unit(benchmark::kMillisecond);

void BM_DabRate100px(benchmark::State& state)
{
    auto brush = std::make_shared<ComputedBrush>(std::nullopt, 100, 100, 0, 50);
    BrushPreset preset;
    preset.tip.diameter = 100;
    preset.tip.spacing = 1;
    brush->setPreset(std::make_shared<const BrushPreset>(preset));
    const StrokePath path = Across(1200, 80);
    long long dabs = 0;
    for (auto _ : state) {
        const StrokeResult r = PaintStroke(*brush, path, QSize(1200, 160), {});
        dabs += r.dabs;
        benchmark::DoNotOptimize(r.image.constBits());
    }
    state.counters["dabs/s"] = benchmark::Counter(double(dabs), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DabRate100px)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
