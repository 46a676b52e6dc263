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

// Names and paths come from files and folders anyone can write; control characters would
// reach the terminal as commands (clearing it, say), so they are shown as escapes, as are the
// bytes of a file name that is not UTF-8.
QString Printable(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0))
            result += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else if (u >= 0xDC80 && u <= 0xDCFF) // a byte of a file name that is not UTF-8
            result += QStringLiteral("\\x%1").arg(int(u - 0xDC00), 2, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result;
}
