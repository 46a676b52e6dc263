#include "hierarchy/CFileHierarchy.h"

#include "platform/Logging.h"
#include "platform/VolumesFolder.h"

#include <QHash>
#include <algorithm>

bool CompareNodeSharedPointer::operator()(const CFileSystemNodePtr& a,
                                          const CFileSystemNodePtr& b) const
{
    if (mHierarchy->TopLevelSortByDepthFirst())
        return CompareSharedPointerDepthFirst()(a, b);
    return CompareSharedPointerNameFirst()(a, b);
}

int CompareNodeSharedPointer::three_way(const CFileSystemNodePtr& a,
                                        const CFileSystemNodePtr& b) const
{
    if (mHierarchy->TopLevelSortByDepthFirst())
        return a->Descriptor().DepthFirstOrder(b->Descriptor());
    return a->Descriptor().NameFirstOrder(b->Descriptor());
}

namespace {

ucstring IndexKey(const CFileSystemNode& folder)
{
    ucstring key = folder.FullPath();
    if (!key.empty() && key.back() == '/')
        key.pop_back();
    return key;
}

// Visits every folder of the subtree. Nodes that hold children are descended into whatever
// their kind: a path added below a file makes the file a parent.
template <class Visit> void ForEachFolder(CFileSystemNode* node, Visit visit)
{
    std::vector<CFileSystemNode*> pending{node};
    while (!pending.empty()) {
        CFileSystemNode* current = pending.back();
        pending.pop_back();
        if (current->IsDirectory())
            visit(current);
        for (const auto* list : {&current->VisibleChildren(), &current->HiddenChildren()}) {
            for (const CFileSystemNodePtr& child : *list) {
                if (child->IsDirectory() || child->ChildCount() != 0)
                    pending.push_back(child.get());
            }
        }
    }
}

} // namespace

CFileHierarchy::CFileHierarchy() : mRootNode(CFileSystemNode::Create()) {}

size_t CFileHierarchy::UcstringHash::operator()(const ucstring& s) const
{
    return qHash(
        QStringView(reinterpret_cast<const char16_t*>(s.data()), static_cast<qsizetype>(s.size())));
}

CFileSystemNodePtr CFileHierarchy::FindFolderByPath(const ucstring& key, unsigned depth) const
{
    const auto it = mFolderIndex.find(key);
    if (it == mFolderIndex.end() || it->second->Depth() != depth)
        return CFileSystemNodePtr();
    return it->second->Self();
}

void CFileHierarchy::IndexSubtree(CFileSystemNode* node)
{
    ForEachFolder(node, [this](CFileSystemNode* folder) {
        if (folder->HasParent())
            mFolderIndex[IndexKey(*folder)] = folder;
    });
}

void CFileHierarchy::UnindexSubtree(CFileSystemNode* node)
{
    ForEachFolder(node, [this](CFileSystemNode* folder) {
        const auto it = mFolderIndex.find(IndexKey(*folder));
        if (it != mFolderIndex.end() && it->second == folder)
            mFolderIndex.erase(it);
    });
}

bool CFileHierarchy::FolderIndexIsExact() const
{
    size_t folders = 0;
    bool exact = true;
    ForEachFolder(mRootNode.get(), [&](CFileSystemNode* folder) {
        if (!folder->HasParent())
            return;
        ++folders;
        const auto it = mFolderIndex.find(IndexKey(*folder));
        exact = exact && it != mFolderIndex.end() && it->second == folder;
    });
    return exact && folders == mFolderIndex.size();
}

void CFileHierarchy::SetTopLevelSortingOrder(int order)
{
    mTopLevelSortByDepthFirst = order == eTopLevelSortByDepthFirst;
}

void CFileHierarchy::AddAlwaysVisibleAncestorDirectory(const QString& path)
{
    mVisibleAncestorDirectories.insert(CFSDescriptor(path));
}

void CFileHierarchy::AddLimitedVisibilityAncestorDirectory(const QString& path)
{
    mLimitedVisibilityDirectories.insert(CFSDescriptor(path));
}

CFileSystemNode* CFileHierarchy::TopLevelNode(size_t i) const
{
    if (i >= mTopLevelNodes.size()) {
        qCWarning(lcHierarchy, "TopLevelNode: out of range");
        return nullptr;
    }
    return mTopLevelNodes[i].get();
}

CFileSystemNodePtr CFileHierarchy::FindVolumesFolder() const
{
    CFileSystemNodePtr volumes;
    FindNodeForPath(VolumesFolderPath() + QLatin1Char('/'), volumes);
    return volumes;
}

namespace {

// True when everything the root holds lies inside the volumes folder: every folder on the
// way down to it has it as its only branch.
bool RootHoldsOnlyVolumes(const CFileSystemNodePtr& volumes)
{
    for (CFileSystemNodePtr n = volumes; n->HasParent();) {
        n = n->Parent();
        if (n->ChildCount() != 1)
            return false;
    }
    return true;
}

} // namespace

size_t CFileHierarchy::VolumeNodeCount() const
{
    if (mRootNode->ChildCount() == 0)
        return 0;
    const CFileSystemNodePtr volumes = FindVolumesFolder();
    if (!volumes)
        return 1;
    return (RootHoldsOnlyVolumes(volumes) ? 0 : 1) + volumes->CountDirectories();
}

CFileSystemNode* CFileHierarchy::VolumeNode(size_t i) const
{
    if (mRootNode->ChildCount() == 0)
        return nullptr;
    const CFileSystemNodePtr volumes = FindVolumesFolder();
    if (!volumes || !RootHoldsOnlyVolumes(volumes)) {
        if (i == 0)
            return mRootNode.get();
        --i;
    }
    if (!volumes)
        return nullptr;
    // The volumes are the folders inside the volumes folder, in Child() order; a stray file
    // there is not one.
    for (size_t k = 0, n = volumes->ChildCount(); k < n; ++k) {
        const CFileSystemNodePtr child = volumes->Child(k);
        if (child->IsDirectory() && i-- == 0)
            return child.get();
    }
    return nullptr;
}

bool CFileHierarchy::FindNodeForPath(const QString& path, CFileSystemNodePtr& node) const
{
    const ucstring_view text(reinterpret_cast<const unsigned short*>(path.utf16()),
                             static_cast<size_t>(path.size()));
    const std::vector<ucstring_view> names = CFSDescriptor::SplitComponentNames(text);
    CFileSystemNodePtr n = mRootNode;
    size_t first = 1;
    if (names.size() >= 3) {
        // Straight to the folder that holds the last component; its path ends where the
        // last name begins, less the "/" in between.
        const size_t end = static_cast<size_t>(names.back().data() - text.data()) - 1;
        if (CFileSystemNodePtr folder = FindFolderByPath(ucstring(text.substr(0, end)),
                                                         static_cast<unsigned>(names.size() - 1))) {
            n = std::move(folder);
            first = names.size() - 1;
        }
    }
    for (size_t i = first; i < names.size(); ++i) {
        CFileSystemNodePtr child;
        if (!n->FindChild(names[i], child))
            return false;
        n = std::move(child);
    }
    node = std::move(n);
    return true;
}

std::vector<CFileSystemNodePtr> CFileHierarchy::GetAncestorsForPath(const QString& path) const
{
    std::vector<CFileSystemNodePtr> ancestors;
    CFileSystemNodePtr n;
    if (!FindNodeForPath(path, n))
        return ancestors;
    for (;;) {
        ancestors.push_back(n);
        if (!n->HasParent())
            break;
        n = n->Parent();
    }
    return ancestors;
}

std::vector<CFileSystemNodePtr>
CFileHierarchy::GetVisibleAncestorsForPath(const QString& path) const
{
    std::vector<CFileSystemNodePtr> ancestors = GetAncestorsForPath(path);
    ancestors.erase(std::remove_if(ancestors.begin(), ancestors.end(),
                                   [](const CFileSystemNodePtr& n) { return !n->IsVisible(); }),
                    ancestors.end());
    return ancestors;
}

bool CFileHierarchy::IsInsideAnAlwaysVisibleDirectory(const CFSDescriptor& descriptor) const
{
    for (const CFSDescriptor& directory : mVisibleAncestorDirectories) {
        if (directory.Depth() > descriptor.Depth())
            break; // ordered by depth first
        if (directory.IsAncestorOfOrEquals(descriptor))
            return true;
    }
    return false;
}

bool CFileHierarchy::IsAlwaysVisibleDirectory(const CFSDescriptor& descriptor) const
{
    return mVisibleAncestorDirectories.count(descriptor) != 0;
}

bool CFileHierarchy::ShouldBeVisible(const CFileSystemNodePtr& node) const
{
    if (!node->IsDirectory())
        return true;
    if (node->VisibleFileCount() > 0)
        return true;
    if (mLimitedVisibilityDirectories.count(node->Descriptor()))
        return false;
    if (IsInsideAnAlwaysVisibleDirectory(node->Descriptor()))
        return true;
    // Two visible branches make a fork; always-visible folders do not count as branches, so
    // a folder holding several of them is passed over.
    if (mVisibleAncestorDirectories.empty())
        return node->VisibleChildCount() >= 2;
    unsigned branches = 0;
    for (const CFileSystemNodePtr& child : node->VisibleChildren()) {
        if (!IsAlwaysVisibleDirectory(child->Descriptor()) && ++branches >= 2)
            return true;
    }
    return false;
}

void CFileHierarchy::AddToTopLevelNodes(const CFileSystemNodePtr& node)
{
    avl_array<CFileSystemNodePtr>::iterator pos;
    if (!mTopLevelNodes.binary_search(node, CompareNodeSharedPointer(this), pos))
        mTopLevelNodes.insert(pos, node);
}

bool CFileHierarchy::RemoveFromTopLevelNodes(const CFileSystemNodePtr& node)
{
    avl_array<CFileSystemNodePtr>::iterator pos;
    if (!mTopLevelNodes.binary_search(node, CompareNodeSharedPointer(this), pos))
        return false;
    mTopLevelNodes.erase(pos);
    return true;
}

void CFileHierarchy::PromoteVisibleChildFolders(const CFileSystemNodePtr& node)
{
    for (const CFileSystemNodePtr& child : node->VisibleChildren()) {
        if (child->IsDirectory())
            AddToTopLevelNodes(child);
    }
}

bool CFileHierarchy::DemoteVisibleChildFolders(const CFileSystemNodePtr& node)
{
    bool removed = false;
    for (const CFileSystemNodePtr& child : node->VisibleChildren()) {
        if (child->IsDirectory() && RemoveFromTopLevelNodes(child))
            removed = true;
    }
    return removed;
}

std::vector<CFileSystemNodePtr>
CFileHierarchy::TakeTopLevelNodesWithin(const CFileSystemNodePtr& node)
{
    std::vector<CFileSystemNodePtr> taken;
    if (mTopLevelNodes.empty())
        return taken;
    if (RemoveFromTopLevelNodes(node))
        taken.push_back(node);
    // Below the node only a visible folder with a hidden parent can be on the list.
    std::vector<CFileSystemNode*> pending{node.get()};
    while (!pending.empty()) {
        CFileSystemNode* parent = pending.back();
        pending.pop_back();
        for (const auto* list : {&parent->VisibleChildren(), &parent->HiddenChildren()}) {
            for (const CFileSystemNodePtr& child : *list) {
                if (child->IsDirectory() && child->IsVisible() && !parent->IsVisible() &&
                    RemoveFromTopLevelNodes(child))
                    taken.push_back(child);
                if (child->ChildCount() != 0)
                    pending.push_back(child.get());
            }
        }
    }
    return taken;
}

bool CFileHierarchy::GetNodeForDescriptor(const CFSDescriptor& descriptor, CFileSystemNodePtr& node,
                                          bool& created, bool knownToExist)
{
    created = false;
    const unsigned depth = descriptor.Depth();
    if (depth < 2) {
        node.reset();
        return true;
    }
    const std::vector<ucstring_view> names = descriptor.ComponentNames();
    CFileSystemNodePtr n = mRootNode;
    unsigned first = 1;
    if (depth >= 3) {
        ucstring key = descriptor.AncestorPath(depth - 2);
        if (!key.empty() && key.back() == '/')
            key.pop_back();
        if (CFileSystemNodePtr folder = FindFolderByPath(key, depth - 1)) {
            n = std::move(folder);
            first = depth - 1;
        }
    }
    for (unsigned i = first; i < depth; ++i) {
        CFileSystemNodePtr child;
        if (!n->FindChild(names[i], child)) {
            // New nodes share their parent's path components rather than keeping a copy.
            if (i == depth - 1) {
                child =
                    CFileSystemNode::Create(CFSDescriptor::Rebased(n->Descriptor(), descriptor));
            } else {
                CFSDescriptor folder = CFSDescriptor::ChildOf(n->Descriptor(), names[i], true);
                if (knownToExist)
                    folder.TakeItemState(folder.FullPathText(), true);
                else
                    folder.ReadItemState();
                child = CFileSystemNode::Create(folder);
            }
            n->AttachChild(child);
            if (child->IsDirectory())
                mFolderIndex[IndexKey(*child)] = child.get();
            created = true;
        }
        n = std::move(child);
    }
    node = std::move(n);
    return true;
}

bool CFileHierarchy::AddFile(const QString& path, FileNodeFlags flags, CFileSystemNodePtr& node,
                             bool& topLevelChanged)
{
    topLevelChanged = false;
    // Only a known kind is checked: flags without "exists" come from callers that did not look.
    const bool known = flags.exists();
    if (known && (flags.isInaccessible() || !flags.isFile() || flags.isSymlink()))
        return false;
    // Most files arrive in a folder that is already in the tree: their descriptor then shares
    // the folder's components, and only the last level is looked at.
    const ucstring_view text(reinterpret_cast<const unsigned short*>(path.utf16()),
                             static_cast<size_t>(path.size()));
    const std::vector<ucstring_view> names = CFSDescriptor::SplitComponentNames(text);
    CFileSystemNodePtr folder;
    if (names.size() >= 3 && !names.back().empty()) {
        const size_t end = static_cast<size_t>(names.back().data() - text.data()) - 1;
        folder = FindFolderByPath(ucstring(text.substr(0, end)), unsigned(names.size() - 1));
    }
    // A known file is not looked at again: the outline takes 50,000 of them on the main thread.
    CFSDescriptor d = CFSDescriptor::InDirectory(folder ? &folder->Descriptor() : nullptr, path,
                                                 names.back(), known);
    if (flags.isPackFolder())
        d.TreatAsFile();
    if (mFilter && !mFilter->Allow(d))
        return false;
    CFileSystemNodePtr n;
    bool created = false;
    if (!folder) {
        GetNodeForDescriptor(d, n, created, known);
    } else if (!folder->FindChild(d.NameView(), n)) {
        n = CFileSystemNode::Create(d);
        folder->AttachChild(n);
        if (n->IsDirectory())
            mFolderIndex[IndexKey(*n)] = n.get();
        created = true;
    }
    if (!created)
        return false;

    // Walk up while visibility changes; above the first folder that keeps its visibility
    // nothing the rule looks at has changed.
    CFileSystemNodePtr stoppedAt = mRootNode;
    for (unsigned step = 0; n && step < d.Depth(); ++step) {
        const bool was = n->IsVisible();
        const bool should = ShouldBeVisible(n);
        if (was == should && n->IsDirectory()) {
            stoppedAt = n;
            break;
        }
        n->SetVisible(should);
        CFileSystemNodePtr parent;
        if (n->HasParent())
            parent = n->Parent();
        if (n->IsDirectory()) {
            if (!should) {
                RemoveFromTopLevelNodes(n);
                topLevelChanged = true;
                PromoteVisibleChildFolders(n);
            } else {
                if (!parent || !parent->IsVisible()) {
                    AddToTopLevelNodes(n);
                    topLevelChanged = true;
                }
                if (DemoteVisibleChildFolders(n))
                    topLevelChanged = true;
            }
        }
        n = std::move(parent);
    }
    node = stoppedAt;
    return true;
}

bool CFileHierarchy::DeleteNode(const QString& path, CFileSystemNodePtr& node,
                                bool& topLevelChanged)
{
    CFileSystemNodePtr victim;
    if (!FindNodeForPath(path, victim))
        return false;
    return DeleteNode(victim, node, topLevelChanged);
}

bool CFileHierarchy::DeleteNode(CFileSystemNodePtr victim, CFileSystemNodePtr& node,
                                bool& topLevelChanged)
{
    if (!victim || !victim->HasParent())
        return false;
    CFileSystemNodePtr cur;
    try {
        cur = victim->Parent();
    } catch (const boost::bad_weak_ptr&) {
        return false; // no longer in the tree
    }
    // Top-level entries inside the subtree go with it, so that the list keeps naming only
    // folders that are in the tree.
    topLevelChanged = !TakeTopLevelNodesWithin(victim).empty();
    UnindexSubtree(victim.get());
    cur->RemoveChild(victim);

    for (;;) {
        if (cur->HasParent() && cur->ChildCount() == 0) {
            // Emptied folders go too, up to the first one that still holds something.
            CFileSystemNodePtr parent = cur->Parent();
            UnindexSubtree(cur.get());
            parent->RemoveChild(cur);
            if (RemoveFromTopLevelNodes(cur))
                topLevelChanged = true;
            cur = std::move(parent);
            continue;
        }
        const bool was = cur->IsVisible();
        const bool should = ShouldBeVisible(cur);
        if (was == should)
            break;
        // A deletion only lowers what the rule counts, so this is a folder being passed over
        // from now on: its visible child folders take its place at the top.
        if (RemoveFromTopLevelNodes(cur))
            topLevelChanged = true;
        cur->SetVisible(should);
        if (should) {
            if (!cur->HasParent() || !cur->Parent()->IsVisible()) {
                AddToTopLevelNodes(cur);
                topLevelChanged = true;
            }
            if (DemoteVisibleChildFolders(cur))
                topLevelChanged = true;
        } else {
            for (const CFileSystemNodePtr& child : cur->VisibleChildren()) {
                if (child->IsDirectory()) {
                    AddToTopLevelNodes(child);
                    topLevelChanged = true;
                }
            }
        }
        if (!cur->HasParent())
            break;
        cur = cur->Parent();
    }
    node = cur;
    return true;
}

bool CFileHierarchy::RenameNode(const QString& oldPath, const QString& newName,
                                CFileSystemNodePtr& node)
{
    if (newName.isEmpty() || newName.contains(QLatin1Char('/')))
        return false;
    CFileSystemNodePtr n;
    if (!FindNodeForPath(oldPath, n))
        return false;
    if (n->HasParent()) {
        // Renamed onto a sibling's path: the sibling stands for it, and the renamed node's
        // subtree leaves the tree the way a deletion would take it.
        CFileSystemNodePtr sibling;
        ucstring name;
        assign(name, newName);
        if (n->Parent()->FindChild(name, sibling) && sibling != n) {
            bool topLevelChanged = false;
            DeleteNode(n, node, topLevelChanged);
            node.reset();
            return true;
        }
    }
    // The renamed subtree's top-level entries change their paths, which may change their
    // places in the list: take them out and put them back.
    const std::vector<CFileSystemNodePtr> topLevel = TakeTopLevelNodesWithin(n);
    UnindexSubtree(n.get());
    n->Rename(newName);
    if (n->IsAttached()) {
        IndexSubtree(n.get());
        for (const CFileSystemNodePtr& entry : topLevel)
            AddToTopLevelNodes(entry);
    }
    if (n->HasParent() && topLevel.empty())
        node = n->Parent();
    else
        node.reset();
    return true;
}

bool CFileHierarchy::MoveNode(const QString& oldPath, const QString& newPath, FileNodeFlags flags,
                              CFileSystemNodePtr& node, bool& topLevelChanged)
{
    // A moved file arrives here; a moved folder is normally turned away by its flags, and its
    // files are brought over one by one below.
    AddFile(newPath, flags, node, topLevelChanged);
    CFileSystemNodePtr old;
    if (!FindNodeForPath(oldPath, old) || !old->HasParent())
        return false;
    // The files below a moved folder keep their paths after the folder's own. Taking the
    // folder itself as the prefix (rather than the folder that held it) also carries them over
    // when the move renamed the folder; for a same-named move it comes to the same.
    ucstring oldPrefix = old->FullPath();
    if (oldPrefix.empty() || oldPrefix.back() != '/')
        oldPrefix.push_back('/');
    ucstring newPrefix;
    assign(newPrefix, newPath);
    if (newPrefix.empty() || newPrefix.back() != '/')
        newPrefix.push_back('/');
    RenameAndAddAllChildrenFromNode(old, oldPrefix, newPrefix);
    DeleteNode(old, node, topLevelChanged);
    node.reset();
    topLevelChanged = true;
    return true;
}

void CFileHierarchy::RenameAndAddAllChildrenFromNode(const CFileSystemNodePtr& node,
                                                     const ucstring& oldPrefix,
                                                     const ucstring& newPrefix)
{
    // A snapshot, so that additions cannot shift the children still to be visited.
    std::vector<CFileSystemNodePtr> children;
    children.reserve(node->ChildCount());
    for (size_t i = 0, n = node->ChildCount(); i < n; ++i)
        children.push_back(node->Child(i));
    for (const CFileSystemNodePtr& child : children) {
        if (child->IsDirectory()) {
            RenameAndAddAllChildrenFromNode(child, oldPrefix, newPrefix);
            continue;
        }
        ucstring path = child->FullPath();
        path.replace(0, std::min(oldPrefix.size(), path.size()), newPrefix);
        QString newPath;
        assign(newPath, path);
        CFileSystemNodePtr ignoredNode;
        bool ignoredTopLevel = false;
        AddFile(newPath, FileNodeFlags{}, ignoredNode, ignoredTopLevel);
    }
}
