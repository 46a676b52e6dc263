#include "discovery/FoundPathTree.h"

#include "platform/Logging.h"

#include <QStringList>

namespace {
// "/" counts as a component of its own, as the system's path splitting has it; a path without
// it is taken from the root all the same, so only the named components matter here.
bool SplitPath(const QString& path, QStringList& components)
{
    components = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return !components.isEmpty() || path.startsWith(QLatin1Char('/'));
}
} // namespace

FoundPathTree::FoundPathTree() : mRoot(FoundPathNode::nodeWithName(QString(), nullptr, this))
{
    mRoot->setFlags();
}

FoundPathTree* FoundPathTree::sharedTree()
{
    static FoundPathTree* shared = new FoundPathTree;
    return shared;
}

FoundPathNodePtr FoundPathTree::addPath(const QString& path, bool asDirectory,
                                        NodeList* newAncestors, bool* wasCreated)
{
    if (newAncestors)
        newAncestors->clear();
    QStringList components;
    if (!SplitPath(path, components)) {
        qCInfo(lcDiscovery).noquote() << QStringLiteral("addPath: empty path \"%1\"").arg(path);
        return nullptr;
    }
    if (components.isEmpty()) {
        if (wasCreated)
            *wasCreated = false;
        return mRoot;
    }
    FoundPathNodePtr node = mRoot;
    for (int i = 0; i + 1 < components.size(); ++i) {
        bool created = false;
        node = node->addSubnodeWithName(components[i], &created);
        if (created && newAncestors)
            newAncestors->push_back(node);
    }
    FoundPathNodePtr leaf = node->addSubnodeWithName(components.last(), wasCreated);
    leaf->setIsFile(!asDirectory);
    return leaf;
}

FoundPathNodePtr FoundPathTree::findNodeForPath(const QString& path) const
{
    QStringList components;
    if (!SplitPath(path, components))
        return nullptr;
    FoundPathNodePtr node = mRoot;
    for (const QString& component : components) {
        if (node->isFile())
            qCInfo(lcDiscovery).noquote()
                << QStringLiteral("File node with subnodes found:  %1").arg(node->name());
        node = node->subnodeWithName(component);
        if (!node)
            return nullptr;
    }
    return node;
}

FoundPathNodePtr FoundPathTree::removeNode(const FoundPathNodePtr& node, NodeList* deletedAncestors)
{
    if (!node || !node->parent())
        return nullptr;
    FoundPathNode* current = node->parent();
    current->removeSubnodeWithName(node->name());
    while (current && !current->hasChildren()) {
        if (deletedAncestors)
            deletedAncestors->push_back(current->shared_from_this());
        FoundPathNode* up = current->parent();
        if (up)
            up->removeSubnodeWithName(current->name());
        current = up;
    }
    return node;
}

FoundPathNodePtr FoundPathTree::moveNode(const FoundPathNodePtr& node, const QString& newPath,
                                         NodeList* deletedAncestors, NodeList* newAncestors)
{
    if (!removeNode(node, deletedAncestors))
        return nullptr;
    const int slash = newPath.lastIndexOf(QLatin1Char('/'));
    const QString folderPath = slash <= 0 ? QStringLiteral("/") : newPath.left(slash);
    bool folderCreated = false;
    FoundPathNodePtr folder = addPath(folderPath, true, newAncestors, &folderCreated);
    if (!folder)
        return nullptr;
    if (folderCreated && newAncestors)
        newAncestors->push_back(folder);
    return folder->addSubnode(node);
}

FoundPathNodePtr FoundPathTree::removePath(const QString& path, NodeList* deletedAncestors)
{
    FoundPathNodePtr node = findNodeForPath(path);
    return node ? removeNode(node, deletedAncestors) : nullptr;
}

FoundPathNodePtr FoundPathTree::movePath(const QString& path, const QString& newPath,
                                         NodeList* deletedAncestors, NodeList* newAncestors)
{
    FoundPathNodePtr node = findNodeForPath(path);
    return node ? moveNode(node, newPath, deletedAncestors, newAncestors) : nullptr;
}

QString FoundPathTree::dump() const
{
    QString out;
    mRoot->dumpWithIndent(0, out);
    return out;
}
