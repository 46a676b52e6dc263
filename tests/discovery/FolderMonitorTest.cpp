#include "discovery/FolderMonitor.h"
#include "QtPrinters.h"
#include "discovery/FolderMonitorConnection.h"
#include "discovery/FolderMonitorObserver.h"
#include "discovery/FolderWatcher.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

struct RecordingObserver : FolderMonitorObserver
{
    QStringList calls;
    void folderChanged(int fd) override { calls << QStringLiteral("changed %1").arg(fd); }
    void folderMoved(int fd, const QString& p) override
    {
        calls << QStringLiteral("moved %1 %2").arg(fd).arg(p);
    }
    void folderRenamed(int fd, const QString& p) override
    {
        calls << QStringLiteral("renamed %1 %2").arg(fd).arg(p);
    }
    void folderDeleted(int fd) override { calls << QStringLiteral("deleted %1").arg(fd); }
};

namespace {
bool IsOpen(int fd)
{
    return fcntl(fd, F_GETFD) != -1;
}

} // namespace

class FolderMonitorTest : public ::testing::Test
{
protected:
    std::shared_ptr<FolderMonitor> monitor = FolderMonitor::create(FolderWatcher::create());
    RecordingObserver observer;
    FolderMonitorConnection handler{&observer, monitor};
    Sandbox box;
};

TEST_F(FolderMonitorTest, RenameMoveAndDeleteOfWatchedFolders)
{
    ASSERT_TRUE(QDir().mkpath(box.path("a/inner")));
    ASSERT_TRUE(QDir().mkpath(box.path("elsewhere")));
    const int a = monitor->addFileByPath(box.path("a"));
    const int inner = monitor->addFileByPath(box.path("a/inner"));
    ASSERT_GT(a, 0);
    ASSERT_GT(inner, 0);
    EXPECT_EQ(monitor->getMap().at(a), box.path("a"));

    ASSERT_TRUE(QDir().rename(box.path("a"), box.path("b")));
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 1; }));
    EXPECT_EQ(observer.calls[0], QStringLiteral("renamed %1 %2").arg(a).arg(box.path("b")));
    EXPECT_EQ(monitor->getMap().at(a), box.path("b"));
    // The kernel tells nothing to the folders below a renamed one; their map entries keep the
    // old path until something happens to them.

    ASSERT_TRUE(QDir().rename(box.path("b/inner"), box.path("elsewhere/inner2")));
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 2; }));
    EXPECT_EQ(observer.calls[1],
              QStringLiteral("moved %1 %2").arg(inner).arg(box.path("elsewhere/inner2")));

    // Deletion must be seen although our own descriptor keeps the folder's inode alive.
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(QDir(box.path("elsewhere/inner2")).removeRecursively());
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 3; }, 1000));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(observer.calls[2], QStringLiteral("deleted %1").arg(inner));
    EXPECT_EQ(monitor->getMap().count(inner), 0u);
    EXPECT_TRUE(IsOpen(inner)) << "a deletion report leaves the descriptor to its owner";

    monitor->removeFileByHandle(inner);
    monitor->removeFileByHandle(a);
    monitor->removeFileByHandle(-1);
    EXPECT_FALSE(IsOpen(inner));
    EXPECT_FALSE(IsOpen(a));
    EXPECT_TRUE(monitor->getMap().empty());
}

TEST_F(FolderMonitorTest, DeletingATreeReportsEveryWatchedFolderOnce)
{
    ASSERT_TRUE(QDir().mkpath(box.path("t/1/2/3")));
    std::vector<int> fds;
    for (const char* p : {"t", "t/1", "t/1/2", "t/1/2/3"})
        fds.push_back(monitor->addFileByPath(box.path(p)));
    ASSERT_TRUE(QDir(box.path("t")).removeRecursively());
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() == 4; }, 1000));
    DrainPostedEvents();
    QThread::msleep(150);
    DrainPostedEvents();
    EXPECT_EQ(observer.calls.size(), 4);
    for (int fd : fds) {
        EXPECT_TRUE(observer.calls.contains(QStringLiteral("deleted %1").arg(fd)));
        monitor->removeFileByHandle(fd);
    }
}

TEST_F(FolderMonitorTest, RenameReportsThePathCurrentWhenHandled)
{
    ASSERT_TRUE(QDir().mkpath(box.path("x")));
    const int fd = monitor->addFileByPath(box.path("x"));
    ASSERT_TRUE(QDir().rename(box.path("x"), box.path("y")));
    ASSERT_TRUE(QDir().rename(box.path("y"), box.path("z")));
    ASSERT_TRUE(WaitUntil([&] { return observer.calls.size() >= 1; }));
    DrainPostedEvents();
    EXPECT_EQ(observer.calls[0], QStringLiteral("renamed %1 %2").arg(fd).arg(box.path("z")));
    EXPECT_EQ(monitor->getMap().at(fd), box.path("z"));
    monitor->removeFileByHandle(fd);
}

TEST_F(FolderMonitorTest, UnwatchablePathIsNotKept)
{
    EXPECT_LE(monitor->addFileByPath(box.path("missing")), 0);
    EXPECT_TRUE(monitor->getMap().empty());
}

TEST(FolderWatcher, KindsArePostedInFixedOrderWithTheirDescriptor)
{
    auto watcher = FolderWatcher::create();
    ASSERT_TRUE(watcher);
    Sandbox box;
    const QString file = box.write("f", "1");
    const int fd = watcher->addPathToQueue(file, 0x7f);
    ASSERT_GT(fd, 0);
    EXPECT_TRUE(watcher->description().contains(file));
    NotificationRecorder recorder({FolderWatcher::WexaFileWatcherWriteNotification,
                                   FolderWatcher::WexaFileWatcherSizeIncreaseNotification,
                                   FolderWatcher::WexaFileWatcherAttributeChangeNotification,
                                   FolderWatcher::WexaFileWatcherLinkCountChangeNotification});
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("more");
    }
    ASSERT_TRUE(WaitUntil([&] { return recorder.received().size() >= 2; }));
    EXPECT_EQ(recorder.names().mid(0, 2),
              QStringList({FolderWatcher::WexaFileWatcherWriteNotification,
                           FolderWatcher::WexaFileWatcherSizeIncreaseNotification}));
    EXPECT_EQ(recorder.received()[0].userInfo().value("fd").toInt(), fd);
    EXPECT_EQ(recorder.received()[0].object().get(), watcher.get());

    ASSERT_EQ(link(qPrintable(file), qPrintable(box.path("g"))), 0);
    ASSERT_TRUE(WaitUntil([&] {
        return recorder.names().contains(FolderWatcher::WexaFileWatcherLinkCountChangeNotification);
    }));
    const int at =
        recorder.names().indexOf(FolderWatcher::WexaFileWatcherAttributeChangeNotification);
    EXPECT_EQ(recorder.names().value(at + 1),
              FolderWatcher::WexaFileWatcherLinkCountChangeNotification);

    watcher->removeAllPathsFromQueue();
    EXPECT_FALSE(IsOpen(fd));
    EXPECT_TRUE(watcher->watchedPaths().empty());
}
