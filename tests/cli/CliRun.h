#pragma once

#include "cli/CliCommands.h"
#include "support/AbrWriter.h"

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

// A version-2 file of a 15 x 14 sample named as version-6 files store names ("Patchy Dual
// Probe" and a terminating zero unit) and a nameless soft computed tip of 25 pixels (40 x 40
// with its soft edge): two brushes, whatever a reader makes of a file's presets.
inline QByteArray SampleAndSoftTipFile()
{
    AbrWriter w;
    w.u16(2).u16(2);
    w.sampledRecord(true, QStringLiteral("Patchy Dual Probe") + QChar(0), 0, 0, 14, 15, 8, true,
                    PackBits(QByteArray(15 * 14, 9)));
    w.computedRecord(true, QString(), 25, 100, 0, 0);
    return w.data();
}
