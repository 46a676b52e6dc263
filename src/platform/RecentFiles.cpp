#include "platform/RecentFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

QString RecentFilesPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

void NoteRecentFile(const QString& path)
{
    const QString listPath = RecentFilesPath();
    QByteArray xml;
    {
        QFile file(listPath);
        if (file.exists() && file.open(QIODevice::ReadOnly))
            xml = file.readAll();
    }
    if (xml.isEmpty())
        xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<xbel version=\"1.0\"\n"
              "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
              "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "</xbel>\n";
    const QByteArray href = QUrl::fromLocalFile(path).toEncoded();
    const QByteArray hrefAttribute =
        "href=\"" + QString::fromLatin1(href).toHtmlEscaped().toLatin1() + "\"";
    // Other programs own the rest of the file: only ever add one entry, never rewrite theirs.
    if (xml.contains(hrefAttribute))
        return;
    const int end = xml.lastIndexOf("</xbel>");
    if (end < 0)
        return;
    const QByteArray now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8();
    const QByteArray entry = "  <bookmark " + hrefAttribute + " added=\"" + now + "\" modified=\"" +
                             now + "\" visited=\"" + now +
                             "\">\n"
                             "    <info>\n"
                             "      <metadata owner=\"http://freedesktop.org\">\n"
                             "        <mime:mime-type type=\"application/x-photoshop-abr\"/>\n"
                             "        <bookmark:applications>\n"
                             "          <bookmark:application name=\"Kelbrin\" "
                             "exec=\"&apos;kelbrin %u&apos;\" modified=\"" +
                             now +
                             "\" count=\"1\"/>\n"
                             "        </bookmark:applications>\n"
                             "      </metadata>\n"
                             "    </info>\n"
                             "  </bookmark>\n";
    xml.insert(end, entry);
    QDir().mkpath(QFileInfo(listPath).absolutePath());
    QSaveFile out(listPath);
    if (out.open(QIODevice::WriteOnly) && out.write(xml) == xml.size())
        out.commit();
}
