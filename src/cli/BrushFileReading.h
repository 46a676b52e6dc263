#pragma once

#include "brush/BrushFile.h"

#include <QStringList>
#include <optional>
#include <vector>

struct ReadError
{
    bool badAlloc = false;
    int code = 0;
};

struct FileResult
{
    BrushFilePtr file;
    bool finished = false;
    std::optional<ReadError> error;
};

// Reads the files one after another off the main thread and collects their brushes as the
// window does, from the posted notifications. Main thread; returns when every file is done.
std::vector<FileResult> ReadBrushFiles(const QStringList& paths);
