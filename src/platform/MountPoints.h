#pragma once

#include <QString>

// True when a file system is mounted at the path: its device differs from its parent's, or it
// is listed in /proc/self/mountinfo (bind mounts keep the device).
bool IsMountPoint(const QString& path);
