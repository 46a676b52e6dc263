#pragma once

#include "actions/PhotoshopApp.h"

#include <QString>
#include <vector>

// Copies a brush file into the brush presets folder of every installed application. A file of
// the same name there is never replaced (a duplicate), and a copy that fails leaves nothing
// behind. The window turns a report with failures into one alert; kelbrin-cli prints it.
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

    // The alert's message key for the number of applications and what failed; empty when
    // nothing failed.
    static QString alertKeyFor(int appCount, int failures, int duplicates);
};
