#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "discovery/FileIndex.h"
#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"
#include "library/CLibraryConnection.h"
#include "platform/NativePath.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t gCatalogueInterrupted = 0;

void OnCatalogueInterrupt(int)
{
    gCatalogueInterrupted = 1;
}

// The library, made ready; nothing, after telling why, when there is none or when it was found
// damaged and set aside: a new, empty library would give answers that are not the ones asked
// for. The message is shown here, the one time it is made.
std::optional<QString> OpenLibrary(const char* command, CliStreams io)
{
    const LibraryStatus status = PrepareLibrary(DefaultLibraryPath());
    if (!status.message.isEmpty())
        io.err << "kelbrin-cli " << command << ": " << status.message << '\n';
    if (!status.available || status.setAside)
        return std::nullopt;
    return status.path;
}

// Says what stopped the library, once, and sets a damaged one aside; call it once the
// connections to the library are closed. Returns the command's exit status.
int LibraryFailed(const char* command, const LibraryFault& fault, const QString& path,
                  CliStreams io)
{
    io.err << "kelbrin-cli " << command << ": " << fault.message;
    if (fault.kind == eLibraryFault::damaged)
        io.err << ' '
               << Translated("kelbrin-cli",
                             "It has been set aside as %1; the next command starts a new one.")
                      .arg(Printable(SetLibraryAside(path)));
    io.err << '\n';
    return 1;
}

QString AbsolutePath(const QString& arg)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(arg));
}

QString BrushName(const LibraryBrush& brush)
{
    return brush.name ? Printable(*brush.name) : QStringLiteral("(no name)");
}

QString BrushLine(const LibraryBrush& brush)
{
    return QStringLiteral("%1: %2 %3 %4x%5 %6")
        .arg(Printable(brush.path))
        .arg(brush.position)
        .arg(QLatin1String(TipKindKey(brush.kind)))
        .arg(brush.width)
        .arg(brush.height)
        .arg(BrushName(brush));
}

QString BrushJson(const LibraryBrush& brush)
{
    const auto number = [](const std::optional<double>& v) {
        return v ? QString::number(*v, 'g', 12) : QStringLiteral("null");
    };
    return QStringLiteral("{\"path\": %1, \"index\": %2, \"kind\": \"%3\", \"name\": %4,"
                          " \"width\": %5, \"height\": %6, \"diameter\": %7, \"spacing\": %8}")
        .arg(JsonString(brush.path))
        .arg(brush.position)
        .arg(QLatin1String(TipKindKey(brush.kind)))
        .arg(brush.name ? JsonString(*brush.name) : QStringLiteral("null"))
        .arg(brush.width)
        .arg(brush.height)
        .arg(number(brush.diameter), number(brush.spacing));
}

int RunTagging(const char* command, bool add, const QStringList& args, CliStreams io)
{
    CommandParser parser(command);
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    QStringList operands = parser.operands();
    if (operands.size() < 2)
        return parser.usageError(
            Translated("kelbrin-cli", "a file and at least one tag are needed"), io);
    const QString file = AbsolutePath(operands.takeFirst());
    const std::optional<QString> path = OpenLibrary(command, io);
    if (!path)
        return 1;
    LibraryFault fault;
    {
        CLibrary library(*path);
        QString error;
        if (add ? library.tagFile(file, operands, &error)
                : library.untagFile(file, operands, &error))
            return 0;
        fault = library.fault();
        if (!fault) {
            io.err << "kelbrin-cli " << command << ": " << Printable(file) << ": "
                   << (error.isEmpty()
                           ? Translated("kelbrin-cli", "the library could not be written")
                           : error)
                   << '\n';
            return 1;
        }
    }
    return LibraryFailed(command, fault, *path, io);
}

// The library's totals only when it could be read.
void PrintCatalogueCounts(CliStreams io, bool json, const CatalogueCounts& counts,
                          const std::optional<LibraryTotals>& totals)
{
    if (json) {
        io.out << "{\"checked\": " << counts.checked << ", \"read\": " << counts.read
               << ", \"failed\": " << counts.failed << ", \"unchanged\": " << counts.unchanged
               << ", \"unwritten\": " << counts.notWritten << ", \"removed\": " << counts.removed
               << ", \"moved\": " << counts.moved << ", \"library\": ";
        if (totals)
            io.out << "{\"files\": " << totals->files << ", \"brushes\": " << totals->brushes
                   << ", \"failed\": " << totals->failed << "}}\n";
        else
            io.out << "null}\n";
    } else {
        io.out << Translated("kelbrin-cli", "%1 files looked at: %2 read (%3 not to the end), %4 "
                                            "unchanged, %5 not written, %6 removed")
                      .arg(counts.checked)
                      .arg(counts.read)
                      .arg(counts.failed)
                      .arg(counts.unchanged)
                      .arg(counts.notWritten)
                      .arg(counts.removed)
               << '\n';
        if (totals)
            io.out << Translated("kelbrin-cli", "library: %1 files, %2 brushes")
                          .arg(totals->files)
                          .arg(totals->brushes)
                   << '\n';
    }
}
} // namespace

int RunCatalogueCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("catalogue");
    parser.addFlag(QStringLiteral("json"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "print the counts as JSON"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const bool json = parser.isSet(QStringLiteral("json"));
    QStringList folders;
    if (const std::optional<int> refused =
            SearchFolderOperands("catalogue", parser.operands(), io, folders))
        return *refused;
    const std::optional<QString> path = OpenLibrary("catalogue", io);
    if (!path)
        return 1;

    const std::unique_ptr<BrushFileSearch> search = BrushFileSearch::create(
        folders.isEmpty() ? BrushFileMatcher::brushFiles() : BrushFileMatcher::brushFilesBySuffix(),
        folders);
    // The user waits on this command, so it reads on every core at the shell's own priority.
    auto cataloguer =
        std::make_unique<CBrushCataloguer>(*path, 0, eCataloguingPriority::normal);
    cataloguer->follow(search.get(), folders);
    bool searched = false;
    // After the cataloguer's own connection, so that its last steps are asked for first.
    QObject::connect(search.get(), &BrushFileSearch::firstPhaseFinished, [&] { searched = true; });
    const bool showProgress = isatty(STDERR_FILENO);
    QObject::connect(cataloguer.get(), &CBrushCataloguer::progress, [&](int done, int total) {
        if (showProgress && total > 0)
            io.err << '\r' << CatalogueProgressText(done, total) << Qt::flush;
    });

    QEventLoop loop;
    QTimer check;
    check.setInterval(50);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (gCatalogueInterrupted || (searched && cataloguer->isIdle()))
            loop.quit();
    });
    // Whatever the search still finds could not be written either.
    QObject::connect(cataloguer.get(), &CBrushCataloguer::libraryFailed, &loop, &QEventLoop::quit);
    check.start();
    auto previousInt = std::signal(SIGINT, OnCatalogueInterrupt);
    auto previousTerm = std::signal(SIGTERM, OnCatalogueInterrupt);
    if (!search->run(false)) {
        io.err << "kelbrin-cli catalogue: "
               << Translated("kelbrin-cli", "the search could not be started") << '\n';
        return 1;
    }
    loop.exec();
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);
    if (showProgress)
        io.err << '\n';

    // The cataloguer's threads and connection end here, before the search it asks: a damaged
    // library is set aside below. No more reports reach it once the loop has stopped. Stopped by
    // a fault, it first counts what it still holds as not written, which takes no reading: the
    // counts then add up.
    while (cataloguer->fault() && !cataloguer->isIdle())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const CatalogueCounts counts = cataloguer->counts();
    LibraryFault fault = cataloguer->fault();
    cataloguer.reset();
    std::optional<LibraryTotals> totals;
    if (!fault) {
        CLibrary library(*path);
        totals = library.totals();
        fault = library.fault();
    }
    PrintCatalogueCounts(io, json, counts, fault ? std::nullopt : totals);
    if (fault)
        return LibraryFailed("catalogue", fault, *path, io);
    return gCatalogueInterrupted ? 1 : 0;
}

int RunSearchCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("search");
    parser.addFlag(QStringLiteral("json"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "print the brushes as JSON"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    if (parser.operands().size() != 1)
        return parser.usageError(Translated("kelbrin-cli", "one text to search for is needed"), io);
    const std::optional<QString> path = OpenLibrary("search", io);
    if (!path)
        return 1;
    std::vector<LibraryBrush> found;
    LibraryFault fault;
    {
        CLibrary library(*path);
        found = library.searchBrushNames(parser.operands().first(), -1);
        fault = library.fault();
    }
    if (fault)
        return LibraryFailed("search", fault, *path, io);
    if (parser.isSet(QStringLiteral("json"))) {
        io.out << "{\"brushes\": [";
        for (size_t i = 0; i < found.size(); ++i)
            io.out << (i ? ", " : "") << BrushJson(found[i]);
        io.out << "]}\n";
    } else {
        for (const LibraryBrush& brush : found)
            io.out << BrushLine(brush) << '\n';
    }
    return 0;
}

int RunDuplicatesCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("duplicates");
    parser.addFlag(QStringLiteral("json"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "print the groups as JSON"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    if (!parser.operands().isEmpty())
        return parser.usageError(Translated("kelbrin-cli", "no arguments are taken"), io);
    const std::optional<QString> path = OpenLibrary("duplicates", io);
    if (!path)
        return 1;
    std::vector<QStringList> files;
    std::vector<DuplicateTips> tips;
    LibraryFault fault;
    {
        CLibrary library(*path);
        files = library.duplicateFiles();
        tips = library.duplicateTips();
        fault = library.fault();
    }
    if (fault)
        return LibraryFailed("duplicates", fault, *path, io);
    if (parser.isSet(QStringLiteral("json"))) {
        io.out << "{\"files\": [";
        for (size_t i = 0; i < files.size(); ++i) {
            io.out << (i ? ", [" : "[");
            for (int k = 0; k < files[i].size(); ++k)
                io.out << (k ? ", " : "") << JsonString(files[i][k]);
            io.out << ']';
        }
        io.out << "], \"tips\": [";
        for (size_t i = 0; i < tips.size(); ++i) {
            io.out << (i ? ", [" : "[");
            for (size_t k = 0; k < tips[i].brushes.size(); ++k)
                io.out << (k ? ", " : "") << BrushJson(tips[i].brushes[k]);
            io.out << ']';
        }
        io.out << "]}\n";
        return 0;
    }
    for (const QStringList& group : files) {
        io.out << Translated("kelbrin-cli", "identical files:") << '\n';
        for (const QString& file : group)
            io.out << "  " << Printable(file) << '\n';
    }
    for (const DuplicateTips& group : tips) {
        io.out << Translated("kelbrin-cli", "identical tips:") << '\n';
        for (const LibraryBrush& brush : group.brushes)
            io.out << "  " << BrushLine(brush) << '\n';
    }
    return 0;
}

int RunTagCommand(const QStringList& args, CliStreams io)
{
    return RunTagging("tag", true, args, io);
}

int RunUntagCommand(const QStringList& args, CliStreams io)
{
    return RunTagging("untag", false, args, io);
}

int RunTagsCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("tags");
    parser.addFlag(QStringLiteral("json"), QT_TRANSLATE_NOOP("kelbrin-cli", "print as JSON"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    if (parser.operands().size() > 1)
        return parser.usageError(Translated("kelbrin-cli", "at most one tag is taken"), io);
    const std::optional<QString> path = OpenLibrary("tags", io);
    if (!path)
        return 1;
    const bool json = parser.isSet(QStringLiteral("json"));
    std::vector<LibraryTag> tags;
    QStringList files;
    LibraryFault fault;
    {
        CLibrary library(*path);
        if (parser.operands().isEmpty())
            tags = library.allTags();
        else
            files = library.filesTagged(parser.operands().first());
        fault = library.fault();
    }
    if (fault)
        return LibraryFailed("tags", fault, *path, io);
    if (parser.operands().isEmpty()) {
        if (json)
            io.out << "{\"tags\": [";
        for (size_t i = 0; i < tags.size(); ++i) {
            if (json)
                io.out << (i ? ", " : "") << "{\"tag\": " << JsonString(tags[i].tag)
                       << ", \"files\": " << tags[i].files << '}';
            else
                io.out << Printable(tags[i].tag) << " (" << tags[i].files << ")\n";
        }
        if (json)
            io.out << "]}\n";
        return 0;
    }
    const QString tag = parser.operands().first();
    if (json) {
        io.out << "{\"tag\": " << JsonString(tag.simplified()) << ", \"files\": [";
        for (int i = 0; i < files.size(); ++i)
            io.out << (i ? ", " : "") << JsonString(files[i]);
        io.out << "]}\n";
    } else {
        for (const QString& file : files)
            io.out << Printable(file) << '\n';
    }
    return 0;
}
