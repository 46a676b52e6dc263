#pragma once

#include "discovery/CrawlWorkers.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <map>
#include <unordered_map>
#include <vector>

class FolderWatcher;
struct FolderWatchBatch;

// Keeps the path of every registered folder and turns the folder watcher's events into one
// signal per folder renamed in place, moved elsewhere or gone, with its new path. Main thread
// only. A handle stays registered after a deletion report until its owner removes it.
class FolderMonitor : public QObject
{
    Q_OBJECT
public:
    // The process's monitor over the shared watcher; never destroyed.
    static FolderMonitor* shared();
    explicit FolderMonitor(FolderWatcher* watcher, QObject* parent = nullptr);
    ~FolderMonitor() override;

    // A handle above 0, or -1 when the folder cannot be watched.
    int addFolder(const QString& path);
    void removeFolder(int handle);
    // The folder's path as last learned; empty for an unknown handle.
    QString pathOf(int handle) const;
    // The system refused a folder for its watch limit: some folders have no handle.
    bool watchLimitReached() const { return mLimitLogged; }
    int folderCount() const { return int(mFolders.size()); }

Q_SIGNALS:
    // Same parent folder, new name.
    void folderRenamed(int handle, const QString& newPath);
    // Another parent folder.
    void folderMoved(int handle, const QString& newPath);
    // Deleted, moved outside every watched folder, or its drive unmounted.
    void folderDeleted(int handle);

private:
    struct Folder
    {
        int wd;
        QString path;
        bool reportedGone = false;
    };
    struct FolderAtPath
    {
        int handle;
        QString path;
    };
    void onEvents(const FolderWatchBatch& batch);
    void lookForFolders();
    // Marks the folders on a watch gone; their reports go out with reportSomeGone.
    void reportGone(int wd);
    void reportSomeGone();
    void followMove(const QString& from, const QString& to);

    FolderWatcher* mWatcher;
    int mNextHandle = 1;
    // Past the system's watch limit every further folder is refused alike; the file index says
    // so once, in full.
    bool mLimitLogged = false;
    std::map<int, Folder> mFolders;
    std::unordered_multimap<int, int> mHandlesByWatch;
    // Handles of folders gone, reported from mReported on.
    std::vector<int> mGone;
    size_t mReported = 0;
    QTimer mReportTimer;
    QTimer mCheckTimer;
    std::atomic<quint64> mCheckRound{0};
    // Last, so that its thread has stopped before anything it uses goes.
    CrawlWorkers mChecker{1};
};
