#pragma once

#include "brush/BrushPreset.h"

#include <QString>
#include <string>

class CNamedListObjectNode;

// A descriptor's 'brushPreset' object as a preset. Whatever is missing or of another item type
// than expected keeps its default, so a preset keeps all that could be read of it; a group
// whose switch is missing is off.
BrushPreset PresetFromDescriptor(const CNamedListObjectNode& preset);

// A 'Brsh' object (computedBrush, sampledBrush, dBrush or dTips) as a tip; its kind stays
// Computed and its diameter 0 for a class Photoshop does not write.
TipShape TipShapeFromDescriptor(const CNamedListObjectNode& tip);

// True for the tip classes TipShapeFromDescriptor knows.
bool IsKnownTipClass(const std::string& classId);

// Photoshop's word for a blend mode's ID ("CBrn" and "colorBurn" are both "Color Burn"); an ID
// it does not know is kept as the file spells it.
QString BlendModeName(const std::string& id);
