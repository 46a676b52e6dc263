#include "hierarchy/CFileSystemNode.h"

#include "platform/VolumesFolder.h"

#include <boost/make_shared.hpp>

bool CompareSharedPointerNameFirst::operator()(const CFileSystemNodePtr& a,
                                               const CFileSystemNodePtr& b) const
{
    return a->Descriptor().compareByNameFirst(b->Descriptor());
}

bool CompareSharedPointerNameFirst::operator()(const CFSDescriptor& a,
                                               const CFileSystemNodePtr& b) const
{
    return a.compareByNameFirst(b->Descriptor());
}

bool CompareSharedPointerNameFirst::operator()(const CFileSystemNodePtr& a,
                                               const CFSDescriptor& b) const
{
    return a->Descriptor().compareByNameFirst(b);
}

int CompareSharedPointerNameFirst::three_way(const CFileSystemNodePtr& a,
                                             const CFileSystemNodePtr& b) const
{
    return a->Descriptor().NameFirstOrder(b->Descriptor());
}

int CompareSharedPointerNameFirst::three_way(const CFSDescriptor& a,
                                             const CFileSystemNodePtr& b) const
{
    return a.NameFirstOrder(b->Descriptor());
}

int CompareSharedPointerDepthFirst::three_way(const CFileSystemNodePtr& a,
                                              const CFileSystemNodePtr& b) const
{
    return a->Descriptor().DepthFirstOrder(b->Descriptor());
}

bool CompareChildByName::operator()(const ChildNameProbe& probe,
                                    const CFileSystemNodePtr& node) const
{
    return three_way(probe, node) < 0;
}

bool CompareChildByName::operator()(const CFileSystemNodePtr& node,
                                    const ChildNameProbe& probe) const
{
    return node->Descriptor().CompareWithChildOf(probe.directory, probe.name) < 0;
}

int CompareChildByName::three_way(const ChildNameProbe& probe, const CFileSystemNodePtr& node) const
{
    return -node->Descriptor().CompareWithChildOf(probe.directory, probe.name);
}

bool CompareSharedPointerDepthFirst::operator()(const CFileSystemNodePtr& a,
                                                const CFileSystemNodePtr& b) const
{
    return a->Descriptor() < b->Descriptor();
}

CFileSystemNodePtr CFileSystemNode::Create(const CFSDescriptor& descriptor)
{
    CFileSystemNodePtr node = boost::make_shared<CFileSystemNode>(descriptor);
    node->mSelf = node;
    return node;
}

CFileSystemNodePtr CFileSystemNode::Create()
{
    return Create(CFSDescriptor());
}

CFileSystemNode::CFileSystemNode(const CFSDescriptor& descriptor)
    : mDescriptor(descriptor), mFileNode(std::make_unique<FileNode>(this))
{}

CFileSystemNode::~CFileSystemNode() = default;

CFileSystemNodePtr CFileSystemNode::Parent() const
{
    return CFileSystemNodePtr(mParent);
}

void CFileSystemNode::CountIn(const CFileSystemNode& child, int delta)
{
    if (child.IsDirectory())
        mVisibleDirectoryCount += delta;
    else
        mVisibleFileCount += delta;
}

void CFileSystemNode::AttachChild(const CFileSystemNodePtr& child)
{
    ChildList& list = child->mVisible ? mVisibleChildren : mHiddenChildren;
    ChildList::iterator pos;
    if (!list.binary_search(child, CompareSharedPointerNameFirst(), pos)) {
        list.insert(pos, child);
        if (child->mVisible)
            CountIn(*child, +1);
    }
    child->mParent = mSelf;
}

void CFileSystemNode::RemoveChild(const CFileSystemNodePtr& childRef)
{
    // The caller's pointer may be the very list entry that is about to be erased.
    const CFileSystemNodePtr child = childRef;
    ChildList& list = child->mVisible ? mVisibleChildren : mHiddenChildren;
    ChildList::iterator pos;
    if (!list.binary_search(child, CompareSharedPointerNameFirst(), pos))
        return;
    child->mParent.reset();
    list.erase(pos);
    if (&list == &mVisibleChildren)
        CountIn(*child, -1);
}

bool CFileSystemNode::FindChild(const ucstring& name, CFileSystemNodePtr& child) const
{
    return FindChild(ucstring_view(name), child);
}

bool CFileSystemNode::FindChild(ucstring_view name, CFileSystemNodePtr& child) const
{
    // The probe is not looked up on disk: shown names are file names here, so a probe with
    // or without one sorts the same against every sibling.
    const ChildNameProbe probe{mDescriptor, name};
    ChildList::const_iterator pos;
    if (mHiddenChildren.binary_search(probe, CompareChildByName(), pos) ||
        mVisibleChildren.binary_search(probe, CompareChildByName(), pos)) {
        child = *pos;
        return true;
    }
    return false;
}

CFileSystemNodePtr CFileSystemNode::operator[](size_t i) const
{
    if (i >= mVisibleChildren.size())
        return CFileSystemNodePtr();
    return mVisibleChildren[i];
}

CFileSystemNodePtr CFileSystemNode::Child(size_t i) const
{
    const size_t visible = mVisibleChildren.size();
    if (i < visible)
        return mVisibleChildren[i];
    if (i - visible < mHiddenChildren.size())
        return mHiddenChildren[i - visible];
    return CFileSystemNodePtr();
}

long CFileSystemNode::VolumesChildIndex() const
{
    const CFSDescriptor volumes = CFSDescriptor::ComponentsOnly(VolumesFolderPath());
    if (volumes.Depth() != Depth() + 1 || !mDescriptor.IsAncestorOf(volumes))
        return -1;
    ChildList::const_iterator pos;
    if (mVisibleChildren.binary_search(volumes, CompareSharedPointerNameFirst(), pos)) {
        if ((*pos)->IsVolumeDirectory())
            return static_cast<long>(mVisibleChildren.index_of(pos));
    } else if (mHiddenChildren.binary_search(volumes, CompareSharedPointerNameFirst(), pos)) {
        if ((*pos)->IsVolumeDirectory())
            return static_cast<long>(mVisibleChildren.size() + mHiddenChildren.index_of(pos));
    }
    return -1;
}

CFileSystemNodePtr CFileSystemNode::ChildExcludingVolumes(size_t i) const
{
    try {
        const long volumes = VolumesChildIndex();
        if (volumes >= 0 && i >= static_cast<size_t>(volumes))
            ++i;
        return Child(i);
    } catch (...) {
        return CFileSystemNodePtr();
    }
}

unsigned CFileSystemNode::CountDirectories() const
{
    if (!IsDirectory())
        return 0;
    unsigned count = mVisibleDirectoryCount;
    for (const CFileSystemNodePtr& child : mHiddenChildren)
        count += child->IsDirectory() ? 1 : 0;
    return count;
}

size_t CFileSystemNode::CountChildrenExcludingVolumes() const
{
    if (!IsDirectory())
        return 0;
    return ChildCount() - (VolumesChildIndex() >= 0 ? 1 : 0);
}

unsigned CFileSystemNode::CountDescendantFiles(bool includeHidden) const
{
    if (!IsDirectory())
        return 1;
    unsigned count = 0;
    for (const CFileSystemNodePtr& child : mVisibleChildren)
        count += child->CountDescendantFiles(includeHidden);
    if (includeHidden && !IsVolumeDirectory()) {
        for (const CFileSystemNodePtr& child : mHiddenChildren)
            count += child->CountDescendantFiles(true);
    }
    return count;
}

void CFileSystemNode::SetVisible(bool visible)
{
    mVisible = visible;
    if (Depth() < 2)
        return;
    const CFileSystemNodePtr parent = Parent();
    const CFileSystemNodePtr self(mSelf);
    ChildList& to = visible ? parent->mVisibleChildren : parent->mHiddenChildren;
    ChildList& from = visible ? parent->mHiddenChildren : parent->mVisibleChildren;
    ChildList::iterator pos;
    if (!to.binary_search(self, CompareSharedPointerNameFirst(), pos)) {
        to.insert(pos, self);
        if (visible)
            parent->CountIn(*this, +1);
    }
    if (from.binary_search(self, CompareSharedPointerNameFirst(), pos)) {
        from.erase(pos);
        if (!visible)
            parent->CountIn(*this, -1);
    }
}

void CFileSystemNode::SetParentPath(const QString& parentPath)
{
    mDescriptor.ResetPath(parentPath, mDescriptor.SystemName());
    for (const CFileSystemNodePtr& child : mHiddenChildren)
        child->SetParentDescriptor(mDescriptor);
    for (const CFileSystemNodePtr& child : mVisibleChildren)
        child->SetParentDescriptor(mDescriptor);
}

// SetParentPath(parent.FullPathText()) without spelling the path out: the new descriptor
// shares the parent's components.
void CFileSystemNode::SetParentDescriptor(const CFSDescriptor& parent)
{
    mDescriptor.ResetParent(parent);
    for (const CFileSystemNodePtr& child : mHiddenChildren)
        child->SetParentDescriptor(mDescriptor);
    for (const CFileSystemNodePtr& child : mVisibleChildren)
        child->SetParentDescriptor(mDescriptor);
}

void CFileSystemNode::Rename(const QString& newName)
{
    if (Depth() < 2) {
        mDescriptor.Rename(newName);
        return;
    }
    const CFileSystemNodePtr parent = Parent();
    ChildList* list = &parent->mHiddenChildren;
    ChildList::iterator pos;
    if (!list->binary_search(mDescriptor, CompareSharedPointerNameFirst(), pos)) {
        list = &parent->mVisibleChildren;
        if (!list->binary_search(mDescriptor, CompareSharedPointerNameFirst(), pos))
            return;
    }
    const CFileSystemNodePtr self = *pos;
    list->erase(pos);
    mDescriptor.Rename(newName);
    if (!list->binary_search(self, CompareSharedPointerNameFirst(), pos)) {
        list->insert(pos, self);
    } else {
        // A sibling already has the new path and stands for it; this node has left the tree.
        if (list == &parent->mVisibleChildren)
            parent->CountIn(*this, -1);
        mParent.reset();
    }
    for (const CFileSystemNodePtr& child : mHiddenChildren)
        child->SetParentDescriptor(mDescriptor);
    for (const CFileSystemNodePtr& child : mVisibleChildren)
        child->SetParentDescriptor(mDescriptor);
}
