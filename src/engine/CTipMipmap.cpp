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
    if (alpha.size() < n)
        alpha.resize(n);
}

void CTipMipmap::rowAlphas(const Level& level, float u, float v, float du, float dv, int n,
                           RowScratch& scratch)
{
    const std::uint8_t* pixels = level.pixels.data();
    const int stride = level.stride();
    const float uEnd = float(level.width + 1), vEnd = float(level.height + 1);
    constexpr float kToUnit = 1.0f / 255.0f;
    float* alpha = scratch.alpha.data();
    for (int i = 0; i < n; ++i, u += du, v += dv) {
        if (!(u > 0 && v > 0 && u < uEnd && v < vEnd)) {
            alpha[i] = 0;
            continue;
        }
        // u > 0, so truncation is floor: the padded column.
        const int iu = int(u), iv = int(v);
        const float fu = u - float(iu), fv = v - float(iv);
        const std::uint8_t* p = pixels + iv * stride + iu;
        const float top = p[0] + (p[1] - p[0]) * fu;
        const float bottom = p[stride] + (p[stride + 1] - p[stride]) * fu;
        alpha[i] = (top + (bottom - top) * fv) * kToUnit;
    }
}
