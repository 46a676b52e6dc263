#include "actions/BrushInstaller.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "platform/NativePath.h"
#include "platform/PathInfo.h"
#include "platform/Translations.h"

#include <sys/stat.h>

int RunInstallCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("install");
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const QStringList operands = parser.operands();
    if (operands.size() != 1)
        return parser.usageError(operands.isEmpty()
                                     ? Translated("kelbrin-cli", "no FILE given")
                                     : Translated("kelbrin-cli", "one FILE at a time"),
                                 io);
    const QString path = operands.first();
    // The name's own bytes, also when they are not UTF-8 (QFileInfo would miss such a file).
    struct stat status;
    const bool exists = ::stat(PathToNative(path).constData(), &status) == 0;
    if (!exists || !S_ISREG(status.st_mode)) {
        io.err << "kelbrin-cli install: " << Printable(path) << ": "
               << (exists ? Translated("kelbrin-cli", "not a file")
                          : Translated("kelbrin-cli", "no such file"))
               << '\n';
        return 1;
    }
    const PaintingAppList apps = FindInstalledPaintingApps();
    if (apps.empty()) {
        io.err << "kelbrin-cli install: "
               << Translated("kelbrin-cli",
                             "no painting application is installed (see kelbrin-cli apps)")
               << '\n';
        return 1;
    }
    const BrushInstaller::Report report = BrushInstaller::installItem(path, apps);
    const QString headline = BrushInstaller::headline(report, DisplayNameAtPath(path));
    if (!report.refusal.isEmpty()) {
        io.err << "kelbrin-cli install: " << Printable(headline) << '\n';
        return 1;
    }
    if (!report.damage.isEmpty())
        io.err << "kelbrin-cli install: " << Printable(path) << ": " << report.damage << '\n';
    for (const BrushInstaller::Outcome& outcome : report.outcomes)
        io.out << Printable(BrushInstaller::outcomeLine(outcome)) << '\n';
    if (!report.refreshNote.isEmpty())
        io.out << report.refreshNote << '\n';
    // A file already there is not a new copy either: a script learns that nothing changed.
    if (report.succeeded())
        return 0;
    io.err << "kelbrin-cli install: " << Printable(headline) << '\n';
    return 1;
}
