#include "ui/window/WatchLimitBar.h"
#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/OutlineSetup.h"

#include "support/TestUtil.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

// The search's word reaches the window through AttachOutlines; the notice says what to do, is
// one bar however often it is said, and once closed stays closed.
TEST(WatchLimitBar, WatchLimitSignalShowsOneNoticeThatStaysClosedOnceClosed)
{
    Sandbox box;
    std::unique_ptr<BrushFileSearch> search =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), {box.path(QString())});
    ASSERT_TRUE(search);
    BrushWindow window;
    window.show();
    WatchLimitBar* notice = window.watchLimitNotice();
    EXPECT_FALSE(notice->isVisible());
    AttachOutlines(window, *search, {}, {});

    Q_EMIT search->watchLimitReached(4);
    ASSERT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(QStringLiteral("every 4 s")));
    EXPECT_TRUE(
        notice->text().contains(QStringLiteral("sudo sysctl fs.inotify.max_user_watches=")));
    EXPECT_TRUE(notice->text().contains(QStringLiteral("/etc/sysctl.d/")));
    Q_EMIT search->watchLimitReached(6);
    EXPECT_EQ(window.findChildren<WatchLimitBar*>().size(), 1);
    EXPECT_TRUE(notice->text().contains(QStringLiteral("every 6 s")));

    auto* close = notice->findChild<QToolButton*>(QStringLiteral("watchLimitNoticeClose"));
    ASSERT_TRUE(close);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(notice->isVisible());
    Q_EMIT search->watchLimitReached(4);
    window.showWatchLimitNotice(4);
    EXPECT_FALSE(notice->isVisible());
}
