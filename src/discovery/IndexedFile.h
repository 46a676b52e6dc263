#pragma once

#include <QString>
#include <memory>
#include <vector>

// One file found by the file index. An item follows its file: when the file is renamed or
// moved, the item stays the same and its path changes. Read and changed on the main thread
// only, once the index has handed it out.
class IndexedFile
{
public:
    explicit IndexedFile(QString path) : mPath(std::move(path)) {}
    const QString& path() const { return mPath; }
    void setPath(QString path) { mPath = std::move(path); }

private:
    QString mPath;
};

using IndexedFilePtr = std::shared_ptr<IndexedFile>;
using IndexedFileList = std::vector<IndexedFilePtr>;
