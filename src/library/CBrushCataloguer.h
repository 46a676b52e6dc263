#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

struct LibraryFault;
struct CataloguedFile;
class CLibraryConnection;

class BrushFileSearch;

// What the cataloguer has done since it was made.
struct CatalogueCounts
{
    int checked = 0;   // files looked at
    int unchanged = 0; // found as they were catalogued, not read again
    int read = 0;      // read and written into the library
    int failed = 0;    // of those read, ones that did not read to the end
    // Looked at but not in the library as they are: changed again while read, on a drive about
    // to go (asked for again later), or met after the library stopped. With unchanged and
    // read, it makes up checked.
    int notWritten = 0;
    int removed = 0; // files that left the library
    int moved = 0;   // rows that followed their file to a new path
};

// How the cataloguer's threads share the machine with the rest of it.
enum class eCataloguingPriority
{
    // The lowest CPU priority and the idle I/O class: beside the window, which with its own
    // reading thread is never kept waiting. Qt's pool, which takes pieces of the thumbnails'
    // fills, is started at the maker's priority first (StartQtPoolThreadsHere).
    background,
    // As the rest of the process: for a command the user waits on.
    normal,
};

// Keeps the library in step with the brush files on disk. It follows what it is told (by a
// search, or directly) in order on a thread of its own, and reads new and changed files on
// reading threads of its own, one a core. Results are committed in short transactions of up to
// a few hundred files: a process killed mid-way keeps what was committed and finds the rest
// changed at the next start. Main thread only; signals arrive there.
class CBrushCataloguer : public QObject
{
    Q_OBJECT
public:
    // libraryPath: a library PrepareLibrary has made ready. readingThreads: 0 for one a core.
    explicit CBrushCataloguer(const QString& libraryPath, int readingThreads = 0,
                              eCataloguingPriority priority = eCataloguingPriority::background,
                              QObject* parent = nullptr);
    // Stops what is under way (what was committed stays), and waits for its threads.
    ~CBrushCataloguer() override;

    // Follows the search's reports from now on; call it before the search runs. When its first
    // phase is over, the library's files within scope that it did not find leave the library:
    // they went while nothing was watching. scope: the folders given to the search; empty for a
    // search of its usual places (home, removable media, the folders the user added), which
    // leaves files catalogued from elsewhere alone.
    void follow(BrushFileSearch* search, const QStringList& scope);
    // What follow() does with the search's news of files found and of its first phase ending,
    // for a caller that held some back until the library was ready: call follow() first, then
    // hand them over in order (with the other kinds, through the calls below).
    void takeFound(const QStringList& paths);
    void takeFirstPhaseFinished();

    // What a search's reports come to, for callers without a search.
    void catalogue(const QStringList& paths); // new or changed files
    void remove(const QStringList& paths);    // files or whole folders
    void move(const QStringList& oldPaths, const QStringList& newPaths);
    // Removes the files within scope that are not in seen.
    void removeAllBut(const QStringList& scope, const QStringList& seen);

    bool isIdle() const;
    CatalogueCounts counts() const;
    // What stopped the library, once something has; nothing is written from then on.
    LibraryFault fault() const;

Q_SIGNALS:
    // done of total files of the current burst of work, a few times a second at most, and once
    // when the burst is over (done == total).
    void progress(int done, int total);
    // Everything asked so far is committed.
    void idle();
    // The library met a fault (damage, a file that cannot be written, a full disk) and nothing
    // more is written; said once, in words naming the library file.
    void libraryFailed(const QString& message);

private:
    class Impl;
    std::unique_ptr<Impl> mImpl;
};

// Writes what reading a file gave in place of what the library had of it (its tags and stars
// carried over when its contents changed), inside a transaction the caller began. False when
// the file changed again or went since it was read, or when a statement failed.
bool WriteCataloguedFile(CLibraryConnection& c, const CataloguedFile& file);

// The status line's words for progress: "Cataloguing brushes… 1,234 of 5,678 files".
QString CatalogueProgressText(int done, int total);
