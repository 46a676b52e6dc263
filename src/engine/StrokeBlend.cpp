#include "engine/StrokeBlend.h"

#include "engine/StrokeRandom.h"

#include <QPainter>
#include <cmath>
#include <utility>

BlendMode BlendModeFromWord(const QString& word)
{
    static const std::pair<const char*, BlendMode> kWords[] = {
        {"multiply", BlendMode::Multiply},
        {"subtract", BlendMode::Subtract},
        {"darken", BlendMode::Darken},
        {"overlay", BlendMode::Overlay},
        {"color dodge", BlendMode::ColorDodge},
        {"colour dodge", BlendMode::ColorDodge},
        {"color burn", BlendMode::ColorBurn},
        {"colour burn", BlendMode::ColorBurn},
        {"linear burn", BlendMode::LinearBurn},
        {"hard mix", BlendMode::HardMix},
        {"linear height", BlendMode::LinearHeight},
        {"height", BlendMode::Height},
    };
    const QString key = word.trimmed().toLower();
    for (const auto& [text, mode] : kWords)
        if (key == QLatin1String(text))
            return mode;
    return BlendMode::Multiply;
}

namespace {
// Smooth value noise on a 128 px tile that wraps: a paper-like grain, seeded so the same stroke
// shows the same grain.
QImage NoiseTile(std::uint32_t seed)
{
    constexpr int kSide = 128, kCell = 8, kCells = kSide / kCell;
    CStrokeRandom random(seed ^ 0x7e47u);
    float lattice[kCells][kCells];
    for (auto& row : lattice)
        for (float& v : row)
            v = float(random.unit());
    QImage tile(kSide, kSide, QImage::Format_Grayscale8);
    for (int y = 0; y < kSide; ++y) {
        uchar* out = tile.scanLine(y);
        const int cy = y / kCell;
        const float fy = float(y % kCell) / kCell;
        for (int x = 0; x < kSide; ++x) {
            const int cx = x / kCell;
            const float fx = float(x % kCell) / kCell;
            const float a = lattice[cy][cx], b = lattice[cy][(cx + 1) % kCells];
            const float c = lattice[(cy + 1) % kCells][cx];
            const float d = lattice[(cy + 1) % kCells][(cx + 1) % kCells];
            const float v = (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
            out[x] = uchar(std::lround(v * 255));
        }
    }
    return tile;
}
} // namespace

CTextureTile::CTextureTile(const Pattern* pattern, const Look& look, std::uint32_t seed)
{
    QImage source = pattern && !pattern->image().isNull() ? pattern->image() : NoiseTile(seed);
    if (source.hasAlphaChannel()) {
        // A pattern's transparent parts read as white: they hold nothing back.
        QImage flat(source.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
        painter.end();
        source = flat;
    }
    // A tile of at most 2,048 px a side, whatever the scale asks: a larger one repeats too
    // rarely for a stroke to show it.
    const double scale = std::clamp(look.scale, 1.0, 1000.0) / 100.0;
    const QSize scaled(std::clamp(int(std::lround(source.width() * scale)), 1, 2048),
                       std::clamp(int(std::lround(source.height() * scale)), 1, 2048));
    if (scaled != source.size())
        source = source.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    source = source.convertToFormat(QImage::Format_Grayscale8);

    float levels[256];
    const double contrast = (100.0 + std::clamp(look.contrast, -100.0, 400.0)) / 100.0;
    for (int i = 0; i < 256; ++i) {
        double v = (i / 255.0 - 0.5) * contrast + 0.5 + look.brightness / 255.0;
        v = std::clamp(v, 0.0, 1.0);
        levels[i] = float(look.invert ? 1 - v : v);
    }
    mWidth = source.width();
    mHeight = source.height();
    mValues.resize(size_t(mWidth) * mHeight);
    for (int y = 0; y < mHeight; ++y) {
        const uchar* row = source.constScanLine(y);
        for (int x = 0; x < mWidth; ++x)
            mValues[size_t(y) * mWidth + x] = levels[row[x]];
    }
}
