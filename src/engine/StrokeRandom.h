#pragma once

#include <cstdint>

// The engine's random numbers: a small generator (SplitMix64) whose sequence is fixed by its
// seed on every machine and standard library, so a seed paints the same pixels everywhere.
class CStrokeRandom
{
public:
    explicit CStrokeRandom(std::uint64_t seed) : mState(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (mState += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double signedUnit() { return unit() * 2 - 1; }

private:
    std::uint64_t mState;
};

// A fixed noise value in [0, 1) for a canvas pixel, independent of the order pixels are painted.
inline float PixelNoise(int x, int y, std::uint32_t seed)
{
    std::uint64_t z = (std::uint64_t(std::uint32_t(x)) << 32 | std::uint32_t(y)) ^
                      (std::uint64_t(seed) * 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return float((z ^ (z >> 31)) >> 40) * (1.0f / 16777216.0f);
}
