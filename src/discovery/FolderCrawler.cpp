#include "discovery/FolderCrawler.h"

#include "discovery/BrushFileMatcher.h"
#include "discovery/FolderWatcher.h"
#include "discovery/ReleasedMounts.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

bool FolderCrawler::isSkippedFolder(const std::string& parentPath, const char* name)
{
    if (name[0] == '.')
        return true;
    if (parentPath == "/")
        return !std::strcmp(name, "proc") || !std::strcmp(name, "sys") || !std::strcmp(name, "dev");
    if (parentPath == "/run")
        return std::strcmp(name, "media") != 0;
    return false;
}

bool FolderCrawler::watchFolder(IndexedFolder* folder, int fd, const std::string& path,
                                const Context& context)
{
    if (!context.watcher || !context.watcher->isValid())
        return false;
    if (context.watchesLeft && context.watchesLeft->fetch_sub(1) <= 0) {
        context.watchesLeft->fetch_add(1);
        if (context.watchLimitHit)
            *context.watchLimitHit = true;
        return false;
    }
    const int wd = context.watcher->watchFolder(QByteArray::fromStdString(path), fd);
    if (wd < 0) {
        if (context.watchesLeft)
            context.watchesLeft->fetch_add(1);
        if (errno == ENOSPC && context.watchLimitHit)
            *context.watchLimitHit = true;
        return false;
    }
    folder->wd = wd;
    return true;
}

bool FolderCrawler::isRegularFile(int folderFD, const char* name, unsigned char type)
{
    if (type == DT_REG)
        return true;
    struct stat st;
    return type == DT_LNK && fstatat(folderFD, name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

void FolderCrawler::readFolder(const Work& work, const Context& context,
                               std::vector<Work>& subfolders, IndexedFileList& found)
{
    IndexedFolder* folder = work.folder;
    if (context.released && context.released->covers(work.path))
        return;
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (folder->parent ? O_NOFOLLOW : 0);
    const int fd = openat(AT_FDCWD, work.path.c_str(), flags);
    if (fd < 0)
        return;
    if (!folder->parent) {
        struct stat st;
        if (fstat(fd, &st) == 0)
            folder->ino = st.st_ino;
    }
    watchFolder(folder, fd, work.path, context);
    folder->entered = true;

    forEachEntry(fd, [&](const char* name, unsigned char type, ino_t ino) {
        if (type == DT_DIR) {
            if (isSkippedFolder(work.path, name))
                return;
            auto child = std::make_unique<IndexedFolder>();
            child->parent = folder;
            child->name = name;
            child->ino = ino;
            subfolders.push_back({child.get(), IndexedFolder::childPath(work.path, name)});
            folder->folders.emplace(child->name, std::move(child));
        } else if (type == DT_REG || type == DT_LNK) {
            const size_t nameLength = std::strlen(name);
            if (!context.matcher->matches(name, nameLength) || !isRegularFile(fd, name, type))
                return;
            auto item = std::make_shared<IndexedFile>(
                PathFromNative(IndexedFolder::childPath(work.path, name).c_str()));
            folder->files.emplace(std::string(name, nameLength), item);
            found.push_back(std::move(item));
        }
    });
    close(fd);
}

void FolderCrawler::crawl(std::vector<Work> roots, const Context& context, int threadCount)
{
    std::mutex mutex;
    std::condition_variable wake;
    std::vector<Work> stack = std::move(roots);
    std::reverse(stack.begin(), stack.end());
    int busy = 0;

    auto worker = [&] {
        std::vector<Work> subfolders;
        IndexedFileList found;
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [&] {
                return !stack.empty() || busy == 0 || (context.cancelled && *context.cancelled);
            });
            if (stack.empty() || (context.cancelled && *context.cancelled)) {
                if (busy == 0 || (context.cancelled && *context.cancelled)) {
                    wake.notify_all();
                    return;
                }
                continue;
            }
            Work work = std::move(stack.back());
            stack.pop_back();
            ++busy;
            lock.unlock();

            subfolders.clear();
            readFolder(work, context, subfolders, found);
            if (!found.empty() && context.found) {
                context.found(std::move(found));
                found.clear();
            }

            lock.lock();
            --busy;
            // Pushed in reverse so the stack hands them out in listing order, depth first.
            for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
                stack.push_back(std::move(*it));
            if (!subfolders.empty() || busy == 0)
                wake.notify_all();
        }
    };

    std::vector<std::thread> helpers;
    for (int i = 1; i < threadCount; ++i)
        helpers.emplace_back(worker);
    worker();
    for (std::thread& t : helpers)
        t.join();
}
