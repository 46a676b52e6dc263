#pragma once

#include <QString>

// How far this process has read into a file it has open: the offset of the descriptor on that
// file that is furthest in, from /proc/self/fdinfo. -1 when no descriptor of ours is on it. The
// reader keeps its own descriptor and reads straight through, so this is how much of the file
// it has taken in, and nobody has to report it.
qint64 ReadOffsetOfOpenFile(const QString& path);
