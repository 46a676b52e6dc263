#pragma once

// Not QFile::moveToTrash: Qt 6.4 leaves Path= unencoded, may use ./files/, and cannot restore.

#include <QString>
#include <functional>

// Moving files to the trash the way Linux desktops share it (freedesktop.org's common Trash
// layout): the home trash for files on the home trash's file system, else the trash
// folder of the file system that holds the file. Every trashed file gets its
// "info/NAME.trashinfo" so that a file manager can put it back, and nothing is ever lost: on
// any failure the file stays where it was, byte for byte.
class Trash
{
public:
    struct Result
    {
        bool succeeded = false;
        QString trashedPath;  // files/NAME inside the trash; empty when the file was deleted
        bool deleted = false; // deleted after confirmation, there being no trash to take it
        QString reason;       // in words, when it did not succeed
    };

    // Asked, with the file's name, whether to delete a file that no trash can take; true means
    // delete it. Without one the question is never asked and such a file is refused.
    using AskToDelete = std::function<bool(const QString& fileName)>;

    static Result trashPath(const QString& path, const AskToDelete& askToDelete = nullptr);

    // Puts a trashed file (files/NAME, as trashPath gave it) back at the path its .trashinfo
    // names, and then removes the .trashinfo. Refused when something has taken that path since,
    // or its folder is gone; the file then stays in the trash. On success trashedPath holds
    // the path it is back at.
    static Result restore(const QString& trashedPath);

    // The name the trash gets for the collision-th attempt (0 is the first) at trashing a file
    // called name at the given time text (" %H-%M-%S"): base name, time, "." or " k+1.", then
    // the extension; a name without extension ends in ".". The base is shortened so that the
    // name's .trashinfo fits a folder's name limit.
    static QString collisionName(const QString& name, const QString& timeText, int attempt);

    // The contents of the .trashinfo for a file, Path= percent-encoded as GLib does.
    static QByteArray trashInfo(const QString& pathField, const QString& deletionDate);
};
