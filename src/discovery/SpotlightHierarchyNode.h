#pragma once

#include "discovery/FileNodeFlags.h"

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <vector>

class SpotlightHierarchy;
class SpotlightHierarchyNode;
using SpotlightHierarchyNodePtr = std::shared_ptr<SpotlightHierarchyNode>;

// One path component of the tree of found paths. A parent owns its children; the parent link
// is a plain pointer that the parent clears when it lets a child go.
class SpotlightHierarchyNode : public std::enable_shared_from_this<SpotlightHierarchyNode>
{
public:
    static SpotlightHierarchyNodePtr
    nodeWithName(const QString& name, SpotlightHierarchyNode* parent, SpotlightHierarchy* manager);
    ~SpotlightHierarchyNode();
    SpotlightHierarchyNode(const SpotlightHierarchyNode&) = delete;
    SpotlightHierarchyNode& operator=(const SpotlightHierarchyNode&) = delete;

    const QString& name() const { return mName; }
    SpotlightHierarchyNode* parent() const { return mParent; }
    SpotlightHierarchy* manager() const { return mManager; }
    bool isFile() const { return mIsFile; }
    void setIsFile(bool isFile) { mIsFile = isFile; }
    bool hasChildren() const { return !mSubnodes.empty(); }
    // Children by name, for callers that walk the tree.
    const std::map<QString, SpotlightHierarchyNodePtr>& subnodes() const { return mSubnodes; }

    SpotlightHierarchyNodePtr subnodeWithName(const QString& name) const;
    SpotlightHierarchyNodePtr addSubnode(const SpotlightHierarchyNodePtr& node);
    SpotlightHierarchyNodePtr addSubnodeWithName(const QString& name, bool* wasCreated);
    SpotlightHierarchyNodePtr removeSubnodeWithName(const QString& name);
    void remove();

    void rename(const QString& newName);
    void moveToNewParent(SpotlightHierarchyNode* newParent);

    QString path() const;
    void pathInString(QString& out) const;
    void getAllSubdirectories(std::vector<SpotlightHierarchyNodePtr>* directories,
                              std::vector<SpotlightHierarchyNodePtr>* files) const;

    void setFlags();
    FileNodeFlags getFlags() const;

    // Equal names make equal nodes; a node also equals a string holding its name.
    bool operator==(const SpotlightHierarchyNode& other) const { return mName == other.mName; }
    bool operator==(const QString& name) const { return mName == name; }
    bool isEqualTo(const QVariant& other) const;
    size_t hash() const;

    void dumpWithIndent(int level, QString& out) const;

private:
    SpotlightHierarchyNode(const QString& name, SpotlightHierarchyNode* parent,
                           SpotlightHierarchy* manager);

    QString mName;
    SpotlightHierarchyNode* mParent;
    std::map<QString, SpotlightHierarchyNodePtr> mSubnodes;
    bool mIsFile = false;
    FileNodeFlags mFlags;
    SpotlightHierarchy* mManager;
};

Q_DECLARE_METATYPE(SpotlightHierarchyNodePtr)
