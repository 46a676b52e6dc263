#pragma once

#include "discovery/FolderMonitorObserver.h"
#include "discovery/FoundPathNode.h"
#include "discovery/IndexedFile.h"
#include "thread/NotificationCenter.h"

#include <QStringList>
#include <QVariantList>
#include <boost/bimap.hpp>
#include <boost/bimap/set_of.hpp>
#include <memory>

class FolderMonitor;
class FolderMonitorConnection;
class FileIndex;
class FoundPathTree;
class BrushFileSearch;

class BrushFileSearchImpl : public FolderMonitorObserver
{
public:
    // Each found file's item and its leaf; each watched folder's descriptor and its node. One
    // to one on both sides, shared by every search in the process.
    using MDItemToNodeMap = boost::bimap<boost::bimaps::set_of<IndexedFilePtr>,
                                         boost::bimaps::set_of<FoundPathNodePtr>>;
    using FDToNodeMap =
        boost::bimap<boost::bimaps::set_of<int>, boost::bimaps::set_of<FoundPathNodePtr>>;
    static MDItemToNodeMap& sharedMDItemToNodeMap();
    static FDToNodeMap& sharedFDToNodeMap();

    explicit BrushFileSearchImpl(BrushFileSearch* owner);
    ~BrushFileSearchImpl() override;

    bool initWithQueryString(const QString& queryString, const QStringList& directories);
    bool run();
    bool isInInitialSearch() const;
    bool hasFoundFilesInPath(const QString& path) const;

    static FoundPathNodePtr nodeForMDItem(const IndexedFilePtr& item);
    static IndexedFilePtr mdItemForNode(const FoundPathNodePtr& node);
    static FoundPathNodePtr nodeForFD(int fd);
    static int fdForNode(const FoundPathNodePtr& node);

    // FolderMonitorObserver
    void folderChanged(int fd) override;
    void folderMoved(int fd, const QString& newPath) override;
    void folderRenamed(int fd, const QString& newPath) override;
    void folderDeleted(int fd) override;

private:
    void processNotification(const QString& name, const QVariantMap& info);
    void addAllMDItems();
    void addMDItems(const IndexedFileList& items);
    void removeMDItems(const IndexedFileList& items);
    void changedMDItems(const IndexedFileList& items);
    void removeNode(const FoundPathNodePtr& node);
    void moveNode(const FoundPathNodePtr& node, const QString& newPath);
    void renameNode(const FoundPathNodePtr& node, const QString& newName);
    void changedNode(const FoundPathNodePtr& node);
    void forgetNode(const FoundPathNodePtr& node);
    void postNotificationWithIndex(int index, const QStringList* paths, const QStringList* newPaths,
                                   const QVariantList* flags);
    void postNotificationWithIndex(int index, int count);

    BrushFileSearch* mOwner;
    std::shared_ptr<FileIndex> mQuery;
    std::unique_ptr<FolderMonitorConnection> kqueueMonitorHandler;
    std::shared_ptr<FolderMonitor> mMonitor;
    FoundPathTree* mRepository = nullptr;
    ScopedObserver mQueryObserver;
};
