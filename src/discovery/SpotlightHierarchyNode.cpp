#include "discovery/SpotlightHierarchyNode.h"

#include "discovery/AlwaysVisibleFolders.h"
#include "platform/Logging.h"
#include "platform/MountPoints.h"
#include "platform/VolumesFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

namespace {
// A node that leaves the tree stays alive until the current event has been handled, so the
// code that removed it can still read its name and path and hand it on.
void ReleaseAfterCurrentEvent(SpotlightHierarchyNodePtr node)
{
    static std::vector<SpotlightHierarchyNodePtr> pending;
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
            std::vector<SpotlightHierarchyNodePtr> release;
            release.swap(pending);
        },
        Qt::QueuedConnection);
}
} // namespace

SpotlightHierarchyNodePtr SpotlightHierarchyNode::nodeWithName(const QString& name,
                                                               SpotlightHierarchyNode* parent,
                                                               SpotlightHierarchy* manager)
{
    return SpotlightHierarchyNodePtr(new SpotlightHierarchyNode(name, parent, manager));
}

SpotlightHierarchyNode::SpotlightHierarchyNode(const QString& name, SpotlightHierarchyNode* parent,
                                               SpotlightHierarchy* manager)
    : mName(name.isNull() ? QString(QLatin1String("")) : name), mParent(parent), mManager(manager)
{}

SpotlightHierarchyNode::~SpotlightHierarchyNode()
{
    // A child may outlive us when someone else still holds it; it must not point back here.
    for (auto& entry : mSubnodes)
        if (entry.second->mParent == this)
            entry.second->mParent = nullptr;
}

SpotlightHierarchyNodePtr SpotlightHierarchyNode::subnodeWithName(const QString& name) const
{
    const auto it = mSubnodes.find(name);
    return it == mSubnodes.end() ? nullptr : it->second;
}

SpotlightHierarchyNodePtr SpotlightHierarchyNode::addSubnode(const SpotlightHierarchyNodePtr& node)
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

SpotlightHierarchyNodePtr SpotlightHierarchyNode::addSubnodeWithName(const QString& name,
                                                                     bool* wasCreated)
{
    if (SpotlightHierarchyNodePtr existing = subnodeWithName(name)) {
        if (wasCreated)
            *wasCreated = false;
        return existing;
    }
    SpotlightHierarchyNodePtr node = nodeWithName(name, this, mManager);
    addSubnode(node);
    if (wasCreated)
        *wasCreated = true;
    return node;
}

SpotlightHierarchyNodePtr SpotlightHierarchyNode::removeSubnodeWithName(const QString& name)
{
    const auto it = mSubnodes.find(name);
    if (it == mSubnodes.end())
        return nullptr;
    SpotlightHierarchyNodePtr node = it->second;
    ReleaseAfterCurrentEvent(node);
    mSubnodes.erase(it);
    node->mParent = nullptr;
    return node;
}

void SpotlightHierarchyNode::remove()
{
    if (mParent)
        mParent->removeSubnodeWithName(mName);
}

void SpotlightHierarchyNode::rename(const QString& newName)
{
    if (!mParent) {
        qCInfo(lcDiscovery, "Can't rename root node");
        return;
    }
    SpotlightHierarchyNode* parent = mParent;
    SpotlightHierarchyNodePtr self = parent->removeSubnodeWithName(mName);
    if (!self)
        self = shared_from_this();
    mName = newName.isNull() ? QString(QLatin1String("")) : newName;
    parent->addSubnode(self);
}

void SpotlightHierarchyNode::moveToNewParent(SpotlightHierarchyNode* newParent)
{
    if (!mParent) {
        qCInfo(lcDiscovery, "Can't move root node");
        return;
    }
    SpotlightHierarchyNodePtr self = mParent->removeSubnodeWithName(mName);
    if (!self)
        self = shared_from_this();
    if (newParent) {
        newParent->addSubnode(self);
        mParent = newParent;
    }
}

QString SpotlightHierarchyNode::path() const
{
    QString out;
    pathInString(out);
    return out;
}

void SpotlightHierarchyNode::pathInString(QString& out) const
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

void SpotlightHierarchyNode::getAllSubdirectories(
    std::vector<SpotlightHierarchyNodePtr>* directories,
    std::vector<SpotlightHierarchyNodePtr>* files) const
{
    for (const auto& entry : mSubnodes) {
        const SpotlightHierarchyNodePtr& child = entry.second;
        if (child->mIsFile) {
            if (files)
                files->push_back(child);
        } else if (directories) {
            directories->push_back(child);
        }
        child->getAllSubdirectories(directories, files);
    }
}

void SpotlightHierarchyNode::setFlags()
{
    if (mFlags.exists())
        return;
    const QString nodePath = path();
    struct stat st;
    if (lstat(QFile::encodeName(nodePath).constData(), &st) != 0)
        return;
    const bool isLink = S_ISLNK(st.st_mode);
    const bool isDirectory = S_ISDIR(st.st_mode);
    const bool isVolume = isDirectory && IsMountPoint(nodePath);
    mFlags.set(FileNodeFlags::eExists, true);
    mFlags.set(FileNodeFlags::eIsVisible,
               mName.isEmpty() || !mName.startsWith(QLatin1Char('.')) ||
                   AlwaysVisibleFolders::isOnWayToAlwaysVisible(nodePath));
    mFlags.set(FileNodeFlags::eIsFile, !isDirectory);
    mFlags.set(FileNodeFlags::eIsAlias, isLink);
    // Linux has no folders that show as a single file.
    mFlags.set(FileNodeFlags::eIsPackage, false);
    mFlags.set(FileNodeFlags::eIsVolume, isVolume);
    mFlags.set(FileNodeFlags::eIsVolumesFolder,
               mParent != nullptr && nodePath == VolumesFolderPath());
}

FileNodeFlags SpotlightHierarchyNode::getFlags() const
{
    FileNodeFlags result = mFlags;
    bool inaccessible = false;
    for (const SpotlightHierarchyNode* node = this;; node = node->mParent) {
        if (!node->mFlags.isVisible() && !node->mFlags.isVolumesFolder()) {
            inaccessible = true;
            break;
        }
        if (!node->mParent) {
            inaccessible = mFlags.isInaccessible();
            break;
        }
        if (node->mParent->mFlags.isPackage()) {
            inaccessible = true;
            break;
        }
    }
    if (mFlags.isVolumesFolder())
        inaccessible = true;
    if (mFlags.isPackage() && mFlags.isVisible())
        inaccessible = false;
    result.set(FileNodeFlags::eIsInaccessible, inaccessible);
    return result;
}

bool SpotlightHierarchyNode::isEqualTo(const QVariant& other) const
{
    if (other.metaType() == QMetaType::fromType<QString>())
        return mName == other.toString();
    if (other.metaType() == QMetaType::fromType<SpotlightHierarchyNodePtr>()) {
        const auto node = other.value<SpotlightHierarchyNodePtr>();
        return node && node->mName == mName;
    }
    qCInfo(lcDiscovery, "SpotlightHierarchyNode wrong class");
    return false;
}

size_t SpotlightHierarchyNode::hash() const
{
    return qHash(mName);
}

void SpotlightHierarchyNode::dumpWithIndent(int level, QString& out) const
{
    out += QString(std::max(1, 4 * level), QLatin1Char(' '));
    out += mIsFile ? QStringLiteral("* ") : QStringLiteral(" ");
    out += path();
    out += QLatin1Char('\n');
    for (const auto& entry : mSubnodes)
        entry.second->dumpWithIndent(level + 1, out);
}
