#include "convert/KritaBundle.h"

#include "support/TestUtil.h"

#include <QCryptographicHash>
#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

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

// Each entry of a ZIP archive by name: its central directory record with the offset of its
// local header blanked, and its data as stored.
std::map<QString, std::pair<QByteArray, QByteArray>> ZipRecords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray zip = file.readAll();
    const auto number = [&](qsizetype at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | uchar(zip.at(at + i));
        return value;
    };
    std::map<QString, std::pair<QByteArray, QByteArray>> records;
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return {};
    qsizetype at = number(end + 16, 4);
    for (quint32 i = 0; i < number(end + 10, 2) && at + 46 <= zip.size(); ++i) {
        const qsizetype record = 46 + number(at + 28, 2) + number(at + 30, 2) + number(at + 32, 2);
        const qsizetype local = number(at + 42, 4);
        const qsizetype data = local + 30 + number(local + 26, 2) + number(local + 28, 2);
        QByteArray central = zip.mid(at, record);
        central.replace(42, 4, QByteArray(4, '\0'));
        records[QString::fromUtf8(zip.mid(at + 46, number(at + 28, 2)))] = {
            central, zip.mid(data, number(at + 20, 4))};
        at += record;
    }
    return records;
}

// Entries are deflated ahead of the writer, on other threads; the archive must hold each just
// as the ZIP library writes it when it deflates the bytes itself, down to the flag that marks
// text, which zlib decides while deflating.
TEST_F(KritaBundleTest, EntriesAreStoredAsTheZipLibraryDeflatesThem)
{
    QByteArray noise(70000, Qt::Uninitialized);
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7 + i / 300) & 255);
    const std::vector<KritaBundle::Resource> resources = {
        {QStringLiteral("brushes"), QStringLiteral("text.gbr"), QByteArray(5000, 'p')},
        {QStringLiteral("brushes"), QStringLiteral("noise.gbr"), noise},
        {QStringLiteral("patterns"), QStringLiteral("empty.pat"), QByteArray()},
        {QStringLiteral("paintoppresets"), QStringLiteral("stored.kpp"), noise.left(999)}};
    KritaBundle::Contents contents = written;
    contents.resources = resources;
    const QString bundle = sandbox.path(QStringLiteral("ahead.bundle"));
    QString error;
    ASSERT_TRUE(KritaBundle::write(bundle, contents, &error)) << error.toStdString();

    const QString reference = sandbox.path(QStringLiteral("reference.zip"));
    {
        QuaZip zip(reference);
        zip.setUtf8Enabled(true);
        ASSERT_TRUE(zip.open(QuaZip::mdCreate));
        for (const KritaBundle::Resource& resource : resources) {
            QuaZipNewInfo info(resource.mediaType + u'/' + resource.fileName);
            info.dateTime = written.created.toLocalTime();
            info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ReadGroup | QFileDevice::ReadOther);
            const bool stored = resource.mediaType == u"paintoppresets";
            QuaZipFile file(&zip);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly, info, nullptr, 0, stored ? 0 : Z_DEFLATED,
                                  stored ? 0 : Z_DEFAULT_COMPRESSION));
            ASSERT_EQ(file.write(resource.bytes), resource.bytes.size());
            file.close();
        }
        zip.close();
    }
    const auto ours = ZipRecords(bundle);
    const auto theirs = ZipRecords(reference);
    ASSERT_EQ(theirs.size(), resources.size());
    for (const auto& [name, record] : theirs) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_EQ(ours.count(name), 1u);
        EXPECT_EQ(ours.at(name).first.toHex(), record.first.toHex());
        EXPECT_EQ(ours.at(name).second, record.second);
    }
    // Internal attributes: zlib took the first for text, the second for binary.
    EXPECT_EQ(theirs.at(QStringLiteral("brushes/text.gbr")).first.at(36), 1);
    EXPECT_EQ(theirs.at(QStringLiteral("brushes/noise.gbr")).first.at(36), 0);

    // A resource handed over in pieces (a tip's header, then its pixels where they lie) is
    // prepared as its bytes in one.
    for (const KritaBundle::Resource& resource : resources) {
        SCOPED_TRACE(resource.fileName.toStdString());
        const QByteArrayView bytes(resource.bytes);
        const qsizetype cut = bytes.size() / 3;
        const KritaBundle::Prepared whole =
            KritaBundle::prepare(resource.mediaType, resource.bytes);
        const KritaBundle::Prepared pieces = KritaBundle::prepare(
            resource.mediaType, {bytes.first(cut), QByteArrayView(), bytes.sliced(cut)});
        EXPECT_EQ(pieces.data, whole.data);
        EXPECT_EQ(pieces.md5, whole.md5);
        EXPECT_EQ(pieces.crc, whole.crc);
        EXPECT_EQ(pieces.size, whole.size);
        EXPECT_EQ(pieces.deflated, whole.deflated);
        EXPECT_EQ(whole.deflated, !whole.stored && resource.fileName != u"text.gbr");
    }
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
