#pragma once

#include <QString>

// A brush or pattern name made into something every file system takes: no slashes, control or
// reserved characters, no leading dots, valid text (ValidName: no byte of a name that was not
// UTF-8), at most 200 bytes. Empty when nothing is left.
QString SafeFileName(const QString& name);
