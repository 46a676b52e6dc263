#include "library/CBrushCataloguer.h"
#include "brush/SampledBrush.h"
#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "library/CLibrary.h"
#include "library/CLibraryConnection.h"
#include "library/CatalogueEntry.h"
#include "platform/NativePath.h"
#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/MadeUpHome.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QSqlQuery>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray ComputedBrushFile(const QStringList& names)
{
    AbrWriter w;
    w.u16(2).u16(uint16_t(names.size()));
    int diameter = 20;
    for (const QString& name : names)
        w.computedRecord(true, name, uint16_t(diameter++), 100, 0, 50);
    return w.data();
}

// A made-up collection in a made-up home: named sampled brushes, computed ones, a copy of a
// file under another name, and a file that is no brush file.
struct Collection
{
    MadeUpHome home;
    QString library = DefaultLibraryPath();
    QString inks = home.file(QStringLiteral("brushes/Inks.abr"),
                             SampledBrushFile({{QStringLiteral("Dry Ink 3"), 12, 9},
                                               {QStringLiteral("Éclat"), 40, 30}}));
    QString copy = home.file(QStringLiteral("brushes/old/Inks copy.abr"),
                             SampledBrushFile({{QStringLiteral("Dry Ink 3"), 12, 9},
                                               {QStringLiteral("Éclat"), 40, 30}}));
    // Stored as Photoshop stores them; the library keeps and finds the names people read.
    QString round = home.file(QStringLiteral("brushes/Round.abr"),
                              ComputedBrushFile({QStringLiteral("Soft Round") + QChar(0),
                                                 QStringLiteral("$$$/Presets/Hard=Hard Round")}));
    QString broken = home.file(QStringLiteral("brushes/Broken.abr"), "not a brush file at all");
    QStringList all{inks, copy, round, broken};
    int readingThreads = 0;
    eCataloguingPriority priority = eCataloguingPriority::background;

    Collection() { EXPECT_TRUE(PrepareLibrary(library).available); }

    // Runs one cataloguer over what feed asks of it and waits until it is done.
    CatalogueCounts run(const std::function<void(CBrushCataloguer&)>& feed)
    {
        CBrushCataloguer cataloguer(library, readingThreads, priority);
        bool idleSignalled = false;
        int lastDone = -1;
        int lastTotal = -1;
        QObject::connect(&cataloguer, &CBrushCataloguer::idle, [&] { idleSignalled = true; });
        QObject::connect(&cataloguer, &CBrushCataloguer::progress, [&](int done, int total) {
            lastDone = done;
            lastTotal = total;
        });
        feed(cataloguer);
        EXPECT_TRUE(WaitUntil([&] { return cataloguer.isIdle(); }));
        DrainPostedEvents();
        EXPECT_TRUE(idleSignalled);
        EXPECT_EQ(lastDone, lastTotal);
        return cataloguer.counts();
    }
    CatalogueCounts catalogue(const QStringList& paths)
    {
        return run([&](CBrushCataloguer& c) { c.catalogue(paths); });
    }
};

// "file:brush name", sorted: two reading threads catalogue files in either order.
QStringList Names(const std::vector<LibraryBrush>& brushes)
{
    QStringList names;
    for (const LibraryBrush& brush : brushes)
        names << QFileInfo(brush.path).fileName() + QLatin1Char(':') + brush.name.value_or("-");
    names.sort();
    return names;
}
} // namespace

TEST(BrushCataloguer, CataloguesACollection_SearchDuplicatesAndFailures)
{
    Collection c;
    const CatalogueCounts counts = c.catalogue(c.all);
    EXPECT_EQ(counts.checked, 4);
    EXPECT_EQ(counts.read, 4);
    EXPECT_EQ(counts.failed, 1);

    CLibrary library(c.library);
    const LibraryTotals totals = library.totals();
    EXPECT_EQ(totals.files, 4);
    EXPECT_EQ(totals.brushes, 6);
    EXPECT_EQ(totals.failed, 1);

    EXPECT_EQ(Names(library.searchBrushNames(QStringLiteral("ECLAT"))),
              QStringList({"Inks copy.abr:Éclat", "Inks.abr:Éclat"}));
    EXPECT_EQ(Names(library.searchBrushNames(QStringLiteral("round"))),
              QStringList({"Round.abr:Hard Round", "Round.abr:Soft Round"}));
    EXPECT_TRUE(library.searchBrushNames(QStringLiteral("nothing like it")).empty());
    EXPECT_EQ(Names(library.searchBrushNames(QStringLiteral("ND"))), // shorter than the index's
              QStringList({"Round.abr:Hard Round", "Round.abr:Soft Round"}));
    EXPECT_TRUE(library.searchBrushNames(QStringLiteral("\"Dry\" OR ink")).empty());

    const std::vector<LibraryBrush> found = library.searchBrushNames(QStringLiteral("hard"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].computed);
    const QImage thumbnail = QImage::fromData(library.thumbnailPng(found[0].id), "png");
    EXPECT_FALSE(thumbnail.isNull());
    EXPECT_LE(std::max(thumbnail.width(), thumbnail.height()), kLibraryThumbnailSide);

    const std::vector<DuplicateTips> tips = library.duplicateTips();
    ASSERT_EQ(tips.size(), 2u); // both brushes of the copied file, each in two files
    EXPECT_EQ(Names(tips[0].brushes).size(), 2);
    const std::vector<QStringList> files = library.duplicateFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], QStringList({c.inks, c.copy}));

    // Unchanged files, the failed one too, cost a look and no read; a changed one is read. Rows
    // from before the library kept change times are taken as they are, and learn them.
    {
        CLibraryConnection k(c.library);
        ASSERT_TRUE(k.exec(QStringLiteral("UPDATE files SET ctime = 0")));
    }
    EXPECT_EQ(c.catalogue(c.all).read, 0);
    {
        CLibraryConnection k(c.library);
        QSqlQuery unknown = k.prepare(QStringLiteral("SELECT count(*) FROM files WHERE ctime = 0"));
        ASSERT_TRUE(k.run(unknown) && unknown.next());
        EXPECT_EQ(unknown.value(0).toInt(), 0);
    }
    QFile::remove(c.broken);
    c.home.file(QStringLiteral("brushes/Broken.abr"),
                ComputedBrushFile({QStringLiteral("Mended")}));
    const CatalogueCounts again = c.catalogue(c.all);
    EXPECT_EQ(again.unchanged, 3);
    EXPECT_EQ(again.read, 1);
    EXPECT_EQ(library.totals().failed, 0);
    EXPECT_EQ(library.searchBrushNames(QStringLiteral("mended")).size(), 1u);

    // Written over where it is, same size, its modification time put back: only the change
    // time tells, and the file is read again.
    struct stat before;
    ASSERT_EQ(stat(PathToNative(c.round).constData(), &before), 0);
    const QByteArray rewritten = ComputedBrushFile(
        {QStringLiteral("Soft Rownd") + QChar(0), QStringLiteral("$$$/Presets/Hard=Hard Rownd")});
    ASSERT_EQ(rewritten.size(), before.st_size);
    for (struct stat after = before; after.st_ctim.tv_sec == before.st_ctim.tv_sec &&
                                     after.st_ctim.tv_nsec == before.st_ctim.tv_nsec;) {
        usleep(2000); // the kernel's clock for change times moves every few milliseconds
        std::ofstream(PathToNative(c.round).constData(), std::ios::in | std::ios::out)
            << rewritten.toStdString();
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, PathToNative(c.round).constData(), times, 0), 0);
        ASSERT_EQ(stat(PathToNative(c.round).constData(), &after), 0);
        ASSERT_EQ(after.st_ino, before.st_ino);
    }
    EXPECT_EQ(c.catalogue({c.round}).read, 1);
    EXPECT_EQ(Names(library.searchBrushNames(QStringLiteral("rownd"))),
              QStringList({"Round.abr:Hard Rownd", "Round.abr:Soft Rownd"}));
}

// Brushes go into the library many to a statement: files of 70 brushes (64 + 4 + 2) and of one
// keep every row, and each brush its own thumbnail, at normal priority on more threads than
// there are cores too.
TEST(BrushCataloguer, ManyBrushesToAFile_EachKeepsItsRowAndThumbnail)
{
    Collection c;
    c.priority = eCataloguingPriority::normal;
    c.readingThreads = 3;
    QStringList names;
    for (int i = 0; i < 70; ++i)
        names << QStringLiteral("Tip %1").arg(i);
    const QString many = c.home.file(QStringLiteral("brushes/Many.abr"), ComputedBrushFile(names));
    const QString one =
        c.home.file(QStringLiteral("brushes/One.abr"), ComputedBrushFile({QStringLiteral("Lone")}));
    EXPECT_EQ(c.catalogue({many, one, c.inks}).read, 3);

    CLibraryConnection k(c.library);
    QSqlQuery rows = k.prepare(QStringLiteral(
        "SELECT f.path, b.position, b.name, b.width, t.png FROM brushes b JOIN files f ON"
        " f.id = b.file_id LEFT JOIN thumbnails t ON t.brush_id = b.id ORDER BY f.path, "
        "b.position"));
    ASSERT_TRUE(k.run(rows));
    QStringList seen;
    while (rows.next()) {
        const QImage thumbnail = QImage::fromData(rows.value(4).toByteArray(), "png");
        // Computed tips of 20, 21, ... pixels: each thumbnail is as wide as its own tip.
        EXPECT_EQ(thumbnail.width(), std::min(rows.value(3).toInt(), kLibraryThumbnailSide));
        seen << QStringLiteral("%1:%2:%3")
                    .arg(QFileInfo(PathFromNative(rows.value(0).toByteArray())).fileName())
                    .arg(rows.value(1).toInt())
                    .arg(rows.value(2).toString());
    }
    QStringList expected{QStringLiteral("Inks.abr:0:Dry Ink 3"),
                         QStringLiteral("Inks.abr:1:Éclat")};
    for (int i = 0; i < 70; ++i)
        expected << QStringLiteral("Many.abr:%1:Tip %1").arg(i);
    expected << QStringLiteral("One.abr:0:Lone");
    EXPECT_EQ(seen, expected);
}

// Tags and stars go with the contents: through a rename, a move of the folder that holds the
// file, its absence, and an edit made where it is.
TEST(BrushCataloguer, TagsAndStarsFollowRenamesMovesAbsencesAndEdits)
{
    Collection c;
    c.catalogue(c.all);
    CLibrary library(c.library);
    QString error;
    ASSERT_TRUE(library.tagFile(c.round, {"soft", " round  ", "soft"}, &error));
    ASSERT_TRUE(library.setStarred(c.round, 1, true, &error));
    EXPECT_EQ(library.tagsOfFile(c.round), QStringList({"round", "soft"}));
    // Search results carry the star of the brush, and of no other.
    const std::vector<LibraryBrush> found = library.searchBrushNames(QStringLiteral("round"));
    ASSERT_GE(found.size(), 2u);
    for (const LibraryBrush& brush : found)
        EXPECT_EQ(brush.starred, brush.path == c.round && brush.position == 1) << brush.position;

    const QString renamed = c.home.path(QStringLiteral("brushes/Rounds.abr"));
    ASSERT_TRUE(QFile::rename(c.round, renamed));
    CatalogueCounts counts = c.run([&](CBrushCataloguer& k) { k.move({c.round}, {renamed}); });
    EXPECT_EQ(counts.moved, 1);
    EXPECT_EQ(counts.read, 0);
    EXPECT_EQ(library.filesTagged(QStringLiteral("soft")), QStringList{renamed});

    const QString folder = c.home.path(QStringLiteral("brushes"));
    const QString moved = c.home.path(QStringLiteral("kept"));
    ASSERT_TRUE(QDir().rename(folder, moved));
    counts = c.run([&](CBrushCataloguer& k) { k.move({folder}, {moved}); });
    EXPECT_EQ(counts.moved, 4);
    EXPECT_EQ(counts.read, 0);
    const QString inKept = moved + QStringLiteral("/Rounds.abr");
    EXPECT_EQ(library.filesTagged(QStringLiteral("round")), QStringList{inKept});
    ASSERT_EQ(library.starredBrushes().size(), 1u);
    EXPECT_EQ(*library.starredBrushes()[0].name, "Hard Round");

    // Gone: out of the library, but its tags wait for the same contents to come back.
    const QByteArray bytes = [&] {
        QFile f(inKept);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QFile::remove(inKept);
    counts = c.run([&](CBrushCataloguer& k) { k.remove({inKept}); });
    EXPECT_EQ(counts.removed, 1);
    EXPECT_TRUE(library.filesTagged(QStringLiteral("soft")).isEmpty());
    const QString back = c.home.file(QStringLiteral("elsewhere/Back.abr"), bytes);
    c.catalogue({back});
    EXPECT_EQ(library.filesTagged(QStringLiteral("soft")), QStringList{back});
    EXPECT_TRUE(library.isStarred(back, 1));

    // Edited where it is: the tags stay with the file.
    QFile::remove(back);
    c.home.file(QStringLiteral("elsewhere/Back.abr"), ComputedBrushFile({QStringLiteral("New")}));
    c.catalogue({back});
    EXPECT_EQ(library.tagsOfFile(back), QStringList({"round", "soft"}));
    ASSERT_TRUE(library.untagFile(back, {"soft"}, &error));
    EXPECT_EQ(library.tagsOfFile(back), QStringList{"round"});
}

// Following a search: what its first phase finds is catalogued, and a row for a file that is
// no longer there, within the searched folders only, leaves.
TEST(BrushCataloguer, FollowsASearch_AndDropsFilesItNoLongerFinds)
{
    Collection c;
    const QString outside = c.home.file(QStringLiteral("other/Outside.abr"),
                                        ComputedBrushFile({QStringLiteral("Outside")}));
    c.catalogue({outside});
    const QString stale = c.home.file(QStringLiteral("brushes/Stale.abr"),
                                      ComputedBrushFile({QStringLiteral("Stale")}));
    c.catalogue({stale});
    QFile::remove(stale);

    const QStringList scope{c.home.path(QStringLiteral("brushes"))};
    const std::unique_ptr<BrushFileSearch> search =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), scope);
    ASSERT_TRUE(search);
    const CatalogueCounts counts = c.run([&](CBrushCataloguer& k) {
        k.follow(search.get(), scope);
        ASSERT_TRUE(search->run(false));
        ASSERT_TRUE(WaitUntil([&] { return !search->isInInitialSearch(); }));
    });
    EXPECT_EQ(counts.read, 4);
    EXPECT_EQ(counts.removed, 1);
    CLibrary library(c.library);
    EXPECT_EQ(library.totals().files, 5);
    EXPECT_EQ(library.searchBrushNames(QStringLiteral("outside")).size(), 1u);
    EXPECT_TRUE(library.searchBrushNames(QStringLiteral("stale")).empty());

    // A search of the usual places keeps what was catalogued from outside them.
    Sandbox elsewhere;
    c.catalogue(
        {elsewhere.write(QStringLiteral("Away.abr"), ComputedBrushFile({QStringLiteral("Away")}))});
    QFile::remove(c.inks);
    const std::unique_ptr<BrushFileSearch> usual =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), {});
    const CatalogueCounts again = c.run([&](CBrushCataloguer& k) {
        k.follow(usual.get(), {});
        ASSERT_TRUE(usual->run(false));
        ASSERT_TRUE(WaitUntil([&] { return !usual->isInInitialSearch(); }));
    });
    EXPECT_EQ(again.removed, 1);
    EXPECT_EQ(library.searchBrushNames(QStringLiteral("away")).size(), 1u);
    EXPECT_EQ(library.totals().files, 5);
}

// A file on a drive about to be unmounted is not opened, or the unmount would fail as busy; it
// is asked for again later.
TEST(BrushCataloguer, LeavesFilesOnADriveAboutToGoUnread)
{
    Collection c;
    const QStringList scope{c.home.path(QStringLiteral("brushes"))};
    const std::unique_ptr<BrushFileSearch> search =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), scope);
    ASSERT_TRUE(search);
    search->keepCrawlersOut(scope[0]);
    ASSERT_TRUE(search->keepsCrawlersOutOf(c.round));
    const CatalogueCounts counts = c.run([&](CBrushCataloguer& k) {
        k.follow(search.get(), scope);
        k.catalogue({c.round});
    });
    EXPECT_EQ(counts.read, 0);
    EXPECT_EQ(CLibrary(c.library).totals().files, 0);
}

// While a live search watches: a rename keeps the file's row and tags, a new file is read, a
// file written where it is is read again, and a deleted one leaves.
TEST(BrushCataloguer, FollowsALiveSearchThroughRenamesWritesAndDeletes)
{
    Collection c;
    const QString folder = QDir(c.home.path(QStringLiteral("brushes"))).canonicalPath();
    const std::unique_ptr<BrushFileSearch> search =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), {folder});
    CBrushCataloguer cataloguer(c.library);
    cataloguer.follow(search.get(), {folder});
    ASSERT_TRUE(search->run(true));
    ASSERT_TRUE(WaitUntil([&] { return !search->isInInitialSearch() && cataloguer.isIdle(); }));
    CLibrary library(c.library);
    QString error;
    const QString round = folder + QStringLiteral("/Round.abr");
    ASSERT_TRUE(library.tagFile(round, {"kept"}, &error));
    auto files = [&] {
        QStringList names;
        for (const QString& path : library.filesTagged(QStringLiteral("kept")))
            names << QFileInfo(path).fileName();
        return names.join(QLatin1Char(' ')) + QStringLiteral(" | ") +
               QString::number(library.totals().files) + QStringLiteral(" files, ") +
               QString::number(library.totals().brushes) + QStringLiteral(" brushes");
    };
    EXPECT_EQ(files(), "Round.abr | 4 files, 6 brushes");

    ASSERT_TRUE(QFile::rename(round, folder + QStringLiteral("/Rounder.abr")));
    EXPECT_TRUE(WaitUntil([&] { return files() == "Rounder.abr | 4 files, 6 brushes"; }))
        << qPrintable(files());
    c.home.file(QStringLiteral("brushes/New.abr"), ComputedBrushFile({QStringLiteral("Newest")}));
    EXPECT_TRUE(WaitUntil([&] { return files() == "Rounder.abr | 5 files, 7 brushes"; }))
        << qPrintable(files());
    QFile appended(c.broken);
    ASSERT_TRUE(appended.open(QIODevice::WriteOnly | QIODevice::Truncate));
    appended.write(ComputedBrushFile({QStringLiteral("One"), QStringLiteral("Two")}));
    appended.close();
    EXPECT_TRUE(WaitUntil([&] { return files() == "Rounder.abr | 5 files, 9 brushes"; }))
        << qPrintable(files());
    ASSERT_TRUE(QFile::remove(c.inks));
    EXPECT_TRUE(WaitUntil([&] { return files() == "Rounder.abr | 4 files, 7 brushes"; }))
        << qPrintable(files());
    EXPECT_EQ(cataloguer.counts().read, 6);
}

// A folder's rows are found by the bytes of its path and a '/': a sibling whose name merely
// starts the same is neither removed nor moved with it. A file renamed over a catalogued one
// takes its place.
TEST(BrushCataloguer, FoldersMoveAndLeaveWithoutTheirNamesakes_ARenameOverAFileReplacesIt)
{
    Collection c;
    const QString namesake = c.home.file(QStringLiteral("brushes-old/Namesake.abr"),
                                         ComputedBrushFile({QStringLiteral("Namesake")}));
    c.catalogue(c.all + QStringList{namesake});

    ASSERT_TRUE(QFile::remove(c.inks));
    ASSERT_TRUE(QFile::rename(c.copy, c.inks));
    CatalogueCounts counts = c.run([&](CBrushCataloguer& k) { k.move({c.copy}, {c.inks}); });
    EXPECT_EQ(counts.moved, 1);
    CLibrary library(c.library);
    EXPECT_EQ(library.totals().files, 4);
    EXPECT_TRUE(library.duplicateFiles().empty());

    const QString folder = c.home.path(QStringLiteral("brushes"));
    const QString moved = c.home.path(QStringLiteral("moved"));
    ASSERT_TRUE(QDir().rename(folder, moved));
    counts = c.run([&](CBrushCataloguer& k) { k.move({folder}, {moved}); });
    EXPECT_EQ(counts.moved, 3);
    EXPECT_EQ(Names(library.searchBrushNames(QStringLiteral("namesake"))),
              QStringList{"Namesake.abr:Namesake"});
    EXPECT_EQ(library.searchBrushNames(QStringLiteral("namesake"))[0].path, namesake);

    counts = c.run([&](CBrushCataloguer& k) { k.remove({moved}); });
    EXPECT_EQ(counts.removed, 3);
    EXPECT_EQ(library.totals().files, 1);
}

// Two processes cataloguing the same files at once, as the window and kelbrin-cli may: both
// finish, and each file is in the library once. A cataloguer stopped half-way keeps what it
// committed, and the next one reads only the rest.
TEST(BrushCataloguer, TwoAtOnceNeitherFails_OneStoppedHalfWayLosesNothing)
{
    Collection c;
    QStringList many;
    for (int i = 0; i < 60; ++i)
        many << c.home.file(
            QStringLiteral("many/%1.abr").arg(i),
            SampledBrushFile(NamedBrushes(QStringLiteral("Many %1").arg(i), 4, 90, 90)));
    {
        CBrushCataloguer first(c.library);
        CBrushCataloguer second(c.library);
        first.catalogue(many);
        second.catalogue(many);
        ASSERT_TRUE(WaitUntil([&] { return first.isIdle() && second.isIdle(); }));
        EXPECT_EQ(first.counts().read + first.counts().unchanged, 60);
        EXPECT_EQ(second.counts().read + second.counts().unchanged, 60);
    }
    CLibrary library(c.library);
    EXPECT_EQ(library.totals().files, 60);
    EXPECT_EQ(library.totals().brushes, 240);

    int readBeforeStop = 0;
    {
        CBrushCataloguer stopped(c.library);
        stopped.catalogue(c.all);
        stopped.remove(many);
        stopped.catalogue(many);
        ASSERT_TRUE(WaitUntil([&] { return stopped.counts().read > 0; }));
        readBeforeStop = stopped.counts().read;
    }
    const CatalogueCounts resumed = c.catalogue(c.all + many);
    EXPECT_LE(resumed.read, 64 - readBeforeStop + 1); // at most the batch under way is lost
    EXPECT_EQ(resumed.read + resumed.unchanged, 64);
    EXPECT_EQ(library.totals().files, 64);

    // A read told to stop ends with nothing to keep rather than running to the file's end.
    const std::atomic<bool> stop{true};
    const CataloguedFile cut = CatalogueBrushFile(many[0], *StatRegularFile(many[0]), &stop);
    EXPECT_TRUE(cut.stopped);
    EXPECT_TRUE(cut.brushes.empty());
    EXPECT_FALSE(CatalogueBrushFile(many[0], *StatRegularFile(many[0])).stopped);
}

// Names that are not UTF-8 keep their bytes; a computed tip far too large to draw is drawn at
// thumbnail size; a file outside the library can still be tagged and starred.
TEST(BrushCataloguer, OddNamesHugeComputedTipsAndFilesOutsideTheLibrary)
{
    Collection c;
    const QString latin1 = c.home.path(PathFromNative(QByteArray("brushes/caf\xe9.abr")));
    std::ofstream(PathToNative(latin1).constData())
        << ComputedBrushFile({QStringLiteral("Caf\u00e9")}).toStdString();
    AbrWriter huge;
    huge.u16(2).u16(1).computedRecord(true, QStringLiteral("Huge"), 60000, 30, 45, 10);
    const QString hugePath = c.home.file(QStringLiteral("brushes/Huge.abr"), huge.data());
    // Damaged after its first brush: that one is kept, with the error.
    const QString cut =
        c.home.file(QStringLiteral("brushes/Cut.abr"),
                    TruncatedInBrush(NamedBrushes(QStringLiteral("Cut"), 3, 20, 20), 1));
    const CatalogueCounts counts = c.catalogue({latin1, hugePath, cut});
    EXPECT_EQ(counts.read, 3);
    EXPECT_EQ(counts.failed, 1);

    CLibrary library(c.library);
    const std::vector<LibraryBrush> cafe = library.searchBrushNames(QStringLiteral("CAFE"));
    ASSERT_EQ(cafe.size(), 1u);
    EXPECT_EQ(PathToNative(cafe[0].path), PathToNative(latin1));
    const std::vector<LibraryBrush> big = library.searchBrushNames(QStringLiteral("huge"));
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(Names(library.searchBrushNames(QStringLiteral("cut"))), QStringList{"Cut.abr:Cut 0"});
    EXPECT_GT(big[0].width, 10000); // drawn whole, it would be hundreds of megapixels
    const QImage thumbnail = QImage::fromData(library.thumbnailPng(big[0].id), "png");
    EXPECT_LE(std::max(thumbnail.width(), thumbnail.height()), kLibraryThumbnailSide);

    QString error;
    ASSERT_TRUE(library.tagFile(c.round, {"loose"}, &error));
    ASSERT_TRUE(library.setStarred(c.round, -1, true, &error));
    EXPECT_EQ(library.tagsOfFile(c.round), QStringList{"loose"});
    EXPECT_TRUE(library.starredFiles().isEmpty()); // starred, but not yet in the library
    c.catalogue({c.round});
    EXPECT_EQ(library.starredFiles(), QStringList{c.round});
    EXPECT_EQ(library.allTags().size(), 1u);
    ASSERT_TRUE(library.setStarred(c.round, -1, false, &error));
    EXPECT_TRUE(library.starredFiles().isEmpty());
    unlink(PathToNative(latin1).constData()); // a name the temporary folder's clean-up cannot make

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(CatalogueProgressText(1234, 5678),
              QStringLiteral("Cataloguing brushes\u2026 1,234 of 5,678 files"));
    QLocale::setDefault(QLocale::c());
}

// Each preset is a row of its own: a search finds a preset by its name although it paints with
// the same sample as another, and that sample, as stored, is its tip, so presets of one sample
// are duplicates by tip across files whatever size or roundness they give it. A library from
// before presets keeps its stars on the brushes they were given to.
TEST(BrushCataloguer, PresetsSharingASampleAreFoundByName_AndTheirTipsAreOne)
{
    MadeUpHome home;
    const QString library = DefaultLibraryPath();
    ASSERT_TRUE(PrepareLibrary(library).available);
    const QByteArray ink = TestPixels(12, 34, 3);
    const auto stored = std::make_shared<SampledBrush>(QStringLiteral("sample"), 12, 34, 8,
                                                       PixelBlock(ink.begin(), ink.end()));
    auto preset = [&](const QString& name, double diameter, double roundness,
                      std::optional<double> spacing) -> BrushPtr {
        BrushPreset p;
        p.tip.kind = TipKind::Sampled;
        p.tip.diameter = diameter;
        p.tip.roundness = roundness;
        p.tip.spacing = spacing;
        auto brush =
            std::make_shared<SampledBrush>(name, *stored, SampleShaping{diameter, roundness});
        brush->setPreset(std::make_shared<const BrushPreset>(p));
        return brush;
    };
    // What reading each file gave, written as the cataloguer writes it.
    auto write = [&](const QString& path, const std::vector<BrushPtr>& brushes) {
        CataloguedFile file;
        file.path = path;
        file.version = 6;
        file.facts = *StatRegularFile(path);
        file.sha256 = FileSha256(path, &file.error);
        for (size_t i = 0; i < brushes.size(); ++i)
            file.brushes.push_back(CatalogueRow(*brushes[i], int(i)));
        CLibraryConnection c(library);
        ASSERT_TRUE(c.beginWrite());
        EXPECT_TRUE(WriteCataloguedFile(c, file));
        ASSERT_TRUE(c.commit());
    };
    const QString markers = home.file(QStringLiteral("Markers.abr"), "one");
    // As a build that listed tips catalogued it, with a star on "Wet Marker 01": the star
    // waits by name until the file is read again, then goes to the preset of that name.
    write(markers, {preset(QStringLiteral("Wet Marker 01") + QChar(0), 100, 100, 25),
                    preset(QStringLiteral("Orphan"), 20, 100, 25)});
    QString error;
    ASSERT_TRUE(CLibrary(library).setStarred(markers, 0, true, &error)) << qPrintable(error);
    {
        CLibraryConnection c(library);
        for (const char* sql :
             {"DROP TABLE star_names", "ALTER TABLE brushes DROP COLUMN diameter",
              "ALTER TABLE brushes DROP COLUMN spacing", "PRAGMA user_version = 2"})
            ASSERT_TRUE(c.exec(QLatin1String(sql))) << sql;
    }
    ASSERT_TRUE(PrepareLibrary(library).available);
    EXPECT_FALSE(CLibrary(library).isStarred(markers, 0));
    write(markers, {preset(QStringLiteral("Big Marker 01") + QChar(0), 87, 100, 10),
                    preset(QStringLiteral("Wet Marker 01") + QChar(0), 100, 80, std::nullopt),
                    preset(QStringLiteral("Big Marker 02") + QChar(0), 90, 80, 25)});
    write(home.file(QStringLiteral("Other.abr"), "two"),
          {preset(QStringLiteral("Elsewhere"), 30, 100, 5)});

    CLibrary lib(library);
    EXPECT_TRUE(lib.isStarred(markers, 1));
    EXPECT_FALSE(lib.isStarred(markers, 0));
    const std::vector<LibraryBrush> big = lib.searchBrushNames(QStringLiteral("Big Marker 01"));
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].name, QStringLiteral("Big Marker 01"));
    EXPECT_EQ(big[0].kind, TipKind::Sampled);
    EXPECT_EQ(big[0].diameter, 87);
    EXPECT_EQ(big[0].spacing, 10);
    const std::vector<LibraryBrush> wet = lib.searchBrushNames(QStringLiteral("wet marker"));
    ASSERT_EQ(wet.size(), 1u);
    EXPECT_EQ(wet[0].position, 1);
    EXPECT_FALSE(wet[0].spacing);
    EXPECT_EQ(lib.searchBrushNames(QStringLiteral("marker")).size(), 3u);

    const std::vector<DuplicateTips> tips = lib.duplicateTips();
    ASSERT_EQ(tips.size(), 1u);
    QStringList names;
    for (const LibraryBrush& brush : tips[0].brushes)
        names << brush.name.value_or(QString());
    EXPECT_EQ(names, (QStringList{"Big Marker 01", "Wet Marker 01", "Big Marker 02", "Elsewhere"}));
}
