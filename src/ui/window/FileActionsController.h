#pragma once

#include "actions/BrushInstaller.h"
#include "actions/PaintingApp.h"
#include "brush/BrushFile.h"

#include <QObject>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

// What the window does to a brush file as a whole: installs it into the painting
// applications' brushes folders, moves it to the trash, reveals it in the file manager, exports
// its brushes as images. Says what went wrong in an alert; what an install did in a dialog with
// a row per application (or, when one application got it, in the status line); and what an
// export wrote or a trash took in the status line, with a button that shows the result in the
// file manager.
class FileActionsController : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    // The file at path came back from the trash.
    void trashUndone(const QString& path);

public:
    // Alerts and an install's result go through this, so tests can answer them: message and
    // informative text (for an install, a line per application, then what was damaged).
    using AlertHandler = std::function<void(const QString& message, const QString& informative)>;

    // window parents the alerts, the export dialog and the status line's export widgets.
    explicit FileActionsController(QWidget* window);

    QLabel* exportLabel() const { return mExportLabel; }
    QPushButton* openFolderButton() const { return mOpenFolderButton; }
    // Beside the message of a trash that can be taken back (Ctrl+Z while it shows).
    QPushButton* undoTrashButton() const { return mUndoTrashButton; }
    void setAlertHandlerForTesting(AlertHandler handler) { mAlertHandler = std::move(handler); }
    // The question before an install that converts: the summary, the details; true goes on.
    using ConfirmHandler = std::function<bool(const QString& summary, const QString& details)>;
    void setConfirmHandlerForTesting(ConfirmHandler handler)
    {
        mConfirmHandler = std::move(handler);
    }

    void setApps(PaintingAppList apps)
    {
        mPaintingApps = std::move(apps);
        mCheckedTarget.clear(); // whose folders they are may have changed
    }
    const PaintingAppList& apps() const { return mPaintingApps; }

    // What the commands on "the file" apply to: the row selected in an outline, else the file
    // on display, wherever it was opened from.
    enum class eTarget
    {
        None,
        Folder,        // a folder row: it can only be revealed
        File,          // a brush file that is not in an application's folder
        InstalledFile, // a row of the installed outline: installing it again makes no sense
        Pack,          // a converted pack (folder or bundle): shown as brushes, never installed
    };
    void setTarget(const QString& path, eTarget kind);
    const QString& targetPath() const { return mTargetPath; }
    bool canInstall() const { return mTargetKind == eTarget::File && !mPaintingApps.empty(); }
    bool canTrashOrExport() const
    {
        return mTargetKind != eTarget::None && mTargetKind != eTarget::Folder;
    }
    bool canReveal() const { return !mTargetPath.isEmpty(); }
    // Trash is never offered for what another application keeps (its bundles, its folders):
    // only for brush files and the packs Kelbrin wrote.
    bool canTrash() const { return canTrashOrExport() && mTargetIsKelbrins; }

    // GIMP and Krita get the brushes converted; what that changes is shown first, and the
    // user may stop there.
    void install(const QString& path);
    // True when the file went to the trash; a refusal has been told in an alert.
    bool trash(const QString& path);
    // Writes these brushes of file (all for none) into a folder the user names.
    void exportBrushes(const BrushFilePtr& file,
                       std::optional<std::vector<size_t>> brushes = std::nullopt,
                       std::optional<std::vector<size_t>> patterns = std::nullopt);
    // Says in the status line for a while that path went to the trash, with Undo when the
    // trash can give it back.
    void tellTrashed(const QString& path);
    // Puts the file of the last trash back where it was; a refusal is told in an alert.
    void undoTrash();
    // The export's, install's or trash's result while the status line shows it, else "".
    QString statusMessage() const;
    // Another file, folder or command makes the last result old news.
    void clearStatusMessage();

private:
    void showAlert(const QString& message, const QString& informative);
    void showInstallResult(const BrushInstaller::Report& report, const QString& fileName);
    // Shows text in the status line for a while; the button opens folder (reveal: shows the
    // file or folder at that path in its folder; no path: no button).
    void showStatusMessage(const QString& text, const QString& path, bool reveal);
    bool confirmConversion(const QString& summary, const QString& details);

    QWidget* mWindow;
    PaintingAppList mPaintingApps;
    AlertHandler mAlertHandler;
    ConfirmHandler mConfirmHandler;
    QString mTargetPath;
    eTarget mTargetKind = eTarget::None;
    bool mTargetIsKelbrins = false;
    QString mCheckedTarget; // the path mTargetIsKelbrins was found for
    QLabel* mExportLabel = nullptr;
    QPushButton* mOpenFolderButton = nullptr;
    QPushButton* mUndoTrashButton = nullptr;
    QString mLastTrashed; // files/NAME in the trash, while Undo is offered for it
    QTimer* mExportMessageTimer = nullptr;
    QString mStatusPath;
    bool mRevealStatusPath = false;
};
