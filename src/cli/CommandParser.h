#pragma once

#include "cli/CliCommands.h"

#include <QCommandLineParser>
#include <optional>
#include <vector>

// One command's command line. Every command answers --help, an unknown option, a missing value
// and a missing argument the same way: the help on standard output and status 0, or the
// problem and the command's usage on standard error and status 2.
class CommandParser
{
public:
    explicit CommandParser(const char* command);

    void addFlag(const QString& name, const char* description);
    // An option that takes a value; given more than once, it keeps every value in order.
    void addValueOption(const QString& name, const QString& valueName, const char* description);

    // Parses the arguments after the command's name: the exit status when the command is
    // done with (after --help or a usage error), nothing when it should go on.
    std::optional<int> parse(const QStringList& args, CliStreams io);

    // "kelbrin-cli COMMAND: PROBLEM" and the usage, on standard error; returns 2.
    int usageError(const QString& problem, CliStreams io) const;

    bool isSet(const QString& name) const { return mParser.isSet(name); }
    QString value(const QString& name) const { return mParser.value(name); }
    QStringList values(const QString& name) const { return mParser.values(name); }
    QStringList operands() const { return mParser.positionalArguments(); }

private:
    void printUsage(QTextStream& stream) const;

    const CliCommand& mCommand;
    QCommandLineParser mParser;
    QCommandLineOption mHelp;
    // What the help lists: the option as typed ("--seconds N") and what it does.
    std::vector<std::pair<QString, QString>> mDescribed;
};
