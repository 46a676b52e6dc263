#pragma once

#include "brush/Pattern.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <vector>

// The modes a texture or a dual brush joins a stroke's ink by.
enum class BlendMode
{
    Multiply,
    Subtract,
    Darken,
    Overlay,
    ColorDodge,
    ColorBurn,
    LinearBurn,
    HardMix,
    LinearHeight,
    Height,
};

// Photoshop's word for a mode as the preset model gives it ("Color Burn", "Linear Height", …);
// anything else, "Normal" or empty included, paints as Multiply, Photoshop's default here.
BlendMode BlendModeFromWord(const QString& word);

// Calls f with the mode as a compile-time constant (std::integral_constant), so a loop over
// pixels inside f is compiled once per mode with no switch per pixel.
template <typename F> decltype(auto) WithBlendMode(BlendMode mode, F&& f)
{
    switch (mode) {
    case BlendMode::Subtract:
        return f(std::integral_constant<BlendMode, BlendMode::Subtract>());
    case BlendMode::Darken:
        return f(std::integral_constant<BlendMode, BlendMode::Darken>());
    case BlendMode::Overlay:
        return f(std::integral_constant<BlendMode, BlendMode::Overlay>());
    case BlendMode::ColorDodge:
        return f(std::integral_constant<BlendMode, BlendMode::ColorDodge>());
    case BlendMode::ColorBurn:
        return f(std::integral_constant<BlendMode, BlendMode::ColorBurn>());
    case BlendMode::LinearBurn:
        return f(std::integral_constant<BlendMode, BlendMode::LinearBurn>());
    case BlendMode::HardMix:
        return f(std::integral_constant<BlendMode, BlendMode::HardMix>());
    case BlendMode::LinearHeight:
        return f(std::integral_constant<BlendMode, BlendMode::LinearHeight>());
    case BlendMode::Height:
        return f(std::integral_constant<BlendMode, BlendMode::Height>());
    case BlendMode::Multiply:
        break;
    }
    return f(std::integral_constant<BlendMode, BlendMode::Multiply>());
}

// Ink `a` (0–1) joined with `b` (0–1: the texture's lightness or the dual tip's ink) by `mode`,
// at `depth` (0 leaves `a`, 1 is the mode in full). Where Photoshop's exact curves are not
// known these are the plain layer formulas, with the ink as the base and `b` as the blend:
// a mode never puts ink where there was none.
template <BlendMode mode> inline float BlendAs(float a, float b, float depth)
{
    // Every value is worked out and the answer picked at the end, with no branch, so that a
    // loop over a row of pixels widens; a division is given a divisor of 1 where its quotient
    // is not the one picked.
    float o = a;
    switch (mode) {
    case BlendMode::Multiply:
        o = a * b;
        break;
    case BlendMode::Subtract:
        o = a - (1 - b);
        break;
    case BlendMode::Darken:
        o = std::min(a, b);
        break;
    case BlendMode::Overlay: {
        const float low = 2 * a * b, high = 1 - 2 * (1 - a) * (1 - b);
        o = a < 0.5f ? low : high;
        break;
    }
    case BlendMode::ColorDodge: {
        const float dodged = a / (b >= 1 ? 1.0f : 1 - b);
        o = b >= 1 ? 1.0f : dodged;
        break;
    }
    case BlendMode::ColorBurn: {
        const float burnt = 1 - (1 - a) / (b <= 0 ? 1.0f : b);
        o = b <= 0 ? 0.0f : burnt;
        break;
    }
    case BlendMode::LinearBurn:
        o = a + b - 1;
        break;
    case BlendMode::HardMix:
        o = a + b > 1 ? 1.0f : 0.0f;
        break;
    // The height modes read `b` as the paper's height (light is high) and the ink as how far
    // down the brush presses: paint lands where the paper stands above 1 - a. Height cuts
    // there; Linear Height fades in over the same span.
    case BlendMode::Height:
        o = b >= 1 - a ? a : 0.0f;
        break;
    case BlendMode::LinearHeight:
        o = a * std::clamp(1 - (1 - b) / (a <= 0 ? 1.0f : a), 0.0f, 1.0f);
        break;
    }
    o = std::clamp(o, 0.0f, 1.0f);
    const float blended = a + (o - a) * depth;
    return a <= 0 ? 0.0f : blended;
}

inline float Blend(BlendMode mode, float a, float b, float depth)
{
    return WithBlendMode(mode, [&](auto m) { return BlendAs<decltype(m)::value>(a, b, depth); });
}

// A texture's pattern as lightness 0–1, scaled and tiled over the canvas, its brightness,
// contrast and inversion applied once.
class CTextureTile
{
public:
    struct Look
    {
        double scale = 100;    // percent
        double brightness = 0; // -150 … 150, levels added
        double contrast = 0;   // -50 … 100, percent
        bool invert = false;
    };
    CTextureTile() = default;
    // `pattern`'s image, or when null a plain seeded noise standing in for it.
    CTextureTile(const Pattern* pattern, const Look& look, std::uint32_t seed);

    bool isNull() const { return mValues.empty(); }
    int width() const { return mWidth; }
    int height() const { return mHeight; }
    // The lightness at canvas pixel (x, y); the tile repeats in both directions.
    float at(int x, int y) const
    {
        int tx = x % mWidth, ty = y % mHeight;
        tx += tx < 0 ? mWidth : 0;
        ty += ty < 0 ? mHeight : 0;
        return mValues[size_t(ty) * mWidth + tx];
    }

    // Readies onCanvas() for a canvas of `size`: a lookup per axis instead of a division per
    // pixel, which dominated a textured dab.
    void cover(int canvasWidth, int canvasHeight)
    {
        mColumns.resize(size_t(std::max(0, canvasWidth)));
        for (int x = 0; x < canvasWidth; ++x)
            mColumns[size_t(x)] = x % mWidth;
        mRows.resize(size_t(std::max(0, canvasHeight)));
        for (int y = 0; y < canvasHeight; ++y)
            mRows[size_t(y)] = (y % mHeight) * mWidth;
    }
    // at(x, y) for a pixel of the covered canvas.
    float onCanvas(int x, int y) const { return mValues[size_t(mRows[y] + mColumns[x])]; }
    // The tile's row under canvas row y, and its column under canvas column x: from x on, a
    // row reads width() - columnOnCanvas(x) values in a run before it wraps.
    const float* rowOnCanvas(int y) const { return mValues.data() + mRows[y]; }
    int columnOnCanvas(int x) const { return mColumns[x]; }

private:
    int mWidth = 0;
    int mHeight = 0;
    std::vector<float> mValues;
    std::vector<int> mColumns;
    std::vector<int> mRows;
};
