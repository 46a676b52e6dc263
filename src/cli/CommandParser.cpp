#include "cli/CommandParser.h"

#include "cli/JsonWriter.h"
#include "platform/Translations.h"

namespace {
const CliCommand& CommandNamed(const char* name)
{
    const CliCommand* command = FindCliCommand(QString::fromLatin1(name));
    Q_ASSERT(command);
    return *command;
}

// QCommandLineParser says "Missing value after '--seconds'."; ours are lower case, like the
// rest of what kelbrin-cli prints.
QString Sentence(QString text)
{
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

QString AsTyped(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}
} // namespace

CommandParser::CommandParser(const char* command)
    : mCommand(CommandNamed(command)),
      mHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")})
{
    mParser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    mParser.addOption(mHelp);
}

// The descriptions come marked with QT_TRANSLATE_NOOP in the "kelbrin-cli" context.
void CommandParser::addFlag(const QString& name, const char* description)
{
    mParser.addOption(QCommandLineOption(name));
    mDescribed.emplace_back(AsTyped(name), Translated("kelbrin-cli", description));
}

void CommandParser::addValueOption(const QString& name, const QString& valueName,
                                   const char* description)
{
    const QString text = Translated("kelbrin-cli", description);
    mParser.addOption(QCommandLineOption(name, text, valueName));
    mDescribed.emplace_back(AsTyped(name) + QLatin1Char(' ') + valueName, text);
}

std::optional<int> CommandParser::parse(const QStringList& args, CliStreams io)
{
    // The first argument stands for the program, as in QCoreApplication::arguments().
    if (!mParser.parse(QStringList{QStringLiteral("kelbrin-cli")} + args)) {
        const QStringList unknown = mParser.unknownOptionNames();
        return usageError(
            unknown.isEmpty()
                ? Sentence(mParser.errorText())
                : Translated("kelbrin-cli", "unknown option %1").arg(AsTyped(unknown.first())),
            io);
    }
    if (!mParser.isSet(mHelp))
        return std::nullopt;
    printUsage(io.out);
    QString summary = Translated("kelbrin-cli", mCommand.summary);
    summary[0] = summary[0].toUpper();
    io.out << '\n' << summary << ".\n\n" << Translated("kelbrin-cli", "options:") << '\n';
    auto described = mDescribed;
    described.emplace_back(QStringLiteral("-h, --help"),
                           Translated("kelbrin-cli", "show this help"));
    qsizetype width = 0;
    for (const auto& [option, description] : described)
        width = std::max(width, option.size());
    for (const auto& [option, description] : described)
        io.out << "  " << option.leftJustified(width + 2) << description << '\n';
    return 0;
}

int CommandParser::usageError(const QString& problem, CliStreams io) const
{
    io.out.flush();
    // The problem often quotes an argument, and arguments are file names.
    io.err << "kelbrin-cli " << mCommand.name << ": " << Printable(problem) << '\n';
    printUsage(io.err);
    io.err << Translated("kelbrin-cli", "Try '%1' for more information.")
                  .arg(QStringLiteral("kelbrin-cli %1 --help").arg(QLatin1String(mCommand.name)))
           << '\n';
    return 2;
}

void CommandParser::printUsage(QTextStream& stream) const
{
    const QStringList lines = QString::fromLatin1(mCommand.synopsis).split(QLatin1Char('\n'));
    const QString usage = Translated("kelbrin-cli", "usage:") + QLatin1Char(' ');
    // A line that starts with a space goes on with the one before it.
    for (qsizetype i = 0; i < lines.size(); ++i)
        stream << (i == 0 ? usage : QString(usage.size(), QLatin1Char(' ')))
               << (lines[i].startsWith(QLatin1Char(' ')) ? "            " : "kelbrin-cli ")
               << lines[i] << '\n';
}
