#include "WorkerTestUtil.h"
#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include "brush/SampledBrush.h"
#include "thread/CFileReadingSession.h"
#include "thread/CFileReadingTask.h"
#include "thread/NotificationEvent.h"

#include <atomic>
#include <cerrno>
#include <gtest/gtest.h>

namespace {
QStringList BrushNames(const BrushFile& file)
{
    QStringList names;
    for (const BrushPtr& brush : file.brushes())
        names << brush->name().value_or(QStringLiteral("(none)"));
    return names;
}

} // namespace

// The window's side, reduced to what the grid would do: append each brush and remember which
// files reported their end.
class CFileReadingSessionTest : public ::testing::Test
{
protected:
    CFileReadingSessionTest()
        : mSession(
              mThread,
              [this](const BrushFilePtr& file, const BrushPtr& brush) { file->addBrush(brush); },
              [this](const BrushFilePtr& file, const ReadOutcome& outcome) {
                  mFinished.push_back(file);
                  mOutcomes.push_back(outcome);
              })
    {}

    // Leaves nothing of this test's reads queued for the next test.
    ~CFileReadingSessionTest() override { mSession.Cancel(); }

    BrushFilePtr Show(const QString& path)
    {
        auto file = BrushFile::brushFileWithPath(path);
        mSession.ShowFile(file);
        return file;
    }

    bool WaitForEnd()
    {
        return WaitUntil([this] { return !mSession.isReadingFile(); });
    }

    Sandbox mSandbox;
    CWorkingThread mThread;
    ReportRecorder mRecorder;
    CFileReadingSession mSession;
    std::vector<BrushFilePtr> mFinished;
    std::vector<ReadOutcome> mOutcomes;
};

TEST_F(CFileReadingSessionTest, DeliversEveryBrushInFileOrderThenOneEnd)
{
    const auto specs = NamedBrushes(QStringLiteral("Chalk"), 5, 40, 30);
    const auto file = Show(mSandbox.write("five.abr", SampledBrushFile(specs)));
    ASSERT_TRUE(mSession.isReadingFile());
    ASSERT_TRUE(mSession.ReadDisplayedFile());
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(BrushNames(*file), SpecNames(specs, 5));
    EXPECT_EQ(file->brush(4)->image().size(), QSize(40, 30));
    ASSERT_EQ(mFinished.size(), 1u);
    EXPECT_EQ(mFinished[0], file);
    EXPECT_EQ(mRecorder.names(), QStringList({"AddBrush", "AddBrush", "AddBrush", "AddBrush",
                                              "AddBrush", "FinishedReadingFile"}));
}

TEST_F(CFileReadingSessionTest, FilesWithoutBrushesOnlyReportTheirEnd)
{
    AbrWriter none;
    none.u16(1).u16(0);
    AbrWriter unknownVersion;
    unknownVersion.u16(5).u16(3).zeros(20);
    for (const QByteArray& bytes : {none.data(), unknownVersion.data()}) {
        const auto file = Show(mSandbox.write("empty.abr", bytes));
        ASSERT_TRUE(mSession.ReadDisplayedFile());
        ASSERT_TRUE(WaitForEnd());
        EXPECT_EQ(file->count(), 0u);
        EXPECT_EQ(mFinished.back(), file);
    }
    EXPECT_EQ(mRecorder.names(), QStringList({"FinishedReadingFile", "FinishedReadingFile"}));
    EXPECT_EQ(mOutcomes.back().unsupportedVersion, 5);
}

TEST_F(CFileReadingSessionTest, DamagedFileShowsWhatWasReadAndStillEnds)
{
    const auto specs = NamedBrushes(QStringLiteral("Ink"), 6, 64, 64);
    const QString path = mSandbox.write("damaged.abr", TruncatedInBrush(specs, 3));
    const auto file = Show(path);
    ASSERT_TRUE(mSession.ReadDisplayedFile());
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(BrushNames(*file), SpecNames(specs, 3));
    EXPECT_EQ(mFinished.size(), 1u);
    EXPECT_EQ(mOutcomes.back().error, -1);

    // The task itself lets the reader's error go, for the worker to discard.
    const auto direct = BrushFile::brushFileWithPath(path);
    mSession.ShowFile(direct);
    EXPECT_THROW(CFileReadingTask(path, direct).Perform(), int);
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(direct->count(), 3u);
}

TEST_F(CFileReadingSessionTest, FileThatCannotBeOpenedQueuesNothingAndStaysReading)
{
    const auto file = Show(mSandbox.path("missing.abr"));
    int openError = 0;
    EXPECT_FALSE(mSession.ReadDisplayedFile(&openError));
    EXPECT_EQ(openError, -ENOENT);
    EXPECT_TRUE(mSession.isReadingFile());
    EXPECT_THROW(CFileReadingTask(file->getPath(), file).Perform(), int);
    EXPECT_THROW(CFileReadingTask(QString(), file).Perform(), int);

    // A task queued anyway fails on the worker without a word and without a notification.
    std::atomic<bool> after{false};
    mThread.AddTask(boost::make_shared<CFileReadingTask>(file->getPath(), file));
    mThread.AddTask(MakeTask([&] { after = true; }));
    ASSERT_TRUE(Eventually([&] { return after.load(); }));
    DrainPostedEvents();
    EXPECT_TRUE(mRecorder.received.empty());
    EXPECT_TRUE(mSession.isReadingFile());
}

TEST_F(CFileReadingSessionTest, ReportsOfAnyOtherFileAreIgnored)
{
    const BrushPtr brush =
        std::make_shared<SampledBrush>(QStringLiteral("x"), 1, 1, 8, PixelBlock{7});
    auto& reports = BrushReadingNotifications::instance();
    // With nothing on display, a report without a file must not match "no file".
    EXPECT_FALSE(mSession.ReadDisplayedFile());
    Q_EMIT reports.addBrush({nullptr, brush});
    Q_EMIT reports.finishedReadingFile({nullptr, {}});
    EXPECT_TRUE(mFinished.empty());

    const auto shown = Show(mSandbox.path("shown.abr"));
    const auto samePath = BrushFile::brushFileWithPath(shown->getPath());
    Q_EMIT reports.addBrush({samePath, brush});
    Q_EMIT reports.addBrush({nullptr, brush});
    Q_EMIT reports.addBrush({shown, nullptr});
    Q_EMIT reports.finishedReadingFile({samePath, {}});
    EXPECT_EQ(shown->count(), 0u);
    EXPECT_EQ(samePath->count(), 0u);
    EXPECT_TRUE(mFinished.empty());
    EXPECT_TRUE(mSession.isReadingFile());

    Q_EMIT reports.addBrush({shown, brush});
    Q_EMIT reports.finishedReadingFile({shown, {}});
    EXPECT_EQ(shown->count(), 1u);
    EXPECT_FALSE(mSession.isReadingFile());
}

TEST_F(CFileReadingSessionTest, CancelThrowsAwayWhatTheOldReadAlreadyPosted)
{
    const auto specs = NamedBrushes(QStringLiteral("Old"), 5, 20, 20);
    const auto file = Show(mSandbox.write("old.abr", SampledBrushFile(specs)));
    std::atomic<bool> readDone{false};
    ASSERT_TRUE(mSession.ReadDisplayedFile());
    mThread.AddTask(MakeTask([&] { readDone = true; }));
    // The whole read is posted but nothing has been handled: the main thread was busy.
    ASSERT_TRUE(Eventually([&] { return readDone.load(); }));
    mSession.Cancel();
    DrainPostedEvents();
    EXPECT_TRUE(mRecorder.received.empty());
    EXPECT_EQ(file->count(), 0u);
    // A cancel does not end the reading state; only the file's end or the next file does.
    EXPECT_TRUE(mSession.isReadingFile());
}
