#pragma once

#include "discovery/IndexedFile.h"

#include <map>
#include <memory>
#include <string>
#include <sys/types.h>

// One folder of the built-in index: its matching files and the folders below it that were
// entered. A scope's top folder has no parent and holds its whole path as its name.
struct IndexedFolder
{
    IndexedFolder* parent = nullptr;
    std::string name;
    ino_t ino = 0;
    int wd = -1;          // inotify watch, -1 when not watched
    bool entered = false; // its listing was read
    std::map<std::string, std::unique_ptr<IndexedFolder>> folders;
    std::map<std::string, IndexedFilePtr> files;

    std::string path() const;
    static std::string childPath(const std::string& folder, const std::string& name);
};
