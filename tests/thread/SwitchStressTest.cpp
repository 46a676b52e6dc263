#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include "thread/BrushNotifications.h"
#include "thread/CFileReadingSession.h"
#include "thread/CFileReadingTask.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <atomic>
#include <boost/make_shared.hpp>
#include <boost/thread/thread.hpp>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {
struct TestFile
{
    QString path;
    // The brushes a complete read delivers, in order.
    QStringList names;
    // A file that cannot be opened posts nothing at all.
    bool opens = true;
};

// Counts the reads the worker abandoned at an interruption point, to show the test reached
// that case and not only cancels of reads that had already posted everything.
class CountingTask : public CFileReadingTask
{
public:
    CountingTask(const QString& path, BrushFilePtr file, std::atomic<int>& interrupted)
        : CFileReadingTask(path, std::move(file)), mInterrupted(interrupted)
    {}
    void Perform() override
    {
        try {
            CFileReadingTask::Perform();
        } catch (const boost::thread_interrupted&) {
            ++mInterrupted;
            throw;
        }
    }

private:
    std::atomic<int>& mInterrupted;
};

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
    std::vector<TestFile> files;
    {
        const auto big = NamedBrushes(QStringLiteral("Big"), 24, 320, 320);
        files.push_back({sandbox.write("big.abr", SampledBrushFile(big)), SpecNames(big, 24)});
        const auto small = NamedBrushes(QStringLiteral("Small"), 3, 8, 8);
        files.push_back({sandbox.write("small.abr", SampledBrushFile(small)), SpecNames(small, 3)});
        const auto cut = NamedBrushes(QStringLiteral("Cut"), 8, 48, 48);
        files.push_back({sandbox.write("cut.abr", TruncatedInBrush(cut, 3)), SpecNames(cut, 3)});
        AbrWriter empty;
        empty.u16(1).u16(0);
        files.push_back({sandbox.write("empty.abr", empty.data()), {}});
        AbrWriter other;
        other.u16(4).u16(1).zeros(16);
        files.push_back({sandbox.write("v4.abr", other.data()), {}});
        files.push_back({sandbox.path("missing.abr"), {}, false});
    }

    std::mt19937 random(20261206);
    CWorkingThread thread;
    std::atomic<int> interrupted{0};
    int switches = 0;
    int completedReads = 0;
    int stale = 0;
    unsigned generation = 0;
    std::map<eSwitchMoment, int> moments;
    std::function<void()> switchNow;

    const TestFile* current = nullptr;
    BrushFilePtr shown;
    size_t handled = 0;
    int ends = 0;
    eSwitchMoment moment = eSwitchMoment::RightAway;
    size_t switchAtBrush = 0;

    // The spies are connected before the session, so they see each report before the
    // session's handlers can switch files.
    QObject spies;
    auto& reports = BrushReadingNotifications::instance();
    QObject::connect(&reports, &BrushReadingNotifications::addBrush, &spies,
                     [&](const AddBrush& r) { stale += r.file != shown; });
    QObject::connect(&reports, &BrushReadingNotifications::finishedReadingFile, &spies,
                     [&](const FinishedReadingFile& r) { stale += r.file != shown; });

    CFileReadingSession session(
        thread,
        [&](const BrushFilePtr& file, const BrushPtr& brush) {
            ASSERT_EQ(file, shown);
            ASSERT_EQ(ends, 0) << "a brush after the end of " << qPrintable(current->path);
            ASSERT_LT(handled, size_t(current->names.size()));
            EXPECT_EQ(brush->name().value_or(QString()), current->names[qsizetype(handled)]);
            file->addBrush(brush);
            ++handled;
            if (moment == eSwitchMoment::AfterBrushK && handled == switchAtBrush)
                switchNow();
        },
        [&](const BrushFilePtr& file, const ReadOutcome&) {
            ASSERT_EQ(file, shown);
            ++ends;
            EXPECT_EQ(ends, 1);
            EXPECT_EQ(handled, size_t(current->names.size()))
                << "incomplete read of " << qPrintable(current->path);
            ++completedReads;
            if (moment == eSwitchMoment::AfterTheEnd)
                switchNow();
        });

    bool switchPending = false;
    QObject timers; // cancels the timers still pending when the test ends
    switchNow = [&] {
        if (shown)
            ++switches; // the first file shown is no switch
        const TestFile& next = files[random() % files.size()];
        current = &next;
        shown = BrushFile::brushFileWithPath(next.path);
        session.ShowFile(shown);
        handled = 0;
        ends = 0;
        session.QueueTask(boost::make_shared<CountingTask>(next.path, shown, interrupted));
        moment = static_cast<eSwitchMoment>(random() % 4);
        if (!next.opens &&
            (moment == eSwitchMoment::AfterBrushK || moment == eSwitchMoment::AfterTheEnd))
            moment = eSwitchMoment::AfterATimer;
        if (moment == eSwitchMoment::AfterBrushK && next.names.isEmpty())
            moment = eSwitchMoment::AfterTheEnd;
        ++moments[moment];
        switchAtBrush =
            moment == eSwitchMoment::AfterBrushK ? 1 + random() % size_t(next.names.size()) : 0;
        const unsigned mine = ++generation;
        if (moment == eSwitchMoment::RightAway)
            switchPending = true;
        else if (moment == eSwitchMoment::AfterATimer)
            QTimer::singleShot(int(random() % 4), &timers, [&, mine] {
                if (mine == generation)
                    switchNow();
            });
    };

    const int kSwitches = 2000;
    QDeadlineTimer deadline(300000);
    switchNow();
    while (switches < kSwitches && !deadline.hasExpired() && !::testing::Test::HasFatalFailure()) {
        if (switchPending) {
            switchPending = false;
            switchNow();
            continue;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    session.Cancel(); // leaves nothing queued for the tests after this one
    ASSERT_FALSE(deadline.hasExpired()) << "stuck after " << switches << " switches";
    ASSERT_GE(switches, kSwitches);
    EXPECT_EQ(stale, 0);
    // The test is only worth something if it reached each kind of moment, and some reads were
    // stopped by the worker rather than merely swept up.
    for (int m = 0; m < 4; ++m)
        EXPECT_GT(moments[eSwitchMoment(m)], 100) << "moment " << m;
    EXPECT_GT(completedReads, 100);
    EXPECT_GT(interrupted.load(), 0);
    std::printf("switches %d, reads to their end %d, stopped at an interruption point %d\n",
                switches, completedReads, interrupted.load());
}
