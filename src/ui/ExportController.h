#pragma once

#include "brush/BrushFile.h"

#include <QString>

class QCheckBox;
class QFileDialog;
class QWidget;

// The window's export: asks for a new folder's name in a save dialog with a "use transparency"
// check box, makes the folder (a free variant of the name when it is taken) and writes the
// brushes into it as PNG files.
class ExportController
{
public:
    static ExportController exporterForBrushFile(BrushFilePtr file, QWidget* parent);

    // Runs the dialog modally and exports. Returns the folder written, or "" when the user
    // cancelled or the folder could not be made.
    QString run();

    // The check box keeps its state from one export to the next while the program runs.
    static bool useTransparency();
    static void setUseTransparency(bool on);

    // The name the dialog proposes: the brush file's name without its suffix.
    QString proposedName() const;

private:
    ExportController(BrushFilePtr file, QWidget* parent) : mFile(std::move(file)), mParent(parent)
    {}

    BrushFilePtr mFile;
    QWidget* mParent;
};
