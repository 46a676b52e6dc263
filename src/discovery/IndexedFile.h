#pragma once

#include <QMetaType>
#include <QString>
#include <memory>
#include <vector>

// One file found by a metadata query. An item follows its file: when the file is renamed or
// moved, the item stays the same and its path changes. Read and changed on the main thread
// only, once the query has handed it out.
class IndexedFile
{
public:
    static inline const QString kMDItemPath = QStringLiteral("kMDItemPath");

    explicit IndexedFile(QString path) : mPath(std::move(path)) {}
    const QString& path() const { return mPath; }
    void setPath(QString path) { mPath = std::move(path); }
    // The attribute by name; only the path is known. Invalid for anything else.
    QVariant copyAttribute(const QString& name) const;

private:
    QString mPath;
};

using IndexedFilePtr = std::shared_ptr<IndexedFile>;
using IndexedFileList = std::vector<IndexedFilePtr>;

Q_DECLARE_METATYPE(IndexedFilePtr)
Q_DECLARE_METATYPE(IndexedFileList)
