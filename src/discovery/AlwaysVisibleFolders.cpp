#include "discovery/AlwaysVisibleFolders.h"

#include "platform/NormalizePath.h"

#include <QStringList>
#include <mutex>

namespace {
std::mutex gMutex;
QStringList& Registered()
{
    static QStringList folders;
    return folders;
}
} // namespace

void AlwaysVisibleFolders::registerFolder(const QString& path)
{
    const QString folder = normalizePathByRemovingFinalSlash(path);
    std::lock_guard<std::mutex> lock(gMutex);
    if (!Registered().contains(folder))
        Registered().append(folder);
}

void AlwaysVisibleFolders::unregisterFolder(const QString& path)
{
    const QString folder = normalizePathByRemovingFinalSlash(path);
    std::lock_guard<std::mutex> lock(gMutex);
    Registered().removeAll(folder);
}

bool AlwaysVisibleFolders::isOnWayToAlwaysVisible(const QString& path)
{
    const QString folder = normalizePathByRemovingFinalSlash(path);
    const QString prefix = normalizePathByAddingFinalSlash(folder);
    std::lock_guard<std::mutex> lock(gMutex);
    for (const QString& registered : Registered())
        if (registered == folder || registered.startsWith(prefix))
            return true;
    return false;
}
