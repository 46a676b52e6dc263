#include "ui/dialogs/InstallResultDialog.h"
#include "ui/common/FileManagerLauncher.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

// A row per application with what happened there; only a row with a file has a Show button,
// which reveals that file; the damage is said under the rows.
TEST(InstallResultDialog, ARowPerApplicationAndShowRevealsItsFile)
{
    using eResult = BrushInstaller::Outcome::eResult;
    const QString home = QDir::homePath();
    BrushInstaller::Report report;
    report.damage = "the file is damaged: only 2 brushes could be read from it";
    report.refreshNote = "If it is running, GIMP shows the new brushes once it restarts.";
    report.outcomes = {
        {eResult::Installed,
         "GIMP 2.10",
         home + "/.config/GIMP/2.10/brushes/Soft",
         {},
         true,
         false},
        {eResult::Duplicate, "Krita", home + "/.local/share/krita/Soft.bundle", {}, false, true},
        {eResult::Failed, "Adobe Photoshop CS6", "/wine/Presets/Brushes/Soft.abr",
         "No space left on device", false, false}};
    InstallResultDialog dialog(report, "Soft.abr", nullptr);

    EXPECT_EQ(dialog.findChild<QLabel*>("headline")->text(),
              "“Soft.abr” could not be installed in Adobe Photoshop CS6.");
    QStringList outcomes;
    for (const QLabel* label : dialog.findChildren<QLabel*>("outcome"))
        outcomes << label->text();
    EXPECT_EQ(outcomes, QStringList({"Installed (its brushes folder was made)",
                                     "Already installed as “Soft.bundle”",
                                     "Not installed: No space left on device"}));
    EXPECT_EQ(dialog.findChild<QLabel*>("refreshNote")->text(), report.refreshNote);
    EXPECT_EQ(dialog.findChild<QLabel*>("damage")->text(),
              "The file is damaged: only 2 brushes could be read from it.");
    EXPECT_EQ(InstallResultDialog::shownPath(home + "/.local/share/krita/Soft.bundle"),
              "~/.local/share/krita/Soft.bundle");

    QStringList revealed;
    SetFileManagerHandlerForTesting([&](const QString&, const QString& p) { revealed << p; });
    const QList<QPushButton*> shows = dialog.findChildren<QPushButton*>("show");
    ASSERT_EQ(shows.size(), 2);
    shows[1]->click();
    EXPECT_EQ(revealed, QStringList{report.outcomes[1].destination});
    SetFileManagerHandlerForTesting({});
}
