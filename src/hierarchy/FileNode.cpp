#include "hierarchy/FileNode.h"

#include "hierarchy/CFileSystemNode.h"

QString FileNode::description() const
{
    return mNode ? mNode->FullPathText() : QString();
}
