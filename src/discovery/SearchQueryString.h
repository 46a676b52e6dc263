#pragma once

#include <QString>

// The query text of the search for every brush file on the machine: by type and kind where the
// MIME database knows brush files, by file name otherwise.
QString searchQueryString();

// The text of a search by file name alone, used for searches limited to given folders.
inline const QString kBrushFileNameQuery = QStringLiteral("kMDItemFSName == \"*.abr\"c");

// The files of the packs Kelbrin converts for GIMP (brush files in a folder per pack) and for
// Krita (bundles).
inline const QString kConvertedPackFileNameQuery =
    QStringLiteral("kMDItemFSName == \"*.gbr\"c || kMDItemFSName == \"*.vbr\"c || "
                   "kMDItemFSName == \"*.bundle\"c");
