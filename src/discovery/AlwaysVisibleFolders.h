#pragma once

#include <QString>

// Folders whose way from "/" counts as visible although some of it is hidden, so that brush
// folders of applications kept under a dot-folder (a Wine prefix, for one) are shown. Filled at
// start by whoever knows those folders; read by the path tree when it computes flags.
class AlwaysVisibleFolders
{
public:
    static void registerFolder(const QString& path);
    static void unregisterFolder(const QString& path);
    // True for a registered folder and for every folder on the way to one.
    static bool isOnWayToAlwaysVisible(const QString& path);
};
