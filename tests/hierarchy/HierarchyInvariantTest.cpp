#include "HierarchyTestSupport.h"
#include "hierarchy/CFileHierarchy.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// Random sequences of adds, deletes, renames and moves, mirrored on a real folder tree, with
// every invariant of the model checked after each step.

namespace {

// "B" and "b" differ on disk but not in the shown-name order, so ties are exercised too.
const QStringList kFolderNames{QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("b"),
                               QStringLiteral("c")};
const QStringList kFileNames{QStringLiteral("x.abr"), QStringLiteral("Y.abr"),
                             QStringLiteral("y.abr")};

struct InvariantChecker
{
    const CFileHierarchy& h;
    bool checkVisibilityRule;
    std::ostringstream problems;
    std::set<const CFileSystemNode*> expectedTop;
    std::set<QString> files;

    void Fail(const CFileSystemNode& node, const char* what)
    {
        problems << what << ": " << node.FullPathText().toStdString() << "\n";
    }

    void Visit(const CFileSystemNodePtr& node)
    {
        if (checkVisibilityRule && node->IsVisible() != h.ShouldBeVisible(node))
            Fail(*node, "visibility differs from the rule");
        const bool parentVisible = node->HasParent() && node->Parent()->IsVisible();
        if (node->IsDirectory() && node->IsVisible() && !parentVisible)
            expectedTop.insert(node.get());
        if (!node->IsDirectory()) {
            files.insert(node->FullPathText());
            if (node->ChildCount() != 0)
                Fail(*node, "a file with children");
            return;
        }
        if (node->HasParent() && node->ChildCount() == 0)
            Fail(*node, "an empty folder was left behind");
        unsigned directories = 0;
        unsigned plainFiles = 0;
        for (bool visibleList : {true, false}) {
            const auto& list = visibleList ? node->VisibleChildren() : node->HiddenChildren();
            CFileSystemNodePtr previous;
            for (const CFileSystemNodePtr& child : list) {
                if (child->IsVisible() != visibleList)
                    Fail(*child, "in the list of the other visibility");
                CFileSystemNodePtr parent;
                try {
                    parent = child->Parent();
                } catch (const boost::bad_weak_ptr&) {
                }
                if (parent != node)
                    Fail(*child, "parent link does not lead back");
                if (previous && !(CompareSharedPointerNameFirst()(previous, child) &&
                                  !CompareSharedPointerNameFirst()(child, previous)))
                    Fail(*child, "child list out of order");
                previous = child;
                if (visibleList)
                    (child->IsDirectory() ? directories : plainFiles)++;
                Visit(child);
            }
        }
        if (directories != node->VisibleDirectoryCount() || plainFiles != node->VisibleFileCount())
            Fail(*node, "visible counts do not match the list");
    }

    std::string Run()
    {
        Visit(h.RootNode());
        std::set<const CFileSystemNode*> actualTop;
        CFileSystemNodePtr previous;
        const CompareNodeSharedPointer less(&h);
        for (const CFileSystemNodePtr& entry : h.TopLevelNodes()) {
            actualTop.insert(entry.get());
            if (previous && !(less(previous, entry) && !less(entry, previous)))
                Fail(*entry, "top-level list out of order");
            previous = entry;
        }
        if (!h.FolderIndexIsExact())
            problems << "the folder index does not name exactly the folders in the tree\n";
        if (actualTop.size() != h.TopLevelNodeCount())
            problems << "top-level list holds a node twice\n";
        for (const CFileSystemNode* n : actualTop)
            if (!expectedTop.count(n))
                Fail(*n, "top-level but not a visible folder with a hidden parent");
        for (const CFileSystemNode* n : expectedTop)
            if (!actualTop.count(n))
                Fail(*n, "a visible folder with a hidden parent missing from the top level");
        return problems.str();
    }
};

class RandomEdits
{
public:
    RandomEdits(unsigned seed, bool checkVisibilityRule)
        : mRandom(seed), mCheckVisibilityRule(checkVisibilityRule)
    {}

    CFileHierarchy h;
    DiskTree disk;

    // Runs `steps` random operations; stops at the first broken invariant and describes it.
    std::string Run(int steps)
    {
        for (int step = 0; step < steps; ++step) {
            const std::string what = Step();
            InvariantChecker checker{h, mCheckVisibilityRule, {}, {}, {}};
            std::string problems = checker.Run();
            std::set<QString> expectedFiles;
            for (const QString& f : mFiles)
                expectedFiles.insert(disk.path(f));
            if (checker.files != expectedFiles)
                problems += "the tree's files differ from the ones added\n";
            if (!problems.empty())
                return "after step " + std::to_string(step) + " (" + what + "):\n" + problems;
        }
        return std::string();
    }

    const std::vector<int>& Counts() const { return mCounts; }

private:
    int Pick(int n) { return static_cast<int>(mRandom() % static_cast<unsigned>(n)); }

    QString RandomFolder(int maxDepth)
    {
        QStringList parts;
        for (int depth = Pick(maxDepth + 1); depth > 0; --depth)
            parts << kFolderNames[Pick(kFolderNames.size())];
        return parts.join(QLatin1Char('/'));
    }

    static QString Join(const QString& folder, const QString& name)
    {
        return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
    }

    // An item that is in the tree: a file, or one of the folders above one.
    void PickExisting(QString& relative, bool& isFolder)
    {
        auto it = mFiles.begin();
        std::advance(it, Pick(static_cast<int>(mFiles.size())));
        relative = *it;
        isFolder = false;
        const QStringList parts = relative.split(QLatin1Char('/'));
        if (parts.size() > 1 && Pick(3) == 0) {
            relative = parts.mid(0, 1 + Pick(parts.size() - 1)).join(QLatin1Char('/'));
            isFolder = true;
        }
    }

    bool Exists(const QString& relative) const
    {
        if (mFiles.count(relative))
            return true;
        const QString prefix = relative + QLatin1Char('/');
        auto it = mFiles.lower_bound(prefix);
        return it != mFiles.end() && it->startsWith(prefix);
    }

    // Moves an item on disk; a leftover empty folder in the way (files were deleted from it
    // one by one) goes first.
    bool RenameOnDisk(const QString& from, const QString& to)
    {
        if (QFileInfo(disk.path(to)).isDir())
            QDir(disk.path(to)).removeRecursively();
        return QDir().rename(disk.path(from), disk.path(to));
    }

    // Replaces `from` (a file, or a folder and everything in it) by `to` in the model; a null
    // `to` removes it.
    void MoveInModel(const QString& from, const QString& to = QString())
    {
        std::set<QString> moved;
        for (auto it = mFiles.begin(); it != mFiles.end();) {
            const bool inside = *it == from || it->startsWith(from + QLatin1Char('/'));
            if (inside && !to.isNull())
                moved.insert(to + it->mid(from.size()));
            it = inside ? mFiles.erase(it) : std::next(it);
        }
        mFiles.insert(moved.begin(), moved.end());
    }

    std::string Step()
    {
        CFileSystemNodePtr node;
        bool topLevelChanged = false;
        const int kind = Pick(100);
        QString relative;
        bool isFolder = false;
        std::string what;
        bool result = false;
        bool expected = true;

        if (kind < 40 || mFiles.empty()) {
            relative = Join(RandomFolder(3), kFileNames[Pick(kFileNames.size())]);
            expected = !mFiles.count(relative);
            disk.file(relative);
            mFiles.insert(relative);
            result = h.AddFile(disk.path(relative), Pick(2) ? kPlainFile : FileNodeFlags{}, node,
                               topLevelChanged);
            what = "add " + relative.toStdString();
            mCounts[0]++;
        } else if (kind < 65) {
            if (Pick(10) == 0) {
                relative = Join(RandomFolder(2), QStringLiteral("none.abr"));
                expected = false;
            } else {
                PickExisting(relative, isFolder);
                MoveInModel(relative);
                isFolder ? QDir(disk.path(relative)).removeRecursively()
                         : QFile::remove(disk.path(relative));
            }
            const QString path = disk.path(relative) + (isFolder && Pick(2) ? "/" : "");
            result = h.DeleteNode(path, node, topLevelChanged);
            what = "delete " + relative.toStdString();
            mCounts[1]++;
        } else {
            // A rename keeps the folder and picks a new name; a move keeps the name and picks
            // a new folder.
            const bool rename = kind < 80;
            PickExisting(relative, isFolder);
            const int slash = relative.lastIndexOf(QLatin1Char('/'));
            const QStringList& names = isFolder ? kFolderNames : kFileNames;
            const QString name = rename ? names[Pick(names.size())] : relative.mid(slash + 1);
            const QString folder = rename ? relative.left(std::max(slash, 0)) : RandomFolder(2);
            const QString target = Join(folder, name);
            if (target == relative || Exists(target) || (folder + "/").startsWith(relative + "/"))
                return "skipped";
            disk.folder(folder);
            if (!RenameOnDisk(relative, target))
                return "refused by the disk";
            MoveInModel(relative, target);
            result = rename ? h.RenameNode(disk.path(relative), name, node)
                            : h.MoveNode(disk.path(relative), disk.path(target),
                                         isFolder ? kFolder : kPlainFile, node, topLevelChanged);
            what = (rename ? "rename " : "move ") + relative.toStdString() + " to " +
                   target.toStdString();
            mCounts[rename ? 2 : 3]++;
        }
        if (result != expected)
            return what + ": returned " + (result ? "true" : "false");
        // A node handed back for refreshing must be one that is still in the tree.
        if (node) {
            CFileSystemNodePtr found;
            if (!h.FindNodeForPath(node->FullPathText(), found) || found != node)
                return what + ": returned a node that is not in the tree";
        }
        return what;
    }

    std::mt19937 mRandom;
    bool mCheckVisibilityRule;
    std::set<QString> mFiles; // relative paths of the files that should be in the tree
    std::vector<int> mCounts = std::vector<int>(4, 0);
};

} // namespace

TEST(HierarchyInvariants, TenThousandRandomEdits_KeepEveryInvariant)
{
    RandomEdits edits(7, true);
    const std::string problem = edits.Run(10000);
    EXPECT_EQ(problem, std::string());
    // Each kind of change really happened, many times.
    for (int count : edits.Counts())
        EXPECT_GT(count, 500);
}

// With special folders the rule can change under a rename (which keeps visibilities as they
// are), so only the structure and the top-level list are checked.
TEST(HierarchyInvariants, RandomEditsWithSpecialFolders_KeepTheStructure)
{
    RandomEdits edits(11, false);
    edits.h.AddLimitedVisibilityAncestorDirectory(edits.disk.folder(QStringLiteral("a")));
    edits.h.AddAlwaysVisibleAncestorDirectory(edits.disk.folder(QStringLiteral("c/b")));
    edits.h.AddAlwaysVisibleAncestorDirectory(edits.disk.folder(QStringLiteral("c/c")));
    edits.h.SetTopLevelSortingOrder(eTopLevelSortByDepthFirst);
    EXPECT_EQ(edits.Run(3000), std::string());
}
