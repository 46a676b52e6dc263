#pragma once

#include "actions/BrushInstaller.h"
#include "actions/PhotoshopApp.h"
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
// export wrote in the status line, with a button that shows the result in the file manager.
class FileActionsController : public QObject
{
    Q_OBJECT
public:
    // Alerts and an install's result go through this, so tests can answer them: message and
    // informative text (for an install, a line per application, then what was damaged).
    using AlertHandler = std::function<void(const QString& message, const QString& informative)>;

    // window parents the alerts, the export dialog and the status line's export widgets.
    explicit FileActionsController(QWidget* window);

    QLabel* exportLabel() const { return mExportLabel; }
    QPushButton* openFolderButton() const { return mOpenFolderButton; }
    void setAlertHandlerForTesting(AlertHandler handler) { mAlertHandler = std::move(handler); }
    // The question before an install that converts: the summary, the details; true goes on.
    using ConfirmHandler = std::function<bool(const QString& summary, const QString& details)>;
    void setConfirmHandlerForTesting(ConfirmHandler handler)
    {
        mConfirmHandler = std::move(handler);
    }

    void setApps(PhotoshopAppList apps) { mPhotoshopApps = std::move(apps); }
    const PhotoshopAppList& apps() const { return mPhotoshopApps; }

    // Whether install, trash and export apply, as the outlines' selection says.
    void setSelectionState(bool fileSelectedInAll, bool fileSelectedInInstalled,
                           bool anythingSelected, bool photoshopFound);
    bool canInstall() const { return mAllowInstall; }
    bool canTrashOrExport() const { return mAllowTrashOrExport; }
    bool canReveal() const { return mSomethingSelected; }

    // GIMP and Krita get the brushes converted; what that changes is shown first, and the
    // user may stop there.
    void install(const QString& path);
    // True when the file went to the trash; a refusal has been told in an alert.
    bool trash(const QString& path);
    // Writes these brushes of file (all for none) into a folder the user names.
    void exportBrushes(const BrushFilePtr& file, std::vector<size_t> indexes);
    // The export's or install's result while the status line shows it, else "".
    QString statusMessage() const;

private:
    void showAlert(const QString& messageKey, const QString& informativeKey);
    void showInstallResult(const BrushInstaller::Report& report, const QString& fileName);
    // Shows text in the status line for a while; the button opens folder (reveal: shows the
    // file or folder at that path in its folder).
    void showStatusMessage(const QString& text, const QString& path, bool reveal);
    bool confirmConversion(const QString& summary, const QString& details);

    QWidget* mWindow;
    PhotoshopAppList mPhotoshopApps;
    AlertHandler mAlertHandler;
    ConfirmHandler mConfirmHandler;
    bool mAllowInstall = false;
    bool mAllowTrashOrExport = false;
    bool mSomethingSelected = false;
    QLabel* mExportLabel = nullptr;
    QPushButton* mOpenFolderButton = nullptr;
    QTimer* mExportMessageTimer = nullptr;
    QString mStatusPath;
    bool mRevealStatusPath = false;
};
