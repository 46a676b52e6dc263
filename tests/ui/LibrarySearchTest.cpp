#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"
#include "ui/grid/BrushFileView.h"
#include "ui/library/LibraryController.h"
#include "ui/library/LibraryResultsModel.h"
#include "ui/library/LibraryResultsView.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModels.h"
#include "ui/window/BrushWindow.h"

#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStatusBar>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// A window over a sandbox whose data folder holds its own library (or, with noLibrary, a file
// where the library's folder should be, so there can be none).
struct LibraryWindow
{
    Sandbox box;
    QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    std::unique_ptr<BrushWindow> window;
    FoundFileOutlineModel* found = nullptr;

    explicit LibraryWindow(bool noLibrary = false)
    {
        qputenv("XDG_DATA_HOME", noLibrary ? box.write(QStringLiteral("data"), "a file").toUtf8()
                                           : box.path(QStringLiteral("data")).toUtf8());
        window = std::make_unique<BrushWindow>();
        found = new FoundFileOutlineModel({}, box.path(QString()));
        window->setOutlineModels(found, new InstalledFileOutlineModel({}), {},
                                 {box.path(QString())});
        window->show();
    }
    ~LibraryWindow()
    {
        window.reset();
        qputenv("XDG_DATA_HOME", oldDataHome);
    }

    QString addFile(const QString& name, const QStringList& brushNames)
    {
        std::vector<SampledBrushDescription> brushes;
        for (const QString& brush : brushNames)
            brushes.push_back({brush, 24, 24});
        QDir().mkpath(QFileInfo(box.path(name)).path());
        const QString path = box.write(name, SampledBrushFile(brushes));
        found->addItems({path}, {FileNodeFlags{FileNodeFlags::eExists | FileNodeFlags::eIsFile}});
        return path;
    }
    // The library is made ready on a thread; the window carries on once it is.
    LibraryController* startLibrary()
    {
        window->startLibrary();
        LibraryController* library = window->libraryController();
        EXPECT_TRUE(WaitUntil([&] { return library->isReady(); }));
        return library;
    }
    void type(const QString& text) { window->outlineFilterField()->setText(text); }
    QString heading()
    {
        LibraryResultsView* results = window->libraryResults();
        return results ? results->heading() : QString();
    }
    QStringList resultNames()
    {
        QStringList names;
        LibraryResultsView* results = window->libraryResults();
        for (int row = 0; results && row < results->model()->rowCount(); ++row)
            names << results->model()->index(row).data().toString();
        return names;
    }
};

} // namespace

// Reports the search made before the library was ready are catalogued with the rest; the status
// line speaks of the work while there is some.
TEST(LibrarySearch, CataloguesWhatTheSearchFoundBeforeTheLibraryWasReady)
{
    LibraryWindow w;
    w.addFile(QStringLiteral("Inks.abr"), {QStringLiteral("Dry Ink"), QStringLiteral("Éclat")});
    w.addFile(QStringLiteral("sub/Rounds.abr"), {QStringLiteral("ECLAT round")});
    LibraryController* library = w.window->libraryController();
    const auto search =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), {w.box.path({})});
    ASSERT_TRUE(search);
    library->followSearch(search.get());
    ASSERT_TRUE(search->run(false));
    ASSERT_TRUE(WaitUntil([&] { return !search->isInInitialSearch(); }));

    w.startLibrary();
    ASSERT_NE(library->cataloguer(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return library->library()->totals().brushes == 3; }));
    EXPECT_TRUE(WaitUntil([&] { return library->cataloguer()->isIdle(); }));

    QLabel* status = w.window->catalogueStatus();
    Q_EMIT library->cataloguer()->progress(1234, 5678);
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->text(), QStringLiteral("Cataloguing brushes… 1,234 of 5,678 files"));
    Q_EMIT library->cataloguer()->progress(5678, 5678);
    EXPECT_FALSE(status->isVisible());
    Q_EMIT library->cataloguer()->progress(1, 2);
    Q_EMIT library->cataloguer()->idle();
    EXPECT_FALSE(status->isVisible());
}

// The field finds brushes across the library by name, folded for case and accents; opening one
// shows its file with that brush selected; clearing the field brings the grid back.
TEST(LibrarySearch, TypingFindsBrushesByNameAndOpeningOneSelectsItInItsFile)
{
    LibraryWindow w;
    const QString inks =
        w.addFile(QStringLiteral("Inks.abr"), {QStringLiteral("Dry Ink"), QStringLiteral("Éclat")});
    const QString rounds =
        w.addFile(QStringLiteral("Rounds.abr"),
                  {QStringLiteral("Soft"), QStringLiteral("Hard"), QStringLiteral("ECLAT round")});
    LibraryController* library = w.startLibrary();
    library->cataloguer()->catalogue({inks, rounds});
    ASSERT_TRUE(WaitUntil([&] { return library->library()->totals().brushes == 5; }));
    QAbstractItemModelTester tester(w.window->findChild<LibraryResultsModel*>(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);

    for (const QString& text : {QStringLiteral("eclat"), QStringLiteral("ÉCLAT")}) {
        w.type(text);
        ASSERT_TRUE(WaitUntil([&] { return w.heading().contains(text); })) << qPrintable(text);
        EXPECT_EQ(w.heading(), QStringLiteral("Brushes named “%1” in the library — 2").arg(text));
        EXPECT_EQ(w.resultNames(), QStringList({"Éclat", "ECLAT round"}));
    }
    // Results on screen grow with the library, and Tab reaches them past the narrowing box.
    library->cataloguer()->catalogue(
        {w.addFile(QStringLiteral("More.abr"), {QStringLiteral("éclat pointu")})});
    ASSERT_TRUE(WaitUntil([&] { return w.resultNames().size() == 3; }));
    EXPECT_EQ(w.resultNames(), QStringList({"Éclat", "éclat pointu", "ECLAT round"}));
    QApplication::setActiveWindow(w.window.get());
    w.window->outlineFilterField()->setFocus();
    QTest::keyClick(w.window->outlineFilterField(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.window->libraryResults()->listView());

    w.type(QStringLiteral("nothing like it"));
    ASSERT_TRUE(WaitUntil([&] { return w.resultNames().isEmpty(); }));
    EXPECT_EQ(w.heading(), QStringLiteral("No brushes named “nothing like it” in the library"));

    w.type(QStringLiteral("round"));
    ASSERT_TRUE(WaitUntil([&] { return w.resultNames() == QStringList({"ECLAT round"}); }));
    QListView* list = w.window->libraryResults()->listView();
    EXPECT_EQ(list->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
              QStringLiteral("ECLAT round\n") + rounds);
    // Starred from its context menu: the results show it at once.
    Q_EMIT w.window->libraryResults()->starRequested(rounds, 2, true);
    EXPECT_TRUE(list->model()->index(0, 0).data(LibraryResultsModel::eStarredRole).toBool());
    EXPECT_TRUE(library->library()->isStarred(rounds, 2));
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(w.window->libraryResults(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !w.window->fileView()->selectedIndexes().isEmpty(); }));
    EXPECT_EQ(w.window->getDisplayedFilePath(), rounds);
    EXPECT_EQ(w.window->fileView()->selectedIndexes(), QList<int>({2}));

    // A file picked in the outline takes the results' place; clearing the field leaves the file
    // on display as it was.
    w.type(QStringLiteral("ink"));
    ASSERT_TRUE(WaitUntil([&] { return w.resultNames() == QStringList({"Dry Ink"}); }));
    EXPECT_EQ(w.window->getDisplayedFilePath(), rounds);
    w.window->getFileOutline()->selectFileByPath(inks);
    EXPECT_EQ(w.window->libraryResults(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return w.window->getDisplayedFilePath() == inks; }));
    w.type(QStringLiteral("dry"));
    ASSERT_TRUE(WaitUntil([&] { return w.resultNames() == QStringList({"Dry Ink"}); }));
    w.type(QString());
    ASSERT_TRUE(WaitUntil([&] { return w.window->libraryResults() == nullptr; }));
    EXPECT_EQ(w.window->getDisplayedFilePath(), inks);
    EXPECT_EQ(w.window->getFileOutline()->getPathOfSelectedItem(), inks);
}

// The library is checked on a thread: until it is ready the window works without it and says
// so; then it catalogues, narrows, and tells once that a damaged library was set aside.
TEST(LibrarySearch, TheWindowCarriesOnOnceTheCheckedLibraryIsReady)
{
    LibraryWindow w;
    const QString path = w.box.path(QStringLiteral("data/kelbrin/library.sqlite"));
    QDir().mkpath(QFileInfo(path).path());
    w.box.write(QStringLiteral("data/kelbrin/library.sqlite"), QByteArray(8192, 'x'));
    const QString inks = w.addFile(QStringLiteral("Inks.abr"), {QStringLiteral("Dry Ink")});
    LibraryController* library = w.window->libraryController();
    auto* narrowing = w.window->findChild<QComboBox*>(QStringLiteral("outlineNarrowing"));

    w.window->startLibrary();
    EXPECT_FALSE(library->isReady());
    EXPECT_EQ(library->library(), nullptr);
    EXPECT_EQ(library->cataloguer(), nullptr);
    QString error;
    EXPECT_FALSE(library->setStarred(inks, -1, true, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("not ready"))) << qPrintable(error);
    w.found->finishedQueryFirstPhase();
    EXPECT_FALSE(narrowing->isEnabled());

    ASSERT_TRUE(WaitUntil([&] { return library->isReady(); }));
    ASSERT_NE(library->cataloguer(), nullptr);
    EXPECT_TRUE(narrowing->isEnabled());
    const QString message = w.window->statusBar()->currentMessage();
    EXPECT_TRUE(message.contains(QStringLiteral("was damaged"))) << qPrintable(message);
    EXPECT_EQ(QDir(QFileInfo(path).path())
                  .entryList({QStringLiteral("library.sqlite.broken-*")}, QDir::Files)
                  .size(),
              1);
    library->cataloguer()->catalogue({inks});
    ASSERT_TRUE(WaitUntil([&] { return library->library()->totals().brushes == 1; }));
    EXPECT_TRUE(library->setStarred(inks, -1, true));
    w.type(QStringLiteral("dry"));
    ASSERT_TRUE(WaitUntil([&] { return w.resultNames() == QStringList({"Dry Ink"}); }));
}

// Text typed before the library is ready filters file names; once it is, it finds brushes too.
TEST(LibrarySearch, TextTypedBeforeTheLibraryIsReadyFindsBrushesOnceItIs)
{
    LibraryWindow w;
    const QString inks = w.addFile(QStringLiteral("Inks.abr"), {QStringLiteral("Dry Ink")});
    {
        ASSERT_TRUE(PrepareLibrary(DefaultLibraryPath()).available);
        CBrushCataloguer cataloguer(DefaultLibraryPath(), 1);
        cataloguer.catalogue({inks});
        ASSERT_TRUE(WaitUntil([&] { return cataloguer.isIdle(); }));
    }
    w.type(QStringLiteral("dry"));
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("dry"); }));
    w.window->startLibrary();
    EXPECT_TRUE(WaitUntil([&] { return w.resultNames() == QStringList({"Dry Ink"}); }));
}

// The library's owner, gone while the library is being checked (as the window goes when the
// user quits), goes cleanly at any point of the check and leaves the library whole.
TEST(LibrarySearch, QuittingWhileTheLibraryIsCheckedIsClean)
{
    Sandbox box;
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", box.path(QStringLiteral("data")).toUtf8());
    for (int round = 0; round < 20; ++round) {
        auto library = std::make_unique<LibraryController>();
        library->startCataloguing();
        // Gone before the check ends, as it ends, or with its result on the way.
        QElapsedTimer clock;
        clock.start();
        while (clock.nsecsElapsed() < round * 200000)
            QCoreApplication::processEvents();
        library.reset();
    }
    const LibraryStatus status = PrepareLibrary(DefaultLibraryPath());
    qputenv("XDG_DATA_HOME", oldDataHome);
    EXPECT_TRUE(status.available);
    EXPECT_FALSE(status.setAside) << qPrintable(status.message);
}

// With no library the field still filters the outlines by file name, and the user is told once.
TEST(LibrarySearch, WithoutALibraryTheFieldFiltersFileNamesAlone)
{
    LibraryWindow w(true);
    w.startLibrary();
    EXPECT_EQ(w.window->libraryController()->cataloguer(), nullptr);
    EXPECT_FALSE(w.window->statusBar()->currentMessage().isEmpty());
    w.type(QStringLiteral("charc"));
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("charc"); }));
    EXPECT_EQ(w.window->libraryResults(), nullptr);
}

// Text that names a file but no brush finds the file: its folder opens to show it, and the grid
// keeps the file on display instead of saying the library has no such brush.
TEST(LibrarySearch, AFileNameThatNamesNoBrushOpensItsFolderAndKeepsTheGrid)
{
    LibraryWindow w;
    const QString inks = w.addFile(QStringLiteral("Inks.abr"), {QStringLiteral("Dry Ink")});
    const QString charcoal =
        w.addFile(QStringLiteral("Packs/2021/Charcoal.abr"), {QStringLiteral("Soft")});
    w.addFile(QStringLiteral("Packs/Pastel.abr"), {QStringLiteral("Hard")});
    LibraryController* library = w.startLibrary();
    library->cataloguer()->catalogue({inks, charcoal});
    ASSERT_TRUE(WaitUntil([&] { return library->library()->totals().brushes == 2; }));
    w.window->doOpenFile(inks);
    ASSERT_TRUE(WaitUntil([&] { return !w.window->isReadingFile(); }));

    w.type(QStringLiteral("charc"));
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("charc"); }));
    EXPECT_EQ(w.window->libraryResults(), nullptr) << w.heading().toStdString();
    EXPECT_EQ(w.window->getDisplayedFilePath(), inks);
    FileOutlineView* outline = w.window->getFileOutline();
    QModelIndex row = outline->model()->index(0, 0);
    while (row.isValid() && row.data(OutlineModel::IsFolderRole).toBool()) {
        EXPECT_TRUE(outline->isExpanded(row)) << row.data().toString().toStdString();
        row = outline->model()->index(0, 0, row);
    }
    EXPECT_EQ(row.data(OutlineModel::PathRole).toString(), charcoal);

    // Text that names nothing at all still says so.
    w.type(QStringLiteral("nothing"));
    ASSERT_TRUE(WaitUntil([&] { return w.heading().contains(QStringLiteral("nothing")); }));
    EXPECT_EQ(w.heading(), QStringLiteral("No brushes named “nothing” in the library"));
}

// A disk that fills while the window catalogues switches the library off: one message in the
// status line naming the library file, no cataloguer left, and the field filters file names.
TEST(LibrarySearch, ADiskThatFillsSwitchesTheLibraryOffWithOneMessage)
{
    LibraryWindow w;
    LibraryController* library = w.startLibrary();
    ASSERT_NE(library->cataloguer(), nullptr);
    QStringList files;
    for (int i = 0; i < 60; ++i)
        files << w.box.write(
            QStringLiteral("Soft %1.abr").arg(i),
            SampledBrushFile(NamedBrushes(QStringLiteral("Soft %1").arg(i), 3, 48, 48)));
    const QString path = library->status().path;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = rlim_t(QFileInfo(path).size() + 64 * 1024);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    library->cataloguer()->catalogue(files);
    const bool off = WaitUntil([&] { return library->cataloguer() == nullptr; });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousSignal);

    ASSERT_TRUE(off);
    EXPECT_EQ(library->library(), nullptr);
    EXPECT_TRUE(w.window->statusBar()->currentMessage().startsWith(
        QStringLiteral("The brush library ") + path + QStringLiteral(" cannot be written")))
        << qPrintable(w.window->statusBar()->currentMessage());
    w.type(QStringLiteral("soft"));
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("soft"); }));
    EXPECT_EQ(w.window->libraryResults(), nullptr);
}
