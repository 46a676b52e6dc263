#pragma once

#include "platform/FileNodeFlags.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class BrushFileMatcher;
class BrushFileSearchImpl;

// One thing a search tells the objects that show its results. Paths are absolute; for renames
// and moves the two lists run in parallel, and flag bytes (FileNodeFlags) follow the paths one
// for one.
struct SearchReport
{
    enum eKind : int
    {
        eFirstPhaseProgress = 0,
        eFirstPhaseFinished = 1,
        eItemsAdded = 2,
        eItemDeleted = 3,
        eItemRenamed = 4,
        eItemsMoved = 5,
        eItemsChanged = 6,
    };
    quint64 searchID = 0; // which search of the process sent it
    eKind kind = eFirstPhaseProgress;
    QStringList paths;
    QStringList newPaths;
    std::vector<std::uint8_t> flags;
    int count = 0; // first-phase progress: files found so far
};

// The live search for brush files. It builds the shared found-path tree from the file index's
// results, has the folder monitor watch the tree's folders, and reports every change as one
// SearchReport. Main thread only.
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
    quint64 searchID() const { return mSearchID; }
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
    void reported(const SearchReport& report);
    // Sent once per search; see watchLimitRecrawlSeconds().
    void watchLimitReached(int recrawlSeconds);

private:
    friend class BrushFileSearchImpl;
    BrushFileSearch();
    std::unique_ptr<BrushFileSearchImpl> mImpl;
    quint64 mSearchID;
    int mWatchLimitRecrawlSeconds = 0;
};

Q_DECLARE_METATYPE(SearchReport)
