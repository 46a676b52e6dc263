#pragma once

#include "brush/Brush.h"

#include <QImage>
#include <QSize>
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

// What InkTipForBrush will make of a brush, known from its size and depth alone, without
// drawing or touching a pixel: a pack says what it will hold before it writes anything. A
// computed tip is drawn within ComputedBrush::kMaxDrawingPixels, as an export draws it.
struct InkTipPlan
{
    QSize drawn; // of the brush's pixels as they are had: a huge computed tip is drawn smaller
    QSize size;  // of the tip written, after any scaling down
    QStringList changes;
};

// None for a brush without pixels (an empty sample, a computed tip out of range).
std::optional<InkTipPlan> PlanInkTip(const Brush& brush);
// Takes its size and changes from PlanInkTip, so the two never disagree; none where the plan
// has none, and also when the pixels cannot be had after all (no memory to draw them).
std::optional<InkTip> InkTipForBrush(const BrushPtr& brush);
