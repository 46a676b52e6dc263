#include "discovery/SpotlightQuery.h"

#include "discovery/SpotlightQueryImpl.h"

std::shared_ptr<SpotlightQuery> SpotlightQuery::initWithQueryString(const QString& queryString,
                                                                    const QStringList& directories)
{
    std::shared_ptr<SpotlightQuery> query(new SpotlightQuery);
    query->mImpl = std::make_unique<SpotlightQueryImpl>(query.get());
    if (!query->mImpl->initWithQueryString(queryString, directories))
        return nullptr;
    return query;
}

SpotlightQuery::SpotlightQuery() = default;
SpotlightQuery::~SpotlightQuery() = default;

bool SpotlightQuery::run()
{
    return mImpl->run();
}

bool SpotlightQuery::isInInitialSearch() const
{
    return mImpl->isInInitialSearch();
}

bool SpotlightQuery::hasFoundFilesInPath(const QString& path) const
{
    return mImpl->hasFoundFilesInPath(path);
}
