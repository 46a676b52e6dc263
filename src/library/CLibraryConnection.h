#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <unordered_map>

// The schema this build writes; PrepareLibrary brings older libraries up to it step by step.
constexpr int kLibrarySchemaVersion = 1;

// Where the library lives: $XDG_DATA_HOME/kelbrin/library.sqlite.
QString DefaultLibraryPath();

// What making the library ready came to.
struct LibraryStatus
{
    bool available = false;
    QString path;
    // Words for the user, to be shown once: the library was damaged and set aside, or there is
    // none because its folder cannot be written. Empty when all is well.
    QString message;
};

// Makes the file at path a library of the current schema: creates its folder and the file,
// migrates an older one, and moves a damaged one aside (<path>.broken-<date>) to start afresh.
// Run once before connections are opened; two processes may run it at once.
LibraryStatus PrepareLibrary(const QString& path);

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
    // A statement prepared on this connection.
    QSqlQuery prepare(const QString& sql);
    // The same, prepared once and kept for the connection's life: for statements run at every
    // keystroke or painted cell. Finish it once read, or it holds the library's read snapshot.
    QSqlQuery& kept(const QString& sql);
    // Runs a statement without parameters; false (and a log line) when it fails.
    bool exec(const QString& sql);

    // A write transaction takes the write lock at its start (BEGIN IMMEDIATE): two writers then
    // queue through the busy timeout, where a read that later turns into a write would fail at
    // once with "database is locked".
    bool beginWrite() { return exec(QStringLiteral("BEGIN IMMEDIATE")); }
    bool commit() { return exec(QStringLiteral("COMMIT")); }
    void rollback() { exec(QStringLiteral("ROLLBACK")); }

private:
    QString mName;
    QSqlDatabase mDatabase;
    std::unordered_map<QString, QSqlQuery> mKept;
};
