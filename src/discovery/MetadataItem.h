#pragma once

#include <QMetaType>
#include <QString>
#include <memory>
#include <vector>

// One file found by a metadata query. An item follows its file: when the file is renamed or
// moved, the item stays the same and its path changes. Read and changed on the main thread
// only, once the query has handed it out.
class MetadataItem
{
public:
    static inline const QString kMDItemPath = QStringLiteral("kMDItemPath");

    explicit MetadataItem(QString path) : mPath(std::move(path)) {}
    const QString& path() const { return mPath; }
    void setPath(QString path) { mPath = std::move(path); }
    // The attribute by name; only the path is known. Invalid for anything else.
    QVariant copyAttribute(const QString& name) const;

private:
    QString mPath;
};

using MetadataItemPtr = std::shared_ptr<MetadataItem>;
using MetadataItemList = std::vector<MetadataItemPtr>;

Q_DECLARE_METATYPE(MetadataItemPtr)
Q_DECLARE_METATYPE(MetadataItemList)
