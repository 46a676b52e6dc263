#pragma once

#include <QStringList>

class QSettings;

// Where Timeshift keeps its snapshots: the mount point of the device named by
// "backup_device_uuid" in its settings file, when that device is mounted. At most one path;
// none when Timeshift is not set up. Snapshots hold copies of the whole system, brush files
// included, which nobody wants listed a second time. The three places are the system's unless a
// test makes up its own.
QStringList
BackupVolumePaths(const QString& settingsFile = QStringLiteral("/etc/timeshift/timeshift.json"),
                  const QString& mountInfoFile = QStringLiteral("/proc/self/mountinfo"),
                  const QString& devicesByUuid = QStringLiteral("/dev/disk/by-uuid"));

// Whether the user lets backup volumes be listed with the other folders: the settings key
// "allowBackupVolumes", false when unset. The key once had the name of another system's backup
// service; a value under that name is moved to the new one the first time it is read.
bool BackupVolumesAllowed(QSettings& settings);

// The system's shared data and library folders, the places applications keep their own
// resources (Linux's stand-ins for every domain's Library folder).
QStringList SystemDataFolders();
