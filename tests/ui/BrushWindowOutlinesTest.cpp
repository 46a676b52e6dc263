#include "ui/BrushFileView.h"
#include "ui/BrushWindow.h"
#include "ui/FileOutlineView.h"
#include "ui/OutlineSources.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
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
    FoundFileOutlineSource* found;
    InstalledFileOutlineSource* installed;
    QStringList alerts;

    OutlinedWindow()
        : found(new FoundFileOutlineSource({}, box.path(QString()))),
          installed(new InstalledFileOutlineSource({}))
    {
        qputenv("XDG_DATA_HOME", box.path(QStringLiteral("data")).toUtf8());
        window.setOutlineSources(found, installed, {}, {box.path(QString())});
        window.setAlertHandlerForTesting(
            [this](const QString& message, const QString&) { alerts << message; });
        window.show();
    }
    ~OutlinedWindow()
    {
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

TEST(BrushWindowOutlines, SelectingAFileShowsItAndFocusClearsTheOtherOutline)
{
    OutlinedWindow w;
    const QString path = w.add(QStringLiteral("brushes/x.abr"));
    ASSERT_TRUE(w.window.getFileOutline()->selectFileByPath(path));
    EXPECT_EQ(w.window.getDisplayedFilePath(), path);
    // No application to install into: install stays off, trash and export are on.
    EXPECT_FALSE(w.window.installToolbarAction()->isEnabled());
    EXPECT_TRUE(w.window.trashToolbarAction()->isEnabled());
    EXPECT_TRUE(w.window.exportToolbarAction()->isEnabled());

    // The installed outline has no applications, so nothing of it is shown there; focusing it
    // still clears the other outline's selection.
    Q_EMIT w.window.getInstalledFileOutline()->outlineViewAcceptingFocus(
        w.window.getInstalledFileOutline());
    EXPECT_EQ(w.window.getFileOutline()->getPathOfSelectedItem(), QString());

    // A file opened by hand is selected in the outline that holds it.
    w.window.doOpenFile(path);
    EXPECT_EQ(w.window.getFileOutline()->getPathOfSelectedItem(), path);
}

TEST(BrushWindowOutlines, TrashMovesTheSelectedFileAndClearsTheSelection)
{
    OutlinedWindow w;
    const QString path = w.add(QStringLiteral("brushes/old.abr"));
    ASSERT_TRUE(w.window.getFileOutline()->selectFileByPath(path));
    w.window.trashToolbarAction()->trigger();
    EXPECT_TRUE(w.alerts.isEmpty()) << w.alerts.join('\n').toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QFileInfo::exists(w.box.path(QStringLiteral("data/Trash/files/old.abr"))));
    EXPECT_EQ(w.window.getFileOutline()->getPathOfSelectedItem(), QString());

    // A file that is already gone cannot be trashed: one alert.
    w.window.trashItem(w.window.getFileOutline(), path);
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
