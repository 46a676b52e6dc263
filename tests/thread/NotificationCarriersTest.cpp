#include "brush/SampledBrush.h"
#include "thread/NotificationEvent.h"

#include "support/TestUtil.h"

#include <QCoreApplication>
#include <QThread>
#include <boost/thread/thread.hpp>
#include <gtest/gtest.h>
#include <numeric>

namespace {
// The brushes of the "AddBrush" reports delivered while it lives, by their depth field used
// as a sequence number, with the thread each arrived on.
struct AddBrushRecorder
{
    AddBrushRecorder()
    {
        QObject::connect(&BrushReadingNotifications::instance(),
                         &BrushReadingNotifications::addBrush, &context,
                         [this](const AddBrush& report) {
                             sequence.push_back(report.brush->pixelSize().width());
                             allOnMain = allOnMain && QThread::currentThread() == main;
                         });
    }
    QObject context;
    QThread* main = QThread::currentThread();
    std::vector<int> sequence;
    bool allOnMain = true;
};

BrushPtr Numbered(int i)
{
    return std::make_shared<SampledBrush>(std::nullopt, i, 1, 8, PixelBlock(size_t(i)));
}
} // namespace

TEST(NotificationEvent, DeliversFromAnotherThreadInPostingOrderOnTheMainThread)
{
    AddBrushRecorder recorder;
    boost::thread poster([] {
        for (int i = 1; i <= 1000; ++i)
            NotificationEvent::post(AddBrush{nullptr, Numbered(i)});
    });
    poster.join();
    ASSERT_TRUE(WaitUntil([&] { return recorder.sequence.size() == 1000; }));
    std::vector<int> expected(1000);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(recorder.sequence, expected);
    EXPECT_TRUE(recorder.allOnMain);
}

TEST(NotificationEvent, ClearAllDropsPendingCarriersAndReleasesTheirBrushes)
{
    AddBrushRecorder recorder;
    BrushPtr brush = Numbered(3);
    std::weak_ptr<const Brush> watch = brush;
    boost::thread poster([brush] {
        for (int i = 0; i < 100; ++i)
            NotificationEvent::post(AddBrush{nullptr, brush});
    });
    poster.join();
    brush.reset();
    EXPECT_FALSE(watch.expired()); // the queued carriers keep it alive
    NotificationEvent::clearAll();
    EXPECT_TRUE(watch.expired());
    DrainPostedEvents();
    EXPECT_TRUE(recorder.sequence.empty());

    // Posts after the sweep arrive as usual; other events stay queued through a sweep.
    bool otherRan = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { otherRan = true; }, Qt::QueuedConnection);
    NotificationEvent::post(AddBrush{nullptr, Numbered(9)});
    NotificationEvent::clearAll();
    NotificationEvent::post(AddBrush{nullptr, Numbered(7)});
    DrainPostedEvents();
    EXPECT_TRUE(otherRan);
    EXPECT_EQ(recorder.sequence, std::vector<int>{7});
}

