#pragma once

#include <QFile>
#include <QString>

// An empty file, created or truncated.
inline void Touch(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}
