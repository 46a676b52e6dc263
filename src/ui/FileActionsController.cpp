#include "ui/FileActionsController.h"

#include "actions/BrushInstaller.h"
#include "actions/Trash.h"
#include "platform/Localization.h"
#include "ui/ExportController.h"
#include "ui/FileManagerLauncher.h"
#include "ui/UiText.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
// An export's result stays in the status line this long.
constexpr int kExportMessageMs = 10000;
} // namespace

FileActionsController::FileActionsController(QWidget* window) : QObject(window), mWindow(window)
{
    mExportLabel = new QLabel(window);
    mExportLabel->setObjectName(QStringLiteral("exportLabel"));
    mOpenFolderButton = new QPushButton(tr("Open Folder"), window);
    mOpenFolderButton->setObjectName(QStringLiteral("openFolderButton"));
    mOpenFolderButton->setFlat(true);
    mOpenFolderButton->setFocusPolicy(Qt::NoFocus);
    mExportLabel->hide();
    mOpenFolderButton->hide();
    connect(mOpenFolderButton, &QPushButton::clicked, this,
            [this] { OpenFolderInFileManager(mExportFolder); });
    mExportMessageTimer = new QTimer(this);
    mExportMessageTimer->setSingleShot(true);
    connect(mExportMessageTimer, &QTimer::timeout, this, [this] {
        mExportLabel->hide();
        mOpenFolderButton->hide();
    });
}

void FileActionsController::setSelectionState(bool fileSelectedInAll, bool fileSelectedInInstalled,
                                              bool anythingSelected, bool photoshopFound)
{
    mAllowInstall = fileSelectedInAll && photoshopFound;
    mAllowTrashOrExport = fileSelectedInAll || fileSelectedInInstalled;
    mSomethingSelected = anythingSelected;
}

void FileActionsController::install(const QString& path)
{
    if (path.isEmpty())
        return;
    ConvertedFile file(path);
    // Only an application that converts makes the file be read here.
    const BrushInstaller::ConversionSummary summary =
        BrushInstaller::summarize(file, mPhotoshopApps);
    if (!summary.lines.isEmpty() && !confirmConversion(summary.lines.join(QLatin1Char('\n')),
                                                       summary.details.join(QLatin1Char('\n'))))
        return;
    const BrushInstaller::Report report = BrushInstaller::installItem(file, mPhotoshopApps);
    if (!report.succeeded())
        showAlert(report.alertKey, report.informativeKey);
}

bool FileActionsController::trash(const QString& path)
{
    if (path.isEmpty())
        return false;
    // The outline never offers deleting outright: a file no trash can take is refused.
    if (Trash::trashPath(path).succeeded)
        return true;
    showAlert(QStringLiteral("can't-trash"), QStringLiteral("trash-check-permissions"));
    return false;
}

void FileActionsController::exportBrushes(const BrushFilePtr& file, std::vector<size_t> indexes)
{
    if (!file)
        return;
    ExportController controller = ExportController::exporterForBrushFile(file, mWindow);
    controller.setIndexes(std::move(indexes));
    const QString folder = controller.run();
    if (folder.isEmpty())
        return;
    const BrushExporter::Report& report = controller.report();
    QString text = CountOf(report.written, "%1 image written to ", "%1 images written to ") +
                   QFileInfo(folder).fileName();
    if (!report.failures.isEmpty())
        text += QStringLiteral(", %1 could not be written")
                    .arg(QLocale().toString(int(report.failures.size())));
    mExportFolder = folder;
    mExportLabel->setText(text);
    mExportLabel->setToolTip(folder);
    mExportLabel->show();
    mOpenFolderButton->show();
    mExportMessageTimer->start(kExportMessageMs);
}

QString FileActionsController::exportMessage() const
{
    return mExportLabel->isHidden() ? QString() : mExportLabel->text();
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

void FileActionsController::showAlert(const QString& messageKey, const QString& informativeKey)
{
    const QString message = LocalizedString(messageKey);
    const QString informative = LocalizedString(informativeKey);
    if (mAlertHandler) {
        mAlertHandler(message, informative);
        return;
    }
    QMessageBox box(QMessageBox::Warning, mWindow->windowTitle(), message, QMessageBox::NoButton,
                    mWindow);
    box.setInformativeText(informative);
    box.addButton(LocalizedString(QStringLiteral("close-button")), QMessageBox::AcceptRole);
    box.exec();
}
