#pragma once

#include <QStringList>
#include <QTextStream>

// Each command takes the arguments after its name and returns the process exit status:
// 0 success, 1 failure of the work, 2 a usage error.
struct CliStreams
{
    QTextStream& out;
    QTextStream& err;
};

int RunListCommand(const QStringList& args, CliStreams io);
int RunExportCommand(const QStringList& args, CliStreams io);
int RunTreeCommand(const QStringList& args, CliStreams io);
int RunFindCommand(const QStringList& args, CliStreams io);
int RunAppsCommand(const QStringList& args, CliStreams io);
int RunInstallCommand(const QStringList& args, CliStreams io);
int RunTrashCommand(const QStringList& args, CliStreams io);

// Text for an error thrown by the brush-file layer.
QString DescribeReadError(int code);
