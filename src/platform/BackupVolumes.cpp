#include "platform/BackupVolumes.h"

#include "platform/MountPoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

QStringList BackupVolumePaths(const QString& settingsFile, const QString& mountInfoFile,
                              const QString& devicesByUuid)
{
    QFile settings(settingsFile);
    if (!settings.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(settings.readAll());
    const QString uuid = document.object().value(QStringLiteral("backup_device_uuid")).toString();
    if (uuid.isEmpty())
        return {};
    const QString device = QFileInfo(devicesByUuid + QLatin1Char('/') + uuid).canonicalFilePath();
    if (device.isEmpty())
        return {};

    QFile mountInfo(mountInfoFile);
    if (!mountInfo.open(QIODevice::ReadOnly))
        return {};
    // Only the whole file system: a bind mount of one of its folders is not the backup volume.
    for (const MountTableEntry& entry : ParseMountTable(mountInfo.readAll()))
        if (entry.root == QLatin1String("/") &&
            QFileInfo(entry.source).canonicalFilePath() == device)
            return {entry.mountPoint};
    return {};
}

bool BackupVolumesAllowed(QSettings& settings)
{
    const QString key = QStringLiteral("allowBackupVolumes");
    const QString oldKey = QStringLiteral("allowTimeMachineVolumes");
    if (settings.contains(oldKey)) {
        if (!settings.contains(key))
            settings.setValue(key, settings.value(oldKey));
        settings.remove(oldKey);
    }
    return settings.value(key).toBool();
}

QStringList SystemDataFolders()
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
