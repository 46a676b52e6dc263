#include "brush/SampledBrush.h"
#include "thread/MainThreadNotifier.h"
#include "thread/NotificationCenter.h"
#include "thread/NotificationEvent.h"

#include "support/TestUtil.h"

#include <QCoreApplication>
#include <QThread>
#include <boost/thread/thread.hpp>
#include <gtest/gtest.h>
#include <numeric>

namespace {
const QString kPing = QStringLiteral("Ping");

std::vector<int> Sequence(const NotificationRecorder& recorder)
{
    std::vector<int> seq;
    for (const Notification& n : recorder.received())
        seq.push_back(n.userInfo().value("i").toInt());
    return seq;
}

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

TEST(MainThreadNotifier, DeliversNameObjectAndInfoOnTheMainThread)
{
    MainThreadNotifier::start();
    MainThreadNotifier::start();
    NotificationRecorder recorder({kPing});
    auto object = std::make_shared<QString>("payload");
    QThread* mainThread = QThread::currentThread();
    QThread* deliveredOn = nullptr;
    ScopedObserver check(kPing, nullptr,
                         [&](const Notification&) { deliveredOn = QThread::currentThread(); });
    boost::thread poster([object] {
        for (int i = 0; i < 3; ++i)
            MainThreadNotifier::postNotificationWithName(kPing, object, {{"i", i}});
    });
    poster.join();
    ASSERT_TRUE(WaitUntil([&] { return recorder.received().size() == 3; }));
    EXPECT_EQ(deliveredOn, mainThread);
    EXPECT_EQ(Sequence(recorder), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(recorder.received()[0].objectAs<const QString>(), object);
}

TEST(NotificationCenter, FiltersByNameAndObjectAndToleratesRemovalDuringDelivery)
{
    auto mine = std::make_shared<int>(1);
    auto other = std::make_shared<int>(2);
    int forMine = 0, forAll = 0, removedRan = 0;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    ScopedObserver a(kPing, mine.get(), [&](const Notification&) { ++forMine; });
    ScopedObserver c;
    ScopedObserver b(kPing, nullptr, [&](const Notification&) {
        ++forAll;
        c.reset(); // an observer may remove a later one while being called
    });
    c = ScopedObserver(kPing, nullptr, [&](const Notification&) { ++removedRan; });
    center.postNotificationName(kPing, mine);
    center.postNotificationName(kPing, other);
    center.postNotificationName(QStringLiteral("Other"), mine);
    EXPECT_EQ(forMine, 1);
    EXPECT_EQ(forAll, 2);
    EXPECT_EQ(removedRan, 0);
}
