#pragma once

#include "avl_array/avl_array.h"
#include "hierarchy/CFSDescriptor.h"
#include "hierarchy/CFileFilterByDirectory.h"
#include "hierarchy/CFileSystemNode.h"
#include "platform/FileNodeFlags.h"

#include <QString>
#include <set>
#include <unordered_map>
#include <vector>

enum eTopLevelSortOrder
{
    eTopLevelSortByNameFirst = 0,
    eTopLevelSortByDepthFirst = 1
};

class CFileHierarchy;

// Orders the top-level list the way its hierarchy is set up to.
struct CompareNodeSharedPointer
{
    explicit CompareNodeSharedPointer(const CFileHierarchy* hierarchy) : mHierarchy(hierarchy) {}
    bool operator()(const CFileSystemNodePtr& a, const CFileSystemNodePtr& b) const;
    int three_way(const CFileSystemNodePtr& a, const CFileSystemNodePtr& b) const;

    const CFileHierarchy* mHierarchy;
};

// The model behind one folder outline: the tree of the brush files that belong to it and of
// every folder on their paths. A folder is shown as a level of its own (visible) only when it
// holds files directly, lies within an always-visible folder, or has two or more visible
// branches; the others are passed over, and the visible folders whose parent is passed over
// form the top-level list that the outline shows as its roots (with the root itself when it
// is visible).
//
// Main thread only. Failures are reported by returning false or an empty pointer.
class CFileHierarchy
{
public:
    CFileHierarchy();
    CFileHierarchy(const CFileHierarchy&) = delete;
    CFileHierarchy& operator=(const CFileHierarchy&) = delete;

    // Set-up, before any file is added: nothing already in the tree is looked at again.
    void SetTopLevelSortingOrder(int order);
    void AddAlwaysVisibleAncestorDirectory(const QString& path);
    void AddLimitedVisibilityAncestorDirectory(const QString& path);
    // Not owned; null for no filter.
    void SetFilter(CFileFilterByDirectory* filter) { mFilter = filter; }
    CFileFilterByDirectory* Filter() const { return mFilter; }
    bool TopLevelSortByDepthFirst() const { return mTopLevelSortByDepthFirst; }

    // The outline's questions.
    const CFileSystemNodePtr& RootNode() const { return mRootNode; }
    size_t TopLevelNodeCount() const { return mTopLevelNodes.size(); }
    CFileSystemNode* TopLevelNode(size_t i) const;
    const avl_array<CFileSystemNodePtr>& TopLevelNodes() const { return mTopLevelNodes; }
    size_t VolumeNodeCount() const;
    CFileSystemNode* VolumeNode(size_t i) const;
    bool FindNodeForPath(const QString& path, CFileSystemNodePtr& node) const;
    // The node of the path, then each ancestor up to the root; empty when it is not in the tree.
    std::vector<CFileSystemNodePtr> GetAncestorsForPath(const QString& path) const;
    std::vector<CFileSystemNodePtr> GetVisibleAncestorsForPath(const QString& path) const;
    bool IsInsideAnAlwaysVisibleDirectory(const CFSDescriptor& descriptor) const;

    // Changes. Each returns whether it did anything and where the outline must refresh (an
    // empty node: everything). Flags with "exists" (the search's) say what the item is; without
    // it the disk is asked.
    bool AddFile(const QString& path, FileNodeFlags flags, CFileSystemNodePtr& node,
                 bool& topLevelChanged);
    bool DeleteNode(const QString& path, CFileSystemNodePtr& node, bool& topLevelChanged);
    bool DeleteNode(CFileSystemNodePtr victim, CFileSystemNodePtr& node, bool& topLevelChanged);
    // newName is the new last component only.
    bool RenameNode(const QString& oldPath, const QString& newName, CFileSystemNodePtr& node);
    bool MoveNode(const QString& oldPath, const QString& newPath, FileNodeFlags flags,
                  CFileSystemNodePtr& node, bool& topLevelChanged);
    // Adds again, under newPrefix, every file below node whose path begins with oldPrefix.
    void RenameAndAddAllChildrenFromNode(const CFileSystemNodePtr& node, const ucstring& oldPrefix,
                                         const ucstring& newPrefix);

    // The pieces the changes are made of.
    // knownToExist: the descriptor's item is on disk, so the folders on its way are folders
    // and need not be looked at.
    bool GetNodeForDescriptor(const CFSDescriptor& descriptor, CFileSystemNodePtr& node,
                              bool& created, bool knownToExist = false);
    bool ShouldBeVisible(const CFileSystemNodePtr& node) const;
    void AddToTopLevelNodes(const CFileSystemNodePtr& node);
    bool RemoveFromTopLevelNodes(const CFileSystemNodePtr& node);

    // Whether the folder index names exactly the folders in the tree (for tests).
    bool FolderIndexIsExact() const;

private:
    struct UcstringHash
    {
        size_t operator()(const ucstring& s) const;
    };

    // The folder whose path (without a final "/") is key, when it is in the tree.
    CFileSystemNodePtr FindFolderByPath(const ucstring& key, unsigned depth) const;
    void IndexSubtree(CFileSystemNode* node);
    void UnindexSubtree(CFileSystemNode* node);
    CFileSystemNodePtr FindVolumesFolder() const;
    bool IsAlwaysVisibleDirectory(const CFSDescriptor& descriptor) const;
    void PromoteVisibleChildFolders(const CFileSystemNodePtr& node);
    bool DemoteVisibleChildFolders(const CFileSystemNodePtr& node);
    // Takes every top-level entry inside node's subtree (node itself included) out of the
    // list and returns them.
    std::vector<CFileSystemNodePtr> TakeTopLevelNodesWithin(const CFileSystemNodePtr& node);

    CFileSystemNodePtr mRootNode;
    avl_array<CFileSystemNodePtr> mTopLevelNodes;
    std::set<CFSDescriptor> mVisibleAncestorDirectories;
    std::set<CFSDescriptor> mLimitedVisibilityDirectories;
    CFileFilterByDirectory* mFilter = nullptr;
    bool mTopLevelSortByDepthFirst = false;
    // Every folder in the tree by its path without a final "/", so that a new file's folder
    // is found in one step instead of a search at every level from the root. The tree holds
    // the nodes; an entry leaves with its node.
    std::unordered_map<ucstring, CFileSystemNode*, UcstringHash> mFolderIndex;
};
