#pragma once

#include "actions/BrushExporter.h"
#include "brush/BrushFile.h"

#include <QCoreApplication>
#include <QString>

class QCheckBox;
class QFileDialog;
class QWidget;

// The window's export: asks for a new folder's name in a save dialog with a "use transparency"
// check box, a choice of tips or strokes and the naming options, makes the folder (a free
// variant of the name when it is taken) and writes the brushes into it as PNG files.
class ExportController
{
    Q_DECLARE_TR_FUNCTIONS(ExportController)

public:
    static ExportController exporterForBrushFile(BrushFilePtr file, QWidget* parent);
    // Only these brushes, by their place in the file; their numbers stay those of the file.
    // Unset: the whole file, brushes and patterns.
    void setIndexes(std::optional<std::vector<size_t>> brushes,
                    std::optional<std::vector<size_t>> patterns = std::nullopt)
    {
        mOptions.indexes = std::move(brushes);
        mOptions.patternIndexes = std::move(patterns);
    }

    // Runs the dialog modally and exports. Returns the folder written, or "" when the user
    // cancelled or the folder could not be made (which a message box says, as it says that a
    // file without brushes has nothing to export). Brushes not written, written scaled down,
    // or whose strokes were simplified, are listed in a message box afterwards.
    QString run();
    // What the last run wrote; nothing written when it was cancelled.
    const BrushExporter::Report& report() const { return mReport; }

    // The check box keeps its state from one export to the next while the program runs.
    static bool useTransparency();
    static void setUseTransparency(bool on);

    // The name the dialog proposes: the brush file's name without its suffix.
    QString proposedName() const;

    // Tips or strokes, the naming options and "open the folder when done" are remembered
    // between runs.
    static BrushExporter::Options savedOptions();
    static bool opensFolderWhenDone();
    // Where the dialog starts: the folder the last export went into, while it exists.
    static QString lastFolder();

private:
    // Exports into folder on a thread of its own, with a progress dialog when it takes long.
    BrushExporter::Report exportWithProgress(const QString& folder);
    // A message box listing the brushes not written, those written smaller and the strokes not
    // painted as their presets ask, with why.
    void tellWhatWasNotWrittenAsItIs(const QString& folder) const;

    ExportController(BrushFilePtr file, QWidget* parent) : mFile(std::move(file)), mParent(parent)
    {}

    BrushFilePtr mFile;
    QWidget* mParent;
    BrushExporter::Options mOptions;
    BrushExporter::Report mReport;
};
