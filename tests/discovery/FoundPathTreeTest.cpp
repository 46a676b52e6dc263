#include "discovery/FoundPathTree.h"
#include "QtPrinters.h"
#include "discovery/AlwaysVisibleFolders.h"
#include "platform/NormalizePath.h"
#include "platform/VolumesFolder.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
QStringList Paths(const FoundPathTree::NodeList& nodes)
{
    QStringList out;
    for (const auto& node : nodes)
        out << node->path();
    return out;
}
} // namespace

TEST(NormalizePath, AddsAndRemovesOneFinalSlash)
{
    EXPECT_EQ(normalizePathByAddingFinalSlash("/a"), "/a/");
    EXPECT_EQ(normalizePathByAddingFinalSlash("/a/"), "/a/");
    EXPECT_EQ(normalizePathByAddingFinalSlash(""), "/");
    EXPECT_EQ(normalizePathByRemovingFinalSlash("/a/"), "/a");
    EXPECT_EQ(normalizePathByRemovingFinalSlash("/"), "/");
    EXPECT_EQ(normalizePathByRemovingFinalSlash("a"), "a");
}

TEST(FoundPathTree, AddPath_ReportsCreatedFoldersTopDown)
{
    FoundPathTree tree;
    FoundPathTree::NodeList created;
    bool wasCreated = false;
    auto a = tree.addPath("/Users/ann/a.abr", false, &created, &wasCreated);
    ASSERT_TRUE(a);
    EXPECT_TRUE(wasCreated);
    EXPECT_TRUE(a->isFile());
    EXPECT_EQ(Paths(created), QStringList({"/Users", "/Users/ann"}));
    EXPECT_EQ(a->path(), "/Users/ann/a.abr");

    auto b = tree.addPath("/Users/ann/b.abr", false, &created, &wasCreated);
    EXPECT_TRUE(created.empty());
    EXPECT_TRUE(wasCreated);

    auto again = tree.addPath("/Users/ann/a.abr", false, &created, &wasCreated);
    EXPECT_EQ(again, a);
    EXPECT_FALSE(wasCreated);

    EXPECT_EQ(tree.addPath("/", false, nullptr, &wasCreated), tree.getRoot());
    EXPECT_FALSE(wasCreated);
    EXPECT_EQ(tree.addPath("", false, &created, nullptr), nullptr);

    // Double and missing slashes walk the same components.
    EXPECT_EQ(tree.findNodeForPath("//Users///ann/b.abr"), b);
    EXPECT_EQ(tree.findNodeForPath("Users/ann/b.abr"), b);
    EXPECT_EQ(tree.findNodeForPath("/Users/bob"), nullptr);
    EXPECT_EQ(tree.findNodeForPath("/"), tree.getRoot());
    EXPECT_EQ(tree.findNodeForPath(""), nullptr);
    EXPECT_EQ(tree.dump(), "  /\n     /Users\n         /Users/ann\n            * /Users/ann/a.abr\n"
                           "            * /Users/ann/b.abr\n");
}

TEST(FoundPathTree, RemoveNode_DropsEmptiedAncestorsButKeepsRoot)
{
    FoundPathTree tree;
    auto a = tree.addPath("/Users/ann/a.abr", false, nullptr, nullptr);
    auto b = tree.addPath("/Users/ann/b.abr", false, nullptr, nullptr);
    FoundPathTree::NodeList deleted;
    EXPECT_EQ(tree.removeNode(a, &deleted), a);
    EXPECT_TRUE(deleted.empty());
    EXPECT_EQ(a->parent(), nullptr);
    EXPECT_EQ(tree.removeNode(a, &deleted), nullptr) << "a detached node is not removed twice";

    EXPECT_EQ(tree.removePath("/Users/ann/b.abr", &deleted), b);
    EXPECT_EQ(Paths(deleted).size(), 3);
    ASSERT_EQ(deleted.size(), 3u);
    EXPECT_EQ(deleted[0]->name(), "ann");
    EXPECT_EQ(deleted[1]->name(), "Users");
    EXPECT_EQ(deleted[2], tree.getRoot());
    EXPECT_FALSE(tree.getRoot()->hasChildren());
    EXPECT_EQ(tree.removeNode(tree.getRoot(), nullptr), nullptr);

    // The root stays usable.
    EXPECT_TRUE(tree.addPath("/x/y.abr", false, nullptr, nullptr));
    EXPECT_TRUE(tree.findNodeForPath("/x/y.abr"));
}

TEST(FoundPathTree, MoveNode_ReportsBothSidesAndKeepsName)
{
    FoundPathTree tree;
    auto x = tree.addPath("/a/x", false, nullptr, nullptr);
    tree.addPath("/c/z", false, nullptr, nullptr);
    FoundPathTree::NodeList deleted, created;
    EXPECT_EQ(tree.moveNode(x, "/b/y", &deleted, &created), x);
    // A detached node's path is its bare name.
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(deleted[0]->name(), "a");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0]->name(), "b");
    EXPECT_EQ(x->path(), "/b/x");
    EXPECT_EQ(tree.findNodeForPath("/a"), nullptr);

    // Moving a folder carries its subtree; a deeper target creates every folder on the way.
    tree.addPath("/c/sub/f.abr", false, nullptr, nullptr);
    auto c = tree.findNodeForPath("/c");
    EXPECT_EQ(tree.movePath("/c", "/p/q/c", &deleted, &created), c);
    EXPECT_EQ(Paths(created), QStringList({"/p", "/p/q"}));
    EXPECT_TRUE(tree.findNodeForPath("/p/q/c/sub/f.abr"));
    EXPECT_EQ(tree.movePath("/nowhere", "/p/x", &deleted, &created), nullptr);
}

TEST(FoundPathTree, RenameAndMoveMisuseIsLoggedAndHarmless)
{
    FoundPathTree tree;
    auto a = tree.addPath("/d/a", false, nullptr, nullptr);
    auto b = tree.addPath("/d/b", false, nullptr, nullptr);
    a->rename("c");
    EXPECT_EQ(a->path(), "/d/c");
    EXPECT_EQ(tree.findNodeForPath("/d/c"), a);
    EXPECT_EQ(tree.findNodeForPath("/d/a"), nullptr);

    // Renaming onto a sibling's name leaves the node detached and the sibling in place.
    a->rename("b");
    EXPECT_EQ(tree.findNodeForPath("/d/b"), b);
    EXPECT_EQ(a->parent(), nullptr);

    tree.getRoot()->rename("x");
    tree.getRoot()->moveToNewParent(b.get());
    EXPECT_EQ(tree.getRoot()->name(), "");

    // A file node that gains a child still works, with a log line.
    auto inside = tree.addPath("/d/b/inside", false, nullptr, nullptr);
    EXPECT_EQ(tree.findNodeForPath("/d/b/inside"), inside);

    EXPECT_TRUE(a->isEqualTo(QVariant(QStringLiteral("b"))));
    EXPECT_TRUE(a->isEqualTo(QVariant::fromValue(b)));
    EXPECT_FALSE(a->isEqualTo(QVariant(3)));
    EXPECT_TRUE(*a == *b);
    EXPECT_EQ(a->hash(), b->hash());
}

TEST(FoundPathTree, GetAllSubdirectories_SplitsFoldersAndFilesDepthFirst)
{
    FoundPathTree tree;
    tree.addPath("/r/a/1.abr", false, nullptr, nullptr);
    tree.addPath("/r/a/deep/2.abr", false, nullptr, nullptr);
    tree.addPath("/r/b/3.abr", false, nullptr, nullptr);
    FoundPathTree::NodeList folders, files;
    tree.findNodeForPath("/r")->getAllSubdirectories(&folders, &files);
    EXPECT_EQ(Paths(folders), QStringList({"/r/a", "/r/a/deep", "/r/b"}));
    EXPECT_EQ(Paths(files), QStringList({"/r/a/1.abr", "/r/a/deep/2.abr", "/r/b/3.abr"}));
    folders.clear();
    tree.findNodeForPath("/r")->getAllSubdirectories(&folders, nullptr);
    EXPECT_EQ(folders.size(), 3u);
}

TEST(FoundPathTree, Flags_DescribeTheItemOnDisk)
{
    Sandbox box;
    QDir().mkpath(box.path("shown/.hidden/deeper"));
    box.write("shown/a.abr", "x");
    box.write("shown/.hidden/deeper/b.abr", "x");
    box.write("shown/.c.abr", "x");
    ASSERT_EQ(symlink(qPrintable(box.path("shown/a.abr")), qPrintable(box.path("shown/link.abr"))),
              0);

    FoundPathTree tree;
    auto flagsOf = [&](const QString& name) {
        auto node = tree.addPath(box.path(name), false, nullptr, nullptr);
        return node->getFlags();
    };
    const FileNodeFlags a = flagsOf("shown/a.abr");
    EXPECT_EQ(a.bits, FileNodeFlags::eExists | FileNodeFlags::eIsVisible | FileNodeFlags::eIsFile);
    const FileNodeFlags link = flagsOf("shown/link.abr");
    EXPECT_TRUE(link.isSymlink());
    EXPECT_TRUE(link.isFile());
    const FileNodeFlags dotFile = flagsOf("shown/.c.abr");
    EXPECT_FALSE(dotFile.isVisible());
    EXPECT_TRUE(dotFile.isInaccessible());
    const FileNodeFlags inHidden = flagsOf("shown/.hidden/deeper/b.abr");
    EXPECT_TRUE(inHidden.isVisible());
    EXPECT_TRUE(inHidden.isInaccessible());
    const FileNodeFlags missing = flagsOf("shown/gone.abr");
    EXPECT_EQ(missing.bits & ~FileNodeFlags::eIsInaccessible, 0);
    const FileNodeFlags folder = tree.findNodeForPath(box.path("shown"))->getFlags();
    EXPECT_TRUE(folder.exists());
    EXPECT_FALSE(folder.isFile());

    // Flags are computed once, when the node is attached: registering later changes nothing,
    // a fresh tree sees the registered way as visible.
    AlwaysVisibleFolders::registerFolder(box.path("shown/.hidden/deeper"));
    EXPECT_TRUE(flagsOf("shown/.hidden/deeper/b.abr").isInaccessible());
    FoundPathTree fresh;
    auto b = fresh.addPath(box.path("shown/.hidden/deeper/b.abr"), false, nullptr, nullptr);
    EXPECT_FALSE(b->getFlags().isInaccessible());
    AlwaysVisibleFolders::unregisterFolder(box.path("shown/.hidden/deeper"));

    EXPECT_TRUE(tree.getRoot()->getFlags().isMountPoint());
    EXPECT_EQ(tree.getRoot()->path(), "/");
}

TEST(FoundPathTree, Flags_RemovableMediaFolderReadsInaccessible)
{
    const QString media = VolumesFolderPath();
    if (!QFileInfo(media).isDir())
        GTEST_SKIP() << "no removable-media folder on this machine";
    FoundPathTree tree;
    auto folder = tree.addPath(media, true, nullptr, nullptr);
    EXPECT_TRUE(folder->getFlags().isVolumesFolder());
    EXPECT_TRUE(folder->getFlags().isInaccessible());
}
