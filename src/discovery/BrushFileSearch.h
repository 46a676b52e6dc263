#pragma once

#include "platform/FileNodeFlags.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class BrushFileMatcher;
class BrushFileSearchImpl;

// The live search for brush files. It builds the shared found-path tree from the file index's
// results, has the folder monitor watch the tree's folders, and sends every change as one of
// its signals, straight to whoever shows or keeps the results. Paths are absolute; for moves the
// two lists run in parallel, and flags (what the search learned of each item on disk, so that
// no one asks the disk again) follow the paths one for one. Main thread only.
class BrushFileSearch : public QObject
{
    Q_OBJECT
public:
    // The files the matcher takes in the directories; none given: the home folder and the
    // removable-media folder.
    static std::unique_ptr<BrushFileSearch> create(const BrushFileMatcher& matcher,
                                                   const QStringList& directories);
    ~BrushFileSearch() override;

    // live: keep the results current after the first phase.
    bool run(bool live = true);
    bool isInInitialSearch() const;
    bool hasFoundFilesInPath(const QString& path) const;
    // Once the system refused watches for its limit: how often, in seconds, the folders left
    // unwatched are read again instead. 0 before that.
    int watchLimitRecrawlSeconds() const { return mWatchLimitRecrawlSeconds; }
    // The desktop is about to unmount the drive at this path: the search keeps out of its
    // folders for a while (FileIndex::releaseMount).
    void releaseMount(const QString& mountPoint);
    // From any thread, ahead of releaseMount (FileIndex::keepCrawlersOut).
    void keepCrawlersOut(const QString& mountPoint);
    // Whether a file lies on a drive the search keeps out of; any thread, so that readers of
    // the files it found keep out too.
    bool keepsCrawlersOutOf(const QString& path) const;

Q_SIGNALS:
    // Files found so far in the first phase.
    void firstPhaseProgress(int count);
    void firstPhaseFinished();
    void itemsAdded(const QStringList& paths, const FileNodeFlagsList& flags);
    // Files, or folders with everything found below them.
    void itemsRemoved(const QStringList& paths);
    void itemsMoved(const QStringList& oldPaths, const QStringList& newPaths,
                    const FileNodeFlagsList& newFlags);
    // Same folder, new name; a folder's files go with it.
    void itemRenamed(const QString& oldPath, const QString& newPath);
    // Written where they are: appended to, copied over, touched.
    void itemsWritten(const QStringList& paths);
    // Sent once per search; see watchLimitRecrawlSeconds().
    void watchLimitReached(int recrawlSeconds);

private:
    friend class BrushFileSearchImpl;
    BrushFileSearch();
    std::unique_ptr<BrushFileSearchImpl> mImpl;
    int mWatchLimitRecrawlSeconds = 0;
};
