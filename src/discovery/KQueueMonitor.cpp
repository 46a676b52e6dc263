#include "discovery/KQueueMonitor.h"

#include "discovery/WexaKQueue.h"
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

std::shared_ptr<KQueueMonitor> KQueueMonitor::monitor()
{
    static std::shared_ptr<KQueueMonitor>* shared =
        new std::shared_ptr<KQueueMonitor>(create(WexaKQueue::sharedFileWatcher()));
    return *shared;
}

std::shared_ptr<KQueueMonitor> KQueueMonitor::create(std::shared_ptr<WexaKQueue> watcher)
{
    std::shared_ptr<KQueueMonitor> monitor(new KQueueMonitor(std::move(watcher)));
    monitor->subscribe();
    return monitor;
}

KQueueMonitor::KQueueMonitor(std::shared_ptr<WexaKQueue> watcher) : mWatcher(std::move(watcher)) {}

KQueueMonitor::~KQueueMonitor() = default;

void KQueueMonitor::subscribe()
{
    if (!mWatcher)
        qCInfo(lcDiscovery, "KQueueMonitor WexaKQueue bad sender");
    auto handler = [this](const Notification& n) { processNotification(n); };
    mRenameObserver =
        ScopedObserver(WexaKQueue::WexaFileWatcherRenameNotification, mWatcher.get(), handler);
    mDeleteObserver =
        ScopedObserver(WexaKQueue::WexaFileWatcherDeleteNotification, mWatcher.get(), handler);
}

int KQueueMonitor::addFileByPath(const QString& path)
{
    if (!mWatcher)
        return -1;
    const int fd =
        mWatcher->addPathToQueue(path, WexaKQueue::eNoteDelete | WexaKQueue::eNoteRename);
    if (fd > 0)
        mMap[fd] = path;
    return fd;
}

void KQueueMonitor::removeFileByHandle(int fd)
{
    if (mWatcher)
        mWatcher->removeFDFromQueue(fd);
    mMap.erase(fd);
}

void KQueueMonitor::processNotification(const Notification& notification)
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
    if (notification.name() == WexaKQueue::WexaFileWatcherRenameNotification) {
        const QString newPath = DescriptorPath(fd);
        if (newPath.isEmpty())
            return;
        info.insert(kNewPathKey, newPath);
        message = FolderOf(oldPath) == FolderOf(newPath) ? eRenamed : eMoved;
        it->second = newPath;
    } else if (notification.name() == WexaKQueue::WexaFileWatcherDeleteNotification) {
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
