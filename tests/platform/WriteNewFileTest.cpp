#include "platform/WriteNewFile.h"

#include "platform/NativePath.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Everything in the folder, hidden temporary files and names that are not UTF-8 included.
QStringList Entries(const QString& folder)
{
    QStringList names;
    if (DIR* dir = ::opendir(PathToNative(folder).constData())) {
        while (const dirent* entry = ::readdir(dir))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names << PathFromNative(entry->d_name);
        ::closedir(dir);
    }
    names.sort();
    return names;
}

QByteArray Contents(const QByteArray& path)
{
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)
               ? file.readAll()
               : QByteArray("(unreadable)");
}

// The ways of writing a file, each made ready to write data to path (the copy's source is
// written first) and then called. InPrivateFolder writes without a temporary, but keeps a
// taken name and leaves nothing behind just the same.
enum class eWay
{
    Write,
    Copy,
    Replace,
    InPrivateFolder,
};
using Writing = std::function<bool(QString* error, bool* alreadyExists)>;

Writing Prepare(eWay way, const Sandbox& box, const QString& path, const QByteArray& data)
{
    if (way == eWay::Copy) {
        const QString source = box.write(QStringLiteral("source"), data);
        return [=](QString* error, bool* exists) {
            return CopyToNewFile(source, path, error, exists);
        };
    }
    return [=](QString* error, bool* exists) {
        *exists = false;
        switch (way) {
        case eWay::Replace:
            return ReplaceFile(path, data, error);
        case eWay::InPrivateFolder:
            return WriteFileInPrivateFolder(path, data, error);
        default:
            return WriteNewFile(path, data, error);
        }
    };
}

// In a child process (RLIMIT_FSIZE stands in for a full disk: it holds for root as well); the
// exit code says whether the write failed as it should, with nothing left in folder.
[[noreturn]] void WriteToAFullDisk(const Writing& write, const QString& folder)
{
    const rlimit limit = {64 << 10, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
    QString error;
    bool exists = false;
    const bool written = write(&error, &exists);
    const bool ok = !written && !exists && error == ErrnoText(EFBIG) && Entries(folder).isEmpty();
    std::_Exit(ok ? 0 : 1);
}

class WriteNewFileWays : public ::testing::TestWithParam<eWay>
{
protected:
    // A folder of its own, so that leftovers are easy to see; the copy's source lives outside.
    QString folder() const
    {
        const QString path = mBox.path(QStringLiteral("out"));
        QDir().mkpath(path);
        return path;
    }
    bool write(const QString& path, const QByteArray& data, QString* error, bool* exists)
    {
        return Prepare(GetParam(), mBox, path, data)(error, exists);
    }
    Sandbox mBox;
};
} // namespace

// Names are bytes: one that is not UTF-8 is written exactly. The file is an ordinary one, as
// readable as the umask lets it be (the temporary file it starts as is private).
TEST_P(WriteNewFileWays, WritesEveryByteUnderTheExactName)
{
    const QByteArray name = PathToNative(folder()) + "/caf\xe9 brush.png";
    // Past the copy's block size, with every byte value.
    QByteArray data;
    for (int i = 0; i < (3 << 20) + 7; ++i)
        data.append(char(i * 7));
    QString error;
    bool exists = true;
    // QTemporaryDir cannot remove it.
    const auto removeName = qScopeGuard([&] { ::unlink(name.constData()); });
    ASSERT_TRUE(write(PathFromNative(name), data, &error, &exists)) << error.toStdString();
    EXPECT_FALSE(exists);

    EXPECT_TRUE(Contents(name) == data) << "not written under its own bytes";
    struct stat status;
    ASSERT_EQ(::stat(name.constData(), &status), 0);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
    EXPECT_EQ(Entries(folder()), QStringList{PathFromNative(name).section('/', -1)})
        << "a temporary file was left behind";
}

// Whatever has the name stays as it was: a file, a folder, a link to nothing. Only the
// replacing write takes the place of a file or a link (never of a folder).
TEST_P(WriteNewFileWays, ATakenNameIsKeptUnlessReplacing)
{
    const bool replacing = GetParam() == eWay::Replace;
    const QString file = folder() + QStringLiteral("/file.png");
    const QString subfolder = folder() + QStringLiteral("/folder.png");
    const QString link = folder() + QStringLiteral("/link.png");
    QFile::copy(mBox.write(QStringLiteral("old"), "old"), file);
    QDir().mkpath(subfolder);
    QFile::link(folder() + QStringLiteral("/nowhere"), link);
    const QStringList before = Entries(folder());
    for (const QString& taken : {file, subfolder, link}) {
        SCOPED_TRACE(taken.toStdString());
        QString error;
        bool exists = false;
        const bool written = write(taken, "new", &error, &exists);
        EXPECT_EQ(written, replacing && taken != subfolder);
        EXPECT_EQ(exists, GetParam() == eWay::Copy);
        if (!replacing) {
            EXPECT_EQ(error, ErrnoText(EEXIST));
        }
        EXPECT_EQ(Entries(folder()), before) << "a temporary file was left behind";
    }
    EXPECT_EQ(Contents(PathToNative(file)), replacing ? "new" : "old");
    EXPECT_EQ(QFileInfo(link).isSymLink(), !replacing);
}

// A file that outgrows what the disk takes fails with the system's words and leaves neither
// the file nor its temporary behind.
TEST_P(WriteNewFileWays, AFullDiskLeavesNothingBehind)
{
    const Writing write = Prepare(GetParam(), mBox, folder() + QStringLiteral("/big.png"),
                                  QByteArray(256 << 10, 'x'));
    EXPECT_EXIT(WriteToAFullDisk(write, folder()), ::testing::ExitedWithCode(0), "");
}

// Folders that take no new file: one of the kernel's (for root too) and, for other users, one
// without write permission.
TEST_P(WriteNewFileWays, AFolderThatTakesNoFileFailsWithAReason)
{
    QStringList folders = {QStringLiteral("/proc"), mBox.path(QStringLiteral("missing"))};
    const QString readOnly = folder();
    if (::geteuid() != 0) {
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
        folders << readOnly;
    }
    for (const QString& where : folders) {
        SCOPED_TRACE(where.toStdString());
        QString error;
        bool exists = false;
        EXPECT_FALSE(write(where + QStringLiteral("/x.png"), "data", &error, &exists));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(exists);
    }
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(Entries(readOnly).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(WriteCopyReplace, WriteNewFileWays,
                         ::testing::Values(eWay::Write, eWay::Copy, eWay::Replace,
                                           eWay::InPrivateFolder));

// The codes that callers tell apart (a taken name is EEXIST), besides the texts above.
TEST(MoveNoReplace, MovesOnlyToAFreeName)
{
    Sandbox box;
    const QByteArray from = PathToNative(box.write(QStringLiteral("from"), "from"));
    const QByteArray taken = PathToNative(box.write(QStringLiteral("taken"), "taken"));
    EXPECT_EQ(MoveNoReplace(from, taken), EEXIST);
    EXPECT_EQ(MoveNoReplace(from, taken + ".d/x"), ENOENT);
    EXPECT_EQ(MoveNoReplace(from, taken + ".moved"), 0);
    EXPECT_EQ(Contents(taken), "taken");
    EXPECT_EQ(Contents(taken + ".moved"), "from");
}
