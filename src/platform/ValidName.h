#pragma once

#include <QString>

// A name as every format Kelbrin writes can hold it: one line of valid Unicode. Names come
// from brush files as UTF-16 that may be broken (a lone surrogate) and from file names whose
// bytes are not UTF-8 (kept by NativePath as lone surrogates); XML writers stop at either, and
// GIMP refuses a name that is not UTF-8 or holds a zero byte. So:
//   - a lone surrogate becomes U+FFFD, the replacement character;
//   - a zero unit is removed, other control characters become spaces;
//   - the non-characters U+FFFE and U+FFFF become U+FFFD;
//   - with maxUtf8Bytes >= 0, the name is cut to that many UTF-8 bytes between characters.
QString ValidName(const QString& name, qsizetype maxUtf8Bytes = -1);
