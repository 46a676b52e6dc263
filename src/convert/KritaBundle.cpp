#include "convert/KritaBundle.h"

#include "convert/PackMark.h"
#include "platform/ValidName.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileDevice>
#include <QPainter>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <limits>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <zlib.h>

namespace {
const QString kManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString kMetaNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
const QString kDcNs = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString kMimeTypeEntry = QStringLiteral("mimetype");
const QString kManifestEntry = QStringLiteral("META-INF/manifest.xml");
const QString kMetaEntry = QStringLiteral("meta.xml");
const QString kPreviewEntry = QStringLiteral("preview.png");

// Starts an XML document whose root element is in namespace ns with the prefix.
void StartDocument(QXmlStreamWriter& out, const QString& ns, const QString& prefix,
                   const QString& root)
{
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeNamespace(ns, prefix);
    out.writeStartElement(ns, root);
}

// What a failed ZIP call means, in words. The ZIP library answers with a code; when the file
// underneath failed (-1, "see errno"), the file's own message says why (a full disk, a
// missing folder), and that is what the person reading it needs.
QString ZipFailure(int code, const QFileDevice* file)
{
    if (code == ZIP_ERRNO || code == UNZ_OPENERROR) {
        if (file && file->error() != QFileDevice::NoError) {
            QString text = file->errorString(); // "No space left on device", inside a sentence
            if (text.size() > 1 && text.at(0).isUpper() && text.at(1).isLower())
                text[0] = text.at(0).toLower();
            return text;
        }
        return code == UNZ_OPENERROR ? QStringLiteral("the file could not be opened")
                                     : QStringLiteral("the file could not be written");
    }
    switch (code) {
    case ZIP_PARAMERROR:
        return QStringLiteral("the ZIP library was called wrongly");
    case ZIP_BADZIPFILE:
        return QStringLiteral("the ZIP archive is malformed");
    case ZIP_INTERNALERROR:
        return QStringLiteral("the ZIP library failed");
    default:
        return QStringLiteral("the ZIP library failed (%1)").arg(code);
    }
}

// Empty when the XML writer failed, as it does on text that is not valid UTF-16.
QByteArray MetaXml(const QString& title, const QString& description, const QDateTime& created,
                   const QByteArray& sourceSha256)
{
    QByteArray xml;
    QXmlStreamWriter out(&xml);
    StartDocument(out, kMetaNs, QStringLiteral("meta"), QStringLiteral("meta"));
    out.writeNamespace(kDcNs, QStringLiteral("dc"));
    out.writeTextElement(kMetaNs, QStringLiteral("generator"), QStringLiteral("Kelbrin"));
    out.writeTextElement(kMetaNs, QStringLiteral("bundle-version"), QStringLiteral("1"));
    out.writeTextElement(kDcNs, QStringLiteral("title"), title);
    out.writeTextElement(kDcNs, QStringLiteral("description"), description);
    out.writeTextElement(kMetaNs, QStringLiteral("creation-date"),
                         created.toUTC().toString(Qt::ISODate));
    if (!sourceSha256.isEmpty()) {
        out.writeEmptyElement(kMetaNs, QStringLiteral("meta-userdefined"));
        out.writeAttribute(kMetaNs, QStringLiteral("name"), PackMark::kSourceHashField);
        out.writeAttribute(kMetaNs, QStringLiteral("value"), QString::fromLatin1(sourceSha256));
    }
    out.writeEndDocument();
    return out.hasError() ? QByteArray() : xml;
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

// The meta.xml fields this program writes, found by their prefixed names as Krita does.
void ReadMeta(const QByteArray& xml, KritaBundle::Contents& contents)
{
    QXmlStreamReader in(xml);
    in.setNamespaceProcessing(false);
    while (in.readNextStartElement()) {
        if (in.qualifiedName() == u"meta:meta")
            continue;
        if (in.qualifiedName() == u"meta:meta-userdefined") {
            const QXmlStreamAttributes attributes = in.attributes();
            if (attributes.value(QStringLiteral("meta:name")) == PackMark::kSourceHashField)
                contents.sourceSha256 = attributes.value(QStringLiteral("meta:value")).toLatin1();
        }
        const QStringView name = in.qualifiedName();
        const QString text = in.readElementText(QXmlStreamReader::IncludeChildElements);
        if (name == u"dc:title")
            contents.title = text;
        else if (name == u"dc:description")
            contents.description = text;
        else if (name == u"meta:generator")
            contents.generator = text;
        else if (name == u"meta:creation-date")
            contents.created = QDateTime::fromString(text, Qt::ISODate);
    }
}

// The raw deflate stream QuaZip makes of the pieces' bytes, with its parameters; none when
// zlib takes the bytes for text (see Prepared::deflated). zlib's stream does not depend on how
// its input is cut, so the pieces deflate as their bytes would in one.
std::optional<QByteArray> Deflated(const std::vector<QByteArrayView>& pieces)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return std::nullopt;
    QByteArray out;
    Bytef chunk[16 * 1024];
    const auto deflateInto = [&](int flush) {
        stream.next_out = chunk;
        stream.avail_out = sizeof chunk;
        const int status = deflate(&stream, flush);
        out.append(reinterpret_cast<const char*>(chunk),
                   qsizetype(sizeof chunk - stream.avail_out));
        return status;
    };
    bool whole = true;
    for (const QByteArrayView piece : pieces) {
        if (quint64(piece.size()) > std::numeric_limits<uInt>::max()) {
            whole = false;
            break;
        }
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
        stream.avail_in = uInt(piece.size());
        while (whole && stream.avail_in > 0)
            whole = deflateInto(Z_NO_FLUSH) == Z_OK;
    }
    int status = Z_OK;
    while (whole && status == Z_OK)
        status = deflateInto(Z_FINISH);
    whole = whole && status == Z_STREAM_END && stream.data_type != Z_TEXT;
    deflateEnd(&stream);
    if (!whole)
        return std::nullopt;
    return out;
}

// Bytes the ZIP library stores or deflates itself as they are added.
KritaBundle::Prepared AsTheyAre(const QByteArray& bytes, bool stored)
{
    KritaBundle::Prepared prepared;
    prepared.data = bytes;
    prepared.size = bytes.size();
    prepared.stored = stored;
    return prepared;
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

KritaBundle::Writer::Writer(const QString& path, const QString& title, const QString& description,
                            const QDateTime& created)
    : mFile(std::make_unique<QFile>(path)), mZip(std::make_unique<QuaZip>(mFile.get())),
      mPath(path), mTitle(ValidName(title)), mDescription(ValidName(description)),
      mCreated(created.isValid() ? created : QDateTime::currentDateTimeUtc())
{
    mZip->setUtf8Enabled(true); // names as UTF-8, flagged so, whatever the locale
}

KritaBundle::Writer::~Writer()
{
    if (mWriting)
        abandon();
}

bool KritaBundle::Writer::open(QString* error)
{
    if (!mZip->open(QuaZip::mdCreate))
        return fail(QStringLiteral("the file cannot be created: %1")
                        .arg(ZipFailure(mZip->getZipError(), mFile.get())),
                    error);
    mWriting = true;
    mManifestOut = std::make_unique<QXmlStreamWriter>(&mManifest);
    QXmlStreamWriter& out = *mManifestOut;
    const QString manifest = QStringLiteral("manifest");
    StartDocument(out, kManifestNs, manifest, manifest);
    out.writeAttribute(kManifestNs, QStringLiteral("version"), QStringLiteral("1.2"));
    out.writeEmptyElement(kManifestNs, QStringLiteral("file-entry"));
    out.writeAttribute(kManifestNs, QStringLiteral("media-type"), QLatin1StringView(kMimeType));
    out.writeAttribute(kManifestNs, QStringLiteral("full-path"), QStringLiteral("/"));
    return store(kMimeTypeEntry, AsTheyAre(kMimeType, true), error);
}

KritaBundle::Prepared KritaBundle::prepare(const QString& mediaType,
                                           const std::vector<QByteArrayView>& pieces,
                                           const QByteArray& bytes)
{
    Prepared prepared;
    // A paint preset is a PNG, deflated already.
    prepared.stored = mediaType == QLatin1String("paintoppresets");
    QCryptographicHash md5(QCryptographicHash::Md5);
    uLong crc = crc32_z(0, nullptr, 0);
    for (const QByteArrayView piece : pieces) {
        // crc32_z starts over when handed no bytes at all.
        if (piece.isEmpty())
            continue;
        md5.addData(piece);
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(piece.data()), size_t(piece.size()));
        prepared.size += piece.size();
    }
    prepared.md5 = md5.result().toHex();
    prepared.crc = quint32(crc);
    if (!prepared.stored) {
        if (std::optional<QByteArray> deflated = Deflated(pieces)) {
            prepared.data = std::move(*deflated);
            prepared.deflated = true;
            return prepared;
        }
    }
    prepared.data = bytes;
    if (pieces.size() != 1 || pieces.front().data() != bytes.constData()) {
        prepared.data.clear();
        for (const QByteArrayView piece : pieces)
            prepared.data += piece;
    }
    return prepared;
}

KritaBundle::Prepared KritaBundle::prepare(const QString& mediaType, const QByteArray& bytes)
{
    return prepare(mediaType, {QByteArrayView(bytes)}, bytes);
}

bool KritaBundle::Writer::add(const QString& mediaType, const QString& fileName,
                              const QByteArray& bytes, QString* error, QByteArray* md5)
{
    const Prepared prepared = prepare(mediaType, bytes);
    if (md5)
        *md5 = prepared.md5;
    return add(mediaType, fileName, prepared, error);
}

bool KritaBundle::Writer::add(const QString& mediaType, const QString& fileName,
                              const Prepared& prepared, QString* error)
{
    if (!mWriting)
        return fail(QStringLiteral("it is not open"), error);
    for (const QString& part : {mediaType, fileName}) {
        if (part.isEmpty() || part == u"." || part == u".." || part.contains(u'/') ||
            ValidName(part) != part)
            return fail(QStringLiteral("\"%1\" is no plain file name").arg(ValidName(part)), error);
    }
    const QString path = mediaType + u'/' + fileName;
    if (mPaths.contains(path))
        return fail(QStringLiteral("\"%1\" is there twice").arg(path), error);
    mPaths.insert(path);
    QXmlStreamWriter& out = *mManifestOut;
    out.writeStartElement(kManifestNs, QStringLiteral("file-entry"));
    out.writeAttribute(kManifestNs, QStringLiteral("media-type"), mediaType);
    out.writeAttribute(kManifestNs, QStringLiteral("full-path"), path);
    out.writeAttribute(kManifestNs, QStringLiteral("md5sum"), QString::fromLatin1(prepared.md5));
    out.writeStartElement(kManifestNs, QStringLiteral("tags"));
    out.writeTextElement(kManifestNs, QStringLiteral("tag"), mTitle);
    out.writeEndElement();
    out.writeEndElement();
    if (out.hasError())
        return fail(QStringLiteral("the manifest entry of \"%1\" could not be written").arg(path),
                    error);
    return store(path, prepared, error);
}

bool KritaBundle::Writer::finish(const QImage& preview, QString* error)
{
    if (!mWriting)
        return fail(QStringLiteral("it is not open"), error);
    mManifestOut->writeEndDocument();
    const QByteArray meta = MetaXml(mTitle, mDescription, mCreated, mSourceSha256);
    if (mManifestOut->hasError() || meta.isEmpty())
        return fail(QStringLiteral("its manifest or meta.xml could not be written"), error);
    if (!store(kPreviewEntry, AsTheyAre(PreviewPng(preview), false), error) ||
        !store(kManifestEntry, AsTheyAre(mManifest, false), error) ||
        !store(kMetaEntry, AsTheyAre(meta, false), error))
        return false;
    mZip->close();
    if (mFile->isOpen())
        mFile->close();
    // The file buffers what the ZIP library hands it; a write that fails only when the
    // buffer is flushed on closing shows in the file's error, not in the library's.
    if (mZip->getZipError() != ZIP_OK || mFile->error() != QFileDevice::NoError)
        return fail(
            QStringLiteral("the archive could not be closed: %1")
                .arg(ZipFailure(mZip->getZipError() == ZIP_OK ? ZIP_ERRNO : mZip->getZipError(),
                                mFile.get())),
            error);
    mWriting = false;
    return true;
}

bool KritaBundle::Writer::store(const QString& name, const Prepared& prepared, QString* error)
{
    QuaZipNewInfo info(name);
    info.dateTime = mCreated.toLocalTime();
    info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    // Deflated already: the library writes the stream as it is, with the size and CRC given.
    if (prepared.deflated)
        info.uncompressedSize = ulong(prepared.size);
    QuaZipFile file(mZip.get());
    bool written = file.open(QIODevice::WriteOnly, info, nullptr,
                             prepared.deflated ? prepared.crc : 0, prepared.stored ? 0 : Z_DEFLATED,
                             prepared.stored ? 0 : Z_DEFAULT_COMPRESSION, prepared.deflated);
    if (written) {
        written = file.write(prepared.data) == prepared.data.size();
        file.close();
        written = written && file.getZipError() == ZIP_OK;
    }
    if (!written)
        return fail(QStringLiteral("%1 could not be stored: %2")
                        .arg(name, ZipFailure(file.getZipError(), mFile.get())),
                    error);
    return true;
}

bool KritaBundle::Writer::fail(const QString& reason, QString* error)
{
    if (error)
        *error = QStringLiteral("cannot write the bundle %1: %2").arg(mPath, reason);
    if (mWriting)
        abandon();
    return false;
}

// A bundle cut short is no bundle: the file goes.
void KritaBundle::Writer::abandon()
{
    if (mZip->isOpen())
        mZip->close();
    QFile::remove(mPath);
    mWriting = false;
}

bool KritaBundle::write(const QString& path, const Contents& contents, QString* error)
{
    Writer writer(path, contents.title, contents.description, contents.created);
    writer.setSourceSha256(contents.sourceSha256);
    if (!writer.open(error))
        return false;
    for (const Resource& resource : contents.resources) {
        if (!writer.add(resource.mediaType, resource.fileName, resource.bytes, error))
            return false;
    }
    return writer.finish(contents.preview, error);
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
    if (!stored)
        return std::nullopt;
    auto bytesOf = [&](const QString& name) -> const QByteArray* {
        for (const Entry& entry : *stored) {
            if (entry.name == name)
                return &entry.bytes;
        }
        return nullptr;
    };
    // Krita's own bundles do not always store it first (Krita_4_Default_Resources does not).
    const QByteArray* mimetype = bytesOf(kMimeTypeEntry);
    if (!mimetype || *mimetype != kMimeType)
        return std::nullopt;
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

std::optional<KritaBundle::Contents> KritaBundle::readMeta(const QString& path)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return std::nullopt;
    const auto entry = [&](const QString& name) -> std::optional<QByteArray> {
        if (!zip.setCurrentFile(name))
            return std::nullopt;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        QByteArray bytes = file.readAll();
        file.close();
        if (file.getZipError() != UNZ_OK)
            return std::nullopt;
        return bytes;
    };
    const std::optional<QByteArray> mimetype = entry(kMimeTypeEntry);
    const std::optional<QByteArray> meta = entry(kMetaEntry);
    if (!mimetype || *mimetype != kMimeType || !meta)
        return std::nullopt;
    Contents contents;
    ReadMeta(*meta, contents);
    return contents;
}
