#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

// Folders no crawler may open for a while: a drive about to be unmounted must find none of its
// folders held open, or the unmount fails as busy. Asked before every folder is opened, on any
// thread, so while nothing is let go of it costs one atomic load.
class ReleasedMounts
{
public:
    // Native paths, as the crawlers spell them. A path let go of twice stays until removed once.
    void add(const std::string& path);
    void remove(const std::string& path);
    // Whether a folder lies at or below one let go of.
    bool covers(const std::string& path) const
    {
        return mAny.load(std::memory_order_acquire) && coversLocked(path);
    }
    static bool isAtOrBelow(const std::string& path, const std::string& top);

private:
    bool coversLocked(const std::string& path) const;

    mutable std::mutex mMutex;
    std::vector<std::string> mPaths;
    std::atomic<bool> mAny{false};
};
