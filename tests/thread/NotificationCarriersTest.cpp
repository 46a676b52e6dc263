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
} // namespace

TEST(NotificationEvent, DeliversFromAnotherThreadInPostingOrderOnTheMainThread)
{
    NotificationRecorder recorder({kPing});
    QThread* mainThread = QThread::currentThread();
    bool allOnMain = true;
    ScopedObserver check(kPing, nullptr, [&](const Notification&) {
        allOnMain = allOnMain && QThread::currentThread() == mainThread;
    });
    boost::thread poster([] {
        for (int i = 0; i < 1000; ++i)
            NotificationEvent::postNotificationWithName(kPing, nullptr, {{"i", i}});
    });
    poster.join();
    ASSERT_TRUE(WaitUntil([&] { return recorder.received().size() == 1000; }));
    std::vector<int> expected(1000);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(Sequence(recorder), expected);
    EXPECT_TRUE(allOnMain);
}

TEST(NotificationEvent, ClearAllDropsPendingCarriersAndReleasesTheirObjects)
{
    NotificationRecorder recorder({kPing});
    auto object = std::make_shared<int>(42);
    std::weak_ptr<int> watch = object;
    boost::thread poster([object] {
        for (int i = 0; i < 100; ++i)
            NotificationEvent::postNotificationWithName(kPing, object, {{"i", i}});
    });
    poster.join();
    object.reset();
    EXPECT_FALSE(watch.expired()); // the queued carriers keep it alive
    NotificationEvent::clearAll();
    EXPECT_TRUE(watch.expired());
    DrainPostedEvents();
    EXPECT_TRUE(recorder.received().empty());

    // Posts after the sweep arrive as usual.
    NotificationEvent::postNotificationWithName(kPing, nullptr, {{"i", 7}});
    DrainPostedEvents();
    EXPECT_EQ(Sequence(recorder), std::vector<int>{7});
}

TEST(NotificationEvent, ClearAllLeavesOtherEventsQueued)
{
    NotificationEvent::clearAll(); // nothing pending: returns at once
    bool otherRan = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { otherRan = true; }, Qt::QueuedConnection);
    NotificationEvent::postNotificationWithName(kPing, nullptr);
    NotificationEvent::clearAll();
    DrainPostedEvents();
    EXPECT_TRUE(otherRan);
}

TEST(NotificationEvent, EventWithoutTheTagIsDropped)
{
    NotificationRecorder recorder({kPing});
    ApplicationDefinedEvent foreign(
        0x12345678, std::make_unique<NotificationEvent>(kPing, nullptr, QVariantMap{}));
    EXPECT_FALSE(NotificationEvent::handleEvent(&foreign));
    EXPECT_TRUE(recorder.received().empty());
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
