#pragma once

#include <QString>
#include <QStringList>

// Where Windows programs live on this machine: the Wine prefixes that the usual tools make.
// Everything is found below $HOME and the XDG base folders, read afresh on each call, so a
// made-up home folder gives a made-up machine.

// The freedesktop.org (XDG) base folders, without a final "/".
QString UserDataFolder();   // $XDG_DATA_HOME, else ~/.local/share
QString UserConfigFolder(); // $XDG_CONFIG_HOME, else ~/.config

// Every folder holding a "drive_c", each once, in this order: $WINEPREFIX, ~/.wine,
// winetricks' ~/.local/share/wineprefixes/*, Bottles (native and Flatpak), Lutris' ~/Games/*,
// PlayOnLinux's ~/.PlayOnLinux/wineprefix/*. Names within one folder sort by name.
QStringList WinePrefixFolders();

// The prefix's "Program Files*/Adobe" folders, the places Adobe's installers put applications.
QStringList WineAdobeApplicationsFolders(const QString& prefix);

// drive_c/users/<user>/AppData/Roaming/Adobe ("Application Data" in prefixes of old Wine),
// <user> being the one user folder that is not "Public" (the login name when there are
// several); empty when the prefix has no user folder.
QString WineAdobeAppSupportFolder(const QString& prefix);

// The entries of folder (not "." and "..") that are folders, sorted by name.
QStringList SubfolderNames(const QString& folder);
// The entry of folder named name when case is ignored, as Windows looks names up; the exact
// name wins. Empty when there is none.
QString EntryNamedIgnoringCase(const QString& folder, const QString& name);
