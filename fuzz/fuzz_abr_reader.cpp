// Feeds arbitrary bytes to the brush-file reader. Any result is fine except a crash, a
// sanitizer report, a hang or an allocation out of proportion to the input.
#include "abr/CABRreader.h"
#include "brush/BrushPreset.h"
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

// Reads every value of a preset so a sanitizer sees each one; the sum keeps the reads.
double Touch(const Dynamic& d)
{
    return int(d.control) + d.storedControl + d.fadeSteps.value_or(0) + d.jitter + d.minimum;
}

double Touch(const TipShape& t)
{
    double sum = int(t.kind) + t.name.size() + (t.sampleId ? t.sampleId->size() : 0) + t.diameter +
                 t.angle + t.roundness + t.hardness.value_or(0) + t.flipX + t.flipY +
                 t.spacing.value_or(0);
    if (t.bristle)
        sum += t.bristle->shape + t.bristle->bristles + t.bristle->length + t.bristle->thickness +
               t.bristle->stiffness;
    if (t.erodible) {
        sum += t.erodible->airbrush + t.erodible->shape + t.erodible->softness +
               t.erodible->gridSize + t.erodible->granularity + t.erodible->spatterSize +
               t.erodible->spatterAmount;
        for (float h : t.erodible->heights)
            sum += h;
    }
    return sum;
}

double Touch(const BrushPreset& p)
{
    const BrushSettings& s = p.settings;
    double sum = p.isPreset + Touch(p.tip) + s.noise + s.wetEdges + s.buildUp + s.smoothing +
                 s.protectTexture + double(GroupsOn(s).size());
    if (const auto& g = s.shapeDynamics)
        sum += Touch(g->size) + g->minimumDiameter + g->tiltScale + Touch(g->angle) +
               Touch(g->roundness) + g->minimumRoundness + g->flipXJitter + g->flipYJitter +
               g->projection + DynamicText(g->size).size();
    if (const auto& g = s.scattering)
        sum += Touch(g->scatter) + g->bothAxes + g->count + Touch(g->countJitter);
    if (const auto& g = s.texture)
        sum += g->patternName.size() + g->patternId.size() + g->invert + g->scale + g->brightness +
               g->contrast + g->mode.size() + g->depth + g->minimumDepth + Touch(g->depthJitter) +
               g->perTip;
    if (const auto& g = s.dualBrush)
        sum += Touch(g->tip) + g->mode.size() + g->flip + Touch(g->scatter) + g->bothAxes +
               g->count + Touch(g->countJitter);
    if (const auto& g = s.colorDynamics)
        sum += g->perTip + Touch(g->foregroundBackground) + g->hue + g->saturation + g->brightness +
               g->purity;
    if (const auto& g = s.transfer)
        sum += Touch(g->opacity) + Touch(g->flow) + Touch(g->wetness) + Touch(g->mix);
    if (const auto& g = s.brushPose)
        sum += g->tiltX + g->tiltY + g->rotation + g->pressure + g->overrideTiltX +
               g->overrideTiltY + g->overrideRotation + g->overridePressure;
    if (const auto& o = p.toolOptions)
        sum += o->mode.size() + o->opacity.value_or(0) + o->flow.value_or(0) +
               o->smoothing.value_or(0);
    return sum;
}

volatile double gSink = 0;
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
    // Keeps nothing; a computed tip is sized but, as in a listing, never drawn. Every value of
    // a preset's settings is read.
    struct Discard : CBrushSink
    {
        void AddBrush(const BrushPtr& brush) override
        {
            (void)brush->pixelSize();
            if (const BrushPreset* preset = brush->preset())
                gSink = gSink + Touch(*preset);
        }
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
