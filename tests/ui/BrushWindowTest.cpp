#include "ui/window/BrushWindow.h"
#include "brush/ComputedBrush.h"
#include "ui/common/FileManagerLauncher.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushViewer.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModels.h"
#include "ui/window/BottomDisplay.h"
#include "ui/window/ExportController.h"
#include "ui/window/SingleInstance.h"
#include "ui/window/WindowMenus.h"

#include "brush/SampledBrush.h"
#include "support/AbrWriter.h"
#include "support/TestUtil.h"
#include "thread/PostingBrushSink.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTreeView>
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

// A window showing a file written into a sandbox, read to its end.
struct ShownFile
{
    Sandbox box;
    QString path;
    BrushWindow window;
    ShownFile(const QString& name, const QByteArray& bytes) : path(box.write(name, bytes))
    {
        window.setImageFromBrushFile(path);
        EXPECT_TRUE(WaitForFinished(window));
    }
};

// Answers the next file dialog that opens with a name, ticking the transparency box as asked
// and setting the other options through `configure`.
void AnswerExportDialog(const QString& name, bool transparent,
                        std::function<void(QFileDialog*)> configure = {})
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
            if (configure)
                configure(dialog);
            dialog->setDirectory(QFileInfo(name).absolutePath());
            dialog->selectFile(QFileInfo(name).fileName());
            if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
                edit->setText(QFileInfo(name).fileName());
            QMetaObject::invokeMethod(dialog, "accept");
            return;
        }
    });
    poll->start();
}
} // namespace

TEST(BrushWindow, ShowsAFileAndItsPathThenAFolderThenNothing)
{
    ShownFile shown("Chalk.abr", NamedBrushes("c", 3));
    auto& [box, path, window] = shown;
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

// GIMP gets the brushes converted; the window says what that changes before it writes, and
// writes nothing when the user stops there. Then it says what the install did: one application
// in the status line (with a button that shows the pack), several in one alert naming each.
// What is no brush file is refused before any question.
TEST(BrushWindow, InstallAsksFirstThenNamesEachApplicationsOutcome)
{
    Sandbox box;
    const QString path = box.write("Soft Set.abr", NamedBrushes("soft", 2));
    const QString brushes = box.path("GIMP/2.10/brushes"); // not there yet: made
    const PaintingApp gimp = PaintingApp::paintingAppWithFolders(PaintingApp::Kind::Gimp, 2,
                                                                 box.path("GIMP/2.10"), brushes);
    BrushWindow window;
    window.setOutlineModels(new FoundFileOutlineModel({}, box.path(QString())),
                            new InstalledFileOutlineModel({}), {gimp});
    QStringList asked, alerts, revealed;
    bool goOn = false;
    window.fileActions()->setConfirmHandlerForTesting(
        [&](const QString& summary, const QString& details) {
            asked << summary << details;
            return goOn;
        });
    window.setAlertHandlerForTesting([&](const QString& message, const QString& informative) {
        alerts << message << informative;
    });
    SetFileManagerHandlerForTesting([&](const QString&, const QString& p) { revealed << p; });

    window.installItem(box.write("hostname", "localhost\n"));
    EXPECT_EQ(alerts, QStringList({"“hostname” was not installed: not a brush file.", ""}));
    EXPECT_TRUE(asked.isEmpty());
    alerts.clear();

    window.installItem(path);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], QStringLiteral("GIMP: 2 brushes, 2 changed, 2 presets"));
    EXPECT_TRUE(asked[1].startsWith("GIMP, brush 0 soft0: changed (soft edge"))
        << qPrintable(asked[1]);
    EXPECT_FALSE(QFileInfo::exists(brushes));
    EXPECT_EQ(window.fileActionMessage(), QString());

    goOn = true;
    window.installItem(path);
    EXPECT_EQ(QDir(brushes + "/Soft Set").entryList(QDir::Files),
              QStringList({"000 soft0.vbr", "001 soft1.vbr"}));
    // A running GIMP needs a word on how to see them.
    EXPECT_EQ(window.fileActionMessage(),
              "“Soft Set.abr” was installed in GIMP 2.10. If it is running, GIMP shows the new "
              "brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed "
              "(the Refresh button at the foot of each) or it restarts.");
    window.fileActions()->openFolderButton()->click();
    EXPECT_EQ(revealed, QStringList{brushes + "/Soft Set"});
    window.installItem(path);
    EXPECT_EQ(window.fileActionMessage(), "“Soft Set.abr” is already installed in GIMP 2.10.");
    EXPECT_TRUE(alerts.isEmpty());

    // Krita's resource folder is in the way of a file: it cannot be made, and the alert says so.
    const QString blocked = box.write("krita", "a file");
    window.fileActions()->setApps({gimp, PaintingApp::paintingAppWithFolders(
                                             PaintingApp::Kind::Krita, -1, blocked, blocked)});
    window.installItem(path);
    EXPECT_EQ(alerts,
              QStringList({"“Soft Set.abr” could not be installed in Krita.",
                           "GIMP 2.10: already installed as " + brushes +
                               "/Soft Set\nKrita: could not write " + blocked +
                               "/Soft Set.bundle: the folder " + blocked + " could not be made"}));
    SetFileManagerHandlerForTesting({});
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
    ShownFile shown("Set.abr", NamedBrushes("s", 3));
    auto& [box, path, window] = shown;
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

TEST(SingleInstance, OpensAFileHandedOverBeforeTheWindowOnceItExists)
{
    Sandbox box;
    const QString path = box.write("early.abr", NamedBrushes("e", 1));
    SingleInstance delegate;
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
    QMimeData urls;
    urls.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &urls, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&display, &enter);
    EXPECT_FALSE(enter.isAccepted()) << "the window would open the dropped file";

    // Names are shortened only when the whole path does not fit, in the middle: the folders
    // first, the longest of them first, and the file's own name only once they can give no
    // more.
    const QString name = QStringLiteral("damaged brushes of a long series.abr");
    display.setPath(QStringLiteral("/tmp/Documents and Settings/Brushes/") + name);
    display.resize(800, 20);
    display.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(display.shownTexts(),
              (QStringList{"/", "tmp", "Documents and Settings", "Brushes", name}));
    const int whole = display.sizeHint().width();
    display.resize(whole - 30, 20);
    QCoreApplication::processEvents();
    QStringList shown = display.shownTexts();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown.mid(0, 2), (QStringList{"/", "tmp"}));
    EXPECT_TRUE(shown.at(2).startsWith(QStringLiteral("Doc")) &&
                shown.at(2).contains(QChar(0x2026)))
        << shown.at(2).toStdString();
    EXPECT_EQ(shown.mid(3), (QStringList{"Brushes", name}));
    display.resize(whole - 100, 20);
    QCoreApplication::processEvents();
    shown = display.shownTexts();
    EXPECT_TRUE(shown.at(3).contains(QChar(0x2026))) << shown.at(3).toStdString();
    EXPECT_EQ(shown.at(4), name);
    display.resize(260, 20);
    QCoreApplication::processEvents();
    shown = display.shownTexts();
    EXPECT_TRUE(shown.last().startsWith(QStringLiteral("dam")) && shown.last().endsWith(".abr") &&
                shown.last().contains(QChar(0x2026)))
        << shown.last().toStdString();
    // A deep path leaves out folders from the top, one ellipsis standing for them, before the
    // name gives way.
    display.setPath(
        QStringLiteral("/home/ann/Documents/Brushes/Packs/2021/Watercolor/Charcoal.abr"));
    display.resize(200, 20);
    QCoreApplication::processEvents();
    shown = display.shownTexts();
    ASSERT_GE(shown.size(), 4);
    EXPECT_LT(shown.size(), 9);
    EXPECT_EQ(shown.mid(0, 2), (QStringList{"/", QString(QChar(0x2026))}));
    EXPECT_EQ(shown.last(), "Charcoal.abr") << shown.join('|').toStdString();
    display.setPath(QString());
    EXPECT_TRUE(display.componentPaths().isEmpty());
    SetFileManagerHandlerForTesting({});
}

TEST(SingleInstance, ASecondLaunchHandsItsFileToTheRunningWindow)
{
    qputenv("KELBRIN_INSTANCE_NAME",
            QStringLiteral("kelbrin-test-%1").arg(QCoreApplication::applicationPid()).toUtf8());
    Sandbox box;
    const QString path = box.write("handed.abr", NamedBrushes("h", 1));
    BrushWindow window;
    SingleInstance running;
    running.setWindow(&window);
    ASSERT_TRUE(running.listen());
    SingleInstance second;
    EXPECT_FALSE(second.listen()); // one instance listens at a time
    // The client side blocks while connecting, as a second process would.
    ASSERT_TRUE(SingleInstance::handOverToRunningInstance({path}));
    EXPECT_TRUE(WaitUntil([&] { return window.getDisplayedFilePath() == path; }, 5000));
    // Without a file the running window comes forward instead of a second one opening.
    window.showMinimized();
    ASSERT_TRUE(SingleInstance::handOverToRunningInstance({}));
    EXPECT_TRUE(WaitUntil([&] { return !window.isMinimized(); }, 5000));
    EXPECT_EQ(SingleInstance::pathFromArgument("file:///tmp/a%20b.abr"), "/tmp/a b.abr");
    EXPECT_EQ(SingleInstance::pathFromArgument("file://localhost/a.abr"), "/a.abr");
    EXPECT_EQ(SingleInstance::pathFromArgument("file://elsewhere/a.abr"), QString());
    EXPECT_EQ(SingleInstance::pathFromArgument("dir/file:x.abr"), "dir/file:x.abr");
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

TEST(BrushWindow, StatusLineCountsBrushesAndAFileHandedOverTakesTheKeyboard)
{
    Sandbox box;
    AbrWriter w;
    w.u16(2).u16(3);
    w.computedRecord(true, "round", 12, 100, 0, 50);
    w.sampledRecord(true, "chalk", 0, 0, 2, 2, 8, false, QByteArray(4, char(90)));
    w.computedRecord(true, "flat", 12, 30, 45, 100);
    const QString path = box.write("Mixed.abr", w.data());
    BrushWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    window.getFileOutline()->setFocus();
    window.setImageFromBrushFile(path); // chosen in an outline: the keyboard stays there
    EXPECT_TRUE(window.statusText().startsWith(QStringLiteral("Reading… ")))
        << window.statusText().toStdString();
    ASSERT_TRUE(WaitForFinished(window));
    EXPECT_EQ(window.statusText(), QStringLiteral("3 brushes (1 sampled, 2 computed)"));
    EXPECT_TRUE(window.getFileOutline()->hasFocus());
    window.setImageFromBrushFile(QString());
    window.doOpenFile(path);
    EXPECT_TRUE(window.fileView()->hasFocus());
    ASSERT_TRUE(WaitForFinished(window));
    window.fileView()->selectAll();
    EXPECT_EQ(window.statusText(),
              QStringLiteral("3 brushes (1 sampled, 2 computed) — 3 selected"));
    EXPECT_TRUE(window.menus()->copyAction()->isEnabled());
    window.setImageFromBrushFile(QString());
    EXPECT_EQ(window.statusText(), QString());
    EXPECT_FALSE(window.menus()->copyAction()->isEnabled());
}

TEST(BrushWindow, ExportSelectedKeepsFileNumbersAndReportsWithOpenFolder)
{
    ShownFile shown("Set.abr", NamedBrushes("s", 12));
    auto& [box, path, window] = shown;
    EXPECT_FALSE(window.menus()->exportSelectedAction()->isEnabled());
    window.fileView()->selectOnly(3);
    QMouseEvent ctrlClick(QEvent::MouseButtonPress, window.fileView()->thumbnailRect(10).center(),
                          QPointF(), Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::sendEvent(window.fileView(), &ctrlClick);
    ASSERT_TRUE(window.menus()->exportSelectedAction()->isEnabled());

    QStringList opened;
    SetFileManagerHandlerForTesting([&](const QString&, const QString& p) { opened << p; });
    AnswerExportDialog(box.path("Picked"), false, [](QFileDialog* dialog) {
        dialog->findChild<QCheckBox*>("zeroPadCheckBox")->setChecked(true);
        dialog->findChild<QCheckBox*>("openFolderCheckBox")->setChecked(true);
    });
    window.menus()->exportSelectedAction()->trigger();
    EXPECT_EQ(QDir(box.path("Picked")).entryList(QDir::Files, QDir::Name),
              (QStringList{"03.png", "10.png"}));
    EXPECT_EQ(window.fileActionMessage(), QStringLiteral("2 images written to Picked"));
    EXPECT_EQ(opened, QStringList{box.path("Picked")});

    // The options are remembered; by name this time, for the whole file.
    AnswerExportDialog(box.path("All"), false, [](QFileDialog* dialog) {
        EXPECT_TRUE(dialog->findChild<QCheckBox*>("zeroPadCheckBox")->isChecked());
        auto* naming = dialog->findChild<QComboBox*>("namingBox");
        naming->setCurrentIndex(naming->findData(int(BrushExporter::eNameByBrushName)));
        dialog->findChild<QCheckBox*>("openFolderCheckBox")->setChecked(false);
    });
    window.exportBrushFile();
    EXPECT_TRUE(QFileInfo(box.path("All/s11.png")).isFile());
    EXPECT_EQ(window.fileActionMessage(), QStringLiteral("12 images written to All"));
    EXPECT_EQ(opened.size(), 1);
    SetFileManagerHandlerForTesting({});
    QSettings().remove("exportNaming");
    QSettings().remove("exportZeroPad");
}

TEST(BrushWindow, ZoomNamesAndGeometryAreRememberedAndCopyPutsAPngOnTheClipboard)
{
    Sandbox box;
    const QString path = box.write("Mem.abr", NamedBrushes("m", 4));
    {
        BrushWindow window;
        window.show();
        window.fileView()->setItemsPerColumn(9);
        window.menus()->showNamesAction()->setChecked(false);
        window.resize(700, 500);
        window.setImageFromBrushFile(path);
        ASSERT_TRUE(WaitForFinished(window));
        const double square = window.fileView()->cellWidth();
        window.menus()->showStrokesAction()->trigger();
        EXPECT_TRUE(window.fileView()->showStrokes());
        EXPECT_GT(window.fileView()->cellWidth(), 2 * square) << "strokes take wide cells";
        window.fileView()->selectOnly(2);
        window.menus()->copyAction()->trigger();
        const QImage copied = QApplication::clipboard()->image();
        EXPECT_EQ(copied.size(), window.fileView()->getBrushFile()->brush(2)->image().size());
        EXPECT_TRUE(copied.hasAlphaChannel());
        window.close();
    }
    BrushWindow again;
    EXPECT_EQ(again.fileView()->getItemsPerColumn(), 9);
    EXPECT_FALSE(again.fileView()->showNames());
    EXPECT_TRUE(again.menus()->showStrokesAction()->isChecked());
    EXPECT_TRUE(again.fileView()->showStrokes());
    again.menus()->showStrokesAction()->setChecked(false);
    EXPECT_EQ(again.size(), QSize(700, 500));
    again.fileView()->resetZoom();
    again.menus()->showNamesAction()->setChecked(true);
    QSettings().remove("windowGeometry");
    EXPECT_EQ(BrushWindow::initialSize(QRect(0, 0, 800, 600)), QSize(720, 540));
    EXPECT_EQ(BrushWindow::initialSize(QRect(0, 0, 2560, 1400)), QSize(1000, 680));
}

TEST(BrushViewer, StepsThroughTheFileAndScalesByWholePixels)
{
    ShownFile shown("View.abr", NamedBrushes("v", 3, 10));
    BrushWindow& window = shown.window;
    window.fileView()->selectOnly(1);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(window.fileView(), &space);
    BrushViewer* viewer = window.viewer();
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->index(), 1);
    auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(viewer, &event);
        return viewer->index();
    };
    EXPECT_EQ(press(Qt::Key_Right), 2);
    EXPECT_EQ(press(Qt::Key_Right), 2); // the end holds
    EXPECT_EQ(press(Qt::Key_Left), 1);
    EXPECT_EQ(press(Qt::Key_Home), 0);
    EXPECT_EQ(press(Qt::Key_Left), 0);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("v0"));
    EXPECT_EQ(window.fileView()->selectedIndexes(), QList<int>{0}); // the grid follows
    viewer->setZoom(BrushViewer::Quadruple);
    EXPECT_EQ(viewer->scale(), 4.0);

    const auto facts = BrushViewer::factsForBrush(*window.fileView()->getBrushFile()->brush(0));
    QStringList lines;
    for (const auto& [label, value] : facts)
        lines << label + ": " + value;
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"Name: v0", "Kind: Computed tip"}));
    EXPECT_TRUE(lines.contains("Diameter: 10 px") && lines.contains("Hardness: 50 %") &&
                lines.contains("Roundness: 100 %") && lines.contains("Angle: 0°"))
        << lines.join('|').toStdString();
    // Showing another file closes the viewer of the old one.
    window.setImageFromBrushFile(QString());
    EXPECT_TRUE(WaitUntil([&] { return window.viewer() == nullptr; }, 2000));
}

// Patterns come from the read as brushes do, after them; the window counts them, copies them
// in colour, leaves them out of a selection's export, and the viewer steps from brushes on to
// them.
TEST(BrushWindow, PatternsArriveAfterTheBrushesAndOpenInTheViewer)
{
    ShownFile shown("Textured.abr", NamedBrushes("t", 2));
    BrushWindow& window = shown.window;
    const BrushFilePtr file = window.fileView()->getBrushFile();
    auto stamp = std::make_shared<SampledBrush>(QStringLiteral("Stamp"), 2, 2, 8, PixelBlock(4, 9));
    stamp->setTexture({QStringLiteral("$$$/Presets/Patterns/GrayGranite=Gray Granite"), "g"});
    QImage granite(3, 2, QImage::Format_RGBA64);
    granite.fill(QColor(120, 110, 100, 200));
    PostingBrushSink sink(file);
    sink.AddBrush(stamp);
    sink.AddPattern(
        std::make_shared<Pattern>(stamp->texture()->name, "g", Pattern::Mode::Rgb, 16, granite));
    sink.AddPattern(std::make_shared<Pattern>("Plain", "p", Pattern::Mode::Grey, 8,
                                              QImage(4, 4, QImage::Format_Grayscale8)));
    ASSERT_TRUE(WaitUntil([&] { return file->patterns().size() == 2; }, 2000));
    EXPECT_EQ(window.fileView()->itemCount(), 5);
    EXPECT_EQ(window.statusText(), QStringLiteral("3 brushes (1 sampled, 2 computed), 2 patterns"));

    window.fileView()->selectOnly(3);
    EXPECT_TRUE(window.menus()->copyAction()->isEnabled());
    EXPECT_TRUE(window.menus()->exportSelectedAction()->isEnabled()); // patterns export too
    window.menus()->copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().pixel(1, 1), qRgba(120, 110, 100, 200));

    window.openViewer(3);
    BrushViewer* viewer = window.viewer();
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Gray Granite"));
    QStringList lines;
    for (const auto& [label, value] : BrushViewer::factsForPattern(*file->patterns()[0]))
        lines << label + ": " + value;
    EXPECT_EQ(lines, (QStringList{"Name: Gray Granite", "Kind: Pattern", "Mode: RGB with alpha",
                                  "Size: 3 × 2 px", "Depth: 16-bit"}));
    viewer->showPrevious();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Stamp"));
    lines.clear();
    for (const auto& [label, value] : BrushViewer::factsForBrush(*file->brush(2)))
        lines << label + ": " + value;
    EXPECT_TRUE(lines.contains("Texture: Gray Granite")) << lines.join('|').toStdString();
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(viewer, &end);
    EXPECT_EQ(viewer->index(), 4);
    EXPECT_EQ(window.fileView()->selectedIndexes(), QList<int>{4}); // the grid follows
}

// A huge computed tip is drawn at the size the viewer shows it, never at its full 65,535 pixels:
// fitted, at most the window's size; at 100%, at the most the drawing budget allows.
TEST(BrushViewer, HugeComputedTipsAreDrawnAtTheSizeShown)
{
    auto file = BrushFile::brushFileWithPath(QStringLiteral("/x/huge.abr"));
    file->addBrush(ComputedBrush::brushWithName(QStringLiteral("huge"), 65535, 100, 0, 100));
    BrushViewer viewer(file, 0);
    viewer.resize(640, 420);
    (void)viewer.grab();
    EXPECT_GT(viewer.drawnSize().height(), 200);
    EXPECT_LE(viewer.drawnSize().height(), 420 * viewer.devicePixelRatioF()); // device pixels
    // At 100 % the full drawing takes a while: it is made off the window's thread while the
    // fitted one stands in.
    const QSize fitted = viewer.drawnSize();
    viewer.setZoom(BrushViewer::Actual);
    (void)viewer.grab();
    EXPECT_EQ(viewer.drawnSize(), fitted);
    EXPECT_TRUE(WaitUntil([&] { return viewer.drawnSize() == QSize(4096, 4096); }, 30000));
    EXPECT_EQ(viewer.scale(), 1.0);
}

TEST(KelbrinProgram, PrintsItsVersionWithoutADisplay)
{
    const QString program =
        qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + QStringLiteral("/src/app/kelbrin");
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "the window program is not built";
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(environment);
    process.start(program, {"--version"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().trimmed(), QByteArray("kelbrin " KELBRIN_VERSION));
}

TEST(BrushWindow, ChromeFollowsAPaletteChangeWhileOpen)
{
    BrushWindow window;
    window.show();
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(50, 50, 50));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    const auto* title = window.findChild<QLabel*>("installedTitle");
    ASSERT_TRUE(title);
    EXPECT_TRUE(title->styleSheet().contains(QStringLiteral("#e6e6e6"))) << "its text colour";
    EXPECT_FALSE(title->styleSheet().contains(QStringLiteral("#f2f4f7")));
    QApplication::setPalette(before);
}

// A file dropped on the window is opened; brushes dragged out of the grid that come back to it
// (a click that slipped) are pictures in a temporary folder, and the file on display stays.
TEST(BrushWindow, ADroppedFileOpensButTheGridsOwnDragDoesNot)
{
    ShownFile shown("Chalk.abr", NamedBrushes("c", 2));
    auto& [box, path, window] = shown;
    window.resize(800, 600);
    window.show();
    BrushFileView* grid = window.fileView();
    const QPoint inGrid = grid->rect().center();
    const auto drop = [&](QMimeData* mime) {
        QDragEnterEvent enter(inGrid, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &enter);
        QDropEvent dropped(QPointF(inGrid), Qt::CopyAction, mime, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &dropped);
        return enter.isAccepted() || dropped.isAccepted();
    };

    std::unique_ptr<QMimeData> own(grid->mimeDataForBrushes({0}, true));
    ASSERT_TRUE(own && own->hasUrls());
    EXPECT_FALSE(drop(own.get()));
    EXPECT_EQ(window.getDisplayedFilePath(), path);
    EXPECT_EQ(GridNames(window), (QStringList{"c0", "c1"}));

    const QString other = box.write("Ink.abr", NamedBrushes("i", 1));
    QMimeData outside;
    outside.setUrls({QUrl::fromLocalFile(other)});
    EXPECT_TRUE(drop(&outside));
    EXPECT_EQ(window.getDisplayedFilePath(), other);
}
