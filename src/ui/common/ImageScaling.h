#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Draws the image into a new transparent image of the target size, scaled by the smaller of the
// two factors and centred along the other axis. A null image gives a null image.
QImage imageByScalingProportionallyToSize(const QImage& image, QSize target);

// Where imageByScalingProportionallyToSize puts the image inside the target.
QRectF proportionalDrawingRect(QSizeF imageSize, QSizeF target);

// Ink in the given colour whose opacity is the amount of ink (a grey tip's darkness): what is
// drawn on a cell's own fill, so the cell shows through wherever the brush leaves no paint.
QImage InkImage(const QImage& image, QColor ink);
