#include "platform/BackupVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// mountinfo escapes blanks, tabs, newlines and backslashes in paths as three octal digits.
QString UnescapeMountField(const QByteArray& field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}
} // namespace

QStringList BackupVolumePaths(const QString& settingsFile, const QString& mountInfoFile)
{
    QFile settings(settingsFile);
    if (!settings.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(settings.readAll());
    const QString uuid = document.object().value(QStringLiteral("backup_device_uuid")).toString();
    if (uuid.isEmpty())
        return {};
    const QString device =
        QFileInfo(QStringLiteral("/dev/disk/by-uuid/") + uuid).canonicalFilePath();
    if (device.isEmpty())
        return {};

    // Fields: id, parent id, major:minor, root, mount point, options, optional fields, "-",
    // file system type, source, super options.
    QFile mountInfo(mountInfoFile);
    if (!mountInfo.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : mountInfo.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (dash < 5 || dash + 2 >= fields.size())
            continue;
        const QString source = UnescapeMountField(fields[dash + 2]);
        if (QFileInfo(source).canonicalFilePath() == device && fields[3] == "/")
            return {UnescapeMountField(fields[4])};
    }
    return {};
}

QStringList SystemLibraryFolders()
{
    QStringList folders = {QStringLiteral("/usr/share"), QStringLiteral("/usr/lib"),
                           QStringLiteral("/usr/local/share"), QStringLiteral("/var/lib")};
    const QDir opt(QStringLiteral("/opt"));
    for (const QString& entry : opt.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString share = opt.filePath(entry) + QStringLiteral("/share");
        if (QFileInfo(share).isDir())
            folders << share;
    }
    return folders;
}
