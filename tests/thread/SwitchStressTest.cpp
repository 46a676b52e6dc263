#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include "thread/BrushNotifications.h"
#include "thread/CFileReadingSession.h"
#include "thread/CFileReadingTask.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <random>

namespace {
// Where the next switch happens, relative to the read of the file on display.
enum class eSwitchMoment
{
    RightAway,   // before the worker has necessarily started
    AfterBrushK, // from inside the handler of a chosen brush, the last one included
    AfterTheEnd, // from inside the handler of "FinishedReadingFile"
    AfterATimer, // at a random time, wherever the read is
};
} // namespace

// Switches 2,000 times between files at random moments, the way the window does, and checks
// on every delivery that no notification of an earlier read reaches the main thread after a
// switch, and that every read that runs to its end delivers its brushes in order and then
// exactly one end notice.
TEST(SwitchStress, TwoThousandSwitchesNeverLeakAnEarlierRead)
{
    Sandbox sandbox;
    AbrWriter empty;
    empty.u16(1).u16(0);
    const auto big = NamedBrushes(QStringLiteral("Big"), 24, 320, 320);
    const auto small = NamedBrushes(QStringLiteral("Small"), 3, 8, 8);
    const auto cut = NamedBrushes(QStringLiteral("Cut"), 8, 48, 48);
    // Each file with the brushes a complete read delivers, in order; the missing one posts nothing.
    const std::vector<std::pair<QString, QStringList>> files = {
        {sandbox.write("big.abr", SampledBrushFile(big)), BrushNames(big, 24)},
        {sandbox.write("small.abr", SampledBrushFile(small)), BrushNames(small, 3)},
        {sandbox.write("cut.abr", TruncatedInBrush(cut, 3)), BrushNames(cut, 3)},
        {sandbox.write("empty.abr", empty.data()), {}},
        {sandbox.path("missing.abr"), {}}};

    std::mt19937 random(20261206);
    CWorkingThread thread;
    int switches = 0, completedReads = 0, stale = 0, ends = 0;
    unsigned generation = 0;
    std::function<void()> switchNow;
    const std::pair<QString, QStringList>* current = nullptr;
    BrushFilePtr shown;
    qsizetype handled = 0, switchAtBrush = 0;
    eSwitchMoment moment = eSwitchMoment::RightAway;

    // The spies are connected before the session, so they see each report before the
    // session's handlers can switch files.
    QObject spies;
    auto& reports = BrushReadingNotifications::instance();
    const auto spy = [&](const auto& report) { stale += report.file != shown; };
    QObject::connect(&reports, &BrushReadingNotifications::addBrush, &spies, spy);
    QObject::connect(&reports, &BrushReadingNotifications::finishedReadingFile, &spies, spy);

    CFileReadingSession session(
        thread,
        [&](const BrushFilePtr& file, const BrushPtr& brush) {
            ASSERT_EQ(ends, 0) << "a brush after the end of " << qPrintable(current->first);
            ASSERT_LT(handled, current->second.size());
            EXPECT_EQ(brush->name().value_or(QString()), current->second[handled]);
            file->addBrush(brush);
            if (++handled == switchAtBrush && moment == eSwitchMoment::AfterBrushK)
                switchNow();
        },
        [&](const BrushFilePtr&, const ReadOutcome&) {
            EXPECT_EQ(++ends, 1);
            EXPECT_EQ(handled, current->second.size())
                << "incomplete read of " << qPrintable(current->first);
            ++completedReads;
            if (moment == eSwitchMoment::AfterTheEnd)
                switchNow();
        });

    bool switchPending = false;
    QObject timers; // cancels the timers still pending when the test ends
    switchNow = [&] {
        switches += shown != nullptr; // the first file shown is no switch
        current = &files[random() % files.size()];
        const auto& [path, names] = *current;
        shown = BrushFile::brushFileWithPath(path);
        session.ShowFile(shown);
        handled = ends = 0;
        session.QueueTask(boost::make_shared<CFileReadingTask>(path, shown));
        moment = static_cast<eSwitchMoment>(random() % 4);
        if (current == &files.back() && moment != eSwitchMoment::RightAway)
            moment = eSwitchMoment::AfterATimer; // the missing file posts nothing to wait for
        if (moment == eSwitchMoment::AfterBrushK && names.isEmpty())
            moment = eSwitchMoment::AfterTheEnd;
        switchAtBrush = moment == eSwitchMoment::AfterBrushK ? 1 + random() % names.size() : 0;
        const unsigned mine = ++generation;
        switchPending = moment == eSwitchMoment::RightAway;
        if (moment == eSwitchMoment::AfterATimer)
            QTimer::singleShot(int(random() % 4), &timers, [&, mine] {
                if (mine == generation)
                    switchNow();
            });
    };

    QDeadlineTimer deadline(300000);
    switchNow();
    while (switches < 2000 && !deadline.hasExpired() && !::testing::Test::HasFatalFailure()) {
        if (std::exchange(switchPending, false))
            switchNow();
        else
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    session.Cancel(); // leaves nothing queued for the tests after this one
    ASSERT_FALSE(deadline.hasExpired()) << "stuck after " << switches << " switches";
    EXPECT_EQ(stale, 0);
    EXPECT_GT(completedReads, 100); // else the test proved little
    std::printf("switches %d, reads to their end %d\n", switches, completedReads);
}
