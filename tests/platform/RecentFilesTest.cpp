#include "platform/RecentFiles.h"

#include "support/TestUtil.h"

#include <QFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

TEST(RecentFiles, AddsEachFileOnceAndKeepsOtherEntries)
{
    QStandardPaths::setTestModeEnabled(true);
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
