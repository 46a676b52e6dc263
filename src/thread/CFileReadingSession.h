#pragma once

#include "brush/BrushFile.h"
#include "thread/BrushNotifications.h"
#include "thread/CWorkingThread.h"

#include <QObject>
#include <functional>

// Stops the read `thread` is doing and throws away whatever that read posted and the main thread
// has not handled yet. Main thread only. The order matters: the worker must have come back to
// its queue before the sweep, or the old read could post again after it.
void CancelFileReading(CWorkingThread& thread);

// The main thread's side of reading one file at a time: which BrushFile is on display, and the
// observers that pass on "AddBrush", "AddPattern" and "FinishedReadingFile" for that very BrushFile
// only (identity, not equality), so that nothing of an earlier read can reach the file shown now.
// Main thread only. The working thread must outlive the session.
class CFileReadingSession
{
public:
    // Called for each brush of the file on display, in file order; appending it to the file is
    // the handler's job (the grid does it as it lays out the thumbnail).
    using BrushHandler = std::function<void(const BrushFilePtr&, const BrushPtr&)>;
    // Called once when the file on display has been read to its end or to a read error.
    using FinishedHandler = std::function<void(const BrushFilePtr&, const ReadOutcome&)>;
    // Called for each pattern of the file on display, in file order, after its brushes; as for
    // brushes, appending it is the handler's job. None: patterns are not shown.
    using PatternHandler = std::function<void(const BrushFilePtr&, const PatternPtr&)>;

    CFileReadingSession(CWorkingThread& thread, BrushHandler brushAdded,
                        FinishedHandler finishedReading, PatternHandler patternAdded = {});
    CFileReadingSession(const CFileReadingSession&) = delete;
    CFileReadingSession& operator=(const CFileReadingSession&) = delete;

    // Cancels the read under way, then puts `file` on display (null shows nothing). Safe to call
    // from inside either handler.
    void ShowFile(BrushFilePtr file);
    // Checks on this thread that the file on display can be opened, then queues its reading.
    // False, with nothing queued and nothing reported, when it cannot be opened; `openError`
    // then receives what the open threw (-1 when it was not an int).
    bool ReadDisplayedFile(int* openError = nullptr);
    // Queues a task of the caller's that reads the file on display (for instance one that wraps
    // a CFileReadingTask to learn its error).
    void QueueTask(CWorkingThread::TaskPtr task);
    // Stops the read under way; the file stays on display, with what it has received so far.
    void Cancel();

    const BrushFilePtr& displayedFile() const { return mDisplayedFile; }
    // True from the moment a file is put on display until its "FinishedReadingFile" has been
    // handled; a cancel leaves it as it is.
    bool isReadingFile() const { return mReadingFile; }

private:
    void BrushAdded(const AddBrush& report);
    void PatternAdded(const AddPattern& report);
    void FinishedReadingFile(const ::FinishedReadingFile& report);

    CWorkingThread& mThread;
    BrushHandler mBrushAdded;
    FinishedHandler mFinishedReading;
    PatternHandler mPatternAdded;
    BrushFilePtr mDisplayedFile;
    bool mReadingFile = false;
    // Owns the connections to the reports: they end with the session.
    QObject mReceiver;
};
