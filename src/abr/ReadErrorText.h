#pragma once

#include "abr/CBrushSink.h"
#include "stream/ReadErrors.h"

#include <QString>

// Words for an error thrown by the brush-file layer (one of the codes of ReadErrors.h or a
// negative errno), in lower case.
QString ReadErrorText(int code);

// Words for the version word of a file Kelbrin does not read: "unsupported version N", or
// "not a brush file" for a word no brush file has (ReadOutcome::IsPlausibleBrushFileVersion).
QString UnsupportedVersionText(int version);
