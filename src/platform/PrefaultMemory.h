#pragma once

#include <cstddef>

// Asks the kernel to back a fresh allocation with pages in one call instead of one fault per
// page on first touch. Best effort: older kernels simply fault as usual. Only worth it for
// blocks of many pages, such as large brush samples.
void PrefaultMemory(void* start, size_t length);
