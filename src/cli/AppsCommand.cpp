#include "actions/PaintingApp.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "platform/Translations.h"

int RunAppsCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("apps");
    parser.addFlag(QStringLiteral("json"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "print one JSON document"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    if (!parser.operands().isEmpty())
        return parser.usageError(
            Translated("kelbrin-cli", "unexpected argument %1").arg(parser.operands().first()), io);
    const bool json = parser.isSet(QStringLiteral("json"));
    const PaintingAppList apps = FindInstalledPaintingApps();
    if (json) {
        io.out << "{\"apps\": [";
        bool first = true;
        for (const PaintingApp& app : apps) {
            io.out << (first ? "" : ", ") << "{\"kind\": \"" << app.kindName()
                   << "\", \"identifier\": " << JsonString(app.identifier()) << ", \"version\": "
                   << (app.majorVersion() < 0 ? QStringLiteral("null")
                                              : QString::number(app.majorVersion()))
                   << ", \"appFolder\": " << JsonString(app.appFolderPath())
                   << ", \"brushesFolder\": " << JsonString(app.brushesFolderPath())
                   << ", \"additionalBrushesFolder\": "
                   << (app.additionalBrushesFolderPath().isEmpty()
                           ? QStringLiteral("null")
                           : JsonString(app.additionalBrushesFolderPath()))
                   << "}";
            first = false;
        }
        io.out << "]}\n";
        return 0;
    }
    for (const PaintingApp& app : apps) {
        const QString additional = app.additionalBrushesFolderPath();
        io.out << app.kindName() << '\t'
               << (app.majorVersion() < 0 ? QStringLiteral("-")
                                          : QString::number(app.majorVersion()))
               << '\t' << Printable(app.appFolderPath()) << '\t'
               << Printable(app.brushesFolderPath()) << '\t'
               << (additional.isEmpty() ? QStringLiteral("-") : Printable(additional)) << '\n';
    }
    return 0;
}
