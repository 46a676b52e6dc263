#include "discovery/FolderMonitor.h"
#include "QtPrinters.h"
#include "discovery/FolderWatcher.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalBlocker>
#include <QThread>
#include <gtest/gtest.h>

namespace {
struct RecordingObserver
{
    explicit RecordingObserver(FolderMonitor* monitor)
    {
        QObject::connect(monitor, &FolderMonitor::folderMoved,
                         [this](int handle, const QString& p) {
                             calls << QStringLiteral("moved %1 %2").arg(handle).arg(p);
                         });
        QObject::connect(monitor, &FolderMonitor::folderRenamed,
                         [this](int handle, const QString& p) {
                             calls << QStringLiteral("renamed %1 %2").arg(handle).arg(p);
                         });
        QObject::connect(monitor, &FolderMonitor::folderDeleted,
                         [this](int handle) { calls << QStringLiteral("deleted %1").arg(handle); });
    }
    QStringList calls;
};

int OpenDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System | QDir::Files).size());
}
} // namespace

class FolderMonitorTest : public ::testing::Test
{
protected:
    FolderMonitor monitor{FolderWatcher::shared()};
    RecordingObserver observer{&monitor};
    Sandbox box;
};

TEST_F(FolderMonitorTest, RenameMoveAndDeleteLearnedFromTheParentsWithoutDescriptors)
{
    ASSERT_TRUE(QDir().mkpath(box.path("a/inner")));
    ASSERT_TRUE(QDir().mkpath(box.path("elsewhere")));
    ASSERT_TRUE(QDir().mkpath(box.path("a b")));
    const int descriptors = OpenDescriptorCount();
    // As in a search: every folder on the way is watched, so both parents of a move are.
    const int top = monitor.addFolder(box.path(""));
    const int a = monitor.addFolder(box.path("a"));
    const int inner = monitor.addFolder(box.path("a/inner"));
    const int elsewhere = monitor.addFolder(box.path("elsewhere"));
    // Sorts between "a" and "a/inner": a path rewrite must leave it alone.
    const int aSpace = monitor.addFolder(box.path("a b"));
    const int innerWatch =
        FolderWatcher::shared()->watchFolder(QFile::encodeName(box.path("a/inner")));
    const int spaceWatch = FolderWatcher::shared()->watchFolder(QFile::encodeName(box.path("a b")));
    ASSERT_GT(a, 0);
    ASSERT_GT(inner, 0);
    EXPECT_EQ(OpenDescriptorCount(), descriptors) << "no descriptor per watched folder";

    ASSERT_TRUE(QDir().rename(box.path("a"), box.path("b")));
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 1; }));
    EXPECT_EQ(observer.calls[0], QStringLiteral("renamed %1 %2").arg(a).arg(box.path("b")));
    // The kernel tells the folders below nothing; their paths follow all the same.
    EXPECT_EQ(monitor.pathOf(inner), box.path("b/inner"));
    FolderWatcher* watcher = FolderWatcher::shared();
    EXPECT_EQ(watcher->pathOf(innerWatch), QFile::encodeName(box.path("b/inner")));
    EXPECT_EQ(watcher->pathOf(spaceWatch), QFile::encodeName(box.path("a b")));
    watcher->releaseWatch(innerWatch);
    watcher->releaseWatch(spaceWatch);

    ASSERT_TRUE(QDir().rename(box.path("b/inner"), box.path("elsewhere/inner2")));
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 2; }));
    EXPECT_EQ(observer.calls[1],
              QStringLiteral("moved %1 %2").arg(inner).arg(box.path("elsewhere/inner2")));

    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(QDir(box.path("elsewhere/inner2")).removeRecursively());
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 3; }, 1000));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(observer.calls[2], QStringLiteral("deleted %1").arg(inner));

    // Out of every watched folder: nothing can tell where it went, so it counts as deleted.
    Sandbox outside;
    ASSERT_TRUE(QDir().rename(box.path("b"), outside.path("b")));
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 4; }, 1000));
    EXPECT_EQ(observer.calls[3], QStringLiteral("deleted %1").arg(a));

    for (int handle : {top, a, inner, elsewhere, aSpace, -1})
        monitor.removeFolder(handle);
    EXPECT_EQ(monitor.folderCount(), 0);
}

TEST_F(FolderMonitorTest, DeletingATreeReportsEveryWatchedFolderOnce)
{
    ASSERT_TRUE(QDir().mkpath(box.path("t/1/2/3")));
    std::vector<int> handles;
    for (const char* p : {"t", "t/1", "t/1/2", "t/1/2/3"})
        handles.push_back(monitor.addFolder(box.path(p)));
    ASSERT_TRUE(QDir(box.path("t")).removeRecursively());
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 4; }, 1000));
    QThread::msleep(150);
    DrainPostedEvents();
    EXPECT_EQ(observer.calls.size(), 4);
    for (int handle : handles) {
        EXPECT_TRUE(observer.calls.contains(QStringLiteral("deleted %1").arg(handle)));
        monitor.removeFolder(handle);
    }
    EXPECT_LE(monitor.addFolder(box.path("missing")), 0);
    EXPECT_EQ(monitor.folderCount(), 0);
}

TEST(FolderWatcher, OneWatchPerFolderSharedByReference)
{
    Sandbox box;
    FolderWatcher* watcher = FolderWatcher::shared();
    const int before = watcher->watchCount();
    const QByteArray path = QFile::encodeName(box.path(""));
    const int first = watcher->watchFolder(path);
    ASSERT_GE(first, 0);
    EXPECT_EQ(watcher->watchFolder(path), first);
    EXPECT_EQ(watcher->watchCount(), before + 1);
    watcher->releaseWatch(first);
    EXPECT_EQ(watcher->pathOf(first), path) << "one holder is left";
    watcher->releaseWatch(first);
    EXPECT_TRUE(watcher->pathOf(first).isEmpty());
    EXPECT_EQ(watcher->watchCount(), before);
    watcher->releaseWatch(first); // unknown by now: ignored
}

// The deletions' events are lost; the overflow alone makes the monitor look for its folders.
TEST_F(FolderMonitorTest, LostEventsReportTheFoldersThatAreGone)
{
    for (const char* f : {"kept", "gone/below"})
        ASSERT_TRUE(QDir().mkpath(box.path(f)));
    const int kept = monitor.addFolder(box.path("kept"));
    const int gone = monitor.addFolder(box.path("gone"));
    const int below = monitor.addFolder(box.path("gone/below"));
    {
        QSignalBlocker lost(FolderWatcher::shared());
        ASSERT_TRUE(QDir(box.path("gone")).removeRecursively());
        WaitUntil([] { return false; }, 200);
    }
    FolderWatchBatch overflow;
    overflow.overflowed = true;
    Q_EMIT FolderWatcher::shared()->eventsArrived(overflow);
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 2; }));
    observer.calls.sort();
    EXPECT_EQ(observer.calls, QStringList({QStringLiteral("deleted %1").arg(gone),
                                           QStringLiteral("deleted %1").arg(below)}));
    EXPECT_EQ(monitor.pathOf(kept), box.path("kept"));
}
