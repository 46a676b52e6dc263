#pragma once

#include <QString>

// The query text of the search for every brush file on the machine: by type and kind where the
// MIME database knows brush files, by file name otherwise.
QString searchQueryString();

// The text of a search by file name alone, used for searches limited to given folders.
inline const QString kBrushFileNameQuery = QStringLiteral("kMDItemFSName == \"*.abr\"c");
