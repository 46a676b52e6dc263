#include "ui/window/FileActionsController.h"

#include "convert/PackMark.h"
#include "convert/PackWriter.h"
#include "platform/Trash.h"
#include "ui/common/FileManagerLauncher.h"
#include "ui/dialogs/InstallResultDialog.h"
#include "ui/window/ExportController.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
// An export's or install's result stays in the status line this long.
constexpr int kStatusMessageMs = 10000;
} // namespace

FileActionsController::FileActionsController(QWidget* window) : QObject(window), mWindow(window)
{
    mExportLabel = new QLabel(window);
    mExportLabel->setObjectName(QStringLiteral("exportLabel"));
    mOpenFolderButton = new QPushButton(tr("Open Folder"), window);
    mOpenFolderButton->setObjectName(QStringLiteral("openFolderButton"));
    mOpenFolderButton->setFlat(true);
    mOpenFolderButton->setFocusPolicy(Qt::NoFocus);
    mUndoTrashButton = new QPushButton(tr("Undo"), window);
    mUndoTrashButton->setObjectName(QStringLiteral("undoTrashButton"));
    mUndoTrashButton->setFlat(true);
    mUndoTrashButton->setFocusPolicy(Qt::NoFocus);
    mUndoTrashButton->setShortcut(QKeySequence::Undo);
    connect(mUndoTrashButton, &QPushButton::clicked, this, &FileActionsController::undoTrash);
    mExportLabel->hide();
    mOpenFolderButton->hide();
    mUndoTrashButton->hide();
    connect(mOpenFolderButton, &QPushButton::clicked, this, [this] {
        if (mRevealStatusPath)
            RevealInFileManager(mStatusPath);
        else
            OpenFolderInFileManager(mStatusPath);
    });
    mExportMessageTimer = new QTimer(this);
    mExportMessageTimer->setSingleShot(true);
    connect(mExportMessageTimer, &QTimer::timeout, this,
            &FileActionsController::clearStatusMessage);
}

void FileActionsController::setTarget(const QString& path, eTarget kind)
{
    mTargetPath = kind == eTarget::None ? QString() : path;
    mTargetKind = path.isEmpty() ? eTarget::None : kind;
    // Asked each time the actions are validated: a bundle's meta.xml is read once per target.
    if (mTargetPath != mCheckedTarget || mTargetPath.isEmpty()) {
        mTargetIsKelbrins =
            ForeignResourceReason(mTargetPath, ApplicationFolders(mPaintingApps)).isEmpty();
        mCheckedTarget = mTargetPath;
    }
}

void FileActionsController::install(const QString& path)
{
    clearStatusMessage();
    if (path.isEmpty() || mPaintingApps.empty())
        return;
    ConvertedFile file(path);
    const QString fileName = QFileInfo(path).fileName();
    // What is not a brush file is refused before the question about converting it.
    BrushInstaller::Report refused;
    refused.refusal = BrushInstaller::refusal(file);
    if (!refused.refusal.isEmpty()) {
        showInstallResult(refused, fileName);
        return;
    }
    const BrushInstaller::ConversionSummary summary =
        BrushInstaller::summarize(file, mPaintingApps);
    if (!summary.lines.isEmpty() && !confirmConversion(summary.lines.join(QLatin1Char('\n')),
                                                       summary.details.join(QLatin1Char('\n'))))
        return;
    showInstallResult(BrushInstaller::installItem(file, mPaintingApps), fileName);
}

void FileActionsController::showInstallResult(const BrushInstaller::Report& report,
                                              const QString& fileName)
{
    const QString headline = BrushInstaller::headline(report, fileName);
    using eResult = BrushInstaller::Outcome::eResult;
    // One application that has the file now, nothing to warn of: a line says it all.
    if (report.outcomes.size() == 1 && report.count(eResult::Failed) == 0 &&
        report.damage.isEmpty()) {
        showStatusMessage(report.refreshNote.isEmpty()
                              ? headline
                              : headline + QLatin1Char(' ') + report.refreshNote,
                          report.outcomes.front().destination, true);
        return;
    }
    if (mAlertHandler) {
        QStringList lines;
        for (const BrushInstaller::Outcome& outcome : report.outcomes)
            lines << BrushInstaller::outcomeLine(outcome);
        if (!report.damage.isEmpty())
            lines << report.damage;
        if (!report.refreshNote.isEmpty())
            lines << report.refreshNote;
        mAlertHandler(headline, lines.join(QLatin1Char('\n')));
        return;
    }
    InstallResultDialog dialog(report, fileName, mWindow);
    dialog.exec();
}

bool FileActionsController::trash(const QString& path)
{
    clearStatusMessage();
    if (path.isEmpty())
        return false;
    if (!ForeignResourceReason(path, ApplicationFolders(mPaintingApps)).isEmpty()) {
        showAlert(tr("The brush file could not be moved to the Trash."),
                  tr("Kelbrin did not write it: it belongs to another application, and Kelbrin "
                     "leaves it alone."));
        return false;
    }
    // The outline never offers deleting outright: a file no trash can take is refused.
    // A GIMP pack's patterns sit in a folder beside it and go with it.
    if (const Trash::Result result = TrashPack(path); result.succeeded) {
        // A file comes back whole; a GIMP pack's patterns went to the trash apart from it.
        mLastTrashed = QFileInfo(result.trashedPath).isFile() ? result.trashedPath : QString();
        return true;
    }
    showAlert(tr("The brush file could not be moved to the Trash."),
              tr("Check that you may change the folder that holds the file."));
    return false;
}

void FileActionsController::exportBrushes(const BrushFilePtr& file,
                                          std::optional<std::vector<size_t>> brushes,
                                          std::optional<std::vector<size_t>> patterns)
{
    clearStatusMessage();
    if (!file)
        return;
    ExportController controller = ExportController::exporterForBrushFile(file, mWindow);
    controller.setIndexes(std::move(brushes), std::move(patterns));
    const QString folder = controller.run();
    if (folder.isEmpty())
        return;
    const BrushExporter::Report& report = controller.report();
    QString text =
        tr("%Ln image(s) written to %1", nullptr, int(report.written + report.patternsWritten))
            .arg(QFileInfo(folder).fileName());
    // Bristle and erodible tips have no picture in the file: what was written is a preview.
    if (!report.previews.isEmpty())
        text += tr(", %1 of them drawn previews of bristle or erodible tips")
                    .arg(QLocale().toString(int(report.previews.size())));
    if (!report.failures.isEmpty())
        text +=
            tr(", %1 could not be written").arg(QLocale().toString(int(report.failures.size())));
    if (report.stopped)
        text += tr(" (stopped before the end)");
    showStatusMessage(text, folder, false);
}

void FileActionsController::tellTrashed(const QString& path)
{
    showStatusMessage(tr("“%1” was moved to the trash.").arg(QFileInfo(path).fileName()), {},
                      false);
    mUndoTrashButton->setVisible(!mLastTrashed.isEmpty());
}

void FileActionsController::undoTrash()
{
    const QString trashed = std::exchange(mLastTrashed, QString());
    clearStatusMessage();
    if (trashed.isEmpty())
        return;
    const Trash::Result back = Trash::restore(trashed);
    if (!back.succeeded) {
        const QString message = tr("The file could not be taken back from the trash");
        if (mAlertHandler) {
            mAlertHandler(message, back.reason);
            return;
        }
        QMessageBox box(QMessageBox::Warning, mWindow->windowTitle(), message, QMessageBox::Ok,
                        mWindow);
        box.setInformativeText(back.reason);
        box.exec();
        return;
    }
    // Told first: showing the file again clears the status line.
    Q_EMIT trashUndone(back.trashedPath);
    const QFileInfo restored(back.trashedPath);
    showStatusMessage(tr("“%1” is back in %2.").arg(restored.fileName(), restored.dir().dirName()),
                      back.trashedPath, true);
}

void FileActionsController::showStatusMessage(const QString& text, const QString& path, bool reveal)
{
    mStatusPath = path;
    mRevealStatusPath = reveal;
    mExportLabel->setText(text);
    mExportLabel->setToolTip(path);
    mOpenFolderButton->setText(reveal ? tr("Show in Folder") : tr("Open Folder"));
    mExportLabel->show();
    mOpenFolderButton->setVisible(!path.isEmpty());
    mUndoTrashButton->hide();
    mExportMessageTimer->start(kStatusMessageMs);
}

QString FileActionsController::statusMessage() const
{
    return mExportLabel->isHidden() ? QString() : mExportLabel->text();
}

void FileActionsController::clearStatusMessage()
{
    mExportMessageTimer->stop();
    mExportLabel->hide();
    mOpenFolderButton->hide();
    mUndoTrashButton->hide();
}

bool FileActionsController::confirmConversion(const QString& summary, const QString& details)
{
    if (mConfirmHandler)
        return mConfirmHandler(summary, details);
    QMessageBox box(QMessageBox::Question, mWindow->windowTitle(),
                    tr("GIMP and Krita get the brushes in their own formats:"), QMessageBox::Cancel,
                    mWindow);
    box.setInformativeText(summary);
    if (!details.isEmpty())
        box.setDetailedText(details);
    QPushButton* install = box.addButton(tr("Install"), QMessageBox::AcceptRole);
    box.setDefaultButton(install);
    box.exec();
    return box.clickedButton() == install;
}

void FileActionsController::showAlert(const QString& message, const QString& informative)
{
    if (mAlertHandler) {
        mAlertHandler(message, informative);
        return;
    }
    QMessageBox box(QMessageBox::Warning, mWindow->windowTitle(), message, QMessageBox::NoButton,
                    mWindow);
    box.setInformativeText(informative);
    box.addButton(tr("Close"), QMessageBox::AcceptRole);
    box.exec();
}
