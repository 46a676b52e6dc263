#pragma once

#include "stream/ReadErrors.h"

#include <QString>

// Words for an error thrown by the brush-file layer (one of the codes of ReadErrors.h or a
// negative errno), in lower case.
QString ReadErrorText(int code);
