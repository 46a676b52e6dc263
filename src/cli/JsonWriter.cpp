#include "cli/JsonWriter.h"

QString JsonString(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '"')
            out += QLatin1String("\\\"");
        else if (u == '\\')
            out += QLatin1String("\\\\");
        else if (u >= 0x20 && u < 0x7F)
            out += ch;
        else
            out += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
    }
    out += QLatin1Char('"');
    return out;
}
