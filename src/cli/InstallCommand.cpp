#include "actions/BrushInstaller.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "platform/Localization.h"

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
    using eResult = BrushInstaller::Outcome::eResult;
    for (const BrushInstaller::Outcome& outcome : report.outcomes) {
        switch (outcome.result) {
        case eResult::Installed:
            io.out << "installed " << outcome.destination << '\n';
            break;
        case eResult::Duplicate:
            io.out << "duplicate " << outcome.destination << '\n';
            break;
        case eResult::Failed:
            io.out << "failed " << outcome.destination << ": " << outcome.reason << '\n';
            break;
        }
    }
    if (report.succeeded())
        return 0;
    io.err << LocalizedString(report.alertKey) << '\n';
    if (!report.informativeKey.isEmpty())
        io.err << LocalizedString(report.informativeKey) << '\n';
    return 1;
}
