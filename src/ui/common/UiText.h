#pragma once

#include <QLocale>
#include <QString>

// English plurals with the number in the reader's locale ("5,000 brushes"). No translation
// catalogue is loaded, so Qt's %n forms would show as they are written.
inline QString CountOf(int n, const char* one, const char* many)
{
    return QString::fromUtf8(n == 1 ? one : many).arg(QLocale().toString(n));
}
