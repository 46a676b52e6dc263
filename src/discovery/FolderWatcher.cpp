#include "discovery/FolderWatcher.h"

#include "platform/Logging.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
// What every watch asks for, whoever wanted it: entry changes for the index, the folder's own
// deletion and moves for the monitor. IN_UNMOUNT and IN_IGNORED come unasked.
constexpr std::uint32_t kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                     IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR |
                                     IN_EXCL_UNLINK;

// A rename queues its two halves one after the other, but a read can fall between them.
constexpr int kHeldMoveMs = 20;

// Reads per wake-up: a burst of 16,384 queued events is worked off over several turns of the
// event loop rather than in one long stall.
constexpr int kReadsPerWakeUp = 2;

QByteArray ChildPath(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}
} // namespace

QString FolderWatcher::failureText(int error)
{
    // inotify says ENOSPC and EMFILE for its own limits, which strerror words as a full disk
    // and too many open files.
    if (error == ENOSPC)
        return QStringLiteral(
            "the limit of watched folders is reached (fs.inotify.max_user_watches)");
    if (error == EMFILE)
        return QStringLiteral(
            "the limit of inotify instances is reached (fs.inotify.max_user_instances)");
    QString text = QString::fromLocal8Bit(std::strerror(error));
    if (text.size() > 1 && text.at(0).isUpper() && text.at(1).isLower())
        text[0] = text.at(0).toLower();
    return text;
}

FolderWatcher* FolderWatcher::shared()
{
    static FolderWatcher* watcher = new FolderWatcher;
    return watcher;
}

FolderWatcher::FolderWatcher()
{
    qRegisterMetaType<FolderWatchBatch>();
    mInotifyFD = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (mInotifyFD < 0) {
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("Could not start inotify: %1").arg(failureText(errno));
        return;
    }
    mNotifier = new QSocketNotifier(mInotifyFD, QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
    mHeldMoveTimer.setSingleShot(true);
    mHeldMoveTimer.setTimerType(Qt::PreciseTimer);
    connect(&mHeldMoveTimer, &QTimer::timeout, this, [this] { deliver({}, false); });
}

int FolderWatcher::watchFolder(const QByteArray& path, int openFD)
{
    if (mInotifyFD < 0) {
        errno = EBADF;
        return -1;
    }
    int wd = inotify_add_watch(mInotifyFD, path.constData(), kWatchMask);
    if (wd < 0 && openFD >= 0 && (errno == ENOENT || errno == ENOTDIR)) {
        char procPath[40];
        std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", openFD);
        wd = inotify_add_watch(mInotifyFD, procPath, kWatchMask);
    }
    if (wd < 0)
        return -1;
    std::lock_guard<std::mutex> lock(mMutex);
    Watch& watch = mWatches[wd];
    if (watch.references++ == 0) {
        watch.path = path;
        mWatchByPath.emplace(path, wd);
    }
    return wd;
}

void FolderWatcher::releaseWatch(int wd)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const auto it = mWatches.find(wd);
    if (it == mWatches.end() || --it->second.references > 0)
        return;
    forgetWatch(it);
    inotify_rm_watch(mInotifyFD, wd);
}

void FolderWatcher::forgetWatch(std::unordered_map<int, Watch>::iterator it)
{
    const auto range = mWatchByPath.equal_range(it->second.path);
    for (auto at = range.first; at != range.second; ++at) {
        if (at->second == it->first) {
            mWatchByPath.erase(at);
            break;
        }
    }
    mWatches.erase(it);
}

QByteArray FolderWatcher::pathOf(int wd) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    const auto it = mWatches.find(wd);
    return it == mWatches.end() ? QByteArray() : it->second.path;
}

int FolderWatcher::watchCount() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return int(mWatches.size());
}

void FolderWatcher::readEvents()
{
    std::vector<FolderWatchEvent> raw;
    bool overflowed = false;
    alignas(inotify_event) char buffer[65536];
    for (int reads = 0; reads < kReadsPerWakeUp; ++reads) {
        const ssize_t length = read(mInotifyFD, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                overflowed = true;
                continue;
            }
            FolderWatchEvent out;
            out.wd = event->wd;
            out.mask = event->mask;
            out.cookie = event->cookie;
            if (event->len)
                out.name = QByteArray(event->name);
            raw.push_back(std::move(out));
        }
    }
    if (!raw.empty() || overflowed)
        deliver(std::move(raw), overflowed);
}

// Pairs the halves of moves, learns the new paths of moved folders, and hands the batch on.
void FolderWatcher::deliver(std::vector<FolderWatchEvent> raw, bool overflowed)
{
    const auto now = std::chrono::steady_clock::now();
    mHeldMoveTimer.stop();
    std::vector<HeldMove> waiting;
    waiting.swap(mHeldMoves);
    FolderWatchBatch batch;
    batch.overflowed = overflowed;
    std::vector<int> ended;
    for (FolderWatchEvent& event : raw) {
        if (event.mask & IN_MOVED_FROM) {
            waiting.push_back({now, std::move(event)});
            continue;
        }
        if (event.mask & IN_MOVED_TO) {
            const auto from = std::find_if(waiting.begin(), waiting.end(), [&](const auto& held) {
                return held.event.cookie == event.cookie;
            });
            if (from != waiting.end()) {
                event.fromWd = from->event.wd;
                event.fromName = from->event.name;
                waiting.erase(from);
                const QByteArray fromFolder = pathOf(event.fromWd);
                const QByteArray toFolder = pathOf(event.wd);
                // Both parents are known unless one was dropped while these events waited.
                if ((event.mask & IN_ISDIR) && !fromFolder.isEmpty() && !toFolder.isEmpty()) {
                    event.fromPath = ChildPath(fromFolder, event.fromName);
                    event.toPath = ChildPath(toFolder, event.name);
                    rewritePaths(event.fromPath, event.toPath);
                }
            }
        }
        if (event.mask & IN_IGNORED)
            ended.push_back(event.wd);
        batch.events.push_back(std::move(event));
    }
    // A half that found no partner in time left every watched folder.
    for (HeldMove& held : waiting) {
        if (!overflowed && now - held.since < std::chrono::milliseconds(kHeldMoveMs)) {
            mHeldMoves.push_back(std::move(held));
            continue;
        }
        FolderWatchEvent& event = held.event;
        event.movedOut = true;
        const QByteArray folder = pathOf(event.wd);
        if ((event.mask & IN_ISDIR) && !folder.isEmpty())
            event.fromPath = ChildPath(folder, event.name);
        batch.events.push_back(std::move(event));
    }
    if (!mHeldMoves.empty())
        mHeldMoveTimer.start(kHeldMoveMs + 1);
    if (!batch.events.empty() || batch.overflowed)
        Q_EMIT eventsArrived(batch);
    // The kernel has dropped these watches (folder deleted or its drive unmounted); whoever
    // held them has been told and gives its references back into the void.
    std::lock_guard<std::mutex> lock(mMutex);
    for (int wd : ended) {
        const auto it = mWatches.find(wd);
        if (it != mWatches.end())
            forgetWatch(it);
    }
}

void FolderWatcher::rewritePaths(const QByteArray& from, const QByteArray& to)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const QByteArray below = from + '/';
    std::vector<std::pair<QByteArray, int>> moved;
    // The folder itself, then everything below it: "a/b c" sorts between "a/b" and "a/b/x",
    // so the two are separate ranges.
    const auto self = mWatchByPath.equal_range(from);
    for (auto it = self.first; it != self.second; ++it)
        moved.emplace_back(to, it->second);
    mWatchByPath.erase(self.first, self.second);
    auto it = mWatchByPath.lower_bound(below);
    while (it != mWatchByPath.end() && it->first.startsWith(below)) {
        moved.emplace_back(to + it->first.mid(from.size()), it->second);
        it = mWatchByPath.erase(it);
    }
    for (auto& entry : moved) {
        mWatches[entry.second].path = entry.first;
        mWatchByPath.emplace(std::move(entry.first), entry.second);
    }
}
