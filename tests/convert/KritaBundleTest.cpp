#include "convert/KritaBundle.h"

#include "support/TestUtil.h"

#include <QCryptographicHash>
#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString kManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");

class KritaBundleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QImage wide(40, 10, QImage::Format_ARGB32);
        wide.fill(Qt::red);
        written = {QStringLiteral("Chalk & \"Ink\" <1> 筆"),
                   QStringLiteral("Converted from Chalk & Ink.abr"),
                   QDateTime(QDate(2026, 12, 7), QTime(1, 2, 3), Qt::UTC),
                   wide,
                   {},
                   {},
                   QByteArrayLiteral("5e1f")};
        for (const QString& name :
             {QStringLiteral("001 Chalk.gbr"), QStringLiteral("002 Ünïcødé 筆 \U0001F58C.gbr"),
              QStringLiteral("003 \"quoted\" 'single' & <tag>.gbr")})
            written.resources.push_back({QStringLiteral("brushes"), name, name.toUtf8()});
        written.resources.push_back(
            {QStringLiteral("patterns"), QStringLiteral("001 Chalk.pat"), QByteArray(99, 'p')});
        QString error;
        ASSERT_TRUE(KritaBundle::write(path, written, &error)) << error.toStdString();
    }

    Sandbox sandbox;
    const QString path = sandbox.path(QStringLiteral("pack.bundle"));
    KritaBundle::Contents written;
};

TEST_F(KritaBundleTest, ReadsBackWhatItWrote)
{
    const auto read = KritaBundle::read(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->title, written.title);
    EXPECT_EQ(read->description, written.description);
    EXPECT_EQ(read->created, written.created);
    EXPECT_EQ(read->generator, u"Kelbrin");
    EXPECT_EQ(read->sourceSha256, written.sourceSha256);
    // Fitted, not stretched: the wide picture leaves the top and bottom clear.
    ASSERT_EQ(read->preview.size(), QSize(256, 256));
    EXPECT_EQ(read->preview.pixelColor(128, 128), QColor(Qt::red));
    EXPECT_EQ(read->preview.pixelColor(128, 10).alpha(), 0);
    ASSERT_EQ(read->resources.size(), written.resources.size());
    for (size_t i = 0; i < written.resources.size(); ++i) {
        EXPECT_EQ(read->resources[i].mediaType, written.resources[i].mediaType);
        EXPECT_EQ(read->resources[i].fileName, written.resources[i].fileName);
        EXPECT_EQ(read->resources[i].bytes, written.resources[i].bytes);
    }
}

// Content sniffers look for the mimetype entry's text right after the first local header, so it
// comes first, stored as is (method 0 at byte 8), with no extra field and no newline.
TEST_F(KritaBundleTest, StartsWithTheStoredMimeType)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(74);
    EXPECT_EQ(head.mid(8, 2), QByteArray(2, '\0'));
    EXPECT_EQ(head.mid(26, 4), QByteArray("\x08\0\0\0", 4));
    EXPECT_EQ(head.mid(30), "mimetypeapplication/x-krita-resourcebundlePK");
}

// Read with namespaces, as Krita reads it, the manifest lists the bundle, then every resource
// under its own path with the MD5 of the bytes stored there and the pack's name as its tag.
TEST_F(KritaBundleTest, ManifestListsEveryResourceWithItsChecksumAndTag)
{
    const auto entries = KritaBundle::entries(path);
    ASSERT_TRUE(entries);
    std::map<QString, QByteArray> stored;
    for (const KritaBundle::Entry& entry : *entries)
        stored[entry.name] = entry.bytes;

    QXmlStreamReader manifest(stored[QStringLiteral("META-INF/manifest.xml")]);
    ASSERT_TRUE(manifest.readNextStartElement());
    EXPECT_EQ(manifest.namespaceUri(), kManifestNs);
    EXPECT_EQ(manifest.attributes().value(kManifestNs, QStringLiteral("version")), u"1.2");
    QStringList listed;
    while (manifest.readNextStartElement()) {
        const QXmlStreamAttributes attributes = manifest.attributes();
        const QString path = attributes.value(kManifestNs, QStringLiteral("full-path")).toString();
        listed << path;
        QStringList tags;
        while (manifest.readNextStartElement()) { // manifest:tags
            while (manifest.readNextStartElement())
                tags << manifest.readElementText();
        }
        if (path == u"/")
            continue;
        EXPECT_EQ(attributes.value(kManifestNs, QStringLiteral("md5sum")).toLatin1(),
                  QCryptographicHash::hash(stored[path], QCryptographicHash::Md5).toHex());
        EXPECT_EQ(tags, QStringList{written.title});
    }
    EXPECT_FALSE(manifest.hasError()) << manifest.errorString().toStdString();
    EXPECT_EQ(listed.size(), qsizetype(written.resources.size() + 1));
    EXPECT_EQ(listed.value(0), u"/");
}

TEST_F(KritaBundleTest, RefusesNamesKritaWouldPlaceElsewhere)
{
    const QString bad = sandbox.path(QStringLiteral("bad.bundle"));
    // A lone surrogate would leave the manifest's names empty from there on.
    for (const QString& name : {QString(), QStringLiteral(".."), QStringLiteral("sub/002 Ink.gbr"),
                                QStringLiteral("001 Chalk.gbr"), QChar(0xD800) + QString(".gbr")}) {
        KritaBundle::Contents contents = written;
        contents.resources.push_back({QStringLiteral("brushes"), name, "x"});
        QString error;
        EXPECT_FALSE(KritaBundle::write(bad, contents, &error)) << name.toStdString();
        EXPECT_TRUE(error.contains(bad)) << error.toStdString();
        EXPECT_FALSE(QFile::exists(bad));
    }
    // The reason is the file's, in words, not the ZIP library's code.
    QString error;
    EXPECT_FALSE(
        KritaBundle::write(sandbox.path(QStringLiteral("no/pack.bundle")), written, &error));
    EXPECT_TRUE(
        error.endsWith(QStringLiteral("the file cannot be created: no such file or directory")))
        << error.toStdString();
    {
        KritaBundle::Writer unfinished(bad, written.title, written.description);
        ASSERT_TRUE(unfinished.open(nullptr));
        ASSERT_TRUE(
            unfinished.add(QStringLiteral("brushes"), QStringLiteral("a.gbr"), "a", nullptr));
    }
    EXPECT_FALSE(QFile::exists(bad)) << "a bundle left unfinished stays behind";
    EXPECT_FALSE(KritaBundle::read(sandbox.write(QStringLiteral("not.bundle"), "PK, but no ZIP")));
}

} // namespace
