#include "platform/ValidName.h"

QString ValidName(const QString& name, qsizetype maxUtf8Bytes)
{
    QString valid;
    valid.reserve(name.size());
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        QString character(c);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
            character += name.at(++i);
        else if (c.isSurrogate() || c.unicode() >= 0xFFFE)
            character = QChar(QChar::ReplacementCharacter);
        else if (c.unicode() == 0)
            continue;
        else if (c.unicode() < 0x20)
            character = QLatin1Char(' ');
        // UTF-8 takes one byte below U+0080, two below U+0800, four for a pair, else three.
        const char16_t unit = character.at(0).unicode();
        const qsizetype size = character.size() == 2 ? 4 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
        if (maxUtf8Bytes >= 0 && bytes + size > maxUtf8Bytes)
            break;
        bytes += size;
        valid += character;
    }
    return valid;
}
