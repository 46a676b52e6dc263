#pragma once

// Lowers the calling thread to the background: the lowest CPU priority (nice 19) and the idle
// I/O class, under which the kernel serves its reads only when no other process waits on the
// disk. Linux keeps both per thread, so the rest of the process is left as it was. Failure is
// harmless and ignored: the work merely competes at normal priority.
void LowerThreadToBackground();
