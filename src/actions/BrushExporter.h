#pragma once

#include "brush/BrushBitmap.h"
#include "brush/BrushFile.h"
#include "brush/ComputedBrush.h"

#include <QImage>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Writes the brushes of one file as image files into a new folder: brush i as "i.<suffix>", or
// under its own name when asked.
// No widgets here: the window's export panel and kelbrin-cli both drive it.
class BrushExporter
{
public:
    // A computed tip's drawing bounds an export's memory: at most this many one-byte pixels of
    // tip and canvas together, then the image written, at most four bytes for each canvas pixel.
    static constexpr double kMaxDrawingPixels = ComputedBrush::kMaxDrawingPixels;

    struct Report
    {
        bool typeKnown = true;
        int written = 0;
        // One line per brush not written: the path it would have had, a colon and the reason
        // (a computed tip of 0 x 0 pixels, a tip that could not be drawn, a file in the way).
        QStringList failures;
        // One line per image written smaller than its brush, the same way: "…: scaled from
        // 104,856 to 4,096 pixels".
        QStringList scaled;
        // One line per image that is a drawn preview rather than the tip itself (bristle and
        // erodible tips, which Photoshop simulates while painting): "…: a preview of a bristle
        // tip, drawn from its settings".
        QStringList previews;
        // Patterns written into the "patterns" folder (their failures are among `failures`).
        int patternsWritten = 0;
        // One line per stroke painted otherwise than its preset asks, the same way: "…: the
        // stroke was simplified …", "…: plain noise stands in for the texture's pattern …".
        QStringList strokeNotes;
        // Stopped by Options::progress before every brush was written; no patterns then.
        bool stopped = false;
    };

    enum eFileNaming
    {
        eNameByNumber,   // "7.png": the brush's place in the file
        eNameByBrushName // "Soft Round.png", made safe, numbered when two brushes share it
    };
    enum eImageKind
    {
        eTips,   // the preset's tip at its size and angle
        eStrokes // the S-curve stroke the preset paints, kStrokeSize, seed 1
    };
    // A stroke's image: the proportions of Photoshop's stroke preview, large enough to read.
    static constexpr QSize kStrokeSize{400, 160};

    struct Options
    {
        eImageKind images = eTips;
        eFileNaming naming = eNameByNumber;
        // Numbers padded with zeros to the width of the file's largest, so names sort in order.
        bool zeroPad = false;
        // The brushes to write, by their place in the file; unset writes them all.
        std::optional<std::vector<size_t>> indexes;
        // The patterns to write, by their place among the file's patterns. Unset: all of them
        // when all brushes are written (indexes unset), none when a choice of brushes is.
        std::optional<std::vector<size_t>> patternIndexes;
        // Told, on the exporting thread, how many of the chosen brushes are done out of how
        // many, after each; answering false stops the export there.
        std::function<bool(size_t done, size_t total)> progress;
    };

    explicit BrushExporter(BrushFilePtr brushFile);
    static std::unique_ptr<BrushExporter> brushExporterForBrushFile(BrushFilePtr brushFile);

    // type is "PNG" or "TIFF". Patterns are always written as PNG, in colour, with alpha when
    // they have one, as "patterns/NNN Name.png" (NNN their place among the file's patterns,
    // from 000). A brush without an image is reported as a failure and its number
    // stays unused; so is a file that cannot be written (one that exists among them), and the
    // others are still written. A computed tip too large to draw within kMaxDrawingPixels is
    // written scaled down, and the report says so.
    Report doExportToDirectory(const QString& folder, const QString& type, bool transparent);
    Report doExportToDirectory(const QString& folder, const QString& type, bool transparent,
                               const Options& options);

    // The file name each of the chosen brushes gets, in the order of options.indexes (or of the
    // file), suffix included.
    QStringList fileNamesForBrushes(const Options& options, const QString& suffix) const;

    // Black paint whose opacity is the brush's own value, on a clear background: 8-bit RGBA
    // for 8-bit brushes, 16-bit RGBA for 16- and 32-bit ones.
    static QImage transparentInk(const BrushBitmap& bitmap);
    // Ink dark on white, as the thumbnails show it: 8-bit grey for 8-bit brushes, 16-bit grey
    // for 16- and 32-bit ones.
    static QImage greyInk(const BrushBitmap& bitmap);

    // The name unchanged when nothing of that name is in directory, else the first free of
    // "name-1", "name-2", ...
    static QString uniqueNameInDirectory(const QString& directory, const QString& name);
    // Makes directory/name, or the first free variant of the name, without making missing
    // parents. Returns the folder's path, or an empty string with error set.
    static QString createExportFolder(const QString& directory, const QString& name,
                                      QString* error);

private:
    // The image written for a brush; null with the reason in note when there is none, else
    // note says how it was scaled down, if it was.
    static QImage imageForBrush(const BrushPtr& brush, bool transparent, QString* note);
    // The image of the stroke a brush paints, ink on white or black on clear; null with the
    // reason in error for a tip that paints nothing. notes gets what the stroke could not paint
    // as its preset asks.
    QImage strokeForBrush(const BrushPtr& brush, bool transparent, QString* error,
                          QStringList* notes) const;
    std::vector<size_t> chosenIndexes(const Options& options) const;
    void exportPatterns(const QString& folder, const std::vector<size_t>& indexes,
                        Report& report) const;
    // "007 Gray Granite.png"; "007.png" for a pattern whose name leaves nothing.
    static QString patternFileName(size_t index, const Pattern& pattern);

    BrushFilePtr mBrushFile;
    QMap<QString, QByteArray> mTypeStringToType;
    QMap<QString, QString> mTypeStringToSuffix;
};
