#include "thread/BackgroundWork.h"

#include "brush/ComputedBrush.h"

#include <QThreadPool>

void EndBackgroundWork()
{
    // First the drawings, with the pool still at work: the painter shares out large fills to
    // it, and a drawing cut off from it would wait forever. The pool's own tasks that draw then
    // come back at once.
    ComputedBrush::endDrawings();
    QThreadPool::globalInstance()->waitForDone();
}
