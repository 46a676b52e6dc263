#include "convert/PackWriter.h"

#include "convert/KritaBundle.h"
#include "platform/NativePath.h"
#include "platform/WriteNewFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

namespace {
PackWriteResult Failed(const QString& path, const QString& error)
{
    return {PackWriteResult::Status::Failed, path, error};
}

// Renames the finished temporary into place; a name already taken is a duplicate, not an
// error, and the temporary goes either way.
PackWriteResult MoveIntoPlace(const QString& temporary, const QString& destination)
{
    const int error = MoveNoReplace(PathToNative(temporary), PathToNative(destination));
    if (error == 0)
        return {PackWriteResult::Status::Written, destination, QString()};
    if (error == EEXIST || error == ENOTEMPTY)
        return {PackWriteResult::Status::AlreadyExists, destination, QString()};
    return Failed(destination, QString::fromLocal8Bit(std::strerror(error)));
}

bool Exists(const QString& path)
{
    return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}
// Nothing is written over a pack that is there; the new one is made in a private temporary
// folder beside it, on the same file system, so that it can be renamed into place.
std::optional<PackWriteResult> Prepare(const QString& destination, const QString& folder,
                                       std::unique_ptr<QTemporaryDir>& temporary)
{
    if (Exists(destination))
        return PackWriteResult{PackWriteResult::Status::AlreadyExists, destination, QString()};
    if (!QDir().mkpath(folder))
        return Failed(destination, QStringLiteral("cannot make the folder %1").arg(folder));
    temporary =
        std::make_unique<QTemporaryDir>(QDir(folder).filePath(QStringLiteral(".kelbrin-pack")));
    if (!temporary->isValid())
        return Failed(destination, temporary->errorString());
    return std::nullopt;
}
} // namespace

QString PackDestination(const QString& folder, const QString& packName, PackTarget target)
{
    return QDir(folder).filePath(target == PackTarget::Gimp ? packName
                                                            : packName + QStringLiteral(".bundle"));
}

PackWriteResult WritePackFolder(const BrushPack& pack, const QString& folder)
{
    const QString destination = PackDestination(folder, pack.name, PackTarget::Gimp);
    std::unique_ptr<QTemporaryDir> temporary;
    if (std::optional<PackWriteResult> refused = Prepare(destination, folder, temporary))
        return *refused;
    for (const PackEntry& entry : pack.entries) {
        QString error;
        if (!WriteNewFile(QDir(temporary->path()).filePath(entry.fileName), entry.bytes, &error))
            return Failed(destination, error);
    }
    // QTemporaryDir made it private; the pack is read by the applications like any folder.
    QFile::setPermissions(temporary->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::ExeOther);
    PackWriteResult result = MoveIntoPlace(temporary->path(), destination);
    if (result.status == PackWriteResult::Status::Written)
        temporary->setAutoRemove(false);
    return result;
}

PackWriteResult WritePackBundle(const BrushPack& pack, const QString& folder,
                                const QString& sourcePath)
{
    const QString destination = PackDestination(folder, pack.name, PackTarget::Krita);
    std::unique_ptr<QTemporaryDir> temporary;
    if (std::optional<PackWriteResult> refused = Prepare(destination, folder, temporary))
        return *refused;
    KritaBundle::Contents contents;
    contents.title = pack.name;
    contents.description = QStringLiteral("Brushes converted by Kelbrin from %1")
                               .arg(QFileInfo(sourcePath).fileName());
    contents.preview = pack.preview;
    for (const PackEntry& entry : pack.entries)
        contents.resources.push_back({entry.mediaType, entry.fileName, entry.bytes});
    const QString written = QDir(temporary->path()).filePath(QStringLiteral("pack.bundle"));
    QString error;
    if (!KritaBundle::write(written, contents, &error))
        return Failed(destination, error);
    return MoveIntoPlace(written, destination);
}
