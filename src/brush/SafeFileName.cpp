#include "brush/SafeFileName.h"

#include "platform/ValidName.h"

QString SafeFileName(const QString& name)
{
    QString safe;
    safe.reserve(name.size());
    for (QChar c : name) {
        const bool reserved =
            c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += reserved ? QLatin1Char('_') : c;
    }
    safe = safe.trimmed();
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    // Room for a collision number and the suffix inside the usual 255-byte limit; a byte of a
    // name that was not UTF-8 (a lone surrogate) would make it no name an application shows.
    return ValidName(safe, 200);
}
