#include "discovery/IndexedFile.h"

#include <QVariant>

QVariant IndexedFile::copyAttribute(const QString& name) const
{
    if (name == kMDItemPath && !mPath.isEmpty())
        return mPath;
    return {};
}
