#include "discovery/FoundPathNode.h"

#include "discovery/AlwaysVisibleFolders.h"
#include "platform/Logging.h"
#include "platform/MountPoints.h"
#include "platform/NativePath.h"
#include "platform/VolumesFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

namespace {
// A node that leaves the tree stays alive until the current event has been handled, so the
// code that removed it can still read its name and path and hand it on.
void ReleaseAfterCurrentEvent(FoundPathNodePtr node)
{
    static std::vector<FoundPathNodePtr> pending;
    static bool scheduled = false;
    pending.push_back(std::move(node));
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        pending.clear();
        return;
    }
    if (scheduled)
        return;
    scheduled = true;
    QMetaObject::invokeMethod(
        app,
        [] {
            scheduled = false;
            // Releasing may free whole subtrees; take the list first so nothing re-enters it.
            std::vector<FoundPathNodePtr> release;
            release.swap(pending);
        },
        Qt::QueuedConnection);
}
} // namespace

FoundPathNodePtr FoundPathNode::nodeWithName(const QString& name, FoundPathNode* parent,
                                             FoundPathTree* manager)
{
    return FoundPathNodePtr(new FoundPathNode(name, parent, manager));
}

FoundPathNode::FoundPathNode(const QString& name, FoundPathNode* parent, FoundPathTree* manager)
    : mName(name.isNull() ? QString(QLatin1String("")) : name), mParent(parent), mManager(manager)
{}

FoundPathNode::~FoundPathNode()
{
    // A child may outlive us when someone else still holds it; it must not point back here.
    for (auto& entry : mSubnodes)
        if (entry.second->mParent == this)
            entry.second->mParent = nullptr;
}

FoundPathNodePtr FoundPathNode::subnodeWithName(const QString& name) const
{
    const auto it = mSubnodes.find(name);
    return it == mSubnodes.end() ? nullptr : it->second;
}

FoundPathNodePtr FoundPathNode::addSubnode(const FoundPathNodePtr& node)
{
    if (!node)
        return nullptr;
    if (mIsFile)
        qCInfo(lcDiscovery).noquote()
            << QStringLiteral("Attemptimg to move \"%1\" into file \"%2\"").arg(node->mName, mName);
    if (mSubnodes.count(node->mName)) {
        qCInfo(lcDiscovery, "Duplicate node attempted");
        return nullptr;
    }
    mSubnodes.emplace(node->mName, node);
    node->mParent = this;
    node->setFlags();
    return node;
}

FoundPathNodePtr FoundPathNode::addSubnodeWithName(const QString& name, bool* wasCreated)
{
    if (FoundPathNodePtr existing = subnodeWithName(name)) {
        if (wasCreated)
            *wasCreated = false;
        return existing;
    }
    FoundPathNodePtr node = nodeWithName(name, this, mManager);
    addSubnode(node);
    if (wasCreated)
        *wasCreated = true;
    return node;
}

FoundPathNodePtr FoundPathNode::removeSubnodeWithName(const QString& name)
{
    const auto it = mSubnodes.find(name);
    if (it == mSubnodes.end())
        return nullptr;
    FoundPathNodePtr node = it->second;
    ReleaseAfterCurrentEvent(node);
    mSubnodes.erase(it);
    node->mParent = nullptr;
    return node;
}

void FoundPathNode::remove()
{
    if (mParent)
        mParent->removeSubnodeWithName(mName);
}

void FoundPathNode::rename(const QString& newName)
{
    if (!mParent) {
        qCInfo(lcDiscovery, "Can't rename root node");
        return;
    }
    FoundPathNode* parent = mParent;
    FoundPathNodePtr self = parent->removeSubnodeWithName(mName);
    if (!self)
        self = shared_from_this();
    mName = newName.isNull() ? QString(QLatin1String("")) : newName;
    parent->addSubnode(self);
}

void FoundPathNode::moveToNewParent(FoundPathNode* newParent)
{
    if (!mParent) {
        qCInfo(lcDiscovery, "Can't move root node");
        return;
    }
    FoundPathNodePtr self = mParent->removeSubnodeWithName(mName);
    if (!self)
        self = shared_from_this();
    if (newParent) {
        newParent->addSubnode(self);
        mParent = newParent;
    }
}

QString FoundPathNode::path() const
{
    QString out;
    pathInString(out);
    return out;
}

void FoundPathNode::pathInString(QString& out) const
{
    if (!mParent) {
        out.append(mName.isEmpty() ? QStringLiteral("/") : mName);
        return;
    }
    mParent->pathInString(out);
    if (out != QLatin1String("/"))
        out.append(QLatin1Char('/'));
    out.append(mName);
}

void FoundPathNode::getAllSubdirectories(std::vector<FoundPathNodePtr>* directories,
                                         std::vector<FoundPathNodePtr>* files) const
{
    for (const auto& entry : mSubnodes) {
        const FoundPathNodePtr& child = entry.second;
        if (child->mIsFile) {
            if (files)
                files->push_back(child);
        } else if (directories) {
            directories->push_back(child);
        }
        child->getAllSubdirectories(directories, files);
    }
}

void FoundPathNode::setFlags()
{
    if (mFlags.exists())
        return;
    const QString nodePath = path();
    struct stat st;
    if (lstat(PathToNative(nodePath).constData(), &st) != 0)
        return;
    const bool isLink = S_ISLNK(st.st_mode);
    const bool isDirectory = S_ISDIR(st.st_mode);
    const bool mountPoint = isDirectory && IsMountPoint(nodePath);
    mFlags.set(FileNodeFlags::eExists, true);
    mFlags.set(FileNodeFlags::eIsVisible,
               mName.isEmpty() || !mName.startsWith(QLatin1Char('.')) ||
                   AlwaysVisibleFolders::isOnWayToAlwaysVisible(nodePath));
    mFlags.set(FileNodeFlags::eIsFile, !isDirectory);
    mFlags.set(FileNodeFlags::eIsSymlink, isLink);
    // Linux has no folders that show as a single file.
    mFlags.set(FileNodeFlags::eIsPackFolder, false);
    mFlags.set(FileNodeFlags::eIsMountPoint, mountPoint);
    mFlags.set(FileNodeFlags::eIsVolumesFolder,
               mParent != nullptr && nodePath == VolumesFolderPath());
}

FileNodeFlags FoundPathNode::getFlags() const
{
    FileNodeFlags result = mFlags;
    bool inaccessible = false;
    for (const FoundPathNode* node = this;; node = node->mParent) {
        if (!node->mFlags.isVisible() && !node->mFlags.isVolumesFolder()) {
            inaccessible = true;
            break;
        }
        if (!node->mParent) {
            inaccessible = mFlags.isInaccessible();
            break;
        }
        if (node->mParent->mFlags.isPackFolder()) {
            inaccessible = true;
            break;
        }
    }
    if (mFlags.isVolumesFolder())
        inaccessible = true;
    if (mFlags.isPackFolder() && mFlags.isVisible())
        inaccessible = false;
    result.set(FileNodeFlags::eIsInaccessible, inaccessible);
    return result;
}

bool FoundPathNode::isEqualTo(const QVariant& other) const
{
    if (other.metaType() == QMetaType::fromType<QString>())
        return mName == other.toString();
    if (other.metaType() == QMetaType::fromType<FoundPathNodePtr>()) {
        const auto node = other.value<FoundPathNodePtr>();
        return node && node->mName == mName;
    }
    qCInfo(lcDiscovery, "FoundPathNode wrong class");
    return false;
}

size_t FoundPathNode::hash() const
{
    return qHash(mName);
}

void FoundPathNode::dumpWithIndent(int level, QString& out) const
{
    out += QString(std::max(1, 4 * level), QLatin1Char(' '));
    out += mIsFile ? QStringLiteral("* ") : QStringLiteral(" ");
    out += path();
    out += QLatin1Char('\n');
    for (const auto& entry : mSubnodes)
        entry.second->dumpWithIndent(level + 1, out);
}
