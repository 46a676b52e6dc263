#include "support/ForeignResources.h"

#include "convert/GimpBrushFile.h"

#include <QImage>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <utility>
#include <vector>

QByteArray SmallGbr(const QString& name)
{
    QImage tip(4, 4, QImage::Format_Grayscale8);
    tip.fill(200);
    return GimpBrushFile::write({name, tip, 25});
}

QString WriteKritaOwnBundle(const QString& path, const QString& generator)
{
    const std::vector<std::pair<QString, QByteArray>> resources = {
        {QStringLiteral("brushes/Foreign Tip.gbr"), SmallGbr(QStringLiteral("Foreign Tip"))},
        {QStringLiteral("brushes/Bristles.png"), QByteArray("\x89PNG not really", 15)},
        {QStringLiteral("paintoppresets/Basic.kpp"), QByteArray("preset")}};
    QByteArray manifest = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
                          "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                          "manifest:version=\"1.2\">\n <manifest:file-entry "
                          "manifest:media-type=\"application/x-krita-resourcebundle\" "
                          "manifest:full-path=\"/\"/>\n";
    for (const auto& [name, bytes] : resources)
        manifest += " <manifest:file-entry manifest:media-type=\"" +
                    name.section(u'/', 0, 0).toUtf8() + "\" manifest:full-path=\"" + name.toUtf8() +
                    "\"/>\n";
    manifest += "</manifest:manifest>\n";
    // Krita's own meta.xml declares none of its prefixes.
    const QByteArray meta = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<meta:meta>\n "
                            "<meta:generator>" +
                            generator.toUtf8() +
                            "</meta:generator>\n <meta:bundle-version>1</meta:bundle-version>\n "
                            "<dc:title>Someone's brushes</dc:title>\n <meta:meta-userdefined "
                            "meta:name=\"email\" meta:value=\"someone@example.org\"/>\n"
                            "</meta:meta>\n";

    QuaZip zip(path);
    zip.open(QuaZip::mdCreate);
    const auto store = [&](const QString& name, const QByteArray& bytes) {
        QuaZipFile file(&zip);
        file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0,
                  name == u"mimetype" ? 0 : Z_DEFLATED);
        file.write(bytes);
        file.close();
    };
    // Krita_4_Default_Resources, too, keeps its mimetype entry after the resources.
    for (const auto& [name, bytes] : resources)
        store(name, bytes);
    store(QStringLiteral("mimetype"), "application/x-krita-resourcebundle");
    store(QStringLiteral("META-INF/manifest.xml"), manifest);
    store(QStringLiteral("meta.xml"), meta);
    zip.close();
    return path;
}
