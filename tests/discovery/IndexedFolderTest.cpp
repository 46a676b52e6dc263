#include "discovery/IndexedFolder.h"

#include <gtest/gtest.h>

namespace {
// Builds a root from slash-separated folder paths below it: {"x/y", "z"}.
std::unique_ptr<IndexedFolder> Tree(const std::string& top, const std::vector<std::string>& below)
{
    auto root = std::make_unique<IndexedFolder>();
    root->name = top;
    for (const std::string& path : below) {
        IndexedFolder* folder = root.get();
        size_t at = 0;
        while (at <= path.size()) {
            const size_t slash = std::min(path.find('/', at), path.size());
            auto& child = folder->folders[path.substr(at, slash - at)];
            if (!child) {
                child = std::make_unique<IndexedFolder>();
                child->parent = folder;
                child->name = path.substr(at, slash - at);
            }
            folder = child.get();
            at = slash + 1;
        }
    }
    return root;
}

std::string PathOrNone(const IndexedFolder* folder)
{
    return folder ? folder->path() : "none";
}
} // namespace

// Mount changes are placed with this lookup: the folder of a mount point itself is read afresh,
// a point below the index's folders marks the nearest one above it.
TEST(IndexedFolder, FolderAtPathFindsTheExactOrTheDeepestFolder)
{
    IndexedFolderRoots data;
    data.push_back(Tree("/data/a", {"x/y", "x b"}));
    data.push_back(Tree("/data/ab", {"q"}));
    IndexedFolderRoots computer;
    computer.push_back(Tree("/", {"media/usb", "home"}));

    struct Case
    {
        const IndexedFolderRoots& roots;
        std::string path;
        std::string exact, deepest;
    };
    const Case cases[] = {
        {data, "/data/a", "/data/a", "/data/a"},
        {data, "/data/a/x/y", "/data/a/x/y", "/data/a/x/y"},
        {data, "/data/a/x b", "/data/a/x b", "/data/a/x b"},
        {data, "/data/a/x/z/deeper", "none", "/data/a/x"},
        // A root's name is no prefix of a sibling's.
        {data, "/data/ab/q", "/data/ab/q", "/data/ab/q"},
        {data, "/data/abc", "none", "none"},
        {data, "/data", "none", "none"},
        {computer, "/", "/", "/"},
        {computer, "/media/usb", "/media/usb", "/media/usb"},
        {computer, "/media/cdrom", "none", "/media"},
        {computer, "/mnt/disk", "none", "/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathOrNone(FolderAtPath(c.roots, c.path, false)), c.exact) << c.path;
        EXPECT_EQ(PathOrNone(FolderAtPath(c.roots, c.path, true)), c.deepest) << c.path;
    }
}
