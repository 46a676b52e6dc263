#pragma once

#include "convert/BrushPack.h"

// GIMP's paint dynamics (.gdyn) and paintbrush tool preset (.gtp) for a brush's preset.

// Plans the preset of pack.sources[packed.index] as GIMP's dynamics and tool preset, after its
// tip's entry: pushes their entries onto pack.entries and fills packed.presetFileName (the .gtp)
// and packed.settings. Does nothing for a brush that is no preset.
void PlanGimpPreset(BrushPack& pack, PackedBrush& packed);

// The bytes of entry, one of pack's kDynamics or kToolPresets entries.
QByteArray GimpPresetEntryBytes(const BrushPack& pack, const PackEntry& entry);
