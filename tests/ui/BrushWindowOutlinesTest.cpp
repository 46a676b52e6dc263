#include "ui/common/FileManagerLauncher.h"
#include "ui/grid/BrushFileView.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModels.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/WindowMenus.h"

#include "support/AbrWriter.h"
#include "support/ForeignResources.h"
#include "support/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

const FileNodeFlags kFile{FileNodeFlags::eExists | FileNodeFlags::eIsFile};

QByteArray OneBrush()
{
    AbrWriter w;
    w.u16(2).u16(1);
    w.computedRecord(true, QStringLiteral("tip"), 12, 100, 0, 50);
    return w.data();
}

// A window whose outlines are fed by hand, as the search would feed them, over a sandbox that
// stands for the home folder (its trash included).
struct OutlinedWindow
{
    Sandbox box;
    QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    BrushWindow window;
    FoundFileOutlineModel* found;
    InstalledFileOutlineModel* installed;
    QStringList alerts;

    QStringList revealed;

    // apps: install into a GIMP whose folders are in the sandbox.
    explicit OutlinedWindow(bool gimp = false)
        : found(new FoundFileOutlineModel({}, box.path(QString()))),
          installed(new InstalledFileOutlineModel({}))
    {
        qputenv("XDG_DATA_HOME", box.path(QStringLiteral("data")).toUtf8());
        PaintingAppList apps;
        if (gimp)
            apps.push_back(PaintingApp::paintingAppWithFolders(
                PaintingApp::Kind::Gimp, 2, box.path("GIMP/2.10"), box.path("GIMP/2.10/brushes")));
        window.setOutlineModels(found, installed, apps, {box.path(QString())});
        window.setAlertHandlerForTesting(
            [this](const QString& message, const QString&) { alerts << message; });
        window.fileActions()->setConfirmHandlerForTesting(
            [](const QString&, const QString&) { return true; });
        SetFileManagerHandlerForTesting(
            [this](const QString&, const QString& p) { revealed << p; });
        window.show();
        QApplication::setActiveWindow(&window);
    }
    ~OutlinedWindow()
    {
        SetFileManagerHandlerForTesting({});
        if (oldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldDataHome);
    }

    QString add(const QString& name)
    {
        QDir().mkpath(QFileInfo(box.path(name)).path());
        const QString path = box.write(name, OneBrush());
        found->addItems({path}, {kFile});
        installed->addItems({path}, {kFile});
        return path;
    }
};

TEST(BrushWindowOutlines, SearchingThenEmptyThenFilesInTheOutline)
{
    OutlinedWindow w;
    auto* placeholder = w.window.findChild<QLabel*>(QStringLiteral("outlinePlaceholder"));
    ASSERT_NE(placeholder, nullptr);
    EXPECT_TRUE(placeholder->isVisible());
    EXPECT_EQ(placeholder->text(), QStringLiteral("Searching for brush files…"));
    w.found->finishedQueryFirstPhase();
    EXPECT_TRUE(placeholder->text().startsWith(QStringLiteral("No brush files found in:\n")));
    w.add(QStringLiteral("a/x.abr"));
    EXPECT_FALSE(placeholder->isVisible());
}

QString FocusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Tab goes down the left side and across without touching the selection or the grid; Ctrl+F
// reaches the filter from anywhere. Then the mouse-free walk: find, open, install, reveal, trash.
TEST(BrushWindowOutlines, KeyboardAloneFindsOpensInstallsRevealsAndTrashes)
{
    OutlinedWindow w(true);
    BrushWindow& window = w.window;
    const QString path = w.add(QStringLiteral("a/Charcoal.abr"));
    w.add(QStringLiteral("b/Watercolour.abr"));
    ASSERT_TRUE(window.getFileOutline()->selectFileByPath(path));
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    const BrushFilePtr shown = window.fileView()->getBrushFile();
    window.getFileOutline()->setFocus(Qt::OtherFocusReason);
    QStringList stops;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << FocusName();
    }
    EXPECT_EQ(stops, QStringList({"outlineFilter", "outlineNarrowing", "fileView",
                                  "installedFileOutline", "fileOutline"}));
    EXPECT_EQ(window.fileView()->getBrushFile(), shown);
    EXPECT_EQ(window.getFileOutline()->getPathOfSelectedItem(), path);

    window.getFileOutline()->selectFileByPath(QString());
    window.outlineFilterField()->setText(QStringLiteral("old text"));
    QTest::keyClick(window.fileView(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(FocusName(), QStringLiteral("outlineFilter"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("charc")); // replaces "old text"
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("charc"); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(FocusName(), QStringLiteral("fileOutline"));
    for (int i = 0; i < 4 && window.getDisplayedFilePath() != path; ++i) {
        QTest::keyClick(window.getFileOutline(), Qt::Key_Down);
        QTest::keyClick(window.getFileOutline(), Qt::Key_Right); // opens a folder
        if (window.getFileOutline()->getPathOfSelectedItem().isEmpty())
            QTest::keyClick(window.getFileOutline(), Qt::Key_Space); // the row is current already
    }
    ASSERT_EQ(window.getDisplayedFilePath(), path);

    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(window.fileActionMessage().startsWith("“Charcoal.abr” was installed in GIMP 2.10."))
        << window.fileActionMessage().toStdString();
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(w.revealed, QStringList{path});
    QTest::keyClick(&window, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(window.getDisplayedFilePath(), QString());
    EXPECT_EQ(window.fileActionMessage(), "“Charcoal.abr” was moved to the trash.");
    // Ctrl+Z while the status line offers Undo gives it back, on display again.
    ASSERT_TRUE(window.fileActions()->undoTrashButton()->isVisibleTo(&window));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier); // an animated click
    ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(path); }));
    EXPECT_EQ(window.getDisplayedFilePath(), path);
    EXPECT_EQ(window.fileActionMessage(),
              "“Charcoal.abr” is back in " + QFileInfo(path).dir().dirName() + ".");
    EXPECT_FALSE(window.fileActions()->undoTrashButton()->isVisibleTo(&window));
    EXPECT_TRUE(w.alerts.isEmpty()) << w.alerts.join('\n').toStdString();
}

// A file opened from elsewhere is what the commands apply to, until it shows up in an outline,
// where it is marked without being read again. A converted pack can go but is not installed.
TEST(BrushWindowOutlines, CommandsApplyToTheFileOnDisplayWhereverItCameFrom)
{
    OutlinedWindow w(true);
    BrushWindow& window = w.window;
    QDir().mkpath(w.box.path(QStringLiteral("new")));
    const QString path = w.box.write(QStringLiteral("new/Ink.abr"), OneBrush());
    window.doOpenFile(path);
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    for (QAction* action :
         {window.menus()->installToolbarAction(), window.menus()->trashToolbarAction(),
          window.menus()->exportToolbarAction(), window.menus()->exportMenuAction(),
          window.menus()->revealMenuAction()})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_EQ(window.menus()->installMenuAction()->text(), "&Install in GIMP");
    EXPECT_EQ(window.menus()->installToolbarAction()->toolTip(), "Install in GIMP");
    EXPECT_EQ(window.getFileOutline()->installAction()->text(), "Install in GIMP");
    window.menus()->revealMenuAction()->trigger();
    EXPECT_EQ(w.revealed, QStringList{path});

    const BrushFilePtr shown = window.fileView()->getBrushFile();
    w.found->addItems({path}, {kFile});
    ASSERT_TRUE(
        WaitUntil([&] { return window.getFileOutline()->getPathOfSelectedItem() == path; }));
    EXPECT_EQ(window.fileView()->getBrushFile(), shown);

    const QString pack = w.box.path(QStringLiteral("packs/Ink"));
    QDir().mkpath(pack);
    window.doOpenFile(pack);
    EXPECT_EQ(window.getFileOutline()->getPathOfSelectedItem(), QString());
    EXPECT_FALSE(window.menus()->installMenuAction()->isEnabled());
    EXPECT_TRUE(window.menus()->trashMenuAction()->isEnabled());
    window.menus()->trashMenuAction()->trigger();
    EXPECT_FALSE(QFileInfo::exists(pack));
    EXPECT_EQ(window.fileActionMessage(), "“Ink” was moved to the trash.");
    EXPECT_FALSE(window.menus()->revealMenuAction()->isEnabled());
}

// What GIMP and Krita keep for themselves shows its tips, and is never offered for the trash:
// not in the menu, not on the toolbar, not by Ctrl+Delete, not when asked directly. The packs
// Kelbrin wrote are.
TEST(BrushWindowOutlines, OtherApplicationsResourcesAreNeverOfferedForTheTrash)
{
    OutlinedWindow w(true);
    BrushWindow& window = w.window;
    const QString brushes = w.box.path(QStringLiteral("GIMP/2.10/brushes"));
    QDir().mkpath(brushes + QStringLiteral("/Downloaded"));
    w.box.write(QStringLiteral("GIMP/2.10/brushes/Downloaded/Round.gbr"),
                SmallGbr(QStringLiteral("Round")));
    const QString bundle =
        WriteKritaOwnBundle(w.box.path(QStringLiteral("Krita_3_Default_Resources.bundle")));
    for (const QString& path : {brushes + QStringLiteral("/Downloaded"), bundle}) {
        window.doOpenFile(path);
        ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
        ASSERT_TRUE(window.fileView()->getBrushFile());
        EXPECT_EQ(window.fileView()->getBrushFile()->count(), 1u) << path.toStdString();
        EXPECT_FALSE(window.menus()->trashMenuAction()->isEnabled());
        EXPECT_FALSE(window.menus()->trashToolbarAction()->isEnabled());
        EXPECT_TRUE(window.menus()->exportToolbarAction()->isEnabled());
        QTest::keyClick(&window, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_TRUE(QFileInfo::exists(path));
    }
    EXPECT_TRUE(w.alerts.isEmpty()) << w.alerts.join('\n').toStdString();
    EXPECT_FALSE(window.fileActions()->trash(bundle));
    EXPECT_EQ(w.alerts, QStringList{"The brush file could not be moved to the Trash."});
    EXPECT_TRUE(QFileInfo::exists(bundle));

    const QString source = w.box.write(QStringLiteral("Ink.abr"), OneBrush());
    window.fileActions()->install(source);
    window.doOpenFile(brushes + QStringLiteral("/Ink"));
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    EXPECT_TRUE(window.menus()->trashMenuAction()->isEnabled());
    QTest::keyClick(&window, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_FALSE(QFileInfo::exists(brushes + QStringLiteral("/Ink")));
}

// A file on display that is written over (a newer version copied in) is read again.
TEST(BrushWindowOutlines, AFileWrittenWhileOnDisplayIsReadAgain)
{
    OutlinedWindow w;
    BrushWindow& window = w.window;
    const QString path = w.add(QStringLiteral("Inks/Ink.abr"));
    window.doOpenFile(path);
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    ASSERT_EQ(window.fileView()->getBrushFile()->count(), 1u);

    AbrWriter three;
    three.u16(2).u16(3);
    for (const char* name : {"a", "b", "c"})
        three.computedRecord(true, QString::fromUtf8(name), 9, 100, 0, 100);
    w.box.write(QStringLiteral("Inks/Ink.abr"), three.data());
    w.found->changedItems({w.box.path(QStringLiteral("Inks/Other.abr"))});
    EXPECT_EQ(window.fileView()->getBrushFile()->count(), 1u);
    w.found->changedItems({path});
    ASSERT_TRUE(WaitUntil([&] {
        return !window.isReadingFile() && window.fileView()->getBrushFile() &&
               window.fileView()->getBrushFile()->count() == 3;
    }));
}

// The status line says what is on display now, and a command's result goes with the next file.
TEST(BrushWindowOutlines, StatusLineFollowsEveryChangeOfFileFolderAndCommand)
{
    OutlinedWindow w;
    BrushWindow& window = w.window;
    const QString path = w.add(QStringLiteral("a/x.abr"));
    ASSERT_TRUE(window.getFileOutline()->selectFileByPath(path));
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    EXPECT_EQ(window.statusText(), QStringLiteral("1 brush (0 sampled, 1 computed)"));
    window.getFileOutline()->selectFileByPath(QFileInfo(path).path());
    EXPECT_EQ(window.statusText(), QString());

    // Gone before it could be opened: nothing is being read, and export has nothing to give.
    window.doOpenFile(w.box.path(QStringLiteral("gone.abr")));
    EXPECT_FALSE(window.isReadingFile());
    EXPECT_EQ(window.statusText(), QStringLiteral("0 brushes"));
    EXPECT_FALSE(window.menus()->exportMenuAction()->isEnabled());

    const QString other = w.box.write(QStringLiteral("other.abr"), OneBrush());
    const QString doomed = w.box.write(QStringLiteral("doomed.abr"), OneBrush());
    window.doOpenFile(doomed);
    window.menus()->trashToolbarAction()->trigger();
    EXPECT_FALSE(window.fileActionMessage().isEmpty());
    window.doOpenFile(other);
    EXPECT_EQ(window.fileActionMessage(), QString());

    // Deleted behind Kelbrin's back while shown from outside the outlines.
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    QFile::remove(other);
    EXPECT_TRUE(WaitUntil([&] { return window.getDisplayedFilePath().isEmpty(); }, 5000));
    EXPECT_EQ(window.statusText(), QString());
}

// With no file manager and no xdg-open, reveal says so and names the folder.
TEST(BrushWindowOutlines, RevealWithNothingToShowItSaysWhere)
{
    OutlinedWindow w;
    const QString path = w.add(QStringLiteral("a/x.abr"));
    QStringList said;
    SetFileManagerUnavailableForTesting([&](const QString& message, const QString& informative) {
        said << message << informative;
    });
    ASSERT_TRUE(w.window.getFileOutline()->selectFileByPath(path));
    w.window.menus()->revealMenuAction()->trigger();
    SetFileManagerUnavailableForTesting({});
    ASSERT_EQ(said.size(), 2);
    EXPECT_EQ(said[0], QStringLiteral("No file manager could show “x.abr”."));
    EXPECT_TRUE(said[1].endsWith('\n' + QFileInfo(path).path())) << said[1].toStdString();
}

TEST(BrushWindowOutlines, TrashMovesTheSelectedFileAndClearsTheSelection)
{
    OutlinedWindow w;
    const QString path = w.add(QStringLiteral("brushes/old.abr"));
    ASSERT_TRUE(w.window.getFileOutline()->selectFileByPath(path));
    w.window.menus()->trashToolbarAction()->trigger();
    EXPECT_TRUE(w.alerts.isEmpty()) << w.alerts.join('\n').toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QFileInfo::exists(w.box.path(QStringLiteral("data/Trash/files/old.abr"))));
    EXPECT_EQ(w.window.getFileOutline()->getPathOfSelectedItem(), QString());

    // A file that is already gone cannot be trashed: one alert.
    w.window.trashItem(path);
    EXPECT_EQ(w.alerts.size(), 1);
}

TEST(BrushWindowOutlines, TheFilterNarrowsTheOutlineByName)
{
    OutlinedWindow w;
    w.add(QStringLiteral("a/Charcoal.abr"));
    w.add(QStringLiteral("b/Watercolour.abr"));
    w.window.outlineFilterField()->setText(QStringLiteral("char"));
    ASSERT_TRUE(WaitUntil([&] { return w.found->nameFilter() == QStringLiteral("char"); }));
    w.window.getFileOutline()->expandAll();
    EXPECT_TRUE(
        w.window.getFileOutline()->selectFileByPath(w.box.path(QStringLiteral("a/Charcoal.abr"))));
    EXPECT_FALSE(w.window.getFileOutline()->selectFileByPath(
        w.box.path(QStringLiteral("b/Watercolour.abr"))));
}

} // namespace
