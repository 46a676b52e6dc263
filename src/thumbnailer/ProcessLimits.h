#pragma once

#include <cstddef>

// The thumbnailer is run by file managers on whatever files they come across, so it bounds
// itself rather than trust the input: a cap on its address space and a wall-clock deadline.

// Caps the process's address space, so that an allocation past it fails as std::bad_alloc
// instead of pushing the desktop into swap. Does nothing under AddressSanitizer or
// ThreadSanitizer, whose shadow memory alone reserves terabytes of addresses.
void CapAddressSpace(size_t bytes);

// Ends the process with exitCode once `milliseconds` have passed, unless StopDeadline comes
// first. Nothing may have been written by then; the process leaves without cleaning up.
void StartDeadline(int milliseconds, int exitCode);
void StopDeadline();
