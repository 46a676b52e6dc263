#pragma once

#include <QStringList>

// Where Timeshift keeps its snapshots: the mount point of the device named by
// "backup_device_uuid" in its settings file, when that device is mounted. At most one path;
// none when Timeshift is not set up. Snapshots hold copies of the whole system, brush files
// included, which nobody wants listed a second time.
QStringList
BackupVolumePaths(const QString& settingsFile = QStringLiteral("/etc/timeshift/timeshift.json"),
                  const QString& mountInfoFile = QStringLiteral("/proc/self/mountinfo"));

// The system's shared data and library folders, the places applications keep their own
// resources (Linux's stand-ins for every domain's Library folder).
QStringList SystemLibraryFolders();
