#include "ui/ExportController.h"

#include "actions/BrushExporter.h"
#include "platform/Logging.h"
#include "ui/Localization.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>

namespace {
bool gUseTransparency = false;

// A save dialog for a folder that does not exist yet. Qt's dialog would step into a folder whose
// name is typed; here the typed name is taken as it is, and an existing one gets a free variant
// afterwards.
class ExportFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    QString chosenPath() const { return mChosen; }

    void accept() override
    {
        const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = edit ? edit->text().trimmed() : QString();
        if (!typed.isEmpty() && !typed.contains(QLatin1Char('/'))) {
            mChosen = directory().absoluteFilePath(typed);
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
        if (result() == QDialog::Accepted && !selectedFiles().isEmpty())
            mChosen = selectedFiles().constFirst();
    }

private:
    QString mChosen;
};
} // namespace

ExportController ExportController::exporterForBrushFile(BrushFilePtr file, QWidget* parent)
{
    return ExportController(std::move(file), parent);
}

bool ExportController::useTransparency()
{
    return gUseTransparency;
}

void ExportController::setUseTransparency(bool on)
{
    gUseTransparency = on;
}

QString ExportController::proposedName() const
{
    return QFileInfo(mFile->getPath()).completeBaseName();
}

QString ExportController::run()
{
    if (!mFile || mFile->count() == 0)
        return QString(); // nothing to export: no folder either
    ExportFileDialog dialog(mParent, LocalizedString(QStringLiteral("export-panel-title")));
    dialog.setObjectName(QStringLiteral("exportPanel"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The name is a new folder's; an existing one gets a free variant instead of a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's own dialog, so the check box can sit in it as an accessory.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(proposedName());

    auto* transparency =
        new QCheckBox(LocalizedString(QStringLiteral("export-use-transparency")), &dialog);
    transparency->setObjectName(QStringLiteral("transparencyCheckBox"));
    transparency->setChecked(gUseTransparency);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(transparency, grid->rowCount(), 0, 1, grid->columnCount());
    QObject::connect(transparency, &QCheckBox::toggled, [](bool on) { gUseTransparency = on; });

    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return QString();

    const QFileInfo chosen(dialog.chosenPath());
    QString error;
    const QString folder =
        BrushExporter::createExportFolder(chosen.absolutePath(), chosen.fileName(), &error);
    if (folder.isEmpty()) {
        qCWarning(lcActions).noquote() << error;
        return QString();
    }
    const BrushExporter::Report report =
        BrushExporter(mFile).doExportToDirectory(folder, QStringLiteral("PNG"), gUseTransparency);
    for (const QString& failure : report.failures)
        qCWarning(lcActions).noquote() << failure;
    return folder;
}
