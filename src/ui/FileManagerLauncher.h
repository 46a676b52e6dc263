#pragma once

#include <QString>
#include <functional>

// Shows a folder in the desktop's file manager: the freedesktop FileManager1 D-Bus service when
// one runs, else the default handler for folders.
void OpenFolderInFileManager(const QString& folder);

// Shows the folder holding a file with the file selected, where the file manager can.
void RevealInFileManager(const QString& path);

// Tests replace the call to the file manager with one of their own; an empty function restores it.
void SetFileManagerHandlerForTesting(
    std::function<void(const QString& method, const QString& path)> handler);
