#pragma once

#include "brush/BrushFile.h"
#include "thread/CWorkingThread.h"

#include <QString>

// Reads one brush file on the working thread. The reader posts "AddBrush" for each brush and
// "FinishedReadingFile" at the end; the BrushFile only travels along in those notifications so
// the main thread can tell this read from any other, and is never touched here.
class CFileReadingTask : public CWorkingThread::CThreadTask
{
public:
    // A null path is allowed; reading it fails like any file that cannot be opened.
    CFileReadingTask(QString path, BrushFilePtr brushFile);
    ~CFileReadingTask() override;

    // Read errors (int, std::bad_alloc) and the interruption of a cancel are not caught: the
    // worker discards them. A caller that needs the error wraps the task.
    void Perform() override;

    const QString& path() const { return mPath; }
    const BrushFilePtr& brushFile() const { return mBrushFile; }

private:
    QString mPath;
    BrushFilePtr mBrushFile;
};
