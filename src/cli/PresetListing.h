#pragma once

#include "brush/Brush.h"
#include "brush/BrushPreset.h"

#include <QString>

// How `list` writes a preset, as one line for people and as JSON members for scripts. The JSON
// is documented member by member in kelbrin-cli(1); a change here is a change there.

// The preset of a brush whose file gave none (a brush made in a test, a reader that had
// nothing to give): the tip's own kind and size, and a computed tip's own values; spacing
// unknown, so absent.
BrushPreset PresetFromTip(const Brush& brush);

// "size 87 px, spacing 10 %, angle -18°, roundness 80 %; Shape Dynamics, Transfer": the tip's
// values, then the titles of the groups that are on, in the order of Photoshop's panel.
QString PresetLine(const BrushPreset& preset);

// The members that follow a brush's name: "tip", "diameter", "spacing", "angle", "roundness",
// "hardness", "flip_x", "flip_y", "bristle" or "erodible" for those tips, "settings", and
// "tool_options" when the preset carries them; without braces or a leading comma.
QString PresetJsonMembers(const BrushPreset& preset);
