#include "hierarchy/CFSDescriptor.h"
#include "HierarchyTestSupport.h"

#include <gtest/gtest.h>

namespace {

QString Q(const ucstring& s)
{
    QString out;
    assign(out, s);
    return out;
}

ucstring U(const QString& s)
{
    ucstring out;
    assign(out, s);
    return out;
}

// "(path, name)" for every component, as a compact string.
QString Components(const CFSDescriptor& d)
{
    QStringList parts;
    for (unsigned i = 0; i < d.Depth(); ++i) {
        const CPathComponent c = d.PathComponent(i);
        parts << QStringLiteral("(%1,%2)").arg(Q(c.mPath), Q(c.mName));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

// Paths that do not exist, so nothing from the disk changes the split; both ways of making the
// components give the same.
TEST(CFSDescriptor, Components_SplitAsWritten)
{
    const QString n = QStringLiteral("/nonexistent-kelbrin");
    const QString ann = QStringLiteral("(/,) (%1/,nonexistent-kelbrin) (%1/ann/,ann)").arg(n);
    const std::pair<QString, QString> cases[] = {
        {n + "/ann/a.abr", ann + QStringLiteral(" (%1/ann/a.abr,a.abr)").arg(n)},
        {n + "/ann/", ann},
        {"/", "(/,)"},
        {"", "(,)"},
        {"a//b", "(a/,a) (a//,) (a//b,b)"},
        {"x", "(x,x)"}};
    for (const auto& [path, components] : cases) {
        CFSDescriptor d(QStringLiteral("/"));
        d.CreatePathComponents(U(path));
        EXPECT_EQ(Components(d), components);
        EXPECT_EQ(Components(CFSDescriptor::ComponentsOnly(path)), components);
    }
}

// Existing items take their kind and shown name from the disk; the root and missing items keep
// the defaults: a folder, and no shown name for a missing one.
TEST(CFSDescriptor, KindAndDisplayName_ComeFromTheDisk)
{
    const CFSDescriptor root;
    EXPECT_EQ(root.Depth(), 1u);
    EXPECT_EQ(root.FullPathText(), QStringLiteral("/"));
    EXPECT_EQ(root.SystemName(), QString());
    EXPECT_TRUE(root.IsDirectory() && !root.IsVolumeDirectory());
    EXPECT_EQ(root.DisplayName(), QStringLiteral("/"));

    DiskTree disk;
    const QString folder = disk.folder(QStringLiteral("ann"));
    const QString file = disk.file(QStringLiteral("ann/a.abr"));
    const CFSDescriptor d(folder);
    EXPECT_TRUE(d.IsDirectory());
    EXPECT_EQ(d.FullPathText(), folder + QLatin1Char('/'));
    EXPECT_EQ(d.SystemName(), QStringLiteral("ann"));
    EXPECT_EQ(d.DisplayName(), QStringLiteral("ann"));
    const CFSDescriptor f(file);
    EXPECT_FALSE(f.IsDirectory());
    EXPECT_EQ(f.FullPathText(), file);
    EXPECT_EQ(f.DisplayName(), QStringLiteral("a.abr"));
    // The same from the ucstring forms.
    EXPECT_EQ(CFSDescriptor(U(folder)).FullPathText(), folder + QLatin1Char('/'));
    EXPECT_EQ(CFSDescriptor(U(folder), U(QStringLiteral("a.abr"))).FullPathText(), file);
    EXPECT_EQ(
        CFSDescriptor(U(folder + QLatin1Char('/')), U(QStringLiteral("a.abr"))).FullPathText(),
        file);

    const CFSDescriptor missing(disk.path(QStringLiteral("gone.abr")));
    EXPECT_TRUE(missing.IsDirectory() && !missing.IsVolumeDirectory());
    EXPECT_TRUE(missing.DisplayName().isNull());
    EXPECT_EQ(missing.FullPathText(), disk.path(QStringLiteral("gone.abr")));
}

// Not a folder below it or above it, nor one named like it but missing from the disk.
TEST(CFSDescriptor, VolumesFlag_OnlyForTheVolumesFolderItself)
{
    DiskTree disk;
    const QString volumes = disk.folder(QStringLiteral("media/ann/Disk")).chopped(5);
    const VolumesFolderOverride override(volumes);
    EXPECT_TRUE(CFSDescriptor(volumes).IsVolumeDirectory());
    EXPECT_FALSE(CFSDescriptor(volumes + QStringLiteral("/Disk")).IsVolumeDirectory());
    EXPECT_FALSE(CFSDescriptor(disk.path(QStringLiteral("media"))).IsVolumeDirectory());
    const VolumesFolderOverride elsewhere(disk.path(QStringLiteral("nothing")));
    EXPECT_FALSE(CFSDescriptor(disk.path(QStringLiteral("nothing"))).IsVolumeDirectory());
}

TEST(CFSDescriptor, Ancestry_GoesByIndexAndComponentNames)
{
    const auto D = [](const char16_t* p) { return CFSDescriptor::ComponentsOnly(p); };
    const CFSDescriptor d = D(u"/Users/ann/a.abr");
    EXPECT_EQ(d.Depth(), 4u);
    EXPECT_EQ(Q(d.AncestorName(0)), QString());
    EXPECT_EQ(Q(d.AncestorPath(0)), QStringLiteral("/"));
    EXPECT_EQ(Q(d.AncestorPath(1)), QStringLiteral("/Users/"));
    EXPECT_EQ(Q(d.AncestorName(2)), QStringLiteral("ann"));
    EXPECT_EQ(Q(d.AncestorName(4)), Q(CFSDescriptor::zeroPath));
    EXPECT_EQ(Q(d.AncestorPath(9)), Q(CFSDescriptor::zeroPath));
    EXPECT_EQ(Q(d.FullPath()), QStringLiteral("/Users/ann/a.abr"));

    EXPECT_FALSE(D(u"/a/").IsAncestorOf(D(u"/a/")));
    EXPECT_TRUE(D(u"/a/").IsAncestorOfOrEquals(D(u"/a"))); // a final "/" never matters
    EXPECT_FALSE(D(u"/ab/").IsAncestorOf(D(u"/a/b")));
    EXPECT_FALSE(D(u"/a/").IsAncestorOf(D(u"/A/b"))); // case-sensitive
    EXPECT_TRUE(D(u"/a").IsAncestorOf(D(u"/a/b/c.abr")));
    EXPECT_TRUE(D(u"/").IsAncestorOf(D(u"/x")));
    EXPECT_FALSE(D(u"/a/b/").IsAncestorOfOrEquals(D(u"/a/")));
}

TEST(CFSDescriptor, Ordering_ByDepthThenShownNameThenPath)
{
    const auto D = [](const char16_t* p) { return CFSDescriptor::ComponentsOnly(p); };
    // Each pair in order, and so never the other way round.
    const std::pair<CFSDescriptor, CFSDescriptor> ordered[] = {
        {D(u"/x/apple.abr"), D(u"/x/Banana.abr")},
        {D(u"/x/B.abr"), D(u"/x/b.abr")},       // names equal but for case: code units decide
        {D(u"/a/Brushes/"), D(u"/b/Brushes/")}, // same name: the paths decide
    };
    for (const auto& [first, second] : ordered) {
        EXPECT_TRUE(first.compareByNameFirst(second)) << first.FullPathText().toStdString();
        EXPECT_FALSE(second.compareByNameFirst(first)) << first.FullPathText().toStdString();
    }
    EXPECT_TRUE(D(u"/z/") < D(u"/a/b/"));
    EXPECT_FALSE(D(u"/a/b/") < D(u"/z/"));
    // A final "/" makes no difference.
    EXPECT_FALSE(D(u"/a/b").compareByNameFirst(D(u"/a/b/")));
    EXPECT_FALSE(D(u"/a/b/").compareByNameFirst(D(u"/a/b")));
    EXPECT_FALSE(D(u"/a/b") < D(u"/a/b/"));

    // Shown names only count when both have one.
    DiskTree disk;
    const CFSDescriptor existing(disk.file(QStringLiteral("m.abr")));
    const CFSDescriptor missing(disk.path(QStringLiteral("n.abr")));
    EXPECT_TRUE(existing.compareByNameFirst(missing));
    EXPECT_FALSE(missing.compareByNameFirst(existing));
}

TEST(CFSDescriptor, RenameAndResetPath_ReplaceNamesAndKeepTheKindWithoutAskingTheDisk)
{
    DiskTree disk;
    CFSDescriptor file = CFSDescriptor::ComponentsOnly(u"/x/old.abr");
    file.Rename(QStringLiteral("new.abr"));
    EXPECT_EQ(file.FullPathText(), QStringLiteral("/x/new.abr"));
    EXPECT_EQ(file.Depth(), 3u);
    EXPECT_EQ(file.DisplayName(), QStringLiteral("new.abr"));

    CFSDescriptor folder(disk.folder(QStringLiteral("old")));
    folder.Rename(QStringLiteral("new"));
    EXPECT_EQ(folder.FullPathText(), disk.path(QStringLiteral("new"))); // no final "/" added
    EXPECT_TRUE(folder.IsDirectory());

    CFSDescriptor root;
    root.Rename(QStringLiteral("top"));
    EXPECT_EQ(root.FullPathText(), QStringLiteral("/top"));
    EXPECT_EQ(root.Depth(), 1u);

    const VolumesFolderOverride volumes(QStringLiteral("/Volumes"));
    CFSDescriptor top(QStringLiteral("/"));
    top.ResetPath(QStringLiteral("/"), QStringLiteral("Volumes"));
    EXPECT_EQ(top.FullPathText(), QStringLiteral("/Volumes/"));
    EXPECT_TRUE(top.IsVolumeDirectory());
    EXPECT_EQ(top.DisplayName(), QStringLiteral("Volumes"));
    CFSDescriptor moved(disk.file(QStringLiteral("f.abr")));
    moved.ResetPath(QStringLiteral("/elsewhere"), QStringLiteral("f.abr"));
    EXPECT_EQ(moved.FullPathText(), QStringLiteral("/elsewhere/f.abr"));
    EXPECT_FALSE(moved.IsDirectory());
}

// The sharing forms must give exactly what spelling the path out gives.
TEST(CFSDescriptor, SharedComponents_MatchThePathSpelledOut)
{
    DiskTree disk;
    const QString base = disk.folder(QStringLiteral("a/b"));
    const CFSDescriptor parent(base);

    CFSDescriptor child = CFSDescriptor::ChildOf(parent, U(QStringLiteral("c")), true);
    EXPECT_EQ(child.FullPathText(), base + QStringLiteral("/c/"));
    EXPECT_EQ(Components(child), Components(CFSDescriptor::ComponentsOnly(base + "/c/")));

    // Re-parenting under a renamed folder, whose path has no final "/".
    CFSDescriptor renamed = parent;
    renamed.Rename(QStringLiteral("z"));
    CFSDescriptor viaLinks(disk.file(QStringLiteral("a/b/x.abr")));
    CFSDescriptor viaPath = viaLinks;
    viaLinks.ResetParent(renamed);
    viaPath.ResetPath(renamed.FullPathText(), viaPath.SystemName());
    EXPECT_EQ(viaLinks.FullPathText(), disk.path(QStringLiteral("a/z/x.abr")));
    EXPECT_EQ(Components(viaLinks), Components(viaPath));
    EXPECT_EQ(viaLinks.DisplayName(), viaPath.DisplayName());

    const CFSDescriptor item(disk.file(QStringLiteral("a/b/y.abr")));
    const CFSDescriptor rebased = CFSDescriptor::Rebased(parent, item);
    EXPECT_EQ(Components(rebased), Components(item));
    EXPECT_FALSE(rebased.IsDirectory());
    EXPECT_FALSE(rebased.compareByNameFirst(item));
    EXPECT_FALSE(item.compareByNameFirst(rebased));
}
