#include "convert/KritaBundle.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
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

QString NameProblem(const QString& mediaType, const QString& fileName)
{
    for (const QString& part : {mediaType, fileName}) {
        if (part.isEmpty() || part == u"." || part == u".." || part.contains(u'/'))
            return QStringLiteral("\"%1\" is no plain file name").arg(part);
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

QByteArray MetaXml(const QString& title, const QString& description, const QDateTime& created)
{
    return XmlDocument(
        kMetaNs, QStringLiteral("meta"), QStringLiteral("meta"), [&](QXmlStreamWriter& out) {
            out.writeNamespace(kDcNs, QStringLiteral("dc"));
            out.writeTextElement(kMetaNs, QStringLiteral("generator"), QStringLiteral("Kelbrin"));
            out.writeTextElement(kMetaNs, QStringLiteral("bundle-version"), QStringLiteral("1"));
            out.writeTextElement(kDcNs, QStringLiteral("title"), title);
            out.writeTextElement(kDcNs, QStringLiteral("description"), description);
            out.writeTextElement(kMetaNs, QStringLiteral("creation-date"),
                                 created.toUTC().toString(Qt::ISODate));
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

class KritaBundle::Writer::Impl
{
public:
    Impl(const QString& path, const QString& title, const QString& description,
         const QDateTime& created)
        : mZip(path), mPath(path), mTitle(title), mDescription(description),
          mCreated(created.isValid() ? created : QDateTime::currentDateTimeUtc())
    {
        mZip.setUtf8Enabled(true); // names as UTF-8, flagged so, whatever the locale
    }

    ~Impl()
    {
        if (mState != State::Finished)
            abandon();
    }

    bool open(QString* error)
    {
        if (mState != State::New)
            return fail(QStringLiteral("it is already open"), error);
        if (!mZip.open(QuaZip::mdCreate))
            return fail(
                QStringLiteral("the file cannot be created (error %1)").arg(mZip.getZipError()),
                error);
        mState = State::Open;
        return store(kMimeTypeEntry, kMimeType, true, error);
    }

    bool add(const QString& mediaType, const QString& fileName, const QByteArray& bytes,
             QString* error)
    {
        if (mState != State::Open)
            return fail(QStringLiteral("it is not open"), error);
        if (const QString problem = NameProblem(mediaType, fileName); !problem.isEmpty())
            return fail(problem, error);
        const QString path = mediaType + u'/' + fileName;
        if (mPaths.contains(path))
            return fail(QStringLiteral("\"%1\" is there twice").arg(path), error);
        mPaths.insert(path);
        mListed.push_back(
            {mediaType, path, QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()});
        return store(path, bytes, false, error);
    }

    bool finish(const QImage& preview, QString* error)
    {
        if (mState != State::Open)
            return fail(QStringLiteral("it is not open"), error);
        if (!store(kPreviewEntry, PreviewPng(preview), false, error) ||
            !store(kManifestEntry, manifestXml(), false, error) ||
            !store(kMetaEntry, MetaXml(mTitle, mDescription, mCreated), false, error))
            return false;
        mZip.close();
        if (mZip.getZipError() != ZIP_OK) {
            QFile::remove(mPath);
            mState = State::Failed;
            return fail(QStringLiteral("the archive could not be closed (error %1)")
                            .arg(mZip.getZipError()),
                        error);
        }
        mState = State::Finished;
        return true;
    }

private:
    // What the manifest says of one resource.
    struct Listed
    {
        QString mediaType;
        QString fullPath;
        QByteArray md5; // hex
    };

    enum class State
    {
        New,
        Open,
        Finished,
        Failed,
    };

    QByteArray manifestXml() const
    {
        const QString manifest = QStringLiteral("manifest");
        return XmlDocument(kManifestNs, manifest, manifest, [&](QXmlStreamWriter& out) {
            out.writeAttribute(kManifestNs, QStringLiteral("version"), QStringLiteral("1.2"));
            out.writeEmptyElement(kManifestNs, QStringLiteral("file-entry"));
            out.writeAttribute(kManifestNs, QStringLiteral("media-type"),
                               QLatin1StringView(KritaBundle::kMimeType));
            out.writeAttribute(kManifestNs, QStringLiteral("full-path"), QStringLiteral("/"));
            for (const Listed& resource : mListed) {
                out.writeStartElement(kManifestNs, QStringLiteral("file-entry"));
                out.writeAttribute(kManifestNs, QStringLiteral("media-type"), resource.mediaType);
                out.writeAttribute(kManifestNs, QStringLiteral("full-path"), resource.fullPath);
                out.writeAttribute(kManifestNs, QStringLiteral("md5sum"),
                                   QString::fromLatin1(resource.md5));
                out.writeStartElement(kManifestNs, QStringLiteral("tags"));
                out.writeTextElement(kManifestNs, QStringLiteral("tag"), mTitle);
                out.writeEndElement();
                out.writeEndElement();
            }
        });
    }

    bool store(const QString& name, const QByteArray& bytes, bool stored, QString* error)
    {
        QuaZipNewInfo info(name);
        info.dateTime = mCreated.toLocalTime();
        info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QuaZipFile file(&mZip);
        bool written = file.open(QIODevice::WriteOnly, info, nullptr, 0, stored ? 0 : Z_DEFLATED,
                                 stored ? 0 : Z_DEFAULT_COMPRESSION);
        if (written) {
            written = file.write(bytes) == bytes.size();
            file.close();
            written = written && file.getZipError() == ZIP_OK;
        }
        if (!written)
            return fail(QStringLiteral("%1 could not be stored (error %2)")
                            .arg(name)
                            .arg(file.getZipError()),
                        error);
        return true;
    }

    bool fail(const QString& reason, QString* error)
    {
        if (error)
            *error = QStringLiteral("cannot write the bundle %1: %2").arg(mPath, reason);
        if (mState != State::Failed && mState != State::Finished)
            abandon();
        return false;
    }

    // A bundle cut short is no bundle: the file goes, unless it was never made here.
    void abandon()
    {
        if (mState == State::Open) {
            mZip.close();
            QFile::remove(mPath);
        }
        mState = State::Failed;
    }

    QuaZip mZip;
    QString mPath;
    QString mTitle;
    QString mDescription;
    QDateTime mCreated;
    State mState = State::New;
    QSet<QString> mPaths;
    std::vector<Listed> mListed;
};

KritaBundle::Writer::Writer(const QString& path, const QString& title, const QString& description,
                            const QDateTime& created)
    : mImpl(std::make_unique<Impl>(path, title, description, created))
{}

KritaBundle::Writer::~Writer() = default;

bool KritaBundle::Writer::open(QString* error)
{
    return mImpl->open(error);
}

bool KritaBundle::Writer::add(const QString& mediaType, const QString& fileName,
                              const QByteArray& bytes, QString* error)
{
    return mImpl->add(mediaType, fileName, bytes, error);
}

bool KritaBundle::Writer::finish(const QImage& preview, QString* error)
{
    return mImpl->finish(preview, error);
}

bool KritaBundle::write(const QString& path, const Contents& contents, QString* error)
{
    Writer writer(path, contents.title, contents.description, contents.created);
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
