#pragma once

#include "abr/CABRreader.h"
#include "abr/CBrushSink.h"
#include "brush/BrushFile.h"

// A brush file read on the calling thread into a BrushFile: every brush that could be read,
// and how the read ended (an error here is also what stopped a file that could not be opened).
struct WholeBrushFile
{
    BrushFilePtr file;
    ReadOutcome outcome;
};

WholeBrushFile ReadWholeBrushFile(const QString& path,
                                  CABRreader::ReadAs as = CABRreader::ReadAs::Presets);
