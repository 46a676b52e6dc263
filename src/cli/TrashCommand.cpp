#include "actions/PaintingApp.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "convert/PackMark.h"
#include "convert/PackWriter.h"
#include "platform/Translations.h"
#include "platform/Trash.h"

int RunTrashCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("trash");
    parser.addFlag(
        QStringLiteral("yes"),
        QT_TRANSLATE_NOOP("kelbrin-cli",
                          "delete the files no trash takes, as if asked and answered yes"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const bool mayDelete = parser.isSet(QStringLiteral("yes"));
    const QStringList files = parser.operands();
    if (files.isEmpty())
        return parser.usageError(Translated("kelbrin-cli", "no FILE given"), io);
    // --yes stands for the user who is asked whether to delete a file no trash can take, and
    // answers yes.
    const Trash::AskToDelete yes = [](const QString&) { return true; };
    // GIMP's and Krita's own resources, and whatever else lies in their folders that Kelbrin
    // did not write, are refused; a GIMP pack of Kelbrin's takes its patterns along.
    const QStringList applicationFolders = ApplicationFolders(FindInstalledPaintingApps());
    int status = 0;
    for (const QString& file : files) {
        const QString shown = Printable(file);
        const QString foreign = ForeignResourceReason(file, applicationFolders);
        if (!foreign.isEmpty()) {
            io.out << "refused " << shown << ": " << Printable(foreign) << '\n';
            status = 1;
            continue;
        }
        const Trash::Result result = TrashPack(file, mayDelete ? yes : nullptr);
        if (result.succeeded && result.deleted) {
            io.out << "deleted " << shown << '\n';
        } else if (result.succeeded) {
            io.out << "trashed " << shown << " -> " << Printable(result.trashedPath) << '\n';
        } else {
            io.out << "refused " << shown << ": " << Printable(result.reason) << '\n';
            status = 1;
        }
    }
    return status;
}
