#include "convert/KritaPaintPreset.h"

void PlanKritaPreset(BrushPack&, PackedBrush&)
{
}

QByteArray KritaPresetEntryBytes(const BrushPack&, const PackEntry&, const PackPreviewPainter&)
{
    return {};
}
