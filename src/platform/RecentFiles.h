#pragma once

#include <QStringList>

// Adds a file to the desktop's list of recently used files (the freedesktop.org bookmark file
// that file managers and file dialogs read), or marks it used now when it is there already, which
// moves it to the top. Failures are ignored: the list is a convenience.
void NoteRecentFile(const QString& path);

// The brush files of that list that still exist, most recently used first, at most `max`.
QStringList RecentBrushFiles(int max);

// Where that list lives: $XDG_DATA_HOME/recently-used.xbel.
QString RecentFilesPath();
