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

IndexedFolder* FolderAtPath(const IndexedFolderRoots& roots, const std::string& path, bool deepest)
{
    for (auto& root : roots) {
        const std::string& top = root->name;
        const std::string prefix = top == "/" ? top : top + '/';
        if (path != top && path.compare(0, prefix.size(), prefix) != 0)
            continue;
        IndexedFolder* folder = root.get();
        size_t at = top.size();
        while (at < path.size()) {
            if (path[at] == '/')
                ++at;
            const size_t slash = path.find('/', at);
            const std::string name =
                path.substr(at, slash == std::string::npos ? slash : slash - at);
            const auto child = folder->folders.find(name);
            if (child == folder->folders.end())
                return deepest ? folder : nullptr;
            folder = child->second.get();
            at = slash == std::string::npos ? path.size() : slash;
        }
        return folder;
    }
    return nullptr;
}
