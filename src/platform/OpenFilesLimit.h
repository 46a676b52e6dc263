#pragma once

// The folder watcher keeps a descriptor open per watched folder, so the program raises its
// open-files limit at start from the user default "maxOpenFolders".

// Values up to 1023 give 1024, values above 5000 give 5000.
int ClampMaxOpenFolders(int requested);

// Sets the soft limit to the clamped value, never above the hard limit. Failures are ignored.
// Returns the soft limit in force afterwards (0 when it cannot be read).
long RaiseOpenFilesLimit(int requested);
