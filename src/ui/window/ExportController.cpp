#include "ui/window/ExportController.h"

#include "actions/BrushExporter.h"
#include "platform/Logging.h"
#include "ui/common/FileManagerLauncher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSettings>
#include <QTimer>
#include <atomic>
#include <climits>
#include <thread>

namespace {
bool gUseTransparency = false;
const char* const kExportNamingKey = "exportNaming"; // "number" or "name"
const char* const kExportImagesKey = "exportImages"; // "tips" or "strokes"
const char* const kExportZeroPadKey = "exportZeroPad";
const char* const kExportOpensFolderKey = "exportOpensFolder";
// The folder the last export's new folder was made in: brushes of one collection tend to go
// to one place.
const char* const kExportFolderKey = "exportFolder";

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

BrushExporter::Options ExportController::savedOptions()
{
    QSettings settings;
    BrushExporter::Options options;
    options.naming = settings.value(kExportNamingKey).toString() == QLatin1String("name")
                         ? BrushExporter::eNameByBrushName
                         : BrushExporter::eNameByNumber;
    options.zeroPad = settings.value(kExportZeroPadKey, false).toBool();
    options.images = settings.value(kExportImagesKey).toString() == QLatin1String("strokes")
                         ? BrushExporter::eStrokes
                         : BrushExporter::eTips;
    return options;
}

bool ExportController::opensFolderWhenDone()
{
    return QSettings().value(kExportOpensFolderKey, false).toBool();
}

QString ExportController::proposedName() const
{
    return QFileInfo(mFile->getPath()).completeBaseName();
}

QString ExportController::lastFolder()
{
    const QString folder = QSettings().value(kExportFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void ExportController::tellWhatWasNotWrittenAsItIs(const QString& folder) const
{
    // The lines name files inside the folder; the folder itself is in the status line.
    QStringList lines;
    for (const QString& line : mReport.failures + mReport.scaled + mReport.strokeNotes)
        lines << line.mid(folder.size() + 1);
    constexpr int kShown = 8;
    QString shown = QStringList(lines.mid(0, kShown)).join(QLatin1Char('\n'));
    if (lines.size() > kShown)
        shown += ExportController::tr("\n… and %1 more").arg(lines.size() - kShown);
    const bool failed = !mReport.failures.isEmpty();
    const QString name = QFileInfo(mFile->getPath()).fileName();
    QMessageBox box(
        failed ? QMessageBox::Warning : QMessageBox::Information, tr("Export Brushes as Images"),
        failed ? ExportController::tr("Some brushes of “%1” could not be written.").arg(name)
        : !mReport.scaled.isEmpty()
            ? ExportController::tr("Some brushes of “%1” were too large to write "
                                   "at full size.")
                  .arg(name)
            : ExportController::tr("Some strokes of “%1” were not painted exactly as their "
                                   "presets ask.")
                  .arg(name),
        QMessageBox::Ok, mParent);
    box.setObjectName(QStringLiteral("exportResultMessage"));
    box.setInformativeText(shown);
    if (lines.size() > kShown)
        box.setDetailedText(lines.join(QLatin1Char('\n')));
    box.exec();
}

namespace {
struct ExportAccessories
{
    QComboBox* images;
    QComboBox* naming;
    QCheckBox* zeroPad;
    QCheckBox* openFolder;
};

// The controls below the file dialog's own: transparency, tips or strokes, how files are named,
// and whether the folder opens when done.
ExportAccessories AddAccessories(QFileDialog& dialog, const BrushExporter::Options& saved,
                                 bool opensFolder)
{
    auto* transparency = new QCheckBox(ExportController::tr("Use transparency"), &dialog);
    transparency->setObjectName(QStringLiteral("transparencyCheckBox"));
    transparency->setChecked(gUseTransparency);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(transparency, grid->rowCount(), 0, 1, grid->columnCount());
    QObject::connect(transparency, &QCheckBox::toggled, [](bool on) { gUseTransparency = on; });

    auto* options = new QWidget(&dialog);
    auto* form = new QFormLayout(options);
    form->setContentsMargins(0, 0, 0, 0);
    auto* images = new QComboBox(options);
    images->setObjectName(QStringLiteral("imagesBox"));
    images->addItem(ExportController::tr("Tips"), int(BrushExporter::eTips));
    images->addItem(ExportController::tr("Strokes (how each preset paints)"),
                    int(BrushExporter::eStrokes));
    images->setCurrentIndex(images->findData(int(saved.images)));
    auto* naming = new QComboBox(options);
    naming->setObjectName(QStringLiteral("namingBox"));
    naming->addItem(ExportController::tr("By number (0.png, 1.png, …)"),
                    int(BrushExporter::eNameByNumber));
    naming->addItem(ExportController::tr("By brush name"), int(BrushExporter::eNameByBrushName));
    naming->setCurrentIndex(naming->findData(int(saved.naming)));
    images->setAccessibleName(ExportController::tr("Images of"));
    naming->setAccessibleName(ExportController::tr("Name files"));
    auto* zeroPad =
        new QCheckBox(ExportController::tr("Pad numbers with zeros (007.png)"), options);
    zeroPad->setObjectName(QStringLiteral("zeroPadCheckBox"));
    zeroPad->setChecked(saved.zeroPad);
    auto* openFolder = new QCheckBox(ExportController::tr("Open the folder when done"), options);
    openFolder->setObjectName(QStringLiteral("openFolderCheckBox"));
    openFolder->setChecked(opensFolder);
    form->addRow(ExportController::tr("Images of:"), images);
    form->addRow(ExportController::tr("Name files:"), naming);
    form->addRow(QString(), zeroPad);
    form->addRow(QString(), openFolder);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(options, grid->rowCount(), 0, 1, grid->columnCount());
    return {images, naming, zeroPad, openFolder};
}
} // namespace

BrushExporter::Report ExportController::exportWithProgress(const QString& folder)
{
    // Painting a stroke for each of hundreds of presets, or drawing large tips, takes a while:
    // the export runs on a thread of its own while the window goes on painting, and a long one
    // shows how far it is and can be stopped. What was written stays.
    const QString name = QFileInfo(mFile->getPath()).fileName();
    const size_t count = mOptions.indexes ? mOptions.indexes->size() : mFile->count();
    QProgressDialog progress(mOptions.images == BrushExporter::eStrokes
                                 ? ExportController::tr("Painting the strokes of “%1”…").arg(name)
                                 : ExportController::tr("Writing the brushes of “%1”…").arg(name),
                             ExportController::tr("Stop"), 0, int(std::min<size_t>(count, INT_MAX)),
                             mParent);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    // Shown by the timer below, not by the dialog's own clock.
    progress.setMinimumDuration(INT_MAX);
    std::atomic<bool> stop = false;
    QObject::connect(&progress, &QProgressDialog::canceled, [&stop] { stop = true; });
    BrushExporter::Options options = mOptions;
    options.progress = [&progress, &stop](size_t done, size_t) {
        QMetaObject::invokeMethod(
            &progress, [&progress, done] { progress.setValue(int(done)); }, Qt::QueuedConnection);
        return !stop.load();
    };
    BrushExporter::Report report;
    QEventLoop waiting;
    const bool transparent = gUseTransparency;
    std::thread worker([&] {
        report = BrushExporter(mFile).doExportToDirectory(folder, QStringLiteral("PNG"),
                                                          transparent, options);
        QMetaObject::invokeMethod(
            &waiting, [&waiting] { waiting.exit(0); }, Qt::QueuedConnection);
    });
    // A short export passes without a dialog, the window taking no input meanwhile; a longer
    // one shows the dialog, modal to the window, whose Stop button then takes the clicks.
    constexpr int kExitShowProgress = 1;
    QTimer showProgress;
    showProgress.setSingleShot(true);
    QObject::connect(&showProgress, &QTimer::timeout, &waiting,
                     [&waiting] { waiting.exit(kExitShowProgress); });
    showProgress.start(500);
    if (waiting.exec(QEventLoop::ExcludeUserInputEvents) == kExitShowProgress) {
        progress.show();
        waiting.exec();
    }
    worker.join();
    return report;
}

QString ExportController::run()
{
    mReport = BrushExporter::Report();
    if (!mFile)
        return QString();
    if (mFile->count() == 0 && mFile->patterns().empty()) {
        // Nothing to write and so no folder either, but a menu item that does nothing at all
        // looks broken.
        QMessageBox::information(mParent, tr("Export Brushes as Images"),
                                 ExportController::tr("“%1” has no brushes to export.")
                                     .arg(QFileInfo(mFile->getPath()).fileName()));
        return QString();
    }
    ExportFileDialog dialog(mParent, tr("Export Brushes as Images"));
    dialog.setObjectName(QStringLiteral("exportPanel"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The name is a new folder's; an existing one gets a free variant instead of a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's own dialog, so the check box can sit in it as an accessory.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (const QString folder = lastFolder(); !folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.selectFile(proposedName());

    const ExportAccessories accessories =
        AddAccessories(dialog, savedOptions(), opensFolderWhenDone());
    QComboBox* images = accessories.images;
    QComboBox* naming = accessories.naming;
    QCheckBox* zeroPad = accessories.zeroPad;
    QCheckBox* openFolder = accessories.openFolder;

    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return QString();

    mOptions.naming = BrushExporter::eFileNaming(naming->currentData().toInt());
    mOptions.zeroPad = zeroPad->isChecked();
    mOptions.images = BrushExporter::eImageKind(images->currentData().toInt());
    {
        QSettings settings;
        settings.setValue(kExportImagesKey, mOptions.images == BrushExporter::eStrokes
                                                ? QStringLiteral("strokes")
                                                : QStringLiteral("tips"));
        settings.setValue(kExportNamingKey, mOptions.naming == BrushExporter::eNameByBrushName
                                                ? QStringLiteral("name")
                                                : QStringLiteral("number"));
        settings.setValue(kExportZeroPadKey, mOptions.zeroPad);
        settings.setValue(kExportOpensFolderKey, openFolder->isChecked());
    }

    const QFileInfo chosen(dialog.chosenPath());
    QSettings().setValue(kExportFolderKey, chosen.absolutePath());
    QString error;
    const QString folder =
        BrushExporter::createExportFolder(chosen.absolutePath(), chosen.fileName(), &error);
    if (folder.isEmpty()) {
        qCWarning(lcActions).noquote() << error;
        QMessageBox::warning(mParent, tr("Export Brushes as Images"),
                             ExportController::tr("The folder could not be made: %1").arg(error));
        return QString();
    }
    mReport = exportWithProgress(folder);
    for (const QString& failure : mReport.failures)
        qCWarning(lcActions).noquote() << failure;
    if (!mReport.failures.isEmpty() || !mReport.scaled.isEmpty() || !mReport.strokeNotes.isEmpty())
        tellWhatWasNotWrittenAsItIs(folder);
    if (openFolder->isChecked())
        OpenFolderInFileManager(folder);
    return folder;
}
