#pragma once

#include <QMetaObject>

class BrushFileSearch;
class FolderMonitor;
class FolderMonitorObserver;
class FSObserver;
struct FolderMonitorReport;
struct SearchReport;

// Hands a source's reports to one observer for as long as the connection lives: the folder
// monitor's to a FolderMonitorObserver, a brush-file search's to an FSObserver.
class ObserverConnection
{
public:
    ObserverConnection(FolderMonitorObserver* observer, FolderMonitor* monitor);
    ObserverConnection(FSObserver* observer, BrushFileSearch* search);
    ~ObserverConnection();
    ObserverConnection(const ObserverConnection&) = delete;
    ObserverConnection& operator=(const ObserverConnection&) = delete;

    // The observer's call that a report stands for.
    static void deliver(const FolderMonitorReport& report, FolderMonitorObserver& observer);
    static void deliver(const SearchReport& report, FSObserver& observer);

private:
    template <typename Source, typename Report, typename Observer>
    static QMetaObject::Connection connectTo(Source* source, void (Source::*signal)(const Report&),
                                             Observer* observer);

    QMetaObject::Connection mConnection;
};
