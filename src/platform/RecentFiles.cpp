#include "platform/RecentFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <algorithm>

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
    const QByteArray now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8();
    // Other programs own the rest of the file: only ever add one entry or touch the dates of
    // ours, never rewrite theirs.
    const int existing = xml.indexOf("<bookmark " + hrefAttribute);
    if (existing >= 0) {
        const int tagEnd = xml.indexOf('>', existing);
        if (tagEnd < 0)
            return;
        QByteArray tag = xml.mid(existing, tagEnd - existing);
        static const QRegularExpression dates(QStringLiteral("(modified|visited)=\"[^\"]*\""));
        QString text = QString::fromUtf8(tag);
        text.replace(dates, QStringLiteral("\\1=\"%1\"").arg(QString::fromLatin1(now)));
        xml.replace(existing, tag.size(), text.toUtf8());
    } else {
        const int end = xml.lastIndexOf("</xbel>");
        if (end < 0)
            return;
        const QByteArray entry = "  <bookmark " + hrefAttribute + " added=\"" + now +
                                 "\" modified=\"" + now + "\" visited=\"" + now +
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
    }
    QDir().mkpath(QFileInfo(listPath).absolutePath());
    QSaveFile out(listPath);
    if (out.open(QIODevice::WriteOnly) && out.write(xml) == xml.size())
        out.commit();
}

QStringList RecentBrushFiles(int max)
{
    QFile file(RecentFilesPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    struct Entry
    {
        QString path;
        QDateTime used;
    };
    std::vector<Entry> entries;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("bookmark"))
            continue;
        const QUrl url(xml.attributes().value(QLatin1String("href")).toString());
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        if (!path.endsWith(QLatin1String(".abr"), Qt::CaseInsensitive) || !QFileInfo(path).isFile())
            continue;
        QDateTime used = QDateTime::fromString(
            xml.attributes().value(QLatin1String("visited")).toString(), Qt::ISODate);
        const QDateTime modified = QDateTime::fromString(
            xml.attributes().value(QLatin1String("modified")).toString(), Qt::ISODate);
        if (!used.isValid() || (modified.isValid() && modified > used))
            used = modified;
        entries.push_back({path, used});
    }
    // Entries used within the same instant: the later one in the file was added later.
    std::reverse(entries.begin(), entries.end());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.used > b.used; });
    QStringList paths;
    for (const Entry& entry : entries)
        if (paths.size() < max && !paths.contains(entry.path))
            paths << entry.path;
    return paths;
}
