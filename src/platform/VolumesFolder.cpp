#include "platform/VolumesFolder.h"

#include "platform/LoginName.h"
#include "platform/Paths.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <mutex>

namespace {

QString DetectVolumesFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("KELBRIN_VOLUMES_FOLDER");
    if (!fromEnvironment.isEmpty())
        return WithoutFinalSlash(fromEnvironment);
    const QString user = LoginName();
    if (!user.isEmpty()) {
        for (const QString& candidate :
             {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user}) {
            if (QFileInfo(candidate).isDir())
                return candidate;
        }
    }
    return QStringLiteral("/media");
}

struct State
{
    std::mutex mutex;
    QString override;
    QString detected;
    QElapsedTimer age;
};

State& TheState()
{
    static State state;
    return state;
}

} // namespace

QString VolumesFolderPath()
{
    State& state = TheState();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (!state.override.isEmpty())
        return state.override;
    // Asked for every node of the path tree; the answer only changes when the first drive of a
    // session is mounted (which makes /media/$USER), so a look every few seconds is plenty.
    if (!state.age.isValid() || state.age.elapsed() > 3000) {
        state.detected = DetectVolumesFolder();
        state.age.start();
    }
    return state.detected;
}

void SetVolumesFolderPath(const QString& path)
{
    State& state = TheState();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.override = path.isEmpty() ? QString() : WithoutFinalSlash(path);
}
