#pragma once

#include <QMetaObject>

class BrushFileSearch;
class FSObserver;
struct SearchReport;

// Hands one search's reports to one observer for as long as the connection lives.
class SearchObserverConnection
{
public:
    SearchObserverConnection(FSObserver* observer, BrushFileSearch* search);
    ~SearchObserverConnection();
    SearchObserverConnection(const SearchObserverConnection&) = delete;
    SearchObserverConnection& operator=(const SearchObserverConnection&) = delete;

    static void deliver(const SearchReport& report, FSObserver& observer);

private:
    QMetaObject::Connection mConnection;
};
