#include "ui/window/ExportController.h"

#include "abr/ReadWholeBrushFile.h"
#include "brush/ComputedBrush.h"

#include "support/TestUtil.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
// Waits for the first visible modal window of type T, hands it to answer and stops; bounded,
// so that a dialog that never comes fails the test instead of hanging it.
template <typename T> void Answer(std::function<void(T*)> answer)
{
    auto* poll = new QTimer;
    poll->setInterval(20);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (++*waited > 500) {
            poll->deleteLater();
            return;
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<T*>(w); window && window->isVisible()) {
                poll->stop();
                poll->deleteLater();
                answer(window);
                return;
            }
        }
    });
    poll->start();
}

// Names the new folder, seeing where the dialog started.
void AnswerExportDialog(const QString& target, QString* startedIn)
{
    Answer<QFileDialog>([=](QFileDialog* dialog) {
        *startedIn = dialog->directory().absolutePath();
        dialog->setDirectory(QFileInfo(target).absolutePath());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(target).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    });
}
// Chooses strokes and names the new folder "Strokes" in folder.
void AnswerStrokesExport(const QString& folder)
{
    Answer<QFileDialog>([=](QFileDialog* dialog) {
        auto* images = dialog->findChild<QComboBox*>("imagesBox");
        images->setCurrentIndex(images->findData(int(BrushExporter::eStrokes)));
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("Strokes");
        QMetaObject::invokeMethod(dialog, "accept");
    });
}
} // namespace

TEST(ExportController, StartsWhereTheLastExportWentAndSaysWhenThereIsNothingToExport)
{
    Sandbox box;
    QSettings().remove("exportFolder");
    const BrushFilePtr file =
        ReadWholeBrushFile(TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr"))).file;
    ASSERT_EQ(file->count(), 1u);
    const QString first = box.path("one/Set");
    const QString second = box.path("two/Set");
    QDir().mkpath(box.path("one"));
    QDir().mkpath(box.path("two"));

    QString startedIn;
    AnswerExportDialog(first, &startedIn);
    EXPECT_EQ(ExportController::exporterForBrushFile(file, nullptr).run(), first);
    EXPECT_EQ(ExportController::lastFolder(), box.path("one"));
    AnswerExportDialog(second, &startedIn);
    EXPECT_EQ(ExportController::exporterForBrushFile(file, nullptr).run(), second);
    EXPECT_EQ(startedIn, box.path("one"));
    // A remembered folder that has gone since is no place to start.
    ASSERT_TRUE(QDir(box.path("two")).removeRecursively());
    EXPECT_EQ(ExportController::lastFolder(), QString());

    // A file without brushes: a message, no dialog, no folder.
    QString said;
    Answer<QMessageBox>([&](QMessageBox* message) {
        said = message->text();
        message->accept();
    });
    const BrushFilePtr empty = BrushFile::brushFileWithPath(box.write("Empty.abr", "8BIM"));
    EXPECT_EQ(ExportController::exporterForBrushFile(empty, nullptr).run(), QString());
    EXPECT_EQ(said, QStringLiteral("“Empty.abr” has no brushes to export."));
    QSettings().remove("exportFolder");
}

TEST(ExportController, ListsTheBrushesNotWritten)
{
    Sandbox box;
    const BrushFilePtr file = BrushFile::brushFileWithPath(box.path("Tips.abr"));
    file->addBrush(ComputedBrush::brushWithName(QStringLiteral("none"), 0, 100, 0, 100));
    file->addBrush(ComputedBrush::brushWithName(QStringLiteral("dot"), 5, 100, 0, 100));
    QString startedIn;
    AnswerExportDialog(box.path("Set"), &startedIn);
    QString said;
    Answer<QMessageBox>([&](QMessageBox* message) {
        said = message->text() + '\n' + message->informativeText();
        message->accept();
    });
    ExportController controller = ExportController::exporterForBrushFile(file, nullptr);
    EXPECT_EQ(controller.run(), box.path("Set"));
    EXPECT_EQ(controller.report().written, 1);
    EXPECT_EQ(said, QStringLiteral("Some brushes of “Tips.abr” could not be written.\n"
                                   "0.png: a computed tip of 0 x 0 pixels (diameter 0, "
                                   "roundness 100%)"));
    QSettings().remove("exportFolder");
}

TEST(ExportController, WritesStrokesWhenChosenAndRemembersTheChoice)
{
    Sandbox box;
    const BrushFilePtr file =
        ReadWholeBrushFile(TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr"))).file;
    AnswerStrokesExport(box.path(QString()));
    EXPECT_EQ(ExportController::exporterForBrushFile(file, nullptr).run(), box.path("Strokes"));
    EXPECT_EQ(QImage(box.path("Strokes/0.png")).size(), BrushExporter::kStrokeSize);
    EXPECT_EQ(ExportController::savedOptions().images, BrushExporter::eStrokes);
    QSettings().remove("exportImages");
    QSettings().remove("exportFolder");
}

// A long export shows how far it is, modal to the window, and Stop ends it where it is:
// what was written stays, the patterns are not begun.
TEST(ExportController, ALongExportShowsItsProgressAndStops)
{
    Sandbox box;
    const BrushFilePtr read =
        ReadWholeBrushFile(TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr"))).file;
    const BrushFilePtr file = BrushFile::brushFileWithPath(box.path("Many.abr"));
    for (int i = 0; i < 2000; ++i)
        file->addBrush(read->brush(0));
    AnswerStrokesExport(box.path(QString()));
    int shownAt = -1;
    Answer<QProgressDialog>([&](QProgressDialog* progress) {
        EXPECT_EQ(progress->maximum(), 2000);
        shownAt = progress->value();
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    ExportController controller = ExportController::exporterForBrushFile(file, nullptr);
    EXPECT_EQ(controller.run(), box.path("Strokes"));
    EXPECT_TRUE(controller.report().stopped);
    EXPECT_GE(shownAt, 0) << "the progress dialog came";
    EXPECT_LT(controller.report().written, 2000);
    EXPECT_EQ(QDir(box.path("Strokes")).entryList(QDir::Files).size(), controller.report().written);
    QSettings().remove("exportImages");
    QSettings().remove("exportFolder");
}
