#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>
#include <vector>

// Each command takes the arguments after its name and returns the process exit status:
// 0 success, 1 failure of the work, 2 a usage error.
struct CliStreams
{
    QTextStream& out;
    QTextStream& err;
};

int RunListCommand(const QStringList& args, CliStreams io);
int RunExportCommand(const QStringList& args, CliStreams io);
int RunStrokeCommand(const QStringList& args, CliStreams io);
int RunConvertCommand(const QStringList& args, CliStreams io);
int RunTreeCommand(const QStringList& args, CliStreams io);
int RunFindCommand(const QStringList& args, CliStreams io);
int RunAppsCommand(const QStringList& args, CliStreams io);
int RunInstallCommand(const QStringList& args, CliStreams io);
int RunTrashCommand(const QStringList& args, CliStreams io);
int RunCatalogueCommand(const QStringList& args, CliStreams io);
int RunSearchCommand(const QStringList& args, CliStreams io);
int RunDuplicatesCommand(const QStringList& args, CliStreams io);
int RunTagCommand(const QStringList& args, CliStreams io);
int RunUntagCommand(const QStringList& args, CliStreams io);
int RunTagsCommand(const QStringList& args, CliStreams io);

// The folders named on a command line, made canonical for the search. An operand that is no
// folder is told on io.err under the command's name; the result is then the exit status.
std::optional<int> SearchFolderOperands(const char* command, const QStringList& operands,
                                        CliStreams io, QStringList& folders);

struct CliCommand
{
    const char* name;
    int (*run)(const QStringList& args, CliStreams io);
    // Reading a file and exporting it happen on the calling thread, straight into a sink;
    // only what runs an event loop needs the application object.
    bool (*needsApplication)(const QStringList& args);
    // Its usage lines without "kelbrin-cli ", separated by '\n'.
    const char* synopsis;
    const char* summary;
};

// Every command, in the order the general usage lists them.
const std::vector<CliCommand>& CliCommandTable();
const CliCommand* FindCliCommand(const QString& name);
