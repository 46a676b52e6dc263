#pragma once

// Ends the background work that no object of the program owns and waits for it, before static
// destruction takes what it uses: the large computed-tip drawings left running by callers that
// were interrupted, and the tasks of Qt's global thread pool (the viewer's large drawings).
// Work that objects own (reading threads, the cataloguer, the search) ends with its owner.
// Called at the end of every main, the programs' and the tests', while the application object
// still exists; large drawings asked for afterwards come back empty.
void EndBackgroundWork();

// Ends it when main's scope is left, whichever way: declared just after the application object,
// it goes after everything declared later and before the application.
struct BackgroundWorkEnder
{
    BackgroundWorkEnder() = default;
    ~BackgroundWorkEnder() { EndBackgroundWork(); }
    BackgroundWorkEnder(const BackgroundWorkEnder&) = delete;
    BackgroundWorkEnder& operator=(const BackgroundWorkEnder&) = delete;
};
