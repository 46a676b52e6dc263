#pragma once

#include <QString>

// The folder under which removable drives appear: /media/$USER or /run/media/$USER, whichever
// exists, else /media. Every rule about "the volumes folder" goes through this one function.
QString RemovableMediaFolder();
