#include "ui/common/ScreenFit.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushViewer.h"
#include "ui/library/DuplicatesDialog.h"
#include "ui/library/LibraryController.h"
#include "ui/window/BrushWindow.h"

#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Set in the copy of this program that runs on the small screen.
constexpr char kOnSmallScreen[] = "KELBRIN_TEST_ON_SMALL_SCREEN";

// Whether widget, its frame and every push button in it lie within room.
QString OutsideOf(const QRect& room, const QWidget& widget)
{
    if (!room.contains(widget.frameGeometry()))
        return widget.objectName() + QStringLiteral(" at %1,%2 %3×%4")
                                         .arg(widget.frameGeometry().x())
                                         .arg(widget.frameGeometry().y())
                                         .arg(widget.frameGeometry().width())
                                         .arg(widget.frameGeometry().height());
    for (const QPushButton* button : widget.findChildren<QPushButton*>()) {
        if (button->isVisible() &&
            !room.contains(QRect(button->mapToGlobal(QPoint()), button->size())))
            return button->text();
    }
    return QString();
}
} // namespace

TEST(ScreenFit, SizesWithinNineTenthsOfTheRoomButNotBelowTheMinimum)
{
    const QRect room(0, 30, 700, 420);
    EXPECT_EQ(SizeWithinScreen({760, 520}, {300, 200}, room), QSize(630, 378));
    EXPECT_EQ(SizeWithinScreen({400, 300}, {300, 200}, room), QSize(400, 300));
    EXPECT_EQ(SizeWithinScreen({400, 100}, {300, 200}, room), QSize(400, 200));
    EXPECT_EQ(SizeWithinScreen({900, 900}, {800, 100}, room), QSize(630, 378));
}

// A 1400 × 900 screen at scale factor 2 leaves 700 × 450 in the window's own pixels: the
// viewer and Duplicates open within it, their buttons in reach. The screen and the scale are
// set when a program starts, so a copy of this program runs the part below on it.
TEST(ScreenFit, DialogsOpenWithinASmallScaledScreen)
{
    if (qEnvironmentVariableIsSet(kOnSmallScreen))
        GTEST_SKIP() << "this is the copy on the small screen";
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1400, "height": 900,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    environment.insert(QString::fromLatin1(kOnSmallScreen), QStringLiteral("1"));
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=ScreenFitOnASmallScreen.*")});
    ASSERT_TRUE(copy.waitForFinished(60000));
    const QString output = QString::fromUtf8(copy.readAll());
    EXPECT_EQ(copy.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test")) &&
                !output.contains(QStringLiteral("SKIPPED")))
        << output.toStdString();
}

TEST(ScreenFitOnASmallScreen, ViewerAndDuplicatesKeepTheirButtonsInReach)
{
    if (!qEnvironmentVariableIsSet(kOnSmallScreen))
        GTEST_SKIP() << "runs in a copy of this program on a small screen";
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(room.size(), QSize(700, 450));

    LibraryController library;
    DuplicatesDialog duplicates(&library);
    duplicates.show();
    EXPECT_EQ(OutsideOf(room, duplicates), QString());

    Sandbox box;
    AbrWriter w;
    w.u16(2).u16(2);
    for (const char* name : {"a", "b"})
        w.computedRecord(true, QString::fromLatin1(name), 40, 100, 0, 50);
    BrushWindow window;
    window.show();
    EXPECT_EQ(OutsideOf(room, window), QString());
    window.setImageFromBrushFile(box.write("Tips.abr", w.data()));
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    window.fileView()->selectOnly(0);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(window.fileView(), &space);
    ASSERT_NE(window.viewer(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return window.viewer()->isVisible(); }));
    EXPECT_EQ(OutsideOf(room, *window.viewer()), QString());
}
