#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Writes data to a file that must not exist yet. The bytes go to a temporary file beside it
// first, so the name appears complete or not at all, and an existing file is never replaced,
// even one that appears while we write. On failure, error says why in words.
bool WriteNewFile(const QString& path, const QByteArray& data, QString* error);

// Writes data to path the same way, through a temporary file beside it, but replaces whatever
// file has that name: for outputs whose caller made the file before handing over its name.
// Not QSaveFile: it names files through Qt's encoding, which loses bytes that are not UTF-8.
bool ReplaceFile(const QString& path, const QByteArray& data, QString* error);

// Copies the file at source to destination the same way: through a temporary file beside the
// destination, never replacing anything there, never leaving a partial file behind (a full
// disk, a folder that turns read-only). When something already has the destination's name,
// *alreadyExists is set and nothing is written.
bool CopyToNewFile(const QString& source, const QString& destination, QString* error,
                   bool* alreadyExists);

// Writes data to a new file at path directly, without a temporary: only for a file inside a
// private folder that appears whole by one rename (a pack being made), where a temporary of
// its own would add a rename and nothing else. Fails (EEXIST) when something has the name; a
// file cut short by an error is removed.
bool WriteFileInPrivateFolder(const QString& path, const QByteArray& data, QString* error);
// The same for a file whose bytes are pieces, one after another.
bool WriteFileInPrivateFolder(const QString& path, const std::vector<QByteArrayView>& pieces,
                              QString* error);

// Renames from to to unless something is at to. Returns 0 or the errno (EEXIST when the name
// is taken). Both must be on one file system.
int MoveNoReplace(const QByteArray& from, const QByteArray& to);
