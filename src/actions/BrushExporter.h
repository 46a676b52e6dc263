#pragma once

#include "actions/BrushBitmap.h"
#include "brush/BrushFile.h"

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

// Writes the brushes of one file as image files, brush i as "i.<suffix>", into a new folder.
// No widgets here: the window's export panel and kelbrin-cli both drive it.
class BrushExporter
{
public:
    struct Report
    {
        bool typeKnown = true;
        int written = 0;
        // One line per image that could not be written: its path, a colon and the reason.
        QStringList failures;
    };

    explicit BrushExporter(BrushFilePtr brushFile);
    static std::unique_ptr<BrushExporter> brushExporterForBrushFile(BrushFilePtr brushFile);

    // type is "PNG" or "TIFF". Brushes without an image are skipped and their numbers stay
    // unused; a file that cannot be written (one that exists among them) is reported and the
    // others are still written.
    Report doExportToDirectory(const QString& folder, const QString& type, bool transparent);

    // Black paint whose opacity is the brush's own value, on a clear background: 8-bit RGBA
    // for 8-bit brushes, 16-bit RGBA for 16- and 32-bit ones.
    static QImage transparentImageRepForImageRep(const BrushBitmap& bitmap);
    // Ink dark on white, as the thumbnails show it: 8-bit grey for 8-bit brushes, 16-bit grey
    // for 16- and 32-bit ones.
    static QImage greyImageRepForImageRep(const BrushBitmap& bitmap);

    // The name unchanged when nothing of that name is in directory, else the first free of
    // "name-1", "name-2", ...
    static QString uniqueNameInDirectory(const QString& directory, const QString& name);
    // Makes directory/name, or the first free variant of the name, without making missing
    // parents. Returns the folder's path, or an empty string with error set.
    static QString createExportFolder(const QString& directory, const QString& name,
                                      QString* error);

private:
    BrushFilePtr mBrushFile;
    QMap<QString, QByteArray> mTypeStringToType;
    QMap<QString, QString> mTypeStringToSuffix;
};
