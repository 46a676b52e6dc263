#include "library/CLibraryConnection.h"

#include "platform/Logging.h"
#include "platform/NativePath.h"
#include "platform/WinePrefixes.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <cerrno>
#include <cstring>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {
// A writer that waits longer than this for another process is stuck, not busy.
constexpr int kBusyTimeoutMs = 30000;

// SQLite's primary result codes (extended codes keep them in their low byte).
enum eSqliteCode
{
    eSqliteReadOnly = 8,
    eSqliteIoError = 10,
    eSqliteCorrupt = 11,
    eSqliteFull = 13,
    eSqliteNotADatabase = 26,
};

int PrimaryCode(const QSqlError& error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    return number ? code & 0xff : 0;
}

bool IsDamage(const QSqlError& error)
{
    const int code = PrimaryCode(error);
    return code == eSqliteCorrupt || code == eSqliteNotADatabase;
}

// Step n turns a library of schema n into one of schema n + 1. A released step is never changed;
// a new schema adds a step.
const std::vector<std::function<bool(CLibraryConnection&)>>& MigrationSteps()
{
    static const std::vector<std::function<bool(CLibraryConnection&)>> steps{
        [](CLibraryConnection& c) {
            // Paths are the kernel's bytes. Times are nanoseconds since the epoch. A file that
            // could not be read keeps the words of its error, so it is not read again until it
            // changes.
            return c.exec(QStringLiteral(
                       "CREATE TABLE files(id INTEGER PRIMARY KEY, path BLOB NOT NULL UNIQUE,"
                       " size INTEGER NOT NULL, mtime INTEGER NOT NULL, inode INTEGER NOT NULL,"
                       " device INTEGER NOT NULL, sha256 BLOB NOT NULL, version INTEGER,"
                       " error TEXT, brush_count INTEGER NOT NULL DEFAULT 0)")) &&
                   c.exec(QStringLiteral("CREATE INDEX files_sha256 ON files(sha256)")) &&
                   // kind: 0 sampled, 1 computed. tip_hash: the decoded pixels of a sampled tip,
                   // the parameters of a computed one. folded_name is what name search matches.
                   c.exec(QStringLiteral(
                       "CREATE TABLE brushes(id INTEGER PRIMARY KEY,"
                       " file_id INTEGER NOT NULL REFERENCES files(id) ON DELETE CASCADE,"
                       " position INTEGER NOT NULL, name TEXT, folded_name TEXT NOT NULL,"
                       " kind INTEGER NOT NULL, width INTEGER NOT NULL, height INTEGER NOT NULL,"
                       " depth INTEGER NOT NULL, tip_hash BLOB NOT NULL,"
                       " UNIQUE(file_id, position))")) &&
                   c.exec(QStringLiteral("CREATE INDEX brushes_tip_hash ON brushes(tip_hash)")) &&
                   // Every run of three characters of the folded names, so that a search for a
                   // part of a name looks it up instead of reading every name. It indexes the
                   // brushes table's own column; the triggers keep it in step, also through the
                   // deletes that a file's removal cascades to.
                   c.exec(QStringLiteral(
                       "CREATE VIRTUAL TABLE brush_names USING fts5(folded_name,"
                       " content='brushes', content_rowid='id', tokenize='trigram')")) &&
                   c.exec(QStringLiteral(
                       "CREATE TRIGGER brush_names_insert AFTER INSERT ON brushes BEGIN"
                       " INSERT INTO brush_names(rowid, folded_name)"
                       " VALUES(new.id, new.folded_name); END")) &&
                   c.exec(QStringLiteral(
                       "CREATE TRIGGER brush_names_delete AFTER DELETE ON brushes BEGIN"
                       " INSERT INTO brush_names(brush_names, rowid, folded_name)"
                       " VALUES('delete', old.id, old.folded_name); END")) &&
                   // Thumbnails in a table of their own keep the brushes' pages small, so a
                   // name search scans a few megabytes rather than every picture.
                   c.exec(QStringLiteral(
                       "CREATE TABLE thumbnails(brush_id INTEGER PRIMARY KEY"
                       " REFERENCES brushes(id) ON DELETE CASCADE, png BLOB NOT NULL)")) &&
                   // Tags and stars belong to contents, not to paths: they follow a file through
                   // renames and moves, and wait for it while it is gone. position -1 stars the
                   // file itself.
                   c.exec(QStringLiteral("CREATE TABLE tags(sha256 BLOB NOT NULL, tag TEXT NOT "
                                         "NULL, PRIMARY KEY(sha256, tag)) WITHOUT ROWID")) &&
                   c.exec(QStringLiteral("CREATE INDEX tags_tag ON tags(tag)")) &&
                   c.exec(QStringLiteral(
                       "CREATE TABLE stars(sha256 BLOB NOT NULL, position INTEGER NOT NULL,"
                       " PRIMARY KEY(sha256, position)) WITHOUT ROWID"));
        },
        [](CLibraryConnection& c) {
            // The change time, which no program can set back: a file rewritten in place with
            // its modification time put back keeps its size and inode but not this. 0 for rows
            // of older libraries, until their file is next seen.
            return c.exec(
                QStringLiteral("ALTER TABLE files ADD COLUMN ctime INTEGER NOT NULL DEFAULT 0"));
        },
        [](CLibraryConnection& c) {
            // A brush is now a preset: kind 2 and 3 are bristle and erodible tips, and a row
            // keeps its preset's size and spacing (percent; NULL when off or not given). The
            // rows of a file hold its tips as older builds read them, so every file is marked
            // changed and read again when it is next seen.
            // A version-6 file's presets come in another order than its tips did, so a star
            // on one of its brushes is kept by the brush's name until the file is read again,
            // then given back to the brush of that name (WriteCataloguedFile).
            return c.exec(QStringLiteral("ALTER TABLE brushes ADD COLUMN diameter REAL")) &&
                   c.exec(QStringLiteral("ALTER TABLE brushes ADD COLUMN spacing REAL")) &&
                   c.exec(QStringLiteral("CREATE TABLE star_names(sha256 BLOB NOT NULL,"
                                         " name TEXT NOT NULL, PRIMARY KEY(sha256, name))"
                                         " WITHOUT ROWID")) &&
                   c.exec(QStringLiteral(
                       "INSERT OR IGNORE INTO star_names SELECT s.sha256, b.name FROM stars s"
                       " JOIN files f ON f.sha256 = s.sha256 JOIN brushes b ON b.file_id = f.id"
                       " AND b.position = s.position WHERE s.position >= 0 AND f.version >= 6"
                       " AND b.name IS NOT NULL")) &&
                   c.exec(QStringLiteral(
                       "DELETE FROM stars WHERE position >= 0 AND sha256 IN (SELECT sha256 FROM"
                       " star_names)")) &&
                   c.exec(QStringLiteral("UPDATE files SET mtime = -1"));
        },
    };
    return steps;
}

int UserVersion(CLibraryConnection& connection, QSqlError* error)
{
    QSqlQuery query = connection.prepare(QStringLiteral("PRAGMA user_version"));
    if (!query.exec() || !query.next()) {
        *error = query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

enum class eSetUp
{
    ok,
    damaged,
    failed
};

eSetUp SetUp(const QString& path, QString* problem)
{
    CLibraryConnection connection(path);
    if (!connection.isOpen()) {
        *problem = connection.database().lastError().text();
        return eSetUp::failed;
    }
    QSqlError error;
    // Reading the schema is what finds a file that is not a database, or a damaged one. Run
    // unprepared: a failed prepare leaves no result code to tell damage from a busy library.
    // 16 KB pages: a thumbnail of two or three kilobytes would take a 4 KB page of its own, half
    // of it empty. The size takes hold only on a new file.
    for (const QString& sql : {QStringLiteral("PRAGMA page_size = 16384"),
                               QStringLiteral("SELECT count(*) FROM sqlite_master"),
                               QStringLiteral("PRAGMA journal_mode=WAL")}) {
        QSqlQuery check(connection.database());
        if (!check.exec(sql)) {
            *problem = check.lastError().text();
            return IsDamage(check.lastError()) ? eSetUp::damaged : eSetUp::failed;
        }
    }
    // Damage inside the file shows only when a statement reads the damaged page, and a read
    // that meets it ends as if there were no more rows: a search would give a few results of
    // many. quick_check reads every page once (without checking that indexes match their
    // tables), a fraction of a second for a large collection's library.
    {
        QSqlQuery check(connection.database());
        if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next()) {
            *problem = check.lastError().text();
            return IsDamage(check.lastError()) ? eSetUp::damaged : eSetUp::failed;
        }
        if (const QString result = check.value(0).toString(); result != QLatin1String("ok")) {
            *problem = result;
            return eSetUp::damaged;
        }
    }
    int version = UserVersion(connection, &error);
    if (version < 0) {
        *problem = error.text();
        return IsDamage(error) ? eSetUp::damaged : eSetUp::failed;
    }
    if (version == kLibrarySchemaVersion)
        return eSetUp::ok;
    if (version > kLibrarySchemaVersion) {
        *problem =
            QStringLiteral("the library was made by a newer Kelbrin (schema %1)").arg(version);
        return eSetUp::failed;
    }
    // Another process may be migrating too: the write lock decides, and the version is read
    // again under it.
    if (!connection.beginWrite()) {
        *problem = connection.database().lastError().text();
        return eSetUp::failed;
    }
    version = UserVersion(connection, &error);
    const auto& steps = MigrationSteps();
    for (; version >= 0 && version < kLibrarySchemaVersion; ++version) {
        if (!steps[size_t(version)](connection)) {
            connection.rollback();
            *problem = QStringLiteral("the library could not be brought up to date");
            return eSetUp::failed;
        }
    }
    if (!connection.exec(QStringLiteral("PRAGMA user_version = %1").arg(kLibrarySchemaVersion)) ||
        !connection.commit()) {
        connection.rollback();
        *problem = QStringLiteral("the library could not be brought up to date");
        return eSetUp::failed;
    }
    return eSetUp::ok;
}

} // namespace

QString SetLibraryAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString aside = path + QStringLiteral(".broken-") + stamp;
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix))
            QFile::rename(path + suffix, aside + suffix);
    }
    return aside;
}

QString DefaultLibraryPath()
{
    return UserDataFolder() + QStringLiteral("/kelbrin/library.sqlite");
}

LibraryStatus PrepareLibrary(const QString& path)
{
    LibraryStatus status;
    status.path = path;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || access(PathToNative(folder).constData(), W_OK) != 0) {
        status.message =
            QStringLiteral("The brush library is off: the folder %1 cannot be written.")
                .arg(folder);
        return status;
    }
    // A file that cannot be written would open all the same, for reading: every change (a tag,
    // a catalogued file) would then be lost.
    const QByteArray file = PathToNative(path);
    if (access(file.constData(), F_OK) == 0 && access(file.constData(), W_OK) != 0) {
        status.message = QStringLiteral("The brush library is off: %1 cannot be written (%2).")
                             .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return status;
    }
    QString problem;
    eSetUp result = SetUp(path, &problem);
    // The message is said by whoever shows the library, once: a log line would say it twice.
    if (result == eSetUp::damaged) {
        const QString aside = SetLibraryAside(path);
        status.setAside = true;
        status.message = QStringLiteral("The brush library %1 was damaged (%2) and has been set "
                                        "aside as %3; a new, empty one takes its place.")
                             .arg(path, problem, aside);
        result = SetUp(path, &problem);
    }
    if (result != eSetUp::ok) {
        status.message = QStringLiteral("The brush library is off: %1 (%2).").arg(path, problem);
        return status;
    }
    status.available = true;
    return status;
}

LibraryFault LibraryFaultOf(const QSqlError& error, const QString& path)
{
    LibraryFault fault;
    switch (PrimaryCode(error)) {
    case eSqliteCorrupt:
    case eSqliteNotADatabase:
        fault.kind = eLibraryFault::damaged;
        fault.message =
            QStringLiteral("The brush library %1 is damaged (%2).").arg(path, error.databaseText());
        break;
    case eSqliteReadOnly:
        fault.kind = eLibraryFault::readOnly;
        fault.message =
            QStringLiteral("The brush library %1 cannot be written: it is read-only.").arg(path);
        break;
    case eSqliteFull:
        fault.kind = eLibraryFault::diskFull;
        fault.message =
            QStringLiteral("The brush library %1 cannot be written: the disk is full.").arg(path);
        break;
    case eSqliteIoError:
        // A file grown to the process's size limit fails with an I/O error, not "full".
        fault.kind = eLibraryFault::diskFull;
        fault.message = QStringLiteral("The brush library %1 cannot be written or read (%2): the "
                                       "disk may be full or failing.")
                            .arg(path, error.databaseText());
        break;
    default:
        break;
    }
    return fault;
}

CLibraryConnection::CLibraryConnection(const QString& path) : mPath(path)
{
    static QAtomicInteger<quint64> serial;
    mName = QStringLiteral("kelbrin-library-%1").arg(serial.fetchAndAddRelaxed(1));
    mDatabase = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
    mDatabase.setDatabaseName(path);
    mDatabase.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!mDatabase.open()) {
        qCWarning(lcLibrary).noquote()
            << "cannot open the library" << path << ":" << mDatabase.lastError().text();
        return;
    }
    // NORMAL is safe in WAL mode against a killed process; only a power cut may lose the last
    // commits, never the file.
    exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
}

CLibraryConnection::~CLibraryConnection()
{
    mKept.clear();
    if (mDatabase.isOpen())
        mDatabase.close();
    mDatabase = QSqlDatabase();
    QSqlDatabase::removeDatabase(mName);
}

bool CLibraryConnection::note(const QSqlError& error, const QString& sql)
{
    const LibraryFault fault = LibraryFaultOf(error, mPath);
    if (!fault) {
        qCWarning(lcLibrary).noquote() << "library statement failed:" << sql << ":" << error.text();
        return true;
    }
    // Told by whoever owns the connection, once, in its words.
    if (!mFault)
        mFault = fault;
    return false;
}

QSqlQuery CLibraryConnection::prepare(const QString& sql)
{
    QSqlQuery query(mDatabase);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        note(query.lastError(), sql);
    return query;
}

QSqlQuery& CLibraryConnection::kept(const QString& sql)
{
    auto found = mKept.find(sql);
    if (found == mKept.end())
        found = mKept.emplace(sql, prepare(sql)).first;
    // One that failed (the library busy, say) is prepared again rather than kept broken.
    else if (found->second.lastError().isValid())
        found->second = prepare(sql);
    return found->second;
}

bool CLibraryConnection::exec(const QString& sql)
{
    QSqlQuery query(mDatabase);
    if (query.exec(sql))
        return true;
    note(query.lastError(), sql);
    return false;
}

bool CLibraryConnection::run(QSqlQuery& query)
{
    if (query.exec())
        return true;
    note(query.lastError(), query.lastQuery());
    return false;
}

bool CLibraryConnection::readAll(const QSqlQuery& query)
{
    if (!query.lastError().isValid())
        return true;
    note(query.lastError(), query.lastQuery());
    return false;
}
