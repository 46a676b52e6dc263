#include "abr/ReadErrorText.h"
#include "actions/BrushExporter.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "platform/Paths.h"
#include "platform/Translations.h"

int RunExportCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("export");
    parser.addFlag(QStringLiteral("transparent"),
                   QT_TRANSLATE_NOOP("kelbrin-cli",
                                     "black paint on a clear background instead of ink on white"));
    parser.addFlag(QStringLiteral("names"),
                   QT_TRANSLATE_NOOP("kelbrin-cli",
                                     "name the files after their brushes (Soft Round.png) instead "
                                     "of their number"));
    parser.addFlag(QStringLiteral("strokes"),
                   QT_TRANSLATE_NOOP("kelbrin-cli",
                                     "write each preset's stroke (400 x 160, the S-curve, seed 1) "
                                     "instead of its tip"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const bool transparent = parser.isSet(QStringLiteral("transparent"));
    BrushExporter::Options options;
    if (parser.isSet(QStringLiteral("strokes")))
        options.images = BrushExporter::eStrokes;
    if (parser.isSet(QStringLiteral("names")))
        options.naming = BrushExporter::eNameByBrushName;
    const QStringList operands = parser.operands();
    if (operands.size() != 2)
        return parser.usageError(
            operands.isEmpty()     ? Translated("kelbrin-cli", "no FILE and DIR given")
            : operands.size() == 1 ? Translated("kelbrin-cli", "no DIR given")
                                   : Translated("kelbrin-cli", "too many arguments"),
            io);
    const QString& path = operands[0];
    // The folder is made exactly as named, trailing slashes aside; a name that only points at
    // an existing folder ("", "/", ".", "..") names no new one.
    const QString dir = WithoutFinalSlash(operands[1]);
    const QString last = LastComponent(dir);
    if (dir.isEmpty() || dir == QLatin1String("/") || last == QLatin1String(".") ||
        last == QLatin1String("..")) {
        return parser.usageError(
            Translated("kelbrin-cli", "DIR must name a new folder, not \"%1\"").arg(operands[1]),
            io);
    }
    const QString parent = dir.contains(QLatin1Char('/')) ? ParentPath(dir) : QStringLiteral(".");

    int status = 0;
    const FileResult result = ReadBrushFiles({path}).front();
    const QString shown = Printable(path);
    const size_t patterns = result.file->patterns().size();
    if (!result.error && result.file->count() == 0 && patterns == 0) {
        io.err << shown << ": "
               << (result.unsupportedVersion
                       ? Translated("kelbrin-cli", "%1; nothing exported")
                             .arg(UnsupportedVersionText(*result.unsupportedVersion))
                       : Translated("kelbrin-cli", "no brushes; nothing exported"))
               << '\n';
        return 1;
    }
    if (result.error) {
        const qsizetype read = qsizetype(result.file->count());
        io.err << shown << ": " << StoppedByError(*result.error) << '\n';
        // Nothing read means nothing to keep: no folder then.
        if (read == 0 && patterns == 0)
            return 1;
        // A damaged file still gives what could be read before the damage.
        io.err << shown << ": "
               << (patterns
                       ? Translated("kelbrin-cli", "exporting the %1 and %2 read before the error")
                             .arg(
                                 Translated("kelbrin-cli", "%n brush(es)", nullptr, int(read)),
                                 Translated("kelbrin-cli", "%n pattern(s)", nullptr, int(patterns)))
                       : Translated("kelbrin-cli", "exporting the %1 read before the error")
                             .arg(Translated("kelbrin-cli", "%n brush(es)", nullptr, int(read))))
               << '\n';
        status = 1;
    }

    QString error;
    const QString folder = BrushExporter::createExportFolder(parent, last, &error);
    if (folder.isEmpty()) {
        io.err << "kelbrin-cli export: "
               << Translated("kelbrin-cli", "cannot create the folder %1").arg(Printable(error))
               << '\n';
        return 1;
    }
    const BrushExporter::Report report =
        BrushExporter::brushExporterForBrushFile(result.file)
            ->doExportToDirectory(folder, QStringLiteral("PNG"), transparent, options);
    io.out << Translated("kelbrin-cli", "Created %1").arg(Printable(folder)) << '\n'
           << Translated("kelbrin-cli", "Wrote %n file(s)", nullptr, int(report.written)) << '\n';
    if (report.patternsWritten)
        io.out << Translated("kelbrin-cli", "Wrote %n pattern(s) into patterns/", nullptr,
                             int(report.patternsWritten))
               << '\n';
    // Written, but smaller than the brush: said, though not a failure.
    for (const QStringList* lines : {&report.scaled, &report.previews, &report.strokeNotes})
        for (const QString& line : *lines)
            io.out << Translated("kelbrin-cli", "Wrote %1").arg(Printable(line)) << '\n';
    for (const QString& failure : report.failures)
        io.err << Translated("kelbrin-cli", "Could not write %1").arg(Printable(failure)) << '\n';
    if (!report.failures.isEmpty())
        status = 1;
    return status;
}
