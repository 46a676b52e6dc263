#include "platform/Trash.h"

#include "platform/Logging.h"
#include "platform/MountPoints.h"
#include "platform/NativePath.h"
#include "platform/PathInfo.h"
#include "platform/Paths.h"
#include "platform/WinePrefixes.h"
#include "platform/WriteNewFile.h"

#include <QDateTime>
#include <QDir>
#include <QTime>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kCollisionCandidates = 128;
// info/NAME.trashinfo must fit a folder's name limit too, so NAME in files/ gets that much less.
constexpr qsizetype kMaxTrashedNameBytes = kMaxNameBytes - qsizetype(sizeof(".trashinfo") - 1);

QString StrError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool LstatPath(const QString& path, struct stat* st)
{
    return ::lstat(PathToNative(path).constData(), st) == 0;
}

// A folder of ours: made with the given mode when missing (parents too), and then a real
// folder, not a symbolic link, owned by us — nobody else may choose where our files go.
bool EnsureOwnFolder(const QString& path, mode_t mode)
{
    struct stat st;
    if (LstatPath(path, &st))
        return S_ISDIR(st.st_mode);
    // Only absolute paths get here; an empty parent would be a relative one's end.
    const QString parent = ParentPath(path);
    if (path == QLatin1String("/") || parent.isEmpty() ||
        (!ExistsWithoutFollowing(parent) && !EnsureOwnFolder(parent, 0700)))
        return false;
    if (::mkdir(PathToNative(path).constData(), mode) != 0 && errno != EEXIST)
        return false;
    return LstatPath(path, &st) && S_ISDIR(st.st_mode);
}

bool EnsureTrashFolder(const QString& trash)
{
    struct stat st;
    return EnsureOwnFolder(trash, 0700) && LstatPath(trash, &st) && st.st_uid == ::getuid() &&
           EnsureOwnFolder(trash + QStringLiteral("/files"), 0700) &&
           EnsureOwnFolder(trash + QStringLiteral("/info"), 0700);
}

// The device of path, or of its nearest existing ancestor: the home trash may not exist yet.
dev_t DeviceOfNearest(QString path)
{
    struct stat st;
    while (::stat(PathToNative(path).constData(), &st) != 0 && path != QLatin1String("/") &&
           !path.isEmpty())
        path = ParentPath(path);
    return st.st_dev;
}

// The mount point of the file system that holds the item at absolute.
QString TopDirectoryOf(const QString& absolute)
{
    QString folder = ParentPath(absolute);
    struct stat here;
    if (::stat(PathToNative(folder).constData(), &here) != 0)
        return QString();
    while (folder != QLatin1String("/") && !IsMountPoint(folder)) {
        const QString up = ParentPath(folder);
        struct stat above;
        if (::stat(PathToNative(up).constData(), &above) != 0 || above.st_dev != here.st_dev)
            break;
        folder = up;
    }
    return folder;
}

// $topdir/.Trash/$uid when the administrator made $topdir/.Trash (a sticky folder, not a
// link), else $topdir/.Trash-$uid; empty when neither can be had.
QString VolumeTrashFolder(const QString& topdir)
{
    const QString uid = QString::number(::getuid());
    const QString base = topdir == QLatin1String("/") ? QString() : topdir;
    const QString shared = base + QStringLiteral("/.Trash");
    struct stat st;
    if (LstatPath(shared, &st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const QString own = shared + QLatin1Char('/') + uid;
        if (EnsureTrashFolder(own))
            return own;
    }
    const QString own = base + QStringLiteral("/.Trash-") + uid;
    return EnsureTrashFolder(own) ? own : QString();
}

// Base name and extension as the collision names split them: the extension follows the last
// dot that is not the name's first character.
void SplitName(const QString& name, QString* base, QString* extension)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) {
        *base = name;
        extension->clear();
    } else {
        *base = name.left(dot);
        *extension = name.mid(dot + 1);
    }
}

// Creates the info file; 0 or the errno (EEXIST when the name is taken).
int CreateInfoFile(const QString& path, const QByteArray& contents)
{
    const int fd =
        ::open(PathToNative(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    const ssize_t written = ::write(fd, contents.constData(), size_t(contents.size()));
    const int writeError = errno;
    if (written != contents.size() || ::fsync(fd) != 0) {
        const int error = written < 0 ? writeError : (written != contents.size() ? ENOSPC : errno);
        ::close(fd);
        ::unlink(PathToNative(path).constData());
        return error;
    }
    ::close(fd);
    return 0;
}

Trash::Result Refused(const QString& reason)
{
    Trash::Result result;
    result.reason = reason;
    return result;
}
} // namespace

QString Trash::collisionName(const QString& name, const QString& timeText, int attempt)
{
    QString base, extension;
    SplitName(name, &base, &extension);
    const QString separator =
        attempt == 0 ? QStringLiteral(".") : QStringLiteral(" %1.").arg(attempt + 1);
    // A long name loses the end of its base, never the time and counter that tell the
    // candidates apart; an extension that leaves no room for them is taken as part of the base.
    QString tail = timeText + separator + extension;
    if (PathToNative(tail).size() >= kMaxTrashedNameBytes) {
        base = name;
        tail = timeText + separator;
    }
    return CutNameToBytes(base, kMaxTrashedNameBytes - PathToNative(tail).size()) + tail;
}

QByteArray Trash::trashInfo(const QString& pathField, const QString& deletionDate)
{
    // Everything but the unreserved characters and "/" is escaped, byte by byte, as
    // g_uri_escape_string does; file managers compare what they read with that.
    return QByteArrayLiteral("[Trash Info]\nPath=") +
           PathToNative(pathField).toPercentEncoding("/") + QByteArrayLiteral("\nDeletionDate=") +
           deletionDate.toUtf8() + '\n';
}

namespace {
// Where the item at absolute goes: the trash of its file system and the Path= that trash
// records for it. A result when trashing ends here instead: refused, or deleted on request.
std::optional<Trash::Result> ChooseTrash(const QString& absolute, const struct stat& item,
                                         const Trash::AskToDelete& askToDelete, QString* trash,
                                         QString* pathField)
{
    // The home trash takes what can be renamed into it, which is what lies on its file
    // system; a home folder on an external drive keeps its trash there too.
    const QString homeTrash = UserDataFolder() + QStringLiteral("/Trash");
    if (item.st_dev == DeviceOfNearest(homeTrash)) {
        if (!EnsureTrashFolder(homeTrash))
            return Refused(QStringLiteral("cannot make the trash folder %1").arg(homeTrash));
        *trash = homeTrash;
        *pathField = absolute;
        return std::nullopt;
    }
    const QString topdir = TopDirectoryOf(absolute);
    *trash = topdir.isEmpty() ? QString() : VolumeTrashFolder(topdir);
    if (trash->isEmpty()) {
        qCWarning(lcActions).noquote()
            << QStringLiteral("The file system of %1 has no trash folder").arg(absolute);
        if (!askToDelete)
            return Refused(QStringLiteral("its file system has no trash folder"));
        if (!askToDelete(LastComponent(absolute)))
            return Refused(QStringLiteral("not deleted"));
        const bool removed = S_ISDIR(item.st_mode) ? QDir(absolute).removeRecursively()
                                                   : ::unlink(PathToNative(absolute)) == 0;
        Trash::Result result;
        result.succeeded = result.deleted = removed;
        if (!removed)
            result.reason = StrError(errno);
        return result;
    }
    qCInfo(lcActions).noquote() << QStringLiteral(
                                       "Trashing %1 into the trash of its own file system, %2")
                                       .arg(absolute, *trash);
    *pathField = topdir == QLatin1String("/") ? absolute.mid(1) : absolute.mid(topdir.size() + 1);
    return std::nullopt;
}

QString InfoPath(const QString& trash, const QString& name)
{
    return trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo");
}

// Claims a name in the trash by creating its info file, which comes first and exclusively:
// whoever creates it owns the name. The item's own name when free, else a collision name,
// which *renameFirst says the item takes in its folder before it moves (so that a name free
// there and in the trash is moved in one piece). A result when no name could be had.
std::optional<Trash::Result> ClaimTrashName(const QString& trash, const QString& absolute,
                                            const QString& pathField, QString* chosen,
                                            bool* renameFirst)
{
    const QString files = trash + QStringLiteral("/files/");
    const QString folder = ParentPath(absolute);
    // The original name stays in the info file's Path=, which is what a restore puts back.
    const QString name = FitFileName(LastComponent(absolute), kMaxTrashedNameBytes);
    const QByteArray infoContents = Trash::trashInfo(
        pathField, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));

    *renameFirst = false;
    if (!ExistsWithoutFollowing(files + name)) {
        const int error = CreateInfoFile(InfoPath(trash, name), infoContents);
        if (error == 0) {
            *chosen = name;
            return std::nullopt;
        }
        if (error != EEXIST)
            return Refused(
                QStringLiteral("cannot write %1: %2").arg(InfoPath(trash, name), StrError(error)));
    }
    const QString timeText = QTime::currentTime().toString(QStringLiteral(" HH-mm-ss"));
    for (int attempt = 0; attempt < kCollisionCandidates; ++attempt) {
        const QString candidate = Trash::collisionName(name, timeText, attempt);
        if (ExistsWithoutFollowing(folder + QLatin1Char('/') + candidate) ||
            ExistsWithoutFollowing(files + candidate))
            continue;
        const int error = CreateInfoFile(InfoPath(trash, candidate), infoContents);
        if (error == EEXIST)
            continue;
        if (error != 0)
            return Refused(QStringLiteral("cannot write %1: %2")
                               .arg(InfoPath(trash, candidate), StrError(error)));
        *chosen = candidate;
        *renameFirst = true;
        return std::nullopt;
    }
    return Refused(
        QStringLiteral("%1 names for it are taken in the trash").arg(kCollisionCandidates));
}

// Moves the item into files/ under the name claimed; on failure it stays where it was and the
// claim's info file goes.
Trash::Result MoveIntoTrash(const QString& absolute, const QString& trash, const QString& chosen,
                            bool renameFirst)
{
    const QString trashedPath = trash + QStringLiteral("/files/") + chosen;
    const QByteArray source = PathToNative(absolute);
    const QByteArray destination = PathToNative(trashedPath);
    const auto giveUp = [&](int error) {
        ::unlink(PathToNative(InfoPath(trash, chosen)).constData());
        return Refused(StrError(error));
    };
    if (!renameFirst) {
        const int error = MoveNoReplace(source, destination);
        if (error != 0)
            return giveUp(error);
    } else {
        const QByteArray renamed = PathToNative(ParentPath(absolute) + QLatin1Char('/') + chosen);
        int error = MoveNoReplace(source, renamed);
        if (error != 0)
            return giveUp(error);
        error = MoveNoReplace(renamed, destination);
        if (error != 0) {
            if (MoveNoReplace(renamed, source) != 0)
                qCWarning(lcActions).noquote() << QStringLiteral("could not rename %1 back to %2")
                                                      .arg(PathFromNative(renamed), absolute);
            return giveUp(error);
        }
    }
    Trash::Result result;
    result.succeeded = true;
    result.trashedPath = trashedPath;
    return result;
}
} // namespace

Trash::Result Trash::trashPath(const QString& path, const AskToDelete& askToDelete)
{
    if (path.isEmpty())
        return Refused(QStringLiteral("no file given"));
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    struct stat item;
    if (!LstatPath(absolute, &item))
        return Refused(StrError(errno));
    if (!IsDeletableFileAtPath(absolute)) {
        qCWarning(lcActions).noquote()
            << QStringLiteral("don't have the permissions to trash file: %1").arg(absolute);
        return Refused(QStringLiteral("no permission to remove it from its folder"));
    }
    QString trash, pathField, chosen;
    if (std::optional<Result> ended = ChooseTrash(absolute, item, askToDelete, &trash, &pathField))
        return *ended;
    bool renameFirst = false;
    if (std::optional<Result> refused =
            ClaimTrashName(trash, absolute, pathField, &chosen, &renameFirst))
        return *refused;
    return MoveIntoTrash(absolute, trash, chosen, renameFirst);
}

Trash::Result Trash::restore(const QString& trashedPath)
{
    // <trash>/files/NAME beside <trash>/info/NAME.trashinfo.
    const QString files = ParentPath(trashedPath);
    const QString name = trashedPath.mid(files.size() + 1);
    if (LastComponent(files) != QLatin1String("files") || name.isEmpty())
        return Refused(QStringLiteral("%1 is not in a trash").arg(trashedPath));
    const QString trash = ParentPath(files);
    const QString infoPath = trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo");
    QFile info(infoPath);
    if (!info.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("cannot read %1: %2").arg(infoPath, info.errorString()));
    QByteArray field;
    bool inSection = false;
    for (const QByteArray& line : info.readAll().split('\n')) {
        if (line.startsWith('['))
            inSection = line.trimmed() == "[Trash Info]";
        else if (inSection && line.startsWith("Path="))
            field = QByteArray::fromPercentEncoding(line.mid(5).trimmed());
    }
    if (field.isEmpty())
        return Refused(QStringLiteral("%1 names no place to put it back").arg(infoPath));
    // A volume's trash keeps paths relative to the volume's top folder, which holds
    // .Trash-UID or .Trash/UID.
    QString original = PathFromNative(field);
    if (!original.startsWith(QLatin1Char('/'))) {
        const QString top = LastComponent(trash).startsWith(QLatin1String(".Trash-"))
                                ? ParentPath(trash)
                                : ParentPath(ParentPath(trash));
        original = top == QLatin1String("/") ? QLatin1Char('/') + original
                                             : top + QLatin1Char('/') + original;
    }
    if (ExistsWithoutFollowing(original))
        return Refused(QStringLiteral("%1 is taken by another file now").arg(original));
    if (!ExistsWithoutFollowing(ParentPath(original)))
        return Refused(QStringLiteral("its folder %1 is gone").arg(ParentPath(original)));
    const int error = MoveNoReplace(PathToNative(trashedPath), PathToNative(original));
    if (error != 0)
        return Refused(
            QStringLiteral("cannot move it back to %1: %2").arg(original, StrError(error)));
    if (::unlink(PathToNative(infoPath).constData()) != 0)
        qCWarning(lcActions).noquote()
            << QStringLiteral("could not remove %1: %2").arg(infoPath, StrError(errno));
    Result result;
    result.succeeded = true;
    result.trashedPath = original;
    return result;
}
