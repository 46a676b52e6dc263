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

std::unique_ptr<FileIndex> FileIndex::create(const QString& queryText)
{
    std::optional<MetadataQueryText> text = MetadataQueryText::parse(queryText);
    if (!text)
        return nullptr;
    return std::unique_ptr<FileIndex>(new FileIndex(std::move(*text)));
}

FileIndex::FileIndex(MetadataQueryText text)
    : mText(std::move(text)), mMountReleaseMs(kMountReleaseMs), mFirstPhase(*this), mLive(*this)
{
    qRegisterMetaType<FileIndexUpdate>();
}

FileIndex::~FileIndex()
{
    stop();
}

void FileIndex::setSearchScope(const QStringList& scopes)
{
    mScopes = scopes;
}

// Whether a folder inside another one is reached by crawling that one.
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

FolderCrawler::Context FileIndex::crawlContext()
{
    FolderCrawler::Context context;
    context.text = &mText;
    context.watcher = mWantsUpdates ? mWatcher : nullptr;
    context.watchesLeft = &mWatchesLeft;
    context.watchLimitHit = &mWatchLimitHit;
    context.cancelled = &mCancelled;
    context.released = &mReleased;
    return context;
}

bool FileIndex::execute(bool wantsUpdates)
{
    if (mExecuting)
        return false;
    mExecuting = true;
    mWantsUpdates = wantsUpdates;
    mScopeFolders = scopeFolders(mScopes.isEmpty() ? QStringList{kScopeHomeAndMedia} : mScopes);
    if (wantsUpdates) {
        mWatcher = FolderWatcher::shared();
        if (!mWatcher->isValid())
            qCInfo(lcDiscovery, "inotify unavailable: folders are read again every few seconds");
        mLive.listen();
    }
    mWatchesLeft = mWatchLimit < 0 ? LONG_MAX : mWatchLimit;

    std::vector<FolderCrawler::Work> work;
    for (const QString& folder : mScopeFolders) {
        auto root = std::make_unique<IndexedFolder>();
        root->name = PathToNative(folder).toStdString();
        work.push_back({root.get(), root->name});
        mRoots.push_back(std::move(root));
    }
    mFirstPhase.start(std::move(work), crawlContext());
    return true;
}

void FileIndex::finishGathering()
{
    mGatheringComplete = true;
    if (mWantsUpdates) {
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
        mReleased.add(path);
}

bool FileIndex::keepsCrawlersOutOf(const QString& path) const
{
    return mReleased.covers(PathToNative(path).toStdString());
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
    mReleased.add(path);
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
    mReleased.remove(path);
    struct stat st;
    const bool unmounted =
        !release.present || stat(path.c_str(), &st) != 0 || st.st_dev != release.device;
    if (!unmounted)
        qCInfo(lcDiscovery, "%s was not unmounted: reading it again", path.c_str());
    // After an unmount the watches' own notices emptied the folders; the mount point left
    // behind, if any, is read here too, since its reads while let go of were passed over.
    if (!mWantsUpdates || mCancelled)
        return;
    if (mGatheringComplete)
        mLive.readAgainBelow(path);
    else
        mReadAgainAfterGathering.push_back(path);
}

void FileIndex::disableUpdates()
{
    ++mUpdatesDisabled;
}

void FileIndex::enableUpdates()
{
    if (mUpdatesDisabled > 0 && --mUpdatesDisabled == 0)
        mLive.resumeUpdates();
}

IndexedFilePtr FileIndex::resultAtIndex(int index) const
{
    if (index < 0 || size_t(index) >= mResults.size())
        return nullptr;
    return mResults[size_t(index)];
}

void FileIndex::appendResult(const IndexedFilePtr& item)
{
    mResultIndex[item.get()] = mResults.size();
    mResults.push_back(item);
}

bool FileIndex::eraseResult(const IndexedFilePtr& item)
{
    const auto at = mResultIndex.find(item.get());
    if (at == mResultIndex.end())
        return false;
    const size_t index = at->second;
    mResultIndex.erase(at);
    if (index + 1 != mResults.size()) {
        mResults[index] = std::move(mResults.back());
        mResultIndex[mResults[index].get()] = index;
    }
    mResults.pop_back();
    return true;
}

void FileIndex::stop()
{
    mCancelled = true;
    mFirstPhase.stop();
    mLive.stop();
    mGatheringComplete = mGatheringComplete || mExecuting;
}
