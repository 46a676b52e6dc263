#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <sys/types.h>
#include <thread>
#include <unordered_map>
#include <vector>

// A general file watcher: each watched path is held open by a descriptor, changes to it are
// read on a thread of the watcher's own and posted to the main thread, one notification per
// kind of change, with {"fd": descriptor} as user info and the watcher as object.
//
// Linux has no kernel event queue for descriptors, so a descriptor here is an O_PATH handle and
// the queue is an inotify instance with one watch per watched inode.
class FolderWatcher : public std::enable_shared_from_this<FolderWatcher>
{
public:
    static inline const QString WexaFileWatcherRenameNotification =
        QStringLiteral("FolderWatcherFileRenamedNotification");
    static inline const QString WexaFileWatcherWriteNotification =
        QStringLiteral("FolderWatcherFileWrittenToNotification");
    static inline const QString WexaFileWatcherDeleteNotification =
        QStringLiteral("FolderWatcherFileDeletedNotification");
    static inline const QString WexaFileWatcherAttributeChangeNotification =
        QStringLiteral("FolderWatcherFileAttributesChangedNotification");
    static inline const QString WexaFileWatcherSizeIncreaseNotification =
        QStringLiteral("FolderWatcherFileSizeIncreasedNotification");
    static inline const QString WexaFileWatcherLinkCountChangeNotification =
        QStringLiteral("FolderWatcherFileLinkCountChangedNotification");
    static inline const QString WexaFileWatcherAccessRevocationNotification =
        QStringLiteral("FolderWatcherFileAccessRevocationNotification");

    // The kinds of change, with the bit values callers pass as a mask.
    enum : std::uint32_t
    {
        eNoteDelete = 0x01,
        eNoteWrite = 0x02,
        eNoteExtend = 0x04,
        eNoteAttrib = 0x08,
        eNoteLink = 0x10,
        eNoteRename = 0x20,
        eNoteRevoke = 0x40,
    };
    static constexpr std::uint32_t kDefaultMask =
        eNoteDelete | eNoteWrite | eNoteAttrib | eNoteRename;

    // The process's watcher, created on the first call; null when the system refused a queue.
    static std::shared_ptr<FolderWatcher> sharedFileWatcher();
    // A watcher of its own, for code that must not share (tests); null on failure.
    static std::shared_ptr<FolderWatcher> create();
    ~FolderWatcher();
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // Returns the descriptor, or a value of 0 or less when the path cannot be opened.
    int addPathToQueue(const QString& path, std::uint32_t mask);
    int addPathToQueue(const QString& path) { return addPathToQueue(path, kDefaultMask); }
    int addPath(const QString& path) { return addPathToQueue(path, kDefaultMask); }
    void removeFDFromQueue(int fd);
    void removeAllPathsFromQueue();

    int queueFD() const { return mQueueFD; }
    QString description() const;
    // Descriptor -> path as opened (renames update it).
    std::map<int, QString> watchedPaths() const;

private:
    struct Watch
    {
        QString path;
        std::uint32_t mask = 0;
        int wd = -1;
        bool reportedGone = false;
        dev_t dev = 0;
        ino_t ino = 0;
    };
    struct Event
    {
        int fd;
        std::uint32_t bits;
    };

    FolderWatcher(int queueFD);
    void start();
    void watcherThread();
    void readEvents(std::vector<Event>& out, bool& lookForVanished, bool& overflowed);
    void findVanished(std::vector<Event>& out, bool overflowed);
    void checkOrphans(std::vector<Event>& out);
    void post(const std::vector<Event>& events);
    void closeWatch(int fd, const Watch& watch, const char* failureMessage);

    const int mQueueFD;
    std::atomic<bool> mKeepThreadRunning{false};
    std::thread mThread;
    mutable std::recursive_mutex mLock;
    std::map<int, Watch> mWatchedFDs;
    std::unordered_map<int, std::vector<int>> mFDsByWatch;
    // Watched items whose parent folder is not watched: nothing tells when they are removed, so
    // they are looked at twice a second. Recomputed when the set of watches changes.
    std::vector<int> mOrphans;
    bool mOrphansDirty = false;
};
