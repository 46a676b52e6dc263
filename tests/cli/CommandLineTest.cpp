#include "support/TestUtil.h"

#include "cli/CliCommands.h"

#include "CliRun.h"
#include <QProcess>

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
    const char* printed; // on standard output, or else on standard error
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
    process.start(cli, args);
    ASSERT_TRUE(process.waitForFinished(10000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), GetParam().status) << qPrintable(err);
    EXPECT_TRUE(out.contains(QLatin1String(GetParam().printed)) ||
                err.contains(QLatin1String(GetParam().printed)))
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
        ProgramCase{{"nonsense"}, 2, "unknown command nonsense"}));
} // namespace
