#include "actions/BrushInstaller.h"

#include "abr/ReadWholeBrushFile.h"
#include "convert/PackWriter.h"
#include "platform/WriteNewFile.h"

#include <QFileInfo>

namespace {
// GIMP and Krita get the brushes in their own formats; they read brush files only in part.
std::optional<PackTarget> ConversionFor(const PhotoshopApp& app)
{
    switch (app.kind()) {
    case PhotoshopApp::Kind::Gimp:
        return PackTarget::Gimp;
    case PhotoshopApp::Kind::Krita:
        return PackTarget::Krita;
    case PhotoshopApp::Kind::Photoshop:
    case PhotoshopApp::Kind::Elements:
        break;
    }
    return std::nullopt;
}

BrushInstaller::Outcome InstallPack(ConvertedFile& file, const PhotoshopApp& app, PackTarget target)
{
    using eResult = BrushInstaller::Outcome::eResult;
    const bool gimp = target == PackTarget::Gimp;
    const QString folder = app.packsFolderPath();
    BrushInstaller::Outcome outcome;
    if (file.read().file->count() == 0) {
        outcome.result = eResult::Failed;
        outcome.destination = PackDestination(folder, PackNameForFile(file.path()), target);
        outcome.reason = QStringLiteral("no brushes could be read from the file");
        return outcome;
    }
    const BrushPack& pack = file.pack(target);
    const PackWriteResult written =
        gimp ? WritePackFolder(pack, folder) : WritePackBundle(pack, folder, file.path());
    outcome.destination = written.path;
    switch (written.status) {
    case PackWriteResult::Status::Written:
        outcome.result = eResult::Installed;
        break;
    case PackWriteResult::Status::AlreadyExists:
        outcome.result = eResult::Duplicate;
        break;
    case PackWriteResult::Status::Failed:
        outcome.result = eResult::Failed;
        outcome.reason = written.error;
        break;
    }
    return outcome;
}
} // namespace

const WholeBrushFile& ConvertedFile::read()
{
    if (!mRead)
        mRead = ReadWholeBrushFile(mPath);
    return *mRead;
}

const BrushPack& ConvertedFile::pack(PackTarget target)
{
    auto it = mPacks.find(target);
    if (it == mPacks.end())
        it = mPacks.emplace(target, BuildBrushPack(*read().file, target)).first;
    return it->second;
}

BrushInstaller::Report BrushInstaller::installItem(const QString& path,
                                                   const PhotoshopAppList& apps)
{
    ConvertedFile file(path);
    return installItem(file, apps);
}

BrushInstaller::Report BrushInstaller::installItem(ConvertedFile& file,
                                                   const PhotoshopAppList& apps)
{
    Report report;
    const QString& path = file.path();
    if (path.isEmpty())
        return report;
    const QString name = QFileInfo(path).fileName();
    int failures = 0, duplicates = 0;
    for (const PhotoshopApp& app : apps) {
        Outcome outcome;
        if (const std::optional<PackTarget> target = ConversionFor(app)) {
            outcome = InstallPack(file, app, *target);
        } else {
            outcome.destination = app.brushesFolderPath() + QLatin1Char('/') + name;
            bool exists = false;
            if (CopyToNewFile(path, outcome.destination, &outcome.reason, &exists))
                outcome.result = Outcome::eResult::Installed;
            else if (exists)
                outcome = {Outcome::eResult::Duplicate, outcome.destination, QString()};
            else
                outcome.result = Outcome::eResult::Failed;
        }
        failures += outcome.result != Outcome::eResult::Installed ? 1 : 0;
        duplicates += outcome.result == Outcome::eResult::Duplicate ? 1 : 0;
        report.outcomes.push_back(outcome);
    }
    report.alertKey = alertKeyFor(int(apps.size()), failures, duplicates);
    if (failures > duplicates)
        report.informativeKey = QStringLiteral("brushes-check-permissions");
    return report;
}

BrushInstaller::ConversionSummary BrushInstaller::summarize(ConvertedFile& file,
                                                            const PhotoshopAppList& apps)
{
    ConversionSummary summary;
    for (const PhotoshopApp& app : apps) {
        const std::optional<PackTarget> target = ConversionFor(app);
        if (!target)
            continue;
        const QString name =
            *target == PackTarget::Gimp ? QStringLiteral("GIMP") : QStringLiteral("Krita");
        const BrushPack& pack = file.pack(*target);
        const QString line = name + QStringLiteral(": ") + pack.countsText();
        summary.lines << line;
        for (const PackedBrush& brush : pack.brushes) {
            if (brush.outcome != PackedBrush::Outcome::Kept)
                summary.details << QStringLiteral("%1, brush %2 %3: %4 (%5)")
                                       .arg(name)
                                       .arg(brush.index)
                                       .arg(brush.name.isEmpty() ? QStringLiteral("(no name)")
                                                                 : brush.name,
                                            OutcomeName(brush.outcome),
                                            brush.what.join(QStringLiteral(", ")));
        }
    }
    return summary;
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
