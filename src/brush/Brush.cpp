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
    return mName ? ReadableName(*mName) : QString();
}

QString ReadableName(const QString& stored)
{
    QStringView text(stored);
    while (!text.isEmpty() && text.back().isNull())
        text.chop(1);
    if (text.startsWith(QLatin1String("$$$/"))) {
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (equals >= 0)
            text = text.sliced(equals + 1);
    }
    // An empty name stays an empty name, not a missing one.
    return text.isEmpty() ? QString(QLatin1String("")) : text.toString();
}
