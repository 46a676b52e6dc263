#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Kelbrin's mark on the packs it writes, so that it lists, reads back and trashes its own and
// leaves GIMP's and Krita's resources (and anybody else's) alone.
//
//   GIMP pack folder, and the     a file ".kelbrin-pack" of plain lines:
//   patterns folder beside it       Kelbrin pack
//                                   source: Inking.abr
//                                   source-sha256: <64 hex digits>
//   Krita bundle                  meta.xml's <meta:generator>Kelbrin</meta:generator>, which
//                                 every version wrote, and the source's SHA-256 as
//                                 <meta:meta-userdefined meta:name="kelbrin-source-sha256"
//                                 meta:value="…"/>, the way Krita keeps its own extra fields
//
// GIMP loads only the files whose suffix it knows and passes over hidden ones; Krita keeps
// user-defined meta fields it does not know as they are. The source's SHA-256 is the library's
// hash of the brush file, so an identical file is recognised whatever its name.
struct PackMark
{
    static inline const QString kFileName = QStringLiteral(".kelbrin-pack");
    static inline const QString kGenerator = QStringLiteral("Kelbrin");
    static inline const QString kSourceHashField = QStringLiteral("kelbrin-source-sha256");

    QString sourceName;      // the brush file's name; "" when not known
    QByteArray sourceSha256; // lowercase hex; empty for packs of earlier versions

    QByteArray fileText() const;
};

// The mark of the pack at path (a GIMP pack folder, its patterns folder or a Krita bundle);
// none for anything Kelbrin did not write. GIMP folders written before the mark existed carry
// none and count as somebody else's; bundles always said their generator.
std::optional<PackMark> ReadPackMark(const QString& path);

// Why the thing at path is not Kelbrin's to move to the trash, in words, or "" when it is: a
// pack with Kelbrin's mark, a brush file (.abr), anything outside the applications' folders
// that is not a bundle. A bundle or folder without the mark, and whatever else lies inside one
// of applicationFolders, belongs to another application.
QString ForeignResourceReason(const QString& path, const QStringList& applicationFolders);

// The SHA-256 of the file's contents in lowercase hex; empty when it cannot be read.
QByteArray FileSha256Hex(const QString& path);
