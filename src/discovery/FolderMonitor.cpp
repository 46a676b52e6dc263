#include "discovery/FolderMonitor.h"

#include "discovery/FolderWatcher.h"
#include "platform/Logging.h"

#include <QFile>
#include <QStringDecoder>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The folder part of a path: everything before its last component.
QString FolderOf(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// Where a descriptor's item is now; empty when it is gone or its path is not UTF-8.
QString DescriptorPath(int fd)
{
    struct stat st;
    if (fstat(fd, &st) != 0 || st.st_nlink == 0)
        return {};
    char buffer[PATH_MAX + 1];
    const QByteArray link = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
    const ssize_t length = readlink(link.constData(), buffer, sizeof buffer - 1);
    if (length <= 0 || buffer[0] != '/')
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = decoder.decode(QByteArrayView(buffer, length));
    if (decoder.hasError())
        return {};
    return path;
}
} // namespace

std::shared_ptr<FolderMonitor> FolderMonitor::monitor()
{
    static std::shared_ptr<FolderMonitor>* shared =
        new std::shared_ptr<FolderMonitor>(create(FolderWatcher::sharedFileWatcher()));
    return *shared;
}

std::shared_ptr<FolderMonitor> FolderMonitor::create(std::shared_ptr<FolderWatcher> watcher)
{
    std::shared_ptr<FolderMonitor> monitor(new FolderMonitor(std::move(watcher)));
    monitor->subscribe();
    return monitor;
}

FolderMonitor::FolderMonitor(std::shared_ptr<FolderWatcher> watcher) : mWatcher(std::move(watcher))
{}

FolderMonitor::~FolderMonitor() = default;

void FolderMonitor::subscribe()
{
    if (!mWatcher)
        qCInfo(lcDiscovery, "FolderMonitor FolderWatcher bad sender");
    auto handler = [this](const Notification& n) { processNotification(n); };
    mRenameObserver =
        ScopedObserver(FolderWatcher::WexaFileWatcherRenameNotification, mWatcher.get(), handler);
    mDeleteObserver =
        ScopedObserver(FolderWatcher::WexaFileWatcherDeleteNotification, mWatcher.get(), handler);
}

int FolderMonitor::addFileByPath(const QString& path)
{
    if (!mWatcher)
        return -1;
    const int fd =
        mWatcher->addPathToQueue(path, FolderWatcher::eNoteDelete | FolderWatcher::eNoteRename);
    if (fd > 0)
        mMap[fd] = path;
    return fd;
}

void FolderMonitor::removeFileByHandle(int fd)
{
    if (mWatcher)
        mWatcher->removeFDFromQueue(fd);
    mMap.erase(fd);
}

void FolderMonitor::processNotification(const Notification& notification)
{
    if (notification.name().isEmpty() || notification.userInfo().isEmpty())
        return;
    const QVariant fdValue = notification.userInfo().value(kFDKey);
    if (!fdValue.isValid())
        return;
    const int fd = fdValue.toInt();
    const auto it = mMap.find(fd);
    if (it == mMap.end() || it->second.isNull())
        return;
    const QString oldPath = it->second;

    QVariantMap info;
    info.insert(kFDKey, fdValue);
    int message;
    if (notification.name() == FolderWatcher::WexaFileWatcherRenameNotification) {
        const QString newPath = DescriptorPath(fd);
        if (newPath.isEmpty())
            return;
        info.insert(kNewPathKey, newPath);
        message = FolderOf(oldPath) == FolderOf(newPath) ? eRenamed : eMoved;
        it->second = newPath;
    } else if (notification.name() == FolderWatcher::WexaFileWatcherDeleteNotification) {
        mMap.erase(it);
        message = eDeleted;
    } else {
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("processNotification: Unexpected message: %1").arg(-1);
        return;
    }
    info.insert(kMessageKey, message);
    NotificationCenter::defaultCenter().postNotificationName(kQueueMonitorNotificationName,
                                                             shared_from_this(), info);
}
