#include "platform/RecentFiles.h"

#include "platform/NativePath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <sys/stat.h>

QString RecentFilesPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

namespace {
const QLatin1String kBookmarkNamespace("http://www.freedesktop.org/standards/desktop-bookmarks");
const QLatin1String kMimeNamespace("http://www.freedesktop.org/standards/shared-mime-info");

const char kEmptyList[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "</xbel>\n";

bool IsEntryOf(const QXmlStreamAttributes& attributes, const QString& path)
{
    return PathFromFileUrl(QUrl(attributes.value(QLatin1String("href")).toString())) == path;
}

void SetAttribute(QXmlStreamAttributes& attributes, const QString& name, const QString& value)
{
    for (QXmlStreamAttribute& attribute : attributes)
        if (attribute.qualifiedName() == name) {
            attribute = QXmlStreamAttribute(name, value);
            return;
        }
    attributes.append(name, value);
}

// Our own entry, laid out as the desktop's own tools lay out theirs.
void WriteEntry(QXmlStreamWriter& xml, const QString& path, const QString& now)
{
    const auto indent = [&xml](int depth) {
        xml.writeCharacters(QLatin1Char('\n') + QString(2 * depth, QLatin1Char(' ')));
    };
    xml.writeCharacters(QStringLiteral("  "));
    xml.writeStartElement(QStringLiteral("bookmark"));
    xml.writeAttribute(QStringLiteral("href"),
                       QString::fromLatin1(FileUrlFromPath(path).toEncoded()));
    for (const char* date : {"added", "modified", "visited"})
        xml.writeAttribute(QLatin1String(date), now);
    indent(2);
    xml.writeStartElement(QStringLiteral("info"));
    indent(3);
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    indent(4);
    xml.writeEmptyElement(QStringLiteral("mime:mime-type"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("application/x-photoshop-abr"));
    indent(4);
    xml.writeStartElement(QStringLiteral("bookmark:applications"));
    indent(5);
    xml.writeEmptyElement(QStringLiteral("bookmark:application"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Kelbrin"));
    xml.writeAttribute(QStringLiteral("exec"), QStringLiteral("'kelbrin %u'"));
    xml.writeAttribute(QStringLiteral("modified"), now);
    xml.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    for (int depth = 4; depth >= 1; --depth) {
        indent(depth);
        xml.writeEndElement();
    }
    xml.writeCharacters(QStringLiteral("\n"));
}

// The list with path marked used now: its entry's dates changed, or an entry added at the end.
// Other programs own the rest of the file, so everything else is copied as it was read: names
// with their own prefixes (namespaces are not resolved), attributes in their own order. Empty
// when the list is not one we understand, which is then better left alone.
QByteArray WithFileNoted(const QByteArray& list, const QString& path, const QString& now)
{
    QXmlStreamReader in(list);
    in.setNamespaceProcessing(false);
    QByteArray result;
    QXmlStreamWriter out(&result);
    int depth = 0;
    bool noted = false;
    while (!in.atEnd()) {
        switch (in.readNext()) {
        case QXmlStreamReader::StartDocument:
            out.writeStartDocument();
            out.writeCharacters(QStringLiteral("\n"));
            break;
        case QXmlStreamReader::StartElement: {
            QXmlStreamAttributes attributes = in.attributes();
            if (++depth == 1) {
                if (in.qualifiedName() != QLatin1String("xbel"))
                    return {};
                // Our entry uses these prefixes.
                if (!attributes.hasAttribute(QLatin1String("xmlns:bookmark")))
                    attributes.append(QStringLiteral("xmlns:bookmark"), kBookmarkNamespace);
                if (!attributes.hasAttribute(QLatin1String("xmlns:mime")))
                    attributes.append(QStringLiteral("xmlns:mime"), kMimeNamespace);
            } else if (in.qualifiedName() == QLatin1String("bookmark") &&
                       IsEntryOf(attributes, path)) {
                SetAttribute(attributes, QStringLiteral("modified"), now);
                SetAttribute(attributes, QStringLiteral("visited"), now);
                noted = true;
            }
            out.writeStartElement(in.qualifiedName().toString());
            out.writeAttributes(attributes);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (--depth == 0 && !noted)
                WriteEntry(out, path, now);
            out.writeEndElement();
            break;
        case QXmlStreamReader::EndDocument:
            out.writeEndDocument(); // with the file's last line break
            break;
        case QXmlStreamReader::Invalid:
            return {};
        case QXmlStreamReader::Characters:
            if (depth > 0)
                out.writeCurrentToken(in);
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::DTD:
            out.writeCurrentToken(in);
            // The reader drops the line breaks between the parts outside the root element.
            if (depth == 0)
                out.writeCharacters(QStringLiteral("\n"));
            break;
        default:
            out.writeCurrentToken(in);
            break;
        }
    }
    return in.hasError() ? QByteArray() : result;
}
// The latest use any entry of the list records.
QDateTime LatestUse(const QByteArray& list)
{
    QDateTime latest;
    QXmlStreamReader xml(list);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("bookmark"))
            continue;
        for (const char* date : {"modified", "visited"}) {
            const QDateTime used = QDateTime::fromString(
                xml.attributes().value(QLatin1String(date)).toString(), Qt::ISODate);
            if (used.isValid() && (!latest.isValid() || used > latest))
                latest = used;
        }
    }
    return latest;
}
} // namespace

void NoteRecentFile(const QString& path)
{
    const QString listPath = RecentFilesPath();
    QByteArray list = kEmptyList;
    QFile file(listPath);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return;
        list = file.readAll();
        file.close();
    }
    // Two files noted within one millisecond would tie, and the list's order cannot break the
    // tie for an entry that is updated where it stands: the file noted last is always latest.
    QDateTime time = QDateTime::currentDateTimeUtc();
    const QDateTime latest = LatestUse(list);
    if (latest.isValid() && latest >= time)
        time = latest.addMSecs(1);
    const QString now = time.toUTC().toString(Qt::ISODateWithMs);
    const QByteArray noted = WithFileNoted(list, path, now);
    if (noted.isEmpty())
        return;
    QDir().mkpath(QFileInfo(listPath).absolutePath());
    QSaveFile out(listPath);
    if (out.open(QIODevice::WriteOnly) && out.write(noted) == noted.size())
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
        const QString path =
            PathFromFileUrl(QUrl(xml.attributes().value(QLatin1String("href")).toString()));
        struct stat status;
        if (!path.endsWith(QLatin1String(".abr"), Qt::CaseInsensitive) ||
            stat(PathToNative(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
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
