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
#include <functional>
#include <unistd.h>
#include <vector>

namespace {
// A writer that waits longer than this for another process is stuck, not busy.
constexpr int kBusyTimeoutMs = 30000;

// SQLite's result codes for a file that is not a database or is damaged inside.
bool IsDamage(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26");
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

// Moves the damaged library and its journal files aside under one date, so the user can send
// or recover them; returns the new name of the library itself.
QString MoveAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString aside = path + QStringLiteral(".broken-") + stamp;
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix))
            QFile::rename(path + suffix, aside + suffix);
    }
    return aside;
}
} // namespace

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
        qCWarning(lcLibrary).noquote() << status.message;
        return status;
    }
    QString problem;
    eSetUp result = SetUp(path, &problem);
    if (result == eSetUp::damaged) {
        const QString aside = MoveAside(path);
        qCWarning(lcLibrary).noquote()
            << "library" << path << "is damaged (" << problem << "); moved to" << aside;
        result = SetUp(path, &problem);
        status.message = QStringLiteral("The brush library was damaged and has been set aside as "
                                        "%1; a new one is being made.")
                             .arg(aside);
    }
    if (result != eSetUp::ok) {
        status.message = QStringLiteral("The brush library is off: %1 (%2).").arg(path, problem);
        qCWarning(lcLibrary).noquote() << status.message;
        return status;
    }
    status.available = true;
    return status;
}

CLibraryConnection::CLibraryConnection(const QString& path)
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

QSqlQuery CLibraryConnection::prepare(const QString& sql)
{
    QSqlQuery query(mDatabase);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        qCWarning(lcLibrary).noquote()
            << "library statement failed:" << sql << ":" << query.lastError().text();
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
    qCWarning(lcLibrary).noquote()
        << "library statement failed:" << sql << ":" << query.lastError().text();
    return false;
}
