#include "cli/CliCommands.h"
#include "cli/JsonWriter.h"
#include "platform/NativePath.h"
#include "platform/Translations.h"
#include "thread/BackgroundWork.h"
#include "thread/KelbrinCoreApplication.h"

#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {
void PrintUsage(QTextStream& out)
{
    const QString usage = Translated("kelbrin-cli", "usage:") + QLatin1Char(' ');
    const QString indent(usage.size(), QLatin1Char(' '));
    out << usage << "kelbrin-cli "
        << Translated("kelbrin-cli", "COMMAND [ARGS]", "the synopsis of kelbrin-cli") << '\n'
        << indent << "kelbrin-cli " << Translated("kelbrin-cli", "COMMAND") << " --help\n"
        << indent << "kelbrin-cli --version\n\n"
        << Translated("kelbrin-cli", "commands:") << '\n';
    for (const CliCommand& command : CliCommandTable()) {
        for (const QString& line : QString::fromLatin1(command.synopsis).split(QLatin1Char('\n')))
            out << "  " << line << '\n';
        out << "      " << Translated("kelbrin-cli", command.summary) << '\n';
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("kelbrin-cli %s\n", KELBRIN_VERSION);
        return 0;
    }
    // Taken from the bytes themselves: QCoreApplication::arguments() decodes them with the
    // locale's codec and turns a name that is not UTF-8 into one that names no file.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << PathFromNative(argv[i]);
    InstallTranslations();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        PrintUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    const CliCommand* command = FindCliCommand(name);
    if (!command) {
        err << "kelbrin-cli: "
            << Translated("kelbrin-cli", "unknown command %1").arg(Printable(name)) << '\n';
        PrintUsage(err);
        return 2;
    }
    std::optional<KelbrinCoreApplication> app;
    if (command->needsApplication(args))
        app.emplace(argc, argv);
    InstallTranslations();
    const int status = command->run(args, CliStreams{out, err});
    EndBackgroundWork();
    return status;
}
