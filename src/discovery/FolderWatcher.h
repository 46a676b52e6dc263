#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

class QSocketNotifier;

// One change the kernel reported for a watched folder. Names and paths are the file system's
// bytes. A move is one event: the IN_MOVED_TO half carries where the entry came from, so that
// nobody downstream pairs cookies again.
struct FolderWatchEvent
{
    int wd = -1;
    std::uint32_t mask = 0;
    std::uint32_t cookie = 0;
    QByteArray name; // the entry inside the folder; empty for the folder's own events
    // IN_MOVED_TO whose IN_MOVED_FROM was seen: the folder and name it left.
    int fromWd = -1;
    QByteArray fromName;
    // IN_MOVED_FROM whose entry went outside every watched folder (no IN_MOVED_TO came).
    bool movedOut = false;
    // Folder moves only: the full path before and after (after is empty when moved out).
    QByteArray fromPath;
    QByteArray toPath;
};

struct FolderWatchBatch
{
    std::vector<FolderWatchEvent> events;
    bool overflowed = false; // events were lost; whoever keeps state must check the disk
};

// The process's one inotify instance, shared by the file index and the folder monitor: one
// watch per folder, counted by reference, whoever asked for it. No descriptor stays open on a
// watched folder (an open one, even O_PATH, keeps a drive from being unmounted and uses up the
// open-files limit), so a folder's path after a rename or move is learned from its parent's
// IN_MOVED_FROM/IN_MOVED_TO pair; paths of the folders below it are rewritten along.
//
// Watches may be added from any thread (crawlers add them before they list a folder); events
// are read and delivered on the main thread.
class FolderWatcher : public QObject
{
    Q_OBJECT
public:
    // Created on the first call, on the main thread; never destroyed.
    static FolderWatcher* shared();
    // Words for the errno a failed watch or start left, naming inotify's own limits as such.
    static QString failureText(int error);

    bool isValid() const { return mInotifyFD >= 0; }

    // Watches the folder at path and returns its watch, or -1 with errno set. Each successful
    // call takes one reference. openFD, when given, is an open descriptor of the folder: should
    // the path no longer name it (renamed meanwhile), the watch goes through the descriptor.
    int watchFolder(const QByteArray& path, int openFD = -1);
    // Gives one reference back; the last one removes the watch. Unknown watches are ignored.
    void releaseWatch(int wd);
    // The watched folder's path as last learned; empty for an unknown watch.
    QByteArray pathOf(int wd) const;
    int watchCount() const;

Q_SIGNALS:
    void eventsArrived(const FolderWatchBatch& batch);

private:
    FolderWatcher();
    void readEvents();
    void deliver(std::vector<FolderWatchEvent> raw, bool overflowed);
    void rewritePaths(const QByteArray& from, const QByteArray& to);

    struct Watch
    {
        int references = 0;
        QByteArray path;
    };
    // Drops a watch from both maps; the caller holds the mutex.
    void forgetWatch(std::unordered_map<int, Watch>::iterator it);

    int mInotifyFD = -1;
    QSocketNotifier* mNotifier = nullptr;
    mutable std::mutex mMutex;
    std::unordered_map<int, Watch> mWatches;
    std::multimap<QByteArray, int> mWatchByPath;
    // An IN_MOVED_FROM at the end of a read waits a moment for its IN_MOVED_TO.
    struct HeldMove
    {
        std::chrono::steady_clock::time_point since;
        FolderWatchEvent event;
    };
    std::vector<HeldMove> mHeldMoves;
    QTimer mHeldMoveTimer;
};

Q_DECLARE_METATYPE(FolderWatchBatch)
