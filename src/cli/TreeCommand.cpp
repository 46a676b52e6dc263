#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "hierarchy/CExcludeFileFilter.h"
#include "hierarchy/CFileHierarchy.h"
#include "hierarchy/CRestrictFileFilter.h"
#include "hierarchy/HierarchyOutline.h"
#include "platform/NativePath.h"
#include "platform/PathInfo.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <memory>

namespace {

// Paths are taken as given, except that a relative one is made absolute: the hierarchy
// starts at "/".
QString Absolute(const QString& path)
{
    if (path.startsWith(QLatin1Char('/')))
        return path;
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// A FileNodeFlags byte, in decimal or 0x hexadecimal.
bool ParseFlags(const QString& text, FileNodeFlags& flags)
{
    bool ok = false;
    const uint value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                           ? text.mid(2).toUInt(&ok, 16)
                           : text.toUInt(&ok, 10);
    if (!ok || value > 0xFF)
        return false;
    flags.bits = static_cast<std::uint8_t>(value);
    return true;
}

QString NodeField(const CFileSystemNodePtr& node)
{
    return QStringLiteral("node=") + (node ? Printable(node->FullPathText()) : QStringLiteral("-"));
}

QString TopField(bool topLevelChanged)
{
    return topLevelChanged ? QStringLiteral("top=1") : QStringLiteral("top=0");
}

QString Bool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

void PrintOutline(const CFileHierarchy& hierarchy, bool full, QTextStream& out)
{
    for (const QString& row : HierarchyOutlineRows(hierarchy, full))
        out << Printable(row) << '\n';
}

class ScriptRunner
{
public:
    ScriptRunner(CFileHierarchy& hierarchy, bool full, CliStreams io, const QString& name)
        : mHierarchy(hierarchy), mFull(full), mIo(io), mName(name)
    {}

    // Runs every line; false when any line could not be understood.
    bool Run(QIODevice& input)
    {
        bool allUnderstood = true;
        int lineNumber = 0;
        while (!input.atEnd()) {
            // Paths in the script are bytes, like those on the command line.
            QString line = PathFromNative(input.readLine());
            ++lineNumber;
            while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QString problem = RunLine(line.split(QLatin1Char('\t')));
            if (!problem.isEmpty()) {
                mIo.out.flush();
                mIo.err << "kelbrin-cli tree: " << Printable(mName) << ':' << lineNumber << ": "
                        << Printable(problem) << '\n';
                allUnderstood = false;
            }
        }
        mIo.out.flush();
        return allUnderstood;
    }

private:
    // Runs one command and prints its result line; returns what was wrong with it, if anything.
    QString RunLine(const QStringList& fields)
    {
        const QString& command = fields.first();
        const qsizetype n = fields.size();
        CFileSystemNodePtr node;
        bool topLevelChanged = false;
        FileNodeFlags flags;

        if (command == QLatin1String("add")) {
            if (n < 2 || n > 3)
                return QStringLiteral("add takes PATH [FLAGS]");
            if (n == 3 && !ParseFlags(fields[2], flags))
                return QStringLiteral("bad flags ") + fields[2];
            const bool done = mHierarchy.AddFile(Absolute(fields[1]), flags, node, topLevelChanged);
            mIo.out << "add " << Bool(done) << ' ' << NodeField(node) << ' '
                    << TopField(topLevelChanged) << '\n';
        } else if (command == QLatin1String("delete")) {
            if (n != 2)
                return QStringLiteral("delete takes PATH");
            const bool done = mHierarchy.DeleteNode(Absolute(fields[1]), node, topLevelChanged);
            mIo.out << "delete " << Bool(done) << ' ' << NodeField(node) << ' '
                    << TopField(topLevelChanged) << '\n';
        } else if (command == QLatin1String("rename")) {
            if (n != 3)
                return QStringLiteral("rename takes OLDPATH NEWNAME");
            const bool done = mHierarchy.RenameNode(Absolute(fields[1]), fields[2], node);
            mIo.out << "rename " << Bool(done) << ' ' << NodeField(node) << '\n';
        } else if (command == QLatin1String("move")) {
            if (n < 3 || n > 4)
                return QStringLiteral("move takes OLDPATH NEWPATH [FLAGS]");
            if (n == 4 && !ParseFlags(fields[3], flags))
                return QStringLiteral("bad flags ") + fields[3];
            const bool done = mHierarchy.MoveNode(Absolute(fields[1]), Absolute(fields[2]), flags,
                                                  node, topLevelChanged);
            mIo.out << "move " << Bool(done) << ' ' << NodeField(node) << ' '
                    << TopField(topLevelChanged) << '\n';
        } else if (command == QLatin1String("print")) {
            if (n != 1)
                return QStringLiteral("print takes nothing");
            PrintOutline(mHierarchy, mFull, mIo.out);
        } else if (command == QLatin1String("toplevel")) {
            if (n != 1)
                return QStringLiteral("toplevel takes nothing");
            for (size_t i = 0; i < mHierarchy.TopLevelNodeCount(); ++i)
                mIo.out << Printable(mHierarchy.TopLevelNode(i)->FullPathText()) << '\n';
        } else {
            return QStringLiteral("unknown command ") + command;
        }
        return QString();
    }

    CFileHierarchy& mHierarchy;
    bool mFull;
    CliStreams mIo;
    QString mName;
};

void AddTreeOptions(CommandParser& parser)
{
    parser.addFlag(QStringLiteral("depth-first"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "sort the top level shallowest first"));
    parser.addFlag(
        QStringLiteral("full"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "print the full view: the root and each volume"));
    parser.addValueOption(
        QStringLiteral("limited"), QStringLiteral("DIR"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "never a level unless it holds a file itself"));
    parser.addValueOption(QStringLiteral("always"), QStringLiteral("DIR"),
                          QT_TRANSLATE_NOOP("kelbrin-cli", "every folder inside it is a level"));
    parser.addValueOption(QStringLiteral("exclude"), QStringLiteral("DIR"),
                          QT_TRANSLATE_NOOP("kelbrin-cli", "leave out what lies below it"));
    parser.addValueOption(QStringLiteral("restrict"), QStringLiteral("DIR"),
                          QT_TRANSLATE_NOOP("kelbrin-cli", "keep only what lies below it"));
    parser.addValueOption(
        QStringLiteral("script"), QStringLiteral("FILE"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "then run the commands of FILE (- for standard input)"));
}

} // namespace

int RunTreeCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("tree");
    AddTreeOptions(parser);
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const auto absolute = [&parser](const char* option) {
        QStringList dirs;
        for (const QString& dir : parser.values(QString::fromLatin1(option)))
            dirs << Absolute(dir);
        return dirs;
    };
    const bool depthFirst = parser.isSet(QStringLiteral("depth-first"));
    const bool full = parser.isSet(QStringLiteral("full"));
    const QStringList limited = absolute("limited");
    const QStringList always = absolute("always");
    const QStringList excluded = absolute("exclude");
    const QStringList restricted = absolute("restrict");
    const QString script = parser.value(QStringLiteral("script"));
    const QStringList paths = parser.operands();
    if (!excluded.isEmpty() && !restricted.isEmpty())
        return parser.usageError(
            Translated("kelbrin-cli", "--exclude and --restrict cannot be combined"), io);
    // A script may add every file itself.
    if (paths.isEmpty() && script.isEmpty())
        return parser.usageError(Translated("kelbrin-cli", "no PATH given"), io);

    CFileHierarchy hierarchy;
    hierarchy.SetTopLevelSortingOrder(depthFirst ? eTopLevelSortByDepthFirst
                                                 : eTopLevelSortByNameFirst);
    for (const QString& dir : limited)
        hierarchy.AddLimitedVisibilityAncestorDirectory(dir);
    for (const QString& dir : always)
        hierarchy.AddAlwaysVisibleAncestorDirectory(dir);
    std::unique_ptr<CFileFilterByDirectory> filter;
    if (!excluded.isEmpty())
        filter = std::make_unique<CExcludeFileFilter>();
    else if (!restricted.isEmpty())
        filter = std::make_unique<CRestrictFileFilter>();
    for (const QString& dir : excluded.isEmpty() ? restricted : excluded)
        filter->AddDirectory(dir);
    hierarchy.SetFilter(filter.get());

    // A path that names nothing is reported and left out; the others are still shown.
    int status = 0;
    for (const QString& given : paths) {
        const QString path = Absolute(given);
        // Asked of the file system in the name's own bytes: QFileInfo would look for a name
        // that is not UTF-8 under another name and never find it.
        if (!ItemExistsAtPath(path, nullptr)) {
            io.err << "kelbrin-cli tree: " << Printable(given) << ": "
                   << Translated("kelbrin-cli", "no such file or folder") << '\n';
            status = 1;
            continue;
        }
        CFileSystemNodePtr node;
        bool topLevelChanged = false;
        hierarchy.AddFile(path, FileNodeFlags{}, node, topLevelChanged);
    }

    if (script.isEmpty()) {
        PrintOutline(hierarchy, full, io.out);
        return status;
    }
    QFile input;
    const bool opened = script == QLatin1String("-")
                            ? input.open(stdin, QIODevice::ReadOnly)
                            : (input.setFileName(script), input.open(QIODevice::ReadOnly));
    if (!opened) {
        io.err << "kelbrin-cli tree: "
               << Translated("kelbrin-cli", "cannot read the script %1: %2")
                      .arg(Printable(script), input.errorString())
               << '\n';
        return 1;
    }
    io.err.flush();
    ScriptRunner runner(hierarchy, full, io, script);
    return runner.Run(input) ? status : 1;
}
