#include "brush/Brush.h"

Brush::Brush(std::optional<QString> name) : mName(std::move(name)) {}

Brush::~Brush() = default;

QSizeF Brush::size() const
{
    if (mImage.isNull())
        return QSizeF(0, 0);
    return QSizeF(mImage.width(), mImage.height());
}

QString Brush::displayName() const
{
    if (!mName)
        return QString();
    QString text = *mName;
    while (!text.isEmpty() && text.back().isNull())
        text.chop(1);
    return text;
}
