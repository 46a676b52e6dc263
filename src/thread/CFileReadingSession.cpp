#include "thread/CFileReadingSession.h"

#include "abr/CABRreader.h"
#include "convert/BrushPackReader.h"
#include "stream/ReadErrors.h"
#include "thread/CFileReadingTask.h"
#include "thread/NotificationEvent.h"

#include <boost/make_shared.hpp>

void CancelFileReading(CWorkingThread& thread)
{
    try {
        thread.CancelAndClear();
    } catch (...) {
        // The worker's own state is unaffected; what matters is the sweep below.
    }
    NotificationEvent::clearAll();
}

CFileReadingSession::CFileReadingSession(CWorkingThread& thread, BrushHandler brushAdded,
                                         FinishedHandler finishedReading,
                                         PatternHandler patternAdded)
    : mThread(thread), mBrushAdded(std::move(brushAdded)),
      mFinishedReading(std::move(finishedReading)), mPatternAdded(std::move(patternAdded))
{
    BrushReadingNotifications& reports = BrushReadingNotifications::instance();
    QObject::connect(&reports, &BrushReadingNotifications::addBrush, &mReceiver,
                     [this](const AddBrush& report) { BrushAdded(report); });
    QObject::connect(&reports, &BrushReadingNotifications::addPattern, &mReceiver,
                     [this](const AddPattern& report) { PatternAdded(report); });
    QObject::connect(&reports, &BrushReadingNotifications::finishedReadingFile, &mReceiver,
                     [this](const ::FinishedReadingFile& report) { FinishedReadingFile(report); });
}

void CFileReadingSession::ShowFile(BrushFilePtr file)
{
    CancelFileReading(mThread);
    mDisplayedFile = std::move(file);
    mReadingFile = mDisplayedFile != nullptr;
}

bool CFileReadingSession::ReadDisplayedFile(int* openError)
{
    if (!mDisplayedFile)
        return false;
    try {
        const QString& path = mDisplayedFile->getPath();
        if (BrushPackReader::isPackPath(path))
            BrushPackReader probe(path);
        else
            CABRreader probe(path);
    } catch (int code) {
        if (openError)
            *openError = code;
        return false;
    } catch (...) {
        if (openError)
            *openError = kDamagedFileError;
        return false;
    }
    QueueTask(boost::make_shared<CFileReadingTask>(mDisplayedFile->getPath(), mDisplayedFile));
    return true;
}

void CFileReadingSession::QueueTask(CWorkingThread::TaskPtr task)
{
    mReadingFile = true;
    mThread.AddTask(std::move(task));
}

void CFileReadingSession::Cancel()
{
    CancelFileReading(mThread);
}

void CFileReadingSession::BrushAdded(const AddBrush& report)
{
    if (!report.file || report.file != mDisplayedFile || !report.brush)
        return;
    if (mBrushAdded)
        mBrushAdded(report.file, report.brush);
}

void CFileReadingSession::PatternAdded(const AddPattern& report)
{
    if (!report.file || report.file != mDisplayedFile || !report.pattern)
        return;
    if (mPatternAdded)
        mPatternAdded(report.file, report.pattern);
}

void CFileReadingSession::FinishedReadingFile(const ::FinishedReadingFile& report)
{
    if (!report.file || report.file != mDisplayedFile)
        return;
    // Copied first: the handler may put another file on display.
    const BrushFilePtr file = mDisplayedFile;
    mReadingFile = false;
    if (mFinishedReading)
        mFinishedReading(file, report.outcome);
}
