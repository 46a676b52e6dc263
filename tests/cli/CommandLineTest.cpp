#include "support/MadeUpHome.h"
#include "support/TestUtil.h"

#include "cli/CliCommands.h"
#include "platform/NativePath.h"

#include "CliRun.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace {
class EveryCommand : public testing::TestWithParam<CliCommand>
{
};

TEST_P(EveryCommand, AnswersHelpAndRefusesAnUnknownOptionWithItsUsage)
{
    const CliCommand& command = GetParam();
    const QString usage = QStringLiteral("usage: kelbrin-cli ") + command.name;
    const CliRun help = RunCli(command.run, {QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(usage)) << qPrintable(help.out);
    EXPECT_TRUE(help.out.contains(QStringLiteral("-h, --help")));
    EXPECT_TRUE(help.err.isEmpty());

    const CliRun bogus = RunCli(command.run, {QStringLiteral("--bogus"), QStringLiteral("x")});
    EXPECT_EQ(bogus.status, 2);
    EXPECT_TRUE(bogus.out.isEmpty());
    EXPECT_TRUE(bogus.err.startsWith(QStringLiteral("kelbrin-cli %1: unknown option --bogus\n%2")
                                         .arg(QLatin1String(command.name), usage)))
        << qPrintable(bogus.err);
}

INSTANTIATE_TEST_SUITE_P(Cli, EveryCommand, testing::ValuesIn(CliCommandTable()),
                         [](const testing::TestParamInfo<CliCommand>& info) {
                             return std::string(info.param.name);
                         });

// Through the program itself, so that the dispatch and the application object it makes (or
// does not) are part of it.
struct ProgramCase
{
    QStringList args;
    int status;
    const char* printed;            // on standard output, or else on standard error
    const char* language = nullptr; // LANGUAGE, under an English locale
};

class Program : public testing::TestWithParam<ProgramCase>
{
};

TEST_P(Program, ExitsWithTheStatusAndSaysWhy)
{
    SKIP_WHEN_STARTING_PROGRAMS_CONFUSES_THREAD_SANITIZER();
    const QString cli = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR") + "/src/kelbrin-cli";
    if (!QFile::exists(cli))
        GTEST_SKIP() << "needs the built kelbrin-cli";
    QStringList args = GetParam().args;
    args.replaceInStrings(QStringLiteral("FILE"), TestDataPath(QStringLiteral("agpsd_tilt.abr")));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    if (GetParam().language) {
        environment.insert(QStringLiteral("LANGUAGE"), QLatin1String(GetParam().language));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    }
    process.setProcessEnvironment(environment);
    process.start(cli, args);
    ASSERT_TRUE(process.waitForFinished(10000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), GetParam().status) << qPrintable(err);
    EXPECT_TRUE(out.contains(QString::fromUtf8(GetParam().printed)) ||
                err.contains(QString::fromUtf8(GetParam().printed)))
        << qPrintable(out + err);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Program,
    testing::Values(
        ProgramCase{{"tree"}, 2, "kelbrin-cli tree: no PATH given\nusage: kelbrin-cli tree"},
        // The missing path is reported; the others are still shown.
        ProgramCase{{"tree", "/missing.abr", "FILE"}, 1, "/missing.abr: no such file or folder"},
        ProgramCase{{"tree", "/missing.abr", "FILE"}, 1, "agpsd_tilt.abr"},
        ProgramCase{{"find", "--seconds"}, 2, "find: missing value after '--seconds'"},
        // A switch between files needs the event loop, also when the count is joined on.
        ProgramCase{{"list", "--switch-after=0", "FILE", "FILE"}, 0, "read to the end"},
        ProgramCase{{"list", "/missing.abr"}, 1, "stopped: no such file or directory\n"},
        ProgramCase{{"export", "--help"}, 0, "--transparent"},
        ProgramCase{{"nonsense"}, 2, "unknown command nonsense"},
        // In the user's language, with or without an application object (list makes none).
        ProgramCase{{"list", "--bogus"},
                    2,
                    "kelbrin-cli list: option inconnue --bogus\nutilisation : kelbrin-cli list",
                    "fr"},
        ProgramCase{{"tree", "--bogus"}, 2, "Essayez « kelbrin-cli tree --help »", "fr"},
        ProgramCase{{"nonsense"}, 2, "kelbrin-cli: commande inconnue nonsense", "fr"},
        ProgramCase{{"nonsense"}, 2, "Befehl nonsense ist unbekannt", "de"},
        // What went wrong with a file, too, down to the reader's own words.
        ProgramCase{{"stroke", "/etc/passwd", "--out", "/nonexistent/x.png"},
                    1,
                    "pas un fichier de brosses ; rien n’a été peint",
                    "fr"},
        ProgramCase{{"stroke", "FILE", "--brush", "7", "--out", "/nonexistent/x.png"},
                    1,
                    "ブラシ 7 はありません。ブラシは 0 から 0 です",
                    "ja"}));

// Names come from anyone who can write a folder: a newline in one would break the one line per
// entry that scripts read, and a byte that is not UTF-8 (Latin-1 "é" from an old archive) has no
// character to print. Plain output shows both escaped, whichever command prints the path, and
// the name still reaches the file it stands for.
struct OddName
{
    MadeUpHome home;
    // A wine prefix of that kind of name holds Photoshop; GIMP is there too.
    QString photoshop =
        home.adobeApp(QStringLiteral(".local/share/wineprefixes/Wine\nPS"),
                      QStringLiteral("Adobe Photoshop CS6"), QStringLiteral("Photoshop.exe"), 13) +
        QStringLiteral("/Presets/Brushes");
    QString gimp = home.folder(QStringLiteral(".config/GIMP/2.10"));
    QString folder = QDir(home.folder(QStringLiteral("in"))).canonicalPath();
    QString file = PathFromNative(PathToNative(folder) + "/caf\xe9\nnew.abr");
    QString shown = folder + QStringLiteral("/caf\\xe9\\x0anew.abr");
    QString out = home.path(QStringLiteral("out\n\x1b"));
    QString shownOut = home.path(QStringLiteral("out\\x0a\\x1b"));

    OddName()
    {
        QDir().mkpath(photoshop);
        QFile source(TestDataPath(QStringLiteral("abrkit_photoshop_dual_brush.abr")));
        FILE* f = std::fopen(PathToNative(file).constData(), "wb");
        if (!f || !source.open(QIODevice::ReadOnly))
            qFatal("cannot make the test file");
        const QByteArray bytes = source.readAll();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
        std::fclose(f);
    }
};

struct PrintedPathCase
{
    const char* name;
    int (*run)(const QStringList&, CliStreams);
    std::function<QStringList(const OddName&)> args;
    // What the output must hold, in the escaped form.
    std::function<QString(const OddName&)> printed;
};

class PrintedPath : public testing::TestWithParam<PrintedPathCase>
{
};

TEST_P(PrintedPath, ShowsNewlinesAndBytesThatAreNotUtf8Escaped)
{
    const PrintedPathCase& c = GetParam();
    OddName odd;
    const CliRun run = RunCli(c.run, c.args(odd));
    const QString printed = run.out + run.err;
    EXPECT_EQ(run.status, 0) << qPrintable(printed);
    EXPECT_TRUE(printed.contains(c.printed(odd))) << qPrintable(printed);
    EXPECT_FALSE(printed.contains(QChar(0xDCE9)) || printed.contains(QLatin1String("\nnew")) ||
                 printed.contains(QLatin1String("\nPS")) || printed.contains(QChar(0x1b)))
        << qPrintable(printed);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PrintedPath,
    testing::Values(
        PrintedPathCase{"list", RunListCommand,
                        [](const OddName& o) { return QStringList{o.file}; },
                        [](const OddName& o) { return o.shown + QStringLiteral(": "); }},
        PrintedPathCase{"tree", RunTreeCommand,
                        [](const OddName& o) { return QStringList{o.file}; },
                        [](const OddName&) { return QStringLiteral("  caf\\xe9\\x0anew.abr\n"); }},
        PrintedPathCase{"find", RunFindCommand,
                        [](const OddName& o) { return QStringList{o.folder}; },
                        [](const OddName& o) { return QStringLiteral("add ") + o.shown; }},
        PrintedPathCase{"apps", RunAppsCommand, [](const OddName&) { return QStringList(); },
                        [](const OddName&) { return QStringLiteral("Wine\\x0aPS/drive_c"); }},
        PrintedPathCase{
            "install", RunInstallCommand, [](const OddName& o) { return QStringList{o.file}; },
            [](const OddName&) {
                return QStringLiteral("Wine\\x0aPS/drive_c/Program Files/Adobe/Adobe "
                                      "Photoshop CS6/Presets/Brushes/caf\\xe9\\x0anew.abr");
            }},
        PrintedPathCase{"trash", RunTrashCommand,
                        [](const OddName& o) { return QStringList{o.file}; },
                        [](const OddName& o) {
                            return QStringLiteral("trashed ") + o.shown + QStringLiteral(" -> ") +
                                   o.home.path(QStringLiteral(".local/share/Trash/files/"
                                                              "caf\\xe9\\x0anew.abr"));
                        }},
        PrintedPathCase{"export", RunExportCommand,
                        [](const OddName& o) {
                            return QStringList{o.file, o.out};
                        },
                        [](const OddName& o) { return QStringLiteral("Created ") + o.shownOut; }},
        PrintedPathCase{"convert", RunConvertCommand,
                        [](const OddName& o) {
                            return QStringList{QStringLiteral("--to"), QStringLiteral("gimp"),
                                               QStringLiteral("--out"), o.out, o.file};
                        },
                        [](const OddName& o) {
                            // The pack's name holds no byte that is not UTF-8.
                            return QStringLiteral("wrote ") + o.shownOut +
                                   QStringLiteral("/brushes/caf\uFFFD_new");
                        }}),
    [](const testing::TestParamInfo<PrintedPathCase>& info) {
        return std::string(info.param.name);
    });
} // namespace
