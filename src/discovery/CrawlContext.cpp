#include "discovery/CrawlContext.h"

FolderCrawler::Context CrawlContext::forCrawlers()
{
    FolderCrawler::Context context;
    context.matcher = &matcher;
    context.watcher = wantsUpdates ? watcher : nullptr;
    context.watchesLeft = &watchesLeft;
    context.watchLimitHit = &watchLimitHit;
    context.cancelled = &cancelled;
    context.released = &released;
    return context;
}

std::vector<IndexedFolder*> CrawlContext::rootFolders() const
{
    std::vector<IndexedFolder*> folders;
    for (const auto& root : roots)
        folders.push_back(root.get());
    return folders;
}

void CrawlContext::appendResult(const IndexedFilePtr& item)
{
    resultIndex[item.get()] = results.size();
    results.push_back(item);
}

bool CrawlContext::eraseResult(const IndexedFilePtr& item)
{
    const auto at = resultIndex.find(item.get());
    if (at == resultIndex.end())
        return false;
    const size_t index = at->second;
    resultIndex.erase(at);
    if (index + 1 != results.size()) {
        results[index] = std::move(results.back());
        resultIndex[results[index].get()] = index;
    }
    results.pop_back();
    return true;
}
