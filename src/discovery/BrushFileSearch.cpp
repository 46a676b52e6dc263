#include "discovery/BrushFileSearch.h"

#include "discovery/BrushFileSearchImpl.h"

std::shared_ptr<BrushFileSearch>
BrushFileSearch::initWithQueryString(const QString& queryString, const QStringList& directories)
{
    std::shared_ptr<BrushFileSearch> query(new BrushFileSearch);
    query->mImpl = std::make_unique<BrushFileSearchImpl>(query.get());
    if (!query->mImpl->initWithQueryString(queryString, directories))
        return nullptr;
    return query;
}

BrushFileSearch::BrushFileSearch() = default;
BrushFileSearch::~BrushFileSearch() = default;

bool BrushFileSearch::run()
{
    return mImpl->run();
}

bool BrushFileSearch::isInInitialSearch() const
{
    return mImpl->isInInitialSearch();
}

bool BrushFileSearch::hasFoundFilesInPath(const QString& path) const
{
    return mImpl->hasFoundFilesInPath(path);
}
