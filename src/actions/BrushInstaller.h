#pragma once

#include "abr/ReadWholeBrushFile.h"
#include "actions/PaintingApp.h"
#include "convert/BrushPack.h"

#include <QCoreApplication>
#include <QString>
#include <map>
#include <optional>
#include <vector>

// A Krita bundle's preview of a brush (PackPreviewPainter): its stroke over the S-curve of
// the grid's previews, black on white, with seed 1 so that the same file makes the same
// picture, as the export and kelbrin-cli stroke paint it.
QImage PackPreviewStroke(const Brush& brush, const std::vector<PatternPtr>& patterns, QSize size);

// A brush file read once and converted once per application format, when first asked: the
// summary shown before an install and the install itself share it.
class ConvertedFile
{
public:
    explicit ConvertedFile(QString path) : mPath(std::move(path)) {}
    const QString& path() const { return mPath; }
    const WholeBrushFile& read();
    const BrushPack& pack(PackTarget target);
    // The SHA-256 of the file's bytes in hex, as the library keeps it; empty when unreadable.
    const QByteArray& sha256();

private:
    QString mPath;
    std::optional<QByteArray> mSha256;
    std::optional<WholeBrushFile> mRead;
    std::map<PackTarget, BrushPack> mPacks;
};

// Installs a brush file in every installed application: Photoshop's get a copy in their brush
// presets folder; GIMP and Krita get the brushes converted into their own formats, as a pack
// named after the file (GIMP: a folder in its brushes folder, made when missing; Krita: a
// bundle in its resource folder). A file no brush can be read from is refused before anything
// is written. Nothing is ever replaced (already installed), and a failure leaves nothing behind.
// A file whose contents are installed already, under whatever name (a copy in Photoshop's
// folder, a pack whose mark records the same SHA-256), is not written again.
// The window shows the report as one dialog or a status message; kelbrin-cli prints it.
class BrushInstaller
{
    Q_DECLARE_TR_FUNCTIONS(BrushInstaller)

public:
    struct Outcome
    {
        enum class eResult
        {
            Installed,
            Duplicate,
            Failed
        };
        eResult result = eResult::Installed;
        QString app; // the application's displayName()
        QString destination;
        QString reason;          // in words, for Failed
        bool madeFolder = false; // the application's brushes folder had to be made first
        // For Duplicate: destination holds these very contents, perhaps under another name;
        // otherwise it merely has the name.
        bool identical = false;
    };

    struct Report
    {
        // Why nothing was installed, in words ("not a brush file"); empty once the file read.
        QString refusal;
        // A damaged file that still gave some brushes: said in words, and installed anyway.
        QString damage;
        std::vector<Outcome> outcomes; // one per application, in list order
        // What a running GIMP or Krita that got new brushes needs before it shows them, in
        // words; empty when no such application got any.
        QString refreshNote;
        int count(Outcome::eResult result) const;
        // Every application got a new copy; "already installed" is not success here.
        bool succeeded() const;
    };

    // Nothing happens for an empty path or no applications.
    static Report installItem(const QString& path, const PaintingAppList& apps);
    // The same with what the summary already read and converted.
    static Report installItem(ConvertedFile& file, const PaintingAppList& apps);

    // Why the file cannot be installed at all, in words, or "" when some brush could be read.
    // Reads the file (once: the install and the summary share the read).
    static QString refusal(ConvertedFile& file);

    // What installing would give each application that gets converted brushes, before
    // anything is written: one line each ("GIMP: 37 brushes, 5 changed, 3 patterns") and, for
    // the details, a line per brush that changed or could not be carried and per pattern that
    // changed. Empty when no
    // application converts.
    struct ConversionSummary
    {
        QStringList lines;
        QStringList details;
    };
    static ConversionSummary summarize(ConvertedFile& file, const PaintingAppList& apps);

    // The report in one sentence that names the file and the applications: what failed
    // where, else what was installed where, else where it already was.
    static QString headline(const Report& report, const QString& fileName);
    // One application's outcome: "GIMP 2.10: installed /…/brushes/Soft".
    static QString outcomeLine(const Outcome& outcome);
    // The applications an install goes to, by product and each once, for a command's label:
    // "GIMP and Krita", "Photoshop, GIMP and Krita"; empty for none.
    static QString targetNames(const PaintingAppList& apps);
};
