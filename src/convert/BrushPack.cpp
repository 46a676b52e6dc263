#include "convert/BrushPack.h"

#include "actions/BrushExporter.h"
#include "brush/ComputedBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/InkTip.h"

#include <QFileInfo>
#include <QPainter>

namespace {
constexpr int kPreviewSide = 256;
constexpr int kPreviewColumns = 4;

QString NameInside(const Brush& brush, size_t index, size_t count)
{
    const QString name = brush.displayName();
    if (!name.isEmpty())
        return name;
    return PackEntryName(index, count, QString(), QString());
}

void AddToPreview(QImage& preview, int slot, const QImage& ink)
{
    const int cell = kPreviewSide / kPreviewColumns;
    QImage tile = ink.scaled(cell - 4, cell - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    tile.invertPixels(); // ink is white on black; the preview shows it dark on white
    QPainter painter(&preview);
    const QPoint corner((slot % kPreviewColumns) * cell, (slot / kPreviewColumns) * cell);
    painter.drawImage(corner + QPoint((cell - tile.width()) / 2, (cell - tile.height()) / 2), tile);
}
} // namespace

QString PackEntryName(size_t index, size_t count, const QString& brushName, const QString& suffix)
{
    const int width =
        std::max(3, int(QString::number(qulonglong(count > 0 ? count - 1 : 0)).size()));
    const QString number = QStringLiteral("%1").arg(qulonglong(index), width, 10, QLatin1Char('0'));
    QString stem = BrushExporter::safeFileName(brushName);
    if (stem.isEmpty())
        stem = QStringLiteral("Brush ") + number;
    return number + QLatin1Char(' ') + stem + suffix;
}

QString PackNameForFile(const QString& path)
{
    const QString name = BrushExporter::safeFileName(QFileInfo(path).completeBaseName());
    return name.isEmpty() ? QStringLiteral("Brushes") : name;
}

QString OutcomeName(PackedBrush::Outcome outcome)
{
    switch (outcome) {
    case PackedBrush::Outcome::Changed:
        return QStringLiteral("changed");
    case PackedBrush::Outcome::NotCarried:
        return QStringLiteral("not carried");
    case PackedBrush::Outcome::Kept:
        break;
    }
    return QStringLiteral("kept");
}

int BrushPack::count(PackedBrush::Outcome outcome) const
{
    return int(std::count_if(brushes.begin(), brushes.end(),
                             [outcome](const PackedBrush& b) { return b.outcome == outcome; }));
}

QString BrushPack::countsText() const
{
    const int written = int(entries.size());
    QString text = QStringLiteral("%1 %2").arg(written).arg(
        written == 1 ? QStringLiteral("brush") : QStringLiteral("brushes"));
    if (const int changed = count(PackedBrush::Outcome::Changed))
        text += QStringLiteral(", %1 changed").arg(changed);
    if (const int dropped = count(PackedBrush::Outcome::NotCarried))
        text += QStringLiteral(", %1 not carried").arg(dropped);
    return text;
}

BrushPack BuildBrushPack(const BrushFile& file, PackTarget target)
{
    BrushPack pack;
    pack.name = PackNameForFile(file.getPath());
    pack.target = target;
    pack.preview = QImage(kPreviewSide, kPreviewSide, QImage::Format_Grayscale8);
    pack.preview.fill(Qt::white);
    const size_t count = file.count();
    for (size_t i = 0; i < count; ++i) {
        const BrushPtr& brush = file.brush(i);
        PackedBrush packed;
        packed.index = i;
        packed.name = brush->displayName();
        const QString inside = NameInside(*brush, i, count);
        PackEntry entry{QStringLiteral("brushes"), QString(), {}};
        const bool parametric = target == PackTarget::Gimp && brush->isComputed();
        if (parametric) {
            const auto& computed = static_cast<const ComputedBrush&>(*brush);
            entry.fileName = PackEntryName(i, count, packed.name, QStringLiteral(".vbr"));
            entry.bytes = GimpParametricBrushFile::write(
                GimpParametricBrushFile::fromComputed(inside, computed.parameters(), &packed.what));
        }
        const bool inPreview = pack.entries.size() < size_t(kPreviewColumns * kPreviewColumns);
        std::optional<InkTip> tip;
        if (!parametric || inPreview)
            tip = InkTipForBrush(brush);
        if (!parametric && tip) {
            entry.fileName = PackEntryName(i, count, packed.name, QStringLiteral(".gbr"));
            entry.bytes = GimpBrushFile::write({inside, tip->image, 25});
            packed.what = tip->changes;
        }
        if (entry.bytes.isEmpty()) {
            packed.outcome = PackedBrush::Outcome::NotCarried;
            packed.what = QStringList{QStringLiteral("no pixels to carry")};
        } else {
            if (tip && inPreview)
                AddToPreview(pack.preview, int(pack.entries.size()), tip->image);
            packed.outcome =
                packed.what.isEmpty() ? PackedBrush::Outcome::Kept : PackedBrush::Outcome::Changed;
            packed.fileName = entry.fileName;
            pack.entries.push_back(std::move(entry));
        }
        pack.brushes.push_back(std::move(packed));
    }
    return pack;
}
