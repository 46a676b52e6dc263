#pragma once

#include "cli/CliCommands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// What one kelbrin-cli command printed and returned, run in-process.
struct CliRun
{
    int status = 0;
    QString out;
    QString err;
};

inline CliRun RunCli(int (*command)(const QStringList&, CliStreams), const QStringList& args)
{
    CliRun run;
    {
        QTextStream outStream(&run.out), errStream(&run.err);
        run.status = command(args, CliStreams{outStream, errStream});
    }
    return run;
}
