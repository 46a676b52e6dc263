#include "platform/RemovableMediaFolder.h"

#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

namespace {
QString UserName()
{
    const QByteArray env = qgetenv("USER");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    if (const passwd* pw = getpwuid(getuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return {};
}
} // namespace

QString RemovableMediaFolder()
{
    const QString user = UserName();
    if (!user.isEmpty()) {
        for (const char* base : {"/media/", "/run/media/"}) {
            const QString candidate = QLatin1String(base) + user;
            if (QFileInfo(candidate).isDir())
                return candidate;
        }
    }
    return QStringLiteral("/media");
}
