#include "actions/Trash.h"
#include "cli/CliCommands.h"

int RunTrashCommand(const QStringList& args, CliStreams io)
{
    bool mayDelete = false;
    QStringList files;
    bool optionsDone = false;
    for (const QString& arg : args) {
        if (!optionsDone && arg == QLatin1String("--yes")) {
            mayDelete = true;
        } else if (!optionsDone && arg == QLatin1String("--")) {
            optionsDone = true;
        } else if (!optionsDone && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            io.err << "kelbrin-cli trash: unknown option " << arg << '\n';
            files.clear();
            break;
        } else {
            files.append(arg);
        }
    }
    if (files.isEmpty()) {
        io.err << "usage: kelbrin-cli trash [--yes] FILE...\n";
        return 2;
    }
    // --yes stands for the user who is asked whether to delete a file no trash can take, and
    // answers yes.
    const Trash::AskToDelete yes = [](const QString&) { return true; };
    int status = 0;
    for (const QString& file : files) {
        const Trash::Result result = Trash::trashPath(file, mayDelete ? yes : nullptr);
        if (result.succeeded && result.deleted) {
            io.out << "deleted " << file << '\n';
        } else if (result.succeeded) {
            io.out << "trashed " << file << " -> " << result.trashedPath << '\n';
        } else {
            io.out << "refused " << file << ": " << result.reason << '\n';
            status = 1;
        }
    }
    return status;
}
