#include "brush/Brush.h"

Brush::Brush(std::optional<QString> name) : mName(std::move(name)) {}

Brush::~Brush() = default;

QImage Brush::thumbnail(int side) const
{
    const QImage full = image();
    if (full.isNull() || (full.width() <= side && full.height() <= side))
        return full;
    return full.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QString Brush::displayName() const
{
    if (!mName)
        return QString();
    QString text = *mName;
    while (!text.isEmpty() && text.back().isNull())
        text.chop(1);
    return ResourceStringText(text);
}

QString ResourceStringText(const QString& name)
{
    if (!name.startsWith(QLatin1String("$$$/")))
        return name;
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    return equals < 0 ? name : name.mid(equals + 1);
}
