#pragma once

// Lowers the calling thread to the background: the lowest CPU priority (nice 19) and the idle
// I/O class, under which the kernel serves its reads only when no other process waits on the
// disk. Linux keeps both per thread, so the rest of the process is left as it was. Failure is
// harmless and ignored: the work merely competes at normal priority.
void LowerThreadToBackground();

// Asks the scheduler to run the calling thread, an event loop's, soon after it wakes: a short
// time slice gives it an early deadline, so it takes a core from a thread that has been running
// rather than waiting for that thread's slice to end. Its share of the processor is unchanged.
// Threads it starts afterwards inherit the request; busy ones give it back with
// UseDefaultWakeUps (LowerThreadToBackground does). Kernels before 6.12 ignore it; failure is
// harmless.
void PreferPromptWakeUps();
void UseDefaultWakeUps();

// Has Qt's global thread pool start all its threads now, from the calling thread and at its
// priority, and keep them for the rest of the process. A thread is born with the priority of
// the thread that starts it, and the pool starts its threads when first handed work, by whatever
// thread hands it: Qt's painter hands it the larger fills of any thread that paints, a background
// one among them. Started by one of those, a pool thread would keep the lowest priority, and
// whatever shares work out to the pool and waits for it, the window's own painting included,
// would wait on it whenever other programs keep the cores busy. For a thread of normal priority,
// before another of the process lowers itself and paints; threads the pool already has stay as
// they are. Never waits for a busy pool.
void StartQtPoolThreadsHere();
