#pragma once

#include <QString>

// Adds a file to the desktop's list of recently used files (the freedesktop.org bookmark file
// that file managers and file dialogs read). Failures are ignored: the list is a convenience.
void NoteRecentFile(const QString& path);

// Where that list lives: $XDG_DATA_HOME/recently-used.xbel.
QString RecentFilesPath();
