#include "support/MadeUpHome.h"

#include "platform/Trash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTime>
#include <gtest/gtest.h>

namespace {
QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString TimeText()
{
    return QTime::currentTime().toString(" HH-mm-ss");
}

// Runs body until it ran within one second of the clock, so the collision names it expects
// all carry the same time; returns that time text.
template <typename Body> QString WithinOneSecond(Body body)
{
    for (;;) {
        const QString before = TimeText();
        body(before);
        if (TimeText() == before)
            return before;
    }
}
} // namespace

TEST(Trash, CollisionNamesPutTimeAndCounterBeforeTheExtension)
{
    EXPECT_EQ(Trash::collisionName("Soft.abr", " 10-02-03", 1), "Soft 10-02-03 2.abr");
    EXPECT_EQ(Trash::collisionName("Soft.x.abr", " 10-02-03", 127), "Soft.x 10-02-03 128.abr");
    EXPECT_EQ(Trash::collisionName("Notes", " 10-02-03", 0), "Notes 10-02-03.");
    EXPECT_EQ(Trash::collisionName(".hidden", " 10-02-03", 2), ".hidden 10-02-03 3.");
    // NAME.trashinfo must fit 255 bytes: a long base loses its end, cut between characters,
    // and keeps what tells the candidates apart; an extension that leaves no room is cut too.
    const QString u(125, QChar(0xFC)); // 250 bytes
    EXPECT_EQ(Trash::collisionName(u + "a.abr", " 10-02-03", 1),
              QString(115, QChar(0xFC)) + " 10-02-03 2.abr");
    EXPECT_EQ(Trash::collisionName("a." + QString(250, 'e'), " 10-02-03", 0),
              "a." + QString(233, 'e') + " 10-02-03.");
}

// Three files of one name trashed within one second, and a file without extension: each gets
// its info file first, every trashed file keeps its bytes, and names taken only in info/ count.
TEST(Trash, HomeTrashWritesInfoFilesAndAvoidsCollisions)
{
    MadeUpHome home;
    const QString trash = home.path(".local/share/Trash");
    QStringList trashed;
    const QString time = WithinOneSecond([&](const QString&) {
        QDir(trash).removeRecursively();
        trashed.clear();
        for (int i = 0; i < 3; ++i) {
            const QString source = home.file("Pinsel ü 100%.abr", QByteArray::number(i));
            const Trash::Result result = Trash::trashPath(source);
            ASSERT_TRUE(result.succeeded) << qPrintable(result.reason);
            EXPECT_FALSE(QFile::exists(source));
            trashed << result.trashedPath.mid(trash.size() + 1);
        }
        home.file("Notes", "n");
        home.file(".local/share/Trash/info/Notes.trashinfo", "stale");
        trashed << Trash::trashPath(home.path("Notes")).trashedPath.mid(trash.size() + 1);
    });
    EXPECT_EQ(trashed,
              QStringList({"files/Pinsel ü 100%.abr", "files/Pinsel ü 100%" + time + ".abr",
                           "files/Pinsel ü 100%" + time + " 2.abr", "files/Notes" + time + "."}));
    EXPECT_EQ(Contents(trash + "/files/Pinsel ü 100%" + time + " 2.abr"), "2");

    const QByteArray info = Contents(trash + "/info/Pinsel ü 100%" + time + ".abr.trashinfo");
    const QByteArray expectedPath =
        "Path=" + QFile::encodeName(home.path()).toPercentEncoding("/") +
        "/Pinsel%20%C3%BC%20100%25.abr\n";
    EXPECT_TRUE(info.startsWith("[Trash Info]\n" + expectedPath)) << info.constData();
    const QDateTime date = QDateTime::fromString(
        QString::fromUtf8(info.mid(info.indexOf("DeletionDate=") + 13).trimmed()), Qt::ISODate);
    EXPECT_LE(qAbs(date.secsTo(QDateTime::currentDateTime())), 5);
}

// Every candidate name taken: refused, and the file stays where it was.
TEST(Trash, RefusesWhenAllCandidateNamesAreTaken)
{
    MadeUpHome home;
    QString source;
    Trash::Result result;
    // A round that crosses into the next second may trash the file under a new time: the next
    // round starts over.
    WithinOneSecond([&](const QString& time) {
        QDir(home.path(".local/share/Trash")).removeRecursively();
        source = home.file("Soft.abr", "mine");
        home.file(".local/share/Trash/files/Soft.abr", "");
        for (int k = 0; k < 128; ++k)
            home.file(".local/share/Trash/files/" + Trash::collisionName("Soft.abr", time, k), "");
        result = Trash::trashPath(source);
    });
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(Contents(source), "mine");
    EXPECT_EQ(QDir(home.path(".local/share/Trash/info")).entryList(QDir::Files), QStringList());
}

// File managers put a file back from the Path= line; ours must be GLib's, byte for byte.
TEST(Trash, PathLineIsTheOneGioWrites)
{
    const QString gio = QStandardPaths::findExecutable("gio");
    if (gio.isEmpty())
        GTEST_SKIP() << "gio is not installed (Debian package libglib2.0-bin)";
    MadeUpHome home;
    const QString source = home.file("Ordner #1/Kreide & Öl [alt].abr", "gio");
    QProcess process;
    process.start(gio, {"trash", source});
    ASSERT_TRUE(process.waitForFinished(20000));
    if (process.exitCode() != 0 || QFile::exists(source))
        GTEST_SKIP() << "gio trash failed here: " << process.readAllStandardError().constData();
    const QString trash = home.path(".local/share/Trash");
    const QByteArray gioInfo = Contents(trash + "/info/Kreide & Öl [alt].abr.trashinfo");
    ASSERT_TRUE(gioInfo.contains("\nPath=/")) << gioInfo.constData();

    home.file("Ordner #1/Kreide & Öl [alt].abr", "ours");
    const Trash::Result ours = Trash::trashPath(source);
    ASSERT_TRUE(ours.succeeded) << qPrintable(ours.reason);
    const QString name = ours.trashedPath.section('/', -1);
    const QByteArray ourInfo = Contents(trash + "/info/" + name + ".trashinfo");
    const auto pathLine = [](const QByteArray& info) {
        const int at = info.indexOf("\nPath=");
        return info.mid(at + 1, info.indexOf('\n', at + 1) - at - 1);
    };
    EXPECT_EQ(pathLine(ourInfo), pathLine(gioInfo));
    EXPECT_TRUE(ourInfo.startsWith("[Trash Info]\n"));
}

// A trashed file goes back to the path its info file names, and the info file goes; a path
// taken meanwhile, or a folder gone, is refused and the file stays in the trash.
TEST(Trash, RestorePutsAFileBackUnlessItsPlaceIsTaken)
{
    MadeUpHome home;
    const QString source = home.file("Inks/Wet ü 100%.abr", "wet");
    const Trash::Result trashed = Trash::trashPath(source);
    ASSERT_TRUE(trashed.succeeded) << qPrintable(trashed.reason);
    const QString info = home.path(".local/share/Trash/info/") +
                         QFileInfo(trashed.trashedPath).fileName() + ".trashinfo";
    ASSERT_TRUE(QFile::exists(info));

    home.file("Inks/Wet ü 100%.abr", "another");
    Trash::Result back = Trash::restore(trashed.trashedPath);
    EXPECT_FALSE(back.succeeded);
    EXPECT_EQ(back.reason, source + " is taken by another file now");
    EXPECT_EQ(Contents(source), "another");
    EXPECT_EQ(Contents(trashed.trashedPath), "wet");

    QDir(home.path("Inks")).removeRecursively();
    EXPECT_EQ(Trash::restore(trashed.trashedPath).reason,
              "its folder " + home.path("Inks") + " is gone");
    QDir().mkpath(home.path("Inks"));
    back = Trash::restore(trashed.trashedPath);
    ASSERT_TRUE(back.succeeded) << qPrintable(back.reason);
    EXPECT_EQ(back.trashedPath, source);
    EXPECT_EQ(Contents(source), "wet");
    EXPECT_FALSE(QFile::exists(trashed.trashedPath));
    EXPECT_FALSE(QFile::exists(info));
    EXPECT_FALSE(Trash::restore(trashed.trashedPath).succeeded);
}
