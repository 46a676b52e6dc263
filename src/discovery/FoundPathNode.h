#pragma once

#include "platform/FileNodeFlags.h"

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <vector>

class FoundPathTree;
class FoundPathNode;
using FoundPathNodePtr = std::shared_ptr<FoundPathNode>;

// One path component of the tree of found paths. A parent owns its children; the parent link
// is a plain pointer that the parent clears when it lets a child go.
class FoundPathNode : public std::enable_shared_from_this<FoundPathNode>
{
public:
    static FoundPathNodePtr nodeWithName(const QString& name, FoundPathNode* parent,
                                         FoundPathTree* manager);
    ~FoundPathNode();
    FoundPathNode(const FoundPathNode&) = delete;
    FoundPathNode& operator=(const FoundPathNode&) = delete;

    const QString& name() const { return mName; }
    FoundPathNode* parent() const { return mParent; }
    bool isFile() const { return mIsFile; }
    void setIsFile(bool isFile) { mIsFile = isFile; }
    bool hasChildren() const { return !mSubnodes.empty(); }

    FoundPathNodePtr subnodeWithName(const QString& name) const;
    FoundPathNodePtr addSubnode(const FoundPathNodePtr& node);
    FoundPathNodePtr addSubnodeWithName(const QString& name, bool* wasCreated);
    FoundPathNodePtr removeSubnodeWithName(const QString& name);
    void remove();

    void rename(const QString& newName);
    void moveToNewParent(FoundPathNode* newParent);

    QString path() const;
    void pathInString(QString& out) const;
    void getAllSubdirectories(std::vector<FoundPathNodePtr>* directories,
                              std::vector<FoundPathNodePtr>* files) const;

    void setFlags();
    FileNodeFlags getFlags() const;

    // Equal names make equal nodes; a node also equals a string holding its name.
    bool operator==(const FoundPathNode& other) const { return mName == other.mName; }
    bool operator==(const QString& name) const { return mName == name; }
    bool isEqualTo(const QVariant& other) const;
    size_t hash() const;

    void dumpWithIndent(int level, QString& out) const;

private:
    FoundPathNode(const QString& name, FoundPathNode* parent, FoundPathTree* manager);

    QString mName;
    FoundPathNode* mParent;
    std::map<QString, FoundPathNodePtr> mSubnodes;
    bool mIsFile = false;
    FileNodeFlags mFlags;
    FoundPathTree* mManager;
};

Q_DECLARE_METATYPE(FoundPathNodePtr)
