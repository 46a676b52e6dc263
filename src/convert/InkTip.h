#pragma once

#include "brush/Brush.h"

#include <QImage>
#include <QStringList>
#include <optional>

// A brush's tip as GIMP's and Krita's brush files hold it: 8-bit grey in which 255 is full
// paint, at most GimpBrushFile::kMaxSide pixels a side. What had to change on the way is said
// in words ("16-bit reduced to 8-bit", "scaled from 12,000 to 10,000 pixels").
struct InkTip
{
    QImage image; // Format_Grayscale8
    QStringList changes;
};

// None for a brush without pixels (an empty sample, a computed tip out of range).
std::optional<InkTip> InkTipForBrush(const BrushPtr& brush);
