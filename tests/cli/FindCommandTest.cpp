#include "cli/CliCommands.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

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
    EXPECT_EQ(Find({"--bogus"}).status, 2);
    EXPECT_EQ(Find({"--watch", "--seconds"}).status, 2);
    EXPECT_EQ(Find({"--seconds", "x"}).status, 2);
    const FindRun missing = Find({box.path("nowhere")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("no such folder"));
    EXPECT_TRUE(Find({file}).err.contains("not a folder"));
}
