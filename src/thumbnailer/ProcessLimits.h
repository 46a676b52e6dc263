#pragma once

#include <cstddef>

// The thumbnailer is run by file managers on whatever files they come across, so it bounds
// itself rather than trust the input: a cap on its address space and a wall-clock deadline.

// Caps the process's address space, so that an allocation past it fails as std::bad_alloc
// instead of pushing the desktop into swap. Does nothing under AddressSanitizer or
// ThreadSanitizer, whose shadow memory alone reserves terabytes of addresses.
void CapAddressSpace(size_t bytes);

// Ends the process with exitCode once it has used cpuMilliseconds of processor time or waited
// wallMilliseconds in all, unless StopDeadline comes first. Processor time is the real bound: it
// does not grow when a busy machine makes us wait our turn, which would otherwise fail good
// files that the file manager then remembers as failed. The wall-clock bound catches reads that
// hang on a stalled disk. Under sanitizers, which run many times slower, both are ten times
// longer. Nothing may have been written by then; the process leaves without cleaning up.
void StartDeadline(int cpuMilliseconds, int wallMilliseconds, int exitCode);
void StopDeadline();
