#pragma once

#include <QString>

// Words for an error thrown by the brush-file layer (an int: -1 for damage, -39 for a file that
// ends early, a negative errno, or a code of the stream's own), in lower case.
QString ReadErrorText(int code);
