#include "hierarchy/CFileHierarchy.h"
#include "HierarchyTestSupport.h"
#include "hierarchy/CExcludeFileFilter.h"
#include "hierarchy/CRestrictFileFilter.h"
#include "hierarchy/HierarchyOutline.h"

#include <gtest/gtest.h>

class Hierarchy : public ::testing::Test
{
protected:
    // Creates the file on disk and adds it; returns AddFile's answer.
    bool Add(const QString& relative, FileNodeFlags flags = {})
    {
        return h.AddFile(disk.file(relative), flags, node, topLevelChanged);
    }
    QString P(const QString& relative = QString()) const { return disk.path(relative); }
    QStringList Top() const { return TopLevelPaths(h, disk); }
    QString Returned() const { return PathOf(node).replace(disk.path(), QStringLiteral("~")); }
    CFileSystemNodePtr Node(const QString& relative) const
    {
        CFileSystemNodePtr n;
        h.FindNodeForPath(P(relative), n);
        return n;
    }
    bool Visible(const QString& relative) const
    {
        const CFileSystemNodePtr n = Node(relative);
        return n && n->IsVisible();
    }

    DiskTree disk;
    CFileHierarchy h;
    CFileSystemNodePtr node;
    bool topLevelChanged = false;
};

// Folders are shown only where they hold files or where branches fork; the answer names the
// first folder that did not change.
TEST_F(Hierarchy, Adding_ShowsTheFoldersThatHoldFilesAndTheForks)
{
    EXPECT_EQ(h.TopLevelNodeCount() + h.VolumeNodeCount() + h.RootNode()->ChildCount(), 0u);
    EXPECT_EQ(h.VolumeNode(0), nullptr);
    EXPECT_EQ(h.TopLevelNode(0), nullptr);

    EXPECT_TRUE(Add(QStringLiteral("Users/ann/Brushes/x.abr")));
    EXPECT_TRUE(topLevelChanged);
    EXPECT_EQ(Returned(), QStringLiteral("~/Users/ann/"));
    EXPECT_TRUE(Visible(QStringLiteral("Users/ann/Brushes/x.abr")));
    EXPECT_FALSE(h.RootNode()->IsVisible());
    EXPECT_EQ(HierarchyOutlineRows(h, false),
              (QStringList{QStringLiteral("Brushes/ (1)"), QStringLiteral("  x.abr")}));

    EXPECT_TRUE(Add(QStringLiteral("Users/ann/Brushes/y.abr")));
    EXPECT_FALSE(topLevelChanged);
    EXPECT_EQ(Returned(), QStringLiteral("~/Users/ann/Brushes/"));
    EXPECT_FALSE(Visible(QStringLiteral("Users/ann")));
    EXPECT_EQ(Top(), QStringList{QStringLiteral("~/Users/ann/Brushes/")});

    EXPECT_TRUE(Add(QStringLiteral("Users/ann/Other/z.abr")));
    EXPECT_TRUE(topLevelChanged);
    EXPECT_FALSE(Visible(QStringLiteral("Users")));
    EXPECT_EQ(Top(), QStringList{QStringLiteral("~/Users/ann/")});
    EXPECT_EQ(HierarchyOutlineRows(h, false),
              (QStringList{QStringLiteral("ann/ (3)"), QStringLiteral("  Brushes/ (2)"),
                           QStringLiteral("    x.abr"), QStringLiteral("    y.abr"),
                           QStringLiteral("  Other/ (1)"), QStringLiteral("    z.abr")}));
}

TEST_F(Hierarchy, LimitedVisibilityFolder_StaysPassedOverDespiteAFork)
{
    h.AddLimitedVisibilityAncestorDirectory(disk.folder(QStringLiteral("Users/ann")));
    Add(QStringLiteral("Users/ann/Brushes/x.abr"));
    Add(QStringLiteral("Users/ann/Other/z.abr"));
    EXPECT_FALSE(Visible(QStringLiteral("Users/ann")));
    EXPECT_EQ(Top(), (QStringList{QStringLiteral("~/Users/ann/Brushes/"),
                                  QStringLiteral("~/Users/ann/Other/")}));
    // ... unless it holds a file itself.
    Add(QStringLiteral("Users/ann/own.abr"));
    EXPECT_TRUE(Visible(QStringLiteral("Users/ann")));
    EXPECT_EQ(Top(), QStringList{QStringLiteral("~/Users/ann/")});
}

TEST_F(Hierarchy, AlwaysVisibleFolders_AreLevelsButNotBranchesOfTheirParent)
{
    h.AddAlwaysVisibleAncestorDirectory(disk.folder(QStringLiteral("Applications/PS1")));
    h.AddAlwaysVisibleAncestorDirectory(disk.folder(QStringLiteral("Applications/PS2")));
    Add(QStringLiteral("Applications/PS1/Presets/Brushes/a.abr"));
    Add(QStringLiteral("Applications/PS2/Presets/Brushes/b.abr"));
    EXPECT_TRUE(Visible(QStringLiteral("Applications/PS1")));
    EXPECT_TRUE(Visible(QStringLiteral("Applications/PS2")));
    EXPECT_TRUE(Visible(QStringLiteral("Applications/PS1/Presets"))); // inside one
    EXPECT_FALSE(Visible(QStringLiteral("Applications")));
    EXPECT_EQ(Top(), (QStringList{QStringLiteral("~/Applications/PS1/"),
                                  QStringLiteral("~/Applications/PS2/")}));
    EXPECT_TRUE(h.IsInsideAnAlwaysVisibleDirectory(CFSDescriptor(P("Applications/PS1"))));
    EXPECT_FALSE(h.IsInsideAnAlwaysVisibleDirectory(CFSDescriptor(P("Applications"))));
}

TEST_F(Hierarchy, TopLevelOrder_DepthFirstOrNameFirst)
{
    // Four passed-over parents, so each folder holding a file is top-level; Brushes lies one
    // level deeper than the others.
    const QStringList files{QStringLiteral("p/ann/a.abr"), QStringLiteral("v/Disk/Brushes/b.abr"),
                            QStringLiteral("r/Zed/z.abr"), QStringLiteral("q/bob/b.abr")};
    for (int order : {eTopLevelSortByDepthFirst, eTopLevelSortByNameFirst}) {
        CFileHierarchy ordered;
        ordered.SetTopLevelSortingOrder(order);
        for (const QString& f : files)
            ordered.AddFile(disk.file(f), FileNodeFlags{}, node, topLevelChanged);
        QStringList expected{QStringLiteral("~/p/ann/"), QStringLiteral("~/q/bob/"),
                             QStringLiteral("~/r/Zed/"), QStringLiteral("~/v/Disk/Brushes/")};
        if (order == eTopLevelSortByNameFirst)
            expected.move(3, 2);
        EXPECT_EQ(TopLevelPaths(ordered, disk), expected) << order;
    }
}

TEST_F(Hierarchy, VolumeNodes_ListTheRootUnlessOnlyVolumesAreHeld)
{
    const VolumesFolderOverride volumes(disk.folder(QStringLiteral("Volumes")));
    Add(QStringLiteral("Volumes/Disk/Brushes/b.abr"));
    // Everything under "/" leads to the volumes folder alone.
    EXPECT_EQ(h.VolumeNodeCount(), 1u);
    EXPECT_EQ(PathOf(h.VolumeNode(0)), P("Volumes/Disk/"));
    EXPECT_EQ(h.VolumeNode(1), nullptr);

    Add(QStringLiteral("Users/ann/a.abr"));
    EXPECT_EQ(h.VolumeNodeCount(), 2u);
    EXPECT_EQ(h.VolumeNode(0), h.RootNode().get());
    EXPECT_EQ(PathOf(h.VolumeNode(1)), P("Volumes/Disk/"));

    // The full view: the root, then each volume; the volumes folder is not repeated.
    const QStringList rows = HierarchyOutlineRows(h, true);
    ASSERT_GE(rows.size(), 4);
    EXPECT_EQ(rows.first(), QStringLiteral("/"));
    EXPECT_EQ(rows.filter(QStringLiteral("Volumes/")).size(), 0);
    EXPECT_EQ(rows.mid(rows.size() - 3),
              (QStringList{QStringLiteral("Disk/ (1)"), QStringLiteral("  Brushes/ (1)"),
                           QStringLiteral("    b.abr")}));
}

// Each filter matches only what lies below its folders; the hierarchy turns away what its
// filter rejects.
TEST_F(Hierarchy, Filters_TurnAwayWhatLiesBelowExcludedOrOutsideRestrictedFolders)
{
    const auto D = [](const char16_t* p) { return CFSDescriptor::ComponentsOnly(p); };
    CExcludeFileFilter exclude;
    EXPECT_TRUE(exclude.Allow(D(u"/Library/x.abr"))); // empty: everything passes
    exclude.AddDirectory(QStringLiteral("/Library/"));
    EXPECT_FALSE(exclude.Allow(D(u"/Library/a/b.abr")));
    EXPECT_TRUE(exclude.Allow(D(u"/Library/")));
    EXPECT_TRUE(exclude.Allow(D(u"/Libraryx/y.abr")));
    CRestrictFileFilter restrict;
    EXPECT_FALSE(restrict.Allow(D(u"/a/b.abr"))); // empty: nothing passes
    restrict.AddDirectory(QStringLiteral("/a"));
    EXPECT_TRUE(restrict.Allow(D(u"/a/b.abr")));
    EXPECT_FALSE(restrict.Allow(D(u"/a")));
    EXPECT_FALSE(restrict.Allow(D(u"/b/a/c.abr")));

    exclude.AddDirectory(disk.folder(QStringLiteral("Library")));
    h.SetFilter(&exclude);
    EXPECT_FALSE(Add(QStringLiteral("Library/x.abr")));
    EXPECT_TRUE(Add(QStringLiteral("Other/x.abr")));
    EXPECT_FALSE(Node(QStringLiteral("Library")));
}

TEST_F(Hierarchy, AddFile_ChecksKnownFlagsAndRefusesDuplicates)
{
    using F = FileNodeFlags;
    // Flags, and whether the file is added: a folder, an alias or an inaccessible file is not;
    // flags that do not say the kind are not checked.
    const std::pair<std::uint8_t, bool> cases[] = {{0, true},
                                                   {kPlainFile.bits, true},
                                                   {F::eExists | F::eIsSymlink | F::eIsFile, false},
                                                   {kPlainFile.bits | F::eIsInaccessible, false},
                                                   {F::eExists, false},
                                                   {F::eIsSymlink, true}};
    int i = 0;
    for (const auto& [flags, added] : cases)
        EXPECT_EQ(Add(QStringLiteral("f/%1.abr").arg(i++), FileNodeFlags{flags}), added) << flags;
    EXPECT_FALSE(Add(QStringLiteral("f/0.abr")));
    EXPECT_FALSE(topLevelChanged);
    EXPECT_FALSE(h.AddFile(QStringLiteral("/"), FileNodeFlags{}, node, topLevelChanged));
}

// The search's flags say what an item is: the hierarchy, on the main thread, does not look at
// the disk again. Without them it does, and finds nothing at a path that is not there.
TEST_F(Hierarchy, AddFile_TakesTheKindFromKnownFlagsWithoutAskingTheDisk)
{
    ASSERT_TRUE(h.AddFile(P("never/written/x.abr"), kPlainFile, node, topLevelChanged));
    ASSERT_TRUE(Node(QStringLiteral("never/written/x.abr")));
    const CFSDescriptor& file = Node(QStringLiteral("never/written/x.abr"))->Descriptor();
    EXPECT_FALSE(file.IsDirectory());
    EXPECT_EQ(file.DisplayName(), QStringLiteral("x.abr"));
    const CFSDescriptor& folder = Node(QStringLiteral("never/written"))->Descriptor();
    EXPECT_TRUE(folder.IsDirectory());
    EXPECT_EQ(folder.DisplayName(), QStringLiteral("written"));
    EXPECT_TRUE(h.AddFile(P("never/written/y.abr"), kPlainFile, node, topLevelChanged));
    EXPECT_FALSE(Node(QStringLiteral("never/written/y.abr"))->IsDirectory());

    ASSERT_TRUE(h.AddFile(P("never/written/z.abr"), FileNodeFlags{}, node, topLevelChanged));
    EXPECT_TRUE(Node(QStringLiteral("never/written/z.abr"))->Descriptor().DisplayName().isNull());
}

TEST_F(Hierarchy, Deleting_KeepsAFolderWithFilesLeftAndPrunesEveryEmptiedOne)
{
    Add(QStringLiteral("Users/B/x.abr"));
    Add(QStringLiteral("Users/B/y.abr"));
    EXPECT_FALSE(h.DeleteNode(QStringLiteral("/"), node, topLevelChanged));
    EXPECT_FALSE(h.DeleteNode(P("Users/B/nothing.abr"), node, topLevelChanged));
    EXPECT_TRUE(h.DeleteNode(P("Users/B/x.abr"), node, topLevelChanged));
    EXPECT_FALSE(topLevelChanged);
    EXPECT_EQ(PathOf(node), P("Users/B/"));
    EXPECT_TRUE(Visible(QStringLiteral("Users/B")));

    EXPECT_TRUE(h.DeleteNode(P("Users/B/y.abr"), node, topLevelChanged));
    EXPECT_TRUE(topLevelChanged);
    EXPECT_EQ(node, h.RootNode());
    EXPECT_EQ(h.RootNode()->ChildCount() + h.TopLevelNodeCount(), 0u);
    EXPECT_FALSE(h.RootNode()->IsVisible());
}

TEST_F(Hierarchy, DeletingAFolder_DropsTheTopLevelEntriesInsideIt)
{
    h.AddLimitedVisibilityAncestorDirectory(disk.folder(QStringLiteral("keep/ann")));
    Add(QStringLiteral("keep/ann/A/x.abr"));
    Add(QStringLiteral("keep/ann/B/y.abr"));
    Add(QStringLiteral("other/C/z.abr"));
    ASSERT_EQ(Top().size(), 3);
    EXPECT_TRUE(h.DeleteNode(P("keep"), node, topLevelChanged));
    EXPECT_TRUE(topLevelChanged);
    EXPECT_EQ(Top(), QStringList{QStringLiteral("~/other/C/")});
}

TEST_F(Hierarchy, PathsBelowAFile_LeaveNothingBehindWhenDeleted)
{
    Add(QStringLiteral("a/f.abr"));
    Add(QStringLiteral("a/g.abr"));
    // Nothing exists below a file, so these count as folders.
    EXPECT_TRUE(h.AddFile(P("a/f.abr/x/y/z.abr"), FileNodeFlags{}, node, topLevelChanged));
    ASSERT_TRUE(Node(QStringLiteral("a/f.abr/x/y")));
    EXPECT_TRUE(h.FolderIndexIsExact());
    EXPECT_TRUE(h.DeleteNode(P("a/f.abr"), node, topLevelChanged));
    EXPECT_FALSE(Node(QStringLiteral("a/f.abr/x")));
    EXPECT_TRUE(h.FolderIndexIsExact());
    EXPECT_TRUE(h.AddFile(P("a/f.abr/x/y/z.abr"), FileNodeFlags{}, node, topLevelChanged));
}

TEST_F(Hierarchy, RenamingAFile_RefreshesItsFolderOrLeavesTheSiblingItLandsOn)
{
    Add(QStringLiteral("B/a.abr"));
    Add(QStringLiteral("B/m.abr"));
    EXPECT_TRUE(h.RenameNode(P("B/a.abr"), QStringLiteral("z.abr"), node));
    EXPECT_EQ(PathOf(node), P("B/"));
    EXPECT_EQ(ChildNames(*Node(QStringLiteral("B"))), QStringLiteral("m.abr z.abr |"));
    EXPECT_FALSE(h.RenameNode(P("B/none.abr"), QStringLiteral("z.abr"), node));
    EXPECT_FALSE(h.RenameNode(P("B/m.abr"), QStringLiteral("a/b"), node));

    EXPECT_TRUE(h.RenameNode(P("B/m.abr"), QStringLiteral("z.abr"), node));
    EXPECT_FALSE(node);
    EXPECT_EQ(ChildNames(*Node(QStringLiteral("B"))), QStringLiteral("z.abr |"));
    EXPECT_EQ(Node(QStringLiteral("B"))->VisibleFileCount(), 1u);
}

// Renaming a top-level folder, or a hidden one above top-level folders, asks for a refresh of
// everything (no node) and re-sorts the top-level list.
TEST_F(Hierarchy, RenamingAFolder_KeepsTheTopLevelFoldersInTheirNewPlaces)
{
    Add(QStringLiteral("p/alpha/x.abr"));
    Add(QStringLiteral("q/beta/y.abr"));
    QDir().rename(P("p/alpha"), P("p/zeta"));
    EXPECT_TRUE(h.RenameNode(P("p/alpha/"), QStringLiteral("zeta"), node));
    EXPECT_FALSE(node);
    EXPECT_EQ(Top(), (QStringList{QStringLiteral("~/q/beta/"), QStringLiteral("~/p/zeta")}));
    EXPECT_TRUE(Node(QStringLiteral("p/zeta/x.abr")));
    EXPECT_FALSE(Node(QStringLiteral("p/alpha")));

    EXPECT_TRUE(h.RenameNode(P("q"), QStringLiteral("a"), node));
    EXPECT_FALSE(node);
    EXPECT_EQ(Top(), (QStringList{QStringLiteral("~/a/beta/"), QStringLiteral("~/p/zeta")}));
}

// A folder under its own name or another, with or without a final "/", then a file.
TEST_F(Hierarchy, Moving_BringsTheFilesToTheNewPlaceAndPrunesTheOldOne)
{
    Add(QStringLiteral("a/b/b1.abr"));
    Add(QStringLiteral("a/b/c/c1.abr"));
    disk.folder(QStringLiteral("d"));
    ASSERT_TRUE(QDir().rename(P("a/b"), P("d/b")));
    EXPECT_TRUE(h.MoveNode(P("a/b/"), P("d/b/"), kFolder, node, topLevelChanged));
    EXPECT_FALSE(node);
    EXPECT_TRUE(topLevelChanged);
    EXPECT_TRUE(Node(QStringLiteral("d/b/c/c1.abr")));
    EXPECT_FALSE(Node(QStringLiteral("a")));
    EXPECT_EQ(Top(), QStringList{QStringLiteral("~/d/b/")});

    ASSERT_TRUE(QDir().rename(P("d/b"), P("d/e")));
    EXPECT_TRUE(h.MoveNode(P("d/b"), P("d/e"), kFolder, node, topLevelChanged));
    EXPECT_TRUE(Node(QStringLiteral("d/e/b1.abr")));
    EXPECT_FALSE(Node(QStringLiteral("d/b")));

    // A file the same way.
    Add(QStringLiteral("a/x.abr"));
    Add(QStringLiteral("a/y.abr"));
    disk.folder(QStringLiteral("n"));
    ASSERT_TRUE(QFile::rename(P("a/x.abr"), P("n/x.abr")));
    EXPECT_TRUE(h.MoveNode(P("a/x.abr"), P("n/x.abr"), kPlainFile, node, topLevelChanged));
    EXPECT_TRUE(Node(QStringLiteral("n/x.abr")));
    EXPECT_FALSE(Node(QStringLiteral("a/x.abr")));
    EXPECT_TRUE(Top().contains(QStringLiteral("~/"))); // a and n fork there
    EXPECT_FALSE(h.MoveNode(P("a/none.abr"), P("n/none.abr"), kPlainFile, node, topLevelChanged));
    EXPECT_FALSE(h.MoveNode(QStringLiteral("/"), P("n/root"), kPlainFile, node, topLevelChanged));
}

TEST_F(Hierarchy, Ancestors_RunFromTheNodeToTheRoot)
{
    Add(QStringLiteral("u/B/x.abr"));
    const std::vector<CFileSystemNodePtr> all = h.GetAncestorsForPath(P("u/B/x.abr"));
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(PathOf(all.front()), P("u/B/x.abr"));
    EXPECT_EQ(all.back(), h.RootNode());
    const std::vector<CFileSystemNodePtr> visible = h.GetVisibleAncestorsForPath(P("u/B/x.abr"));
    ASSERT_EQ(visible.size(), 2u);
    EXPECT_EQ(PathOf(visible[1]), P("u/B/"));
    EXPECT_TRUE(h.GetAncestorsForPath(P("u/none")).empty());
}
