#pragma once

#include "platform/FileNodeFlags.h"

#include <QStringList>
#include <vector>

using FileNodeFlagsList = std::vector<FileNodeFlags>;

// What a brush-file search tells the objects that show its results. Paths are absolute; for
// renames and moves the two lists run in parallel, and flags follow the paths one for one.
class FSObserver
{
public:
    virtual ~FSObserver() = default;
    virtual void queryFirstPhaseProgress(int count) = 0;
    virtual void finishedQueryFirstPhase() = 0;
    virtual void changedItems(const QStringList& paths) = 0;
    virtual void moveItems(const QStringList& oldPaths, const QStringList& newPaths,
                           const FileNodeFlagsList& newFlags) = 0;
    virtual void renameItems(const QStringList& oldPaths, const QStringList& newPaths) = 0;
    virtual void deleteItems(const QStringList& paths) = 0;
    virtual void addItems(const QStringList& paths, const FileNodeFlagsList& flags) = 0;
};
