#include "library/CBrushCataloguer.h"

#include "discovery/BrushFileSearch.h"
#include "discovery/FileIndex.h"
#include "library/CLibraryConnection.h"
#include "library/CatalogueEntry.h"
#include "platform/BackgroundPriority.h"
#include "platform/Logging.h"
#include "platform/NativePath.h"
#include "platform/Translations.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QSet>
#include <QSqlError>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace {
// Files per transaction, and the longest a read file waits to be committed: short enough that
// another process is never kept from writing for long (a few hundred files take tens of
// milliseconds), long enough that a large collection is committed in few transactions. Each
// commit writes the pages it changed to the journal again, and every 16 MB of journal the
// library is synced to disk: larger transactions write less and sync less often.
constexpr size_t kBatchFiles = 256;
constexpr auto kBatchAge = std::chrono::milliseconds(500);
// Read files waiting to be written, and the bytes their rows and thumbnails hold: enough for the
// readers to go on through a sync of the library, which can take a tenth of a second. The
// readers wait beyond either.
constexpr size_t kMaxWaitingResults = 256;
constexpr qsizetype kMaxWaitingBytes = 32 << 20;

qsizetype HeldBytes(const CataloguedFile& file)
{
    qsizetype bytes = 0;
    for (const CataloguedBrush& brush : file.brushes)
        bytes += qsizetype(sizeof brush) + brush.thumbnail.size() + brush.tipHash.size() +
                 2 * (brush.name ? brush.name->size() : 0) + 2 * brush.foldedName.size();
    return bytes;
}
constexpr qint64 kProgressIntervalMs = 150;
// How long a file on a drive about to be unmounted waits before it is asked for again.
constexpr int kKeptOutRetryMs = 5000;

// A folder's contents are the paths between "folder/" and "folder0" ('0' follows '/').
QByteArray ContentsStart(const QByteArray& folder)
{
    return folder + '/';
}
QByteArray ContentsEnd(const QByteArray& folder)
{
    return folder + '0';
}

bool InScope(const QByteArray& path, const std::vector<QByteArray>& scope)
{
    if (scope.empty())
        return true;
    for (const QByteArray& folder : scope)
        if (path == folder || (path.startsWith(folder) && path.size() > folder.size() &&
                               (folder.endsWith('/') || path[folder.size()] == '/')))
            return true;
    return false;
}
} // namespace

class CBrushCataloguer::Impl
{
public:
    Impl(CBrushCataloguer* owner, QString path, eCataloguingPriority priority)
        : q(owner), libraryPath(std::move(path)), priority(priority)
    {}

    struct Step
    {
        enum eKind
        {
            eCatalogue,
            eRemove,
            eMove,
            eRemoveAllBut,
        };
        eKind kind = eCatalogue;
        QStringList paths;
        QStringList newPaths; // eMove: parallel to paths; eRemoveAllBut: the scope
    };

    struct ReadJob
    {
        QString path;
        FileFacts facts;
    };

    void post(Step step);
    // At the start of each of the cataloguer's threads.
    void takePriority() const;
    void writerLoop();
    void readerLoop();

    // Writing thread only.
    void apply(CLibraryConnection& c, const Step& step);
    void checkFiles(CLibraryConnection& c, const QStringList& paths);
    void removePaths(CLibraryConnection& c, const QStringList& paths);
    void movePaths(CLibraryConnection& c, const QStringList& oldPaths, const QStringList& newPaths);
    void removeAllBut(CLibraryConnection& c, const QStringList& scope, const QStringList& seen);
    void write(CLibraryConnection& c, std::vector<CataloguedFile>& files);
    // Once the library met a fault, nothing more is written: what is asked for or read from
    // then on is counted as not written, and the owner is told once.
    void stopOnFault(const CLibraryConnection& c);
    // With the lock held.
    void countNotWritten(int files);
    // With the lock held.
    void reportProgress(bool force);

    CBrushCataloguer* q;
    const QString libraryPath;
    const eCataloguingPriority priority;

    mutable std::mutex mutex;
    std::condition_variable wake;
    std::deque<Step> steps;
    std::deque<ReadJob> readJobs;
    std::deque<CataloguedFile> results;
    qsizetype resultBytes = 0; // HeldBytes of results
    int readsInFlight = 0;
    bool stopping = false;
    // stopping, for reads under way: they end at the next brush rather than the file's end.
    std::atomic<bool> stopReads{false};
    bool idle = true;
    CatalogueCounts counts;
    int burstDone = 0;
    int burstTotal = 0;
    LibraryFault fault;
    QElapsedTimer sinceProgress;

    std::thread writer;
    std::vector<std::thread> readers;

    // Set before the first read: whether a file lies on a drive about to be unmounted, which
    // the readers must not hold open.
    std::function<bool(const QString&)> keptOut;

    // Main thread: what the search's first phase found.
    bool inFirstPhase = false;
    QStringList seen;
    QStringList scope;
};

CBrushCataloguer::CBrushCataloguer(const QString& libraryPath, int readingThreads,
                                   eCataloguingPriority priority, QObject* parent)
    : QObject(parent), mImpl(std::make_unique<Impl>(this, libraryPath, priority))
{
    mImpl->sinceProgress.start();
    // Otherwise the first computed tip a reader draws could have Qt's pool start its threads
    // from that reader, at the lowest priority, for the window's painting too.
    if (priority == eCataloguingPriority::background)
        StartQtPoolThreadsHere();
    mImpl->writer = std::thread([this] { mImpl->writerLoop(); });
    const int readers = readingThreads > 0 ? readingThreads : QThread::idealThreadCount();
    for (int i = 0; i < std::max(1, readers); ++i)
        mImpl->readers.emplace_back([this] { mImpl->readerLoop(); });
}

CBrushCataloguer::~CBrushCataloguer()
{
    {
        std::lock_guard<std::mutex> lock(mImpl->mutex);
        mImpl->stopping = true;
    }
    mImpl->stopReads = true;
    mImpl->wake.notify_all();
    for (std::thread& reader : mImpl->readers)
        reader.join();
    mImpl->writer.join();
}

void CBrushCataloguer::follow(BrushFileSearch* search, const QStringList& scope)
{
    mImpl->inFirstPhase = true;
    mImpl->scope =
        scope.isEmpty() ? FileIndex::scopeFolders({FileIndex::kScopeHomeAndMedia}) : scope;
    connect(search, &BrushFileSearch::itemsAdded, this,
            [this](const QStringList& paths) { takeFound(paths); });
    connect(search, &BrushFileSearch::firstPhaseFinished, this,
            &CBrushCataloguer::takeFirstPhaseFinished);
    connect(search, &BrushFileSearch::itemsWritten, this, &CBrushCataloguer::catalogue);
    connect(search, &BrushFileSearch::itemsRemoved, this, &CBrushCataloguer::remove);
    connect(search, &BrushFileSearch::itemsMoved, this,
            [this](const QStringList& from, const QStringList& to) { move(from, to); });
    connect(search, &BrushFileSearch::itemRenamed, this,
            [this](const QString& from, const QString& to) { move({from}, {to}); });
    {
        std::lock_guard<std::mutex> lock(mImpl->mutex);
        mImpl->keptOut = [search](const QString& path) { return search->keepsCrawlersOutOf(path); };
    }
}

void CBrushCataloguer::takeFound(const QStringList& paths)
{
    if (mImpl->inFirstPhase)
        mImpl->seen += paths;
    catalogue(paths);
}

void CBrushCataloguer::takeFirstPhaseFinished()
{
    if (!mImpl->inFirstPhase)
        return;
    mImpl->inFirstPhase = false;
    removeAllBut(mImpl->scope, mImpl->seen);
    mImpl->seen.clear();
}

void CBrushCataloguer::catalogue(const QStringList& paths)
{
    if (!paths.isEmpty())
        mImpl->post({Impl::Step::eCatalogue, paths, {}});
}

void CBrushCataloguer::remove(const QStringList& paths)
{
    if (!paths.isEmpty())
        mImpl->post({Impl::Step::eRemove, paths, {}});
}

void CBrushCataloguer::move(const QStringList& oldPaths, const QStringList& newPaths)
{
    if (!oldPaths.isEmpty())
        mImpl->post({Impl::Step::eMove, oldPaths, newPaths});
}

void CBrushCataloguer::removeAllBut(const QStringList& scope, const QStringList& seen)
{
    mImpl->post({Impl::Step::eRemoveAllBut, seen, scope});
}

bool CBrushCataloguer::isIdle() const
{
    std::lock_guard<std::mutex> lock(mImpl->mutex);
    return mImpl->idle;
}

CatalogueCounts CBrushCataloguer::counts() const
{
    std::lock_guard<std::mutex> lock(mImpl->mutex);
    return mImpl->counts;
}

LibraryFault CBrushCataloguer::fault() const
{
    std::lock_guard<std::mutex> lock(mImpl->mutex);
    return mImpl->fault;
}

void CBrushCataloguer::Impl::countNotWritten(int files)
{
    counts.notWritten += files;
    burstDone += files;
}

void CBrushCataloguer::Impl::stopOnFault(const CLibraryConnection& c)
{
    if (!c.fault())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (fault)
            return;
        fault = c.fault();
        countNotWritten(int(readJobs.size()));
        readJobs.clear();
    }
    stopReads = true;
    wake.notify_all();
    CBrushCataloguer* owner = q;
    QMetaObject::invokeMethod(
        q, [owner, message = c.fault().message] { Q_EMIT owner->libraryFailed(message); },
        Qt::QueuedConnection);
}

void CBrushCataloguer::Impl::post(Step step)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (step.kind == Step::eCatalogue)
            burstTotal += int(step.paths.size());
        steps.push_back(std::move(step));
        idle = false;
    }
    wake.notify_all();
}

void CBrushCataloguer::Impl::reportProgress(bool force)
{
    if (!force && sinceProgress.elapsed() < kProgressIntervalMs)
        return;
    sinceProgress.restart();
    const int done = burstDone;
    const int total = burstTotal;
    CBrushCataloguer* owner = q;
    QMetaObject::invokeMethod(
        q, [owner, done, total] { Q_EMIT owner->progress(done, total); }, Qt::QueuedConnection);
}

void CBrushCataloguer::Impl::takePriority() const
{
    if (priority == eCataloguingPriority::background)
        LowerThreadToBackground();
    else
        UseDefaultWakeUps(); // busy from start to end, unlike the event loop that made it
}

void CBrushCataloguer::Impl::writerLoop()
{
    takePriority();
    CLibraryConnection connection(libraryPath);
    std::vector<CataloguedFile> pending;
    qsizetype pendingBytes = 0;
    auto pendingSince = std::chrono::steady_clock::now();

    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        while (!results.empty()) {
            if (pending.empty())
                pendingSince = std::chrono::steady_clock::now();
            pending.push_back(std::move(results.front()));
            results.pop_front();
        }
        pendingBytes += resultBytes;
        resultBytes = 0;
        wake.notify_all(); // readers waiting for room
        const bool readsOutstanding = !readJobs.empty() || readsInFlight > 0;
        if (!pending.empty() &&
            (stopping || !readsOutstanding || !steps.empty() || pending.size() >= kBatchFiles ||
             pendingBytes >= kMaxWaitingBytes ||
             std::chrono::steady_clock::now() - pendingSince >= kBatchAge)) {
            lock.unlock();
            write(connection, pending);
            stopOnFault(connection);
            pending.clear();
            pendingBytes = 0;
            lock.lock();
            continue;
        }
        if (stopping)
            break;
        if (!steps.empty()) {
            const Step step = std::move(steps.front());
            steps.pop_front();
            if (fault) {
                if (step.kind == Step::eCatalogue) {
                    counts.checked += int(step.paths.size());
                    countNotWritten(int(step.paths.size()));
                }
                continue;
            }
            lock.unlock();
            apply(connection, step);
            stopOnFault(connection);
            lock.lock();
            continue;
        }
        if (!readsOutstanding && pending.empty() && results.empty()) {
            if (!idle) {
                idle = true;
                burstDone = burstTotal;
                reportProgress(true);
                burstDone = burstTotal = 0;
                CBrushCataloguer* owner = q;
                QMetaObject::invokeMethod(
                    q, [owner] { Q_EMIT owner->idle(); }, Qt::QueuedConnection);
            }
            wake.wait(lock);
        } else {
            wake.wait_for(lock, kBatchAge);
        }
    }
}

void CBrushCataloguer::Impl::readerLoop()
{
    takePriority();
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] {
            return stopping || (!readJobs.empty() && results.size() < kMaxWaitingResults &&
                                resultBytes < kMaxWaitingBytes);
        });
        if (stopping)
            return;
        ReadJob job = std::move(readJobs.front());
        readJobs.pop_front();
        if (keptOut && keptOut(job.path)) {
            // Asked for again later: by then the drive has gone (and the file with it) or
            // stayed, and the search lets it be read.
            countNotWritten(1);
            CBrushCataloguer* owner = q;
            QMetaObject::invokeMethod(
                q,
                [owner, path = job.path] {
                    QTimer::singleShot(kKeptOutRetryMs, owner,
                                       [owner, path] { owner->catalogue({path}); });
                },
                Qt::QueuedConnection);
            continue;
        }
        ++readsInFlight;
        lock.unlock();
        CataloguedFile file = CatalogueBrushFile(job.path, job.facts, &stopReads);
        lock.lock();
        --readsInFlight;
        if (file.stopped) {
            // Stopped by a fault rather than by the end of the cataloguer.
            if (!stopping)
                countNotWritten(1);
            wake.notify_all();
            return;
        }
        resultBytes += HeldBytes(file);
        results.push_back(std::move(file));
        wake.notify_all();
    }
}

void CBrushCataloguer::Impl::apply(CLibraryConnection& c, const Step& step)
{
    switch (step.kind) {
    case Step::eCatalogue:
        checkFiles(c, step.paths);
        break;
    case Step::eRemove:
        removePaths(c, step.paths);
        break;
    case Step::eMove:
        movePaths(c, step.paths, step.newPaths);
        break;
    case Step::eRemoveAllBut:
        removeAllBut(c, step.newPaths, step.paths);
        break;
    }
}

// A stat per file and a look-up by path: all a second start costs for a file that did not
// change.
void CBrushCataloguer::Impl::checkFiles(CLibraryConnection& c, const QStringList& paths)
{
    QSqlQuery lookup =
        c.prepare(QStringLiteral("SELECT size, mtime, inode, ctime FROM files WHERE path = ?"));
    std::vector<ReadJob> jobs;
    // Unchanged files whose row does not know their change time yet.
    std::vector<std::pair<QByteArray, qint64>> ctimes;
    int unchanged = 0;
    int skipped = 0;
    for (const QString& path : paths) {
        const std::optional<FileFacts> facts = StatRegularFile(path);
        if (!facts) {
            ++skipped;
            continue;
        }
        lookup.bindValue(0, PathToNative(path));
        if (c.run(lookup) && lookup.next()) {
            FileFacts known;
            known.size = lookup.value(0).toLongLong();
            known.mtimeNs = lookup.value(1).toLongLong();
            known.inode = lookup.value(2).toULongLong();
            known.ctimeNs = lookup.value(3).toLongLong();
            if (known.sameContentsAs(*facts)) {
                ++unchanged;
                if (known.ctimeNs == 0)
                    ctimes.emplace_back(PathToNative(path), facts->ctimeNs);
                lookup.finish();
                continue;
            }
        }
        lookup.finish();
        if (c.fault())
            break;
        jobs.push_back({path, *facts});
    }
    if (!ctimes.empty() && !c.fault() && c.beginWrite()) {
        QSqlQuery update = c.prepare(QStringLiteral("UPDATE files SET ctime = ? WHERE path = ?"));
        for (const auto& [nativePath, ctime] : ctimes) {
            update.bindValue(0, ctime);
            update.bindValue(1, nativePath);
            if (!c.run(update))
                break;
        }
        if (c.fault() || !c.commit())
            c.rollback();
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        counts.checked += int(paths.size()) - skipped;
        counts.unchanged += unchanged;
        burstDone += unchanged + skipped;
        if (c.fault())
            countNotWritten(int(paths.size()) - skipped - unchanged);
        else
            for (ReadJob& job : jobs)
                readJobs.push_back(std::move(job));
        reportProgress(false);
    }
    wake.notify_all();
}

void CBrushCataloguer::Impl::removePaths(CLibraryConnection& c, const QStringList& paths)
{
    if (!c.beginWrite())
        return;
    QSqlQuery remove = c.prepare(
        QStringLiteral("DELETE FROM files WHERE path = ?1 OR (path >= ?2 AND path < ?3)"));
    int removed = 0;
    for (const QString& path : paths) {
        const QByteArray bytes = PathToNative(path);
        remove.bindValue(0, bytes);
        remove.bindValue(1, ContentsStart(bytes));
        remove.bindValue(2, ContentsEnd(bytes));
        if (c.run(remove))
            removed += remove.numRowsAffected();
        else if (c.fault())
            break;
    }
    if (c.fault() || !c.commit()) {
        c.rollback();
        return;
    }
    std::lock_guard<std::mutex> lock(mutex);
    counts.removed += removed;
}

void CBrushCataloguer::Impl::movePaths(CLibraryConnection& c, const QStringList& oldPaths,
                                       const QStringList& newPaths)
{
    if (!c.beginWrite())
        return;
    // A file renamed over another replaces it.
    QSqlQuery replaced = c.prepare(QStringLiteral("DELETE FROM files WHERE path = ?"));
    // A rename moves the file's change time as well: one that kept its size, time and inode
    // through it is the file catalogued, and is not read again for that.
    QSqlQuery moveFile = c.prepare(
        QStringLiteral("UPDATE files SET ctime = CASE WHEN size = ?1 AND mtime = ?2 AND inode = ?3"
                       " THEN ?4 ELSE ctime END, path = ?5 WHERE path = ?6"));
    // || makes text of blobs; the cast keeps the path a blob, so it still sorts among the others.
    QSqlQuery moveContents =
        c.prepare(QStringLiteral("UPDATE files SET path = CAST(?1 || substr(path, ?2) AS BLOB)"
                                 " WHERE path >= ?3 AND path < ?4"));
    int moved = 0;
    QStringList movedFiles;
    for (int i = 0; i < oldPaths.size() && i < newPaths.size(); ++i) {
        const QByteArray from = PathToNative(oldPaths[i]);
        const QByteArray to = PathToNative(newPaths[i]);
        if (from == to)
            continue;
        replaced.bindValue(0, to);
        c.run(replaced);
        const FileFacts now = StatRegularFile(newPaths[i]).value_or(FileFacts{-1, 0, 0, 0, 0});
        moveFile.bindValue(0, now.size);
        moveFile.bindValue(1, now.mtimeNs);
        moveFile.bindValue(2, qint64(now.inode));
        moveFile.bindValue(3, now.ctimeNs);
        moveFile.bindValue(4, to);
        moveFile.bindValue(5, from);
        if (c.run(moveFile) && moveFile.numRowsAffected() > 0) {
            ++moved;
            movedFiles << newPaths[i];
            continue;
        }
        moveContents.bindValue(0, to);
        moveContents.bindValue(1, from.size() + 1);
        moveContents.bindValue(2, ContentsStart(from));
        moveContents.bindValue(3, ContentsEnd(from));
        if (c.run(moveContents) && moveContents.numRowsAffected() > 0)
            moved += moveContents.numRowsAffected();
        else
            movedFiles << newPaths[i]; // not known under the old name: perhaps new to the library
        if (c.fault())
            break;
    }
    if (c.fault() || !c.commit()) {
        c.rollback();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        counts.moved += moved;
        burstTotal += int(movedFiles.size());
    }
    // A move between file systems is a copy with a new inode; the check reads such a file again
    // and costs a stat for the rest.
    checkFiles(c, movedFiles);
}

void CBrushCataloguer::Impl::removeAllBut(CLibraryConnection& c, const QStringList& scope,
                                          const QStringList& seen)
{
    QSet<QByteArray> kept;
    kept.reserve(seen.size());
    for (const QString& path : seen)
        kept.insert(PathToNative(path));
    std::vector<QByteArray> folders;
    for (const QString& folder : scope)
        folders.push_back(PathToNative(folder));

    std::vector<qint64> gone;
    {
        QSqlQuery all = c.prepare(QStringLiteral("SELECT id, path FROM files"));
        if (!c.run(all))
            return;
        while (all.next()) {
            const QByteArray path = all.value(1).toByteArray();
            if (!kept.contains(path) && InScope(path, folders))
                gone.push_back(all.value(0).toLongLong());
        }
        // A damaged page would end the rows early, and the files after it would stay.
        if (!c.readAll(all))
            return;
    }
    if (gone.empty() || !c.beginWrite())
        return;
    QSqlQuery remove = c.prepare(QStringLiteral("DELETE FROM files WHERE id = ?"));
    for (qint64 id : gone) {
        remove.bindValue(0, id);
        if (!c.run(remove) && c.fault())
            break;
    }
    if (c.fault() || !c.commit()) {
        c.rollback();
        return;
    }
    std::lock_guard<std::mutex> lock(mutex);
    counts.removed += int(gone.size());
}

void CBrushCataloguer::Impl::write(CLibraryConnection& c, std::vector<CataloguedFile>& files)
{
    int read = 0;
    int failed = 0;
    if (c.fault()) {
        // Nothing more is written.
    } else if (c.beginWrite()) {
        for (const CataloguedFile& file : files) {
            // A file is written whole or not at all, without undoing the rest of the batch.
            c.run(c.kept(QStringLiteral("SAVEPOINT file")));
            const bool written = WriteCataloguedFile(c, file);
            if (c.fault())
                break;
            if (written) {
                ++read;
                if (!file.error.isEmpty())
                    ++failed;
            } else {
                c.run(c.kept(QStringLiteral("ROLLBACK TO file")));
            }
            c.run(c.kept(QStringLiteral("RELEASE file")));
        }
        if (c.fault() || !c.commit()) {
            c.rollback();
            read = failed = 0;
        }
    } else if (!c.fault()) {
        // Another process held the library longer than the busy timeout; the files are found
        // changed again at the next start.
        qCWarning(lcLibrary) << "cannot write" << files.size() << "catalogued files: the library"
                             << "stayed busy";
    }
    std::lock_guard<std::mutex> lock(mutex);
    counts.read += read;
    counts.failed += failed;
    burstDone += read;
    countNotWritten(int(files.size()) - read);
    reportProgress(false);
}

namespace {
// A file edited where it is keeps its tags and stars, unless another file still has the
// contents they were given to.
bool CarryMarks(CLibraryConnection& c, qint64 fileId, const QByteArray& oldSha,
                const QByteArray& newSha)
{
    const std::pair<const char*, const char*> marks[] = {
        {"tags", "tag"}, {"stars", "position"}, {"star_names", "name"}};
    for (const auto& [tableName, columnName] : marks) {
        const QString table = QLatin1String(tableName);
        const QString column = QLatin1String(columnName);
        QSqlQuery& carry =
            c.kept(QStringLiteral("INSERT OR IGNORE INTO %1(sha256, %2) SELECT ?, %2 FROM %1"
                                  " WHERE sha256 = ? AND NOT EXISTS (SELECT 1 FROM files"
                                  " WHERE sha256 = ? AND id <> ?)")
                       .arg(table, column));
        carry.bindValue(0, newSha);
        carry.bindValue(1, oldSha);
        carry.bindValue(2, oldSha);
        carry.bindValue(3, fileId);
        if (!c.run(carry))
            return false;
    }
    return true;
}

// Rows go in up to this many to a statement. Each statement that adds brushes has the name index
// write what it holds to disk (it keeps nothing across a statement's end); row by row, that was
// most of what writing a file cost.
constexpr int kRowsPerStatement = 64;

// Runs insert(statement, first, count) over all rows, `count` at a time and then fewer, in
// statements of `columns` parameters a row kept for chunks of 64, 32, ... 1 rows.
bool InsertInChunks(CLibraryConnection& c, const QString& head, int columns, int rows,
                    const std::function<void(QSqlQuery&, int, int)>& bind)
{
    QString row = QStringLiteral("(?");
    for (int i = 1; i < columns; ++i)
        row += QStringLiteral(", ?");
    row += QLatin1Char(')');
    for (int first = 0; first < rows;) {
        int count = kRowsPerStatement;
        while (count > rows - first)
            count /= 2;
        QString sql = head + QStringLiteral(" VALUES") + row;
        for (int i = 1; i < count; ++i)
            sql += QLatin1Char(',') + row;
        QSqlQuery& insert = c.kept(sql);
        bind(insert, first, count);
        if (!c.run(insert))
            return false;
        first += count;
    }
    return true;
}

bool WriteBrushes(CLibraryConnection& c, qint64 fileId, const std::vector<CataloguedBrush>& brushes)
{
    constexpr int kBrushColumns = 11;
    const auto real = [](const std::optional<double>& v) {
        return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
    };
    const bool written = InsertInChunks(
        c,
        QStringLiteral("INSERT INTO brushes(file_id, position, name, folded_name, kind, width,"
                       " height, depth, tip_hash, diameter, spacing)"),
        kBrushColumns, int(brushes.size()), [&](QSqlQuery& insert, int first, int count) {
            for (int i = 0; i < count; ++i) {
                const CataloguedBrush& row = brushes[size_t(first + i)];
                const int at = i * kBrushColumns;
                insert.bindValue(at, fileId);
                insert.bindValue(at + 1, row.position);
                insert.bindValue(at + 2, row.name ? QVariant(*row.name)
                                                  : QVariant(QMetaType(QMetaType::QString)));
                insert.bindValue(at + 3, row.foldedName);
                insert.bindValue(at + 4, int(row.kind));
                insert.bindValue(at + 5, row.width);
                insert.bindValue(at + 6, row.height);
                insert.bindValue(at + 7, row.depth);
                insert.bindValue(at + 8, row.tipHash);
                insert.bindValue(at + 9, real(row.diameter));
                insert.bindValue(at + 10, real(row.spacing));
            }
        });
    if (!written)
        return false;

    // The rows' ids, by position, for their thumbnails.
    std::vector<qint64> ids(brushes.size(), -1);
    QSqlQuery& rows = c.kept(QStringLiteral("SELECT position, id FROM brushes WHERE file_id = ?"));
    rows.bindValue(0, fileId);
    if (!c.run(rows))
        return false;
    while (rows.next()) {
        const qint64 position = rows.value(0).toLongLong();
        if (position >= 0 && position < qint64(ids.size()))
            ids[size_t(position)] = rows.value(1).toLongLong();
    }
    const bool readAll = c.readAll(rows);
    rows.finish();
    if (!readAll)
        return false;

    std::vector<const CataloguedBrush*> pictured;
    for (const CataloguedBrush& row : brushes)
        if (!row.thumbnail.isEmpty())
            pictured.push_back(&row);
    return InsertInChunks(c, QStringLiteral("INSERT INTO thumbnails(brush_id, png)"), 2,
                          int(pictured.size()), [&](QSqlQuery& insert, int first, int count) {
                              for (int i = 0; i < count; ++i) {
                                  const CataloguedBrush& row = *pictured[size_t(first + i)];
                                  insert.bindValue(2 * i, ids[size_t(row.position)]);
                                  insert.bindValue(2 * i + 1, row.thumbnail);
                              }
                          });
}
} // namespace

bool WriteCataloguedFile(CLibraryConnection& c, const CataloguedFile& file)
{
    // Changed again or gone while it was read: what was read is stale, and the search's next
    // report of the file brings it back.
    const std::optional<FileFacts> now = StatRegularFile(file.path);
    if (!now || !now->sameContentsAs(file.facts))
        return false;
    const QByteArray path = PathToNative(file.path);

    QSqlQuery& known = c.kept(QStringLiteral("SELECT id, sha256 FROM files WHERE path = ?"));
    known.bindValue(0, path);
    qint64 fileId = -1;
    QByteArray oldSha;
    if (c.run(known) && known.next()) {
        fileId = known.value(0).toLongLong();
        oldSha = known.value(1).toByteArray();
    }
    known.finish();
    if (c.fault())
        return false;

    const QVariant version =
        file.version ? QVariant(*file.version) : QVariant(QMetaType(QMetaType::Int));
    const QVariant error =
        file.error.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(file.error);
    if (fileId >= 0) {
        if (oldSha != file.sha256 && !CarryMarks(c, fileId, oldSha, file.sha256))
            return false;
        QSqlQuery& clear = c.kept(QStringLiteral("DELETE FROM brushes WHERE file_id = ?"));
        clear.bindValue(0, fileId);
        if (!c.run(clear))
            return false;
    }
    // The same facts either way; the last parameter finds the row or names the new one.
    QSqlQuery& write =
        c.kept(fileId >= 0 ? QStringLiteral("UPDATE files SET size = ?1, mtime = ?2, inode = ?3,"
                                            " device = ?4, sha256 = ?5, version = ?6, error = ?7,"
                                            " brush_count = ?8, ctime = ?9 WHERE id = ?10")
                           : QStringLiteral("INSERT INTO files(size, mtime, inode, device, sha256,"
                                            " version, error, brush_count, ctime, path)"
                                            " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)"));
    write.bindValue(0, file.facts.size);
    write.bindValue(1, file.facts.mtimeNs);
    write.bindValue(2, qint64(file.facts.inode));
    write.bindValue(3, qint64(file.facts.device));
    write.bindValue(4, file.sha256);
    write.bindValue(5, version);
    write.bindValue(6, error);
    write.bindValue(7, qint64(file.brushes.size()));
    write.bindValue(8, file.facts.ctimeNs);
    write.bindValue(9, fileId >= 0 ? QVariant(fileId) : QVariant(path));
    if (!c.run(write))
        return false;
    if (fileId < 0)
        fileId = write.lastInsertId().toLongLong();

    if (!WriteBrushes(c, fileId, file.brushes))
        return false;
    // Stars set aside by name when the library learnt presets go back to the brushes of those
    // names, the first of each; nothing is set aside for most files, and the look-up is by key.
    QSqlQuery& starBack = c.kept(
        QStringLiteral("INSERT OR IGNORE INTO stars(sha256, position) SELECT ?1, min(b.position)"
                       " FROM star_names n JOIN brushes b ON b.file_id = ?2 AND b.name = n.name"
                       " WHERE n.sha256 = ?3 GROUP BY n.name"));
    starBack.bindValue(0, file.sha256);
    starBack.bindValue(1, fileId);
    starBack.bindValue(2, file.sha256);
    QSqlQuery& setAsideDone = c.kept(QStringLiteral("DELETE FROM star_names WHERE sha256 = ?1"));
    setAsideDone.bindValue(0, file.sha256);
    return c.run(starBack) && c.run(setAsideDone);
}

QString CatalogueProgressText(int done, int total)
{
    const QLocale locale;
    return Translated("CBrushCataloguer", "Cataloguing brushes… %1 of %Ln file(s)", nullptr, total)
        .arg(locale.toString(done));
}
