#include "support/BrushFiles.h"
#include "support/ForeignResources.h"
#include "support/MadeUpHome.h"

#include "cli/CliCommands.h"
#include "platform/NativePath.h"

#include "CliRun.h"
#include "support/TestUtil.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

TEST(AppsCommand, PrintsOneLinePerApplicationOrJson)
{
    MadeUpHome home;
    const QString cs6 = home.adobeApp(".wine", "Adobe Photoshop CS6", "Photoshop.exe", 13);
    const QString support = home.adobeSupportFolder(".wine", "Adobe Photoshop CS6");
    home.folder(".local/share/krita");

    const CliRun text = RunCli(RunAppsCommand, {});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, QStringLiteral("photoshop\t13\t%1\t%1/Presets/Brushes\t%2\n"
                                       "krita\t-\t%3\t%3/brushes\t-\n")
                            .arg(cs6, support, home.path(".local/share/krita")));

    const CliRun json = RunCli(RunAppsCommand, {"--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.toStdString(),
              QStringLiteral("{\"apps\": [{\"kind\": \"photoshop\", \"identifier\": "
                             "\"com.adobe.Photoshop\", \"version\": 13, \"appFolder\": \"%1\", "
                             "\"brushesFolder\": \"%1/Presets/Brushes\", "
                             "\"additionalBrushesFolder\": \"%2\"}, {\"kind\": \"krita\", "
                             "\"identifier\": \"org.kde.krita\", \"version\": null, \"appFolder\": "
                             "\"%3\", \"brushesFolder\": \"%3/brushes\", "
                             "\"additionalBrushesFolder\": null}]}\n")
                  .arg(cs6, support, home.path(".local/share/krita"))
                  .toStdString());
}

// Photoshop gets a copy; GIMP and Krita get the brushes in their own formats, as a pack named
// after the file, GIMP's brushes folder made when missing. A file no brush can be read from is
// refused before anything is written; one already installed is not a new copy (status 1).
TEST(InstallCommand, RefusesNonBrushFilesThenInstallsAndNamesEachApplication)
{
    MadeUpHome home;
    const QString source = home.file("Soft.abr", SampleAndSoftTipFile());
    EXPECT_EQ(RunCli(RunInstallCommand, {}).status, 2);
    EXPECT_EQ(RunCli(RunInstallCommand, {source, source}).status, 2);
    const CliRun none = RunCli(RunInstallCommand, {source});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.err.contains("no painting application is installed")) << qPrintable(none.err);

    const QString photoshop =
        home.adobeApp(".wine", "Adobe Photoshop CS6", "Photoshop.exe", 13) + "/Presets/Brushes";
    QDir().mkpath(photoshop);
    const QString gimp = home.folder(".config/GIMP/2.10") + "/brushes";
    const QString krita = home.folder(".local/share/krita");
    const CliRun junk = RunCli(RunInstallCommand, {home.file("Junk.abr", "8BIM")});
    EXPECT_EQ(junk.status, 1);
    EXPECT_EQ(junk.out, QString());
    EXPECT_EQ(junk.err, "kelbrin-cli install: “Junk.abr” was not installed: not a brush file.\n");
    EXPECT_EQ(QDir(photoshop).entryList(QDir::Files), QStringList());

    const CliRun first = RunCli(RunInstallCommand, {source});
    EXPECT_EQ(first.status, 0) << qPrintable(first.err);
    EXPECT_EQ(first.out.toStdString(),
              QStringLiteral("Adobe Photoshop CS6: installed %1/Soft.abr\n"
                             "GIMP 2.10: installed %2/Soft (its brushes folder was made for it)\n"
                             "Krita: installed %3/Soft.bundle\n"
                             "If they are running, GIMP shows the new brushes once its Brushes, "
                             "Patterns, Paint Dynamics and Tool Presets are refreshed (the "
                             "Refresh button at the foot of each) or it restarts, and Krita "
                             "once it restarts.\n")
                  .arg(photoshop, gimp, krita)
                  .toStdString());
    EXPECT_EQ(first.err, QString());
    EXPECT_EQ(QDir(gimp + "/Soft").entryList(QDir::Files),
              QStringList({"000 Patchy Dual Probe.gbr", "001 Brush 001.vbr"}));
    const CliRun second = RunCli(RunInstallCommand, {source});
    EXPECT_EQ(second.status, 1);
    EXPECT_TRUE(second.out.startsWith("Adobe Photoshop CS6: already installed as " + photoshop +
                                      "/Soft.abr\nGIMP 2.10: already installed as " + gimp +
                                      "/Soft\n"))
        << qPrintable(second.out);
    EXPECT_EQ(second.err, "kelbrin-cli install: “Soft.abr” is already installed in Adobe "
                          "Photoshop CS6, GIMP 2.10 and Krita.\n");

    // A damaged file that still gives brushes is installed, and the damage is said.
    const std::vector<SampledBrushDescription> brushes = NamedBrushes("b", 3, 8, 8);
    const QString cut = home.file("Cut.abr", TruncatedInBrush(brushes, 1));
    const CliRun damaged = RunCli(RunInstallCommand, {cut});
    EXPECT_EQ(damaged.status, 0);
    EXPECT_EQ(damaged.err, "kelbrin-cli install: " + cut +
                               ": the file is damaged: only 1 brush could be read from it\n");
}

// On a home where Krita and GIMP keep their own resources: trash refuses them (status 1, and
// why), while the packs Kelbrin installed go.
TEST(TrashCommand, LeavesOtherApplicationsResourcesAlone)
{
    MadeUpHome home;
    const QString gimp = home.folder(".config/GIMP/2.10");
    const QString krita = home.folder(".local/share/krita");
    const QString kritas = WriteKritaOwnBundle(krita + "/Krita_3_Default_Resources.bundle");
    const QString downloaded = home.folder(".config/GIMP/2.10/brushes/Downloaded");
    const QString round = home.file(".config/GIMP/2.10/brushes/Downloaded/Round.gbr", "gbr");
    const QByteArray bytes = Contents(TestDataPath("abrkit_photoshop_dual_brush.abr"));
    ASSERT_EQ(RunCli(RunInstallCommand, {home.file("Inking.abr", bytes)}).status, 0);

    const QString trash = home.path(".local/share/Trash/files/");
    const CliRun run = RunCli(RunTrashCommand, {kritas, downloaded, round, gimp + "/brushes/Inking",
                                                krita + "/Inking.bundle"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.out.toStdString(),
        QStringLiteral("refused %1: Kelbrin did not write this resource bundle, and leaves "
                       "Krita's resources alone\n"
                       "refused %2: Kelbrin did not write it, and leaves what is in %3 alone\n"
                       "refused %4: Kelbrin did not write it, and leaves what is in %3 alone\n"
                       "trashed %3/brushes/Inking -> %5Inking\n"
                       "trashed %6/Inking.bundle -> %5Inking.bundle\n")
            .arg(kritas, downloaded, gimp, round, trash, krita)
            .toStdString());
    EXPECT_TRUE(QFileInfo::exists(kritas) && QFileInfo::exists(round));
}

TEST(TrashCommand, TrashesEachFileAndRefusesWhatItCannot)
{
    MadeUpHome home;
    const QString a = home.file("a.abr", "a");
    const QString b = home.file("b", "b");
    EXPECT_EQ(RunCli(RunTrashCommand, {}).status, 2);
    EXPECT_EQ(RunCli(RunTrashCommand, {"--yes"}).status, 2);

    const QString trash = home.path(".local/share/Trash/files/");
    const CliRun run = RunCli(RunTrashCommand, {a, home.path("missing.abr"), b});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, QStringLiteral("trashed %1 -> %2a.abr\nrefused %3: No such file or "
                                      "directory\ntrashed %4 -> %2b\n")
                           .arg(a, trash, home.path("missing.abr"), b));
}

// A name of 255 bytes, the most a folder takes: the Photoshop copy keeps it exactly, and the
// trash, whose info/NAME.trashinfo must fit as well, shortens it between characters keeping
// its extension, while Path= keeps the whole name for a restore. So does a second file of that
// name, whose collision name keeps its time.
TEST(InstallAndTrashCommands, NamesOfTheLongestLengthAreInstalledAndTrashedRestorably)
{
    MadeUpHome home;
    const QString photoshop =
        home.adobeApp(".wine", "Adobe Photoshop CS6", "Photoshop.exe", 13) + "/Presets/Brushes";
    QDir().mkpath(photoshop);
    home.folder(".config/GIMP/2.10");
    home.folder(".local/share/krita");
    const QString name = QString(125, QChar(0xFC)) + "a.abr"; // "ü" is two bytes
    ASSERT_EQ(name.toUtf8().size(), 255);
    const QByteArray bytes = Contents(TestDataPath("abrkit_photoshop_dual_brush.abr"));
    const QString path = home.file(name, bytes);

    const CliRun install = RunCli(RunInstallCommand, {path});
    EXPECT_EQ(install.status, 0) << qPrintable(install.out + install.err);
    EXPECT_EQ(Contents(photoshop + "/" + name), bytes);

    const QString trash = home.path(".local/share/Trash");
    const QString shortened = QString(120, QChar(0xFC)) + ".abr"; // 244 bytes
    for (int round = 0; round < 2; ++round) {
        home.file(name, bytes);
        const CliRun run = RunCli(RunTrashCommand, {path});
        EXPECT_EQ(run.status, 0) << qPrintable(run.out);
        const QString trashed = run.out.section(" -> ", 1).trimmed();
        const QString inTrash = QFileInfo(trashed).fileName();
        EXPECT_LE(inTrash.toUtf8().size(), 245) << qPrintable(inTrash);
        EXPECT_TRUE(round == 0 ? inTrash == shortened
                               : inTrash.endsWith(".abr") && inTrash.contains(" ") &&
                                     inTrash.startsWith(QString(100, QChar(0xFC))))
            << qPrintable(inTrash);
        const QByteArray info = Contents(trash + "/info/" + inTrash + ".trashinfo");
        const QByteArray pathLine = info.mid(info.indexOf("Path=") + 5).split('\n').first();
        ASSERT_EQ(QString::fromUtf8(QByteArray::fromPercentEncoding(pathLine)), path);
        // A restore puts the file back where Path= says.
        ASSERT_TRUE(QFile::rename(trashed, path));
        EXPECT_EQ(Contents(path), bytes);
        QFile::remove(path);
        // The second round's collision comes from files/ holding the first round's name.
        home.file(".local/share/Trash/files/" + shortened, "");
    }
}

// What needs a file system of its own — another volume, a full disk, a read-only folder, a
// move into the trash that fails — runs the program in a private mount namespace with tmpfs
// and read-only bind mounts, where the test can have one.
TEST(TrashAndInstallCommands, OtherFileSystemsFullDisksAndReadOnlyFolders)
{
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    const QString unshare = QStandardPaths::findExecutable("unshare");
    const QString cli = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + "/src/kelbrin-cli";
    if (unshare.isEmpty() || !QFile::exists(cli))
        GTEST_SKIP() << "needs unshare and the built kelbrin-cli";
    QProcess probe;
    probe.start(unshare, {"-rm", "true"});
    if (!probe.waitForFinished(10000) || probe.exitCode() != 0)
        GTEST_SKIP() << "no private mount namespace here: "
                     << probe.readAllStandardError().constData();

    MadeUpHome home;
    home.folder("volume");
    home.folder(".config/GIMP/2.10/brushes");
    home.folder(".var/app/org.gimp.GIMP/config/GIMP/3.0/brushes");
    home.folder(".local/share/krita/brushes");
    home.folder(".local/share/Trash/files");
    home.folder("locked");
    // One brush of 300 x 300 pixels: its GIMP pack does not fit the 64 KiB disk below.
    const QByteArray big = SampledBrushFile({{"Big", 300, 300}});
    home.file("Big.abr", big);
    home.file("Soft.abr", "soft");
    home.file(".local/share/Trash/files/Soft.abr", "older");
    home.file("locked/Kept.abr", "kept");

    // Each step prints what it did; the test compares the whole transcript.
    const QString script = R"(
set -u
cd "$HOME"
cli() { "$CLI" "$@"; echo "status $?"; }
mount -t tmpfs -o size=64k kelbrin-full .config/GIMP/2.10/brushes
mount --bind .local/share/krita .local/share/krita
mount -o remount,bind,ro .local/share/krita
echo "# install: full disk, read-only folder, and one that works"
cli install Big.abr 2>/dev/null
ls -A .config/GIMP/2.10/brushes .local/share/krita | tr '\n' ' '; echo

mount -t tmpfs kelbrin-volume volume
echo a > volume/A.abr; echo b > volume/B.abr; echo c > volume/C.abr; echo d > volume/D.abr
echo "# trash on another file system"
cli trash volume/A.abr
grep Path= volume/.Trash-$(id -u)/info/A.abr.trashinfo
stat -c %a volume/.Trash-$(id -u)
mkdir volume/.Trash; chmod 1777 volume/.Trash
cli trash volume/B.abr
echo "# no trash can be had there"
rm -r volume/.Trash volume/.Trash-$(id -u); touch volume/.Trash-$(id -u)
cli trash volume/C.abr
cli trash --yes volume/D.abr
ls volume

echo "# the move into the trash fails after the rename: rolled back"
mount --bind .local/share/Trash/files .local/share/Trash/files
mount -o remount,bind,ro .local/share/Trash/files
cli trash Soft.abr
cat Soft.abr; echo; ls -A .local/share/Trash/info | wc -l; ls | grep -c Soft
echo "# a read-only folder"
mount --bind locked locked; mount -o remount,bind,ro locked
cli trash locked/Kept.abr
cat locked/Kept.abr; echo
)";
    QProcess process;
    process.setWorkingDirectory(home.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CLI", cli);
    environment.insert("HOME", home.path());
    environment.insert("XDG_DATA_HOME", home.path(".local/share"));
    environment.insert("XDG_CONFIG_HOME", home.path(".config"));
    environment.insert("LC_ALL", "C");
    environment.remove("WINEPREFIX");
    process.setProcessEnvironment(environment);
    process.start(unshare, {"-rm", "bash", "-c", script});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString transcript =
        QString::fromUtf8(process.readAllStandardOutput()).replace(home.path(), "~");
    const QString id = "0"; // the namespace maps us to root
    EXPECT_EQ(transcript.toStdString(),
              QStringLiteral("# install: full disk, read-only folder, and one that works\n"
                             "GIMP 2.10: could not write ~/.config/GIMP/2.10/brushes/Big: No "
                             "space left on device\n"
                             "GIMP 3.0 (Flatpak): installed "
                             "~/.var/app/org.gimp.GIMP/config/GIMP/3.0/brushes/Big\n"
                             "Krita: could not write ~/.local/share/krita/Big.bundle: Read-only "
                             "file system\n"
                             "If it is running, GIMP shows the new brushes once its Brushes, "
                             "Patterns, Paint Dynamics and Tool Presets are refreshed (the "
                             "Refresh button at the foot of each) or it restarts.\n"
                             "status 1\n"
                             ".config/GIMP/2.10/brushes:  .local/share/krita: brushes \n"
                             "# trash on another file system\n"
                             "trashed volume/A.abr -> ~/volume/.Trash-%1/files/A.abr\n"
                             "status 0\n"
                             "Path=A.abr\n"
                             "700\n"
                             "trashed volume/B.abr -> ~/volume/.Trash/%1/files/B.abr\n"
                             "status 0\n"
                             "# no trash can be had there\n"
                             "refused volume/C.abr: its file system has no trash folder\n"
                             "status 1\n"
                             "deleted volume/D.abr\n"
                             "status 0\n"
                             "C.abr\n"
                             "# the move into the trash fails after the rename: rolled back\n"
                             "refused Soft.abr: Invalid cross-device link\n"
                             "status 1\n"
                             "soft\n"
                             "0\n"
                             "1\n"
                             "# a read-only folder\n"
                             "refused locked/Kept.abr: no permission to remove it from its folder\n"
                             "status 1\n"
                             "kept\n")
                  .arg(id)
                  .toStdString())
        << process.readAllStandardError().constData();
    EXPECT_EQ(Contents(home.path("Big.abr")), big);
}

// Who may trash what, as another user: a sticky folder lets only the owner of the file (or of
// the folder) remove it, and a folder without write permission lets nobody.
TEST(TrashCommand, DeletableCheckFollowsFolderPermissionsAndTheStickyBit)
{
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    const QString cli = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + "/src/kelbrin-cli";
    if (::geteuid() != 0 || setpriv.isEmpty() || !QFile::exists(cli))
        GTEST_SKIP() << "needs root (to act as another user), setpriv and the built kelbrin-cli";
    MadeUpHome home;
    const uid_t nobody = 65534;
    const QString sticky = home.folder("sticky"), closed = home.folder("closed");
    const QString theirs = home.file("sticky/theirs.abr", "t"),
                  mine = home.file("sticky/mine.abr", "m");
    const QString locked = home.file("closed/mine.abr", "c");
    ::chmod(QFile::encodeName(home.path()).constData(), 0755);
    ::chmod(QFile::encodeName(sticky).constData(), 01777);
    for (const QString& path : {home.folder(".local/share"), mine, locked})
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", cli, "trash",
                            theirs, mine, locked});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()).toStdString(),
              QStringLiteral("refused %1: no permission to remove it from its folder\n"
                             "trashed %2 -> %3\n"
                             "refused %4: no permission to remove it from its folder\n")
                  .arg(theirs, mine, home.path(".local/share/Trash/files/mine.abr"), locked)
                  .toStdString());
    EXPECT_EQ(Contents(theirs), "t");
    EXPECT_EQ(Contents(locked), "c");
}
