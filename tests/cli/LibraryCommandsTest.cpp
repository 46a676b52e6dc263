#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/MadeUpHome.h"

#include "CliRun.h"
#include "cli/CliCommands.h"
#include "platform/NativePath.h"

#include "library/CLibraryConnection.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

// The commands through one library in a made-up home: a folder catalogued twice, a brush found
// by a folded name, a copied file found twice over, tags given and taken.
TEST(LibraryCommands, CatalogueSearchDuplicatesAndTags)
{
    MadeUpHome home;
    const QByteArray inks = SampledBrushFile({{QStringLiteral("Éclat Sec"), 10, 8}});
    const QString folder = QDir(home.folder(QStringLiteral("brushes"))).canonicalPath();
    const QString a = home.file(QStringLiteral("brushes/Inks.abr"), inks);
    // A name that is not UTF-8 comes back in the output as the bytes it is (QFile would write
    // another name).
    const QString b = folder + PathFromNative(QByteArray("/Inks \xe9.abr"));
    std::ofstream(PathToNative(b).constData()) << inks.toStdString();

    CliRun run = RunCli(RunCatalogueCommand, {folder});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "2 files looked at: 2 read (0 not to the end), 0 unchanged, 0 not written, "
                       "0 removed\n"
                       "library: 2 files, 2 brushes\n");
    run = RunCli(RunCatalogueCommand, {QStringLiteral("--json"), folder});
    EXPECT_TRUE(
        run.out.startsWith("{\"checked\": 2, \"read\": 0, \"failed\": 0, \"unchanged\": 2,"))
        << qPrintable(run.out);

    run = RunCli(RunSearchCommand, {QStringLiteral("ECLAT")});
    EXPECT_EQ(run.out.count(QStringLiteral(": 0 sampled 10x8 Éclat Sec\n")), 2)
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Inks \\xe9.abr")));
    run = RunCli(RunSearchCommand, {QStringLiteral("--json"), QStringLiteral("sec")});
    EXPECT_TRUE(run.out.contains(QStringLiteral("Inks \\udce9.abr\", \"index\": 0, \"kind\": "
                                                "\"sampled\", \"name\": \"\\u00c9clat Sec\"")))
        << qPrintable(run.out);

    run = RunCli(RunDuplicatesCommand, {});
    EXPECT_TRUE(run.out.startsWith(
        QStringLiteral("identical files:\n  %1/Inks \\xe9.abr\n  %2\n").arg(folder, a)))
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QStringLiteral("identical tips:\n")));

    EXPECT_EQ(RunCli(RunTagCommand, {a, QStringLiteral("ink"), QStringLiteral("dry")}).status, 0);
    EXPECT_EQ(RunCli(RunTagsCommand, {}).out, "dry (2)\nink (2)\n"); // the copy shares them
    EXPECT_EQ(RunCli(RunUntagCommand, {b, QStringLiteral("dry")}).status, 0);
    EXPECT_EQ(RunCli(RunTagsCommand, {QStringLiteral("--json")}).out,
              "{\"tags\": [{\"tag\": \"ink\", \"files\": 2}]}\n");
    EXPECT_EQ(RunCli(RunTagsCommand, {QStringLiteral("dry")}).out, "");

    run = RunCli(RunTagCommand, {home.path(QStringLiteral("missing.abr")), QStringLiteral("x")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("missing.abr: no such file")))
        << qPrintable(run.err);
    EXPECT_EQ(RunCli(RunTagCommand, {a}).status, 2);
    unlink(PathToNative(b).constData()); // a name the temporary folder's clean-up cannot make
}

// Without a library every command says why and fails.
TEST(LibraryCommands, SayWhenThereIsNoLibrary)
{
    MadeUpHome home;
    qputenv("XDG_DATA_HOME", PathToNative(home.file(QStringLiteral("data"), "not a folder")));
    CliRun run = RunCli(RunSearchCommand, {QStringLiteral("x")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("kelbrin-cli search: The brush library is off")))
        << qPrintable(run.err);
}

namespace {
// Brush files enough to fill a library past its first pages: count files of `brushes` brushes
// each, every name holding "soft".
QString SoftBrushFolder(const MadeUpHome& home, int count, int brushes, int side)
{
    for (int i = 0; i < count; ++i)
        home.file(
            QStringLiteral("brushes/Soft %1.abr").arg(i),
            SampledBrushFile(NamedBrushes(QStringLiteral("Soft %1").arg(i), brushes, side, side)));
    return QDir(home.path(QStringLiteral("brushes"))).canonicalPath();
}

// Root may write any file, whatever its mode: the thread that runs work gives up that right,
// for itself alone, so that the file's mode binds it as it binds everyone else.
CliRun AsOrdinaryUser(const std::function<CliRun()>& work)
{
    CliRun run;
    std::thread([&] {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[2] = {};
        if (syscall(SYS_capget, &header, caps) == 0) {
            for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
                caps[cap / 32].effective &= ~(1u << (cap % 32));
                caps[cap / 32].permitted &= ~(1u << (cap % 32));
            }
            syscall(SYS_capset, &header, caps);
        }
        run = work();
    }).join();
    return run;
}

int gLibraryLogLines = 0;
void CountLibraryLogLines(QtMsgType, const QMessageLogContext& context, const QString&)
{
    if (context.category && QByteArray(context.category) == "kelbrin.library")
        ++gLibraryLogLines;
}
} // namespace

// A library file that cannot be written is off: tag and untag say so and fail instead of losing
// the tag, and so does catalogue.
TEST(LibraryCommands, ReadOnlyLibrary_TagUntagAndCatalogueFailWithAMessage)
{
    MadeUpHome home;
    const QString folder = SoftBrushFolder(home, 2, 1, 8);
    const QString file = folder + QStringLiteral("/Soft 0.abr");
    ASSERT_EQ(RunCli(RunCatalogueCommand, {folder}).status, 0);
    ASSERT_EQ(RunCli(RunTagCommand, {file, QStringLiteral("kept")}).status, 0);
    const QString library = DefaultLibraryPath();
    ASSERT_EQ(chmod(PathToNative(library).constData(), 0444), 0);

    for (const auto& [command, args] :
         std::vector<std::pair<int (*)(const QStringList&, CliStreams), QStringList>>{
             {RunTagCommand, {file, QStringLiteral("lost")}},
             {RunUntagCommand, {file, QStringLiteral("kept")}},
             {RunCatalogueCommand, {folder}}}) {
        const CliRun run = AsOrdinaryUser([&] { return RunCli(command, args); });
        EXPECT_EQ(run.status, 1) << qPrintable(args.join(' '));
        EXPECT_TRUE(run.err.contains(library + QStringLiteral(" cannot be written")))
            << qPrintable(run.err);
    }
    chmod(PathToNative(library).constData(), 0644);

    // Immutable, which binds root too; only root may make it so, on a file system that has it.
    const int fd = open(PathToNative(library).constData(), O_RDONLY);
    int flags = 0;
    if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
        ioctl(fd, FS_IOC_SETFLAGS, &(flags |= FS_IMMUTABLE_FL)) == 0) {
        const CliRun run = RunCli(RunTagCommand, {file, QStringLiteral("lost")});
        flags &= ~FS_IMMUTABLE_FL;
        ioctl(fd, FS_IOC_SETFLAGS, &flags);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(library + QStringLiteral(" cannot be written")))
            << qPrintable(run.err);
    }
    if (fd >= 0)
        close(fd);
    EXPECT_EQ(RunCli(RunTagsCommand, {}).out, "kept (1)\n");
}

// A disk that fills while cataloguing stops the library at the first failed write: one message
// naming the library file, no log lines, exit 1, and counts that add up with the files left
// unwritten.
TEST(LibraryCommands, DiskFullWhileCataloguing_StopsWithOneMessageAndCountsThatAddUp)
{
    MadeUpHome home;
    const QString folder = SoftBrushFolder(home, 120, 3, 48);
    ASSERT_EQ(RunCli(RunTagsCommand, {}).status, 0); // makes the library
    const QString library = DefaultLibraryPath();

    // A file may grow only a little past the library's size: a full disk for the library
    // alone, and for anyone running the test.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = rlim_t(QFileInfo(library).size() + 64 * 1024);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    gLibraryLogLines = 0;
    const QtMessageHandler previousHandler = qInstallMessageHandler(CountLibraryLogLines);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const CliRun run = RunCli(RunCatalogueCommand, {QStringLiteral("--json"), folder});
    setrlimit(RLIMIT_FSIZE, &saved);
    qInstallMessageHandler(previousHandler);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << qPrintable(run.err);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("kelbrin-cli catalogue: The brush library ") +
                                   library + QStringLiteral(" cannot be written")))
        << qPrintable(run.err);
    EXPECT_EQ(gLibraryLogLines, 0);
    const QJsonObject counts = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const int checked = counts[QStringLiteral("checked")].toInt();
    EXPECT_GT(counts[QStringLiteral("unwritten")].toInt(), 0) << qPrintable(run.out);
    EXPECT_EQ(checked, counts[QStringLiteral("read")].toInt() +
                           counts[QStringLiteral("unchanged")].toInt() +
                           counts[QStringLiteral("unwritten")].toInt())
        << qPrintable(run.out);

    // With room again, the next run catalogues what was left.
    const CliRun again = RunCli(RunCatalogueCommand, {folder});
    EXPECT_EQ(again.status, 0) << qPrintable(again.err);
    EXPECT_TRUE(again.out.endsWith(QStringLiteral("library: 120 files, 360 brushes\n")))
        << qPrintable(again.out);
}

// 500 bytes of noise in the middle of a real library: found when the library is opened and set
// aside, rather than answering a search with the few brushes before the damage.
TEST(LibraryCommands, DamagedInTheMiddle_SearchFailsAndTheLibraryIsSetAside)
{
    MadeUpHome home;
    const QString folder = SoftBrushFolder(home, 60, 20, 4);
    ASSERT_EQ(RunCli(RunCatalogueCommand, {folder}).status, 0);
    ASSERT_EQ(RunCli(RunSearchCommand, {QStringLiteral("soft")}).out.count(QLatin1Char('\n')),
              1200);
    const QString library = DefaultLibraryPath();
    QFile file(library);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    std::mt19937 random(5);
    QByteArray noise(500, '\0');
    for (char& byte : noise)
        byte = char(random());
    ASSERT_TRUE(file.seek(file.size() / 2));
    file.write(noise);
    file.close();

    CliRun run = RunCli(RunSearchCommand, {QStringLiteral("soft")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.contains(library + QStringLiteral(" was damaged"))) << qPrintable(run.err);
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("set aside as ") + library + QStringLiteral(".broken-")))
        << qPrintable(run.err); // Said once: the next command finds the new, empty library.
    run = RunCli(RunSearchCommand, {QStringLiteral("soft")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}
