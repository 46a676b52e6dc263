#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

// Krita's resource bundle (.bundle): a ZIP archive laid out as an OpenDocument package.
//
//   entry                   compression  contents
//   mimetype                stored       "application/x-krita-resourcebundle", no newline
//   meta.xml                deflated     meta:generator, meta:bundle-version 1, dc:title,
//                                        dc:description, meta:creation-date
//   META-INF/manifest.xml   deflated     a file-entry "/" for the bundle itself, then one per
//                                        resource: media type, full path, MD5 of its bytes (hex)
//                                        and the pack's name as its tag
//   preview.png             deflated     256 x 256, shown in Krita's bundle manager
//   <media type>/<file>     deflated     the resources, one folder per media type ("brushes",
//                                        "patterns")
//
// mimetype goes first and uncompressed so that its text sits at byte 38 of the file, where
// content sniffers look for it. Krita reads the manifest with namespaces but meta.xml by its
// prefixed tag names, so both keep the prefixes above.
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
    };

    struct Entry
    {
        QString name;
        QByteArray bytes;
    };

    // Writes the bundle at path itself (over any file there). False with a reason in *error
    // for a resource whose name Krita would place elsewhere (empty, with '/', twice in one
    // folder) or when the archive cannot be written.
    static bool write(const QString& path, const Contents& contents, QString* error);
    // What the manifest and meta.xml describe, with each resource's bytes; none when the
    // mimetype entry is wrong or a listed resource is missing.
    static std::optional<Contents> read(const QString& path);
    // The archive's entries in the order they are stored; none when it is no ZIP archive.
    static std::optional<std::vector<Entry>> entries(const QString& path);
};
