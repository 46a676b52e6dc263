#pragma once

#include "discovery/FoundPathNode.h"

#include <QString>
#include <vector>

// The tree of every path the brush-file searches have found; the root stands for "/". Main
// thread only. Misuse is logged and leaves the tree as it was; nothing throws.
class FoundPathTree
{
public:
    using NodeList = std::vector<FoundPathNodePtr>;

    FoundPathTree();
    FoundPathTree(const FoundPathTree&) = delete;
    FoundPathTree& operator=(const FoundPathTree&) = delete;

    // The one tree every search in the process shares; never destroyed.
    static FoundPathTree* sharedTree();

    FoundPathNodePtr getRoot() const { return mRoot; }

    // Returns the leaf, creating every missing folder on the way; newAncestors receives the
    // folders created, top down.
    FoundPathNodePtr addPath(const QString& path, bool asDirectory, NodeList* newAncestors,
                             bool* wasCreated);
    FoundPathNodePtr findNodeForPath(const QString& path) const;
    // Detaches the node with its subtree and drops every folder that it leaves empty.
    FoundPathNodePtr removeNode(const FoundPathNodePtr& node, NodeList* deletedAncestors);
    FoundPathNodePtr moveNode(const FoundPathNodePtr& node, const QString& newPath,
                              NodeList* deletedAncestors, NodeList* newAncestors);
    FoundPathNodePtr removePath(const QString& path, NodeList* deletedAncestors);
    FoundPathNodePtr movePath(const QString& path, const QString& newPath,
                              NodeList* deletedAncestors, NodeList* newAncestors);

    // Every node, one line each; for debugging and tests.
    QString dump() const;

private:
    FoundPathNodePtr mRoot;
};
