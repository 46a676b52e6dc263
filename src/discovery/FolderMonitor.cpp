#include "discovery/FolderMonitor.h"

#include "discovery/FolderWatcher.h"
#include "discovery/TurnBudget.h"
#include "platform/Logging.h"
#include "platform/NativePath.h"

#include <cerrno>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {
// The folder part of a path: everything before its last component.
QString FolderOf(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}
} // namespace

FolderMonitor* FolderMonitor::shared()
{
    static FolderMonitor* monitor = new FolderMonitor(FolderWatcher::shared());
    return monitor;
}

FolderMonitor::FolderMonitor(FolderWatcher* watcher, QObject* parent)
    : QObject(parent), mWatcher(watcher)
{
    qRegisterMetaType<FolderMonitorReport>();
    connect(mWatcher, &FolderWatcher::eventsArrived, this, &FolderMonitor::onEvents);
    mCheckTimer.setSingleShot(true);
    connect(&mCheckTimer, &QTimer::timeout, this, [this] { checkSomeFolders(); });
}

FolderMonitor::~FolderMonitor()
{
    for (const auto& entry : mFolders)
        mWatcher->releaseWatch(entry.second.wd);
}

int FolderMonitor::addFolder(const QString& path)
{
    const int wd = mWatcher->watchFolder(PathToNative(path));
    if (wd < 0) {
        const int error = errno;
        if (error != ENOSPC || !std::exchange(mLimitLogged, true))
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("FolderMonitor couldn't watch \"%1\": %2")
                       .arg(path, FolderWatcher::failureText(error));
        return -1;
    }
    const int handle = mNextHandle++;
    mFolders.emplace(handle, Folder{wd, path});
    mHandlesByWatch.emplace(wd, handle);
    return handle;
}

void FolderMonitor::removeFolder(int handle)
{
    const auto it = mFolders.find(handle);
    if (it == mFolders.end())
        return;
    const auto range = mHandlesByWatch.equal_range(it->second.wd);
    for (auto at = range.first; at != range.second; ++at) {
        if (at->second == handle) {
            mHandlesByWatch.erase(at);
            break;
        }
    }
    mWatcher->releaseWatch(it->second.wd);
    mFolders.erase(it);
}

QString FolderMonitor::pathOf(int handle) const
{
    const auto it = mFolders.find(handle);
    return it == mFolders.end() ? QString() : it->second.path;
}

void FolderMonitor::onEvents(const FolderWatchBatch& batch)
{
    for (const FolderWatchEvent& event : batch.events) {
        if (event.mask & (IN_DELETE_SELF | IN_UNMOUNT | IN_IGNORED)) {
            reportGone(event.wd);
        } else if (event.fromPath.isEmpty()) {
            continue;
        } else if ((event.mask & IN_ISDIR) && event.movedOut) {
            // Handles registered on the folder itself; those below go with it in their owner.
            const QString from = PathFromNative(event.fromPath);
            std::vector<int> gone;
            for (const auto& entry : mFolders)
                if (!entry.second.reportedGone && entry.second.path == from)
                    gone.push_back(entry.second.wd);
            for (int wd : gone)
                reportGone(wd);
        } else if ((event.mask & IN_ISDIR) && (event.mask & IN_MOVED_TO)) {
            followMove(PathFromNative(event.fromPath), PathFromNative(event.toPath));
        }
    }
    if (!batch.overflowed)
        return;
    // Lost events may have hidden anything; without a descriptor the only sure thing left is
    // whether a folder is still where we think it is. Thousands of folders are looked for over
    // several turns, from the next one on: the delivery of a batch this size spends this one. A
    // check under way starts again from the first.
    mToCheck.clear();
    mChecked = 0;
    for (const auto& entry : mFolders)
        mToCheck.push_back(entry.first);
    mCheckTimer.start(0);
}

void FolderMonitor::checkSomeFolders()
{
    TurnBudget turn;
    for (size_t n = 0; mChecked < mToCheck.size(); ++n) {
        if (n % 2 == 1 && turn.spent())
            break;
        const auto it = mFolders.find(mToCheck[mChecked++]);
        struct stat st;
        if (it != mFolders.end() && !it->second.reportedGone &&
            stat(PathToNative(it->second.path).constData(), &st) != 0)
            reportGone(it->second.wd);
    }
    if (mChecked < mToCheck.size()) {
        mCheckTimer.start(0);
    } else {
        mToCheck.clear();
        mChecked = 0;
    }
}

void FolderMonitor::reportGone(int wd)
{
    std::vector<int> handles;
    const auto range = mHandlesByWatch.equal_range(wd);
    for (auto at = range.first; at != range.second; ++at)
        handles.push_back(at->second);
    for (int handle : handles) {
        const auto it = mFolders.find(handle);
        if (it == mFolders.end() || it->second.reportedGone)
            continue;
        it->second.reportedGone = true;
        Q_EMIT folderReported({handle, FolderMonitorReport::eDeleted, {}});
    }
}

// The folder moved reports its new path; folders below it learn theirs silently, as the
// kernel tells them nothing either.
void FolderMonitor::followMove(const QString& from, const QString& to)
{
    const QString below = from + QLatin1Char('/');
    std::vector<FolderMonitorReport> reports;
    for (auto& entry : mFolders) {
        Folder& folder = entry.second;
        if (folder.path == from) {
            folder.path = to;
            reports.push_back({entry.first,
                               FolderOf(from) == FolderOf(to) ? FolderMonitorReport::eRenamed
                                                              : FolderMonitorReport::eMoved,
                               to});
        } else if (folder.path.startsWith(below)) {
            folder.path = to + folder.path.mid(from.size());
        }
    }
    for (const FolderMonitorReport& report : reports)
        Q_EMIT folderReported(report);
}
