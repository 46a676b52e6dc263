#include "discovery/FolderWatcher.h"

#include "platform/Logging.h"
#include "thread/MainThreadNotifier.h"

#include <QFile>
#include <QStringList>
#include <cerrno>
#include <chrono>
#include <exception>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// What inotify must report for each kind of change. Entry changes in a watched folder count as
// writes to it, as they do for a folder on systems with kernel queues.
std::uint32_t InotifyMaskFor(std::uint32_t mask)
{
    std::uint32_t bits = 0;
    if (mask & FolderWatcher::eNoteRename)
        bits |= IN_MOVE_SELF;
    if (mask & FolderWatcher::eNoteDelete)
        bits |= IN_DELETE_SELF;
    if (mask & (FolderWatcher::eNoteWrite | FolderWatcher::eNoteExtend))
        bits |= IN_MODIFY;
    if (mask & FolderWatcher::eNoteWrite)
        bits |= IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
    if (mask & (FolderWatcher::eNoteAttrib | FolderWatcher::eNoteLink))
        bits |= IN_ATTRIB;
    // The kernel sends IN_DELETE_SELF only once the last descriptor on a folder is closed, and
    // ours stays open until the folder is given up. A folder's removal is therefore learned
    // from its parent's entry events (the parent is normally watched as well).
    bits |= IN_DELETE | IN_MOVED_TO;
    return bits;
}

std::uint32_t NotesFor(std::uint32_t inotifyMask)
{
    std::uint32_t notes = 0;
    if (inotifyMask & IN_MOVE_SELF)
        notes |= FolderWatcher::eNoteRename;
    if (inotifyMask & (IN_MODIFY | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO))
        notes |= FolderWatcher::eNoteWrite;
    if (inotifyMask & IN_DELETE_SELF)
        notes |= FolderWatcher::eNoteDelete;
    if (inotifyMask & IN_ATTRIB)
        notes |= FolderWatcher::eNoteAttrib | FolderWatcher::eNoteLink;
    if (inotifyMask & IN_MODIFY)
        notes |= FolderWatcher::eNoteExtend;
    if (inotifyMask & IN_UNMOUNT)
        notes |= FolderWatcher::eNoteRevoke;
    return notes;
}

QString ProcFDPath(int fd)
{
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

bool IsGone(int fd)
{
    struct stat st;
    return fstat(fd, &st) != 0 || st.st_nlink == 0;
}

QString CurrentPath(int fd)
{
    char buffer[PATH_MAX + 1];
    const ssize_t length =
        readlink(QFile::encodeName(ProcFDPath(fd)).constData(), buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    return QFile::decodeName(QByteArray(buffer, int(length)));
}
} // namespace

std::shared_ptr<FolderWatcher> FolderWatcher::sharedFileWatcher()
{
    static std::mutex classLock;
    // Never released: its thread may still be reading the queue while the process exits.
    static std::shared_ptr<FolderWatcher>* shared = nullptr;
    std::lock_guard<std::mutex> lock(classLock);
    if (!shared)
        shared = new std::shared_ptr<FolderWatcher>(create());
    return *shared;
}

std::shared_ptr<FolderWatcher> FolderWatcher::create()
{
    const int queue = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (queue < 0) {
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("Could not allocate kqueue: err = %1").arg(errno);
        return nullptr;
    }
    MainThreadNotifier::start();
    std::shared_ptr<FolderWatcher> watcher(new FolderWatcher(queue));
    watcher->start();
    return watcher;
}

FolderWatcher::FolderWatcher(int queueFD) : mQueueFD(queueFD) {}

void FolderWatcher::start()
{
    mKeepThreadRunning = true;
    mThread = std::thread([this] { watcherThread(); });
}

FolderWatcher::~FolderWatcher()
{
    {
        std::lock_guard<std::recursive_mutex> lock(mLock);
        mKeepThreadRunning = false;
    }
    // The watcher thread can hold the last reference for a moment while it posts.
    if (mThread.joinable()) {
        if (mThread.get_id() == std::this_thread::get_id())
            mThread.detach();
        else
            mThread.join();
    }
    std::lock_guard<std::recursive_mutex> lock(mLock);
    for (const auto& entry : mWatchedFDs)
        if (close(entry.first) != 0)
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("dealloc: Couldn't close file descriptor (%1)").arg(errno);
    mWatchedFDs.clear();
    mFDsByWatch.clear();
    qCInfo(lcDiscovery, "kqueue released.");
}

int FolderWatcher::addPathToQueue(const QString& path, std::uint32_t mask)
{
    const int fd = open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd <= 0) {
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("FolderWatcher Couldn't open \"%1\" (err %2)").arg(path).arg(errno);
        return fd;
    }
    std::lock_guard<std::recursive_mutex> lock(mLock);
    Watch& watch = mWatchedFDs[fd];
    watch.path = path;
    watch.mask = mask;
    watch.reportedGone = false;
    struct stat st;
    if (fstat(fd, &st) == 0) {
        watch.dev = st.st_dev;
        watch.ino = st.st_ino;
    }
    mOrphansDirty = true;
    // Through the descriptor, so the watch is on the very item that was opened. IN_MASK_ADD
    // because several descriptors on one item share the item's single watch.
    const int wd = inotify_add_watch(mQueueFD, QFile::encodeName(ProcFDPath(fd)).constData(),
                                     InotifyMaskFor(mask) | IN_MASK_ADD);
    if (wd == -1) {
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("addPathToQueue kevent failed for %1: err %2").arg(path).arg(errno);
        return fd;
    }
    watch.wd = wd;
    mFDsByWatch[wd].push_back(fd);
    return fd;
}

void FolderWatcher::closeWatch(int fd, const Watch& watch, const char* failureMessage)
{
    if (watch.wd != -1) {
        auto it = mFDsByWatch.find(watch.wd);
        if (it != mFDsByWatch.end()) {
            auto& fds = it->second;
            fds.erase(std::remove(fds.begin(), fds.end(), fd), fds.end());
            if (fds.empty()) {
                mFDsByWatch.erase(it);
                inotify_rm_watch(mQueueFD, watch.wd);
            }
        }
    }
    if (close(fd) != 0)
        qCInfo(lcDiscovery).noquote() << QString::fromLatin1(failureMessage).arg(errno);
}

void FolderWatcher::removeFDFromQueue(int fd)
{
    std::lock_guard<std::recursive_mutex> lock(mLock);
    if (fd < 0)
        return;
    auto it = mWatchedFDs.find(fd);
    if (it == mWatchedFDs.end())
        return;
    const Watch watch = it->second;
    mWatchedFDs.erase(it);
    mOrphansDirty = true;
    closeWatch(fd, watch, "removePathFromQueue: Couldn't close file descriptor (%1)");
}

void FolderWatcher::removeAllPathsFromQueue()
{
    std::lock_guard<std::recursive_mutex> lock(mLock);
    for (const auto& entry : mWatchedFDs)
        closeWatch(entry.first, entry.second,
                   "removePathFromQueue: Couldn't close file descriptor (%1)");
    mWatchedFDs.clear();
}

QString FolderWatcher::description() const
{
    QStringList entries;
    for (const auto& entry : watchedPaths())
        entries << QStringLiteral("%1 = \"%2\";").arg(entry.first).arg(entry.second);
    return QStringLiteral("%1 { watchedPaths = %2 }")
        .arg(QStringLiteral("FolderWatcher"),
             QStringLiteral("{") + entries.join(QLatin1Char(' ')) + QStringLiteral("}"));
}

std::map<int, QString> FolderWatcher::watchedPaths() const
{
    std::lock_guard<std::recursive_mutex> lock(mLock);
    std::map<int, QString> out;
    for (const auto& entry : mWatchedFDs)
        out.emplace(entry.first, entry.second.path);
    return out;
}

void FolderWatcher::watcherThread()
{
    auto lastOrphanCheck = std::chrono::steady_clock::now();
    while (mKeepThreadRunning) {
        try {
            pollfd pfd{mQueueFD, POLLIN, 0};
            const int ready = poll(&pfd, 1, 100);
            if (ready < 0 && errno != EINTR)
                qCInfo(lcDiscovery, "kevent returned <0 value");
            std::vector<Event> events;
            if (ready > 0) {
                bool lookForVanished = false;
                bool overflowed = false;
                readEvents(events, lookForVanished, overflowed);
                if (lookForVanished || overflowed)
                    findVanished(events, overflowed);
            }
            const auto now = std::chrono::steady_clock::now();
            if (now - lastOrphanCheck >= std::chrono::milliseconds(500)) {
                lastOrphanCheck = now;
                checkOrphans(events);
            }
            post(events);
        } catch (const std::exception& e) {
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("Error in FolderWatcher watcherThread: %1").arg(e.what());
        }
    }
    qCInfo(lcDiscovery, "exiting kqueue watcher thread.");
}

void FolderWatcher::readEvents(std::vector<Event>& out, bool& lookForVanished, bool& overflowed)
{
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t length = read(mQueueFD, buffer, sizeof buffer);
        if (length <= 0)
            return;
        std::lock_guard<std::recursive_mutex> lock(mLock);
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                overflowed = true;
                continue;
            }
            if ((event->mask & IN_ISDIR) && (event->mask & (IN_DELETE | IN_MOVED_TO)))
                lookForVanished = true;
            auto watchers = mFDsByWatch.find(event->wd);
            if (watchers == mFDsByWatch.end())
                continue;
            if (event->mask & IN_IGNORED) {
                for (int fd : watchers->second) {
                    auto w = mWatchedFDs.find(fd);
                    if (w != mWatchedFDs.end())
                        w->second.wd = -1;
                }
                mFDsByWatch.erase(watchers);
                continue;
            }
            const std::uint32_t notes = NotesFor(event->mask);
            for (int fd : watchers->second) {
                auto w = mWatchedFDs.find(fd);
                if (w == mWatchedFDs.end())
                    continue;
                Watch& watch = w->second;
                std::uint32_t bits = notes & watch.mask;
                if (bits & eNoteRename) {
                    mOrphansDirty = true;
                    const QString now = CurrentPath(fd);
                    if (!now.isEmpty() && !IsGone(fd))
                        watch.path = now;
                }
                if (bits & eNoteDelete) {
                    if (watch.reportedGone)
                        bits &= ~std::uint32_t(eNoteDelete);
                    watch.reportedGone = true;
                }
                if (bits)
                    out.push_back({fd, bits});
            }
        }
    }
}

void FolderWatcher::findVanished(std::vector<Event>& out, bool overflowed)
{
    std::lock_guard<std::recursive_mutex> lock(mLock);
    for (auto& entry : mWatchedFDs) {
        Watch& watch = entry.second;
        if (watch.reportedGone)
            continue;
        if (IsGone(entry.first)) {
            if (watch.mask & eNoteDelete) {
                watch.reportedGone = true;
                out.push_back({entry.first, eNoteDelete});
            }
            continue;
        }
        // Lost events may have hidden a rename.
        if (overflowed && (watch.mask & eNoteRename)) {
            const QString now = CurrentPath(entry.first);
            if (!now.isEmpty() && now != watch.path) {
                watch.path = now;
                out.push_back({entry.first, eNoteRename});
            }
        }
    }
}

void FolderWatcher::checkOrphans(std::vector<Event>& out)
{
    std::lock_guard<std::recursive_mutex> lock(mLock);
    if (mOrphansDirty) {
        mOrphansDirty = false;
        mOrphans.clear();
        std::set<std::pair<dev_t, ino_t>> watched;
        for (const auto& entry : mWatchedFDs)
            watched.emplace(entry.second.dev, entry.second.ino);
        for (const auto& entry : mWatchedFDs) {
            struct stat parent;
            if (fstatat(entry.first, "..", &parent, 0) != 0 ||
                !watched.count({parent.st_dev, parent.st_ino}))
                mOrphans.push_back(entry.first);
        }
    }
    for (int fd : mOrphans) {
        auto it = mWatchedFDs.find(fd);
        if (it == mWatchedFDs.end() || it->second.reportedGone || !(it->second.mask & eNoteDelete))
            continue;
        if (IsGone(fd)) {
            it->second.reportedGone = true;
            out.push_back({fd, eNoteDelete});
        }
    }
}

void FolderWatcher::post(const std::vector<Event>& events)
{
    if (events.empty())
        return;
    static const struct
    {
        std::uint32_t bit;
        const QString* name;
    } order[] = {
        {eNoteRename, &WexaFileWatcherRenameNotification},
        {eNoteWrite, &WexaFileWatcherWriteNotification},
        {eNoteDelete, &WexaFileWatcherDeleteNotification},
        {eNoteAttrib, &WexaFileWatcherAttributeChangeNotification},
        {eNoteExtend, &WexaFileWatcherSizeIncreaseNotification},
        {eNoteLink, &WexaFileWatcherLinkCountChangeNotification},
        {eNoteRevoke, &WexaFileWatcherAccessRevocationNotification},
    };
    std::shared_ptr<const void> self = shared_from_this();
    for (const Event& event : events)
        for (const auto& kind : order)
            if (event.bits & kind.bit)
                MainThreadNotifier::postNotificationWithName(*kind.name, self,
                                                             {{QStringLiteral("fd"), event.fd}});
}
