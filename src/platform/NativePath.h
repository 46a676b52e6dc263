#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

// Linux file names are bytes; Qt's own conversion (QFile::encodeName/decodeName) turns bytes
// that are not UTF-8 into U+FFFD and cannot give them back, so a Latin-1 name from an old
// archive could be shown but never opened again. Every path that crosses between the kernel
// and a QString goes through these two functions instead: valid UTF-8 decodes as usual and each
// byte that is not part of valid UTF-8 becomes the lone surrogate U+DC80 + (byte - 0x80), which
// the reverse conversion turns back into that byte. The round trip bytes -> QString -> bytes is
// exact for every name the kernel can hold.
QString PathFromNative(const char* bytes, qsizetype length);
QString PathFromNative(const QByteArray& bytes);
QString PathFromNative(const char* nulTerminated);
QByteArray PathToNative(const QString& path);

// Linux file systems take at most this many bytes for one name in a folder.
constexpr qsizetype kMaxNameBytes = 255;

// The longest start of name whose bytes (as PathToNative gives them) fit in maxBytes, cut
// between characters, never inside one: a shortened name stays readable and stays UTF-8.
QString CutNameToBytes(const QString& name, qsizetype maxBytes);

// name itself when it fits in maxBytes, else a shorter name that keeps its extension (what
// follows the last dot that is not the first character), as trash implementations shorten
// the names they make. A name whose extension alone leaves no room is simply cut.
QString FitFileName(const QString& name, qsizetype maxBytes = kMaxNameBytes);

// The same care for file:// URLs, whose paths are percent-encoded bytes: %E9 in a URL from an
// old archive's file name must come back as that byte, where QUrl::toLocalFile would make it
// U+FFFD. The URL of a UTF-8 path is the one QUrl::fromLocalFile gives.
QUrl FileUrlFromPath(const QString& path);
// The path of a file:// URL on this machine (no host, or "localhost"); empty for URLs of other
// schemes or hosts, and for ones without an absolute path.
QString PathFromFileUrl(const QUrl& url);
