#include "hierarchy/CFileSystemNode.h"
#include "HierarchyTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A node for a folder of the disk tree, with children made for relative paths: names ending in
// ".abr" are files, the others folders.
struct NodeFixture
{
    DiskTree disk;
    CFileSystemNodePtr parent = CFileSystemNode::Create(CFSDescriptor(disk.path()));

    CFileSystemNodePtr Attach(const QString& relative, const CFileSystemNodePtr& under = nullptr)
    {
        const bool file = relative.endsWith(QLatin1String(".abr"));
        CFileSystemNodePtr child = CFileSystemNode::Create(
            CFSDescriptor(file ? disk.file(relative) : disk.folder(relative)));
        (under ? under : parent)->AttachChild(child);
        return child;
    }
};

} // namespace

TEST(CFileSystemNode, Root_HasNoParentAndSetVisibleOnlyFlipsItsFlag)
{
    const CFileSystemNodePtr root = CFileSystemNode::Create();
    EXPECT_FALSE(root->HasParent());
    root->SetVisible(true);
    EXPECT_TRUE(root->IsVisible());
    EXPECT_EQ(root->GetFileNode()->getNode(), root.get());
    EXPECT_EQ(root->GetFileNode()->description(), QStringLiteral("/"));
}

// A new child is hidden; showing or hiding moves it to its sorted place in the other list and
// keeps the visible counts; doing it twice changes nothing.
TEST(CFileSystemNode, Visibility_MovesAChildBetweenItsSortedListsAndCounts)
{
    NodeFixture f;
    const CFileSystemNodePtr file = f.Attach(QStringLiteral("x.abr"));
    EXPECT_FALSE((*f.parent)[0]);
    EXPECT_EQ(f.parent->Child(0), file);
    EXPECT_EQ(file->Parent(), f.parent);
    for (int twice = 0; twice < 2; ++twice)
        file->SetVisible(true);
    EXPECT_EQ((*f.parent)[0], file);
    EXPECT_FALSE(f.parent->Child(1));
    EXPECT_EQ(f.parent->VisibleChildCount(), 1u);
    EXPECT_EQ(f.parent->VisibleFileCount(), 1u);

    const CFileSystemNodePtr a = f.Attach(QStringLiteral("a"));
    f.Attach(QStringLiteral("c"));
    const CFileSystemNodePtr b = f.Attach(QStringLiteral("B"));
    b->SetVisible(true);
    a->SetVisible(true);
    EXPECT_EQ(f.parent->VisibleDirectoryCount(), 2u);
    b->SetVisible(false);
    EXPECT_EQ(f.parent->VisibleDirectoryCount(), 1u);
    EXPECT_EQ(f.parent->VisibleFileCount(), 1u);
    EXPECT_EQ(ChildNames(*f.parent), QStringLiteral("a x.abr | B c"));

    // Removing detaches and uncounts; a child not there (any more), nothing happens; passing the
    // list's own entry is safe.
    for (int twice = 0; twice < 2; ++twice)
        f.parent->RemoveChild(file);
    EXPECT_THROW(file->Parent(), boost::bad_weak_ptr);
    EXPECT_EQ(f.parent->VisibleFileCount(), 0u);
    f.parent->RemoveChild(f.parent->VisibleChildren().at(0));
    EXPECT_EQ(f.parent->VisibleDirectoryCount(), 0u);
    EXPECT_EQ(ChildNames(*f.parent), QStringLiteral("| B c"));
}

TEST(CFileSystemNode, FindChild_WorksWhetherOrNotTheItemStillExists)
{
    NodeFixture f;
    const CFileSystemNodePtr folder = f.Attach(QStringLiteral("Brushes"));
    const CFileSystemNodePtr file = f.Attach(QStringLiteral("x.abr"));
    file->SetVisible(true);
    QDir(f.disk.path(QStringLiteral("Brushes"))).removeRecursively();
    QFile::remove(f.disk.path(QStringLiteral("x.abr")));

    CFileSystemNodePtr found;
    EXPECT_TRUE(f.parent->FindChild(ucstring(u"Brushes", u"Brushes" + 7), found));
    EXPECT_EQ(found, folder);
    EXPECT_TRUE(f.parent->FindChild(ucstring(u"x.abr", u"x.abr" + 5), found));
    EXPECT_EQ(found, file);
    found.reset();
    EXPECT_FALSE(f.parent->FindChild(ucstring(u"brushes", u"brushes" + 7), found));
    EXPECT_FALSE(found);
}

TEST(CFileSystemNode, VolumesFolder_IsLeftOutOfTheFullViewChildren)
{
    NodeFixture f;
    const VolumesFolderOverride volumes(f.disk.path(QStringLiteral("Volumes")));
    f.Attach(QStringLiteral("Applications"));
    const CFileSystemNodePtr users = f.Attach(QStringLiteral("Users"));
    const CFileSystemNodePtr vol = f.Attach(QStringLiteral("Volumes"));
    ASSERT_TRUE(vol->IsVolumeDirectory());
    EXPECT_EQ(f.parent->CountChildrenExcludingVolumes(), 2u);
    EXPECT_EQ(f.parent->CountDirectories(), 3u);

    // Wherever the volumes folder stands among the children (hidden, or visible first).
    for (bool volumesVisible : {false, true}) {
        vol->SetVisible(volumesVisible);
        EXPECT_EQ(f.parent->ChildExcludingVolumes(0)->SystemName(), QStringLiteral("Applications"));
        EXPECT_EQ(f.parent->ChildExcludingVolumes(1)->SystemName(), QStringLiteral("Users"));
        EXPECT_FALSE(f.parent->ChildExcludingVolumes(2));
    }
    // Below the level that holds the volumes folder nothing is left out.
    EXPECT_EQ(users->CountChildrenExcludingVolumes(), 0u);
}

TEST(CFileSystemNode, CountDescendantFiles_CountsHiddenLevelsOnlyWhenAsked)
{
    NodeFixture f;
    f.Attach(QStringLiteral("a.abr"))->SetVisible(true);
    f.Attach(QStringLiteral("b.abr"))->SetVisible(true);
    const CFileSystemNodePtr sub = f.Attach(QStringLiteral("sub"));
    for (const char* name : {"sub/c.abr", "sub/d.abr", "sub/e.abr"})
        f.Attach(QString::fromUtf8(name), sub)->SetVisible(true);
    EXPECT_EQ(f.parent->CountDescendantFiles(false), 2u);
    EXPECT_EQ(f.parent->CountDescendantFiles(true), 5u);
    EXPECT_EQ(sub->CountDescendantFiles(false), 3u);
}

// Not used by the hierarchy's own updates, so not met by the randomized run.
TEST(CFileSystemNode, SetParentPath_RepathsTheWholeSubtreeHiddenLevelsIncluded)
{
    NodeFixture f;
    const CFileSystemNodePtr folder = f.Attach(QStringLiteral("z"));
    const CFileSystemNodePtr inner = f.Attach(QStringLiteral("z/inner"), folder);
    const CFileSystemNodePtr file = f.Attach(QStringLiteral("z/inner/x.abr"), inner);
    file->SetVisible(true);
    folder->SetParentPath(QStringLiteral("/elsewhere"));
    EXPECT_EQ(file->FullPathText(), QStringLiteral("/elsewhere/z/inner/x.abr"));
}
