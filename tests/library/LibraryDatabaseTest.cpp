#include "library/CLibrary.h"
#include "library/CLibraryConnection.h"
#include "library/CatalogueEntry.h"
#include "support/MadeUpHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {
QVariant Scalar(CLibraryConnection& c, const QString& sql)
{
    QSqlQuery query = c.prepare(sql);
    return query.exec() && query.next() ? query.value(0) : QVariant();
}

QStringList BrokenCopies(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("library.sqlite.broken-*")}, QDir::Files);
}
} // namespace

TEST(LibraryDatabase, NewLibrary_HasTheCurrentSchemaInWalMode_AndPreparingAgainChangesNothing)
{
    MadeUpHome home;
    const QString path = DefaultLibraryPath();
    EXPECT_EQ(path, home.path(QStringLiteral(".local/share/kelbrin/library.sqlite")));
    const LibraryStatus status = PrepareLibrary(path);
    ASSERT_TRUE(status.available);
    EXPECT_TRUE(status.message.isEmpty());
    {
        CLibraryConnection c(path);
        EXPECT_EQ(Scalar(c, QStringLiteral("PRAGMA user_version")).toInt(), kLibrarySchemaVersion);
        EXPECT_EQ(Scalar(c, QStringLiteral("PRAGMA journal_mode")).toString(), "wal");
        EXPECT_TRUE(c.exec(QStringLiteral("INSERT INTO tags VALUES(x'01', 'kept')")));
    }
    EXPECT_TRUE(PrepareLibrary(path).available);
    CLibraryConnection c(path);
    EXPECT_EQ(Scalar(c, QStringLiteral("SELECT tag FROM tags")).toString(), "kept");
}

// A library of an older schema is brought up to date; one from a newer build is left alone.
TEST(LibraryDatabase, Migration_FromVersionsZeroAndOne_ANewerSchemaIsLeftAlone)
{
    MadeUpHome home;
    const QString path = home.folder(QStringLiteral("data")) + QStringLiteral("/library.sqlite");
    {
        CLibraryConnection c(path);
        ASSERT_TRUE(c.exec(QStringLiteral("CREATE TABLE unrelated(x)")));
    }
    ASSERT_TRUE(PrepareLibrary(path).available);
    {
        CLibraryConnection c(path);
        EXPECT_EQ(Scalar(c, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN"
                                           " ('files', 'brushes', 'thumbnails', 'tags', 'stars')"))
                      .toInt(),
                  5);
        // Back to the first schema, with a file catalogued: it keeps its row, change time
        // unknown, and is marked to be read again for its presets.
        ASSERT_TRUE(c.exec(QStringLiteral("ALTER TABLE files DROP COLUMN ctime")));
        ASSERT_TRUE(c.exec(QStringLiteral("ALTER TABLE brushes DROP COLUMN diameter")));
        ASSERT_TRUE(c.exec(QStringLiteral("ALTER TABLE brushes DROP COLUMN spacing")));
        ASSERT_TRUE(c.exec(QStringLiteral("DROP TABLE star_names")));
        ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO files(path, size, mtime, inode, device,"
                                          " sha256) VALUES(x'2f61', 1, 2, 3, 4, x'00')")));
        ASSERT_TRUE(c.exec(QStringLiteral("PRAGMA user_version = 1")));
    }
    ASSERT_TRUE(PrepareLibrary(path).available);
    {
        CLibraryConnection c(path);
        EXPECT_EQ(
            Scalar(c, QStringLiteral("SELECT size || ' ' || mtime || ' ' || ctime FROM files"))
                .toString(),
            "1 -1 0");
        ASSERT_TRUE(
            c.exec(QStringLiteral("PRAGMA user_version = %1").arg(kLibrarySchemaVersion + 1)));
    }
    const LibraryStatus newer = PrepareLibrary(path);
    EXPECT_FALSE(newer.available);
    EXPECT_TRUE(newer.message.contains(QStringLiteral("newer")));
    EXPECT_TRUE(BrokenCopies(home.path(QStringLiteral("data"))).isEmpty());
}

// Garbage where the library should be is set aside once, with a message; the next start
// finds the new library and says nothing. A folder that cannot be made gives no library.
TEST(LibraryDatabase, DamagedLibraryMovedAsideOnce_UnwritableFolderRunsWithout)
{
    MadeUpHome home;
    const QString folder = home.folder(QStringLiteral("data"));
    const QString path = folder + QStringLiteral("/library.sqlite");
    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, 'x'));
    garbage.close();

    const LibraryStatus first = PrepareLibrary(path);
    EXPECT_TRUE(first.available);
    EXPECT_TRUE(first.message.contains(QStringLiteral("set aside"))) << first.message.toStdString();
    ASSERT_EQ(BrokenCopies(folder).size(), 1);
    const LibraryStatus second = PrepareLibrary(path);
    EXPECT_TRUE(second.available);
    EXPECT_TRUE(second.message.isEmpty());
    EXPECT_EQ(BrokenCopies(folder).size(), 1);

    // A file where the folder should be: no folder can be made there, whoever runs the test.
    const QString blocked =
        home.file(QStringLiteral("blocked"), "x") + QStringLiteral("/kelbrin/library.sqlite");
    const LibraryStatus off = PrepareLibrary(blocked);
    EXPECT_FALSE(off.available);
    EXPECT_TRUE(off.message.contains(QStringLiteral("cannot be written")));
}

// Two writers at once, each with its own connection as two processes would have: every
// transaction goes through, none fails as locked.
TEST(LibraryDatabase, TwoConnectionsWritingAtOnce_NeitherFails)
{
    MadeUpHome home;
    const QString path = DefaultLibraryPath();
    ASSERT_TRUE(PrepareLibrary(path).available);
    std::atomic<int> failures{0};
    auto writer = [&](char who) {
        CLibraryConnection c(path);
        for (int i = 0; i < 150; ++i) {
            if (!c.beginWrite()) {
                ++failures;
                continue;
            }
            QSqlQuery insert = c.prepare(QStringLiteral("INSERT INTO tags VALUES(?, ?)"));
            insert.bindValue(0, QByteArray(1, who));
            insert.bindValue(1, QString::number(i));
            if (!insert.exec() || !c.commit())
                ++failures;
        }
    };
    std::thread a(writer, 'a');
    std::thread b(writer, 'b');
    a.join();
    b.join();
    EXPECT_EQ(failures.load(), 0);
    CLibraryConnection c(path);
    EXPECT_EQ(Scalar(c, QStringLiteral("SELECT count(*) FROM tags")).toInt(), 300);
}

// Damage in the middle of the file: a connection reading the damaged page says so (a search
// answers nothing rather than the brushes before it), and making the library ready finds it
// before any search does and sets the file aside.
TEST(LibraryDatabase, DamageInTheMiddle_IsAFaultOfTheStatementThatMeetsIt_AndFoundWhenOpened)
{
    MadeUpHome home;
    const QString path = DefaultLibraryPath();
    ASSERT_TRUE(PrepareLibrary(path).available);
    {
        CLibraryConnection c(path);
        ASSERT_TRUE(c.beginWrite());
        QSqlQuery brush = c.prepare(QStringLiteral(
            "INSERT INTO brushes(file_id, position, name, folded_name, kind, width, height,"
            " depth, tip_hash) VALUES(1, ?, ?, ?, 0, 4, 4, 8, x'00')"));
        ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO files(id, path, size, mtime, inode, device,"
                                          " sha256) VALUES(1, x'2f61', 0, 0, 0, 0, x'00')")));
        for (int i = 0; i < 5000; ++i) {
            brush.bindValue(0, i);
            // Long names make the brushes' own pages most of the file, so the middle is one
            // of them.
            brush.bindValue(1, QStringLiteral("soft %1 ").arg(i) + QString(300, QLatin1Char('x')));
            brush.bindValue(2, QStringLiteral("soft %1").arg(i));
            ASSERT_TRUE(c.run(brush));
        }
        ASSERT_TRUE(c.commit());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    // A whole page: damage within one could fall in its free space and go unseen.
    constexpr qint64 kPage = 16384;
    ASSERT_TRUE(file.seek(file.size() / 2 / kPage * kPage));
    file.write(QByteArray(kPage, '\x5a'));
    file.close();
    {
        CLibrary library(path);
        EXPECT_TRUE(library.searchBrushNames(QStringLiteral("soft"), -1).empty());
        EXPECT_EQ(library.fault().kind, eLibraryFault::damaged);
        EXPECT_TRUE(library.fault().message.contains(path)) << qPrintable(library.fault().message);
    }
    const LibraryStatus status = PrepareLibrary(path);
    EXPECT_TRUE(status.setAside);
    EXPECT_EQ(BrokenCopies(QFileInfo(path).absolutePath()).size(), 1);
}

TEST(LibraryDatabase, FoldedName_IgnoresCaseAccentsAndCompatibilityForms)
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("Éclat Sec"), QStringLiteral("eclat sec")},
        {QStringLiteral("ÉCLAT"), QStringLiteral("eclat")},
        {QStringLiteral("\u039f\u0394\u038c\u03a3"), QStringLiteral("\u03bf\u03b4\u03bf\u03c3")},
        {QStringLiteral("\ufb01ne Ink"), QStringLiteral("fine ink")}, // the "fi" ligature
        {QStringLiteral("Ｗｉｄｅ"), QStringLiteral("wide")},         // full-width letters
        {QStringLiteral("Dry Ink 3"), QStringLiteral("dry ink 3")},
    };
    for (const auto& [name, folded] : cases)
        EXPECT_EQ(FoldedName(name), folded) << name.toStdString();
}
