#include "discovery/IndexedFolder.h"

std::string IndexedFolder::path() const
{
    if (!parent)
        return name;
    return childPath(parent->path(), name);
}

std::string IndexedFolder::childPath(const std::string& folder, const std::string& name)
{
    std::string out;
    out.reserve(folder.size() + 1 + name.size());
    out = folder;
    if (out.empty() || out.back() != '/')
        out += '/';
    out += name;
    return out;
}
