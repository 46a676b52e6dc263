#include "discovery/FileIndex.h"
#include "DiscoveryTestUtil.h"
#include "QtPrinters.h"
#include "discovery/FolderCrawler.h"
#include "discovery/FolderWatcher.h"
#include "discovery/ReleasedMounts.h"
#include "platform/NativePath.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// Follows one index: its reports in order, and what the updates said.
class QueryWatcher
{
public:
    explicit QueryWatcher(FileIndex* query) : mQuery(query)
    {
        QObject::connect(query, &FileIndex::progress, [this] {
            names << "progress";
            progressCounts.push_back(mQuery->resultCount());
        });
        QObject::connect(query, &FileIndex::finished, [this] { names << "finished"; });
        QObject::connect(query, &FileIndex::updated, [this](const FileIndexUpdate& update) {
            names << "updated";
            for (const auto& item : update.added)
                added << item->path();
            for (const auto& item : update.removed)
                removed << item->path();
            changed.insert(changed.end(), update.changed.begin(), update.changed.end());
            written.insert(written.end(), update.written.begin(), update.written.end());
        });
    }

    QStringList results() const
    {
        QStringList out;
        for (int i = 0; i < mQuery->resultCount(); ++i)
            out << mQuery->resultAtIndex(i)->path();
        out.sort();
        return out;
    }
    IndexedFilePtr itemAt(const QString& path) const
    {
        for (int i = 0; i < mQuery->resultCount(); ++i)
            if (mQuery->resultAtIndex(i)->path() == path)
                return mQuery->resultAtIndex(i);
        return nullptr;
    }
    void clear()
    {
        added.clear();
        removed.clear();
        changed.clear();
        written.clear();
    }
    bool finished() const { return names.contains("finished"); }

    QStringList names;
    std::vector<int> progressCounts;
    QStringList added, removed;
    IndexedFileList changed;
    IndexedFileList written;

private:
    FileIndex* mQuery;
};

std::unique_ptr<FileIndex> StartQuery(const QString& folder, unsigned updateMs = 50)
{
    auto query = std::make_unique<FileIndex>(BrushFileMatcher::brushFilesBySuffix());
    query->setSearchScope({folder});
    auto batching = query->batchingParameters();
    batching.first_max_num = 150;
    batching.update_max_ms = updateMs;
    query->setBatchingParameters(batching);
    return query;
}

QStringList Prefixed(const Sandbox& box, const QStringList& names)
{
    QStringList out;
    for (const QString& name : names)
        out << box.path(name);
    out.sort();
    return out;
}
} // namespace

TEST(FileIndex, ScopesDropFoldersAnotherScopeReaches)
{
    Sandbox box;
    QDir().mkpath(box.path("a/b"));
    QDir().mkpath(box.path("a/.hidden/c"));
    const QStringList folders = FileIndex::scopeFolders(
        {box.path("a/b"), box.path("a"), box.path("a/.hidden/c"), box.path("missing"),
         QUrl::fromLocalFile(box.path("a")).toString()});
    EXPECT_EQ(folders, QStringList({QFileInfo(box.path("a")).canonicalFilePath(),
                                    QFileInfo(box.path("a/.hidden/c")).canonicalFilePath()}));
    EXPECT_TRUE(FileIndex::scopeFolders({FileIndex::kScopeHomeAndMedia})
                    .contains(QFileInfo(QDir::homePath()).canonicalFilePath()));
}

TEST(FileIndex, FirstPhaseFindsEveryMatchInBatchesAndSkipsHiddenFolders)
{
    Sandbox box;
    QStringList expected;
    for (int d = 0; d < 8; ++d) {
        const QString folder = QStringLiteral("d%1/sub").arg(d);
        QDir().mkpath(box.path(folder));
        for (int f = 0; f < 25; ++f) {
            Touch(box.path(QStringLiteral("%1/f%2.abr").arg(folder).arg(f)));
            Touch(box.path(QStringLiteral("%1/f%2.txt").arg(folder).arg(f)));
            expected << QStringLiteral("%1/f%2.abr").arg(folder).arg(f);
        }
    }
    Touch(box.path("UPPER.ABR"));
    Touch(box.path(".dotfile.abr"));
    expected << "UPPER.ABR"
             << ".dotfile.abr";
    QDir().mkpath(box.path(".hidden"));
    Touch(box.path(".hidden/skipped.abr"));
    QDir().mkpath(box.path("folder.abr"));
    // Only regular files are results: reading a FIFO would block for ever.
    ASSERT_EQ(mkfifo(qPrintable(box.path("pipe.abr")), 0600), 0);
    ASSERT_EQ(symlink("pipe.abr", qPrintable(box.path("to-pipe.abr"))), 0);
    ASSERT_EQ(symlink("UPPER.ABR", qPrintable(box.path("to-upper.abr"))), 0);
    expected << "to-upper.abr";
    // A Latin-1 name from an old archive keeps its bytes.
    const QByteArray latin1 = PathToNative(box.path("")) + "/caf\xe9.abr";
    close(open(latin1.constData(), O_CREAT | O_WRONLY, 0600));

    auto query = StartQuery(box.path(""));
    QueryWatcher watcher(query.get());
    EXPECT_FALSE(query->isGatheringComplete());
    ASSERT_TRUE(query->execute(true));
    EXPECT_FALSE(query->execute(true)) << "a query runs once";
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    EXPECT_TRUE(query->isGatheringComplete());
    QStringList all = Prefixed(box, expected) << PathFromNative(latin1);
    all.sort();
    EXPECT_EQ(watcher.results(), all);
    EXPECT_EQ(PathToNative(watcher.itemAt(PathFromNative(latin1))->path()), latin1);
    unlink(latin1.constData()); // the sandbox, going through Qt, could not name it
    ASSERT_FALSE(watcher.progressCounts.empty());
    EXPECT_LE(watcher.progressCounts.front(), 150);
    EXPECT_EQ(watcher.progressCounts.back(), all.size());
    EXPECT_EQ(watcher.names.last(), "finished");

    // A scope inside a hidden folder is read all the same.
    auto hidden = StartQuery(box.path(".hidden"));
    QueryWatcher hiddenWatcher(hidden.get());
    hidden->execute(false);
    ASSERT_TRUE(WaitUntil([&] { return hiddenWatcher.finished(); }));
    EXPECT_EQ(hiddenWatcher.results(), Prefixed(box, {".hidden/skipped.abr"}));
}

TEST(FileIndex, LiveUpdatesFollowFilesAndFolders)
{
    Sandbox box;
    QDir().mkpath(box.path("s/a"));
    QDir().mkpath(box.path("s/b"));
    QDir().mkpath(box.path("outside"));
    Touch(box.path("s/a/one.abr"));
    Touch(box.path("s/a/two.abr"));
    auto query = StartQuery(box.path("s"));
    QueryWatcher watcher(query.get());
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    const IndexedFilePtr one = watcher.itemAt(box.path("s/a/one.abr"));
    ASSERT_TRUE(one);

    Touch(box.path("s/b/new.abr"));
    Touch(box.path("s/b/ignored.txt"));
    ASSERT_TRUE(WaitUntil([&] { return !watcher.added.isEmpty(); }));
    EXPECT_EQ(watcher.added, QStringList({box.path("s/b/new.abr")}));
    watcher.clear();

    // A renamed file is the same item with a new path.
    ASSERT_TRUE(QFile::rename(box.path("s/a/one.abr"), box.path("s/a/uno.abr")));
    ASSERT_TRUE(WaitUntil([&] { return !watcher.changed.empty(); }));
    EXPECT_EQ(watcher.changed.front(), one);
    EXPECT_EQ(one->path(), box.path("s/a/uno.abr"));
    watcher.clear();

    // So is everything in a moved folder.
    ASSERT_TRUE(QDir().rename(box.path("s/a"), box.path("s/b/a2")));
    ASSERT_TRUE(WaitUntil([&] { return watcher.changed.size() == 2; }));
    EXPECT_EQ(one->path(), box.path("s/b/a2/uno.abr"));
    EXPECT_TRUE(watcher.added.isEmpty());
    EXPECT_TRUE(watcher.removed.isEmpty());
    watcher.clear();

    // New folders are read and watched as they appear.
    QDir().mkpath(box.path("s/n1/n2/n3"));
    Touch(box.path("s/n1/n2/n3/deep.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("s/n1/n2/n3/deep.abr")); }));
    Touch(box.path("s/n1/n2/later.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("s/n1/n2/later.abr")); }));
    watcher.clear();

    // Leaving the scope, or the match, removes; coming in adds.
    ASSERT_TRUE(QDir().rename(box.path("s/n1"), box.path("outside/n1")));
    ASSERT_TRUE(WaitUntil([&] { return watcher.removed.size() == 2; }));
    ASSERT_TRUE(QFile::rename(box.path("s/b/new.abr"), box.path("s/b/new.txt")));
    ASSERT_TRUE(WaitUntil([&] { return watcher.removed.size() == 3; }));
    ASSERT_TRUE(QDir().rename(box.path("outside/n1"), box.path("s/back")));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.size() == 2; }));
    ASSERT_TRUE(QDir().rename(box.path("s/back"), box.path("s/.back")));
    ASSERT_TRUE(WaitUntil([&] { return watcher.removed.size() == 5; }));
    watcher.clear();

    // Rewriting a file's content says it was written, nothing else.
    {
        QFile f(box.path("s/b/a2/two.abr"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("content");
    }
    ASSERT_TRUE(WaitUntil([&] { return !watcher.written.empty(); }));
    EXPECT_EQ(watcher.written.front()->path(), box.path("s/b/a2/two.abr"));
    EXPECT_TRUE(watcher.changed.empty());

    ASSERT_TRUE(QDir(box.path("s/b")).removeRecursively());
    ASSERT_TRUE(WaitUntil([&] { return watcher.removed.size() == 2; }));
    EXPECT_TRUE(watcher.results().isEmpty());
}

TEST(FileIndex, FoldersBeyondTheWatchLimitAreReadAgainPeriodically)
{
    Sandbox box;
    for (const char* f : {"w/a", "w/b", "w/c"})
        QDir().mkpath(box.path(f));
    auto query = StartQuery(box.path("w"));
    query->setWatchLimit(2);
    query->setRecrawlInterval(200);
    QueryWatcher watcher(query.get());
    int limitReports = 0;
    QObject::connect(query.get(), &FileIndex::watchLimitReached, [&] { ++limitReports; });
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    EXPECT_EQ(query->watchedFolderCount(), 2);
    EXPECT_EQ(query->unwatchedFolderCount(), 2);
    for (const char* f : {"w/a/x.abr", "w/b/x.abr", "w/c/x.abr"})
        Touch(box.path(f));
    ASSERT_TRUE(WaitUntil([&] { return watcher.results().size() == 3; }, 5000));
    // A folder looked at and found unchanged is still read again once it changes.
    for (const char* f : {"w/a/x.abr", "w/b/x.abr", "w/c/x.abr"})
        QFile::remove(box.path(f));
    ASSERT_TRUE(WaitUntil([&] { return watcher.results().isEmpty(); }, 5000));
    // Said after the first re-read, and not again for the next ones.
    EXPECT_TRUE(query->isWatchLimitReached());
    EXPECT_FALSE(WaitUntil([&] { return limitReports > 1; }, 500));
    EXPECT_EQ(limitReports, 1);
    EXPECT_EQ(query->recrawlIntervalMs(), 200);
}

TEST(FileIndex, QueueOverflowIsRepairedByReadingAgain)
{
    Sandbox box;
    QDir().mkpath(box.path("o"));
    auto query = StartQuery(box.path("o"));
    QueryWatcher watcher(query.get());
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    // Without the event loop running nobody reads the queue, so this overflows it.
    QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
    ASSERT_TRUE(limit.open(QIODevice::ReadOnly));
    const int queueLength = limit.readAll().trimmed().toInt();
    if (queueLength > 100000)
        GTEST_SKIP() << "the queue is too long to overflow quickly";
    // Each rename queues two events.
    Touch(box.path("o/f0"));
    for (int i = 0; i < queueLength / 2 + 10; ++i) {
        const QByteArray from = QFile::encodeName(box.path(QStringLiteral("o/f%1").arg(i)));
        const QByteArray to = QFile::encodeName(box.path(QStringLiteral("o/f%1").arg(i + 1)));
        ASSERT_EQ(rename(from.constData(), to.constData()), 0);
    }
    Touch(box.path("o/last.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("o/last.abr")); }));
}

// The events of these changes are read and dropped, as an overflowing queue would lose them;
// only the overflow itself is told. Every folder is read again off the main thread.
TEST(FileIndex, LostEventsAreRepairedFromTheDisk)
{
    Sandbox box;
    for (const char* f : {"o/a", "o/b/sub", "o/c", "o/d"})
        QDir().mkpath(box.path(f));
    for (const char* f : {"o/a/x.abr", "o/b/sub/y.abr", "o/d/keep.abr"})
        Touch(box.path(f));
    auto query = StartQuery(box.path("o"));
    QueryWatcher watcher(query.get());
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    {
        QSignalBlocker lost(FolderWatcher::shared());
        ASSERT_EQ(unlink(QFile::encodeName(box.path("o/a/x.abr")).constData()), 0);
        ASSERT_TRUE(QDir(box.path("o/b")).removeRecursively());
        QDir().mkpath(box.path("o/c/new/deep"));
        Touch(box.path("o/c/new/deep/z.abr"));
        Touch(box.path("o/d/more.abr"));
        WaitUntil([] { return false; }, 300);
    }
    FolderWatchBatch overflow;
    overflow.overflowed = true;
    Q_EMIT FolderWatcher::shared()->eventsArrived(overflow);
    const QStringList expected{box.path("o/c/new/deep/z.abr"), box.path("o/d/keep.abr"),
                               box.path("o/d/more.abr")};
    ASSERT_TRUE(WaitUntil([&] { return watcher.results() == expected; }))
        << watcher.results().join(QLatin1Char(' ')).toStdString();
    // Watched again: the folder that was gone and the one that came while nobody listened.
    QDir().mkpath(box.path("o/b"));
    Touch(box.path("o/b/back.abr"));
    Touch(box.path("o/c/new/deep/later.abr"));
    ASSERT_TRUE(WaitUntil([&] {
        return watcher.added.contains(box.path("o/b/back.abr")) &&
               watcher.added.contains(box.path("o/c/new/deep/later.abr"));
    }));
}

TEST(FileIndex, ScopeFolderDeletedAndMadeAgainIsWatchedAgain)
{
    Sandbox box;
    QDir().mkpath(box.path("scope"));
    Touch(box.path("scope/a.abr"));
    auto query = StartQuery(box.path("scope"));
    QueryWatcher watcher(query.get());
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    ASSERT_TRUE(QDir(box.path("scope")).removeRecursively());
    ASSERT_TRUE(WaitUntil([&] { return watcher.removed.size() == 1; }));
    QDir().mkpath(box.path("scope/sub"));
    Touch(box.path("scope/sub/b.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("scope/sub/b.abr")); }));
    Touch(box.path("scope/later.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("scope/later.abr")); }));
}

TEST(FileIndex, BatchesKeepToTheirSizeLimits)
{
    Sandbox box;
    QDir().mkpath(box.path("n"));
    for (int i = 0; i < 10; ++i)
        Touch(box.path(QStringLiteral("n/f%1.abr").arg(i)));
    auto query = StartQuery(box.path("n"));
    // Timers that never fire inside the test: only the counts can let a batch out early.
    FileIndex::BatchingParameters batching;
    batching.first_max_num = 2;
    batching.first_max_ms = 60000;
    batching.progress_max_num = 3;
    batching.progress_max_ms = 60000;
    batching.update_max_num = 3;
    batching.update_max_ms = 60000;
    query->setBatchingParameters(batching);
    QueryWatcher watcher(query.get());
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    ASSERT_FALSE(watcher.progressCounts.empty());
    EXPECT_LE(watcher.progressCounts.front(), 2);
    for (size_t i = 1; i < watcher.progressCounts.size(); ++i)
        EXPECT_LE(watcher.progressCounts[i] - watcher.progressCounts[i - 1], 3) << i;
    EXPECT_EQ(watcher.progressCounts.back(), 10);

    // The third change fills an update batch: it goes out without waiting for the timer.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(QFile::rename(box.path(QStringLiteral("n/f%1.abr").arg(i)),
                                  box.path(QStringLiteral("n/g%1.abr").arg(i))));
    ASSERT_TRUE(WaitUntil([&] { return watcher.names.contains("updated"); }));
    QStringList paths;
    for (const IndexedFilePtr& item : watcher.changed)
        paths << item->path();
    paths.sort();
    EXPECT_EQ(paths, Prefixed(box, {"n/g0.abr", "n/g1.abr", "n/g2.abr"}));
}

// With the batching delay far beyond the test, only the prompt path can report a change; a
// change reported in another folder afterwards shows what was held back meanwhile.
TEST(FileIndex, LoneChangesGoOutAtOnceNewFilesOnceClosedBusyFoldersInBatches)
{
    Sandbox box;
    for (const char* folder : {"open", "busy", "other", "last"})
        QDir().mkpath(box.path(folder));
    auto query = StartQuery(box.path(""));
    FileIndex::BatchingParameters batching = query->batchingParameters();
    batching.update_max_ms = 60000;
    batching.update_lone_ms = 0;
    query->setBatchingParameters(batching);
    QueryWatcher watcher(query.get());
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));

    // Still being written: held until it is closed.
    const QString writing = box.path("open/writing.abr");
    const int fd = ::open(QFile::encodeName(writing).constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "8BIM", 4), 4);
    Touch(box.path("other/first.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("other/first.abr")); }));
    EXPECT_FALSE(watcher.added.contains(writing));
    ::close(fd);
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(writing); }));
    EXPECT_TRUE(watcher.written.empty()) << "a file announced once closed is not also changed";

    // A folder just read waits out the batching delay before it is read again.
    Touch(box.path("busy/a.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("busy/a.abr")); }));
    Touch(box.path("busy/b.abr"));
    Touch(box.path("last/sync.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("last/sync.abr")); }));
    EXPECT_FALSE(watcher.added.contains(box.path("busy/b.abr")));
}

TEST(FileIndex, WhatGathersWhileUpdatesAreDisabledComesOutOnResume)
{
    Sandbox box;
    QDir().mkpath(box.path("h"));
    Touch(box.path("h/a.abr"));
    auto held = StartQuery(box.path("h"), 10);
    // Sees the same events, reports them much later than the held index would.
    auto witness = StartQuery(box.path("h"), 300);
    QueryWatcher heldWatcher(held.get());
    QueryWatcher witnessWatcher(witness.get());
    held->enableUpdates(); // without a disable before it: must not count below zero

    held->disableUpdates();
    held->execute(true);
    witness->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return witnessWatcher.finished(); }));
    EXPECT_TRUE(heldWatcher.names.isEmpty()) << "first-phase batches wait too";
    held->enableUpdates();
    ASSERT_TRUE(WaitUntil([&] { return heldWatcher.finished(); }));
    EXPECT_EQ(heldWatcher.results(), Prefixed(box, {"h/a.abr"}));
    const IndexedFilePtr a = heldWatcher.itemAt(box.path("h/a.abr"));

    // Disabling nests: only the last enable lets the updates go.
    held->disableUpdates();
    held->disableUpdates();
    held->enableUpdates();
    heldWatcher.names.clear();
    Touch(box.path("h/new.abr"));
    ASSERT_TRUE(QFile::rename(box.path("h/a.abr"), box.path("h/b.abr")));
    ASSERT_TRUE(WaitUntil([&] {
        return witnessWatcher.added.contains(box.path("h/new.abr")) &&
               !witnessWatcher.changed.empty();
    }));
    EXPECT_FALSE(heldWatcher.names.contains("updated"));
    held->enableUpdates();
    ASSERT_TRUE(WaitUntil([&] { return heldWatcher.names.contains("updated"); }));
    EXPECT_EQ(heldWatcher.names, QStringList({"updated"}));
    EXPECT_EQ(heldWatcher.added, Prefixed(box, {"h/new.abr"}));
    EXPECT_TRUE(heldWatcher.removed.isEmpty());
    ASSERT_EQ(heldWatcher.changed.size(), 1u);
    EXPECT_EQ(heldWatcher.changed.front(), a);
    EXPECT_EQ(a->path(), box.path("h/b.abr"));
}

TEST(FileIndex, MovesOntoExistingNamesAndASwappedScopeFolder)
{
    Sandbox box;
    for (const char* folder : {"s/a", "s/b", "s/c/sub", "s/d", "other"})
        QDir().mkpath(box.path(folder));
    for (const char* file : {"s/a/one.abr", "s/b/one.abr", "s/c/sub/x.abr", "other/o.abr"})
        Touch(box.path(file));
    auto query = StartQuery(box.path("s"));
    QueryWatcher watcher(query.get());
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    const IndexedFilePtr moving = watcher.itemAt(box.path("s/a/one.abr"));
    // rename(2) itself: Qt's renames refuse to replace what is there.
    auto replace = [&](const char* from, const char* to) {
        return rename(QFile::encodeName(box.path(from)).constData(),
                      QFile::encodeName(box.path(to)).constData()) == 0;
    };

    // A file moved over another: the one overwritten goes, the moved one keeps its item.
    ASSERT_TRUE(replace("s/a/one.abr", "s/b/one.abr"));
    ASSERT_TRUE(WaitUntil([&] { return !watcher.removed.isEmpty() && !watcher.changed.empty(); }));
    EXPECT_EQ(watcher.removed, Prefixed(box, {"s/b/one.abr"}));
    EXPECT_EQ(watcher.itemAt(box.path("s/b/one.abr")), moving);
    EXPECT_EQ(watcher.results(), Prefixed(box, {"s/b/one.abr", "s/c/sub/x.abr"}));
    watcher.clear();

    // A folder moved over an empty one takes its place; its watches come along.
    ASSERT_TRUE(replace("s/c", "s/d"));
    ASSERT_TRUE(WaitUntil([&] { return !watcher.changed.empty(); }));
    EXPECT_EQ(watcher.changed.front()->path(), box.path("s/d/sub/x.abr"));
    Touch(box.path("s/d/sub/y.abr"));
    Touch(box.path("s/d/z.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.size() == 2; }));
    EXPECT_EQ(watcher.results(),
              Prefixed(box, {"s/b/one.abr", "s/d/sub/x.abr", "s/d/sub/y.abr", "s/d/z.abr"}));
    watcher.clear();

    // The scope folder swapped for another: what is now at its path is read and watched.
    ASSERT_TRUE(QDir().rename(box.path("s"), box.path("s-old")));
    ASSERT_TRUE(QDir().rename(box.path("other"), box.path("s")));
    ASSERT_TRUE(WaitUntil([&] { return watcher.results() == Prefixed(box, {"s/o.abr"}); }));
    Touch(box.path("s/later.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("s/later.abr")); }));
}

// A drive about to be unmounted must find none of its folders open. A plain folder let go of
// keeps its device, as a drive whose unmount was refused: once the release is over, what was
// passed over is read.
TEST(FileIndex, FoldersLetGoOfForAnUnmountArePassedOverThenRead)
{
    Sandbox box;
    for (const char* f : {"o/keep", "o/drive/deep"})
        QDir().mkpath(box.path(f));
    for (const char* f : {"o/keep/a.abr", "o/drive/b.abr", "o/drive/deep/c.abr"})
        Touch(box.path(f));
    auto query = StartQuery(box.path("o"));
    query->setMountReleaseMs(600);
    QueryWatcher watcher(query.get());
    query->releaseMount(box.path("o/drive/"));
    query->execute(true);
    ASSERT_TRUE(WaitUntil([&] { return watcher.finished(); }));
    EXPECT_EQ(watcher.results(), Prefixed(box, {"o/keep/a.abr"}));
    const QStringList all = Prefixed(box, {"o/drive/b.abr", "o/drive/deep/c.abr", "o/keep/a.abr"});
    ASSERT_TRUE(WaitUntil([&] { return watcher.results() == all; }));
    Touch(box.path("o/drive/deep/d.abr"));
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("o/drive/deep/d.abr")); }));
    watcher.clear();

    // Let go of once watched: a change below waits for the end, and what the index holds there
    // is kept meanwhile rather than taken for gone, by its own reads and by the background
    // reads of every folder after lost events.
    query->releaseMount(box.path("o/drive"));
    Touch(box.path("o/drive/deep/e.abr"));
    FolderWatchBatch overflow;
    overflow.overflowed = true;
    Q_EMIT FolderWatcher::shared()->eventsArrived(overflow);
    EXPECT_FALSE(WaitUntil([&] { return !watcher.added.isEmpty(); }, 250));
    EXPECT_TRUE(watcher.removed.isEmpty());
    ASSERT_TRUE(WaitUntil([&] { return watcher.added.contains(box.path("o/drive/deep/e.abr")); }));
    EXPECT_TRUE(watcher.removed.isEmpty());
}

// The crawl threads open no folder let go of, not even for a moment: the open descriptors are
// looked at all through the crawl. A neighbour whose name starts the same is read.
TEST(FolderCrawler, OpensNoFolderLetGoOf)
{
    Sandbox box;
    for (int i = 0; i < 150; ++i) {
        for (const char* top : {"o/drive", "o/drive2"}) {
            const QString folder = box.path(QStringLiteral("%1/d%2").arg(top).arg(i));
            QDir().mkpath(folder);
            Touch(folder + "/x.abr");
        }
    }
    const std::string released = PathToNative(box.path("o/drive")).toStdString();
    ReleasedMounts releasedMounts;
    releasedMounts.add(released);
    const BrushFileMatcher matcher = BrushFileMatcher::brushFilesBySuffix();
    std::mutex mutex;
    IndexedFileList found;
    FolderCrawler::Context context;
    context.matcher = &matcher;
    context.released = &releasedMounts;
    context.found = [&](IndexedFileList&& items) {
        std::lock_guard<std::mutex> lock(mutex);
        found.insert(found.end(), items.begin(), items.end());
    };

    std::atomic<bool> done{false};
    QStringList seenOpen;
    std::thread sampler([&] {
        const QString prefix = box.path("o/drive") + QLatin1Char('/');
        while (!done) {
            for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList()) {
                const QString target = fd.symLinkTarget();
                if (target == box.path("o/drive") || target.startsWith(prefix))
                    seenOpen << target;
            }
        }
    });
    IndexedFolder root;
    root.name = PathToNative(box.path("o")).toStdString();
    FolderCrawler::crawl({{&root, root.name}}, context, 2);
    done = true;
    sampler.join();

    EXPECT_TRUE(seenOpen.isEmpty()) << seenOpen.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(found.size(), 150u);
    EXPECT_TRUE(std::all_of(found.begin(), found.end(), [&](const IndexedFilePtr& item) {
        return item->path().startsWith(box.path("o/drive2/"));
    }));
    // Known but not read, so that a later read enters it.
    ASSERT_EQ(root.folders.count("drive"), 1u);
    EXPECT_FALSE(root.folders["drive"]->entered);
}
