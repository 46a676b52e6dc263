#pragma once

#include "convert/BrushPack.h"

// Krita's paint preset (.kpp) for a brush's preset, of Krita's pixel brush engine.

// Plans the preset of pack.sources[packed.index] as a Krita paint preset, after its tip's entry:
// pushes its entries onto pack.entries and fills packed.presetFileName and packed.settings.
// Does nothing for a brush that is no preset.
void PlanKritaPreset(BrushPack& pack, PackedBrush& packed);

// The bytes of entry, one of pack's kPaintPresets entries; painter paints its picture.
QByteArray KritaPresetEntryBytes(const BrushPack& pack, const PackEntry& entry,
                                 const PackPreviewPainter& painter);
