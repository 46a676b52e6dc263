#include "platform/ucstring.h"

const ucstring empty_ucstring;

std::string ascii_ustringToString(const ucstring& text)
{
    size_t length = text.size();
    while (length > 0 && text[length - 1] == 0)
        --length;
    std::string result(length, '\0');
    for (size_t i = 0; i < length; ++i)
        result[i] = static_cast<char>(text[i] & 0xFF);
    return result;
}

void assign(std::string& dst, const QString& src)
{
    const QByteArray utf8 = src.toUtf8();
    dst.assign(utf8.constData(), static_cast<size_t>(utf8.size()));
}

void assign(QString& dst, const std::string& src)
{
    dst = QString::fromUtf8(src.c_str());
}

void assign(QString& dst, const ucstring& src)
{
    dst = QString(reinterpret_cast<const QChar*>(src.data()), static_cast<qsizetype>(src.size()));
}

void assign(ucstring& dst, const QString& src)
{
    assign(dst, QStringView(src));
}

void assign(ucstring& dst, QStringView src)
{
    dst.assign(reinterpret_cast<const unsigned short*>(src.utf16()),
               static_cast<size_t>(src.size()));
}
