#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "discovery/FileIndex.h"
#include "platform/BackgroundPriority.h"
#include "platform/NativePath.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDevice>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int gInterruptPipe[2] = {-1, -1};

void OnInterrupt(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gInterruptPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the search through the event loop, woken by a byte the handler
// writes: a watching search that nothing changes then never wakes up on its own.
class QuitOnInterrupt
{
public:
    explicit QuitOnInterrupt(QEventLoop& loop)
    {
        if (::pipe2(gInterruptPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        mNotifier.emplace(gInterruptPipe[0], QSocketNotifier::Read);
        QObject::connect(&*mNotifier, &QSocketNotifier::activated, &loop, [&loop] {
            char bytes[16];
            while (::read(gInterruptPipe[0], bytes, sizeof bytes) > 0) {
            }
            loop.quit();
        });
        struct sigaction action = {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &mPreviousInt);
        ::sigaction(SIGTERM, &action, &mPreviousTerm);
    }
    ~QuitOnInterrupt()
    {
        if (!mNotifier)
            return;
        ::sigaction(SIGINT, &mPreviousInt, nullptr);
        ::sigaction(SIGTERM, &mPreviousTerm, nullptr);
        mNotifier.reset();
        ::close(gInterruptPipe[0]);
        ::close(gInterruptPipe[1]);
        gInterruptPipe[0] = gInterruptPipe[1] = -1;
    }
    QuitOnInterrupt(const QuitOnInterrupt&) = delete;
    QuitOnInterrupt& operator=(const QuitOnInterrupt&) = delete;

private:
    std::optional<QSocketNotifier> mNotifier;
    struct sigaction mPreviousInt = {};
    struct sigaction mPreviousTerm = {};
};

// This thread's time on a core and time spent ready but waiting for one, in nanoseconds, as
// the scheduler counts them. The rest of a stall is time blocked in the kernel or on a lock.
struct SchedulerTimes
{
    qint64 running = 0;
    qint64 waiting = 0;
};

// Read through a descriptor kept open: the probe asks 500 times a second, and opening the
// file each time would cost more than the idle program does.
class SchedulerTimesOfThisThread
{
public:
    SchedulerTimesOfThisThread() : mFd(open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC)) {}
    ~SchedulerTimesOfThisThread()
    {
        if (mFd >= 0)
            close(mFd);
    }
    SchedulerTimes read() const
    {
        char text[96];
        const ssize_t length = mFd < 0 ? -1 : pread(mFd, text, sizeof text - 1, 0);
        if (length <= 0)
            return {};
        text[length] = 0;
        char* end = nullptr;
        const qint64 running = std::strtoll(text, &end, 10);
        return {running, std::strtoll(end, nullptr, 10)};
    }

private:
    int mFd;
};

// Prints one line per change the search sends, in order, flushed at once so that a reader at
// the other end of a pipe sees changes as they happen.
class ChangePrinter
{
public:
    ChangePrinter(QTextStream& out, bool json) : mOut(out), mJson(json) {}
    bool finished = false;
    std::function<void()> onFinished;

    void follow(BrushFileSearch* search)
    {
        QObject::connect(search, &BrushFileSearch::firstPhaseProgress, search,
                         [this](int count) { queryFirstPhaseProgress(count); });
        QObject::connect(search, &BrushFileSearch::firstPhaseFinished, search,
                         [this] { finishedQueryFirstPhase(); });
        QObject::connect(search, &BrushFileSearch::itemsAdded, search,
                         [this](const QStringList& paths, const FileNodeFlagsList& flags) {
                             addItems(paths, flags);
                         });
        QObject::connect(search, &BrushFileSearch::itemsRemoved, search,
                         [this](const QStringList& paths) { deleteItems(paths); });
        QObject::connect(search, &BrushFileSearch::itemsMoved, search,
                         [this](const QStringList& from, const QStringList& to,
                                const FileNodeFlagsList& flags) { moveItems(from, to, flags); });
        QObject::connect(search, &BrushFileSearch::itemRenamed, search,
                         [this](const QString& from, const QString& to) { renameItem(from, to); });
        QObject::connect(search, &BrushFileSearch::itemsWritten, search,
                         [this](const QStringList& paths) { changedItems(paths); });
    }

private:
    void queryFirstPhaseProgress(int count)
    {
        if (mJson)
            line(QStringLiteral("{\"event\": \"progress\", \"count\": %1}").arg(count));
        else
            line(QStringLiteral("progress %1").arg(count));
    }
    void finishedQueryFirstPhase()
    {
        finished = true;
        line(mJson ? QStringLiteral("{\"event\": \"first-phase-done\"}")
                   : QStringLiteral("first-phase-done"));
        if (onFinished)
            onFinished();
    }
    void changedItems(const QStringList& paths)
    {
        for (const QString& path : paths)
            line(
                mJson
                    ? QStringLiteral("{\"event\": \"changed\", \"path\": %1}").arg(JsonString(path))
                    : QStringLiteral("changed ") + Printable(path));
    }
    void moveItems(const QStringList& oldPaths, const QStringList& newPaths,
                   const FileNodeFlagsList& flags)
    {
        for (int i = 0; i < oldPaths.size() && i < newPaths.size(); ++i) {
            const int byte = size_t(i) < flags.size() ? flags[size_t(i)].bits : 0;
            if (mJson)
                line(
                    QStringLiteral("{\"event\": \"move\", \"old\": %1, \"new\": %2, \"flags\": %3}")
                        .arg(JsonString(oldPaths[i]), JsonString(newPaths[i]))
                        .arg(byte));
            else
                line(QStringLiteral("move %1 %2 %3")
                         .arg(Printable(oldPaths[i]), Printable(newPaths[i]))
                         .arg(byte));
        }
    }
    void renameItem(const QString& oldPath, const QString& newPath)
    {
        if (mJson)
            line(QStringLiteral("{\"event\": \"rename\", \"old\": %1, \"new\": %2}")
                     .arg(JsonString(oldPath), JsonString(newPath)));
        else
            line(QStringLiteral("rename %1 %2").arg(Printable(oldPath), Printable(newPath)));
    }
    void deleteItems(const QStringList& paths)
    {
        for (const QString& path : paths)
            line(mJson
                     ? QStringLiteral("{\"event\": \"delete\", \"path\": %1}").arg(JsonString(path))
                     : QStringLiteral("delete ") + Printable(path));
    }
    void addItems(const QStringList& paths, const FileNodeFlagsList& flags)
    {
        for (int i = 0; i < paths.size(); ++i) {
            const int byte = size_t(i) < flags.size() ? flags[size_t(i)].bits : 0;
            if (mJson)
                line(QStringLiteral("{\"event\": \"add\", \"path\": %1, \"flags\": %2}")
                         .arg(JsonString(paths[i]))
                         .arg(byte));
            else
                line(QStringLiteral("add %1 %2").arg(Printable(paths[i])).arg(byte));
        }
    }

    // Straight to the device and flushed there, so that each line leaves as it is made.
    void line(const QString& text)
    {
        if (QIODevice* device = mOut.device()) {
            mOut.flush();
            device->write(text.toUtf8() + '\n');
            if (auto* file = qobject_cast<QFileDevice*>(device))
                file->flush();
            return;
        }
        mOut << text << '\n';
        mOut.flush();
    }

    QTextStream& mOut;
    bool mJson;
};

void SayWatchLimitReached(QTextStream& err, int seconds)
{
    err << "kelbrin-cli find: "
        << Translated("kelbrin-cli",
                      "not every folder can be watched for changes (the system's limit "
                      "fs.inotify.max_user_watches is reached), so the others are "
                      "read again every %1 s and changes there show up late; to "
                      "raise the limit: sudo sysctl "
                      "fs.inotify.max_user_watches=524288 (and that setting in a "
                      "file in /etc/sysctl.d/ to keep it)")
               .arg(seconds)
        << '\n';
    err.flush();
}

// How long the event loop was kept from turning at worst: a timer that should fire every
// 2 ms notes how late it came, and what the scheduler says this thread did meanwhile.
class StallProbe
{
public:
    StallProbe()
    {
        mTimer.setTimerType(Qt::PreciseTimer);
        mTimer.setInterval(2);
        QObject::connect(&mTimer, &QTimer::timeout, [this] { probe(); });
        mSinceProbe.start();
        mAtProbe = mScheduler.read();
        mTimer.start();
    }
    void report(QTextStream& err) const
    {
        err << "longest event-loop stall: " << mWorstStallMs << " ms (running "
            << mInWorstStall.running / 1000000 << " ms, waiting for a core "
            << mInWorstStall.waiting / 1000000 << " ms); stalls over 16 ms: " << mStallsOverFrame
            << "\n";
    }

private:
    void probe()
    {
        const qint64 stall = mSinceProbe.restart() - 2;
        const SchedulerTimes now = mScheduler.read();
        if (stall > 16)
            ++mStallsOverFrame;
        if (stall > mWorstStallMs) {
            mWorstStallMs = stall;
            mInWorstStall = {now.running - mAtProbe.running, now.waiting - mAtProbe.waiting};
        }
        mAtProbe = now;
    }

    SchedulerTimesOfThisThread mScheduler;
    QTimer mTimer;
    QElapsedTimer mSinceProbe;
    qint64 mWorstStallMs = 0;
    SchedulerTimes mInWorstStall;
    int mStallsOverFrame = 0;
    SchedulerTimes mAtProbe;
};

} // namespace

int RunFindCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("find");
    parser.addFlag(QStringLiteral("watch"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "go on reporting changes"));
    parser.addValueOption(QStringLiteral("seconds"), QStringLiteral("N"),
                          QT_TRANSLATE_NOOP("kelbrin-cli", "stop watching after N seconds"));
    parser.addFlag(QStringLiteral("json"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "print one JSON object per line"));
    parser.addFlag(
        QStringLiteral("stalls"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "print the longest event-loop stall at the end"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const bool watch = parser.isSet(QStringLiteral("watch"));
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool stalls = parser.isSet(QStringLiteral("stalls"));
    int seconds = -1;
    if (parser.isSet(QStringLiteral("seconds"))) {
        bool ok = false;
        seconds = parser.value(QStringLiteral("seconds")).toInt(&ok);
        if (!ok || seconds < 0)
            return parser.usageError(
                Translated("kelbrin-cli", "--seconds needs a whole number of seconds"), io);
    }
    QStringList folders;
    if (const std::optional<int> refused =
            SearchFolderOperands("find", parser.operands(), io, folders))
        return *refused;

    const std::unique_ptr<BrushFileSearch> query = BrushFileSearch::create(
        folders.isEmpty() ? BrushFileMatcher::brushFiles() : BrushFileMatcher::brushFilesBySuffix(),
        folders);
    ChangePrinter observer(io.out, json);
    observer.follow(query.get());
    // Beside the list on standard output rather than in it: a reader of the list learns why
    // some changes come late, without a new kind of line to parse.
    QObject::connect(query.get(), &BrushFileSearch::watchLimitReached,
                     [&io](int seconds) { SayWatchLimitReached(io.err, seconds); });

    QEventLoop loop;
    if (!watch)
        observer.onFinished = [&loop] { loop.quit(); };
    if (watch && seconds >= 0)
        QTimer::singleShot(seconds * 1000, &loop, [&] { loop.quit(); });
    std::optional<QuitOnInterrupt> quitOnInterrupt(std::in_place, loop);

    std::optional<StallProbe> stallProbe;
    if (stalls)
        stallProbe.emplace();

    PreferPromptWakeUps();
    if (!query->run(watch)) {
        io.err << "kelbrin-cli find: "
               << Translated("kelbrin-cli", "the search could not be started") << '\n';
        return 1;
    }
    if (watch || !observer.finished)
        loop.exec();
    quitOnInterrupt.reset();
    if (stallProbe)
        stallProbe->report(io.err);
    return 0;
}

std::optional<int> SearchFolderOperands(const char* command, const QStringList& operands,
                                        CliStreams io, QStringList& folders)
{
    for (const QString& arg : operands) {
        const QString folder = FileIndex::canonicalFolder(arg);
        if (folder.isEmpty()) {
            struct stat st;
            const bool exists = stat(PathToNative(arg).constData(), &st) == 0;
            io.err << "kelbrin-cli " << command << ": " << Printable(arg) << ": "
                   << (exists ? Translated("kelbrin-cli", "not a folder")
                              : Translated("kelbrin-cli", "no such folder"))
                   << '\n';
            return 2;
        }
        folders << folder;
    }
    return std::nullopt;
}
