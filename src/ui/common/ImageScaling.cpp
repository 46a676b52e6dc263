#include "ui/common/ImageScaling.h"

#include <QPainter>

QRectF proportionalDrawingRect(QSizeF imageSize, QSizeF target)
{
    if (imageSize == target)
        return QRectF(QPointF(0, 0), target);
    const double fx = target.width() / imageSize.width();
    const double fy = target.height() / imageSize.height();
    const double f = std::min(fx, fy);
    const QSizeF drawn(imageSize.width() * f, imageSize.height() * f);
    QPointF origin(0, 0);
    if (fy > fx)
        origin.setY((target.height() - drawn.height()) * 0.5);
    else if (fx > fy)
        origin.setX((target.width() - drawn.width()) * 0.5);
    return QRectF(origin, drawn);
}

QImage imageByScalingProportionallyToSize(const QImage& image, QSize target)
{
    if (image.isNull() || target.isEmpty())
        return QImage();
    QImage result(target, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(proportionalDrawingRect(image.size(), target), image);
    return result;
}

QImage InkImage(const QImage& image, QColor ink)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QImage out(grey.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    QRgb table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = qPremultiply(qRgba(ink.red(), ink.green(), ink.blue(), 255 - i));
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            row[x] = table[in[x]];
    }
    return out;
}
