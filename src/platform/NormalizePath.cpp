#include "platform/NormalizePath.h"

QString normalizePathByRemovingFinalSlash(const QString& path)
{
    if (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        return path.left(path.size() - 1);
    return path;
}

QString normalizePathByAddingFinalSlash(const QString& path)
{
    if (!path.isEmpty() && path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}
