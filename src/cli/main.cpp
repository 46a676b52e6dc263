#include "cli/CliCommands.h"
#include "platform/NativePath.h"
#include "thread/KelbrinCoreApplication.h"

#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {
void PrintUsage(QTextStream& out)
{
    out << "usage: kelbrin-cli COMMAND [ARGS]\n"
           "\n"
           "  list [--json] FILE...   read brush files and list their brushes\n"
           "  list [--json] --switch-after N FILE1 FILE2\n"
           "                          switch from FILE1 to FILE2 after N brushes, as the window "
           "does\n"
           "  export [--transparent] FILE DIR\n"
           "                          write the brushes of FILE as PNG files into a new folder\n"
           "  tree [OPTIONS] [PATH...] show brush files as the folder outline shows them\n"
           "  find [--watch] [--seconds N] [--json] [FOLDER...]\n"
           "                          find brush files (everywhere, or below the folders)\n"
           "  apps [--json]           list the installed painting applications\n"
           "  install FILE            copy a brush file into every application's brushes "
           "folder\n"
           "  trash [--yes] FILE...   move files to the trash (--yes: delete those no trash "
           "takes)\n";
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
    // Reading a file and exporting it happen on this thread, straight into a sink; only the
    // commands that run an event loop (a switch between files as the window makes it, the
    // outline, the search) need the application object.
    const bool needsEventLoop =
        args.isEmpty() ||
        (args.first() != QLatin1String("list") && args.first() != QLatin1String("export")) ||
        args.contains(QLatin1String("--switch-after"));
    std::optional<KelbrinCoreApplication> app;
    if (needsEventLoop)
        app.emplace(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        PrintUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    CliStreams io{out, err};
    if (command == QLatin1String("list"))
        return RunListCommand(args, io);
    if (command == QLatin1String("export"))
        return RunExportCommand(args, io);
    if (command == QLatin1String("tree"))
        return RunTreeCommand(args, io);
    if (command == QLatin1String("find"))
        return RunFindCommand(args, io);
    if (command == QLatin1String("apps"))
        return RunAppsCommand(args, io);
    if (command == QLatin1String("install"))
        return RunInstallCommand(args, io);
    if (command == QLatin1String("trash"))
        return RunTrashCommand(args, io);
    err << "kelbrin-cli: unknown command " << command << '\n';
    PrintUsage(err);
    return 2;
}
