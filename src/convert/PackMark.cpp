#include "convert/PackMark.h"

#include "convert/KritaBundle.h"
#include "platform/NativePath.h"
#include "stream/Sha256.h"

#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray kFirstLine = QByteArrayLiteral("Kelbrin pack");
const QByteArray kSourceLine = QByteArrayLiteral("source: ");
const QByteArray kHashLine = QByteArrayLiteral("source-sha256: ");
// A mark is a few lines; anything longer is not one.
constexpr qsizetype kMaxMarkBytes = 64 * 1024;

// Reads the file through its native name, so that folders named in Latin-1 are read too; feeds
// each block to take, and stops (false) when a read fails or take refuses.
template <typename Take> bool ReadBlocks(const QString& path, Take take)
{
    const int fd = ::open(PathToNative(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char block[64 * 1024];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        if (!take(QByteArrayView(block, got))) {
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}

std::optional<PackMark> ReadMarkFile(const QString& path)
{
    QByteArray text;
    if (!ReadBlocks(path, [&](QByteArrayView block) {
            text += block;
            return text.size() <= kMaxMarkBytes;
        }))
        return std::nullopt;
    const QList<QByteArray> lines = text.split('\n');
    if (lines.front().trimmed() != kFirstLine)
        return std::nullopt;
    PackMark mark;
    for (const QByteArray& line : lines) {
        if (line.startsWith(kSourceLine))
            mark.sourceName = QString::fromUtf8(line.mid(kSourceLine.size()));
        else if (line.startsWith(kHashLine))
            mark.sourceSha256 = line.mid(kHashLine.size()).trimmed().toLower();
    }
    return mark;
}

bool IsWithin(const QString& path, const QString& folder)
{
    return path == folder || (path.startsWith(folder) && path.size() > folder.size() &&
                              path.at(folder.size()) == u'/');
}
} // namespace

QByteArray PackMark::fileText() const
{
    QByteArray text = kFirstLine + '\n';
    // A name is one line: a line break in it would end the field early.
    QString name = sourceName;
    name.replace(u'\n', u' ').replace(u'\r', u' ');
    if (!name.isEmpty())
        text += kSourceLine + name.toUtf8() + '\n';
    if (!sourceSha256.isEmpty())
        text += kHashLine + sourceSha256 + '\n';
    return text;
}

std::optional<PackMark> ReadPackMark(const QString& path)
{
    struct stat info;
    if (::stat(PathToNative(path).constData(), &info) != 0)
        return std::nullopt;
    if (S_ISDIR(info.st_mode))
        return ReadMarkFile(QDir(path).filePath(PackMark::kFileName));
    // Kelbrin names every bundle so; a brush file is never opened as an archive.
    if (!S_ISREG(info.st_mode) || !path.endsWith(QLatin1String(".bundle"), Qt::CaseInsensitive))
        return std::nullopt;
    const std::optional<KritaBundle::Contents> meta = KritaBundle::readMeta(path);
    if (!meta || meta->generator != PackMark::kGenerator)
        return std::nullopt;
    return PackMark{QString(), meta->sourceSha256};
}

QString ForeignResourceReason(const QString& path, const QStringList& applicationFolders)
{
    if (ReadPackMark(path))
        return QString();
    struct stat info;
    if (::stat(PathToNative(path).constData(), &info) != 0)
        return QString(); // nothing there to keep: the trash says so itself
    const bool bundle = path.endsWith(QLatin1String(".bundle"), Qt::CaseInsensitive);
    if (S_ISREG(info.st_mode) && bundle)
        return QStringLiteral("Kelbrin did not write this resource bundle, and leaves Krita's "
                              "resources alone");
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    for (const QString& folder : applicationFolders) {
        if (folder.isEmpty() || !IsWithin(absolute, QDir::cleanPath(folder)))
            continue;
        // Brush files are the user's own, wherever an application keeps them.
        if (S_ISREG(info.st_mode) && path.endsWith(QLatin1String(".abr"), Qt::CaseInsensitive))
            return QString();
        return QStringLiteral("Kelbrin did not write it, and leaves what is in %1 alone")
            .arg(QDir::cleanPath(folder));
    }
    return QString();
}

// A 64 MB brush file takes 35 ms, and a convert waits for it.
QByteArray FileSha256Hex(const QString& path)
{
    Sha256 hash;
    if (!ReadBlocks(path, [&](QByteArrayView block) {
            hash.addData(block);
            return true;
        }))
        return QByteArray();
    return hash.result().toHex();
}
