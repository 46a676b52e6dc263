#pragma once

#include "avl_array/avl_array.h"
#include "hierarchy/CFSDescriptor.h"
#include "hierarchy/FileNode.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>
#include <memory>

class CFileSystemNode;
using CFileSystemNodePtr = boost::shared_ptr<CFileSystemNode>;

// Orders nodes (or a node and a bare descriptor) by CFSDescriptor::compareByNameFirst.
struct CompareSharedPointerNameFirst
{
    bool operator()(const CFileSystemNodePtr& a, const CFileSystemNodePtr& b) const;
    bool operator()(const CFSDescriptor& a, const CFileSystemNodePtr& b) const;
    bool operator()(const CFileSystemNodePtr& a, const CFSDescriptor& b) const;
    int three_way(const CFileSystemNodePtr& a, const CFileSystemNodePtr& b) const;
    int three_way(const CFSDescriptor& a, const CFileSystemNodePtr& b) const;
};

// Orders nodes by CFSDescriptor::operator< (depth, then name).
struct CompareSharedPointerDepthFirst
{
    bool operator()(const CFileSystemNodePtr& a, const CFileSystemNodePtr& b) const;
    int three_way(const CFileSystemNodePtr& a, const CFileSystemNodePtr& b) const;
};

// The child called `name` of `directory`, looked for among directory's children without
// making a descriptor for it.
struct ChildNameProbe
{
    const CFSDescriptor& directory;
    ucstring_view name;
};

struct CompareChildByName
{
    bool operator()(const ChildNameProbe& probe, const CFileSystemNodePtr& node) const;
    bool operator()(const CFileSystemNodePtr& node, const ChildNameProbe& probe) const;
    int three_way(const ChildNameProbe& probe, const CFileSystemNodePtr& node) const;
};

// One node of the browsable hierarchy: a file, or a folder on the way from "/" to one. It
// keeps its children in two lists sorted by shown name, the visible ones and the hidden ones,
// so that the outline can ask for a row by number; the hierarchy decides who is visible.
// Parents own their children; the link back up is weak.
class CFileSystemNode
{
public:
    using ChildList = avl_array<CFileSystemNodePtr>;

    static CFileSystemNodePtr Create(const CFSDescriptor& descriptor);
    // The root "/".
    static CFileSystemNodePtr Create();

    explicit CFileSystemNode(const CFSDescriptor& descriptor);
    ~CFileSystemNode();
    CFileSystemNode(const CFileSystemNode&) = delete;
    CFileSystemNode& operator=(const CFileSystemNode&) = delete;

    const CFSDescriptor& Descriptor() const { return mDescriptor; }
    bool IsDirectory() const { return mDescriptor.IsDirectory(); }
    bool IsVolumeDirectory() const { return mDescriptor.IsVolumeDirectory(); }
    QString DisplayName() const { return mDescriptor.DisplayName(); }
    ucstring FullPath() const { return mDescriptor.FullPath(); }
    QString FullPathText() const { return mDescriptor.FullPathText(); }
    QString SystemName() const { return mDescriptor.SystemName(); }
    unsigned Depth() const { return mDescriptor.Depth(); }

    FileNode* GetFileNode() const { return mFileNode.get(); }
    // The shared pointer that owns this node (empty while Create is still making it).
    CFileSystemNodePtr Self() const { return mSelf.lock(); }
    // Whether the node still hangs from a parent (always true of the root).
    bool IsAttached() const { return !HasParent() || !mParent.expired(); }
    bool IsVisible() const { return mVisible; }

    // Decided by the path: every node but the root "/" has a parent.
    bool HasParent() const { return Depth() > 1; }
    // Throws boost::bad_weak_ptr when the parent is gone.
    CFileSystemNodePtr Parent() const;

    void AttachChild(const CFileSystemNodePtr& child);
    void RemoveChild(const CFileSystemNodePtr& child);
    // Finds the child with this file-system name, whether or not it still exists on disk.
    bool FindChild(const ucstring& name, CFileSystemNodePtr& child) const;
    bool FindChild(ucstring_view name, CFileSystemNodePtr& child) const;

    // The i-th visible child, or empty.
    CFileSystemNodePtr operator[](size_t i) const;
    // All children, visible ones first, or empty.
    CFileSystemNodePtr Child(size_t i) const;
    // Child(i) with the volumes folder left out (it is listed on its own in the full view).
    CFileSystemNodePtr ChildExcludingVolumes(size_t i) const;

    size_t VisibleChildCount() const { return mVisibleChildren.size(); }
    size_t HiddenChildCount() const { return mHiddenChildren.size(); }
    size_t ChildCount() const { return mVisibleChildren.size() + mHiddenChildren.size(); }
    unsigned VisibleDirectoryCount() const { return mVisibleDirectoryCount; }
    unsigned VisibleFileCount() const { return mVisibleFileCount; }
    const ChildList& VisibleChildren() const { return mVisibleChildren; }
    const ChildList& HiddenChildren() const { return mHiddenChildren; }

    unsigned CountDirectories() const;
    size_t CountChildrenExcludingVolumes() const;
    // Files reachable through visible levels, or every file below when includeHidden (except
    // below the volumes folder's hidden children, which stand for whole volumes).
    unsigned CountDescendantFiles(bool includeHidden) const;

    // Moves this node between its parent's two lists; its own children stay where they are.
    void SetVisible(bool visible);
    // Re-paths this node and everything below it under parentPath; nothing is re-sorted.
    void SetParentPath(const QString& parentPath);
    // Renames this node in place among its siblings and re-paths its subtree. When a sibling
    // already has the new path, this node leaves its parent and the sibling stands for it.
    void Rename(const QString& newName);

private:
    void SetParentDescriptor(const CFSDescriptor& parent);
    // The position of the volumes folder among Child(), or -1.
    long VolumesChildIndex() const;
    void CountIn(const CFileSystemNode& child, int delta);

    CFSDescriptor mDescriptor;
    boost::weak_ptr<CFileSystemNode> mSelf;
    std::unique_ptr<FileNode> mFileNode;
    boost::weak_ptr<CFileSystemNode> mParent;
    bool mVisible = false;
    ChildList mHiddenChildren;
    ChildList mVisibleChildren;
    unsigned mVisibleDirectoryCount = 0;
    unsigned mVisibleFileCount = 0;
};
