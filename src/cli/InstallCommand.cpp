#include "actions/BrushInstaller.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"

#include <QFileInfo>

int RunInstallCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("install");
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const QStringList operands = parser.operands();
    if (operands.size() != 1)
        return parser.usageError(operands.isEmpty() ? QStringLiteral("no FILE given")
                                                    : QStringLiteral("one FILE at a time"),
                                 io);
    const QString path = operands.first();
    const QFileInfo file(path);
    if (!file.isFile()) {
        io.err << "kelbrin-cli install: " << path
               << (file.exists() ? ": not a file\n" : ": no such file\n");
        return 1;
    }
    const PhotoshopAppList apps = FindInstalledPhotoshopApps();
    if (apps.empty()) {
        io.err << "kelbrin-cli install: no painting application is installed "
                  "(see kelbrin-cli apps)\n";
        return 1;
    }
    const BrushInstaller::Report report = BrushInstaller::installItem(path, apps);
    const QString headline = BrushInstaller::headline(report, file.fileName());
    if (!report.refusal.isEmpty()) {
        io.err << "kelbrin-cli install: " << headline << '\n';
        return 1;
    }
    if (!report.damage.isEmpty())
        io.err << "kelbrin-cli install: " << path << ": " << report.damage << '\n';
    for (const BrushInstaller::Outcome& outcome : report.outcomes)
        io.out << BrushInstaller::outcomeLine(outcome) << '\n';
    // A file already there is not a new copy either: a script learns that nothing changed.
    if (report.succeeded())
        return 0;
    io.err << "kelbrin-cli install: " << headline << '\n';
    return 1;
}
