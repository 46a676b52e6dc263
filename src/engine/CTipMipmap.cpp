#include "engine/CTipMipmap.h"

CTipMipmap::CTipMipmap(const QImage& ink)
{
    if (ink.isNull())
        return;
    const QImage grey = ink.format() == QImage::Format_Grayscale8
                            ? ink
                            : ink.convertToFormat(QImage::Format_Grayscale8);
    Level base;
    base.width = grey.width();
    base.height = grey.height();
    base.pixels.assign(size_t(base.stride()) * (base.height + 2), 0);
    for (int y = 0; y < base.height; ++y)
        std::copy_n(grey.constScanLine(y), base.width,
                    base.pixels.begin() + (y + 1) * base.stride() + 1);
    base.findInk();
    mLevels.push_back(std::move(base));
    // Halve by averaging 2 x 2 blocks (an odd last row or column is read twice) down to a few
    // pixels: below that a dab is too small to show its shape.
    while (std::max(mLevels.back().width, mLevels.back().height) > 4) {
        const Level& from = mLevels.back();
        Level half;
        half.width = std::max(1, (from.width + 1) / 2);
        half.height = std::max(1, (from.height + 1) / 2);
        half.pixels.assign(size_t(half.stride()) * (half.height + 2), 0);
        for (int y = 0; y < half.height; ++y) {
            const int y0 = std::min(2 * y, from.height - 1),
                      y1 = std::min(2 * y + 1, from.height - 1);
            const std::uint8_t* r0 = from.pixels.data() + (y0 + 1) * from.stride() + 1;
            const std::uint8_t* r1 = from.pixels.data() + (y1 + 1) * from.stride() + 1;
            std::uint8_t* out = half.pixels.data() + (y + 1) * half.stride() + 1;
            for (int x = 0; x < half.width; ++x) {
                const int x0 = std::min(2 * x, from.width - 1),
                          x1 = std::min(2 * x + 1, from.width - 1);
                out[x] = std::uint8_t((r0[x0] + r0[x1] + r1[x0] + r1[x1] + 2) / 4);
            }
        }
        half.findInk();
        mLevels.push_back(std::move(half));
    }
}

const CTipMipmap::Level& CTipMipmap::levelFor(double size) const
{
    // The smallest level whose longer side still covers the dab: minifying by less than two
    // keeps bilinear reads from skipping pixels.
    size_t i = 0;
    while (i + 1 < mLevels.size() && std::max(mLevels[i + 1].width, mLevels[i + 1].height) >= size)
        ++i;
    return mLevels[i];
}

QRect CTipMipmap::bounds(const DabPlacement& dab) const
{
    if (isNull() || !(dab.size > 0))
        return {};
    const double longSide = std::max(mLevels[0].width, mLevels[0].height);
    const double halfW = mLevels[0].width * dab.size / longSide / 2;
    const double halfH = mLevels[0].height * dab.size / longSide / 2 * dab.roundness;
    const double turn = dab.angle * M_PI / 180.0;
    const double c = std::abs(std::cos(turn)), s = std::abs(std::sin(turn));
    const double ex = c * halfW + s * halfH + 1, ey = s * halfW + c * halfH + 1;
    // Far-off dabs (a scatter of 1,000 %) give coordinates past int; they miss any canvas.
    const double limit = 1e8;
    if (std::abs(dab.x) > limit || std::abs(dab.y) > limit || ex > limit || ey > limit)
        return {};
    return QRect(QPoint(int(std::floor(dab.x - ex)), int(std::floor(dab.y - ey))),
                 QPoint(int(std::ceil(dab.x + ex)), int(std::ceil(dab.y + ey))));
}

void CTipMipmap::RowScratch::fit(size_t n)
{
    if (alpha.size() >= n)
        return;
    alpha.resize(n);
    u.resize(n);
    v.resize(n);
    at.resize(n);
    quads.resize(n);
}

// A row in passes: one pixel after another where it must be, then four pixels at a time.
// Every pixel goes through the very float operations it always did, so strokes stay identical
// to the pixel.
std::pair<int, int> CTipMipmap::rowAlphas(const Level& level, float u, float v, float du, float dv,
                                          int n, bool trim, RowScratch& scratch)
{
    const int stride = level.stride();
    const float uEnd = float(level.width + 1), vEnd = float(level.height + 1);
    constexpr float kToUnit = 1.0f / 255.0f;
    float* __restrict alpha = scratch.alpha.data();
    float* __restrict us = scratch.u.data();
    float* __restrict vs = scratch.v.data();
    std::int32_t* __restrict at = scratch.at.data();
    std::uint32_t* __restrict quads = scratch.quads.data();
    if (dv == 0) {
        // An unturned dab (or one turned by a half turn): v, its row of blocks and its
        // fraction stay the same all along the row.
        if (!(v > 0 && v < vEnd))
            return {0, 0};
        const int iv = int(v);
        const float fv = v - float(iv);
        const int inkFrom = trim ? level.inkFrom[size_t(iv)] : 0;
        const int inkTo = trim ? level.inkTo[size_t(iv)] : level.width;
        if (inkFrom > inkTo)
            return {0, 0};
#pragma GCC unroll 4
        for (int i = 0; i < n; ++i, u += du)
            us[i] = u; // one after another: a float sum in another order rounds differently
        // u moves one way, so the pixels inside the level and over blocks with ink are one
        // run; inside, truncation is floor.
        auto inks = [&](int i) {
            if (!(us[i] > 0 && us[i] < uEnd))
                return false;
            const int iu = int(us[i]);
            return iu >= inkFrom && iu <= inkTo;
        };
        int from = 0, to = n;
        while (from < to && !inks(from))
            ++from;
        while (to > from && !inks(to - 1))
            --to;
        // Where each block lies, four pixels at a time, then the block a pixel at a time:
        // reads from anywhere in the level do not widen.
        for (int i = from; i < to; ++i)
            at[i] = int(us[i]);
        const std::uint32_t* row = level.blocks().data() + iv * stride;
#pragma GCC unroll 4
        for (int i = from; i < to; ++i)
            quads[i] = row[at[i]];
        for (int i = from; i < to; ++i) {
            const float fu = us[i] - float(int(us[i]));
            const std::uint32_t q = quads[i];
            const int p0 = int(q & 255), p1 = int(q >> 8 & 255), p2 = int(q >> 16 & 255),
                      p3 = int(q >> 24);
            const float above = p0 + (p1 - p0) * fu;
            const float below = p2 + (p3 - p2) * fu;
            alpha[i] = (above + (below - above) * fv) * kToUnit;
        }
        return {from, to};
    }
    // As above, the coordinates one after another; unrolled, the loop is mostly the additions.
#pragma GCC unroll 4
    for (int i = 0; i < n; ++i, u += du, v += dv) {
        us[i] = u;
        vs[i] = v;
    }
    // u and v each move one way, so the pixels inside the level are one run; trimmed, its
    // ends over blocks without ink are left out too (a turned tip's empty corners).
    auto inks = [&](int i) {
        if (!(us[i] > 0 && vs[i] > 0 && us[i] < uEnd && vs[i] < vEnd))
            return false;
        if (!trim)
            return true;
        const size_t iv = size_t(vs[i]);
        const int iu = int(us[i]);
        return iu >= level.inkFrom[iv] && iu <= level.inkTo[iv];
    };
    int from = 0, to = n;
    while (from < to && !inks(from))
        ++from;
    while (to > from && !inks(to - 1))
        --to;
    for (int i = from; i < to; ++i)
        at[i] = int(vs[i]) * stride + int(us[i]);
    const std::uint32_t* blocks = level.blocks().data();
#pragma GCC unroll 4
    for (int i = from; i < to; ++i)
        quads[i] = blocks[at[i]];
    for (int i = from; i < to; ++i) {
        const float fu = us[i] - float(int(us[i])), fv = vs[i] - float(int(vs[i]));
        const std::uint32_t q = quads[i];
        const int p0 = int(q & 255), p1 = int(q >> 8 & 255), p2 = int(q >> 16 & 255),
                  p3 = int(q >> 24);
        const float top = p0 + (p1 - p0) * fu;
        const float bottom = p2 + (p3 - p2) * fu;
        alpha[i] = (top + (bottom - top) * fv) * kToUnit;
    }
    return {from, to};
}

void CTipMipmap::Level::findInk()
{
    // Each padded row's first and last inked column, then for a block row the span of its
    // two rows, widened by the block to the left of the first.
    std::vector<int> first(size_t(height + 2)), last(size_t(height + 2));
    for (int r = 0; r < height + 2; ++r) {
        const std::uint8_t* row = pixels.data() + size_t(r) * stride();
        int a = 0, b = stride() - 1;
        while (a < stride() && row[a] == 0)
            ++a;
        while (b >= a && row[b] == 0)
            --b;
        first[size_t(r)] = a;
        last[size_t(r)] = a < stride() ? b : -1;
    }
    inkFrom.assign(size_t(height + 1), 0);
    inkTo.assign(size_t(height + 1), -1);
    for (int r = 0; r <= height; ++r) {
        const int a = std::min(first[size_t(r)], first[size_t(r) + 1]);
        const int b = std::max(last[size_t(r)], last[size_t(r) + 1]);
        if (a <= b) {
            inkFrom[size_t(r)] = std::max(0, a - 1);
            inkTo[size_t(r)] = std::min(width, b);
        }
    }
}

const std::vector<std::uint32_t>& CTipMipmap::Level::blocks() const
{
    if (mBlocks.empty()) {
        mBlocks.assign(pixels.size(), 0);
        for (int r = 0; r <= height; ++r) {
            const std::uint8_t* above = pixels.data() + size_t(r) * stride();
            const std::uint8_t* below = above + stride();
            std::uint32_t* out = mBlocks.data() + size_t(r) * stride();
            for (int c = 0; c <= width; ++c)
                out[c] = std::uint32_t(above[c]) | std::uint32_t(above[c + 1]) << 8 |
                         std::uint32_t(below[c]) << 16 | std::uint32_t(below[c + 1]) << 24;
        }
    }
    return mBlocks;
}
