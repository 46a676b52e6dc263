#include "convert/InkTip.h"

#include "brush/BrushBitmap.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/ReportText.h"

#include <QLocale>
#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace {
QString ScaledText(int from, int to)
{
    const QLocale english(QLocale::English);
    return ReportText(QT_TRANSLATE_NOOP("PackReport", "scaled from %1 to %2 pixels"))
        .arg(english.toString(from), english.toString(to));
}

[[maybe_unused]] const char* const kPreviewTipTexts[] = {
    QT_TRANSLATE_NOOP("PackReport", "airbrush tip written as a preview image"),
    QT_TRANSLATE_NOOP("PackReport", "bristle tip written as a preview image"),
    QT_TRANSLATE_NOOP("PackReport", "erodible tip written as a preview image")};

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

// 8-bit samples are already what GIMP takes: the image reads them where they are, without a
// copy, and holds on to whatever keeps them alive.
QImage SharedEightBit(const BrushBitmap& bitmap)
{
    using Owner = std::shared_ptr<const void>;
    auto* owner = new Owner(bitmap.owner);
    QImage image(
        bitmap.samples, bitmap.width, bitmap.height, bitmap.bytesPerRow(),
        QImage::Format_Grayscale8, [](void* info) { delete static_cast<Owner*>(info); }, owner);
    if (image.isNull())
        delete owner;
    return image;
}
} // namespace

std::optional<InkTipPlan> PlanInkTip(const Brush& brush)
{
    QSize drawn = brush.pixelSize();
    if (drawn.isEmpty())
        return std::nullopt;
    InkTipPlan plan{drawn, drawn, {}};
    if (brush.isComputed()) {
        plan.changes << QStringLiteral(
            QT_TRANSLATE_NOOP("PackReport", "computed tip drawn as pixels"));
        const auto& computed = static_cast<const ComputedBrush&>(brush);
        // The scale inkBitmap draws at, so the pixels come out the size planned.
        const double scale = computed.scaleWithin();
        drawn = plan.drawn = plan.size = computed.drawnSize(scale);
        if (computed.scaledFrom() || scale < 1.0)
            plan.changes << ScaledText(computed.askedSide(),
                                       std::max(drawn.width(), drawn.height()));
    } else if (const auto* preview = dynamic_cast<const PreviewBrush*>(&brush)) {
        // Photoshop paints these tips by simulating them; the file holds no picture of them.
        const TipShape& tip = preview->tip();
        // Each kind's sentence is translated whole (kPreviewTipTexts).
        plan.changes << QStringLiteral("%1 tip written as a preview image")
                            .arg(tip.erodible && tip.erodible->airbrush
                                     ? QStringLiteral("airbrush")
                                     : QString::fromLatin1(TipKindKey(tip.kind)));
        const int asked = std::isfinite(tip.diameter) && tip.diameter < INT_MAX
                              ? int(std::ceil(tip.diameter))
                              : INT_MAX;
        if (asked > std::max(drawn.width(), drawn.height()))
            plan.changes << ScaledText(asked, std::max(drawn.width(), drawn.height()));
    } else if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush)) {
        // A sample its preset shapes is drawn in 8 bits as well.
        if (sampled->depth() != 8)
            plan.changes << ReportText(QT_TRANSLATE_NOOP("PackReport", "%1-bit reduced to 8-bit"))
                                .arg(sampled->depth());
        if (const std::optional<QSizeF> asked = sampled->scaledFrom()) {
            const double side = std::max(asked->width(), asked->height());
            plan.changes << ScaledText(side < INT_MAX ? int(std::ceil(side)) : INT_MAX,
                                       std::max(drawn.width(), drawn.height()));
        }
    }
    const int longest = std::max(drawn.width(), drawn.height());
    if (longest > GimpBrushFile::kMaxSide) {
        const int side = GimpBrushFile::kMaxSide;
        // As QImage::scaled sizes it: a side that would round to nothing keeps one pixel.
        plan.size = drawn.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        plan.changes << ScaledText(longest, std::max(plan.size.width(), plan.size.height()));
    }
    return plan;
}

std::optional<InkTip> InkTipForBrush(const BrushPtr& brush)
{
    std::optional<InkTipPlan> plan = brush ? PlanInkTip(*brush) : std::nullopt;
    if (!plan)
        return std::nullopt;
    const std::optional<BrushBitmap> bitmap = inkBitmap(brush);
    if (!bitmap || QSize(bitmap->width, bitmap->height) != plan->drawn)
        return std::nullopt;
    InkTip tip;
    if (bitmap->depth == 8) {
        tip.image = SharedEightBit(*bitmap);
    } else {
        tip.image = QImage(bitmap->width, bitmap->height, QImage::Format_Grayscale8);
        for (int y = 0; !tip.image.isNull() && y < bitmap->height; ++y) {
            uchar* row = tip.image.scanLine(y);
            for (int x = 0; x < bitmap->width; ++x)
                row[x] = EightBit(*bitmap, x, y);
        }
    }
    if (tip.image.isNull())
        return std::nullopt;
    if (tip.image.size() != plan->size) {
        tip.image = tip.image.scaled(plan->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_Grayscale8);
        if (tip.image.size() != plan->size)
            return std::nullopt;
    }
    tip.changes = std::move(plan->changes);
    return tip;
}
