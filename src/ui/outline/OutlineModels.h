#pragma once

#include "hierarchy/CExcludeFileFilter.h"
#include "hierarchy/CRestrictFileFilter.h"
#include "ui/outline/OutlineModel.h"

#include <functional>
#include <map>
#include <set>

class BrushFileMatcher;

// The outline of every brush file found, application folders and system folders left out.
class FoundFileOutlineModel : public OutlineModel
{
    Q_OBJECT
public:
    // excludedFolders: what never shows (the applications' folders, the system's library
    // folders, backup volumes); homeFolder is passed over as a level unless it holds a file.
    FoundFileOutlineModel(const QStringList& excludedFolders, const QString& homeFolder,
                          QObject* parent = nullptr);

private:
    CExcludeFileFilter mFileFilter;
};

// The outline of the brush files installed in the painting applications' preset folders, and
// of the packs Kelbrin converted for GIMP and Krita: each pack is one row, named after it, which
// reads as its brushes. A GIMP pack is a folder of brush files, reported by the search file by
// file; the model stands the folder in for them, so the outline never shows the entries. Only
// packs with Kelbrin's mark (PackMark) are shown: the applications' own bundles and folders,
// and whatever else is put there, are not Kelbrin's to show or to trash.
class InstalledFileOutlineModel : public OutlineModel
{
    Q_OBJECT
public:
    struct Application
    {
        QString name; // shown for shownFolder, as users know the application
        QString appFolder;
        // The folder its brushes go in, shown under its name; no level above or below it is
        // shown unless it holds something of its own.
        QString shownFolder;
        QString additionalBrushesFolder; // "" when the application has none
        // Where its converted packs lie, "" when it takes brush files as they are; Krita's are
        // bundles, GIMP's folders.
        QString packsFolder;
        bool packsAreBundles = false;
    };
    // Starts a search for the files the matcher takes, limited to folders, that the model
    // follows, and returns what keeps it alive (the model holds it).
    using SupplementalSearch = std::function<std::shared_ptr<void>(
        const BrushFileMatcher& matcher, const QStringList& folders, OutlineModel* follower)>;
    using FoundFilesIn = std::function<bool(const QString& folder)>;

    InstalledFileOutlineModel(const std::vector<Application>& applications,
                              QObject* parent = nullptr);

    // How to learn what the main search found and how to run the supplemental one; without
    // them the supplemental search is never run.
    void setSupplementalSearch(FoundFilesIn foundFilesIn, SupplementalSearch start);
    // How many searches of its own the model started once the main one's first phase ended:
    // one for the application folders the main search found nothing in, one for the packs.
    int supplementalSearchCount() const { return int(mSupplementalSearches.size()); }

    // The search reports a GIMP pack entry by entry; these stand the pack in for its entries.
    void addItems(const QStringList& paths, const FileNodeFlagsList& flags) override;
    void deleteItems(const QStringList& paths) override;
    void moveItems(const QStringList& oldPaths, const QStringList& newPaths,
                   const FileNodeFlagsList& newFlags) override;
    void renameItem(const QString& oldPath, const QString& newPath) override;
    void changedItems(const QStringList& paths) override;

protected:
    QString labelForNode(const CFileSystemNode& node) const override;

private:
    // Once the main search's first phase is over.
    void startSupplementalSearches();
    // The GIMP pack folder path is an entry of (a shown one, or one with Kelbrin's mark); ""
    // for anything else.
    QString packOfEntry(const QString& path) const;
    // Whether the search's report of path is shown as it is: a brush file, or a Krita pack of
    // Kelbrin's.
    bool showsAsItIs(const QString& path) const;
    // Forgets the entries of the packs at or below path; the packs that had any, visible ones.
    void forgetPacksWithin(const QString& path);
    void renamePacksWithin(const QString& oldPath, const QString& newPath);

    CRestrictFileFilter mFileFilter;
    std::vector<Application> mApplications;
    FoundFilesIn mFoundFilesIn;
    SupplementalSearch mStartSupplementalSearch;
    std::vector<std::shared_ptr<void>> mSupplementalSearches;
    // Each GIMP pack shown, with the entries that keep it.
    std::map<QString, std::set<QString>> mPackEntries;
};
