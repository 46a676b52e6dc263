#pragma once

#include "actions/PaintingApp.h"

#include <QStringList>

class BrushFileSearch;
class BrushWindow;

// Gives the window its two outlines, both following the application's search: every brush file
// found (the applications' folders, the system's library folders and backup volumes left out)
// and those installed in the applications, which searches again, once the first phase is over,
// the application folders the main search found nothing in. searchedFolders are named when
// nothing is found.
void AttachOutlines(BrushWindow& window, BrushFileSearch& search, const PaintingAppList& apps,
                    const QStringList& searchedFolders);
