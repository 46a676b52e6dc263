#include "platform/NativePath.h"

#include <QUrl>
#include <cstring>

namespace {
constexpr char16_t kEscapeBase = 0xDC00; // byte b (0x80..0xFF) <-> U+DC00 + b

// Length of the valid UTF-8 sequence starting at s (at most n bytes), 0 when the bytes there
// are not one: overlong forms, surrogates and values past U+10FFFF are all refused, as they
// are not UTF-8 and must survive as raw bytes.
int ValidSequenceLength(const unsigned char* s, qsizetype n, char32_t* codePoint)
{
    const unsigned char b0 = s[0];
    int length;
    char32_t value;
    char32_t minimum;
    if (b0 < 0x80) {
        *codePoint = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, value = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, value = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, value = b0 & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (n < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (s[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}
} // namespace

QString PathFromNative(const char* bytes, qsizetype length)
{
    QString result;
    result.reserve(length);
    const auto* s = reinterpret_cast<const unsigned char*>(bytes);
    qsizetype i = 0;
    while (i < length) {
        char32_t codePoint;
        const int n = ValidSequenceLength(s + i, length - i, &codePoint);
        if (n == 0) {
            result.append(QChar(char16_t(kEscapeBase + s[i])));
            ++i;
            continue;
        }
        if (codePoint < 0x10000) {
            result.append(QChar(char16_t(codePoint)));
        } else {
            result.append(QChar(QChar::highSurrogate(codePoint)));
            result.append(QChar(QChar::lowSurrogate(codePoint)));
        }
        i += n;
    }
    return result;
}

QString PathFromNative(const QByteArray& bytes)
{
    return PathFromNative(bytes.constData(), bytes.size());
}

QString PathFromNative(const char* nulTerminated)
{
    return nulTerminated ? PathFromNative(nulTerminated, qsizetype(std::strlen(nulTerminated)))
                         : QString();
}

QByteArray PathToNative(const QString& path)
{
    QByteArray result;
    result.reserve(path.size() * 3 / 2 + 1);
    const char16_t* u = reinterpret_cast<const char16_t*>(path.utf16());
    const qsizetype n = path.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = u[i];
        if (c >= 0xDC80 && c <= 0xDCFF) {
            result.append(char(c - kEscapeBase));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(u[i + 1])) {
            c = QChar::surrogateToUcs4(char16_t(c), u[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(c)) {
            c = 0xFFFD; // a lone surrogate no file name can have produced
        }
        if (c < 0x80) {
            result.append(char(c));
        } else if (c < 0x800) {
            result.append(char(0xC0 | (c >> 6)));
            result.append(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            result.append(char(0xE0 | (c >> 12)));
            result.append(char(0x80 | ((c >> 6) & 0x3F)));
            result.append(char(0x80 | (c & 0x3F)));
        } else {
            result.append(char(0xF0 | (c >> 18)));
            result.append(char(0x80 | ((c >> 12) & 0x3F)));
            result.append(char(0x80 | ((c >> 6) & 0x3F)));
            result.append(char(0x80 | (c & 0x3F)));
        }
    }
    return result;
}

QString CutNameToBytes(const QString& name, qsizetype maxBytes)
{
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < name.size()) {
        const qsizetype units =
            name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        bytes += PathToNative(name.mid(i, units)).size();
        if (bytes > maxBytes)
            break;
        i += units;
    }
    return name.left(i);
}

QString FitFileName(const QString& name, qsizetype maxBytes)
{
    if (PathToNative(name).size() <= maxBytes)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    const qsizetype room = maxBytes - PathToNative(extension).size();
    if (extension.isEmpty() || room < 1)
        return CutNameToBytes(name, maxBytes);
    return CutNameToBytes(name.left(dot), room) + extension;
}

QUrl FileUrlFromPath(const QString& path)
{
    // What QUrl::fromLocalFile leaves as it is; everything else is percent-encoded.
    return QUrl::fromEncoded("file://" + PathToNative(path).toPercentEncoding("/!$&'()*+,;=:@[]"));
}

QString PathFromFileUrl(const QUrl& url)
{
    if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
        return QString();
    const QByteArray path =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return path.startsWith('/') ? PathFromNative(path) : QString();
}
