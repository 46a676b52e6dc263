#include "thread/CFileReadingTask.h"

#include "abr/CABRreader.h"
#include "convert/BrushPackReader.h"
#include "thread/PostingBrushSink.h"

CFileReadingTask::CFileReadingTask(QString path, BrushFilePtr brushFile)
    : mPath(std::move(path)), mBrushFile(std::move(brushFile))
{}

CFileReadingTask::~CFileReadingTask() = default;

void CFileReadingTask::Perform()
{
    // The reader lives only for this read; leaving the scope closes the file, also on a throw.
    PostingBrushSink sink(mBrushFile);
    if (BrushPackReader::isPackPath(mPath)) {
        BrushPackReader reader(mPath);
        reader.Read(sink);
    } else {
        CABRreader reader(mPath);
        reader.Read(sink);
    }
}
