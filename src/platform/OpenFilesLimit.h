#pragma once

// Large collections mean many files open at once (crawler threads, the file shown, exports), so
// the program raises its open-files limit at start from the user default "maxOpenFolders".

// Values up to 1023 give 1024, values above 5000 give 5000.
int ClampMaxOpenFolders(int requested);

// Raises a lower soft limit to the clamped value, never above the hard limit; a soft limit that
// is already higher is left alone. Failures are ignored. Returns the soft limit in force
// afterwards (0 when it cannot be read).
long RaiseOpenFilesLimit(int requested);
