#include "brush/PreviewBrush.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

PreviewBrush::PreviewBrush(std::optional<QString> name, TipShape tip)
    : Brush(std::move(name)), mTip(std::move(tip))
{
    const int side = std::clamp(int(std::ceil(mTip.diameter)), 1, kMaxSide);
    mSize = QSize(side, side);
}

QImage PreviewBrush::image() const
{
    return draw(std::max(mSize.width(), mSize.height()));
}

QImage PreviewBrush::thumbnail(int side) const
{
    return draw(std::min(side, std::max(mSize.width(), mSize.height())));
}

QImage PreviewBrush::draw(int side) const
{
    // TODO: bristles end-on, erodible shapes with their softness.
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(0, 0, side, side));
    return image;
}
