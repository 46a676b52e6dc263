#include "discovery/ReleasedMounts.h"

#include <algorithm>

void ReleasedMounts::add(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (std::find(mPaths.begin(), mPaths.end(), path) == mPaths.end())
        mPaths.push_back(path);
    mAny.store(true, std::memory_order_release);
}

void ReleasedMounts::remove(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mPaths.erase(std::remove(mPaths.begin(), mPaths.end(), path), mPaths.end());
    mAny.store(!mPaths.empty(), std::memory_order_release);
}

bool ReleasedMounts::isAtOrBelow(const std::string& path, const std::string& top)
{
    if (top == "/")
        return !path.empty() && path[0] == '/';
    return path.compare(0, top.size(), top) == 0 &&
           (path.size() == top.size() || path[top.size()] == '/');
}

bool ReleasedMounts::coversLocked(const std::string& path) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return std::any_of(mPaths.begin(), mPaths.end(),
                       [&](const std::string& top) { return isAtOrBelow(path, top); });
}
