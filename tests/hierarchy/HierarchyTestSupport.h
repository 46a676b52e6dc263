#pragma once

#include "hierarchy/CFileHierarchy.h"
#include "platform/VolumesFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

inline constexpr FileNodeFlags kPlainFile{FileNodeFlags::eExists | FileNodeFlags::eIsFile};
inline constexpr FileNodeFlags kFolder{FileNodeFlags::eExists};

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

// A temporary folder in which tests lay out real files, since the model asks the disk what
// each path is.
class DiskTree
{
public:
    // In memory where the machine offers it: the randomized tests touch thousands of files.
    DiskTree()
        : mDir((QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                   : QDir::tempPath()) +
               QStringLiteral("/kelbrin-test-XXXXXX"))
    {}

    // The absolute path of a relative one ("" gives the folder itself, without a final "/").
    QString path(const QString& relative = QString()) const
    {
        return relative.isEmpty() ? mDir.path() : mDir.path() + QLatin1Char('/') + relative;
    }

    QString file(const QString& relative) const
    {
        const QString p = path(relative);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        if (!f.exists() && !f.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(p));
        return p;
    }

    QString folder(const QString& relative) const
    {
        const QString p = path(relative);
        QDir().mkpath(p);
        return p;
    }

private:
    QTemporaryDir mDir;
};

// Points the volumes folder somewhere else for as long as it lives.
class VolumesFolderOverride
{
public:
    explicit VolumesFolderOverride(const QString& path) { SetVolumesFolderPath(path); }
    ~VolumesFolderOverride() { SetVolumesFolderPath(QString()); }
};

template <typename NodePointer> QString PathOf(const NodePointer& node)
{
    return node ? node->FullPathText() : QStringLiteral("-");
}

// The top-level list as full paths, with the temporary folder's path cut to "~".
inline QStringList TopLevelPaths(const CFileHierarchy& h, const DiskTree& disk)
{
    QStringList paths;
    for (size_t i = 0; i < h.TopLevelNodeCount(); ++i)
        paths << h.TopLevelNode(i)->FullPathText().replace(disk.path(), QStringLiteral("~"));
    return paths;
}

// Names of a node's children as a short string: visible ones, then "|", then hidden ones.
inline QString ChildNames(const CFileSystemNode& node)
{
    QStringList names;
    for (const CFileSystemNodePtr& child : node.VisibleChildren())
        names << child->SystemName();
    names << QStringLiteral("|");
    for (const CFileSystemNodePtr& child : node.HiddenChildren())
        names << child->SystemName();
    return names.join(QLatin1Char(' '));
}
