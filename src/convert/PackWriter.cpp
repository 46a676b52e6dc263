#include "convert/PackWriter.h"

#include "convert/KritaBundle.h"
#include "convert/KritaPaintPreset.h"
#include "convert/PackMark.h"
#include "platform/NativePath.h"
#include "platform/Paths.h"
#include "platform/ThreadSanitizerHandOff.h"
#include "platform/WriteNewFile.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <deque>
#include <future>
#include <memory>
#include <optional>

namespace {
PackWriteResult Failed(const QString& path, const QString& error)
{
    return {PackWriteResult::Status::Failed, path, error};
}

// Renames the finished temporary into place; a name already taken is a duplicate, not an
// error, and the temporary goes either way.
PackWriteResult MoveIntoPlace(const QString& temporary, const QString& destination)
{
    const int error = MoveNoReplace(PathToNative(temporary), PathToNative(destination));
    if (error == 0)
        return {PackWriteResult::Status::Written, destination, QString()};
    if (error == EEXIST || error == ENOTEMPTY)
        return {PackWriteResult::Status::AlreadyExists, destination, QString()};
    return Failed(destination, QString::fromLocal8Bit(std::strerror(error)));
}

// The plan promised the entry, but its brush's pixels could not be had when it came to it.
QString NotMade(const QString& fileName)
{
    return QStringLiteral("%1 could not be made: too little memory to draw its brush")
        .arg(fileName);
}

// QTemporaryDir made it private; the pack is read by the applications like any folder.
void MakeReadable(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther);
}

// Nothing is written over a pack that is there; the new one is made in a private temporary
// folder beside it, on the same file system, so that it can be renamed into place.
std::optional<PackWriteResult> Prepare(const QString& destination, const QString& folder,
                                       std::unique_ptr<QTemporaryDir>& temporary,
                                       bool replacing = false)
{
    if (!replacing && ExistsWithoutFollowing(destination))
        return PackWriteResult{PackWriteResult::Status::AlreadyExists, destination, QString()};
    if (!QDir().mkpath(folder))
        return Failed(destination, QStringLiteral("cannot make the folder %1").arg(folder));
    temporary =
        std::make_unique<QTemporaryDir>(QDir(folder).filePath(QStringLiteral(".kelbrin-pack")));
    if (!temporary->isValid())
        return Failed(destination, temporary->errorString());
    return std::nullopt;
}
} // namespace

namespace {
// What a worker makes of one entry of a bundle ahead of the writer: all of it but a paint
// preset's, whose bytes name its tips by the MD5s the writer knows once it has stored them;
// of those, the picture, the dear part.
struct MadeEntry
{
    KritaBundle::Prepared prepared;
    QImage picture; // a paint preset's
    QImage ink;     // a tip as written, for a preview made of tips
    bool made = true;
};

MadeEntry MakeEntry(const BrushPack& pack, size_t index, const PackPreviewPainter& painter)
{
    const PackEntry& entry = pack.entries[index];
    MadeEntry made;
    if (entry.mediaType == PackEntry::kPaintPresets) {
        made.picture = KritaPresetPicture(pack, entry.source, painter);
        return made;
    }
    const BrushPack::Pieces pieces = pack.entryPieces(index);
    made.made = !pieces.views.empty();
    if (made.made)
        made.prepared = KritaBundle::prepare(entry.mediaType, pieces.views);
    if (!painter)
        made.ink = pieces.tip;
    return made;
}
} // namespace

QString PackDestination(const QString& folder, const QString& packName, PackTarget target)
{
    return QDir(folder).filePath(target == PackTarget::Gimp ? packName
                                                            : packName + QStringLiteral(".bundle"));
}

QString PackCompanionFolder(const QString& packFolder, const QString& mediaType)
{
    return QDir::cleanPath(packFolder + QStringLiteral("/../../") + mediaType + QLatin1Char('/') +
                           QFileInfo(packFolder).fileName());
}

QString PackPatternsFolder(const QString& packFolder)
{
    return PackCompanionFolder(packFolder, PackEntry::kPatterns);
}

const QStringList& PackCompanionTypes()
{
    static const QStringList types = {PackEntry::kPatterns, PackEntry::kDynamics,
                                      PackEntry::kToolPresets};
    return types;
}

namespace {
// One of the folders a GIMP pack is written to: its own temporary until it is renamed into
// place, and what it replaces, an earlier companion of ours, set aside meanwhile.
struct PackFolderWrite
{
    QString mediaType;
    QString destination;
    std::unique_ptr<QTemporaryDir> temporary;
    bool leftover = false;
    std::unique_ptr<QTemporaryDir> retired;
    QString retiredPath;
    bool placed = false;

    void restoreLeftover()
    {
        if (retired)
            MoveNoReplace(PathToNative(retiredPath), PathToNative(destination));
    }
};
} // namespace

PackWriteResult WritePackFolder(const BrushPack& pack, const QString& folder)
{
    const QString destination = PackDestination(folder, pack.name, PackTarget::Gimp);
    PackFolderWrite brushes{PackEntry::kBrushes, destination, {}, false, {}, {}, false};
    if (std::optional<PackWriteResult> refused = Prepare(destination, folder, brushes.temporary))
        return *refused;
    // The companions of an earlier pack of ours whose brushes folder went (GIMP shows the
    // brushes, and that is the folder people remove) give way to the new pack; a folder of
    // that name that is not ours stops it: nothing is written over it.
    std::vector<PackFolderWrite> companions;
    for (const QString& type : PackCompanionTypes()) {
        if (std::none_of(pack.entries.begin(), pack.entries.end(),
                         [&](const PackEntry& e) { return e.mediaType == type; }))
            continue;
        PackFolderWrite& companion = companions.emplace_back();
        companion.mediaType = type;
        companion.destination = PackCompanionFolder(destination, type);
        companion.leftover = ReadPackMark(companion.destination).has_value();
        if (std::optional<PackWriteResult> refused =
                Prepare(companion.destination, QFileInfo(companion.destination).path(),
                        companion.temporary, companion.leftover))
            return *refused;
    }
    std::vector<PackFolderWrite*> folders{&brushes};
    for (PackFolderWrite& companion : companions)
        folders.push_back(&companion);
    // The files go straight into the temporary folders: nobody else writes there, and each
    // appears whole, by one rename, or not at all. A folder's files are made and written on
    // one thread, the folders on as many threads as there are cores (creating a file locks its
    // folder, so that is where the work divides); the failure told is the first entry's, as
    // when they are written one after another.
    std::vector<std::vector<size_t>> byFolder(folders.size());
    for (size_t i = 0; i < pack.entries.size(); ++i) {
        size_t folder = 0;
        while (folder + 1 < folders.size() &&
               folders[folder]->mediaType != pack.entries[i].mediaType)
            ++folder;
        if (folders[folder]->mediaType != pack.entries[i].mediaType)
            folder = 0;
        byFolder[folder].push_back(i);
    }
    struct Failure
    {
        size_t entry = SIZE_MAX;
        QString error;
    };
    const auto writeFolders = [&](size_t first, size_t step) {
        Failure failure;
        for (size_t folder = first; folder < folders.size(); folder += step) {
            const QDir into(folders[folder]->temporary->path());
            for (const size_t i : byFolder[folder]) {
                if (i > failure.entry)
                    break;
                const BrushPack::Pieces pieces = pack.entryPieces(i);
                QString error;
                if (pieces.views.empty())
                    failure = {i, NotMade(pack.entries[i].fileName)};
                else if (!WriteFileInPrivateFolder(into.filePath(pack.entries[i].fileName),
                                                   pieces.views, &error))
                    failure = {i, error};
            }
        }
        return failure;
    };
    const size_t threads =
        std::min(folders.size(), size_t(std::max(1, QThread::idealThreadCount())));
    std::vector<std::future<Failure>> others;
    for (size_t t = 1; t < threads; ++t)
        others.push_back(std::async(std::launch::async, [&writeFolders, &others, t, threads] {
            Failure failure = writeFolders(t, threads);
            ThreadSanitizerHandOff(&others);
            return failure;
        }));
    Failure failure = writeFolders(0, threads);
    for (std::future<Failure>& other : others) {
        Failure theirs = other.get();
        ThreadSanitizerTakeOver(&others);
        if (theirs.entry < failure.entry)
            failure = std::move(theirs);
    }
    if (failure.entry != SIZE_MAX)
        return Failed(destination, failure.error);
    const QByteArray mark = PackMark{pack.sourceName, pack.markSha256()}.fileText();
    for (PackFolderWrite* write : [&] {
             std::vector<PackFolderWrite*> all{&brushes};
             for (PackFolderWrite& companion : companions)
                 all.push_back(&companion);
             return all;
         }()) {
        QString error;
        if (!WriteNewFile(QDir(write->temporary->path()).filePath(PackMark::kFileName), mark,
                          &error))
            return Failed(destination, error);
    }
    // Leftovers wait aside until the new pack is in place, and come back if it fails.
    const auto undo = [&] {
        for (PackFolderWrite& companion : companions) {
            if (companion.placed)
                QDir(companion.destination).removeRecursively(); // made just now, by us
            companion.restoreLeftover();
        }
    };
    for (PackFolderWrite& companion : companions) {
        if (!companion.leftover)
            continue;
        companion.retired = std::make_unique<QTemporaryDir>(
            QFileInfo(companion.destination).path() + QStringLiteral("/.kelbrin-leftover"));
        companion.retiredPath = QDir(companion.retired->path()).filePath(companion.mediaType);
        const int error = companion.retired->isValid()
                              ? MoveNoReplace(PathToNative(companion.destination),
                                              PathToNative(companion.retiredPath))
                              : EACCES;
        if (error != 0) {
            const QString reason = QStringLiteral("cannot move the leftover %1 %2: %3")
                                       .arg(companion.mediaType, companion.destination,
                                            QString::fromLocal8Bit(std::strerror(error)));
            companion.retired.reset();
            undo();
            return Failed(destination, reason);
        }
    }
    // The brushes go last: once they are in place the pack is there, companions and all.
    for (PackFolderWrite& companion : companions) {
        MakeReadable(companion.temporary->path());
        PackWriteResult placed = MoveIntoPlace(companion.temporary->path(), companion.destination);
        if (placed.status != PackWriteResult::Status::Written) {
            undo();
            return placed;
        }
        companion.temporary->setAutoRemove(false);
        companion.placed = true;
    }
    MakeReadable(brushes.temporary->path());
    PackWriteResult result = MoveIntoPlace(brushes.temporary->path(), destination);
    if (result.status == PackWriteResult::Status::Written)
        brushes.temporary->setAutoRemove(false);
    else
        undo();
    return result;
}

QString ExistingPackCompanionFolder(const QString& packFolder, const QString& mediaType)
{
    const QFileInfo pack(packFolder);
    if (!pack.isDir() || pack.isSymLink() ||
        QFileInfo(pack.absolutePath()).fileName() != QLatin1String("brushes"))
        return QString();
    const QString companion = PackCompanionFolder(pack.absoluteFilePath(), mediaType);
    return QFileInfo(companion).isDir() ? companion : QString();
}

QString ExistingPackPatternsFolder(const QString& packFolder)
{
    return ExistingPackCompanionFolder(packFolder, PackEntry::kPatterns);
}

Trash::Result TrashPack(const QString& path, const Trash::AskToDelete& askToDelete)
{
    // Only companions Kelbrin wrote go along: a folder of that name can be somebody else's.
    QStringList companions;
    for (const QString& type : PackCompanionTypes())
        if (const QString companion = ExistingPackCompanionFolder(path, type);
            !companion.isEmpty() && ReadPackMark(companion))
            companions << companion;
    Trash::Result result = Trash::trashPath(path, askToDelete);
    if (!result.succeeded)
        return result;
    QStringList stayed;
    for (const QString& companion : companions) {
        const Trash::Result moved = Trash::trashPath(companion, askToDelete);
        if (!moved.succeeded)
            stayed << QStringLiteral("%1 stayed: %2").arg(companion, moved.reason);
    }
    if (!stayed.isEmpty())
        result.reason =
            QStringLiteral("some of its files stayed (%1)").arg(stayed.join(QStringLiteral("; ")));
    return result;
}

PackWriteResult WritePackBundle(const BrushPack& pack, const QString& folder,
                                const QString& sourcePath, const PackPreviewPainter& previewPainter)
{
    const QString destination = PackDestination(folder, pack.name, PackTarget::Krita);
    std::unique_ptr<QTemporaryDir> temporary;
    if (std::optional<PackWriteResult> refused = Prepare(destination, folder, temporary))
        return *refused;
    const QString written = QDir(temporary->path()).filePath(QStringLiteral("pack.bundle"));
    KritaBundle::Writer bundle(written, pack.name,
                               (pack.patterns.empty()
                                    ? QStringLiteral("Brushes converted by Kelbrin from %1")
                                    : QStringLiteral("Brushes and patterns converted by Kelbrin "
                                                     "from %1"))
                                   .arg(QFileInfo(sourcePath).fileName()));
    QString error;
    // The reason names the file being written; the person reading it knows the destination.
    const auto failed = [&] { return Failed(destination, error.replace(written, destination)); };
    if (!bundle.open(&error))
        return failed();
    PackPreview preview(previewPainter,
                        size_t(std::count_if(pack.entries.begin(), pack.entries.end(),
                                             [](const PackEntry& e) { return e.isBrush(); })));
    // A preset names its tips by their MD5, taken here as they go by rather than drawn again.
    KritaResourceSums sums;
    // The dear parts of an entry, a preset's stroke and the deflating of a tip, are done for
    // the next few entries on threads of their own, one for each core, while the entries
    // before them are stored in order; each entry's ZIP stream is made on its own, so the
    // bundle is the same as when they are made one after another. The writer mostly waits for
    // them, so it takes no core of its own. A few entries ahead keep every core busy and hold
    // only a few brushes' files at once.
    const int threads = std::max(1, QThread::idealThreadCount());
    const size_t ahead = size_t(2 * threads);
    // Entries i, i + 1, ... as they come.
    std::deque<std::pair<std::shared_ptr<std::packaged_task<MadeEntry()>>, std::future<MadeEntry>>>
        made;
    size_t next = 0;
    // Declared last, so that on any return it is gone first: queued work is dropped and what
    // runs finished before the pack it reads goes.
    QThreadPool workers;
    workers.setMaxThreadCount(threads);
    const auto stopWorkers = qScopeGuard([&] { workers.clear(); });
    for (size_t i = 0; i < pack.entries.size(); ++i) {
        for (; next < pack.entries.size() && made.size() < ahead; ++next) {
            auto task = std::make_shared<std::packaged_task<MadeEntry()>>(
                [&pack, &previewPainter, next] { return MakeEntry(pack, next, previewPainter); });
            made.push_back({task, task->get_future()});
            // The pool hands the task over, and the future its entry back, under Qt's and the
            // C++ library's own locks, which ThreadSanitizer cannot see. The task is taken
            // over before anything of it is read.
            static const char poolHandOff = 0;
            std::function<void()> run = [task] {
                ThreadSanitizerTakeOver(&poolHandOff);
                (*task)();
                ThreadSanitizerHandOff(task.get());
            };
            ThreadSanitizerHandOff(&poolHandOff);
            workers.start(std::move(run));
        }
        MadeEntry entryMade = made.front().second.get();
        ThreadSanitizerTakeOver(made.front().first.get());
        made.pop_front();
        const PackEntry& entry = pack.entries[i];
        if (entry.mediaType == PackEntry::kPaintPresets) {
            const QByteArray bytes =
                KritaPresetEntryBytes(pack, entry, previewPainter, &sums,
                                      entryMade.picture.isNull() ? nullptr : &entryMade.picture);
            entryMade.made = !bytes.isEmpty();
            if (entryMade.made)
                entryMade.prepared = KritaBundle::prepare(entry.mediaType, bytes);
        }
        if (!entryMade.made)
            return Failed(destination, NotMade(entry.fileName));
        sums[i] = entryMade.prepared.md5;
        if (entry.isBrush())
            preview.add(*pack.sources.at(entry.source), pack.patternSources, entryMade.ink);
        if (!bundle.add(entry.mediaType, entry.fileName, entryMade.prepared, &error))
            return failed();
    }
    bundle.setSourceSha256(pack.markSha256());
    if (!bundle.finish(preview.image, &error))
        return failed();
    return MoveIntoPlace(written, destination);
}
