#pragma once

#include <QString>

// The file manager's view of one item, as the hierarchy model asks for it.

// Whether something exists at path (symbolic links followed) and whether it is a folder.
bool ItemExistsAtPath(const QString& path, bool* isDirectory);

// The name a file manager shows for the item: its decoded file name, "/" for the root. Like
// the file managers themselves, it answers from the path alone, also for a missing item.
QString DisplayNameAtPath(const QString& path);

// Whether this process may remove the item at path (a symbolic link counts as itself): it
// needs write and search permission on the folder that holds it and, when that folder is
// sticky, must own the item or the folder. False for a missing item.
bool IsDeletableFileAtPath(const QString& path);
