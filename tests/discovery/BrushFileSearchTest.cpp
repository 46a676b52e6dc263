#include "discovery/BrushFileSearch.h"
#include "DiscoveryTestUtil.h"
#include "QtPrinters.h"
#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearchImpl.h"
#include "discovery/FolderWatcher.h"
#include "discovery/FoundPathTree.h"
#include "support/TestUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>

// Keeps the set of file paths a search has announced, as an outline would, and a log of its
// signals.
class PathModel : public QObject
{
public:
    std::set<QString> paths;
    QStringList calls;
    // The path tree is shared by the whole process: folders of earlier tests can be reported
    // to any search. Calls about paths outside the scope are left out of the log.
    QString scope;
    std::vector<int> ids;
    bool finished = false;

    void follow(BrushFileSearch* search)
    {
        connect(search, &BrushFileSearch::firstPhaseProgress, this,
                [this](int count) { log(QStringLiteral("progress %1").arg(count)); });
        connect(search, &BrushFileSearch::firstPhaseFinished, this, [this] {
            finished = true;
            log(QStringLiteral("first-phase-done"));
        });
        connect(search, &BrushFileSearch::itemsWritten, this,
                [this](const QStringList& p) { log("changed " + p.join(' ')); });
        connect(search, &BrushFileSearch::itemsMoved, this, &PathModel::moveItems);
        connect(search, &BrushFileSearch::itemRenamed, this, &PathModel::renameItem);
        connect(search, &BrushFileSearch::itemsRemoved, this, &PathModel::deleteItems);
        connect(search, &BrushFileSearch::itemsAdded, this, &PathModel::addItems);
    }
    void moveItems(const QStringList& from, const QStringList& to, const FileNodeFlagsList& flags)
    {
        EXPECT_EQ(from.size(), to.size());
        EXPECT_EQ(size_t(from.size()), flags.size());
        for (int i = 0; i < from.size(); ++i) {
            paths.erase(from[i]);
            paths.insert(to[i]);
            log("move " + from[i] + ' ' + to[i]);
        }
    }
    void renameItem(const QString& from, const QString& to)
    {
        log("rename " + from + ' ' + to);
        std::set<QString> renamed;
        for (const QString& p : paths) {
            if (p == from)
                renamed.insert(to);
            else if (p.startsWith(from + '/'))
                renamed.insert(to + p.mid(from.size()));
            else
                renamed.insert(p);
        }
        paths.swap(renamed);
    }
    void deleteItems(const QStringList& p)
    {
        ASSERT_EQ(p.size(), 1);
        log("delete " + p[0]);
        for (auto it = paths.begin(); it != paths.end();)
            it = (*it == p[0] || it->startsWith(p[0] + '/')) ? paths.erase(it) : std::next(it);
    }
    void addItems(const QStringList& p, const FileNodeFlagsList& flags)
    {
        EXPECT_EQ(size_t(p.size()), flags.size());
        for (const QString& path : p) {
            paths.insert(path);
            log("add " + path);
        }
    }
    void log(const QString& call)
    {
        if (scope.isEmpty() || !call.contains('/') || call.contains(scope))
            calls << call;
    }
    QStringList sorted() const { return QStringList(paths.begin(), paths.end()); }
    QStringList callsStartingWith(const QString& prefix) const
    {
        return calls.filter(QRegularExpression('^' + QRegularExpression::escape(prefix)));
    }
};

namespace {
// Every brush file below a folder, as a fresh look at the disk finds it.
QStringList FreshCrawl(const QString& root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System | QDir::AllDirs |
                              QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir() && !info.isSymLink()) {
            if (!info.fileName().startsWith('.'))
                out << FreshCrawl(path);
        } else if (info.fileName().endsWith(".abr", Qt::CaseInsensitive)) {
            out << path;
        }
    }
    out.sort();
    return out;
}

int OpenDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files | QDir::Dirs)
                   .size());
}

// Lets every pending report through: the monitor's at once, the index's after its batching.
void SettleFor(int ms)
{
    WaitUntil([] { return false; }, ms);
}

struct RunningSearch
{
    std::unique_ptr<BrushFileSearch> query;
    PathModel model;

    explicit RunningSearch(const QString& folder, bool live = true)
    {
        model.scope = folder;
        query = BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), {folder});
        model.follow(query.get());
        EXPECT_TRUE(query->isInInitialSearch());
        EXPECT_TRUE(query->run(live));
        EXPECT_TRUE(WaitUntil([&] { return model.finished; }));
        EXPECT_FALSE(query->isInInitialSearch());
    }
};

bool IsWatched(const QString& path)
{
    auto node = FoundPathTree::sharedTree()->findNodeForPath(path);
    return node && BrushFileSearchImpl::handleForNode(node) > 0;
}
} // namespace

TEST(BrushFileSearch, FirstPhaseAnnouncesAllFilesThenTheEnd)
{
    Sandbox box;
    QDir().mkpath(box.path("x/one"));
    QDir().mkpath(box.path("x/two"));
    Touch(box.path("x/one/a.abr"));
    Touch(box.path("x/one/b.abr"));
    Touch(box.path("x/two/c.ABR"));
    RunningSearch search(box.path("x"));
    const QStringList adds = search.model.callsStartingWith("add ");
    EXPECT_EQ(adds.size(), 3);
    EXPECT_EQ(search.model.calls.last(), "first-phase-done");
    EXPECT_TRUE(search.model.calls.first().startsWith("progress "));
    EXPECT_TRUE(IsWatched(box.path("x/one")));
    EXPECT_TRUE(IsWatched(box.path("x/two")));
    EXPECT_TRUE(search.query->hasFoundFilesInPath(box.path("x/two")));
    EXPECT_FALSE(search.query->hasFoundFilesInPath(box.path("x/three")));

    // A one-shot search (find without --watch) finds the same but watches nothing.
    QDir().mkpath(box.path("y/one"));
    Touch(box.path("y/one/d.abr"));
    RunningSearch once(box.path("y"), false);
    EXPECT_EQ(once.model.callsStartingWith("add "), QStringList{"add " + box.path("y/one/d.abr")});
    EXPECT_FALSE(IsWatched(box.path("y/one")));
}

TEST(BrushFileSearch, FolderRenameMoveAndDeleteReachObservers)
{
    Sandbox box;
    QDir().mkpath(box.path("r/a/inner"));
    QDir().mkpath(box.path("r/b"));
    QDir().mkpath(box.path("r/keep"));
    Touch(box.path("r/a/inner/1.abr"));
    Touch(box.path("r/a/inner/2.abr"));
    Touch(box.path("r/keep/k.abr"));
    RunningSearch search(box.path("r"));
    search.model.calls.clear();

    // A folder renamed in place: one report with the folder's own paths, nothing for its files.
    ASSERT_TRUE(QDir().rename(box.path("r/a"), box.path("r/a2")));
    ASSERT_TRUE(WaitUntil([&] { return !search.model.calls.isEmpty(); }));
    SettleFor(400);
    EXPECT_EQ(search.model.calls,
              QStringList({"rename " + box.path("r/a") + ' ' + box.path("r/a2")}));
    search.model.calls.clear();

    // Moved elsewhere: every file below with its new path; the emptied folder leaves the
    // monitor, the new one joins it.
    ASSERT_TRUE(QDir().rename(box.path("r/a2/inner"), box.path("r/b/inner")));
    ASSERT_TRUE(WaitUntil([&] { return search.model.calls.size() >= 2; }));
    SettleFor(400);
    EXPECT_EQ(search.model.callsStartingWith("move ").size(), 2);
    EXPECT_EQ(search.model.calls.size(), 2) << search.model.calls.join('\n').toStdString();
    EXPECT_FALSE(IsWatched(box.path("r/a2")));
    EXPECT_TRUE(IsWatched(box.path("r/b")));
    EXPECT_TRUE(IsWatched(box.path("r/b/inner")));
    search.model.calls.clear();

    // Written where it is (copied over, appended to, touched): a change each time, so that
    // whoever shows the file can read it again.
    for (const QIODevice::OpenMode mode : {QIODevice::WriteOnly, QIODevice::Append}) {
        QFile f(box.path("r/keep/k.abr"));
        ASSERT_TRUE(f.open(mode));
        f.write("data");
        f.close();
        ASSERT_TRUE(WaitUntil([&] { return !search.model.calls.isEmpty(); }));
        SettleFor(300);
        EXPECT_EQ(search.model.calls, QStringList({"changed " + box.path("r/keep/k.abr")}));
        search.model.calls.clear();
    }

    // The last file of a folder goes: its folder leaves the monitor.
    ASSERT_TRUE(QFile::remove(box.path("r/keep/k.abr")));
    ASSERT_TRUE(WaitUntil([&] { return !search.model.calls.isEmpty(); }));
    EXPECT_EQ(search.model.calls, QStringList({"delete " + box.path("r/keep/k.abr")}));
    EXPECT_FALSE(IsWatched(box.path("r/keep")));

    ASSERT_TRUE(QDir(box.path("r/b")).removeRecursively());
    ASSERT_TRUE(WaitUntil([&] { return search.model.paths.empty(); }));
}

TEST(BrushFileSearch, FolderMadeAgainUnderTheSameNameKeepsItsFiles)
{
    Sandbox box;
    QDir().mkpath(box.path("m/again"));
    Touch(box.path("m/again/f.abr"));
    RunningSearch search(box.path("m"));
    ASSERT_TRUE(QDir(box.path("m/again")).removeRecursively());
    QDir().mkpath(box.path("m/again"));
    Touch(box.path("m/again/f.abr"));
    SettleFor(800);
    EXPECT_EQ(search.model.sorted(), QStringList({box.path("m/again/f.abr")}));
    EXPECT_TRUE(IsWatched(box.path("m/again")));

    // The new folder is the one watched now: renaming it is seen.
    ASSERT_TRUE(QDir().rename(box.path("m/again"), box.path("m/renamed")));
    ASSERT_TRUE(WaitUntil(
        [&] { return search.model.sorted() == QStringList({box.path("m/renamed/f.abr")}); }));
}

// A descriptor per folder once kept drives from being unmounted and ran out under the usual
// limit of 1024; the search must see every change with a fraction of that.
TEST(BrushFileSearch, ThousandsOfFoldersHoldNoDescriptorEach)
{
    Sandbox box;
    const QString root = box.path("many");
    for (int i = 0; i < 1500; ++i) {
        QDir().mkpath(root + QStringLiteral("/f%1").arg(i));
        Touch(root + QStringLiteral("/f%1/x.abr").arg(i));
    }
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit low = saved;
    low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 256);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    const int baseline = OpenDescriptorCount();
    {
        RunningSearch search(root);
        EXPECT_EQ(search.model.paths.size(), 1500u);
        EXPECT_LT(OpenDescriptorCount(), baseline + 64);
        for (int i = 0; i < 1500; i += 100)
            Touch(root + QStringLiteral("/f%1/new.abr").arg(i));
        EXPECT_TRUE(WaitUntil([&] { return search.model.paths.size() == 1515u; }));
    }
    setrlimit(RLIMIT_NOFILE, &saved);
}

namespace {
// Random creations, deletions, renames and moves of files and folders below a root, hidden
// ones among them.
class RandomChurn
{
public:
    explicit RandomChurn(const QString& root) : mRoot(root), mRandom(20261206) { relist(); }

    void step(int op)
    {
        if (op % 10 == 0)
            relist();
        const QString folder = pick(mFolders);
        switch (mRandom.bounded(8)) {
        case 0:
        case 1:
            Touch(folder + '/' + freshName(false));
            break;
        case 2:
            if (mFolders.size() < 60) {
                QString path = folder;
                for (quint32 depth = mRandom.bounded(1, 4); depth > 0; --depth)
                    path += '/' + freshName(true);
                QDir().mkpath(path);
                Touch(path + '/' + freshName(false));
            }
            break;
        case 3:
            if (!mFiles.isEmpty())
                QFile::remove(pick(mFiles));
            break;
        case 4:
            if (!mFiles.isEmpty()) {
                const QString file = pick(mFiles);
                QFile::rename(file, pick(mFolders) + '/' + freshName(false));
            }
            break;
        case 5:
            if (folder != mRoot && mRandom.bounded(3) == 0)
                QDir(folder).removeRecursively();
            break;
        default:
            if (folder != mRoot) {
                const QString target = pick(mFolders);
                // Never into itself; renaming in place when the target is the parent.
                if (target != folder && !target.startsWith(folder + '/'))
                    QDir().rename(folder, target + '/' + freshName(true));
            }
            break;
        }
        // Mostly bursts, sometimes a pause long enough for reports to come through.
        if (mRandom.bounded(100) == 0)
            SettleFor(int(mRandom.bounded(10, 150)));
        else if (mRandom.bounded(5) == 0)
            QCoreApplication::processEvents();
    }

private:
    void relist()
    {
        mFolders = {mRoot};
        mFiles.clear();
        QDirIterator it(mRoot, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            (it.fileInfo().isDir() ? mFolders : mFiles) << p;
        }
    }
    QString pick(const QStringList& list) { return list.at(int(mRandom.bounded(list.size()))); }
    QString freshName(bool folder)
    {
        const bool hidden = mRandom.bounded(10) == 0;
        const char* suffix = folder ? "" : (mRandom.bounded(4) == 0 ? ".txt" : ".abr");
        return QStringLiteral("%1n%2%3").arg(hidden ? "." : "").arg(++mCounter).arg(suffix);
    }

    QString mRoot;
    QRandomGenerator mRandom;
    QStringList mFolders, mFiles;
    int mCounter = 0;
};

// The calls that named the paths on one side only, to tell what went wrong.
void PrintCallsAboutDifferences(const PathModel& model, const QStringList& fresh)
{
    QStringList diff;
    for (const QString& p : model.sorted())
        if (!fresh.contains(p))
            diff << p.mid(p.lastIndexOf('/') + 1);
    for (const QString& p : fresh)
        if (!model.sorted().contains(p))
            diff << p.mid(p.lastIndexOf('/') + 1);
    for (const QString& call : model.calls)
        for (const QString& d : diff)
            if (call.contains(d))
                fprintf(stderr, "CALL %s\n", qPrintable(call));
}
} // namespace

TEST(BrushFileSearch, ChurnEndsEqualToAFreshCrawlWithoutLeakingDescriptors)
{
    Sandbox box;
    const QString root = box.path("churn");
    QDir().mkpath(root + "/seed/deeper");
    Touch(root + "/seed/deeper/s.abr");
    FolderWatcher::shared();
    SettleFor(700);
    const int baseline = OpenDescriptorCount();
    const int watches = FolderWatcher::shared()->watchCount();

    auto search = std::make_unique<RunningSearch>(root);
    RandomChurn churn(root);
    for (int op = 0; op < 2000; ++op)
        churn.step(op);

    auto settled = [&] { return search->model.sorted() == FreshCrawl(root); };
    WaitUntil(settled, 5000);
    SettleFor(600);
    EXPECT_EQ(search->model.sorted(), FreshCrawl(root));
    if (search->model.sorted() != FreshCrawl(root))
        PrintCallsAboutDifferences(search->model, FreshCrawl(root));

    ASSERT_TRUE(QDir(root).removeRecursively());
    EXPECT_TRUE(WaitUntil([&] { return search->model.paths.empty(); }));
    SettleFor(600);
    search.reset();
    DrainPostedEvents();
    // Earlier tests' folders may have been let go meanwhile; nothing of ours may stay open
    // or watched.
    EXPECT_LE(OpenDescriptorCount(), baseline);
    EXPECT_LE(FolderWatcher::shared()->watchCount(), watches);
}
