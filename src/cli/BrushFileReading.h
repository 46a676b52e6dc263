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
    // Left for the next file before its end, as --switch-after asked.
    bool switchedAway = false;
};

// Reads the files one after another on a working thread and collects their brushes as the
// window does, from the posted notifications. With switchAfter >= 0 (and two paths) the first
// file is left for the second after that many brushes, exactly as the window switches files.
// Main thread; returns when every file is done.
std::vector<FileResult> ReadBrushFiles(const QStringList& paths, int switchAfter = -1);

QString ErrorMessage(const ReadError& error);
