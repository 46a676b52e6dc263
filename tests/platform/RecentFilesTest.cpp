#include "platform/RecentFiles.h"

#include "platform/NativePath.h"
#include "platform/WriteNewFile.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>
#include <unistd.h>

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

// The list belongs to every program on the desktop: noting a file that is there changes the
// dates of its entry, wherever they stand among its attributes, and leaves every other byte as
// it was.
TEST(RecentFiles, OtherProgramsEntriesStayByteForByte)
{
    OwnDataHome home;
    Sandbox box;
    // A name that is not UTF-8, as the file manager writes it: percent-encoded bytes.
    const QString latin1 = PathFromNative(PathToNative(box.path({})) + "/caf\xe9.abr");
    QString error;
    ASSERT_TRUE(WriteNewFile(latin1, "x", &error)) << error.toStdString();
    // QTemporaryDir cannot remove it.
    const auto removeLatin1 = qScopeGuard([&] { ::unlink(PathToNative(latin1).constData()); });
    const QString href = QString::fromLatin1(FileUrlFromPath(latin1).toEncoded());
    const QString before =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- kept -->\n"
        "<xbel xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\" "
        "version=\"1.0\" "
        "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\">\n"
        "  <bookmark href=\"file:///home/me/notes%20&amp;%20plans.txt\" "
        "added=\"2020-01-01T00:00:00Z\" "
        "modified=\"2020-01-01T00:00:00Z\" visited=\"2020-01-01T00:00:00Z\">\n"
        "    <title>Notes &amp; plans &lt;draft&gt;</title>\n"
        "    <info><metadata owner=\"http://freedesktop.org\"><mime:mime-type "
        "type=\"text/plain\"/>\n"
        "      <bookmark:applications><bookmark:application name=\"Editor\" exec=\"'editor %u'\" "
        "modified=\"2020-01-01T00:00:00Z\" count=\"3\"/></bookmark:applications>\n"
        "    </metadata><extra:note xmlns:extra=\"urn:example\" "
        "extra:w=\"2\">text</extra:note></info>\n"
        "  </bookmark>\n"
        "  <bookmark visited=\"2020-01-02T00:00:00Z\" href=\"" +
        href +
        "\" modified=\"2020-01-03T00:00:00Z\" added=\"2020-01-01T00:00:00Z\"/>\n"
        "</xbel>\n";
    QDir().mkpath(QFileInfo(RecentFilesPath()).path());
    ASSERT_TRUE(ReplaceFile(RecentFilesPath(), before.toUtf8(), &error));

    NoteRecentFile(latin1);
    QFile file(RecentFilesPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString after = QString::fromUtf8(file.readAll());
    const QString now = after.section(QStringLiteral("<bookmark visited=\""), 1).section('"', 0, 0);
    QString expected = before;
    expected.replace("2020-01-02T00:00:00Z", now).replace("2020-01-03T00:00:00Z", now);
    EXPECT_EQ(after.toStdString(), expected.toStdString());
    EXPECT_EQ(RecentBrushFiles(10), QStringList{latin1});
}

TEST(RecentFiles, AListThatIsNotXbelIsLeftAlone)
{
    OwnDataHome home;
    QDir().mkpath(QFileInfo(RecentFilesPath()).path());
    for (const QByteArray& list : {QByteArray("<xbel version=\"1.0\"><bookmark href=\"x\">"),
                                   QByteArray("<?xml version=\"1.0\"?>\n<other/>\n")}) {
        QString error;
        ASSERT_TRUE(ReplaceFile(RecentFilesPath(), list, &error));
        NoteRecentFile(QStringLiteral("/data/a.abr"));
        QFile file(RecentFilesPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), list);
    }
}
