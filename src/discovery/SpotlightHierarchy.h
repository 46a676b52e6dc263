#pragma once

#include "discovery/SpotlightHierarchyNode.h"

#include <QString>
#include <vector>

// The tree of every path the brush-file searches have found; the root stands for "/". Main
// thread only. Misuse is logged and leaves the tree as it was; nothing throws.
class SpotlightHierarchy
{
public:
    using NodeList = std::vector<SpotlightHierarchyNodePtr>;

    SpotlightHierarchy();
    SpotlightHierarchy(const SpotlightHierarchy&) = delete;
    SpotlightHierarchy& operator=(const SpotlightHierarchy&) = delete;

    // The one tree every search in the process shares; never destroyed.
    static SpotlightHierarchy* sharedSpotlightHierarchy();

    SpotlightHierarchyNodePtr getRoot() const { return mRoot; }

    // Returns the leaf, creating every missing folder on the way; newAncestors receives the
    // folders created, top down.
    SpotlightHierarchyNodePtr addPath(const QString& path, bool asDirectory, NodeList* newAncestors,
                                      bool* wasCreated);
    SpotlightHierarchyNodePtr findNodeForPath(const QString& path) const;
    // Detaches the node with its subtree and drops every folder that it leaves empty.
    SpotlightHierarchyNodePtr removeNode(const SpotlightHierarchyNodePtr& node,
                                         NodeList* deletedAncestors);
    SpotlightHierarchyNodePtr moveNode(const SpotlightHierarchyNodePtr& node,
                                       const QString& newPath, NodeList* deletedAncestors,
                                       NodeList* newAncestors);
    SpotlightHierarchyNodePtr removePath(const QString& path, NodeList* deletedAncestors);
    SpotlightHierarchyNodePtr movePath(const QString& path, const QString& newPath,
                                       NodeList* deletedAncestors, NodeList* newAncestors);

    // Every node, one line each; for debugging and tests.
    QString dump() const;

private:
    SpotlightHierarchyNodePtr mRoot;
};
