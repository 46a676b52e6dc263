#pragma once

#include "library/CLibraryConnection.h"

#include <QMetaObject>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class BrushFileSearch;
class CBrushCataloguer;
class CLibrary;
class QThread;

// The brush library as the window uses it: made ready on a thread of its own from first use
// (checking a large library reads all of it, most of a second from a cold disk), with one
// connection on the main thread for searches, duplicates, tags and stars, and a cataloguer that
// keeps it in step with the window's search.
class LibraryController : public QObject
{
    Q_OBJECT
public:
    explicit LibraryController(QObject* parent = nullptr);
    // Stops the cataloguer: what it committed stays, the rest is found changed next time. Waits
    // for the library's check if it is still running.
    ~LibraryController() override;

    // Null until the library is ready (the first call starts making it so), when there is no
    // library (say, its folder cannot be written), or once it met a fault (damage, a file that
    // cannot be written, a full disk); status() says why.
    CLibrary* library();
    const LibraryStatus& status();
    // Whether making the library ready has come to an end, whatever it came to.
    bool isReady() const { return mReady; }

    // Holds the search's reports from now on, for the cataloguer startCataloguing() makes. Call
    // it before the event loop turns, so that no report of the search goes by unseen.
    void followSearch(BrushFileSearch* search);
    // Makes the library ready, unless asked before, and once it is catalogues what the search
    // reported so far and reports from now on. The window calls it once it is on screen: the
    // check and the cataloguer compete with the first paint for the disk.
    void startCataloguing();
    CBrushCataloguer* cataloguer() const { return mCataloguer.get(); }
    // The status line's words while the cataloguer works; empty when it is idle.
    QString progressText() const { return mProgressText; }
    // Marks set from the window. Each is one short write; false, with the reason in *error,
    // when there is no library or the file cannot be read to be hashed. marksChanged() follows
    // a change.
    bool setStarred(const QString& path, int position, bool starred, QString* error = nullptr);
    // Several brushes of one file (position -1: the file), with one marksChanged() at the end.
    bool setStarred(const QString& path, const QList<int>& positions, bool starred,
                    QString* error = nullptr);
    bool setTags(const QString& path, const QStringList& tags, QString* error = nullptr);
    // Stars of the file's brushes (positions), for the grid; empty without a library.
    QSet<int> starredPositions(const QString& path);

Q_SIGNALS:
    // The library is ready, or found to be off: status() says which, and its message is yet to
    // be shown. The cataloguer, if asked for, has started.
    void ready();
    // Tags or stars changed; whatever shows them looks again.
    void marksChanged();
    void progressTextChanged(const QString& text);
    // The library met a fault and is off until the next start (a damaged one set aside); the
    // words say so, to be shown once.
    void switchedOff(const QString& message);

private:
    void prepare();
    void finishPreparing(const LibraryStatus& status);
    void beginCataloguing();
    void setProgressText(const QString& text);
    void stopHolding();
    // Soon rather than at once: whoever asked still holds the library for the rest of its step.
    void switchOff(const LibraryFault& fault);

    bool mAsked = false;
    bool mReady = false;
    bool mCatalogueWhenReady = false;
    bool mSwitchingOff = false;
    std::unique_ptr<QThread> mPreparing;
    LibraryStatus mStatus;
    std::unique_ptr<CLibrary> mLibrary;
    BrushFileSearch* mSearch = nullptr;
    // The search's news until the library is ready, in order, each as the cataloguer's step.
    std::vector<QMetaObject::Connection> mHolding;
    std::vector<std::function<void(CBrushCataloguer&)>> mHeldReports;
    std::unique_ptr<CBrushCataloguer> mCataloguer;
    QString mProgressText;
};
