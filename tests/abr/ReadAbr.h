#pragma once

#include "abr/CABRreader.h"
#include "support/TestUtil.h"
#include "thread/BrushNotifications.h"
#include "thread/PostingBrushSink.h"

#include <optional>
#include <vector>

// Names from descriptors keep the terminating zero unit the files store.
inline const QString Z(1, QChar(0));

// What one read of a brush file delivered to the main thread.
struct ReadOutcome
{
    std::vector<BrushPtr> brushes;
    std::optional<int> error;
    bool badAlloc = false;
    int finished = 0;
};

// Reads on the calling (main) thread and collects the posted notifications afterwards.
inline ReadOutcome ReadAbr(const QString& path)
{
    ReadOutcome outcome;
    NotificationRecorder recorder({kAddBrushNotification, kFinishedReadingFileNotification});
    const BrushFilePtr file = BrushFile::brushFileWithPath(path);
    try {
        CABRreader reader(path);
        PostingBrushSink sink(file);
        reader.Read(sink);
    } catch (int code) {
        outcome.error = code;
    } catch (const std::bad_alloc&) {
        outcome.badAlloc = true;
    }
    DrainPostedEvents();
    for (const Notification& n : recorder.received()) {
        if (n.name() == kAddBrushNotification)
            outcome.brushes.push_back(n.objectAs<const Brush>());
        else
            ++outcome.finished;
    }
    return outcome;
}
