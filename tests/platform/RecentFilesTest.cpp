#include "platform/RecentFiles.h"

#include "support/TestUtil.h"

#include <QFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {
// A recently-used list of the test's own: the window tests write theirs at the same time.
struct OwnDataHome
{
    Sandbox box;
    OwnDataHome()
    {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_DATA_HOME", box.path(QStringLiteral("share")).toUtf8());
    }
    ~OwnDataHome() { qunsetenv("XDG_DATA_HOME"); }
};
} // namespace

TEST(RecentFiles, AddsEachFileOnceAndKeepsOtherEntries)
{
    OwnDataHome home;
    QFile::remove(RecentFilesPath());
    NoteRecentFile(QStringLiteral("/data/a b.abr"));
    NoteRecentFile(QStringLiteral("/data/a b.abr"));
    NoteRecentFile(QStringLiteral("/data/c&d.abr"));

    QFile file(RecentFilesPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList hrefs;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("bookmark"))
            hrefs << xml.attributes().value("href").toString();
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_EQ(hrefs, (QStringList{"file:///data/a%20b.abr", "file:///data/c&d.abr"}));
    file.close();
    QFile::remove(RecentFilesPath());
}

TEST(RecentFiles, ReopeningMovesAFileToTheTopAndOnlyExistingBrushFilesAreListed)
{
    OwnDataHome home;
    QFile::remove(RecentFilesPath());
    Sandbox box;
    const QString a = box.write("a.abr", "x"), b = box.write("b.ABR", "x"),
                  c = box.write("c.abr", "x"), text = box.write("notes.txt", "x");
    for (const QString& path : {a, b, c, text, box.path("gone.abr")})
        NoteRecentFile(path);
    EXPECT_EQ(RecentBrushFiles(10), (QStringList{c, b, a}));
    NoteRecentFile(a);
    EXPECT_EQ(RecentBrushFiles(2), (QStringList{a, c}));
    QFile::remove(RecentFilesPath());
    EXPECT_TRUE(RecentBrushFiles(10).isEmpty());
}
