#include "library/CLibrary.h"

#include "library/CLibraryConnection.h"
#include "library/CatalogueEntry.h"
#include "platform/NativePath.h"

#include <QVariant>
#include <map>

namespace {
const char* const kBrushColumns =
    "SELECT b.id, f.path, b.position, b.name, b.kind, b.width, b.height, b.depth, b.tip_hash,"
    " EXISTS(SELECT 1 FROM stars s WHERE s.sha256 = f.sha256 AND s.position = b.position),"
    " b.diameter, b.spacing FROM brushes b JOIN files f ON f.id = b.file_id ";

LibraryBrush BrushFromRow(const QSqlQuery& row)
{
    LibraryBrush brush;
    brush.id = row.value(0).toLongLong();
    brush.path = PathFromNative(row.value(1).toByteArray());
    brush.position = row.value(2).toInt();
    if (!row.value(3).isNull())
        brush.name = row.value(3).toString();
    const int kind = row.value(4).toInt();
    brush.kind = kind >= 0 && kind <= int(TipKind::Erodible) ? TipKind(kind) : TipKind::Computed;
    brush.computed = brush.kind == TipKind::Computed;
    brush.width = row.value(5).toInt();
    brush.height = row.value(6).toInt();
    brush.depth = row.value(7).toInt();
    brush.starred = row.value(9).toBool();
    if (!row.value(10).isNull())
        brush.diameter = row.value(10).toDouble();
    if (!row.value(11).isNull())
        brush.spacing = row.value(11).toDouble();
    return brush;
}

QStringList CleanTags(const QStringList& tags)
{
    QStringList clean;
    for (const QString& tag : tags) {
        const QString simple = tag.simplified();
        if (!simple.isEmpty() && !clean.contains(simple))
            clean << simple;
    }
    return clean;
}
} // namespace

CLibrary::CLibrary(const QString& libraryPath)
    : mConnection(std::make_unique<CLibraryConnection>(libraryPath))
{}

CLibrary::~CLibrary() = default;

bool CLibrary::isOpen() const
{
    return mConnection->isOpen();
}

std::vector<LibraryBrush> CLibrary::brushes(const QString& where, const QVariantList& values,
                                            int limit)
{
    QString sql = QLatin1String(kBrushColumns) + where;
    if (limit >= 0)
        sql += QStringLiteral(" LIMIT %1").arg(limit);
    QSqlQuery& query = mConnection->kept(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    std::vector<LibraryBrush> found;
    if (mConnection->run(query)) {
        while (query.next())
            found.push_back(BrushFromRow(query));
        // Some of the brushes are no answer: the caller learns why from fault().
        if (!mConnection->readAll(query))
            found.clear();
    }
    query.finish();
    return found;
}

namespace {
// The trigram index answers parts of three characters or more, as a phrase (quoted, so that
// nothing in the text reads as query syntax). Shorter ones match so many names that reading
// them in order fills a screen at once. instr rather than LIKE: no wildcards to escape, and no
// ASCII-only case rules on top of the folding.
const char* const kSearchByTrigrams =
    "WHERE b.id IN (SELECT rowid FROM brush_names WHERE brush_names MATCH ?1) ORDER BY b.id";
const char* const kSearchByScan = "WHERE instr(b.folded_name, ?1) > 0 ORDER BY b.id";
const char* const kThumbnail = "SELECT png FROM thumbnails WHERE brush_id = ?";
} // namespace

std::vector<LibraryBrush> CLibrary::searchBrushNames(const QString& text, int limit)
{
    const QString folded = FoldedName(text);
    if (folded.toUcs4().size() >= 3) {
        QString phrase = folded;
        phrase.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return brushes(QLatin1String(kSearchByTrigrams),
                       {QLatin1Char('"') + phrase + QLatin1Char('"')}, limit);
    }
    return brushes(QLatin1String(kSearchByScan), {folded}, limit);
}

void CLibrary::prepareSearches(int limit)
{
    // Preparing reads the schema, the first statement's cost on a new connection.
    for (const char* where : {kSearchByTrigrams, kSearchByScan})
        mConnection->kept(QLatin1String(kBrushColumns) + QLatin1String(where) +
                          QStringLiteral(" LIMIT %1").arg(limit));
    mConnection->kept(QLatin1String(kThumbnail));
    // A first search on a new connection spends most of its time filling the connection's
    // page cache: memory the process has never touched, and index pages off the disk. Reading
    // a cache's worth of the name index (the part every search reads) pays that now instead.
    QSqlQuery index = mConnection->prepare(
        QStringLiteral("SELECT count(*) FROM (SELECT block FROM brush_names_data LIMIT 500)"));
    if (mConnection->run(index))
        index.next();
}

QByteArray CLibrary::thumbnailPng(qint64 brushId)
{
    QSqlQuery& query = mConnection->kept(QLatin1String(kThumbnail));
    query.bindValue(0, brushId);
    QByteArray png;
    if (mConnection->run(query) && query.next())
        png = query.value(0).toByteArray();
    mConnection->readAll(query);
    query.finish();
    return png;
}

std::vector<DuplicateTips> CLibrary::duplicateTips()
{
    // Tips without pixels are all alike and say nothing.
    QSqlQuery query = mConnection->prepare(
        QLatin1String(kBrushColumns) +
        QStringLiteral("JOIN (SELECT tip_hash FROM brushes WHERE width > 0 AND height > 0"
                       " GROUP BY tip_hash HAVING count(DISTINCT file_id) > 1) d"
                       " ON d.tip_hash = b.tip_hash ORDER BY b.tip_hash, f.path, b.position"));
    std::vector<DuplicateTips> groups;
    if (mConnection->run(query)) {
        while (query.next()) {
            const QByteArray hash = query.value(8).toByteArray();
            if (groups.empty() || groups.back().tipHash != hash)
                groups.push_back({hash, {}});
            groups.back().brushes.push_back(BrushFromRow(query));
        }
        if (!mConnection->readAll(query))
            groups.clear();
    }
    return groups;
}

std::vector<QStringList> CLibrary::duplicateFiles()
{
    QSqlQuery query = mConnection->prepare(
        QStringLiteral("SELECT sha256, path FROM files WHERE sha256 IN (SELECT sha256 FROM files"
                       " GROUP BY sha256 HAVING count(*) > 1) ORDER BY sha256, path"));
    std::vector<QStringList> groups;
    QByteArray last;
    if (mConnection->run(query)) {
        while (query.next()) {
            const QByteArray sha = query.value(0).toByteArray();
            if (groups.empty() || sha != last)
                groups.emplace_back();
            last = sha;
            groups.back() << PathFromNative(query.value(1).toByteArray());
        }
        if (!mConnection->readAll(query))
            groups.clear();
    }
    return groups;
}

QByteArray CLibrary::contentsHash(const QString& path, QString* error)
{
    const std::optional<FileFacts> facts = StatRegularFile(path);
    if (!facts) {
        *error = QStringLiteral("no such file");
        return {};
    }
    QSqlQuery query = mConnection->prepare(
        QStringLiteral("SELECT size, mtime, inode, ctime, sha256 FROM files WHERE path = ?"));
    query.bindValue(0, PathToNative(path));
    if (mConnection->run(query) && query.next()) {
        FileFacts known;
        known.size = query.value(0).toLongLong();
        known.mtimeNs = query.value(1).toLongLong();
        known.inode = query.value(2).toULongLong();
        known.ctimeNs = query.value(3).toLongLong();
        if (known.sameContentsAs(*facts))
            return query.value(4).toByteArray();
    }
    mConnection->readAll(query);
    return FileSha256(path, error);
}

bool CLibrary::tagFile(const QString& path, const QStringList& tags, QString* error)
{
    return writeTags(path, tags,
                     QStringLiteral("INSERT OR IGNORE INTO tags(sha256, tag) VALUES(?, ?)"), error);
}

bool CLibrary::untagFile(const QString& path, const QStringList& tags, QString* error)
{
    return writeTags(path, tags, QStringLiteral("DELETE FROM tags WHERE sha256 = ? AND tag = ?"),
                     error);
}

bool CLibrary::writeTags(const QString& path, const QStringList& tags, const QString& sql,
                         QString* error)
{
    const QByteArray sha = contentsHash(path, error);
    if (sha.isEmpty())
        return false;
    bool written = mConnection->beginWrite();
    if (written) {
        QSqlQuery statement = mConnection->prepare(sql);
        for (const QString& tag : CleanTags(tags)) {
            statement.bindValue(0, sha);
            statement.bindValue(1, tag);
            if (!(written = mConnection->run(statement)))
                break;
        }
        // All the tags or none.
        written = written && mConnection->commit();
        if (!written)
            mConnection->rollback();
    }
    if (!written)
        *error = mConnection->fault() ? mConnection->fault().message
                                      : QStringLiteral("the library could not be written");
    return written;
}

QStringList CLibrary::tagsOfFile(const QString& path)
{
    QString error;
    const QByteArray sha = contentsHash(path, &error);
    QStringList tags;
    if (sha.isEmpty())
        return tags;
    QSqlQuery query =
        mConnection->prepare(QStringLiteral("SELECT tag FROM tags WHERE sha256 = ? ORDER BY tag"));
    query.bindValue(0, sha);
    if (mConnection->run(query))
        while (query.next())
            tags << query.value(0).toString();
    return mConnection->readAll(query) ? tags : QStringList();
}

std::vector<LibraryTag> CLibrary::allTags()
{
    // A tag whose files are all gone for now still counts: they may come back.
    QSqlQuery query = mConnection->prepare(QStringLiteral(
        "SELECT t.tag, count(f.id) FROM tags t LEFT JOIN files f ON f.sha256 = t.sha256"
        " GROUP BY t.tag ORDER BY t.tag"));
    std::vector<LibraryTag> tags;
    if (mConnection->run(query))
        while (query.next())
            tags.push_back({query.value(0).toString(), query.value(1).toInt()});
    return mConnection->readAll(query) ? tags : std::vector<LibraryTag>();
}

QStringList CLibrary::filesTagged(const QString& tag)
{
    QSqlQuery query = mConnection->prepare(
        QStringLiteral("SELECT f.path FROM tags t JOIN files f ON f.sha256 = t.sha256"
                       " WHERE t.tag = ? ORDER BY f.path"));
    query.bindValue(0, tag.simplified());
    return paths(query);
}

bool CLibrary::setStarred(const QString& path, int position, bool starred, QString* error)
{
    const QByteArray sha = contentsHash(path, error);
    if (sha.isEmpty())
        return false;
    QSqlQuery query = mConnection->prepare(
        starred ? QStringLiteral("INSERT OR IGNORE INTO stars(sha256, position) VALUES(?, ?)")
                : QStringLiteral("DELETE FROM stars WHERE sha256 = ? AND position = ?"));
    query.bindValue(0, sha);
    query.bindValue(1, position);
    if (mConnection->run(query))
        return true;
    *error = mConnection->fault() ? mConnection->fault().message
                                  : QStringLiteral("the library could not be written");
    return false;
}

bool CLibrary::isStarred(const QString& path, int position)
{
    QString error;
    const QByteArray sha = contentsHash(path, &error);
    QSqlQuery query = mConnection->prepare(
        QStringLiteral("SELECT 1 FROM stars WHERE sha256 = ? AND position = ?"));
    query.bindValue(0, sha);
    query.bindValue(1, position);
    return !sha.isEmpty() && mConnection->run(query) && query.next();
}

QStringList CLibrary::starredFiles()
{
    QSqlQuery query = mConnection->prepare(
        QStringLiteral("SELECT f.path FROM stars s JOIN files f ON f.sha256 = s.sha256"
                       " WHERE s.position = -1 ORDER BY f.path"));
    return paths(query);
}

std::vector<LibraryBrush> CLibrary::starredBrushes()
{
    return brushes(QStringLiteral("JOIN stars s ON s.sha256 = f.sha256 AND s.position = b.position"
                                  " ORDER BY f.path, b.position"),
                   {});
}

QStringList CLibrary::paths(QSqlQuery& query)
{
    QStringList found;
    if (mConnection->run(query))
        while (query.next())
            found << PathFromNative(query.value(0).toByteArray());
    return mConnection->readAll(query) ? found : QStringList();
}

const LibraryFault& CLibrary::fault() const
{
    return mConnection->fault();
}

LibraryTotals CLibrary::totals()
{
    QSqlQuery query =
        mConnection->prepare(QStringLiteral("SELECT count(*), coalesce(sum(brush_count), 0),"
                                            " coalesce(sum(error IS NOT NULL), 0) FROM files"));
    LibraryTotals totals;
    if (mConnection->run(query) && query.next()) {
        totals.files = query.value(0).toInt();
        totals.brushes = query.value(1).toInt();
        totals.failed = query.value(2).toInt();
    }
    return totals;
}
