#include "platform/VolumesFolder.h"

#include <QDir>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

namespace {

QString UserName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) {
        if (const passwd* entry = ::getpwuid(::geteuid()))
            name = QString::fromLocal8Bit(entry->pw_name);
    }
    return name;
}

QString WithoutFinalSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString DetectVolumesFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("KELBRIN_VOLUMES_FOLDER");
    if (!fromEnvironment.isEmpty())
        return WithoutFinalSlash(fromEnvironment);
    const QString user = UserName();
    if (!user.isEmpty()) {
        for (const QString& candidate :
             {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user}) {
            if (QFileInfo(candidate).isDir())
                return candidate;
        }
    }
    return QStringLiteral("/media");
}

QString& Override()
{
    static QString path;
    return path;
}

} // namespace

QString VolumesFolderPath()
{
    if (!Override().isEmpty())
        return Override();
    static const QString detected = DetectVolumesFolder();
    return detected;
}

void SetVolumesFolderPath(const QString& path)
{
    Override() = path.isEmpty() ? QString() : WithoutFinalSlash(path);
}
