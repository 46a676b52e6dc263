#include "actions/BrushExporter.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"

#include <QFileInfo>

int RunExportCommand(const QStringList& args, CliStreams io)
{
    bool transparent = false;
    QStringList operands;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--transparent") && operands.isEmpty())
            transparent = true;
        else if (arg.startsWith(QLatin1String("--")) && operands.isEmpty()) {
            io.err << "kelbrin-cli export: unknown option " << arg << '\n';
            return 2;
        } else
            operands << arg;
    }
    if (operands.size() != 2) {
        io.err << "usage: kelbrin-cli export [--transparent] FILE DIR\n";
        return 2;
    }
    const QString& path = operands[0];
    const QFileInfo target(operands[1]);

    int status = 0;
    const FileResult result = ReadBrushFiles({path}).front();
    if (result.error) {
        const qsizetype read = qsizetype(result.file->count());
        io.err << path << ": stopped by error "
               << (result.error->badAlloc ? QStringLiteral("bad_alloc")
                                          : QString::number(result.error->code))
               << " ("
               << (result.error->badAlloc ? QStringLiteral("out of memory")
                                          : DescribeReadError(result.error->code))
               << ")\n";
        // Nothing read means nothing to keep: no folder then.
        if (read == 0)
            return 1;
        // A damaged file still gives what could be read before the damage.
        io.err << path << ": exporting the " << read << (read == 1 ? " brush" : " brushes")
               << " read before the error\n";
        status = 1;
    }

    QString error;
    const QString folder =
        BrushExporter::createExportFolder(target.absolutePath(), target.fileName(), &error);
    if (folder.isEmpty()) {
        io.err << "kelbrin-cli export: cannot create the folder " << error << '\n';
        return 1;
    }
    const BrushExporter::Report report =
        BrushExporter::brushExporterForBrushFile(result.file)
            ->doExportToDirectory(folder, QStringLiteral("PNG"), transparent);
    io.out << "Created " << folder << '\n'
           << "Wrote " << report.written << (report.written == 1 ? " file" : " files") << '\n';
    for (const QString& failure : report.failures)
        io.err << "Could not write " << failure << '\n';
    if (!report.failures.isEmpty())
        status = 1;
    return status;
}
