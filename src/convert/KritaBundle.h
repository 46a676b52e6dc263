#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QFile;
class QuaZip;
class QXmlStreamWriter;

// Krita's resource bundle (.bundle): a ZIP archive laid out as an OpenDocument package.
//
//   entry                   compression  contents
//   mimetype                stored       "application/x-krita-resourcebundle", no newline
//   <media type>/<file>     deflated     the resources, one folder per media type ("brushes",
//                                        "patterns", and "paintoppresets" stored: a .kpp is a
//                                        PNG, deflated already)
//   preview.png             deflated     256 x 256, shown in Krita's bundle manager
//   META-INF/manifest.xml   deflated     a file-entry "/" for the bundle itself, then one per
//                                        resource: media type, full path, MD5 of its bytes (hex)
//                                        and the pack's name as its tag
//   meta.xml                deflated     meta:generator, meta:bundle-version 1, dc:title,
//                                        dc:description, meta:creation-date and, when known,
//                                        the source's hash as a meta:meta-userdefined (PackMark)
//
// mimetype goes first and uncompressed so that its text sits at byte 38 of the file, where
// content sniffers look for it. Krita finds the other entries by name, so the resources go
// next, each as soon as it is made, and what describes them follows at the end. Krita reads
// the manifest with namespaces but meta.xml by its prefixed tag names, so both keep the
// prefixes above.
class KritaBundle
{
public:
    static constexpr char kMimeType[] = "application/x-krita-resourcebundle";
    static constexpr int kPreviewSide = 256;

    struct Resource
    {
        QString mediaType; // the folder it goes in
        QString fileName;  // a plain name, no folders
        QByteArray bytes;
    };

    struct Contents
    {
        QString title; // also each resource's tag
        QString description;
        QDateTime created; // now when left invalid
        QImage preview;    // fitted into kPreviewSide square, centred on transparency
        std::vector<Resource> resources;
        QString generator;       // read back only: Kelbrin writes its own name
        QByteArray sourceSha256; // the brush file's (hex), for PackMark; "" for none
    };

    struct Entry
    {
        QString name;
        QByteArray bytes;
    };

    // A resource's bytes made ready for the archive: their MD5 for the manifest, their CRC-32
    // and, unless the resource is stored as it is, their deflated form. That is the dear part
    // of adding a resource and needs nothing of the writer, so many resources can be prepared
    // at once on other threads; the archive comes out the same as from their bytes alone.
    struct Prepared
    {
        QByteArray data; // the bytes, or their raw deflate stream when deflated is set
        qint64 size = 0; // of the bytes
        quint32 crc = 0;
        QByteArray md5; // hex
        bool stored = false;
        // The ZIP library marks an entry whose deflated bytes zlib took for text as text in
        // the central directory, which an entry handed over deflated cannot be; such a rare
        // resource keeps its bytes and is deflated as it is added.
        bool deflated = false;
    };
    // Prepares bytes for the folder mediaType (a paint preset is stored, the rest deflated).
    static Prepared prepare(const QString& mediaType, const QByteArray& bytes);
    // The same for bytes in pieces, one after another, read where they are; bytes, when it
    // holds them all, spares joining them for a resource that keeps its bytes.
    static Prepared prepare(const QString& mediaType, const std::vector<QByteArrayView>& pieces,
                            const QByteArray& bytes = {});

    // Writes a bundle resource by resource, so that only the resource being added is held in
    // memory: open() stores mimetype, add() each resource (taking its MD5 on the way),
    // finish() the preview, manifest and meta.xml. The title and description are made valid
    // (ValidName). Every step returns false with a reason in *error for a resource whose name
    // Krita would place elsewhere (empty, with '/', twice in one folder) or that is no valid
    // name, or when the archive, its manifest or meta.xml cannot be written whole; after that,
    // or without finish(), the file is removed.
    class Writer
    {
    public:
        // created: now when left invalid.
        Writer(const QString& path, const QString& title, const QString& description,
               const QDateTime& created = QDateTime());
        ~Writer();
        Writer(const Writer&) = delete;
        Writer& operator=(const Writer&) = delete;

        // The brush file's SHA-256 (hex) for meta.xml; before finish().
        void setSourceSha256(const QByteArray& hex) { mSourceSha256 = hex; }
        // Creates the file at path (over any file there); once, before the rest.
        bool open(QString* error);
        // md5, when given, receives the MD5 (hex) the manifest lists for it.
        bool add(const QString& mediaType, const QString& fileName, const QByteArray& bytes,
                 QString* error, QByteArray* md5 = nullptr);
        // The same for a resource prepared for mediaType (prepare()).
        bool add(const QString& mediaType, const QString& fileName, const Prepared& prepared,
                 QString* error);
        // preview: fitted into a kPreviewSide square, centred on transparency.
        bool finish(const QImage& preview, QString* error);

    private:
        bool store(const QString& name, const Prepared& prepared, QString* error);
        bool fail(const QString& reason, QString* error);
        void abandon();

        // The archive's file is ours, not the ZIP library's, so that when it fails its own
        // error says why.
        std::unique_ptr<QFile> mFile;
        std::unique_ptr<QuaZip> mZip;
        QString mPath;
        QString mTitle;
        QString mDescription;
        QDateTime mCreated;
        QByteArray mSourceSha256;
        bool mWriting = false; // the file is made, and neither finished nor given up
        QSet<QString> mPaths;
        QByteArray mManifest; // an entry added with each resource
        std::unique_ptr<QXmlStreamWriter> mManifestOut;
    };

    // Writes contents through a Writer: the bundle whole, or no file.
    static bool write(const QString& path, const Contents& contents, QString* error);
    // What the manifest and meta.xml describe, with each resource's bytes; none when the
    // mimetype entry is wrong or a listed resource is missing.
    static std::optional<Contents> read(const QString& path);
    // What meta.xml alone says, without the resources; none when the mimetype entry is wrong
    // or there is no meta.xml. Reads two entries, however large the bundle.
    static std::optional<Contents> readMeta(const QString& path);
    // The archive's entries in the order they are stored; none when it is no ZIP archive.
    static std::optional<std::vector<Entry>> entries(const QString& path);
};
