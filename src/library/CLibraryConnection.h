#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <unordered_map>

// The schema this build writes; PrepareLibrary brings older libraries up to it step by step.
constexpr int kLibrarySchemaVersion = 3;

// Where the library lives: $XDG_DATA_HOME/kelbrin/library.sqlite.
QString DefaultLibraryPath();

// What making the library ready came to.
struct LibraryStatus
{
    bool available = false;
    // A damaged library was found and set aside: the one at path is new and empty.
    bool setAside = false;
    QString path;
    // Words for the user, to be shown once: the library was damaged and set aside, or there is
    // none because its folder cannot be written. Empty when all is well.
    QString message;
};

// Makes the file at path a library of the current schema: creates its folder and the file,
// migrates an older one, and moves a damaged one aside (<path>.broken-<date>) to start afresh.
// A library file that cannot be written leaves the library off. Run once before connections
// are opened; two processes may run it at once.
LibraryStatus PrepareLibrary(const QString& path);

// What stops the library from being used, whichever statement met it first.
enum class eLibraryFault
{
    none,
    damaged,  // the file is not a database, or is damaged inside
    readOnly, // the file, or its folder, cannot be written
    diskFull, // a write failed: the disk is full, or the file may grow no further
};

struct LibraryFault
{
    eLibraryFault kind = eLibraryFault::none;
    QString message; // words for the user, naming the library file
    explicit operator bool() const { return kind != eLibraryFault::none; }
};

// The fault an error from the library at path stands for; none for errors that pass (a busy
// library) or that are the statement's own.
LibraryFault LibraryFaultOf(const QSqlError& error, const QString& path);

// Moves the damaged library and its journal files aside under one date, so that the user can
// send or recover them and the next start makes a new one; returns the new name of the library.
QString SetLibraryAside(const QString& path);

// One thread's connection to the library. Qt's connections belong to the thread that opened
// them, so every thread that uses the library opens its own.
class CLibraryConnection
{
public:
    explicit CLibraryConnection(const QString& path);
    ~CLibraryConnection();
    CLibraryConnection(const CLibraryConnection&) = delete;
    CLibraryConnection& operator=(const CLibraryConnection&) = delete;

    bool isOpen() const { return mDatabase.isOpen(); }
    QSqlDatabase& database() { return mDatabase; }
    const QString& path() const { return mPath; }
    // A statement prepared on this connection.
    QSqlQuery prepare(const QString& sql);
    // The same, prepared once and kept for the connection's life: for statements run at every
    // keystroke or painted cell. Finish it once read, or it holds the library's read snapshot.
    QSqlQuery& kept(const QString& sql);
    // Runs a statement without parameters; false (and a log line) when it fails.
    bool exec(const QString& sql);
    // Runs a prepared statement; false when it fails.
    bool run(QSqlQuery& query);
    // Whether a statement whose rows were read gave them all: a damaged page ends the rows early,
    // which would otherwise look like the end of them.
    bool readAll(const QSqlQuery& query);
    // The first fault any statement on this connection met; every statement after it may fail
    // for the same reason, so only this one is worth telling.
    const LibraryFault& fault() const { return mFault; }

    // A write transaction takes the write lock at its start (BEGIN IMMEDIATE): two writers then
    // queue through the busy timeout, where a read that later turns into a write would fail at
    // once with "database is locked".
    bool beginWrite() { return exec(QStringLiteral("BEGIN IMMEDIATE")); }
    bool commit() { return exec(QStringLiteral("COMMIT")); }
    // Quietly: after a failed write SQLite may have rolled back already.
    void rollback() { QSqlQuery(mDatabase).exec(QStringLiteral("ROLLBACK")); }

private:
    // Keeps the first fault; false when error is one.
    bool note(const QSqlError& error, const QString& sql);

    QString mPath;
    QString mName;
    LibraryFault mFault;
    QSqlDatabase mDatabase;
    std::unordered_map<QString, QSqlQuery> mKept;
};
