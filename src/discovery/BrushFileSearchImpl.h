#pragma once

#include "discovery/BrushFileSearch.h"
#include "discovery/FoundPathNode.h"
#include "discovery/IndexedFile.h"

#include <QStringList>
#include <QTimer>
#include <boost/bimap.hpp>
#include <boost/bimap/set_of.hpp>
#include <deque>
#include <memory>

class BrushFileMatcher;
class FileIndex;
class FolderMonitor;
class FoundPathTree;
struct FileIndexUpdate;

class BrushFileSearchImpl
{
public:
    // Each found file's item and its leaf; each monitored folder's handle and its node. One
    // to one on both sides, shared by every search in the process.
    using FileToNodeMap = boost::bimap<boost::bimaps::set_of<IndexedFilePtr>,
                                       boost::bimaps::set_of<FoundPathNodePtr>>;
    using HandleToNodeMap =
        boost::bimap<boost::bimaps::set_of<int>, boost::bimaps::set_of<FoundPathNodePtr>>;
    static FileToNodeMap& sharedFileToNodeMap();
    static HandleToNodeMap& sharedHandleToNodeMap();

    BrushFileSearchImpl(BrushFileSearch* owner, const BrushFileMatcher& matcher,
                        const QStringList& directories);
    ~BrushFileSearchImpl();

    bool run(bool live);
    bool isInInitialSearch() const;
    bool hasFoundFilesInPath(const QString& path) const;
    void releaseMount(const QString& mountPoint);
    void keepCrawlersOut(const QString& mountPoint);
    bool keepsCrawlersOutOf(const QString& path) const;

    static FoundPathNodePtr nodeForFile(const IndexedFilePtr& item);
    static FoundPathNodePtr nodeForHandle(int handle);
    static int handleForNode(const FoundPathNodePtr& node);

private:
    // The folder monitor's news of a watched folder.
    void folderMoved(int handle, const QString& newPath);
    void folderRenamed(int handle, const QString& newPath);
    void folderDeleted(int handle);

    // What the index handed over, worked off in order, a bounded share per turn of the event
    // loop, so that a first phase of 200,000 files never freezes the window.
    struct Work
    {
        enum eKind
        {
            eAdd,
            eRemove,
            eChange,
            eWrite, // written where it is: appended to, copied over, touched
            eFinishFirstPhase
        } kind;
        IndexedFileList files;
        size_t next = 0;
    };
    void queue(Work::eKind kind, IndexedFileList files);
    void processWork();
    void onIndexUpdated(const FileIndexUpdate& update);

    void addFiles(const IndexedFileList& items);
    void changedFiles(const IndexedFileList& items);
    void removeNode(const FoundPathNodePtr& node);
    void moveNode(const FoundPathNodePtr& node, const QString& newPath);
    void renameNode(const FoundPathNodePtr& node, const QString& newName);
    void watchFolders(const std::vector<FoundPathNodePtr>& folders);
    void unwatchFolders(const std::vector<FoundPathNodePtr>& folders,
                        const char* missingHandleMessage = nullptr);
    void forgetNode(const FoundPathNodePtr& node);

    BrushFileSearch* mOwner;
    std::unique_ptr<FileIndex> mIndex;
    FolderMonitor* mMonitor = nullptr; // only while live
    std::vector<QMetaObject::Connection> mMonitorConnections;
    FoundPathTree* mRepository = nullptr;
    std::deque<Work> mWork;
    QTimer mWorkTimer;
    bool mFirstPhaseReported = false;
};
