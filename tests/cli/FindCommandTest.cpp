#include "cli/CliCommands.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
struct FindRun
{
    int status = -1;
    QString out, err;
};

FindRun Find(const QStringList& args, const std::function<void()>& whileWatching = {})
{
    FindRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    if (whileWatching)
        QTimer::singleShot(300, whileWatching);
    run.status = RunFindCommand(args, {out, err});
    out.flush();
    err.flush();
    return run;
}
} // namespace

TEST(FindCommand, PrintsTheFirstPhaseLineByLine)
{
    Sandbox box;
    QDir().mkpath(box.path("b/deep"));
    box.write("b/deep/x.abr", "");
    box.write("b/note.txt", "");
    const FindRun plain = Find({box.path("b")});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, QStringLiteral("progress 1\nadd %1 7\nfirst-phase-done\n")
                             .arg(QDir(box.path("b/deep/x.abr")).canonicalPath()));
    const FindRun json = Find({"--json", box.path("b")});
    EXPECT_EQ(json.out, QStringLiteral("{\"event\": \"progress\", \"count\": 1}\n"
                                       "{\"event\": \"add\", \"path\": \"%1\", \"flags\": 7}\n"
                                       "{\"event\": \"first-phase-done\"}\n")
                            .arg(QDir(box.path("b/deep/x.abr")).canonicalPath()));
}

TEST(FindCommand, WatchPrintsLiveChangesUntilTheTimeIsUp)
{
    Sandbox box;
    QDir().mkpath(box.path("w"));
    const QString folder = QDir(box.path("w")).canonicalPath();
    const FindRun run =
        Find({"--watch", "--seconds", "2", folder}, [&] { box.write("w/live.abr", ""); });
    EXPECT_EQ(run.status, 0);
    // The path tree is shared by the whole process, so reports about folders of earlier tests
    // may come in between; what matters is that the new file follows the first phase.
    const int done = int(run.out.indexOf(QStringLiteral("first-phase-done\n")));
    const int added = int(run.out.indexOf(QStringLiteral("add %1/live.abr 7\n").arg(folder)));
    EXPECT_GE(done, 0) << run.out.toStdString();
    EXPECT_GT(added, done) << run.out.toStdString();
}

TEST(FindCommand, RejectsBadArguments)
{
    Sandbox box;
    const QString file = box.write("f.abr", "");
    EXPECT_EQ(Find({"--watch", "--seconds"}).status, 2);
    EXPECT_EQ(Find({"--seconds", "x"}).status, 2);
    const FindRun missing = Find({box.path("nowhere")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("no such folder"));
    EXPECT_TRUE(Find({file}).err.contains("not a folder"));
}

// A drive mounted below the removable-media folder while the search runs is searched at once,
// never held busy, and its files go when it is unmounted. Needs root for a private mount
// namespace, where a bind mount of a tmpfs stands for the drive.
TEST(FindCommand, FollowsDrivesMountedAndUnmountedWhileWatching)
{
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    const QString cli = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + "/src/kelbrin-cli";
    if (geteuid() != 0 || QProcess::execute("unshare", {"-m", "true"}) != 0)
        GTEST_SKIP() << "needs root and mount namespaces";
    if (!QFileInfo(cli).isExecutable())
        GTEST_SKIP() << "kelbrin-cli is not built";
    Sandbox box;
    // The removable-media folder does not exist at start: it is looked up again when mounts
    // change. The second drive is mounted on a folder the search already watches.
    const char* script = R"(
set -e
M="$1/media"; S="$1/staging"; OUT="$1/out"
mkdir -p "$S" "$1/home"
mount -t tmpfs tmpfs "$S"
echo x > "$S/b.abr"
KELBRIN_VOLUMES_FOLDER="$M" HOME="$1/home" "$2" find --watch --seconds 20 > "$OUT" 2>/dev/null &
pid=$!
wait_for() { i=0; until grep -q "$1" "$OUT"; do sleep 0.05; i=$((i+1)); [ $i -lt $2 ] || return 1; done; }
wait_for first-phase-done 200 || { echo "no first phase"; exit 3; }
mkdir -p "$M/stick"
mount --bind "$S" "$M/stick"
wait_for "^add $M/stick/b.abr" 20 || { echo "not found within 1 s"; exit 4; }
mkdir "$M/stick2"
sleep 0.5
mount --bind "$S" "$M/stick2"
wait_for "^add $M/stick2/b.abr" 20 || { echo "second drive not found within 1 s"; exit 5; }
umount "$M/stick" || { echo "umount failed"; exit 6; }
wait_for "^delete $M/stick\(/b.abr\)\{0,1\}\$" 20 || { echo "no delete within 1 s"; exit 7; }
kill $pid
umount "$M/stick2" "$S"
echo ok
)";
    QProcess run;
    run.start("unshare", {"-m", "--propagation", "private", "sh", "-c", script, "sh",
                          QDir(box.path("")).canonicalPath(), cli});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(run.readAllStandardOutput().trimmed()), "ok")
        << run.readAllStandardError().toStdString();
}

// Under a watch limit of its own (a user namespace's), the program says so in one sentence,
// logs no line per folder refused, and still finds files made where it could not watch.
TEST(FindCommand, WatchLimitIsSaidOnceAndUnwatchedFoldersAreReadAgain)
{
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    const QString cli = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + "/src/kelbrin-cli";
    if (QProcess::execute("unshare", {"-U", "-r", "sh", "-c",
                                      "echo 4 > /proc/sys/user/max_inotify_watches"}) != 0)
        GTEST_SKIP() << "needs user namespaces with a watch limit of their own";
    if (!QFileInfo(cli).isExecutable())
        GTEST_SKIP() << "kelbrin-cli is not built";
    Sandbox box;
    for (int i = 0; i < 12; ++i) {
        QDir().mkpath(box.path(QStringLiteral("t/f%1").arg(i)));
        box.write(QStringLiteral("t/f%1/old.abr").arg(i), "");
    }
    const QString tree = QDir(box.path("t")).canonicalPath();
    const char* script = R"(
echo 4 > /proc/sys/user/max_inotify_watches
"$2" find --watch --seconds 7 "$1" > "$1.out" 2> "$1.err" &
i=0; until grep -q first-phase-done "$1.out"; do sleep 0.05; i=$((i+1)); [ $i -lt 100 ] || exit 3; done
for d in "$1"/f*; do : > "$d/new.abr"; done
wait
)";
    QProcess run;
    run.start("unshare", {"-U", "-r", "sh", "-c", script, "sh", tree, cli});
    ASSERT_TRUE(run.waitForFinished(20000));
    ASSERT_EQ(run.exitCode(), 0);
    QFile out(tree + ".out"), err(tree + ".err");
    ASSERT_TRUE(out.open(QIODevice::ReadOnly) && err.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(out.readAll()).count(QStringLiteral("/new.abr 7\n")), 12);
    const QStringList lines = QString::fromUtf8(err.readAll()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.filter(QStringLiteral("kelbrin-cli find: not every folder")).size(), 1)
        << lines.join('\n').toStdString();
    // That sentence, the index's log line and the monitor's first refusal at most.
    EXPECT_LE(lines.filter(QStringLiteral("watch")).size(), 3) << lines.join('\n').toStdString();
}
