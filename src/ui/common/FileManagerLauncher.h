#pragma once

#include <QString>
#include <functional>

// Shows a folder in the desktop's file manager: the freedesktop FileManager1 D-Bus service when
// one runs, else xdg-open. When neither does, a message box over the active window says so and
// names the folder as text that can be copied, so the user is never left guessing.
void OpenFolderInFileManager(const QString& folder);

// Shows the folder holding a file with the file selected, where the file manager can.
void RevealInFileManager(const QString& path);

// Tests replace the call to the file manager with one of their own; an empty function restores it.
void SetFileManagerHandlerForTesting(
    std::function<void(const QString& method, const QString& path)> handler);

// Tests make both the file manager and xdg-open fail; what the message box would say (message,
// informative text) goes to report instead. An empty function restores them.
void SetFileManagerUnavailableForTesting(
    std::function<void(const QString& message, const QString& informative)> report);
