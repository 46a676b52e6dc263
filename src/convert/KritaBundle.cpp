#include "convert/KritaBundle.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QPainter>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {
const QString kManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString kMetaNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
const QString kDcNs = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString kMimeTypeEntry = QStringLiteral("mimetype");
const QString kManifestEntry = QStringLiteral("META-INF/manifest.xml");
const QString kMetaEntry = QStringLiteral("meta.xml");
const QString kPreviewEntry = QStringLiteral("preview.png");

QString ResourcePath(const KritaBundle::Resource& resource)
{
    return resource.mediaType + u'/' + resource.fileName;
}

QString NameProblem(const KritaBundle::Contents& contents)
{
    QSet<QString> seen;
    for (const KritaBundle::Resource& resource : contents.resources) {
        for (const QString& part : {resource.mediaType, resource.fileName}) {
            if (part.isEmpty() || part == u"." || part == u".." || part.contains(u'/'))
                return QStringLiteral("\"%1\" is no plain file name").arg(part);
        }
        const QString path = ResourcePath(resource);
        if (seen.contains(path))
            return QStringLiteral("\"%1\" is there twice").arg(path);
        seen.insert(path);
    }
    return {};
}

// An XML document whose root element is written by body, in namespace ns with the prefix.
template <typename Body>
QByteArray XmlDocument(const QString& ns, const QString& prefix, const QString& root, Body body)
{
    QByteArray xml;
    QXmlStreamWriter out(&xml);
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeNamespace(ns, prefix);
    out.writeStartElement(ns, root);
    body(out);
    out.writeEndDocument();
    return xml;
}

QByteArray MetaXml(const KritaBundle::Contents& contents, const QDateTime& created)
{
    return XmlDocument(
        kMetaNs, QStringLiteral("meta"), QStringLiteral("meta"), [&](QXmlStreamWriter& out) {
            out.writeNamespace(kDcNs, QStringLiteral("dc"));
            out.writeTextElement(kMetaNs, QStringLiteral("generator"), QStringLiteral("Kelbrin"));
            out.writeTextElement(kMetaNs, QStringLiteral("bundle-version"), QStringLiteral("1"));
            out.writeTextElement(kDcNs, QStringLiteral("title"), contents.title);
            out.writeTextElement(kDcNs, QStringLiteral("description"), contents.description);
            out.writeTextElement(kMetaNs, QStringLiteral("creation-date"),
                                 created.toUTC().toString(Qt::ISODate));
        });
}

QByteArray ManifestXml(const KritaBundle::Contents& contents)
{
    const QString manifest = QStringLiteral("manifest");
    return XmlDocument(kManifestNs, manifest, manifest, [&](QXmlStreamWriter& out) {
        out.writeAttribute(kManifestNs, QStringLiteral("version"), QStringLiteral("1.2"));
        out.writeEmptyElement(kManifestNs, QStringLiteral("file-entry"));
        out.writeAttribute(kManifestNs, QStringLiteral("media-type"),
                           QLatin1StringView(KritaBundle::kMimeType));
        out.writeAttribute(kManifestNs, QStringLiteral("full-path"), QStringLiteral("/"));
        for (const KritaBundle::Resource& resource : contents.resources) {
            out.writeStartElement(kManifestNs, QStringLiteral("file-entry"));
            out.writeAttribute(kManifestNs, QStringLiteral("media-type"), resource.mediaType);
            out.writeAttribute(kManifestNs, QStringLiteral("full-path"), ResourcePath(resource));
            out.writeAttribute(
                kManifestNs, QStringLiteral("md5sum"),
                QString::fromLatin1(
                    QCryptographicHash::hash(resource.bytes, QCryptographicHash::Md5).toHex()));
            out.writeStartElement(kManifestNs, QStringLiteral("tags"));
            out.writeTextElement(kManifestNs, QStringLiteral("tag"), contents.title);
            out.writeEndElement();
            out.writeEndElement();
        }
    });
}

QByteArray PreviewPng(const QImage& picture)
{
    QImage canvas(KritaBundle::kPreviewSide, KritaBundle::kPreviewSide,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    if (!picture.isNull()) {
        const QImage fitted =
            picture.scaled(canvas.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&canvas);
        painter.drawImage((canvas.width() - fitted.width()) / 2,
                          (canvas.height() - fitted.height()) / 2, fitted);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    canvas.save(&buffer, "PNG");
    return png;
}

bool AddEntry(QuaZip& zip, const QString& name, const QByteArray& bytes, const QDateTime& time,
              bool stored)
{
    QuaZipNewInfo info(name);
    info.dateTime = time.toLocalTime();
    info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, stored ? 0 : Z_DEFLATED,
                   stored ? 0 : Z_DEFAULT_COMPRESSION))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.getZipError() == ZIP_OK;
}

// The meta.xml fields this program writes, found by their prefixed names as Krita does.
void ReadMeta(const QByteArray& xml, KritaBundle::Contents& contents)
{
    QXmlStreamReader in(xml);
    in.setNamespaceProcessing(false);
    while (in.readNextStartElement()) {
        if (in.qualifiedName() == u"meta:meta")
            continue;
        const QStringView name = in.qualifiedName();
        const QString text = in.readElementText(QXmlStreamReader::IncludeChildElements);
        if (name == u"dc:title")
            contents.title = text;
        else if (name == u"dc:description")
            contents.description = text;
        else if (name == u"meta:creation-date")
            contents.created = QDateTime::fromString(text, Qt::ISODate);
    }
}

struct ManifestEntry
{
    QString mediaType;
    QString fullPath;
};

std::vector<ManifestEntry> ReadManifest(const QByteArray& xml)
{
    std::vector<ManifestEntry> listed;
    QXmlStreamReader in(xml);
    while (!in.atEnd()) {
        if (in.readNext() != QXmlStreamReader::StartElement || in.name() != u"file-entry" ||
            in.namespaceUri() != kManifestNs)
            continue;
        const QXmlStreamAttributes attributes = in.attributes();
        ManifestEntry entry{attributes.value(kManifestNs, QStringLiteral("media-type")).toString(),
                            attributes.value(kManifestNs, QStringLiteral("full-path")).toString()};
        if (entry.fullPath != u"/")
            listed.push_back(entry);
    }
    return listed;
}
} // namespace

bool KritaBundle::write(const QString& path, const Contents& contents, QString* error)
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("cannot write the bundle %1: %2").arg(path, reason);
        return false;
    };
    if (const QString problem = NameProblem(contents); !problem.isEmpty())
        return fail(problem);

    const QDateTime created =
        contents.created.isValid() ? contents.created : QDateTime::currentDateTimeUtc();
    QuaZip zip(path);
    zip.setUtf8Enabled(true); // names as UTF-8, flagged so, whatever the locale
    if (!zip.open(QuaZip::mdCreate))
        return fail(QStringLiteral("the file cannot be created (error %1)").arg(zip.getZipError()));
    bool written = AddEntry(zip, kMimeTypeEntry, kMimeType, created, true) &&
                   AddEntry(zip, kMetaEntry, MetaXml(contents, created), created, false) &&
                   AddEntry(zip, kManifestEntry, ManifestXml(contents), created, false) &&
                   AddEntry(zip, kPreviewEntry, PreviewPng(contents.preview), created, false);
    for (auto it = contents.resources.begin(); written && it != contents.resources.end(); ++it)
        written = AddEntry(zip, ResourcePath(*it), it->bytes, created, false);
    zip.close();
    if (!written || zip.getZipError() != ZIP_OK)
        return fail(
            QStringLiteral("an entry could not be stored (error %1)").arg(zip.getZipError()));
    return true;
}

std::optional<std::vector<KritaBundle::Entry>> KritaBundle::entries(const QString& path)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return std::nullopt;
    std::vector<Entry> found;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        found.push_back({zip.getCurrentFileName(), file.readAll()});
        file.close();
        if (file.getZipError() != UNZ_OK)
            return std::nullopt;
    }
    return found;
}

std::optional<KritaBundle::Contents> KritaBundle::read(const QString& path)
{
    const auto stored = entries(path);
    if (!stored || stored->empty() || stored->front().name != kMimeTypeEntry ||
        stored->front().bytes != kMimeType)
        return std::nullopt;
    auto bytesOf = [&](const QString& name) -> const QByteArray* {
        for (const Entry& entry : *stored) {
            if (entry.name == name)
                return &entry.bytes;
        }
        return nullptr;
    };
    const QByteArray* meta = bytesOf(kMetaEntry);
    const QByteArray* manifest = bytesOf(kManifestEntry);
    if (!meta || !manifest)
        return std::nullopt;

    Contents contents;
    ReadMeta(*meta, contents);
    if (const QByteArray* preview = bytesOf(kPreviewEntry))
        contents.preview = QImage::fromData(*preview, "PNG");
    for (const ManifestEntry& listed : ReadManifest(*manifest)) {
        const QByteArray* bytes = bytesOf(listed.fullPath);
        const QString folder = listed.mediaType + u'/';
        if (!bytes || !listed.fullPath.startsWith(folder))
            return std::nullopt;
        contents.resources.push_back(
            {listed.mediaType, listed.fullPath.mid(folder.size()), *bytes});
    }
    return contents;
}
