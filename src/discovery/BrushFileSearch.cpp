#include "discovery/BrushFileSearch.h"

#include "discovery/BrushFileSearchImpl.h"

std::unique_ptr<BrushFileSearch> BrushFileSearch::create(const BrushFileMatcher& matcher,
                                                         const QStringList& directories)
{
    std::unique_ptr<BrushFileSearch> search(new BrushFileSearch);
    search->mImpl = std::make_unique<BrushFileSearchImpl>(search.get(), matcher, directories);
    return search;
}

BrushFileSearch::BrushFileSearch() = default;

BrushFileSearch::~BrushFileSearch() = default;

bool BrushFileSearch::run(bool live)
{
    return mImpl->run(live);
}

bool BrushFileSearch::isInInitialSearch() const
{
    return mImpl->isInInitialSearch();
}

void BrushFileSearch::keepCrawlersOut(const QString& mountPoint)
{
    mImpl->keepCrawlersOut(mountPoint);
}

bool BrushFileSearch::keepsCrawlersOutOf(const QString& path) const
{
    return mImpl->keepsCrawlersOutOf(path);
}

void BrushFileSearch::releaseMount(const QString& mountPoint)
{
    mImpl->releaseMount(mountPoint);
}

bool BrushFileSearch::hasFoundFilesInPath(const QString& path) const
{
    return mImpl->hasFoundFilesInPath(path);
}
