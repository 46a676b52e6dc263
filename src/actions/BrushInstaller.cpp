#include "actions/BrushInstaller.h"

#include "abr/ReadErrorText.h"
#include "abr/ReadWholeBrushFile.h"
#include "convert/PackMark.h"
#include "convert/PackWriter.h"
#include "convert/ReportText.h"
#include "engine/PresetStroke.h"
#include "platform/WriteNewFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace {
// GIMP and Krita get the brushes in their own formats; they read brush files only in part.
std::optional<PackTarget> ConversionFor(const PaintingApp& app)
{
    switch (app.kind()) {
    case PaintingApp::Kind::Gimp:
        return PackTarget::Gimp;
    case PaintingApp::Kind::Krita:
        return PackTarget::Krita;
    case PaintingApp::Kind::Photoshop:
    case PaintingApp::Kind::Elements:
        break;
    }
    return std::nullopt;
}

BrushInstaller::Outcome Failure(const QString& destination, const QString& reason)
{
    return {BrushInstaller::Outcome::eResult::Failed, QString(), destination, reason, false, false};
}

// The pack in folder (a GIMP pack folder, a Krita bundle) whose mark records the source
// sha256, or "".
QString PackWithSource(const QString& folder, PackTarget target, const QByteArray& sha256)
{
    if (sha256.isEmpty())
        return QString();
    const QDir packs(folder);
    const QStringList candidates =
        target == PackTarget::Gimp
            ? packs.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)
            : packs.entryList({QStringLiteral("*.bundle")}, QDir::Files, QDir::Name);
    for (const QString& name : candidates) {
        const QString path = packs.filePath(name);
        const std::optional<PackMark> mark = ReadPackMark(path);
        if (mark && mark->sourceSha256 == sha256)
            return path;
    }
    return QString();
}

// A file in folder with the same bytes as the one at path (of sha256), or "".
QString FileWithContents(const QString& folder, const QString& path, const QByteArray& sha256)
{
    if (sha256.isEmpty())
        return QString();
    const qint64 size = QFileInfo(path).size();
    const QDir files(folder);
    for (const QFileInfo& info : files.entryInfoList(QDir::Files, QDir::Name)) {
        if (info.size() == size && FileSha256Hex(info.filePath()) == sha256)
            return info.filePath();
    }
    return QString();
}

BrushInstaller::Outcome AlreadyInstalledAs(const QString& existing)
{
    BrushInstaller::Outcome outcome;
    outcome.result = BrushInstaller::Outcome::eResult::Duplicate;
    outcome.destination = existing;
    outcome.identical = true;
    return outcome;
}

// A GIMP pack folder of an earlier version carries no mark. One that holds exactly what the
// file gives now, file for file and byte for byte, is Kelbrin's all the same: it gets the mark
// (and so shows in the outline and may go to the trash again) rather than a second copy.
bool AdoptEarlierPack(const BrushPack& pack, const QString& packFolder)
{
    if (!QFileInfo(packFolder).isDir() || ReadPackMark(packFolder))
        return false;
    // Each file in the folder of its kind: the brushes in the pack folder, patterns, dynamics
    // and tool presets in their companions.
    const auto folderOf = [&](const PackEntry& entry) {
        return entry.isBrush() ? packFolder : PackCompanionFolder(packFolder, entry.mediaType);
    };
    std::map<QString, std::set<QString>> files{{packFolder, {}}};
    for (const PackEntry& entry : pack.entries)
        files[folderOf(entry)].insert(entry.fileName);
    for (const auto& [folder, names] : files) {
        QStringList found = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        // A companion may carry its mark still, the pack folder's having gone.
        if (folder != packFolder)
            found.removeAll(PackMark::kFileName);
        if (std::set<QString>(found.begin(), found.end()) != names)
            return false;
    }
    for (size_t i = 0; i < pack.entries.size(); ++i) {
        const PackEntry& entry = pack.entries[i];
        QFile written(QDir(folderOf(entry)).filePath(entry.fileName));
        if (!written.open(QIODevice::ReadOnly) || written.readAll() != pack.entryBytes(i))
            return false;
    }
    const QByteArray mark = PackMark{pack.sourceName, pack.sourceSha256}.fileText();
    QString error;
    if (!WriteNewFile(QDir(packFolder).filePath(PackMark::kFileName), mark, &error))
        return false;
    for (const auto& [folder, names] : files)
        if (folder != packFolder && !ReadPackMark(folder))
            WriteNewFile(QDir(folder).filePath(PackMark::kFileName), mark, &error);
    return true;
}

BrushInstaller::Outcome InstallPack(ConvertedFile& file, const PaintingApp& app, PackTarget target)
{
    using eResult = BrushInstaller::Outcome::eResult;
    const bool gimp = target == PackTarget::Gimp;
    const QString folder = app.packsFolderPath();
    BrushInstaller::Outcome outcome;
    // The brushes folder is the user's own, and a fresh installation has none yet.
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder))
            return Failure(PackDestination(folder, PackNameForFile(file.path()), target),
                           QStringLiteral("the folder %1 could not be made").arg(folder));
        outcome.madeFolder = true;
    } else if (const QString existing = PackWithSource(folder, target, file.sha256());
               !existing.isEmpty()) {
        return AlreadyInstalledAs(existing);
    }
    const BrushPack& pack = file.pack(target);
    if (gimp && AdoptEarlierPack(pack, PackDestination(folder, pack.name, target)))
        return AlreadyInstalledAs(PackDestination(folder, pack.name, target));
    const PackWriteResult written =
        gimp ? WritePackFolder(pack, folder)
             : WritePackBundle(pack, folder, file.path(), PackPreviewStroke);
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

// Photoshop under Wine keeps its presets folder inside its own installation: one that is
// missing means an installation we do not understand, so nothing is made there.
BrushInstaller::Outcome CopyFile(const QString& path, const QByteArray& sha256,
                                 const PaintingApp& app)
{
    const QString folder = app.brushesFolderPath();
    const QString destination = folder + QLatin1Char('/') + QFileInfo(path).fileName();
    if (!QFileInfo(folder).isDir())
        return Failure(destination, QStringLiteral("its brushes folder %1 is missing").arg(folder));
    if (const QString existing = FileWithContents(folder, path, sha256); !existing.isEmpty())
        return AlreadyInstalledAs(existing);
    BrushInstaller::Outcome outcome;
    outcome.destination = destination;
    bool exists = false;
    if (CopyToNewFile(path, destination, &outcome.reason, &exists))
        outcome.result = BrushInstaller::Outcome::eResult::Installed;
    else
        outcome.result = exists ? BrushInstaller::Outcome::eResult::Duplicate
                                : BrushInstaller::Outcome::eResult::Failed;
    return outcome;
}

// "A", "A and B", "A, B and C".
QString JoinNames(const QStringList& names)
{
    if (names.size() < 2)
        return names.join(QString());
    return BrushInstaller::tr("%1 and %2", "the last of a list of painting applications")
        .arg(names.mid(0, names.size() - 1).join(BrushInstaller::tr(", ")), names.last());
}

QString AppsWith(const BrushInstaller::Report& report, BrushInstaller::Outcome::eResult result)
{
    QStringList names;
    for (const BrushInstaller::Outcome& outcome : report.outcomes)
        if (outcome.result == result)
            names << outcome.app;
    return JoinNames(names);
}
// Both read their resource folders when they start; GIMP also when its Brushes, Patterns, Paint
// Dynamics and Tool Presets dialogs are refreshed, while Krita takes a new bundle only at its
// next start.
QString RefreshNote(bool gimp, bool krita)
{
    const QString gimpNote = BrushInstaller::tr(
        "GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics "
        "and Tool Presets are refreshed (the Refresh button at the foot of each) "
        "or it restarts");
    if (gimp && krita)
        return BrushInstaller::tr("If they are running, %1, and Krita once it restarts.")
            .arg(gimpNote);
    if (gimp)
        return BrushInstaller::tr("If it is running, %1.").arg(gimpNote);
    if (krita)
        return BrushInstaller::tr(
            "If it is running, Krita shows the new brushes once it restarts.");
    return QString();
}
} // namespace

QImage PackPreviewStroke(const Brush& brush, const std::vector<PatternPtr>& patterns, QSize size)
{
    return PaintPresetStroke(brush, patterns, SCurvePath(QSizeF(size)), size, 1).image;
}

const WholeBrushFile& ConvertedFile::read()
{
    if (!mRead)
        mRead = ReadWholeBrushFile(mPath);
    return *mRead;
}

const BrushPack& ConvertedFile::pack(PackTarget target)
{
    auto it = mPacks.find(target);
    if (it == mPacks.end()) {
        BrushPack pack = BuildBrushPack(*read().file, target);
        pack.sourceName = QFileInfo(mPath).fileName();
        pack.sourceSha256 = sha256();
        it = mPacks.emplace(target, std::move(pack)).first;
    }
    return it->second;
}

const QByteArray& ConvertedFile::sha256()
{
    if (!mSha256)
        mSha256 = FileSha256Hex(mPath);
    return *mSha256;
}

BrushInstaller::Report BrushInstaller::installItem(const QString& path, const PaintingAppList& apps)
{
    ConvertedFile file(path);
    return installItem(file, apps);
}

BrushInstaller::Report BrushInstaller::installItem(ConvertedFile& file, const PaintingAppList& apps)
{
    Report report;
    const QString& path = file.path();
    if (path.isEmpty() || apps.empty())
        return report;
    report.refusal = refusal(file);
    if (!report.refusal.isEmpty())
        return report;
    const WholeBrushFile& read = file.read();
    if (read.outcome.failed()) {
        const size_t count = read.file->count();
        report.damage = tr("the file is damaged: only %Ln brush(es) could be read from it", nullptr,
                           int(count));
    }
    bool gimp = false;
    bool krita = false;
    for (const PaintingApp& app : apps) {
        const std::optional<PackTarget> target = ConversionFor(app);
        Outcome outcome =
            target ? InstallPack(file, app, *target) : CopyFile(path, file.sha256(), app);
        outcome.app = app.displayName();
        if (outcome.result == Outcome::eResult::Installed) {
            gimp = gimp || app.kind() == PaintingApp::Kind::Gimp;
            krita = krita || app.kind() == PaintingApp::Kind::Krita;
        }
        report.outcomes.push_back(outcome);
    }
    report.refreshNote = RefreshNote(gimp, krita);
    return report;
}

QString BrushInstaller::refusal(ConvertedFile& file)
{
    const WholeBrushFile& read = file.read();
    if (read.file->count() > 0)
        return QString();
    const ReadOutcome& outcome = read.outcome;
    const QFileInfo info(file.path());
    if (info.isFile() && info.size() == 0)
        return tr("the file is empty");
    if (outcome.unsupportedVersion) {
        if (outcome.notABrushFile())
            return tr("not a brush file");
        return tr("a brush file of version %1, which Kelbrin cannot read")
            .arg(*outcome.unsupportedVersion);
    }
    if (outcome.outOfMemory)
        return tr("not enough memory to read it");
    if (!outcome.error && !read.file->patterns().empty())
        return tr("the file holds patterns but no brushes (export them as pictures "
                  "instead)");
    if (!outcome.error)
        return tr("the file holds no brushes");
    if (*outcome.error == kDamagedFileError || *outcome.error == kEndOfFileError)
        return tr("not a brush file, or too damaged for any brush to be read");
    return ReadErrorText(*outcome.error);
}

int BrushInstaller::Report::count(Outcome::eResult result) const
{
    return int(std::count_if(outcomes.begin(), outcomes.end(),
                             [result](const Outcome& o) { return o.result == result; }));
}

bool BrushInstaller::Report::succeeded() const
{
    return refusal.isEmpty() && !outcomes.empty() &&
           count(Outcome::eResult::Installed) == int(outcomes.size());
}

BrushInstaller::ConversionSummary BrushInstaller::summarize(ConvertedFile& file,
                                                            const PaintingAppList& apps)
{
    // The report is made in English for scripts; the user reads it in their language.
    ConversionSummary summary;
    const auto nameOr = [](const QString& name) { return name.isEmpty() ? tr("(no name)") : name; };
    for (const PaintingApp& app : apps) {
        const std::optional<PackTarget> target = ConversionFor(app);
        if (!target)
            continue;
        const QString name =
            *target == PackTarget::Gimp ? QStringLiteral("GIMP") : QStringLiteral("Krita");
        const BrushPack& pack = file.pack(*target);
        summary.lines << tr("%1: %2", "a painting application, what its pack holds")
                             .arg(name, ShownCountsText(pack));
        for (const PackedBrush& brush : pack.brushes) {
            // %1 the application, %2 the brush's number, %3 its name, %4 changed or not
            // carried, %5 what changed or why.
            if (brush.outcome != PackedBrush::Outcome::Kept)
                summary.details << tr("%1, brush %2 %3: %4 (%5)")
                                       .arg(name)
                                       .arg(brush.index)
                                       .arg(nameOr(brush.name), ShownOutcomeName(brush.outcome),
                                            ShownReportTexts(brush.what));
            for (const SettingFate& setting : brush.settings) {
                if (setting.fate != SettingFate::Fate::Kept)
                    summary.details << tr("%1, preset %2 %3: %4")
                                           .arg(name)
                                           .arg(brush.index)
                                           .arg(nameOr(brush.name), ShownSettingFateText(setting));
            }
        }
        for (const PackedPattern& pattern : pack.patterns) {
            if (!pattern.what.isEmpty())
                summary.details << tr("%1, pattern %2 %3: changed (%4)")
                                       .arg(name)
                                       .arg(pattern.index)
                                       .arg(nameOr(pattern.name), ShownReportTexts(pattern.what));
        }
    }
    return summary;
}

QString BrushInstaller::headline(const Report& report, const QString& fileName)
{
    if (!report.refusal.isEmpty())
        return tr("“%1” was not installed: %2.").arg(fileName, report.refusal);
    using eResult = Outcome::eResult;
    // %1 is the brush file, %2 the painting applications, "GIMP 2.10 and Krita".
    for (const auto& [result, text] :
         {std::pair{eResult::Failed,
                    QT_TRANSLATE_NOOP("BrushInstaller", "“%1” could not be installed in %2.")},
          std::pair{eResult::Installed,
                    QT_TRANSLATE_NOOP("BrushInstaller", "“%1” was installed in %2.")},
          std::pair{eResult::Duplicate,
                    QT_TRANSLATE_NOOP("BrushInstaller", "“%1” is already installed in %2.")}}) {
        const QString apps = AppsWith(report, result);
        if (!apps.isEmpty())
            return tr(text).arg(fileName, apps);
    }
    return QString();
}

QString BrushInstaller::outcomeLine(const Outcome& outcome)
{
    switch (outcome.result) {
    case Outcome::eResult::Installed:
        return (outcome.madeFolder ? tr("%1: installed %2 (its brushes folder was made for it)")
                                   : tr("%1: installed %2"))
            .arg(outcome.app, outcome.destination);
    case Outcome::eResult::Duplicate:
        return (outcome.identical ? tr("%1: already installed as %2") : tr("%1: already has %2"))
            .arg(outcome.app, outcome.destination);
    case Outcome::eResult::Failed:
        break;
    }
    return tr("%1: could not write %2: %3").arg(outcome.app, outcome.destination, outcome.reason);
}

QString BrushInstaller::targetNames(const PaintingAppList& apps)
{
    QStringList names;
    for (const PaintingApp& app : apps) {
        QString name;
        switch (app.kind()) {
        case PaintingApp::Kind::Photoshop:
            name = QStringLiteral("Photoshop");
            break;
        case PaintingApp::Kind::Elements:
            name = QStringLiteral("Photoshop Elements");
            break;
        case PaintingApp::Kind::Gimp:
            name = QStringLiteral("GIMP");
            break;
        case PaintingApp::Kind::Krita:
            name = QStringLiteral("Krita");
            break;
        }
        if (!names.contains(name))
            names << name;
    }
    return JoinNames(names);
}
