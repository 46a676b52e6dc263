#include "platform/PathInfo.h"

#include "platform/NativePath.h"
#include "platform/Paths.h"

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
    const QString trimmed = WithoutFinalSlash(path);
    return trimmed == QLatin1String("/") ? trimmed : LastComponent(trimmed);
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
    const QByteArray parent = PathToNative(ParentPath(absolute));
    struct stat folder;
    if (::stat(parent.constData(), &folder) != 0 || ::access(parent.constData(), W_OK | X_OK) != 0)
        return false;
    const uid_t uid = ::geteuid();
    return !(folder.st_mode & S_ISVTX) || uid == 0 || item.st_uid == uid || folder.st_uid == uid;
}
