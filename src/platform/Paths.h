#pragma once

#include <QString>

// Paths as text, the way Linux spells them: '/' between components, "/" the root. Only
// ExistsWithoutFollowing asks the disk.

// Everything before the last slash: "/a/b" -> "/a", "/a" -> "/", "/" -> "/". A name without a
// slash has no parent here (""). A final slash counts as a separator ("/a/b/" -> "/a/b"):
// callers that may get one pass the path through WithoutFinalSlash first.
QString ParentPath(const QString& path);

// Everything after the last slash: "/a/b" -> "b", "b" -> "b", "/" and "/a/" -> "".
QString LastComponent(const QString& path);

// The path without its final slashes: "/a/b//" -> "/a/b"; "/" stays "/".
QString WithoutFinalSlash(QString path);

// Whether anything has this name: a symbolic link counts as itself, even one that leads nowhere.
bool ExistsWithoutFollowing(const QString& path);
