#include "platform/BackupVolumes.h"

#include "platform/MountPoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

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
        const QString source = UnescapeMountPath(fields[dash + 2]);
        if (QFileInfo(source).canonicalFilePath() == device && fields[3] == "/")
            return {UnescapeMountPath(fields[4])};
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
