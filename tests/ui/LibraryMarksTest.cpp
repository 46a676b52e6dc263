#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"
#include "ui/dialogs/TagsDialog.h"
#include "ui/grid/BrushFileView.h"
#include "ui/library/DuplicatesDialog.h"
#include "ui/library/DuplicatesModel.h"
#include "ui/library/LibraryController.h"
#include "ui/library/MarksController.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModels.h"
#include "ui/outline/OutlinesController.h"
#include "ui/window/BrushWindow.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

const FileNodeFlags kFile{FileNodeFlags::eExists | FileNodeFlags::eIsFile};

// Computed tips: one per diameter, so files share a tip exactly when they share a diameter.
QByteArray Tips(std::initializer_list<uint16_t> diameters)
{
    AbrWriter w;
    w.u16(2).u16(uint16_t(diameters.size()));
    for (uint16_t d : diameters)
        w.computedRecord(true, QStringLiteral("round %1").arg(d), d, 100, 0, 50);
    return w.data();
}

// A window over a sandbox whose found-files outline is fed by hand and whose library (in the
// sandbox's data folder, with the trash) is filled by a cataloguer of the test's own.
struct MarkedWindow
{
    Sandbox box;
    QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    std::unique_ptr<BrushWindow> window;
    FoundFileOutlineModel* found = nullptr;
    QStringList alerts;

    // blocked: a file stands where the data folder should be, so there is no library.
    explicit MarkedWindow(bool blocked = false)
    {
        const QString data =
            blocked ? box.write(QStringLiteral("data"), "x") : box.path(QStringLiteral("data"));
        qputenv("XDG_DATA_HOME", data.toUtf8());
        window = std::make_unique<BrushWindow>();
        found = new FoundFileOutlineModel({}, box.path(QString()));
        window->setOutlineModels(found, new InstalledFileOutlineModel({}), {},
                                 {box.path(QString())});
        window->setAlertHandlerForTesting(
            [this](const QString& message, const QString&) { alerts << message; });
        window->show();
        // Asking for the library starts making it ready, on a thread.
        window->libraryController()->library();
        EXPECT_TRUE(WaitUntil([&] { return window->libraryController()->isReady(); }));
    }
    ~MarkedWindow()
    {
        mCataloguer.reset();
        window.reset();
        if (oldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldDataHome);
    }

    CLibrary& library() { return *window->libraryController()->library(); }

    // Writes the files, shows them in the outline and catalogues them.
    QStringList add(const std::vector<std::pair<QString, QByteArray>>& files)
    {
        QStringList paths;
        for (const auto& [name, bytes] : files) {
            QDir().mkpath(QFileInfo(box.path(name)).path());
            paths << box.write(name, bytes);
        }
        for (const QString& path : paths)
            found->addItems({path}, {kFile});
        found->finishedQueryFirstPhase();
        cataloguer().catalogue(paths);
        EXPECT_TRUE(WaitUntil([&] { return cataloguer().isIdle(); }));
        return paths;
    }

    // Renames the file on disk, in the outline and in the library, as the search would.
    QString rename(const QString& path, const QString& name)
    {
        const QString renamed = QFileInfo(path).dir().filePath(name);
        EXPECT_TRUE(QFile::rename(path, renamed));
        found->renameItem(path, renamed);
        cataloguer().move({path}, {renamed});
        EXPECT_TRUE(WaitUntil([&] { return cataloguer().isIdle(); }));
        return renamed;
    }

    CBrushCataloguer& cataloguer()
    {
        if (!mCataloguer)
            mCataloguer =
                std::make_unique<CBrushCataloguer>(window->libraryController()->status().path, 1);
        return *mCataloguer;
    }
    std::unique_ptr<CBrushCataloguer> mCataloguer;

    // The files the found outline shows, all folders open, each as describe puts it, sorted.
    QStringList files(const std::function<QString(const QModelIndex&)>& describe)
    {
        QStringList names;
        std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
            for (int i = 0; i < found->rowCount(parent); ++i) {
                const QModelIndex row = found->index(i, 0, parent);
                if (row.data(OutlineModel::IsFolderRole).toBool())
                    walk(row);
                else
                    names << describe(row);
            }
        };
        walk({});
        names.sort();
        return names;
    }
    // By name, starred ones with a "*".
    QStringList shownFiles()
    {
        return files([](const QModelIndex& row) {
            return row.data().toString() +
                   (row.data(OutlineModel::StarredRole).toBool() ? "*" : "");
        });
    }
    // The tooltips' last lines: "Tags: …" for the files that have some.
    QStringList tooltipTags()
    {
        QStringList tags = files([](const QModelIndex& row) {
            const QString tip = row.data(Qt::ToolTipRole).toString();
            return tip.contains('\n') ? row.data().toString() + " " + tip.section('\n', -1)
                                      : QString();
        });
        tags.removeAll(QString());
        return tags;
    }

    void narrowTo(const QString& text)
    {
        QComboBox* box = window->findChild<QComboBox*>(QStringLiteral("outlineNarrowing"));
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
};

namespace {
// The file through the outline's menu, the brush through the grid's action.
void StarInkAndChalksSecondBrush(MarkedWindow& w, const QStringList& paths)
{
    BrushWindow& window = *w.window;
    FileOutlineView* outline = window.getFileOutline();
    ASSERT_TRUE(outline->selectFileByPath(paths[0]));
    ASSERT_NE(outline->menuForPosition(outline->visualRect(outline->currentIndex()).center()),
              nullptr);
    EXPECT_FALSE(outline->favouriteAction()->isChecked());
    outline->favouriteAction()->trigger();
    EXPECT_TRUE(w.library().isStarred(paths[0], -1));
    ASSERT_TRUE(outline->selectFileByPath(paths[1]));
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    window.fileView()->selectOnly(1);
    ASSERT_TRUE(window.marks()->favouriteBrushAction()->isEnabled());
    window.marks()->favouriteBrushAction()->trigger();
    EXPECT_TRUE(w.library().isStarred(paths[1], 1));
    EXPECT_FALSE(w.library().isStarred(paths[1], 0));
    EXPECT_EQ(window.fileView()->starredIndexes(), QSet<int>({1}));
    EXPECT_TRUE(window.marks()->favouriteBrushAction()->isChecked());
    // A selection that is partly starred is starred whole; once whole, the action unstars it.
    window.fileView()->selectAll();
    EXPECT_FALSE(window.marks()->favouriteBrushAction()->isChecked());
    window.marks()->favouriteBrushAction()->trigger();
    EXPECT_EQ(window.fileView()->starredIndexes(), QSet<int>({0, 1}));
    EXPECT_TRUE(window.marks()->favouriteBrushAction()->isChecked());
    window.marks()->favouriteBrushAction()->trigger();
    EXPECT_TRUE(window.fileView()->starredIndexes().isEmpty());
    EXPECT_FALSE(w.library().isStarred(paths[1], 1));
    window.fileView()->selectOnly(1);
    window.marks()->favouriteBrushAction()->trigger();
    EXPECT_EQ(w.shownFiles(), QStringList({"Chalk.abr", "Ink.abr*", "Oil.abr"}));
}
} // namespace

TEST(LibraryMarks, StarsAndTagsSetInTheWindowReachTheLibraryAndNarrowTheOutline)
{
    MarkedWindow w;
    const QStringList paths = w.add({{QStringLiteral("a/Ink.abr"), Tips({10})},
                                     {QStringLiteral("a/Chalk.abr"), Tips({20, 21})},
                                     {QStringLiteral("b/Oil.abr"), Tips({30})}});
    BrushWindow& window = *w.window;

    ASSERT_NO_FATAL_FAILURE(StarInkAndChalksSecondBrush(w, paths));

    // Tags through the dialog: one typed and added, one left in the field when accepted.
    TagsDialog* dialog = window.marks()->editTags(paths[1]);
    ASSERT_NE(dialog, nullptr);
    dialog->field()->setText(QStringLiteral(" dry  media "));
    dialog->addFromField();
    dialog->field()->setText(QStringLiteral("soft, Dry Media"));
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(w.library().tagsOfFile(paths[1]), QStringList({"dry media", "soft"}));
    EXPECT_EQ(w.tooltipTags(), QStringList({"Chalk.abr Tags: dry media, soft"}));
    // Return in the field adds what it holds and keeps the dialog open; with the field empty
    // it accepts. Remove drops the selected tag.
    dialog = window.marks()->editTags(paths[0]);
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->field(), QStringLiteral("wet"));
    QTest::keyClick(dialog->field(), Qt::Key_Return);
    QTest::keyClicks(dialog->field(), QStringLiteral("ink"));
    QTest::keyClick(dialog->field(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->tags(), QStringList({"wet", "ink"}));
    dialog->list()->item(0)->setSelected(true);
    dialog->removeButton()->click();
    QTest::keyClick(dialog->field(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(w.library().tagsOfFile(paths[0]), QStringList({"ink"}));
    dialog = window.marks()->editTags(paths[2]);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->field()->completer(), nullptr);
    EXPECT_EQ(dialog->field()->completer()->model()->rowCount(), 3);
    dialog->field()->setText(QStringLiteral("soft"));
    dialog->accept();
    // accept() alone does not add the field's words; the button does.
    EXPECT_TRUE(w.library().tagsOfFile(paths[2]).isEmpty());

    w.narrowTo(QStringLiteral("soft"));
    EXPECT_EQ(w.shownFiles(), QStringList({"Chalk.abr"}));
    // Favourites are the starred files and the files of starred brushes.
    w.narrowTo(QStringLiteral("\u2605 Favourites"));
    EXPECT_EQ(w.shownFiles(), QStringList({"Chalk.abr", "Ink.abr*"}));
    // A rename keeps the file in the narrowed outline, its star with it.
    w.rename(paths[0], QStringLiteral("Ink 2.abr"));
    EXPECT_EQ(w.shownFiles(), QStringList({"Chalk.abr", "Ink 2.abr*"}));

    // Removing the last file of the chosen tag takes the outline back to all files.
    w.narrowTo(QStringLiteral("soft"));
    dialog = window.marks()->editTags(paths[1]);
    ASSERT_NE(dialog, nullptr);
    dialog->list()->clear();
    dialog->accept();
    EXPECT_TRUE(w.library().tagsOfFile(paths[1]).isEmpty());
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("outlineNarrowing"))->currentIndex(), 0);
    EXPECT_EQ(w.shownFiles(), QStringList({"Chalk.abr", "Ink 2.abr*", "Oil.abr"}));
    EXPECT_TRUE(w.alerts.isEmpty());
}

// The narrowing works with the name filter, follows a folder's rename, and says when it leaves
// nothing to show.
TEST(LibraryMarks, NarrowingCombinesWithTheFilterAndFollowsAFolderRename)
{
    MarkedWindow w;
    const QStringList paths = w.add({{QStringLiteral("a/Ink.abr"), Tips({10})},
                                     {QStringLiteral("a/Chalk.abr"), Tips({20})},
                                     {QStringLiteral("b/Oil.abr"), Tips({30})}});
    BrushWindow& window = *w.window;
    LibraryController& library = *window.libraryController();
    ASSERT_TRUE(library.setStarred(paths[0], -1, true));
    ASSERT_TRUE(library.setStarred(paths[2], -1, true));
    ASSERT_TRUE(library.setTags(paths[1], {QStringLiteral("chalky")}));
    // The file on display stays when the narrowing leaves it out, and is marked on return.
    ASSERT_TRUE(window.getFileOutline()->selectFileByPath(paths[1]));
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    w.narrowTo(QStringLiteral("\u2605 Favourites"));
    EXPECT_EQ(w.shownFiles(), QStringList({"Ink.abr*", "Oil.abr*"}));
    EXPECT_EQ(window.getDisplayedFilePath(), paths[1]);
    w.narrowTo(QStringLiteral("All files"));
    EXPECT_EQ(window.getFileOutline()->getPathOfSelectedItem(), paths[1]);
    w.narrowTo(QStringLiteral("\u2605 Favourites"));

    window.outlineFilterField()->setText(QStringLiteral("oil"));
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("oil"); }));
    EXPECT_EQ(w.shownFiles(), QStringList({"Oil.abr*"}));
    window.outlineFilterField()->setText(QStringLiteral("chalk"));
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("chalk"); }));
    auto* placeholder = window.findChild<QLabel*>(QStringLiteral("outlinePlaceholder"));
    EXPECT_TRUE(w.shownFiles().isEmpty());
    EXPECT_TRUE(placeholder->isVisibleTo(&window));
    EXPECT_EQ(placeholder->text(), QStringLiteral("No favourite brush file names contain “chalk”"));
    w.narrowTo(QStringLiteral("chalky"));
    EXPECT_EQ(w.shownFiles(), QStringList({"Chalk.abr"}));
    window.outlineFilterField()->clear();
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter().isEmpty(); }));

    // A folder renamed takes its starred file with it, in the outline before the library.
    w.narrowTo(QStringLiteral("\u2605 Favourites"));
    const QString renamed = w.box.path(QStringLiteral("c"));
    ASSERT_TRUE(QDir().rename(w.box.path(QStringLiteral("a")), renamed));
    w.found->renameItem(w.box.path(QStringLiteral("a")), renamed);
    EXPECT_EQ(w.shownFiles(), QStringList({"Ink.abr*", "Oil.abr*"}));
    EXPECT_EQ(w.tooltipTags(), QStringList());
    w.narrowTo(QStringLiteral("All files"));
    EXPECT_EQ(w.tooltipTags(), QStringList({"Chalk.abr Tags: chalky"}));

    w.narrowTo(QStringLiteral("\u2605 Favourites"));
    ASSERT_TRUE(library.setStarred(paths[2], -1, false));
    w.cataloguer().move({w.box.path(QStringLiteral("a"))}, {renamed});
    ASSERT_TRUE(WaitUntil([&] { return w.cataloguer().isIdle(); }));
    ASSERT_TRUE(library.setStarred(renamed + QStringLiteral("/Ink.abr"), -1, false));
    EXPECT_TRUE(w.shownFiles().isEmpty());
    EXPECT_EQ(placeholder->text(), QStringLiteral("No favourite brush files here"));
}

TEST(LibraryMarks, WithoutALibraryTheWindowSaysWhyInsteadOfMarking)
{
    MarkedWindow w(true);
    const QString path = w.box.write(QStringLiteral("Ink.abr"), Tips({10}));
    w.found->addItems({path}, {kFile});
    w.found->finishedQueryFirstPhase();
    BrushWindow& window = *w.window;
    auto* narrowing = window.findChild<QComboBox*>(QStringLiteral("outlineNarrowing"));
    EXPECT_FALSE(narrowing->isEnabled());
    EXPECT_TRUE(narrowing->toolTip().contains(QStringLiteral("cannot be written")))
        << narrowing->toolTip().toStdString();
    window.marks()->setFileStarred(path, true);
    auto* box = window.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), narrowing->toolTip());
    EXPECT_EQ(window.marks()->editTags(path), nullptr);
    EXPECT_EQ(window.marks()->showDuplicates()->emptyLabel()->text(), narrowing->toolTip());
}

TEST(LibraryMarks, DuplicatesListsGroupsOpensAMemberAndDropsAGroupAfterATrash)
{
    MarkedWindow w;
    const QStringList paths = w.add({{QStringLiteral("a/Round.abr"), Tips({10, 11})},
                                     {QStringLiteral("b/Round copy.abr"), Tips({10, 11})},
                                     {QStringLiteral("c/Mixed.abr"), Tips({40, 11})},
                                     {QStringLiteral("c/Alone.abr"), Tips({50})}});
    BrushWindow& window = *w.window;
    DuplicatesDialog* dialog = window.marks()->showDuplicates();
    QAbstractItemModelTester tester(dialog->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(dialog->model()->dump(),
              "Files[Round.abr Round copy.abr] Tips[Round.abr#0 Round copy.abr#0] "
              "Tips[Round.abr#1 Round copy.abr#1 Mixed.abr#1]");

    // Opening the brush of the third group's first member shows its file with it selected.
    QTreeView* view = dialog->view();
    const QModelIndex mixed = dialog->model()->index(2, 0, dialog->model()->index(2, 0));
    view->setCurrentIndex(mixed);
    dialog->openButton()->click();
    ASSERT_TRUE(WaitUntil([&] {
        return window.getDisplayedFilePath() == paths[2] && !window.isReadingFile() &&
               window.fileView()->selectedIndexes() == QList<int>({1});
    }));

    // The copy goes to the trash (Delete, once the dialog is in front again after the open):
    // the files' group and the first tip's are left with one file.
    view->setCurrentIndex(dialog->model()->index(1, 0, dialog->model()->index(0, 0)));
    dialog->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == dialog; }));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_TRUE(w.alerts.isEmpty()) << w.alerts.join('\n').toStdString();
    EXPECT_FALSE(QFileInfo::exists(paths[1]));
    EXPECT_EQ(dialog->model()->dump(), "Tips[Round.abr#1 Mixed.abr#1]");
    // And it is not offered again when the library, not told yet, is asked again.
    window.marks()->showDuplicates();
    EXPECT_EQ(dialog->model()->dump(), "Tips[Round.abr#1 Mixed.abr#1]");

    window.trashItem(paths[2]);
    EXPECT_EQ(dialog->model()->groupCount(), 0);
    EXPECT_TRUE(dialog->emptyLabel()->isVisibleTo(dialog));
    EXPECT_TRUE(
        dialog->emptyLabel()->text().startsWith(QStringLiteral("No duplicates found among ")));
}

} // namespace
