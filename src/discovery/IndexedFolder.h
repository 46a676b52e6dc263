#pragma once

#include "discovery/IndexedFile.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// One folder of the built-in index: its matching files and the folders below it that were
// entered. A scope's top folder has no parent and holds its whole path as its name.
struct IndexedFolder
{
    IndexedFolder* parent = nullptr;
    std::string name;
    ino_t ino = 0;
    int wd = -1;          // inotify watch, -1 when not watched
    bool entered = false; // its listing was read
    // Unwatched folders only: the change time (ns) seen when last looked at, so that a re-read
    // can pass over the folders that did not change. 0 never looked at, -1 look again.
    std::int64_t changeStamp = 0;
    std::map<std::string, std::unique_ptr<IndexedFolder>> folders;
    std::map<std::string, IndexedFilePtr> files;

    std::string path() const;
    static std::string childPath(const std::string& folder, const std::string& name);
};

using IndexedFolderRoots = std::vector<std::unique_ptr<IndexedFolder>>;

// Calls visit(folder) for a folder and every folder below it, parents first.
template <typename Visit> void ForEachFolder(IndexedFolder* folder, const Visit& visit)
{
    visit(folder);
    for (auto& entry : folder->folders)
        ForEachFolder(entry.second.get(), visit);
}

// The folder at a path below one of the roots, or with deepest set the nearest one above it;
// null when the path lies outside every root.
IndexedFolder* FolderAtPath(const IndexedFolderRoots& roots, const std::string& path, bool deepest);
