#include "brush/Brush.h"

Brush::Brush(std::optional<QString> name) : mName(std::move(name)) {}

Brush::~Brush() = default;

QSizeF Brush::size() const
{
    if (mImage.isNull())
        return QSizeF(0, 0);
    return QSizeF(mImage.width(), mImage.height());
}
