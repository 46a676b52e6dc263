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
