#pragma once

#include "platform/ucstring.h"

// One step of a path, as a descriptor hands it out: the path from its first character up to
// and including this component (with the "/" that follows it in the source path, if any),
// and the component's own name without any "/". The first component of an absolute path is
// ("/", "").
struct CPathComponent
{
    ucstring mPath;
    ucstring mName;
};
