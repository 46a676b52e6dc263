#include "platform/PathInfo.h"

#include "platform/NativePath.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

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

bool IsDeletableFileAtPath(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString absolute = QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(path));
    if (absolute == QLatin1String("/"))
        return false;
    struct stat item;
    if (::lstat(PathToNative(absolute).constData(), &item) != 0)
        return false;
    const QByteArray parent = PathToNative(absolute.left(qMax(1, absolute.lastIndexOf('/'))));
    struct stat folder;
    if (::stat(parent.constData(), &folder) != 0 || ::access(parent.constData(), W_OK | X_OK) != 0)
        return false;
    const uid_t uid = ::geteuid();
    return !(folder.st_mode & S_ISVTX) || uid == 0 || item.st_uid == uid || folder.st_uid == uid;
}
