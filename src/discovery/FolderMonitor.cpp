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
    connect(mWatcher, &FolderWatcher::eventsArrived, this, &FolderMonitor::onEvents);
    mCheckTimer.setSingleShot(true);
    connect(&mCheckTimer, &QTimer::timeout, this, [this] { lookForFolders(); });
    mReportTimer.setSingleShot(true);
    connect(&mReportTimer, &QTimer::timeout, this, [this] { reportSomeGone(); });
}

FolderMonitor::~FolderMonitor()
{
    ++mCheckRound; // a check under way stops at its next folder
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
    if (batch.overflowed && !mCheckTimer.isActive())
        mCheckTimer.start(0);
    reportSomeGone();
}

// Lost events may have hidden anything; without a descriptor the only sure thing left is
// whether a folder is still where we think it is. The looking is done on a thread of its own:
// a stat waits behind whatever holds the folder's parent, and a drive busy deleting thousands
// of folders holds it for milliseconds at a time. Overflows that come in a burst are looked
// into once, after the turn that delivered them.
void FolderMonitor::lookForFolders()
{
    std::vector<FolderAtPath> folders;
    folders.reserve(mFolders.size());
    for (const auto& entry : mFolders)
        if (!entry.second.reportedGone)
            folders.push_back({entry.first, entry.second.path});
    const quint64 round = ++mCheckRound;
    mChecker.start([this, round, folders = std::move(folders)] {
        std::vector<FolderAtPath> missing;
        struct stat st;
        for (const FolderAtPath& folder : folders) {
            // A later overflow looks again at every folder.
            if (mCheckRound.load(std::memory_order_relaxed) != round)
                return;
            if (stat(PathToNative(folder.path).constData(), &st) != 0)
                missing.push_back(folder);
        }
        if (missing.empty())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, missing = std::move(missing)] {
                for (const FolderAtPath& folder : missing) {
                    // Moved since it was looked for: its path was not the one missing.
                    const auto it = mFolders.find(folder.handle);
                    if (it != mFolders.end() && it->second.path == folder.path)
                        reportGone(it->second.wd);
                }
                reportSomeGone();
            },
            Qt::QueuedConnection);
    });
}

void FolderMonitor::reportGone(int wd)
{
    const auto range = mHandlesByWatch.equal_range(wd);
    for (auto at = range.first; at != range.second; ++at) {
        const auto it = mFolders.find(at->second);
        if (it == mFolders.end() || it->second.reportedGone)
            continue;
        it->second.reportedGone = true;
        mGone.push_back(at->second);
    }
}

// A folder gone takes everything found below it out of its owner's records, which costs in
// proportion to what was found there: the reports go out a turn's share at a time.
void FolderMonitor::reportSomeGone()
{
    TurnBudget turn;
    for (bool first = true; mReported < mGone.size(); first = false) {
        if (!first && turn.spent())
            break;
        const int handle = mGone[mReported++];
        // Its owner may have let it go meanwhile.
        if (mFolders.count(handle))
            Q_EMIT folderDeleted(handle);
    }
    if (mReported < mGone.size()) {
        mReportTimer.start(0);
    } else {
        mGone.clear();
        mReported = 0;
    }
}

// The folder moved reports its new path; folders below it learn theirs silently, as the
// kernel tells them nothing either.
void FolderMonitor::followMove(const QString& from, const QString& to)
{
    const QString below = from + QLatin1Char('/');
    // Every path is rewritten before anyone hears of the move.
    std::vector<int> moved;
    for (auto& entry : mFolders) {
        Folder& folder = entry.second;
        if (folder.path == from) {
            folder.path = to;
            moved.push_back(entry.first);
        } else if (folder.path.startsWith(below)) {
            folder.path = to + folder.path.mid(from.size());
        }
    }
    const bool renamed = FolderOf(from) == FolderOf(to);
    for (int handle : moved) {
        if (renamed)
            Q_EMIT folderRenamed(handle, to);
        else
            Q_EMIT folderMoved(handle, to);
    }
}
