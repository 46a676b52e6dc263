#include "platform/ReadProgress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

qint64 ReadOffsetOfOpenFile(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return -1;
    qint64 furthest = -1;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : descriptors.entryList(QDir::Files | QDir::System)) {
        if (QFile::symLinkTarget(descriptors.filePath(fd)) != target)
            continue;
        // The descriptor may close between the two looks; then it simply does not count.
        QFile info(QStringLiteral("/proc/self/fdinfo/") + fd);
        if (!info.open(QIODevice::ReadOnly))
            continue;
        const QByteArray first = info.readLine();
        if (!first.startsWith("pos:"))
            continue;
        bool ok = false;
        const qint64 pos = first.mid(4).trimmed().toLongLong(&ok);
        if (ok)
            furthest = std::max(furthest, pos);
    }
    return furthest;
}
