#include "actions/BrushInstaller.h"

#include "platform/WriteNewFile.h"

#include <QFileInfo>

BrushInstaller::Report BrushInstaller::installItem(const QString& path,
                                                   const PhotoshopAppList& apps)
{
    Report report;
    if (path.isEmpty())
        return report;
    const QString name = QFileInfo(path).fileName();
    int failures = 0, duplicates = 0;
    for (const PhotoshopApp& app : apps) {
        Outcome outcome;
        outcome.destination = app.brushesFolderPath() + QLatin1Char('/') + name;
        bool exists = false;
        if (CopyToNewFile(path, outcome.destination, &outcome.reason, &exists)) {
            outcome.result = Outcome::eResult::Installed;
        } else {
            ++failures;
            if (exists) {
                ++duplicates;
                outcome.result = Outcome::eResult::Duplicate;
                outcome.reason.clear();
            } else {
                outcome.result = Outcome::eResult::Failed;
            }
        }
        report.outcomes.push_back(outcome);
    }
    report.alertKey = alertKeyFor(int(apps.size()), failures, duplicates);
    if (failures > duplicates)
        report.informativeKey = QStringLiteral("brushes-check-permissions");
    return report;
}

QString BrushInstaller::alertKeyFor(int appCount, int failures, int duplicates)
{
    if (failures == 0)
        return QString();
    const bool onlyDuplicates = duplicates == failures;
    if (appCount == 1)
        return onlyDuplicates ? QStringLiteral("bad install-one-duplicate")
                              : QStringLiteral("bad install-one-other");
    const bool all = failures >= appCount;
    if (onlyDuplicates)
        return all ? QStringLiteral("bad install-all-duplicate")
                   : QStringLiteral("bad install-some-duplicate");
    return all ? QStringLiteral("bad install-all-other") : QStringLiteral("bad install-some-other");
}
