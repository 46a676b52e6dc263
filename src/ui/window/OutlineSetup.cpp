#include "ui/window/OutlineSetup.h"

#include "discovery/AlwaysVisibleFolders.h"
#include "discovery/BrushFileSearch.h"
#include "platform/BackupVolumes.h"
#include "ui/outline/OutlineModels.h"
#include "ui/window/BrushWindow.h"

#include <QDir>
#include <QSettings>

void AttachOutlines(BrushWindow& window, BrushFileSearch& search, const PaintingAppList& apps,
                    const QStringList& searchedFolders)
{
    QStringList excluded;
    std::vector<InstalledFileOutlineModel::Application> targets;
    for (const PaintingApp& app : apps) {
        excluded << app.appFolderPath();
        // Krita keeps its bundles in its resource folder itself, the others in a brushes folder.
        const bool krita = app.kind() == PaintingApp::Kind::Krita;
        targets.push_back({app.displayName(), app.appFolderPath(),
                           krita ? app.appFolderPath() : app.brushesFolderPath(),
                           app.additionalBrushesFolderPath(), app.packsFolderPath(), krita});
        // Wine keeps programs under a dot-folder; the way to them counts as visible.
        AlwaysVisibleFolders::registerFolder(app.appFolderPath());
        if (!app.additionalBrushesFolderPath().isEmpty())
            AlwaysVisibleFolders::registerFolder(app.additionalBrushesFolderPath());
    }
    excluded << SystemDataFolders();
    QSettings settings;
    if (!BackupVolumesAllowed(settings))
        excluded << BackupVolumePaths();

    auto* found = new FoundFileOutlineModel(excluded, QDir::homePath());
    auto* installed = new InstalledFileOutlineModel(targets);
    found->follow(&search);
    installed->follow(&search);
    installed->setSupplementalSearch(
        [&search](const QString& folder) { return search.hasFoundFilesInPath(folder); },
        [](const BrushFileMatcher& matcher, const QStringList& folders,
           OutlineModel* follower) -> std::shared_ptr<void> {
            std::shared_ptr<BrushFileSearch> supplemental =
                BrushFileSearch::create(matcher, folders);
            follower->follow(supplemental.get());
            supplemental->run();
            return supplemental;
        });
    window.setOutlineModels(found, installed, apps, searchedFolders);
    QObject::connect(&search, &BrushFileSearch::watchLimitReached, &window,
                     &BrushWindow::showWatchLimitNotice);
    if (search.watchLimitRecrawlSeconds() > 0)
        window.showWatchLimitNotice(search.watchLimitRecrawlSeconds());
}
