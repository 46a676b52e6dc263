#pragma once

#include "discovery/KQueueObserver.h"
#include "discovery/MetadataItem.h"
#include "discovery/SpotlightHierarchyNode.h"
#include "thread/NotificationCenter.h"

#include <QStringList>
#include <QVariantList>
#include <boost/bimap.hpp>
#include <boost/bimap/set_of.hpp>
#include <memory>

class KQueueMonitor;
class KQueueMonitorNotificationHandler;
class MetadataQuery;
class SpotlightHierarchy;
class SpotlightQuery;

class SpotlightQueryImpl : public KQueueObserver
{
public:
    // Each found file's item and its leaf; each watched folder's descriptor and its node. One
    // to one on both sides, shared by every search in the process.
    using MDItemToNodeMap = boost::bimap<boost::bimaps::set_of<MetadataItemPtr>,
                                         boost::bimaps::set_of<SpotlightHierarchyNodePtr>>;
    using FDToNodeMap =
        boost::bimap<boost::bimaps::set_of<int>, boost::bimaps::set_of<SpotlightHierarchyNodePtr>>;
    static MDItemToNodeMap& sharedMDItemToNodeMap();
    static FDToNodeMap& sharedFDToNodeMap();

    explicit SpotlightQueryImpl(SpotlightQuery* owner);
    ~SpotlightQueryImpl() override;

    bool initWithQueryString(const QString& queryString, const QStringList& directories);
    bool run();
    bool isInInitialSearch() const;
    bool hasFoundFilesInPath(const QString& path) const;

    static SpotlightHierarchyNodePtr nodeForMDItem(const MetadataItemPtr& item);
    static MetadataItemPtr mdItemForNode(const SpotlightHierarchyNodePtr& node);
    static SpotlightHierarchyNodePtr nodeForFD(int fd);
    static int fdForNode(const SpotlightHierarchyNodePtr& node);

    // KQueueObserver
    void kQueueChangedItem(int fd) override;
    void kQueueMovedItem(int fd, const QString& newPath) override;
    void kQueueRenamedItem(int fd, const QString& newPath) override;
    void kQueueDeletedItem(int fd) override;

private:
    void processNotification(const QString& name, const QVariantMap& info);
    void addAllMDItems();
    void addMDItems(const MetadataItemList& items);
    void removeMDItems(const MetadataItemList& items);
    void changedMDItems(const MetadataItemList& items);
    void removeNode(const SpotlightHierarchyNodePtr& node);
    void moveNode(const SpotlightHierarchyNodePtr& node, const QString& newPath);
    void renameNode(const SpotlightHierarchyNodePtr& node, const QString& newName);
    void changedNode(const SpotlightHierarchyNodePtr& node);
    void forgetNode(const SpotlightHierarchyNodePtr& node);
    void postNotificationWithIndex(int index, const QStringList* paths, const QStringList* newPaths,
                                   const QVariantList* flags);
    void postNotificationWithIndex(int index, int count);

    SpotlightQuery* mOwner;
    std::shared_ptr<MetadataQuery> mQuery;
    std::unique_ptr<KQueueMonitorNotificationHandler> kqueueMonitorHandler;
    std::shared_ptr<KQueueMonitor> mMonitor;
    SpotlightHierarchy* mRepository = nullptr;
    ScopedObserver mQueryObserver;
};
