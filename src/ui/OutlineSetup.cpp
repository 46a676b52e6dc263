#include "ui/OutlineSetup.h"

#include "discovery/AlwaysVisibleFolders.h"
#include "discovery/BrushFileSearch.h"
#include "platform/BackupVolumes.h"
#include "ui/BrushWindow.h"
#include "ui/OutlineSources.h"

#include <QDir>
#include <QSettings>

void AttachOutlines(BrushWindow& window, BrushFileSearch& search, const PhotoshopAppList& apps,
                    const QStringList& searchedFolders)
{
    QStringList excluded;
    std::vector<InstalledFileOutlineSource::Application> targets;
    for (const PhotoshopApp& app : apps) {
        excluded << app.appFolderPath();
        // Krita keeps its bundles in its resource folder itself, the others in a brushes folder.
        const bool krita = app.kind() == PhotoshopApp::Kind::Krita;
        targets.push_back({app.displayName(), app.appFolderPath(),
                           krita ? app.appFolderPath() : app.brushesFolderPath(),
                           app.additionalBrushesFolderPath(), app.packsFolderPath(), krita});
        // Wine keeps programs under a dot-folder; the way to them counts as visible.
        AlwaysVisibleFolders::registerFolder(app.appFolderPath());
        if (!app.additionalBrushesFolderPath().isEmpty())
            AlwaysVisibleFolders::registerFolder(app.additionalBrushesFolderPath());
    }
    excluded << SystemLibraryFolders();
    QSettings settings;
    if (!BackupVolumesAllowed(settings))
        excluded << BackupVolumePaths();

    auto* found = new FoundFileOutlineSource(excluded, QDir::homePath());
    auto* installed = new InstalledFileOutlineSource(targets);
    found->follow(&search);
    installed->follow(&search);
    installed->setSupplementalSearch(
        [&search](const QString& folder) { return search.hasFoundFilesInPath(folder); },
        [](const BrushFileMatcher& matcher, const QStringList& folders,
           OutlineSource* follower) -> std::shared_ptr<void> {
            std::shared_ptr<BrushFileSearch> supplemental =
                BrushFileSearch::create(matcher, folders);
            follower->follow(supplemental.get());
            supplemental->run();
            return supplemental;
        });
    window.setOutlineSources(found, installed, apps, searchedFolders);
    QObject::connect(&search, &BrushFileSearch::watchLimitReached, &window,
                     &BrushWindow::showWatchLimitNotice);
    if (search.watchLimitRecrawlSeconds() > 0)
        window.showWatchLimitNotice(search.watchLimitRecrawlSeconds());
}
