#include "abr/CABRreader.h"
#include "abr/ReadErrorText.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "cli/PresetListing.h"
#include "platform/Translations.h"
#include "thread/CFileReadingSession.h"
#include "thread/CWorkingThread.h"
#include "thread/PostingBrushSink.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <boost/make_shared.hpp>
#include <cstring>
#include <functional>
#include <new>

namespace {
using FileCallback = std::function<void(const BrushFilePtr&, std::optional<ReadError>)>;

// Runs `callback(file, error)` on the main thread, queued behind everything posted before.
void CallOnMainThread(const FileCallback& callback, const BrushFilePtr& file,
                      std::optional<ReadError> error)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [callback, file, error] { callback(file, error); },
        Qt::QueuedConnection);
}

// The reading task as the window queues it, except that a file that cannot be opened is
// reported (the window checks that before it queues). Errors of the read itself arrive with
// its "FinishedReadingFile"; an interruption is let through.
class ListReadingTask : public CWorkingThread::CThreadTask
{
public:
    ListReadingTask(BrushFilePtr file, CABRreader::ReadAs as, FileCallback openFailed)
        : mFile(std::move(file)), mAs(as), mOpenFailed(std::move(openFailed))
    {}

    void Perform() override
    {
        std::unique_ptr<CABRreader> reader;
        try {
            reader = std::make_unique<CABRreader>(mFile->getPath(), mAs);
        } catch (int code) {
            CallOnMainThread(mOpenFailed, mFile, ReadError{false, code});
            return;
        } catch (const std::bad_alloc&) {
            CallOnMainThread(mOpenFailed, mFile, ReadError{true, 0});
            return;
        }
        PostingBrushSink sink(mFile);
        reader->Read(sink);
    }

private:
    BrushFilePtr mFile;
    CABRreader::ReadAs mAs;
    FileCallback mOpenFailed;
};

// Queued behind the reads it follows: when it runs, everything they posted is already queued,
// and its call arrives after all of it.
class AllReadTask : public CWorkingThread::CThreadTask
{
public:
    AllReadTask(BrushFilePtr last, FileCallback allRead)
        : mLast(std::move(last)), mAllRead(std::move(allRead))
    {}
    void Perform() override { CallOnMainThread(mAllRead, mLast, std::nullopt); }

private:
    BrushFilePtr mLast;
    FileCallback mAllRead;
};

QString PixelsSha256(const SampledBrush& brush)
{
    const PixelBlock& pixels = brush.pixels();
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(pixels.data(), qsizetype(pixels.size())),
                                 QCryptographicHash::Sha256)
            .toHex());
}

// The SHA-256 of the pattern's pixels as R, G, B, A bytes, row by row from the top; 16-bit
// patterns as Qt converts them to 8 bits.
QString PatternPixelsSha256(const Pattern& pattern)
{
    const QImage rgba = pattern.image().convertToFormat(QImage::Format_RGBA8888);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < rgba.height(); ++y)
        hash.addData(QByteArrayView(rgba.constScanLine(y), qsizetype(rgba.width()) * 4));
    return QString::fromLatin1(hash.result().toHex());
}

PatternSummary Summarize(const Pattern& pattern, bool hashPixels)
{
    PatternSummary summary;
    summary.name = pattern.name();
    summary.displayName = pattern.displayName();
    summary.identifier = pattern.identifier();
    summary.mode = Pattern::modeName(pattern.mode());
    summary.size = pattern.pixelSize();
    summary.depth = pattern.depth();
    if (hashPixels)
        summary.pixelsSha256 = PatternPixelsSha256(pattern);
    return summary;
}

QString KindOf(const BrushSummary& brush)
{
    return QString::fromLatin1(TipKindKey(brush.kind));
}

// Stored tips listed as tips (list --tips), or one no preset uses, are no preset.
bool IsPreset(const BrushSummary& brush, bool tips)
{
    return !tips && (!brush.presetRead || brush.preset->isPreset);
}

void PrintPlain(const std::vector<FileResult>& results, QTextStream& out, bool tips)
{
    for (const FileResult& result : results) {
        const auto& brushes = result.summaries;
        for (size_t i = 0; i < brushes.size(); ++i) {
            const BrushSummary& brush = brushes[i];
            out << i << ' ' << KindOf(brush) << ' ' << brush.size.width() << 'x'
                << brush.size.height() << ' '
                << (brush.depth ? QString::number(brush.depth) : QStringLiteral("-")) << ' '
                << (brush.name ? Printable(brush.displayName) : QStringLiteral("(no name)"));
            if (brush.scaledFrom)
                out << " (scaled from " << QString::number(brush.scaledFrom->width(), 'f', 0) << 'x'
                    << QString::number(brush.scaledFrom->height(), 'f', 0) << ')';
            if (brush.missingRows)
                out << " (damaged: " << brush.missingRows
                    << (brush.missingRows == 1 ? " row" : " rows") << " lost, left blank)";
            out << '\n';
            // What the file says of the preset, below the tip it paints with; a tip the file
            // gave no preset for has nothing more to tell.
            if (!brush.presetRead)
                continue;
            out << "  ";
            if (!IsPreset(brush, tips))
                out << "stored tip, in no preset: ";
            out << Printable(PresetLine(*brush.preset)) << '\n';
        }
        const auto& patterns = result.patterns;
        for (size_t i = 0; i < patterns.size(); ++i) {
            const PatternSummary& pattern = patterns[i];
            out << i << " pattern " << pattern.mode << ' ' << pattern.size.width() << 'x'
                << pattern.size.height() << ' ' << pattern.depth << ' '
                << Printable(pattern.displayName) << '\n';
        }
        out << Printable(result.file->getPath()) << ": " << brushes.size()
            << (brushes.size() == 1 ? " brush, " : " brushes, ");
        if (!patterns.empty() || result.skippedPatterns)
            out << patterns.size() << (patterns.size() == 1 ? " pattern, " : " patterns, ");
        if (result.skippedPatterns)
            out << result.skippedPatterns << " pattern"
                << (result.skippedPatterns == 1 ? " " : "s ") << "not read, ";
        if (result.error)
            out << StoppedByError(*result.error) << '\n';
        else if (result.unsupportedVersion)
            out << UnsupportedVersionText(*result.unsupportedVersion) << '\n';
        else if (result.finished)
            out << "read to the end\n";
        else if (result.switchedAway)
            out << "left for the next file before its end\n";
        else
            out << "not read to the end\n";
    }
}

// The name as people read it, then the stored text only where it says something else (a
// terminating zero unit, a resource string), so scripts compare names without stripping them.
QString NameJson(const QString& stored, const QString& readable)
{
    QString json = JsonString(readable);
    if (stored != readable)
        json += QStringLiteral(", \"stored_name\": ") + JsonString(stored);
    return json;
}

void PrintJson(const std::vector<FileResult>& results, QTextStream& out, bool tips)
{
    out << "{\"files\": [";
    for (size_t f = 0; f < results.size(); ++f) {
        const FileResult& result = results[f];
        if (f)
            out << ", ";
        out << "{\"path\": " << JsonString(result.file->getPath()) << ", \"brushes\": [";
        const auto& brushes = result.summaries;
        for (size_t i = 0; i < brushes.size(); ++i) {
            const BrushSummary& brush = brushes[i];
            if (i)
                out << ", ";
            out << "{\"index\": " << i << ", \"kind\": \"" << KindOf(brush) << "\", \"name\": "
                << (brush.name ? NameJson(*brush.name, brush.displayName) : QStringLiteral("null"))
                << ", \"preset\": " << (IsPreset(brush, tips) ? "true" : "false") << ", "
                << PresetJsonMembers(*brush.preset) << ", \"width\": " << brush.size.width()
                << ", \"height\": " << brush.size.height();
            if (brush.kind == TipKind::Sampled)
                out << ", \"depth\": " << brush.depth << ", \"pixels_sha256\": \""
                    << brush.pixelsSha256 << "\", \"missing_rows\": " << brush.missingRows;
            if (brush.scaledFrom)
                out << ", \"scaled_from\": [" << QString::number(brush.scaledFrom->width(), 'f', 0)
                    << ", " << QString::number(brush.scaledFrom->height(), 'f', 0) << ']';
            out << '}';
        }
        out << "], \"patterns\": [";
        const auto& patterns = result.patterns;
        for (size_t i = 0; i < patterns.size(); ++i) {
            const PatternSummary& pattern = patterns[i];
            if (i)
                out << ", ";
            out << "{\"index\": " << i
                << ", \"name\": " << NameJson(pattern.name, pattern.displayName)
                << ", \"identifier\": " << JsonString(pattern.identifier) << ", \"mode\": \""
                << pattern.mode << "\", \"width\": " << pattern.size.width()
                << ", \"height\": " << pattern.size.height() << ", \"depth\": " << pattern.depth
                << ", \"pixels_sha256\": \"" << pattern.pixelsSha256 << "\"}";
        }
        out << "], \"skipped_patterns\": " << result.skippedPatterns
            << ", \"finished\": " << (result.finished ? "true" : "false")
            << ", \"error\": " << ErrorJson(result.error);
        if (result.unsupportedVersion)
            out << ", \"note\": " << JsonString(UnsupportedVersionText(*result.unsupportedVersion));
        out << '}';
    }
    out << "]}\n";
}

// How the listing keeps a read that stopped short; ErrorMessage puts it in words.
std::optional<ReadError> ErrorOf(const ReadOutcome& outcome)
{
    if (!outcome.failed())
        return std::nullopt;
    return ReadError{outcome.outOfMemory, outcome.error.value_or(0)};
}

// Collects a read on the calling thread.
class CollectingSink : public CBrushSink
{
public:
    CollectingSink(FileResult& result, const ReadOptions& options)
        : mResult(result), mOptions(options)
    {}

    void AddBrush(const BrushPtr& brush) override
    {
        mResult.summaries.push_back(SummarizeBrush(*brush, mOptions.hashPixels));
        if (mOptions.keepBrushes)
            mResult.file->addBrush(brush);
    }
    void AddPattern(const PatternPtr& pattern) override
    {
        mResult.patterns.push_back(Summarize(*pattern, mOptions.hashPixels));
        if (mOptions.keepBrushes)
            mResult.file->addPattern(pattern);
    }
    void FinishedReadingFile(const ReadOutcome& outcome) override
    {
        mResult.finished = true;
        mResult.skippedPatterns = outcome.skippedPatterns;
        mResult.unsupportedVersion = outcome.unsupportedVersion;
        mResult.error = ErrorOf(outcome);
    }

private:
    FileResult& mResult;
    const ReadOptions& mOptions;
};
} // namespace

BrushSummary SummarizeBrush(const Brush& brush, bool hashPixels)
{
    BrushSummary summary;
    summary.kind = brush.kind();
    summary.size = brush.pixelSize();
    summary.name = brush.name();
    summary.displayName = brush.displayName();
    if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush)) {
        summary.depth = sampled->depth();
        summary.missingRows = sampled->missingRows();
        if (hashPixels)
            summary.pixelsSha256 = PixelsSha256(*sampled);
    } else if (const auto* computed = dynamic_cast<const ComputedBrush*>(&brush)) {
        summary.scaledFrom = computed->scaledFrom();
    }
    // Shared with the brush, not copied: a listing of many presets keeps one of each.
    summary.presetRead = brush.preset() != nullptr;
    summary.preset = summary.presetRead ? brush.sharedPreset()
                                        : std::make_shared<const BrushPreset>(PresetFromTip(brush));
    return summary;
}

void PrintBrushListing(const std::vector<FileResult>& results, QTextStream& out, bool json,
                       bool tips)
{
    if (json)
        PrintJson(results, out, tips);
    else
        PrintPlain(results, out, tips);
}

QString ErrorMessage(const ReadError& error)
{
    return error.badAlloc ? QStringLiteral("out of memory") : ReadErrorText(error.code);
}

QString ErrorJson(const std::optional<ReadError>& error)
{
    if (!error)
        return QStringLiteral("null");
    const QString code =
        error->badAlloc ? QStringLiteral("\"bad_alloc\"") : QString::number(error->code);
    return QStringLiteral("{\"code\": %1, \"message\": %2}")
        .arg(code, JsonString(ErrorMessage(*error)));
}

QString StoppedByError(const ReadError& error)
{
    // Words only: a bare "-1" tells a person nothing (and reads like EPERM, which it is not).
    // Scripts that want the code have it in --json.
    return QStringLiteral("stopped: ") + ErrorMessage(error);
}

std::vector<FileResult> ReadBrushFiles(const QStringList& paths, const ReadOptions& options)
{
    const int switchAfter = options.switchAfter;
    std::vector<FileResult> results;
    for (const QString& path : paths) {
        FileResult result;
        result.file = BrushFile::brushFileWithPath(path);
        results.push_back(std::move(result));
    }
    if (switchAfter < 0) {
        for (FileResult& result : results) {
            CollectingSink sink(result, options);
            try {
                CABRreader reader(result.file->getPath(), options.as);
                reader.Read(sink);
            } catch (int code) {
                // Also an open that failed, before the sink heard of the read.
                result.error = ReadError{false, code};
            } catch (const std::bad_alloc&) {
                result.error = ReadError{true, 0};
            }
        }
        return results;
    }

    auto resultFor = [&](const BrushFilePtr& file) -> FileResult* {
        for (FileResult& r : results)
            if (r.file == file)
                return &r;
        return nullptr;
    };

    // One file on display at a time, switched exactly as the window switches.
    QEventLoop loop;
    CWorkingThread thread;
    FileResult& first = results[0];
    FileResult& second = results[1];
    std::unique_ptr<CFileReadingSession> session;
    const FileCallback openFailed = [&](const BrushFilePtr& file, std::optional<ReadError> e) {
        if (FileResult* r = resultFor(file))
            r->error = e;
    };
    std::function<void()> switchToSecond;
    // Marks the end of a read: of the second file, or of a first file that had fewer brushes
    // than asked for.
    const FileCallback allRead = [&](const BrushFilePtr& file, std::optional<ReadError>) {
        if (file == second.file)
            loop.quit();
        else if (session->displayedFile() == first.file)
            switchToSecond();
    };
    switchToSecond = [&] {
        first.switchedAway = !first.finished;
        session->ShowFile(second.file);
        session->QueueTask(
            boost::make_shared<ListReadingTask>(second.file, options.as, openFailed));
        session->QueueTask(boost::make_shared<AllReadTask>(second.file, allRead));
    };
    session = std::make_unique<CFileReadingSession>(
        thread,
        [&](const BrushFilePtr& file, const BrushPtr& brush) {
            file->addBrush(brush);
            if (FileResult* r = resultFor(file))
                r->summaries.push_back(SummarizeBrush(*brush, options.hashPixels));
            if (file == first.file && file->count() == size_t(switchAfter))
                switchToSecond();
        },
        [&](const BrushFilePtr& file, const ReadOutcome& outcome) {
            if (FileResult* r = resultFor(file)) {
                r->finished = true;
                r->skippedPatterns = outcome.skippedPatterns;
                r->unsupportedVersion = outcome.unsupportedVersion;
                r->error = ErrorOf(outcome);
            }
        },
        [&](const BrushFilePtr& file, const PatternPtr& pattern) {
            file->addPattern(pattern);
            if (FileResult* r = resultFor(file))
                r->patterns.push_back(Summarize(*pattern, options.hashPixels));
        });
    session->ShowFile(first.file);
    if (switchAfter == 0)
        switchToSecond();
    else {
        session->QueueTask(boost::make_shared<ListReadingTask>(first.file, options.as, openFailed));
        session->QueueTask(boost::make_shared<AllReadTask>(first.file, allRead));
    }
    loop.exec();
    session.reset();
    return results;
}

int RunListCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("list");
    parser.addFlag(QStringLiteral("json"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "print one JSON document"));
    parser.addFlag(QStringLiteral("tips"),
                   QT_TRANSLATE_NOOP("kelbrin-cli",
                                     "list the tips the file stores, in its own order, instead of "
                                     "its presets"));
    parser.addValueOption(
        QStringLiteral("switch-after"), QStringLiteral("N"),
        QT_TRANSLATE_NOOP("kelbrin-cli",
                          "leave FILE1 for FILE2 after N brushes, as the window does"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool tips = parser.isSet(QStringLiteral("tips"));
    int switchAfter = -1;
    if (parser.isSet(QStringLiteral("switch-after"))) {
        bool ok = false;
        switchAfter = parser.value(QStringLiteral("switch-after")).toInt(&ok);
        if (!ok || switchAfter < 0)
            return parser.usageError(
                Translated("kelbrin-cli", "--switch-after needs a brush count (0 or more)"), io);
    }
    const QStringList paths = parser.operands();
    if (paths.isEmpty())
        return parser.usageError(Translated("kelbrin-cli", "no FILE given"), io);
    if (switchAfter >= 0 && paths.size() != 2)
        return parser.usageError(
            Translated("kelbrin-cli", "--switch-after takes exactly two files"), io);

    ReadOptions options;
    options.switchAfter = switchAfter;
    options.keepBrushes = switchAfter >= 0;
    options.hashPixels = json;
    if (tips)
        options.as = CABRreader::ReadAs::StoredTips;
    const std::vector<FileResult> results = ReadBrushFiles(paths, options);
    PrintBrushListing(results, io.out, json, tips);

    for (const FileResult& r : results)
        if (r.error || r.unsupportedVersion || (!r.finished && !r.switchedAway))
            return 1;
    return 0;
}
