#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

// Where and how one dab lands: its centre in canvas pixels, the length its tip's longer side
// takes on the canvas, and the turn (degrees, counter-clockwise), squash (roundness, 0–1) and
// mirroring applied to the tip.
struct DabPlacement
{
    double x = 0;
    double y = 0;
    double size = 0;
    double angle = 0;
    double roundness = 1;
    bool flipX = false;
    bool flipY = false;
};

// A tip drawn once, as ink from 0 to 255, and halved again and again: a dab reads the smallest
// level that is still at least its size, so a 2,500 px tip stamped at 40 px costs a 40 px dab.
class CTipMipmap
{
public:
    CTipMipmap() = default;
    // `ink` is 8-bit grey with 255 for full ink.
    explicit CTipMipmap(const QImage& ink);

    bool isNull() const { return mLevels.empty(); }
    QSize size() const { return isNull() ? QSize() : QSize(mLevels[0].width, mLevels[0].height); }

    // The canvas pixels the dab may touch.
    QRect bounds(const DabPlacement& dab) const;

    // Calls row(y, x0, x1, alpha) for the pixels x0 to x1 of each canvas row inside `clip`
    // where the dab reads its tip: alpha[0 .. x1 - x0] their ink in [0, 1], sampled bilinearly
    // from the level nearest above the dab's size. Pixels off the tip are not called. With
    // `trim`, for callers to whom a pixel of no ink changes nothing, a row's ends without ink
    // are left out too. Returns the pixels visited, for the caller's work budget, the same
    // either way.
    template <typename Row>
    long long stampRows(const DabPlacement& dab, const QRect& clip, bool trim, Row&& row) const;

private:
    struct Level
    {
        int width = 0;
        int height = 0;
        // One row and column of zeros all round, so a bilinear read needs no edge tests.
        std::vector<std::uint8_t> pixels;
        // For each row r of 2 x 2 blocks (padded rows r and r + 1), the first and last block
        // column with any ink; first > last for none. Blocks past them read as exactly 0.
        std::vector<int> inkFrom, inkTo;
        int stride() const { return width + 2; }
        void findInk();
        // The four bytes of each 2 x 2 block as one word, its top left pixel in the low byte,
        // then top right, bottom left, bottom right, at the top left pixel's place: one read a
        // pixel where a dab's pixels land anywhere in the level. Made when a dab first reads
        // the level (a tip belongs to one stroke, on one thread); four bytes a pixel.
        const std::vector<std::uint32_t>& blocks() const;

    private:
        mutable std::vector<std::uint32_t> mBlocks;
    };
    const Level& levelFor(double size) const;
    // The working rows of rowAlphas(), kept per thread from dab to dab.
    struct RowScratch
    {
        std::vector<float> alpha, u, v;
        std::vector<std::int32_t> at;
        std::vector<std::uint32_t> quads;
        void fit(size_t n);
    };
    // scratch.alpha[i] for the n pixels from padded tip coordinates (u, v), stepping by
    // (du, dv). Returns [from, to): alpha is set there; the pixels before and after are
    // outside the level, or (`trim`) read blocks without ink.
    static std::pair<int, int> rowAlphas(const Level& level, float u, float v, float du, float dv,
                                         int n, bool trim, RowScratch& scratch);
    std::vector<Level> mLevels;
};

template <typename Row>
long long CTipMipmap::stampRows(const DabPlacement& dab, const QRect& clip, bool trim,
                                Row&& row) const
{
    if (isNull() || !(dab.size > 0.05) || !(dab.roundness > 0))
        return 0;
    const QRect box = bounds(dab) & clip;
    if (box.isEmpty())
        return 0;
    const Level& level = levelFor(dab.size);
    const double k = dab.size / std::max(level.width, level.height); // canvas px per level px
    const double turn = dab.angle * M_PI / 180.0;
    const double c = std::cos(turn), s = std::sin(turn);
    const double fx = dab.flipX ? -1 : 1, fy = dab.flipY ? -1 : 1;
    // Canvas to tip, the inverse of: mirror, squash the height, turn counter-clockwise (y grows
    // downwards on the canvas), scale to the dab's size, move to its centre.
    const double ax = c * fx / k, ay = -s * fx / k;
    const double bx = s * fy / (dab.roundness * k), by = c * fy / (dab.roundness * k);
    const double w = level.width, h = level.height;
    const double u0 = w / 2 - 0.5, v0 = h / 2 - 0.5;
    thread_local RowScratch scratch;
    scratch.fit(size_t(box.width()));
    long long visited = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const double dy = y + 0.5 - dab.y;
        // The x range of this row where the tip's coordinates fall inside (-1, size): solved
        // from u and v being linear in x, so rows skip the empty corners of a turned tip.
        double xFrom = box.left(), xTo = box.right();
        auto narrow = [&](double slope, double at0, double hi) {
            // at0 + slope * (x + 0.5 - dab.x) in (-1, hi)
            if (std::abs(slope) < 1e-12) {
                if (at0 <= -1 || at0 >= hi)
                    xTo = xFrom - 1;
                return;
            }
            double a = (-1 - at0) / slope + dab.x - 0.5, b = (hi - at0) / slope + dab.x - 0.5;
            if (a > b)
                std::swap(a, b);
            xFrom = std::max(xFrom, std::floor(a));
            xTo = std::min(xTo, std::ceil(b));
        };
        narrow(ax, ay * dy + u0, w);
        narrow(bx, by * dy + v0, h);
        if (xTo < xFrom)
            continue;
        const int x0 = int(xFrom), x1 = int(xTo);
        // In floats from the row's start: a row is at most a few thousand steps, far from
        // drifting a visible fraction of a pixel. The padded coordinates are u + 1, v + 1.
        const float u = float(ax * (x0 + 0.5 - dab.x) + ay * dy + u0 + 1);
        const float v = float(bx * (x0 + 0.5 - dab.x) + by * dy + v0 + 1);
        visited += x1 - x0 + 1;
        const auto [from, to] =
            rowAlphas(level, u, v, float(ax), float(bx), x1 - x0 + 1, trim, scratch);
        if (from < to)
            row(y, x0 + from, x0 + to - 1, static_cast<const float*>(scratch.alpha.data() + from));
    }
    return visited;
}
