#include "ui/OutlineSources.h"

#include "platform/Localization.h"

#include <QDir>

FoundFileOutlineSource::FoundFileOutlineSource(const QStringList& excludedFolders,
                                               const QString& homeFolder, QObject* parent)
    : OutlineSource(parent)
{
    CFileHierarchy& hierarchy = getFileHierarchy();
    hierarchy.SetTopLevelSortingOrder(eTopLevelSortByDepthFirst);
    for (const QString& folder : excludedFolders)
        mFileFilter.AddDirectory(folder);
    hierarchy.SetFilter(&mFileFilter);
    hierarchy.AddLimitedVisibilityAncestorDirectory(homeFolder);
}

InstalledFileOutlineSource::InstalledFileOutlineSource(const std::vector<Application>& applications,
                                                       QObject* parent)
    : OutlineSource(parent), mApplications(applications)
{
    CFileHierarchy& hierarchy = getFileHierarchy();
    hierarchy.SetTopLevelSortingOrder(eTopLevelSortByNameFirst);
    for (const Application& app : mApplications) {
        hierarchy.AddAlwaysVisibleAncestorDirectory(app.appFolder);
        mFileFilter.AddDirectory(app.appFolder);
        if (!app.additionalBrushesFolder.isEmpty()) {
            hierarchy.AddAlwaysVisibleAncestorDirectory(app.additionalBrushesFolder);
            mFileFilter.AddDirectory(app.additionalBrushesFolder);
        }
    }
    hierarchy.SetFilter(&mFileFilter);
}

void InstalledFileOutlineSource::setSupplementalSearch(FoundFilesIn foundFilesIn,
                                                       SupplementalSearch start)
{
    mFoundFilesIn = std::move(foundFilesIn);
    mStartSupplementalSearch = std::move(start);
}

void InstalledFileOutlineSource::finishedQueryFirstPhase()
{
    OutlineSource::finishedQueryFirstPhase();
    if (mSupplementalSearch || !mFoundFilesIn || !mStartSupplementalSearch)
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
    if (!folders.isEmpty())
        mSupplementalSearch = mStartSupplementalSearch(folders, this);
}

QString InstalledFileOutlineSource::labelForNode(const CFileSystemNode& node) const
{
    const QString label = OutlineSource::labelForNode(node);
    if (!node.IsDirectory())
        return label;
    const QString path = node.CFFullPath();
    for (const Application& app : mApplications) {
        if (!app.additionalBrushesFolder.isEmpty() &&
            QDir::cleanPath(app.additionalBrushesFolder) == QDir::cleanPath(path))
            return QStringLiteral("%1%2%3%4")
                .arg(label, QStringLiteral(" <"), LocalizedString(QStringLiteral("local-brushes")),
                     QStringLiteral(">"));
    }
    return label;
}
