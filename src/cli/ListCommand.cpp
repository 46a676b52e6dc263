#include "thread/BrushNotifications.h"
#include "abr/CABRreader.h"
#include "brush/SampledBrush.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"
#include "cli/JsonWriter.h"
#include "thread/CFileReadingSession.h"
#include "thread/CFileReadingTask.h"
#include "thread/CWorkingThread.h"
#include "thread/NotificationCenter.h"
#include "thread/NotificationEvent.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <boost/make_shared.hpp>
#include <cstring>
#include <new>

namespace {
const QString kReadFailed = QStringLiteral("kelbrin-cli.ReadFailed");
const QString kAllRead = QStringLiteral("kelbrin-cli.AllRead");

// The reading task as the window queues it, wrapped so that the error the task lets go reaches
// the main thread. An interruption is let through: a cancelled read reports nothing more.
class ListReadingTask : public CWorkingThread::CThreadTask
{
public:
    explicit ListReadingTask(const BrushFilePtr& file) : mTask(file->getPath(), file) {}

    void Perform() override
    {
        QVariantMap failure;
        try {
            mTask.Perform();
        } catch (int code) {
            failure.insert(QStringLiteral("code"), code);
        } catch (const std::bad_alloc&) {
            failure.insert(QStringLiteral("badAlloc"), true);
        }
        if (!failure.isEmpty())
            NotificationEvent::postNotificationWithName(kReadFailed, mTask.brushFile(), failure);
    }

private:
    CFileReadingTask mTask;
};

// Queued behind the reads it follows: when it runs, everything they posted is already queued.
class AllReadTask : public CWorkingThread::CThreadTask
{
public:
    explicit AllReadTask(BrushFilePtr last) : mLast(std::move(last)) {}
    void Perform() override { NotificationEvent::postNotificationWithName(kAllRead, mLast); }

private:
    BrushFilePtr mLast;
};

QString KindOf(const Brush& brush)
{
    return brush.isComputed() ? QStringLiteral("computed") : QStringLiteral("sampled");
}

QString PixelsSha256(const SampledBrush& brush)
{
    const PixelBlock& pixels = brush.pixels();
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(pixels.data(), qsizetype(pixels.size())),
                                 QCryptographicHash::Sha256)
            .toHex());
}

void PrintPlain(const std::vector<FileResult>& results, QTextStream& out)
{
    for (const FileResult& result : results) {
        const auto& brushes = result.file->brushes();
        for (size_t i = 0; i < brushes.size(); ++i) {
            const Brush& brush = *brushes[i];
            const auto* sampled = dynamic_cast<const SampledBrush*>(&brush);
            out << i << ' ' << KindOf(brush) << ' ' << brush.size().width() << 'x'
                << brush.size().height() << ' '
                << (sampled ? QString::number(sampled->depth()) : QStringLiteral("-")) << ' '
                << (brush.name() ? brush.displayName() : QStringLiteral("(no name)")) << '\n';
        }
        out << result.file->getPath() << ": " << brushes.size()
            << (brushes.size() == 1 ? " brush, " : " brushes, ");
        if (result.error)
            out << "stopped by error "
                << (result.error->badAlloc ? QStringLiteral("bad_alloc")
                                           : QString::number(result.error->code))
                << " (" << ErrorMessage(*result.error) << ")\n";
        else if (result.finished)
            out << "read to the end\n";
        else if (result.switchedAway)
            out << "left for the next file before its end\n";
        else
            out << "not read to the end\n";
    }
}

void PrintJson(const std::vector<FileResult>& results, QTextStream& out)
{
    out << "{\"files\": [";
    for (size_t f = 0; f < results.size(); ++f) {
        const FileResult& result = results[f];
        if (f)
            out << ", ";
        out << "{\"path\": " << JsonString(result.file->getPath()) << ", \"brushes\": [";
        const auto& brushes = result.file->brushes();
        for (size_t i = 0; i < brushes.size(); ++i) {
            const Brush& brush = *brushes[i];
            if (i)
                out << ", ";
            out << "{\"index\": " << i << ", \"kind\": \"" << KindOf(brush) << "\", \"name\": "
                << (brush.name() ? JsonString(*brush.name()) : QStringLiteral("null"))
                << ", \"width\": " << brush.image().width()
                << ", \"height\": " << brush.image().height();
            if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush))
                out << ", \"depth\": " << sampled->depth() << ", \"pixels_sha256\": \""
                    << PixelsSha256(*sampled) << '"';
            out << '}';
        }
        out << "], \"finished\": " << (result.finished ? "true" : "false") << ", \"error\": ";
        if (!result.error)
            out << "null";
        else if (result.error->badAlloc)
            out << "{\"code\": \"bad_alloc\", \"message\": "
                << JsonString(ErrorMessage(*result.error)) << '}';
        else
            out << "{\"code\": " << result.error->code
                << ", \"message\": " << JsonString(ErrorMessage(*result.error)) << '}';
        out << '}';
    }
    out << "]}\n";
}
} // namespace

QString ErrorMessage(const ReadError& error)
{
    return error.badAlloc ? QStringLiteral("out of memory") : DescribeReadError(error.code);
}

QString DescribeReadError(int code)
{
    switch (code) {
    case -1:
        return QStringLiteral("not a valid brush file, or damaged");
    case -39:
        return QStringLiteral("the file ended early");
    default:
        if (code < 0)
            return QString::fromLocal8Bit(std::strerror(-code));
        return QStringLiteral("error %1").arg(code);
    }
}

std::vector<FileResult> ReadBrushFiles(const QStringList& paths, int switchAfter)
{
    std::vector<FileResult> results;
    for (const QString& path : paths)
        results.push_back({BrushFile::brushFileWithPath(path), false, std::nullopt, false});

    auto resultFor = [&](const void* file) -> FileResult* {
        for (FileResult& r : results)
            if (r.file.get() == file)
                return &r;
        return nullptr;
    };

    QEventLoop loop;
    CWorkingThread thread;
    ScopedObserver onFailed(kReadFailed, nullptr, [&](const Notification& n) {
        if (FileResult* r = resultFor(n.object().get())) {
            ReadError e;
            e.badAlloc = n.userInfo().value(QStringLiteral("badAlloc")).toBool();
            e.code = n.userInfo().value(QStringLiteral("code")).toInt();
            r->error = e;
        }
    });

    if (switchAfter < 0) {
        // The same road the window takes: brushes arrive as posted notifications, and only the
        // main thread adds them to their file. The files are queued together, so the observers
        // tell them apart by their BrushFile.
        ScopedObserver onBrush(kAddBrushNotification, nullptr, [&](const Notification& n) {
            const auto file = n.userInfo().value(kBrushFileKey).value<BrushFilePtr>();
            if (FileResult* r = resultFor(file.get()))
                r->file->addBrush(n.objectAs<const Brush>());
        });
        ScopedObserver onFinished(kFinishedReadingFileNotification, nullptr,
                                  [&](const Notification& n) {
                                      if (FileResult* r = resultFor(n.object().get()))
                                          r->finished = true;
                                  });
        ScopedObserver onAllRead(kAllRead, nullptr, [&](const Notification&) { loop.quit(); });
        for (const FileResult& r : results)
            thread.AddTask(boost::make_shared<ListReadingTask>(r.file));
        thread.AddTask(boost::make_shared<AllReadTask>(results.back().file));
        loop.exec();
    } else {
        // One file on display at a time, switched exactly as the window switches.
        FileResult& first = results[0];
        FileResult& second = results[1];
        std::unique_ptr<CFileReadingSession> session;
        auto switchToSecond = [&] {
            first.switchedAway = !first.finished;
            session->ShowFile(second.file);
            session->QueueTask(boost::make_shared<ListReadingTask>(second.file));
            session->QueueTask(boost::make_shared<AllReadTask>(second.file));
        };
        session = std::make_unique<CFileReadingSession>(
            thread,
            [&](const BrushFilePtr& file, const BrushPtr& brush) {
                file->addBrush(brush);
                if (file == first.file && file->count() == size_t(switchAfter))
                    switchToSecond();
            },
            [&](const BrushFilePtr& file) {
                if (FileResult* r = resultFor(file.get()))
                    r->finished = true;
            });
        // Marks the end of a read: of the second file, or of a first file that had fewer
        // brushes than asked for.
        ScopedObserver onAllRead(kAllRead, nullptr, [&](const Notification& n) {
            if (n.object() == second.file)
                loop.quit();
            else if (session->displayedFile() == first.file)
                switchToSecond();
        });
        session->ShowFile(first.file);
        if (switchAfter == 0)
            switchToSecond();
        else {
            session->QueueTask(boost::make_shared<ListReadingTask>(first.file));
            session->QueueTask(boost::make_shared<AllReadTask>(first.file));
        }
        loop.exec();
        session.reset();
    }
    return results;
}

int RunListCommand(const QStringList& args, CliStreams io)
{
    const char* const usage = "usage: kelbrin-cli list [--json] FILE...\n"
                              "       kelbrin-cli list [--json] --switch-after N FILE1 FILE2\n";
    bool json = false;
    int switchAfter = -1;
    QStringList paths;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--json"))
            json = true;
        else if (arg == QLatin1String("--switch-after") && paths.isEmpty()) {
            bool ok = false;
            switchAfter = i + 1 < args.size() ? args[i + 1].toInt(&ok) : -1;
            if (!ok || switchAfter < 0) {
                io.err << "kelbrin-cli list: --switch-after needs a brush count (0 or more)\n";
                return 2;
            }
            ++i;
        } else if (arg.startsWith(QLatin1String("--")) && paths.isEmpty()) {
            io.err << "kelbrin-cli list: unknown option " << arg << '\n';
            return 2;
        } else
            paths << arg;
    }
    if (paths.isEmpty() || (switchAfter >= 0 && paths.size() != 2)) {
        io.err << usage;
        return 2;
    }

    const std::vector<FileResult> results = ReadBrushFiles(paths, switchAfter);

    if (json)
        PrintJson(results, io.out);
    else
        PrintPlain(results, io.out);

    for (const FileResult& r : results)
        if (r.error || (!r.finished && !r.switchedAway))
            return 1;
    return 0;
}
