#include "platform/PathInfo.h"

#include "platform/NativePath.h"

#include <QFile>
#include <sys/stat.h>

bool ItemExistsAtPath(const QString& path, bool* isDirectory)
{
    if (path.isEmpty())
        return false;
    struct stat info;
    if (::stat(PathToNative(path).constData(), &info) != 0)
        return false;
    if (isDirectory)
        *isDirectory = S_ISDIR(info.st_mode);
    return true;
}

QString DisplayNameAtPath(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == QLatin1Char('/'))
        --end;
    if (end == 0)
        return QLatin1String("");
    if (end == 1 && path.at(0) == QLatin1Char('/'))
        return QStringLiteral("/");
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'), end - 1);
    return path.mid(slash + 1, end - slash - 1);
}
