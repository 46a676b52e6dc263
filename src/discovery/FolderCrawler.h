#pragma once

#include "discovery/IndexedFolder.h"

#include <atomic>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

class FolderWatcher;
class BrushFileMatcher;
class ReleasedMounts;

// Reads folders with openat/getdents64, on as many threads as asked, and fills IndexedFolder
// trees: matching regular files (or links to one) become items, folders are entered unless
// hidden or one of the kernel's virtual file systems. Each folder is put under watch before it
// is listed, so no change after the listing goes unseen.
class FolderCrawler
{
public:
    struct Context
    {
        const BrushFileMatcher* matcher = nullptr;
        FolderWatcher* watcher = nullptr;         // null: do not watch
        std::atomic<long>* watchesLeft = nullptr; // null: as many as the kernel grants
        std::atomic<bool>* watchLimitHit = nullptr;
        const std::atomic<bool>* cancelled = nullptr;
        // Folders passed over unread (not entered) while a drive is unmounted; null: none.
        const ReleasedMounts* released = nullptr;
        // Called on crawling threads with items found, a folder's worth at a time.
        std::function<void(IndexedFileList&&)> found;
    };
    struct Work
    {
        IndexedFolder* folder;
        std::string path;
    };

    // Blocks until every folder below the given ones has been read.
    static void crawl(std::vector<Work> roots, const Context& context, int threadCount);
    // Whether a folder of this name in that folder is left out of the index.
    static bool isSkippedFolder(const std::string& parentPath, const char* name);
    // Calls visit(name, type, inode) for every entry of an open folder but "." and "..", with
    // the type resolved (DT_DIR, DT_REG, DT_LNK or something else) where the file system left it
    // unknown.
    template <typename Visit> static void forEachEntry(int fd, const Visit& visit);
    // Puts an open folder under watch. False when refused.
    static bool watchFolder(IndexedFolder* folder, int fd, const std::string& path,
                            const Context& context);
    // Whether a listed entry that is a file or a link may be a result: links count only when
    // they lead to a regular file, so that no FIFO, socket or device is ever opened as one.
    static bool isRegularFile(int folderFD, const char* name, unsigned char type);

private:
    static void readFolder(const Work& work, const Context& context, std::vector<Work>& subfolders,
                           IndexedFileList& found);
};

// The record getdents64 fills; glibc 2.36 has no wrapper for the call itself.
struct LinuxDirent64
{
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

template <typename Visit> void FolderCrawler::forEachEntry(int fd, const Visit& visit)
{
    alignas(LinuxDirent64) char buffer[32768];
    for (;;) {
        const long length = syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (long offset = 0; offset < length;) {
            const auto* entry = reinterpret_cast<const LinuxDirent64*>(buffer + offset);
            offset += entry->d_reclen;
            const char* name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            unsigned char type = entry->d_type;
            if (type == DT_UNKNOWN) {
                struct stat st;
                if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(st.st_mode)   ? DT_DIR
                       : S_ISLNK(st.st_mode) ? DT_LNK
                       : S_ISREG(st.st_mode) ? DT_REG
                                             : DT_UNKNOWN; // FIFOs, sockets, devices
            }
            visit(name, type, ino_t(entry->d_ino));
        }
    }
}
