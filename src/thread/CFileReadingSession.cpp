#include "thread/CFileReadingSession.h"

#include "thread/BrushNotifications.h"
#include "abr/CABRreader.h"
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
                                         FinishedHandler finishedReading)
    : mThread(thread), mBrushAdded(std::move(brushAdded)),
      mFinishedReading(std::move(finishedReading)),
      mAddBrushObserver(kAddBrushNotification, nullptr,
                        [this](const Notification& n) { BrushAdded(n); }),
      mFinishedObserver(kFinishedReadingFileNotification, nullptr,
                        [this](const Notification& n) { FinishedReadingFile(n); })
{}

void CFileReadingSession::ShowFile(BrushFilePtr file)
{
    CancelFileReading(mThread);
    mDisplayedFile = std::move(file);
    mReadingFile = mDisplayedFile != nullptr;
}

bool CFileReadingSession::ReadDisplayedFile()
{
    if (!mDisplayedFile)
        return false;
    try {
        CABRreader probe(mDisplayedFile->getPath());
    } catch (...) {
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

void CFileReadingSession::BrushAdded(const Notification& notification)
{
    const BrushFilePtr file = notification.userInfo().value(kBrushFileKey).value<BrushFilePtr>();
    const BrushPtr brush = notification.objectAs<const Brush>();
    if (!file || file != mDisplayedFile || !brush)
        return;
    if (mBrushAdded)
        mBrushAdded(file, brush);
}

void CFileReadingSession::FinishedReadingFile(const Notification& notification)
{
    const void* object = notification.object().get();
    if (!object || object != mDisplayedFile.get())
        return;
    // Copied first: the handler may put another file on display.
    const BrushFilePtr file = mDisplayedFile;
    mReadingFile = false;
    if (mFinishedReading)
        mFinishedReading(file);
}
