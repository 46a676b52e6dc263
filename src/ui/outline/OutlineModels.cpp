#include "ui/outline/OutlineModels.h"

#include "convert/PackMark.h"
#include "discovery/BrushFileMatcher.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool HasSuffix(const QString& path, const char* suffix)
{
    return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

FileNodeFlags ItemFlags(const FileNodeFlagsList& flags, qsizetype i)
{
    return size_t(i) < flags.size() ? flags[size_t(i)] : FileNodeFlags{};
}

// A pack's row stands for its folder, which the outline is to show as one item.
FileNodeFlags PackFlags(const FileNodeFlagsList& entryFlags, qsizetype i)
{
    FileNodeFlags flags = ItemFlags(entryFlags, i);
    flags.set(FileNodeFlags::eIsPackFolder, true);
    return flags;
}

bool IsWithin(const QString& path, const QString& folder)
{
    return path == folder ||
           (path.startsWith(folder) && path.size() > folder.size() && path[folder.size()] == '/');
}
} // namespace

FoundFileOutlineModel::FoundFileOutlineModel(const QStringList& excludedFolders,
                                             const QString& homeFolder, QObject* parent)
    : OutlineModel(parent)
{
    CFileHierarchy& hierarchy = getFileHierarchy();
    hierarchy.SetTopLevelSortingOrder(eTopLevelSortByDepthFirst);
    for (const QString& folder : excludedFolders)
        mFileFilter.AddDirectory(folder);
    hierarchy.SetFilter(&mFileFilter);
    hierarchy.AddLimitedVisibilityAncestorDirectory(homeFolder);
}

InstalledFileOutlineModel::InstalledFileOutlineModel(const std::vector<Application>& applications,
                                                     QObject* parent)
    : OutlineModel(parent), mApplications(applications)
{
    CFileHierarchy& hierarchy = getFileHierarchy();
    hierarchy.SetTopLevelSortingOrder(eTopLevelSortByNameFirst);
    setTopLevelOrderedByLabel(true);
    for (Application& app : mApplications) {
        for (QString* folder : {&app.packsFolder, &app.shownFolder})
            if (!folder->isEmpty())
                *folder = QDir::cleanPath(*folder);
        if (app.shownFolder.isEmpty())
            app.shownFolder = QDir::cleanPath(app.appFolder);
        hierarchy.AddAlwaysVisibleAncestorDirectory(app.shownFolder);
        mFileFilter.AddDirectory(app.appFolder);
        if (!app.additionalBrushesFolder.isEmpty()) {
            hierarchy.AddAlwaysVisibleAncestorDirectory(app.additionalBrushesFolder);
            mFileFilter.AddDirectory(app.additionalBrushesFolder);
        }
    }
    hierarchy.SetFilter(&mFileFilter);
    connect(this, &OutlineModel::firstPhaseDidFinish, this,
            &InstalledFileOutlineModel::startSupplementalSearches);
}

void InstalledFileOutlineModel::setSupplementalSearch(FoundFilesIn foundFilesIn,
                                                      SupplementalSearch start)
{
    mFoundFilesIn = std::move(foundFilesIn);
    mStartSupplementalSearch = std::move(start);
}

void InstalledFileOutlineModel::startSupplementalSearches()
{
    if (!mSupplementalSearches.empty() || !mFoundFilesIn || !mStartSupplementalSearch)
        return;
    // The main search passes over hidden folders, and Wine keeps its programs inside one; the
    // applications it found nothing for are searched again on their own. Their additional
    // brushes folders live in the same hidden prefix, so they go along.
    QStringList folders;
    for (const Application& app : mApplications) {
        for (const QString& folder : {app.appFolder, app.additionalBrushesFolder}) {
            if (!folder.isEmpty() && !folders.contains(folder) && !mFoundFilesIn(folder))
                folders << folder;
        }
    }
    // The application's own folder rather than its packs folder, which the first install may
    // have yet to make.
    QStringList packFolders;
    for (const Application& app : mApplications)
        if (!app.packsFolder.isEmpty() && !packFolders.contains(app.appFolder))
            packFolders << app.appFolder;
    // The packs go in the application's own folders, which the main search never looks into
    // and which are not brush files to it.
    for (const auto& [matcher, where] :
         {std::pair{BrushFileMatcher::brushFilesBySuffix(), folders},
          std::pair{BrushFileMatcher::convertedPackFiles(), packFolders}})
        if (!where.isEmpty())
            if (std::shared_ptr<void> search = mStartSupplementalSearch(matcher, where, this))
                mSupplementalSearches.push_back(std::move(search));
}

QString InstalledFileOutlineModel::packOfEntry(const QString& path) const
{
    if (!HasSuffix(path, ".gbr") && !HasSuffix(path, ".vbr"))
        return QString();
    const QString pack = ParentPath(path);
    // A pack shown stays one until its last entry goes, mark or no mark: the mark may have gone
    // first.
    if (mPackEntries.count(pack))
        return pack;
    for (const Application& app : mApplications)
        if (!app.packsAreBundles && !app.packsFolder.isEmpty() &&
            ParentPath(pack) == app.packsFolder)
            return ReadPackMark(pack) ? pack : QString();
    return QString();
}

bool InstalledFileOutlineModel::showsAsItIs(const QString& path) const
{
    if (HasSuffix(path, ".abr"))
        return true;
    if (!HasSuffix(path, ".bundle"))
        return false;
    for (const Application& app : mApplications)
        if (app.packsAreBundles && ParentPath(path) == app.packsFolder)
            return ReadPackMark(path).has_value();
    return false;
}

void InstalledFileOutlineModel::forgetPacksWithin(const QString& path)
{
    for (auto it = mPackEntries.begin(); it != mPackEntries.end();)
        it = IsWithin(it->first, path) ? mPackEntries.erase(it) : std::next(it);
}

void InstalledFileOutlineModel::renamePacksWithin(const QString& oldPath, const QString& newPath)
{
    std::map<QString, std::set<QString>> renamed;
    for (auto it = mPackEntries.begin(); it != mPackEntries.end();) {
        if (!IsWithin(it->first, oldPath)) {
            ++it;
            continue;
        }
        const QString pack = newPath + it->first.mid(oldPath.size());
        for (const QString& entry : it->second)
            renamed[pack].insert(newPath + entry.mid(oldPath.size()));
        it = mPackEntries.erase(it);
    }
    mPackEntries.merge(renamed);
}

void InstalledFileOutlineModel::addItems(const QStringList& paths, const FileNodeFlagsList& flags)
{
    QStringList shown;
    FileNodeFlagsList shownFlags;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString pack = packOfEntry(paths[i]);
        std::set<QString>* entries = pack.isEmpty() ? nullptr : &mPackEntries[pack];
        const bool show = entries ? entries->empty() : showsAsItIs(paths[i]);
        if (entries)
            entries->insert(paths[i]);
        if (show) {
            shown << (entries ? pack : paths[i]);
            shownFlags.push_back(entries ? PackFlags(flags, i) : ItemFlags(flags, i));
        }
    }
    if (!shown.isEmpty())
        OutlineModel::addItems(shown, shownFlags);
}

void InstalledFileOutlineModel::deleteItems(const QStringList& paths)
{
    QStringList gone;
    for (const QString& path : paths) {
        const QString pack = packOfEntry(path);
        if (pack.isEmpty()) {
            // A folder can go with packs inside it, or be a pack itself.
            forgetPacksWithin(path);
            gone << path;
            continue;
        }
        const auto it = mPackEntries.find(pack);
        if (it == mPackEntries.end())
            continue;
        it->second.erase(path);
        if (it->second.empty()) {
            mPackEntries.erase(it);
            gone << pack;
        }
    }
    if (!gone.isEmpty())
        OutlineModel::deleteItems(gone);
}

void InstalledFileOutlineModel::renameItem(const QString& oldPath, const QString& newPath)
{
    const QString pack = packOfEntry(oldPath);
    if (pack.isEmpty()) {
        // A pack's folder renamed is a pack renamed: its row is that folder's path.
        renamePacksWithin(oldPath, newPath);
        OutlineModel::renameItem(oldPath, newPath);
    } else if (packOfEntry(newPath) == pack) {
        mPackEntries[pack].erase(oldPath);
        mPackEntries[pack].insert(newPath);
    } else {
        deleteItems({oldPath});
    }
}

void InstalledFileOutlineModel::moveItems(const QStringList& oldPaths, const QStringList& newPaths,
                                          const FileNodeFlagsList& newFlags)
{
    // Entries move one by one; a pack whose every entry went to one new pack moved with them.
    QStringList from, to, added, gone;
    FileNodeFlagsList movedFlags, addedFlags;
    std::map<QString, QString> packMoves;
    std::set<QString> newPacks;
    for (qsizetype i = 0; i < oldPaths.size() && i < newPaths.size(); ++i) {
        const FileNodeFlags flags = ItemFlags(newFlags, i);
        const QString oldPack = packOfEntry(oldPaths[i]);
        const QString newPack = packOfEntry(newPaths[i]);
        if (oldPack.isEmpty() && newPack.isEmpty()) {
            if (showsAsItIs(newPaths[i])) {
                from << oldPaths[i];
                to << newPaths[i];
                movedFlags.push_back(flags);
            } else {
                gone << oldPaths[i];
            }
            continue;
        }
        if (!oldPack.isEmpty()) {
            mPackEntries[oldPack].erase(oldPaths[i]);
            if (!newPack.isEmpty())
                packMoves.emplace(oldPack, newPack);
        } else {
            gone << oldPaths[i];
        }
        if (!newPack.isEmpty()) {
            std::set<QString>& entries = mPackEntries[newPack];
            if (entries.empty() && newPacks.insert(newPack).second) {
                added << newPack;
                addedFlags.push_back(PackFlags(newFlags, i));
            }
            entries.insert(newPaths[i]);
        } else if (showsAsItIs(newPaths[i])) {
            added << newPaths[i];
            addedFlags.push_back(flags);
        }
    }
    for (auto it = mPackEntries.begin(); it != mPackEntries.end();) {
        if (!it->second.empty()) {
            ++it;
            continue;
        }
        const QString pack = it->first;
        it = mPackEntries.erase(it);
        const auto move = packMoves.find(pack);
        const qsizetype newIndex = move == packMoves.end() ? -1 : added.indexOf(move->second);
        if (newIndex < 0) {
            gone << pack;
            continue;
        }
        from << pack;
        to << added.takeAt(newIndex);
        movedFlags.push_back(addedFlags[size_t(newIndex)]);
        addedFlags.erase(addedFlags.begin() + newIndex);
    }
    if (!from.isEmpty())
        OutlineModel::moveItems(from, to, movedFlags);
    if (!gone.isEmpty())
        OutlineModel::deleteItems(gone);
    if (!added.isEmpty())
        OutlineModel::addItems(added, addedFlags);
}

void InstalledFileOutlineModel::changedItems(const QStringList& paths)
{
    QStringList changed;
    for (const QString& path : paths) {
        const QString pack = packOfEntry(path);
        const QString shown = pack.isEmpty() ? path : pack;
        if (!changed.contains(shown))
            changed << shown;
    }
    OutlineModel::changedItems(changed);
}

QString InstalledFileOutlineModel::labelForNode(const CFileSystemNode& node) const
{
    const QString label = OutlineModel::labelForNode(node);
    if (!node.IsDirectory()) {
        // A bundle is named after its pack, as GIMP's pack folders are.
        return HasSuffix(label, ".bundle") ? label.chopped(7) : label;
    }
    const QString path = QDir::cleanPath(node.FullPathText());
    for (const Application& app : mApplications) {
        if (app.name.isEmpty())
            continue;
        if (app.shownFolder == path)
            return app.name;
        if (!app.additionalBrushesFolder.isEmpty() &&
            QDir::cleanPath(app.additionalBrushesFolder) == path)
            return tr("%1 — Local Brushes", "a painting application's second brushes folder")
                .arg(app.name);
    }
    return label;
}
