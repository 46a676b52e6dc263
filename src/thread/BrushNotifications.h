#pragma once

#include "abr/CBrushSink.h"
#include "brush/BrushFile.h"

#include <QObject>

// What a brush-file read reports to the main thread. The BrushFile only tells the main thread
// which read a report belongs to; the worker never touches it.

// One brush of the read of `file`, in file order.
struct AddBrush
{
    BrushFilePtr file;
    BrushPtr brush;
};

// One pattern of the read of `file`, in file order, after its brushes.
struct AddPattern
{
    BrushFilePtr file;
    PatternPtr pattern;
};

// The read of `file` is over, after its last brush or at a read error.
struct FinishedReadingFile
{
    BrushFilePtr file;
    ReadOutcome outcome;
};

// Where delivered reports come out on the main thread, as signals emitted synchronously while
// the carrier is handled. Main thread only.
class BrushReadingNotifications : public QObject
{
    Q_OBJECT
public:
    static BrushReadingNotifications& instance();

Q_SIGNALS:
    void addBrush(const AddBrush& report);
    void addPattern(const AddPattern& report);
    void finishedReadingFile(const FinishedReadingFile& report);
};
