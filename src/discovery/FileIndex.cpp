#include "discovery/FileIndex.h"

#include "discovery/FolderWatcher.h"
#include "platform/Logging.h"
#include "platform/NativePath.h"
#include "platform/VolumesFolder.h"

#include <QDir>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <sys/stat.h>
#include <utility>

namespace {
// The desktop tells of an unmount just before it tries it; if the drive is still there after
// this long, the unmount failed or was cancelled, and the crawlers may go back to it.
constexpr int kMountReleaseMs = 10000;
} // namespace

FileIndex::FileIndex(BrushFileMatcher matcher)
    : mContext(std::move(matcher), this), mMountReleaseMs(kMountReleaseMs),
      mFirstPhase(mContext, [this] { finishGathering(); }), mLive(mContext)
{
    qRegisterMetaType<FileIndexUpdate>();
}

FileIndex::~FileIndex()
{
    stop();
}

void FileIndex::setSearchScope(const QStringList& scopes)
{
    mContext.scopes = scopes;
}

bool FileIndex::isCoveredBy(const QString& folder, const QString& other)
{
    const QString prefix = other == QLatin1String("/") ? other : other + QLatin1Char('/');
    if (!folder.startsWith(prefix) || folder == other)
        return false;
    std::string parent = other.toStdString();
    for (const QString& component :
         folder.mid(prefix.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const std::string name = PathToNative(component).toStdString();
        if (FolderCrawler::isSkippedFolder(parent, name.c_str()))
            return false;
        parent = IndexedFolder::childPath(parent, name);
    }
    return true;
}

QStringList FileIndex::scopeFolders(const QStringList& scopes)
{
    QStringList candidates;
    for (const QString& scope : scopes) {
        if (scope == kScopeHomeAndMedia) {
            candidates << QDir::homePath() << VolumesFolderPath();
            candidates << QSettings(QStringLiteral("Kelbrin"), QStringLiteral("Kelbrin"))
                              .value(QStringLiteral("searchFolders"))
                              .toStringList();
        } else if (scope == kScopeWholeComputer) {
            candidates << QStringLiteral("/");
        } else if (scope.startsWith(QLatin1String("file:"))) {
            candidates << QUrl(scope).toLocalFile();
        } else {
            candidates << scope;
        }
    }
    QStringList folders;
    for (const QString& candidate : candidates) {
        const QString canonical = canonicalFolder(candidate);
        if (!canonical.isEmpty() && !folders.contains(canonical))
            folders << canonical;
    }
    QStringList kept;
    for (const QString& folder : folders) {
        const bool covered = std::any_of(folders.begin(), folders.end(), [&](const QString& other) {
            return isCoveredBy(folder, other);
        });
        if (!covered)
            kept << folder;
    }
    return kept;
}

QString FileIndex::canonicalFolder(const QString& path)
{
    if (path.isEmpty())
        return {};
    char resolved[PATH_MAX];
    struct stat st;
    if (!realpath(PathToNative(path).constData(), resolved) || stat(resolved, &st) != 0 ||
        !S_ISDIR(st.st_mode))
        return {};
    return PathFromNative(resolved);
}

bool FileIndex::execute(bool wantsUpdates)
{
    if (mContext.executing)
        return false;
    mContext.executing = true;
    mContext.wantsUpdates = wantsUpdates;
    const QStringList& scopes = mContext.scopes;
    mContext.scopeFolders =
        scopeFolders(scopes.isEmpty() ? QStringList{kScopeHomeAndMedia} : scopes);
    if (wantsUpdates) {
        mContext.watcher = FolderWatcher::shared();
        if (!mContext.watcher->isValid())
            qCInfo(lcDiscovery, "inotify unavailable: folders are read again every few seconds");
        mLive.listen();
    }
    mContext.watchesLeft = mWatchLimit < 0 ? LONG_MAX : mWatchLimit;

    std::vector<FolderCrawler::Work> work;
    for (const QString& folder : mContext.scopeFolders) {
        auto root = std::make_unique<IndexedFolder>();
        root->name = PathToNative(folder).toStdString();
        work.push_back({root.get(), root->name});
        mContext.roots.push_back(std::move(root));
    }
    mFirstPhase.start(std::move(work));
    return true;
}

void FileIndex::finishGathering()
{
    mContext.gatheringComplete = true;
    if (mContext.wantsUpdates) {
        mLive.begin();
        for (const std::string& path : std::exchange(mReadAgainAfterGathering, {}))
            mLive.readAgainBelow(path);
    }
    Q_EMIT finished();
}

namespace {
// As the crawlers spell the folders below it; empty for a path that is not absolute.
std::string MountPath(const QString& mountPoint)
{
    QString folder = FileIndex::canonicalFolder(mountPoint);
    if (folder.isEmpty())
        folder = QDir::cleanPath(mountPoint);
    std::string path = PathToNative(folder).toStdString();
    return !path.empty() && path[0] == '/' ? path : std::string();
}
} // namespace

void FileIndex::keepCrawlersOut(const QString& mountPoint)
{
    const std::string path = MountPath(mountPoint);
    if (!path.empty())
        mContext.released.add(path);
}

bool FileIndex::keepsCrawlersOutOf(const QString& path) const
{
    return mContext.released.covers(PathToNative(path).toStdString());
}

void FileIndex::releaseMount(const QString& mountPoint)
{
    const std::string path = MountPath(mountPoint);
    if (path.empty())
        return;
    MountRelease& release = mMountReleases[path];
    struct stat st;
    release.present = stat(path.c_str(), &st) == 0;
    release.device = release.present ? st.st_dev : 0;
    const unsigned generation = ++release.generation;
    mContext.released.add(path);
    QTimer::singleShot(mMountReleaseMs, this,
                       [this, path, generation] { endMountRelease(path, generation); });
}

void FileIndex::endMountRelease(const std::string& path, unsigned generation)
{
    const auto found = mMountReleases.find(path);
    if (found == mMountReleases.end() || found->second.generation != generation)
        return;
    const MountRelease release = found->second;
    mMountReleases.erase(found);
    mContext.released.remove(path);
    struct stat st;
    const bool unmounted =
        !release.present || stat(path.c_str(), &st) != 0 || st.st_dev != release.device;
    if (!unmounted)
        qCInfo(lcDiscovery, "%s was not unmounted: reading it again", path.c_str());
    // After an unmount the watches' own notices emptied the folders; the mount point left
    // behind, if any, is read here too, since its reads while let go of were passed over.
    if (!mContext.wantsUpdates || mContext.cancelled)
        return;
    if (mContext.gatheringComplete)
        mLive.readAgainBelow(path);
    else
        mReadAgainAfterGathering.push_back(path);
}

void FileIndex::disableUpdates()
{
    ++mContext.updatesDisabled;
}

void FileIndex::enableUpdates()
{
    if (mContext.updatesDisabled > 0 && --mContext.updatesDisabled == 0)
        mLive.resumeUpdates();
}

IndexedFilePtr FileIndex::resultAtIndex(int index) const
{
    const IndexedFileList& results = mContext.results;
    if (index < 0 || size_t(index) >= results.size())
        return nullptr;
    return results[size_t(index)];
}

void FileIndex::stop()
{
    mContext.cancelled = true;
    mFirstPhase.stop();
    mLive.stop();
    mContext.gatheringComplete = mContext.gatheringComplete || mContext.executing;
}
