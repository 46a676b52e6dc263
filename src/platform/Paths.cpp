#include "platform/Paths.h"

#include "platform/NativePath.h"

#include <sys/stat.h>

QString ParentPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString LastComponent(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString WithoutFinalSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

bool ExistsWithoutFollowing(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::lstat(PathToNative(path).constData(), &st) == 0;
}
