#include "BrushFiles.h"

#include "AbrWriter.h"

#include <algorithm>

QByteArray TestPixels(int width, int height, unsigned seed)
{
    QByteArray raw(qsizetype(width) * height, '\0');
    unsigned state = seed * 2654435761U + 1;
    for (qsizetype i = 0; i < raw.size();) {
        state = state * 1103515245U + 12345U;
        const unsigned pick = state >> 16;
        // Every fourth stretch is a run, the rest noise.
        const qsizetype stretch = std::min<qsizetype>(1 + (pick % 64), raw.size() - i);
        if (pick % 4 == 0) {
            std::fill_n(raw.data() + i, stretch, char(pick));
            i += stretch;
        } else {
            for (qsizetype k = 0; k < stretch; ++k) {
                state = state * 1103515245U + 12345U;
                raw[i++] = char(state >> 24);
            }
        }
    }
    return raw;
}

QByteArray SampledBrushFile(const std::vector<SampledBrushDescription>& brushes)
{
    AbrWriter w;
    w.u16(2).u16(uint16_t(brushes.size()));
    unsigned seed = 1;
    for (const SampledBrushDescription& b : brushes)
        w.sampledRecord(true, b.name, 0, 0, b.height, b.width, 8, true,
                        PackBits(TestPixels(b.width, b.height, seed++)));
    return w.data();
}

std::vector<SampledBrushDescription> NamedBrushes(const QString& prefix, int count, int width,
                                                  int height)
{
    std::vector<SampledBrushDescription> brushes;
    for (int i = 0; i < count; ++i)
        brushes.push_back({QStringLiteral("%1 %2").arg(prefix).arg(i), width, height});
    return brushes;
}

QByteArray TruncatedInBrush(const std::vector<SampledBrushDescription>& brushes, int keep)
{
    const std::vector<SampledBrushDescription> head(brushes.begin(), brushes.begin() + keep + 1);
    const QByteArray whole = SampledBrushFile(brushes);
    // The kept brushes plus brush `keep` up to the middle of its pixel data.
    const QByteArray upTo = SampledBrushFile(head);
    const QByteArray lastOnly = SampledBrushFile({brushes[size_t(keep)]});
    const qsizetype cut = upTo.size() - (lastOnly.size() - 4) / 4;
    return whole.left(cut);
}

QStringList BrushNames(const std::vector<SampledBrushDescription>& brushes, size_t count)
{
    QStringList names;
    for (size_t i = 0; i < count && i < brushes.size(); ++i)
        names << brushes[i].name;
    return names;
}
