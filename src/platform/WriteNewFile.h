#pragma once

#include <QByteArray>
#include <QString>

// Writes data to a file that must not exist yet. The bytes go to a temporary file beside it
// first, so the name appears complete or not at all, and an existing file is never replaced,
// even one that appears while we write. On failure, error says why in words.
bool WriteNewFile(const QString& path, const QByteArray& data, QString* error);
