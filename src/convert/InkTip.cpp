#include "convert/InkTip.h"

#include "actions/BrushBitmap.h"
#include "brush/ComputedBrush.h"
#include "convert/GimpBrushFile.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
QString ScaledText(int from, int to)
{
    const QLocale english(QLocale::English);
    return QStringLiteral("scaled from %1 to %2 pixels")
        .arg(english.toString(from), english.toString(to));
}

uchar EightBit(const BrushBitmap& bitmap, int x, int y)
{
    switch (bitmap.depth) {
    case 16:
        return uchar((unsigned(bitmap.sample<quint16>(x, y)) * 255 + 32767) / 65535);
    case 32: {
        const float v = bitmap.sample<float>(x, y);
        // NaN counts as no paint.
        return uchar(std::lround(std::clamp(v > 0.0f ? v : 0.0f, 0.0f, 1.0f) * 255.0f));
    }
    default:
        return bitmap.sample<uchar>(x, y);
    }
}
} // namespace

std::optional<InkTip> InkTipForBrush(const BrushPtr& brush)
{
    const std::optional<BrushBitmap> bitmap = brush ? getBitmapImageRep(brush) : std::nullopt;
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0)
        return std::nullopt;
    InkTip tip;
    tip.image = QImage(bitmap->width, bitmap->height, QImage::Format_Grayscale8);
    if (tip.image.isNull())
        return std::nullopt;
    for (int y = 0; y < bitmap->height; ++y) {
        uchar* row = tip.image.scanLine(y);
        if (bitmap->depth == 8) { // already what GIMP takes: a row at a time
            std::memcpy(row, bitmap->samples + qsizetype(y) * bitmap->bytesPerRow(),
                        size_t(bitmap->width));
            continue;
        }
        for (int x = 0; x < bitmap->width; ++x)
            row[x] = EightBit(*bitmap, x, y);
    }
    if (brush->isComputed()) {
        tip.changes << QStringLiteral("computed tip drawn as pixels");
        const auto* computed = static_cast<const ComputedBrush*>(brush.get());
        if (const std::optional<QSizeF> from = computed->scaledFrom())
            tip.changes << ScaledText(int(std::ceil(std::max(from->width(), from->height()))),
                                      std::max(bitmap->width, bitmap->height));
    } else if (bitmap->depth != 8) {
        tip.changes << QStringLiteral("%1-bit reduced to 8-bit").arg(bitmap->depth);
    }
    const int longest = std::max(tip.image.width(), tip.image.height());
    if (longest > GimpBrushFile::kMaxSide) {
        const int side = GimpBrushFile::kMaxSide;
        tip.image = tip.image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_Grayscale8);
        if (tip.image.isNull())
            return std::nullopt;
        tip.changes << ScaledText(longest, std::max(tip.image.width(), tip.image.height()));
    }
    return tip;
}
