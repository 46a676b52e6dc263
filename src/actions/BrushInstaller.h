#pragma once

#include "abr/ReadWholeBrushFile.h"
#include "actions/PhotoshopApp.h"
#include "convert/BrushPack.h"

#include <QString>
#include <map>
#include <optional>
#include <vector>

// A brush file read once and converted once per application format, when first asked: the
// summary shown before an install and the install itself share it.
class ConvertedFile
{
public:
    explicit ConvertedFile(QString path) : mPath(std::move(path)) {}
    const QString& path() const { return mPath; }
    const WholeBrushFile& read();
    const BrushPack& pack(PackTarget target);

private:
    QString mPath;
    std::optional<WholeBrushFile> mRead;
    std::map<PackTarget, BrushPack> mPacks;
};

// Installs a brush file in every installed application: Photoshop's get a copy in their brush
// presets folder; GIMP and Krita get the brushes converted into their own formats, as a pack
// named after the file (GIMP: a folder in its brushes folder; Krita: a bundle in its resource
// folder). Nothing there is ever replaced (a duplicate), and a failure leaves nothing behind. The
// window turns a report with failures into one alert; kelbrin-cli prints it.
class BrushInstaller
{
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
        QString destination;
        QString reason; // in words, for Failed
    };

    struct Report
    {
        std::vector<Outcome> outcomes; // one per application, in list order
        // Localisation keys of the alert to show; empty when every copy was made.
        QString alertKey;
        QString informativeKey;
        bool succeeded() const { return alertKey.isEmpty(); }
    };

    // Nothing happens for an empty path or no applications.
    static Report installItem(const QString& path, const PhotoshopAppList& apps);
    // The same with what the summary already read and converted.
    static Report installItem(ConvertedFile& file, const PhotoshopAppList& apps);

    // What installing would give each application that gets converted brushes, before
    // anything is written: one line each ("GIMP: 37 brushes, 5 changed") and, for the
    // details, a line per brush that changed or could not be carried. Empty when no
    // application converts.
    struct ConversionSummary
    {
        QStringList lines;
        QStringList details;
    };
    static ConversionSummary summarize(ConvertedFile& file, const PhotoshopAppList& apps);

    // The alert's message key for the number of applications and what failed; empty when
    // nothing failed.
    static QString alertKeyFor(int appCount, int failures, int duplicates);
};
