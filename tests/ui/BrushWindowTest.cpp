#include "ui/BrushWindow.h"
#include "ui/BottomDisplay.h"
#include "ui/BrushAppDelegate.h"
#include "ui/BrushFileView.h"
#include "ui/ExportController.h"
#include "ui/FileManagerLauncher.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QByteArray NamedBrushes(const QString& prefix, int count, uint16_t diameter = 12)
{
    AbrWriter w;
    w.u16(2).u16(uint16_t(count));
    for (int i = 0; i < count; ++i)
        w.computedRecord(true, prefix + QString::number(i), diameter, 100, 0, 50);
    return w.data();
}

QStringList GridNames(const BrushWindow& window)
{
    QStringList names;
    if (const BrushFilePtr& file = window.fileView()->getBrushFile())
        for (const BrushPtr& b : file->brushes())
            names << b->name().value_or(QString());
    return names;
}

bool WaitForFinished(BrushWindow& window)
{
    return WaitUntil([&] { return !window.isReadingFile(); });
}

// Answers the next file dialog that opens with a name, ticking the transparency box as asked.
void AnswerExportDialog(const QString& name, bool transparent)
{
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            poll->stop();
            poll->deleteLater();
            if (auto* box = dialog->findChild<QCheckBox*>("transparencyCheckBox"))
                box->setChecked(transparent);
            dialog->selectFile(name);
            QMetaObject::invokeMethod(dialog, "accept");
            return;
        }
    });
    poll->start();
}
} // namespace

TEST(BrushWindow, ShowsAFileAndItsPathThenAFolderThenNothing)
{
    Sandbox box;
    const QString path = box.write("Chalk.abr", NamedBrushes("c", 3));
    BrushWindow window;
    window.setImageFromBrushFile(path);
    ASSERT_TRUE(WaitForFinished(window));
    EXPECT_EQ(GridNames(window), (QStringList{"c0", "c1", "c2"}));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Chalk.abr"));
    EXPECT_EQ(window.bottomDisplay()->path(), path);

    const QString folder = QFileInfo(path).absolutePath();
    window.setImageFromBrushFile(folder);
    EXPECT_EQ(window.fileView()->getBrushFile(), nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelbrin"));
    EXPECT_EQ(window.bottomDisplay()->path(), folder);

    window.setImageFromBrushFile(QString());
    EXPECT_EQ(window.bottomDisplay()->path(), QString());
}

TEST(BrushWindow, SelectingTheFileOnDisplayDoesNotReadItAgain)
{
    Sandbox box;
    const QString path = box.write("a.abr", NamedBrushes("a", 2));
    BrushWindow window;
    window.setImageFromBrushFile(path);
    ASSERT_TRUE(WaitForFinished(window));
    const BrushFilePtr shown = window.fileView()->getBrushFile();
    window.setImageFromBrushFile(path);
    EXPECT_EQ(window.fileView()->getBrushFile(), shown);
    EXPECT_FALSE(window.isReadingFile());
}

TEST(BrushWindow, UnreadableFileStaysEmptyWithExportOff)
{
    BrushWindow window;
    window.setImageFromBrushFile(QStringLiteral("/nonexistent/x.abr"));
    ASSERT_NE(window.fileView()->getBrushFile(), nullptr);
    EXPECT_EQ(window.fileView()->getBrushFile()->count(), 0u);
    EXPECT_TRUE(window.isReadingFile());
    EXPECT_FALSE(window.exportMenuAction()->isEnabled());
}

TEST(BrushWindow, SwitchingFilesMidReadLeavesNoStaleBrush)
{
    Sandbox box;
    const QString big = box.write("big.abr", NamedBrushes("old", 3000, 60));
    const QString small = box.write("small.abr", NamedBrushes("new", 3));
    BrushWindow window;
    window.setImageFromBrushFile(big);
    ASSERT_TRUE(WaitUntil([&] { return GridNames(window).size() >= 5; }));
    window.setImageFromBrushFile(small);
    ASSERT_TRUE(WaitForFinished(window));
    WaitUntil([] { return false; }, 200); // anything still in flight would land now
    EXPECT_EQ(GridNames(window), (QStringList{"new0", "new1", "new2"}));
}

TEST(BrushWindow, ExportMenuNeedsAFinishedReadWhileTheToolbarNeedsASelection)
{
    Sandbox box;
    const QString path = box.write("a.abr", NamedBrushes("a", 2));
    BrushWindow window;
    EXPECT_FALSE(window.exportMenuAction()->isEnabled());
    EXPECT_FALSE(window.exportToolbarAction()->isEnabled());
    window.setSelectionState(true, false, true, false);
    EXPECT_TRUE(window.exportToolbarAction()->isEnabled());
    EXPECT_TRUE(window.trashToolbarAction()->isEnabled());
    EXPECT_FALSE(window.installToolbarAction()->isEnabled()); // no Photoshop found
    window.setImageFromBrushFile(path);
    EXPECT_FALSE(window.exportMenuAction()->isEnabled()); // still reading
    ASSERT_TRUE(WaitForFinished(window));
    EXPECT_TRUE(window.exportMenuAction()->isEnabled());
    window.setSelectionState(false, true, true, true); // only in the installed outline
    EXPECT_FALSE(window.installToolbarAction()->isEnabled());
    EXPECT_TRUE(window.exportToolbarAction()->isEnabled());
    window.setSelectionState(true, false, true, true);
    EXPECT_TRUE(window.installToolbarAction()->isEnabled());
}

TEST(BrushWindow, ProgressIndicatorCountsItsUsers)
{
    BrushWindow window;
    window.setProgressIndicator(true);
    window.setProgressIndicator(true);
    window.setProgressIndicator(false);
    EXPECT_EQ(window.progressUserCount(), 1);
    window.finishedQueryFirstPhase();
    EXPECT_EQ(window.progressUserCount(), 0);
}

TEST(BrushWindow, ExportThroughTheDialogMakesAFreshFolderEachTime)
{
    Sandbox box;
    const QString path = box.write("Set.abr", NamedBrushes("s", 3));
    BrushWindow window;
    window.setImageFromBrushFile(path);
    ASSERT_TRUE(WaitForFinished(window));
    const QString target = box.path("Set");

    AnswerExportDialog(target, false);
    window.exportBrushFile();
    EXPECT_EQ(QDir(target).entryList(QDir::Files, QDir::Name),
              (QStringList{"0.png", "1.png", "2.png"}));
    EXPECT_FALSE(ExportController::useTransparency());

    AnswerExportDialog(target, true);
    window.exportBrushFile();
    EXPECT_TRUE(QFileInfo(box.path("Set-1/2.png")).isFile());
    EXPECT_TRUE(ExportController::useTransparency()); // the box keeps its state
    const QImage transparent(box.path("Set-1/0.png"));
    EXPECT_TRUE(transparent.hasAlphaChannel());
    ExportController::setUseTransparency(false);
}

TEST(BrushAppDelegate, OpensAFileHandedOverBeforeTheWindowOnceItExists)
{
    Sandbox box;
    const QString path = box.write("early.abr", NamedBrushes("e", 1));
    BrushAppDelegate delegate;
    delegate.openFiles({path, path}); // two at once: ignored
    EXPECT_TRUE(delegate.pendingFile().isEmpty());
    delegate.openFile(path);
    EXPECT_EQ(delegate.pendingFile(), path);
    BrushWindow window;
    delegate.setWindow(&window);
    EXPECT_TRUE(delegate.pendingFile().isEmpty());
    EXPECT_EQ(window.getDisplayedFilePath(), path);
}

TEST(BottomDisplay, DoubleClickOpensFoldersOnly)
{
    Sandbox box;
    const QString file = box.write("x.abr", "x");
    QStringList opened;
    SetFileManagerHandlerForTesting([&](const QString&, const QString& p) { opened << p; });
    BottomDisplay display;
    display.setPath(file);
    const QStringList components = display.componentPaths();
    ASSERT_GE(components.size(), 3);
    EXPECT_EQ(components.first(), QStringLiteral("/"));
    EXPECT_EQ(components.last(), file);
    display.doubleClickedComponent(file);
    display.doubleClickedComponent(box.path("missing"));
    display.doubleClickedComponent(QFileInfo(file).absolutePath());
    EXPECT_EQ(opened, QStringList{QFileInfo(file).absolutePath()});
    EXPECT_FALSE(display.acceptDrops());
    display.setPath(QString());
    EXPECT_TRUE(display.componentPaths().isEmpty());
    SetFileManagerHandlerForTesting({});
}

TEST(BrushAppDelegate, ASecondLaunchHandsItsFileToTheRunningWindow)
{
    qputenv("KELBRIN_INSTANCE_NAME",
            QStringLiteral("kelbrin-test-%1").arg(QCoreApplication::applicationPid()).toUtf8());
    Sandbox box;
    const QString path = box.write("handed.abr", NamedBrushes("h", 1));
    BrushWindow window;
    BrushAppDelegate running;
    running.setWindow(&window);
    ASSERT_TRUE(running.listen());
    BrushAppDelegate second;
    EXPECT_FALSE(second.listen()); // one instance listens at a time
    // The client side blocks while connecting, as a second process would.
    ASSERT_TRUE(BrushAppDelegate::handOverToRunningInstance({path}));
    EXPECT_TRUE(WaitUntil([&] { return window.getDisplayedFilePath() == path; }, 5000));
}

TEST(BrushFileView, PrintsTheGridToAPage)
{
    Sandbox box;
    const QString path = box.write("p.abr", NamedBrushes("p", 30, 40));
    BrushWindow window;
    window.resize(900, 600);
    window.show();
    window.setImageFromBrushFile(path);
    ASSERT_TRUE(WaitForFinished(window));
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(box.path("grid.pdf"));
    window.fileView()->printTo(&printer);
    EXPECT_GT(QFileInfo(box.path("grid.pdf")).size(), 1000);
}
