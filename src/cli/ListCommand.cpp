#include "abr/BrushNotifications.h"
#include "abr/CABRreader.h"
#include "brush/SampledBrush.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"
#include "cli/JsonWriter.h"
#include "thread/NotificationCenter.h"
#include "thread/NotificationEvent.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <boost/thread/thread.hpp>
#include <cstring>
#include <new>

namespace {
const QString kReadFailed = QStringLiteral("kelbrin-cli.ReadFailed");
const QString kAllRead = QStringLiteral("kelbrin-cli.AllRead");

QString ErrorMessage(const ReadError& error)
{
    return error.badAlloc ? QStringLiteral("out of memory") : DescribeReadError(error.code);
}

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
                << (brush.name() ? *brush.name() : QStringLiteral("(no name)")) << '\n';
        }
        out << result.file->getPath() << ": " << brushes.size()
            << (brushes.size() == 1 ? " brush, " : " brushes, ");
        if (result.error)
            out << "stopped by error " << (result.error->badAlloc ? QStringLiteral("bad_alloc")
                                                                  : QString::number(result.error->code))
                << " (" << ErrorMessage(*result.error) << ")\n";
        else if (result.finished)
            out << "read to the end\n";
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
            out << "{\"code\": \"bad_alloc\", \"message\": " << JsonString(ErrorMessage(*result.error))
                << '}';
        else
            out << "{\"code\": " << result.error->code
                << ", \"message\": " << JsonString(ErrorMessage(*result.error)) << '}';
        out << '}';
    }
    out << "]}\n";
}
} // namespace

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

std::vector<FileResult> ReadBrushFiles(const QStringList& paths)
{
    std::vector<FileResult> results;
    for (const QString& path : paths)
        results.push_back({BrushFile::brushFileWithPath(path), false, std::nullopt});

    auto resultFor = [&](const void* file) -> FileResult* {
        for (FileResult& r : results)
            if (r.file.get() == file)
                return &r;
        return nullptr;
    };

    QEventLoop loop;
    // The same road the window takes: brushes arrive as posted notifications, and only the
    // main thread adds them to their file.
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
    ScopedObserver onFailed(kReadFailed, nullptr, [&](const Notification& n) {
        if (FileResult* r = resultFor(n.object().get())) {
            ReadError e;
            e.badAlloc = n.userInfo().value(QStringLiteral("badAlloc")).toBool();
            e.code = n.userInfo().value(QStringLiteral("code")).toInt();
            r->error = e;
        }
    });
    ScopedObserver onAllRead(kAllRead, nullptr, [&](const Notification&) { loop.quit(); });

    std::vector<BrushFilePtr> files;
    for (const FileResult& r : results)
        files.push_back(r.file);
    boost::thread worker([files] {
        for (const BrushFilePtr& file : files) {
            QVariantMap failure;
            try {
                CABRreader reader(file->getPath());
                reader.Read(file);
            } catch (int code) {
                failure.insert(QStringLiteral("code"), code);
            } catch (const std::bad_alloc&) {
                failure.insert(QStringLiteral("badAlloc"), true);
            }
            if (!failure.isEmpty())
                NotificationEvent::postNotificationWithName(kReadFailed, file, failure);
        }
        NotificationEvent::postNotificationWithName(kAllRead, nullptr);
    });
    loop.exec();
    worker.join();
    return results;
}

int RunListCommand(const QStringList& args, CliStreams io)
{
    bool json = false;
    QStringList paths;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else if (arg.startsWith(QLatin1String("--")) && paths.isEmpty()) {
            io.err << "kelbrin-cli list: unknown option " << arg << '\n';
            return 2;
        } else
            paths << arg;
    }
    if (paths.isEmpty()) {
        io.err << "usage: kelbrin-cli list [--json] FILE...\n";
        return 2;
    }

    const std::vector<FileResult> results = ReadBrushFiles(paths);

    if (json)
        PrintJson(results, io.out);
    else
        PrintPlain(results, io.out);

    for (const FileResult& r : results)
        if (r.error || !r.finished)
            return 1;
    return 0;
}
