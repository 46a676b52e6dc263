#include "thread/CFileReadingTask.h"

#include "abr/CABRreader.h"
#include "thread/PostingBrushSink.h"

CFileReadingTask::CFileReadingTask(QString path, BrushFilePtr brushFile)
    : mPath(std::move(path)), mBrushFile(std::move(brushFile))
{}

CFileReadingTask::~CFileReadingTask() = default;

void CFileReadingTask::Perform()
{
    // The reader lives only for this read; leaving the scope closes the file, also on a throw.
    CABRreader reader(mPath);
    PostingBrushSink sink(mBrushFile);
    reader.Read(sink);
}
