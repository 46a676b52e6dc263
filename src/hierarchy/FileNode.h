#pragma once

#include <QString>

class CFileSystemNode;

// The object an outline row stands for. Each hierarchy node owns one for itself; it points
// back at its node without owning it, so it must not outlive the node.
class FileNode
{
public:
    explicit FileNode(CFileSystemNode* node) : mNode(node) {}
    FileNode(const FileNode&) = delete;
    FileNode& operator=(const FileNode&) = delete;

    CFileSystemNode* getNode() const { return mNode; }
    // The node's full path.
    QString description() const;

private:
    CFileSystemNode* mNode;
};
