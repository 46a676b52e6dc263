#pragma once

#include "hierarchy/CExcludeFileFilter.h"
#include "hierarchy/CRestrictFileFilter.h"
#include "ui/OutlineSource.h"

#include <functional>

// The outline of every brush file found, application folders and system folders left out.
class FoundFileOutlineSource : public OutlineSource
{
    Q_OBJECT
public:
    // excludedFolders: what never shows (the applications' folders, the system's library
    // folders, backup volumes); homeFolder is passed over as a level unless it holds a file.
    FoundFileOutlineSource(const QStringList& excludedFolders, const QString& homeFolder,
                           QObject* parent = nullptr);

private:
    CExcludeFileFilter mFileFilter;
};

// The outline of the brush files installed in the painting applications' preset folders.
class InstalledFileOutlineSource : public OutlineSource
{
    Q_OBJECT
public:
    struct Application
    {
        QString appFolder;
        QString additionalBrushesFolder; // "" when the application has none
    };
    // Starts the search limited to folders in which the main search found nothing, and returns
    // the observer-facing object that keeps it alive (the source holds it).
    using SupplementalSearch =
        std::function<std::shared_ptr<void>(const QStringList& folders, FSObserver* observer)>;
    using FoundFilesIn = std::function<bool(const QString& folder)>;

    InstalledFileOutlineSource(const std::vector<Application>& applications,
                               QObject* parent = nullptr);

    // How to learn what the main search found and how to run the supplemental one; without
    // them the supplemental search is never run.
    void setSupplementalSearch(FoundFilesIn foundFilesIn, SupplementalSearch start);
    bool supplementalSearchStarted() const { return mSupplementalSearch != nullptr; }

    void finishedQueryFirstPhase() override;

protected:
    QString labelForNode(const CFileSystemNode& node) const override;

private:
    CRestrictFileFilter mFileFilter;
    std::vector<Application> mApplications;
    FoundFilesIn mFoundFilesIn;
    SupplementalSearch mStartSupplementalSearch;
    std::shared_ptr<void> mSupplementalSearch;
};
