#include "convert/GimpPresetFiles.h"

void PlanGimpPreset(BrushPack&, PackedBrush&)
{
}

QByteArray GimpPresetEntryBytes(const BrushPack&, const PackEntry&)
{
    return {};
}
