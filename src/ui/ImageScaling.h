#pragma once

#include <QImage>
#include <QSize>

// Draws the image into a new transparent image of the target size, scaled by the smaller of the
// two factors and centred along the other axis. A null image gives a null image.
QImage imageByScalingProportionallyToSize(const QImage& image, QSize target);

// Where imageByScalingProportionallyToSize puts the image inside the target.
QRectF proportionalDrawingRect(QSizeF imageSize, QSizeF target);
