#pragma once

#include "brush/BrushPreset.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class CLibraryConnection;
class QSqlQuery;
struct LibraryFault;

// One brush of the library, as lists of results show it. Thumbnails are asked for separately,
// by id, for the rows on screen.
struct LibraryBrush
{
    qint64 id = 0;
    QString path; // of its file
    int position = 0;
    std::optional<QString> name;
    TipKind kind = TipKind::Computed;
    bool computed = false;
    int width = 0;
    int height = 0;
    int depth = 0;
    std::optional<double> diameter; // the preset's size, when its file gives one
    std::optional<double> spacing;  // percent, when spacing is on
    bool starred = false;
};

// Brushes with one tip, in more than one file.
struct DuplicateTips
{
    QByteArray tipHash;
    std::vector<LibraryBrush> brushes;
};

struct LibraryTag
{
    QString tag;
    int files = 0; // catalogued files that have it
};

struct LibraryTotals
{
    int files = 0;
    int brushes = 0;
    int failed = 0; // files that did not read to the end
};

// What the window and kelbrin-cli ask the library, on the calling thread's own connection.
// Tags and stars belong to a file's contents (its SHA-256), so they follow it through renames
// and moves and come back with it; a file not yet catalogued is hashed when it is tagged.
class CLibrary
{
public:
    explicit CLibrary(const QString& libraryPath);
    ~CLibrary();
    CLibrary(const CLibrary&) = delete;
    CLibrary& operator=(const CLibrary&) = delete;

    bool isOpen() const;
    // What stopped a query or a change, once one has. A query that met it answers nothing
    // rather than a part of the whole.
    const LibraryFault& fault() const;

    // Brushes whose names hold text, compared folded (FoldedName), at most limit of them, in
    // the order they were catalogued.
    std::vector<LibraryBrush> searchBrushNames(const QString& text, int limit = 1000);
    QByteArray thumbnailPng(qint64 brushId);
    // Readies the statements behind searchBrushNames (with that limit) and thumbnailPng ahead
    // of the first keystroke.
    void prepareSearches(int limit);

    std::vector<DuplicateTips> duplicateTips();
    // Groups of paths whose files have the same contents.
    std::vector<QStringList> duplicateFiles();

    // False, with the reason in *error, when the file cannot be read to be hashed.
    bool tagFile(const QString& path, const QStringList& tags, QString* error);
    bool untagFile(const QString& path, const QStringList& tags, QString* error);
    QStringList tagsOfFile(const QString& path);
    std::vector<LibraryTag> allTags();
    QStringList filesTagged(const QString& tag);

    // position -1 stars the file itself.
    bool setStarred(const QString& path, int position, bool starred, QString* error);
    bool isStarred(const QString& path, int position);
    QStringList starredFiles();
    std::vector<LibraryBrush> starredBrushes();

    LibraryTotals totals();

private:
    // The contents' SHA-256: the catalogued one while the file is as catalogued, else hashed now.
    QByteArray contentsHash(const QString& path, QString* error);
    std::vector<LibraryBrush> brushes(const QString& where, const QVariantList& values,
                                      int limit = -1);
    QStringList paths(QSqlQuery& query);
    // Runs sql (parameters: the contents' hash, a tag) for every tag, all or none.
    bool writeTags(const QString& path, const QStringList& tags, const QString& sql,
                   QString* error);

    std::unique_ptr<CLibraryConnection> mConnection;
};
