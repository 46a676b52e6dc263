#include "WorkerTestUtil.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include "brush/SampledBrush.h"
#include "thread/BrushNotifications.h"
#include "thread/CFileReadingSession.h"
#include "thread/CFileReadingTask.h"
#include "thread/NotificationEvent.h"
#include "thread/PostingBrushSink.h"

#include <QCoreApplication>

#include <cerrno>
#include <gtest/gtest.h>

// The window's side, reduced to what the grid would do: append each brush and remember which
// files reported their end. The report log sees every report that reaches the main thread,
// also those the session ignores.
namespace {
PatternPtr MakePattern()
{
    QImage image(2, 2, QImage::Format_Grayscale8);
    image.fill(90);
    return std::make_shared<Pattern>(QStringLiteral("Granite"), QStringLiteral("id"),
                                     Pattern::Mode::Grey, 8, image);
}
} // namespace

class CFileReadingSessionTest : public ::testing::Test
{
protected:
    CFileReadingSessionTest()
        : mSession(
              mThread,
              [this](const BrushFilePtr& file, const BrushPtr& brush) { file->addBrush(brush); },
              [this](const BrushFilePtr& file, const ReadOutcome& outcome) {
                  mFinished.push_back(file);
                  mOutcome = outcome;
              },
              [](const BrushFilePtr& file, const PatternPtr& pattern) {
                  file->addPattern(pattern);
              })
    {
        auto& reports = BrushReadingNotifications::instance();
        QObject::connect(&reports, &BrushReadingNotifications::addBrush, &mContext,
                         [this](const AddBrush&) { mReports << "AddBrush"; });
        QObject::connect(&reports, &BrushReadingNotifications::addPattern, &mContext,
                         [this](const AddPattern&) { mReports << "AddPattern"; });
        QObject::connect(&reports, &BrushReadingNotifications::finishedReadingFile, &mContext,
                         [this](const FinishedReadingFile&) { mReports << "End"; });
    }

    // Leaves nothing of this test's reads queued for the next test.
    ~CFileReadingSessionTest() override { mSession.Cancel(); }

    BrushFilePtr Show(const QString& path)
    {
        auto file = BrushFile::brushFileWithPath(path);
        mSession.ShowFile(file);
        return file;
    }

    Sandbox mSandbox;
    CWorkingThread mThread;
    QObject mContext;
    QStringList mReports;
    CFileReadingSession mSession;
    std::vector<BrushFilePtr> mFinished;
    ReadOutcome mOutcome; // the last file's
};

// A damaged file delivers what could be read, in file order, then one end that carries the
// reader's outcome. (The switch stress test reads whole, empty and missing files.)
TEST_F(CFileReadingSessionTest, DeliversEveryReadableBrushInFileOrderThenOneEnd)
{
    const auto six = NamedBrushes(QStringLiteral("Ink"), 6, 64, 64);
    const auto file = Show(mSandbox.write("damaged.abr", TruncatedInBrush(six, 3)));
    ASSERT_TRUE(mSession.ReadDisplayedFile());
    ASSERT_TRUE(WaitUntil([this] { return !mSession.isReadingFile(); }));
    QStringList delivered;
    for (const BrushPtr& brush : file->brushes())
        delivered << brush->name().value_or(QString());
    EXPECT_EQ(delivered, BrushNames(six, 3));
    EXPECT_EQ(mReports, QStringList({"AddBrush", "AddBrush", "AddBrush", "End"}));
    ASSERT_EQ(mFinished, std::vector<BrushFilePtr>{file});
    EXPECT_EQ(mOutcome.error, -1);
}

// Only the reports of the file object on display count: not those without a file, not those of
// another object for the same path. A file that cannot be opened queues nothing, and a read of
// it queued anyway fails on the worker without a word.
TEST_F(CFileReadingSessionTest, OnlyReportsOfTheShownFileCount)
{
    const BrushPtr brush =
        std::make_shared<SampledBrush>(QStringLiteral("x"), 1, 1, 8, PixelBlock{7});
    const PatternPtr pattern = MakePattern();
    auto& reports = BrushReadingNotifications::instance();
    EXPECT_FALSE(mSession.ReadDisplayedFile());
    Q_EMIT reports.addBrush({nullptr, brush});
    Q_EMIT reports.finishedReadingFile({nullptr, {}});
    EXPECT_TRUE(mFinished.empty());

    const auto shown = Show(mSandbox.path("missing.abr"));
    int openError = 0;
    EXPECT_FALSE(mSession.ReadDisplayedFile(&openError));
    EXPECT_EQ(openError, -ENOENT);
    EXPECT_THROW(CFileReadingTask(QString(), shown).Perform(), int);
    mThread.AddTask(boost::make_shared<CFileReadingTask>(shown->getPath(), shown));
    ASSERT_TRUE(RunsThrough(mThread));
    DrainPostedEvents();
    EXPECT_EQ(mReports.size(), 2); // the two sent above

    const auto samePath = BrushFile::brushFileWithPath(shown->getPath());
    Q_EMIT reports.addBrush({samePath, brush});
    Q_EMIT reports.addBrush({nullptr, brush});
    Q_EMIT reports.addBrush({shown, nullptr});
    Q_EMIT reports.addPattern({samePath, pattern});
    Q_EMIT reports.addPattern({shown, nullptr});
    Q_EMIT reports.finishedReadingFile({samePath, {}});
    EXPECT_EQ(shown->count() + samePath->count(), 0u);
    EXPECT_EQ(shown->patterns().size() + samePath->patterns().size(), 0u);
    EXPECT_TRUE(mFinished.empty());
    EXPECT_TRUE(mSession.isReadingFile());

    Q_EMIT reports.addBrush({shown, brush});
    Q_EMIT reports.addPattern({shown, pattern});
    Q_EMIT reports.finishedReadingFile({shown, {}});
    EXPECT_EQ(shown->count(), 1u);
    EXPECT_EQ(shown->patterns(), std::vector<PatternPtr>{pattern});
    EXPECT_FALSE(mSession.isReadingFile());
}

// The read has posted everything but nothing has been handled: the main thread was busy. The
// cancel's sweep drops those reports and lets go of their brushes and patterns, and leaves other
// events be; the next file on display receives none of them.
TEST_F(CFileReadingSessionTest, CancelSweepsAwayWhatTheOldReadPostedAndNothingElse)
{
    const auto brushes = NamedBrushes(QStringLiteral("Old"), 5, 20, 20);
    const auto file = Show(mSandbox.write("old.abr", SampledBrushFile(brushes)));
    ASSERT_TRUE(mSession.ReadDisplayedFile());
    ASSERT_TRUE(RunsThrough(mThread));
    auto brush = std::make_shared<SampledBrush>(std::nullopt, 1, 1, 8, PixelBlock{7});
    const std::weak_ptr<const Brush> watch = brush;
    NotificationEvent::post(AddBrush{file, std::move(brush)});
    PostingBrushSink sink(file);
    PatternPtr pattern = MakePattern();
    const std::weak_ptr<const Pattern> watchPattern = pattern;
    sink.AddPattern(pattern);
    pattern.reset();
    bool otherRan = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { otherRan = true; }, Qt::QueuedConnection);
    mSession.Cancel();
    const auto next = Show(mSandbox.path("next.abr"));
    EXPECT_TRUE(watch.expired());
    EXPECT_TRUE(watchPattern.expired());
    DrainPostedEvents();
    EXPECT_TRUE(mReports.isEmpty());
    EXPECT_EQ(file->count() + next->count(), 0u);
    EXPECT_TRUE(file->patterns().empty() && next->patterns().empty());
    EXPECT_TRUE(otherRan);
    // A cancel does not end the reading state; only the file's end or the next file does.
    EXPECT_TRUE(mSession.isReadingFile());
}
