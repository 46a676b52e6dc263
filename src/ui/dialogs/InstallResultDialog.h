#pragma once

#include "actions/BrushInstaller.h"

#include <QDialog>

class QGridLayout;

// What an install did, in the shape of a message box: the headline, then one row per
// application — its name, what happened there and where the file went or why it did not —
// with a Show button on every row that has a file to reveal in the file manager.
class InstallResultDialog : public QDialog
{
    Q_OBJECT
public:
    InstallResultDialog(const BrushInstaller::Report& report, const QString& fileName,
                        QWidget* parent);

    // A path as people read it: the home folder as "~".
    static QString shownPath(const QString& path);

private:
    // Three grid rows per application: name and outcome, destination, air; a Show button beside.
    QGridLayout* outcomeRows(const BrushInstaller::Report& report, const QFont& bold);
};
