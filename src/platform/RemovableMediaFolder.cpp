#include "platform/RemovableMediaFolder.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <mutex>
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

QString FindRemovableMediaFolder()
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
} // namespace

QString RemovableMediaFolder()
{
    // Asked for every node of the path tree; the answer only changes when the first drive of
    // a session gets mounted, so a look every few seconds is plenty.
    static std::mutex mutex;
    static QString cached;
    static QElapsedTimer age;
    std::lock_guard<std::mutex> lock(mutex);
    if (!age.isValid() || age.elapsed() > 3000) {
        cached = FindRemovableMediaFolder();
        age.start();
    }
    return cached;
}
