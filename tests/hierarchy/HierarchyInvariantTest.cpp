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
        problems << what << ": " << node.CFFullPath().toStdString() << "\n";
    }

    void Visit(const CFileSystemNodePtr& node)
    {
        if (checkVisibilityRule && node->IsVisible() != h.ShouldBeVisible(node))
            Fail(*node, "visibility differs from the rule");
        const bool parentVisible = node->HasParent() && node->Parent()->IsVisible();
        if (node->IsDirectory() && node->IsVisible() && !parentVisible)
            expectedTop.insert(node.get());
        if (!node->IsDirectory()) {
            files.insert(node->CFFullPath());
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
        if (actualTop != expectedTop) {
            problems << "top-level list is not the visible folders with a hidden parent:";
            for (const CFileSystemNode* n : actualTop)
                problems << " [" << n->CFFullPath().toStdString() << "]";
            problems << " instead of";
            for (const CFileSystemNode* n : expectedTop)
                problems << " [" << n->CFFullPath().toStdString() << "]";
            problems << "\n";
        }
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

    size_t FileCount() const { return mFiles.size(); }
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
    bool PickExisting(QString& relative, bool& isFolder)
    {
        if (mFiles.empty())
            return false;
        auto it = mFiles.begin();
        std::advance(it, Pick(static_cast<int>(mFiles.size())));
        relative = *it;
        isFolder = false;
        const QStringList parts = relative.split(QLatin1Char('/'));
        if (parts.size() > 1 && Pick(3) == 0) {
            relative = parts.mid(0, 1 + Pick(parts.size() - 1)).join(QLatin1Char('/'));
            isFolder = true;
        }
        return true;
    }

    bool Exists(const QString& relative) const
    {
        if (mFiles.count(relative))
            return true;
        const QString prefix = relative + QLatin1Char('/');
        auto it = mFiles.lower_bound(prefix);
        return it != mFiles.end() && it->startsWith(prefix);
    }

    void RemoveFromModel(const QString& relative)
    {
        for (auto it = mFiles.begin(); it != mFiles.end();) {
            if (*it == relative || it->startsWith(relative + QLatin1Char('/')))
                it = mFiles.erase(it);
            else
                ++it;
        }
    }

    // Moves an item on disk; a leftover empty folder in the way (files were deleted from it
    // one by one) goes first.
    bool RenameOnDisk(const QString& from, const QString& to)
    {
        if (QFileInfo(disk.path(to)).isDir())
            QDir(disk.path(to)).removeRecursively();
        return QDir().rename(disk.path(from), disk.path(to));
    }

    // Replaces `from` (a file, or a folder and everything in it) by `to` in the model.
    void MoveInModel(const QString& from, const QString& to)
    {
        std::set<QString> moved;
        for (auto it = mFiles.begin(); it != mFiles.end();) {
            if (*it == from || it->startsWith(from + QLatin1Char('/'))) {
                moved.insert(to + it->mid(from.size()));
                it = mFiles.erase(it);
            } else {
                ++it;
            }
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
                RemoveFromModel(relative);
                if (isFolder)
                    QDir(disk.path(relative)).removeRecursively();
                else
                    QFile::remove(disk.path(relative));
            }
            const QString path = disk.path(relative) + (isFolder && Pick(2) ? "/" : "");
            result = h.DeleteNode(path, node, topLevelChanged);
            what = "delete " + relative.toStdString();
            mCounts[1]++;
        } else if (kind < 80) {
            PickExisting(relative, isFolder);
            const QStringList& names = isFolder ? kFolderNames : kFileNames;
            const QString newName = names[Pick(names.size())];
            const QString folder = relative.contains(QLatin1Char('/'))
                                       ? relative.left(relative.lastIndexOf(QLatin1Char('/')))
                                       : QString();
            const QString target = Join(folder, newName);
            if (target == relative || Exists(target))
                return "rename skipped";
            if (!RenameOnDisk(relative, target))
                return "rename refused by the disk";
            MoveInModel(relative, target);
            result = h.RenameNode(disk.path(relative), newName, node);
            what = "rename " + relative.toStdString() + " to " + newName.toStdString();
            mCounts[2]++;
        } else {
            PickExisting(relative, isFolder);
            const QString name = relative.mid(relative.lastIndexOf(QLatin1Char('/')) + 1);
            const QString folder = RandomFolder(2);
            const QString target = Join(folder, name);
            if (target == relative || Exists(target) || target.startsWith(relative + "/") ||
                (folder + "/").startsWith(relative + "/"))
                return "move skipped";
            disk.folder(folder);
            if (!RenameOnDisk(relative, target))
                return "move refused by the disk";
            MoveInModel(relative, target);
            result = h.MoveNode(disk.path(relative), disk.path(target),
                                isFolder ? FileNodeFlags{kFileNodeExists} : kPlainFile, node,
                                topLevelChanged);
            what = "move " + relative.toStdString() + " to " + target.toStdString();
            mCounts[3]++;
        }
        if (result != expected)
            return what + ": returned " + (result ? "true" : "false");
        // A node handed back for refreshing must be one that is still in the tree.
        if (node) {
            CFileSystemNodePtr found;
            if (!h.FindNodeForPath(node->CFFullPath(), found) || found != node)
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
