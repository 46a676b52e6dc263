#include "discovery/MetadataItem.h"

#include <QVariant>

QVariant MetadataItem::copyAttribute(const QString& name) const
{
    if (name == kMDItemPath && !mPath.isEmpty())
        return mPath;
    return {};
}
