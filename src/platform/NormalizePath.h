#pragma once

#include <QString>

// Path strings with and without their final slash; "/" is never emptied.
QString normalizePathByRemovingFinalSlash(const QString& path);
QString normalizePathByAddingFinalSlash(const QString& path);
