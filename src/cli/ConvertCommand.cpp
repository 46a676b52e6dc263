#include "abr/ReadErrorText.h"
#include "actions/BrushInstaller.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "convert/PackMark.h"
#include "convert/PackWriter.h"
#include "convert/ReportText.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <future>

namespace {
struct Converted
{
    FileResult read;
    BrushPack pack;
    PackWriteResult written;
    bool attempted = false; // false when the file gave nothing to convert
};

QString StatusName(const Converted& c)
{
    if (!c.attempted)
        return QStringLiteral("nothing");
    switch (c.written.status) {
    case PackWriteResult::Status::Written:
        return QStringLiteral("written");
    case PackWriteResult::Status::AlreadyExists:
        return QStringLiteral("exists");
    case PackWriteResult::Status::Failed:
        break;
    }
    return QStringLiteral("failed");
}

void PrintPlain(const Converted& c, CliStreams io)
{
    const QString path = Printable(c.written.path);
    switch (c.written.status) {
    case PackWriteResult::Status::Written:
        io.out << "wrote " << path << " (" << c.pack.countsText() << ")\n";
        break;
    case PackWriteResult::Status::AlreadyExists:
        io.out << "exists " << path << "; not replaced\n";
        break;
    case PackWriteResult::Status::Failed:
        io.out << "failed " << path << ": " << Printable(c.written.error) << '\n';
        break;
    }
    for (const PackedBrush& brush : c.pack.brushes) {
        if (brush.outcome != PackedBrush::Outcome::Kept)
            io.err << Printable(c.read.file->getPath()) << ": "
                   << Translated("kelbrin-cli", "brush %1 %2: %3")
                          .arg(QString::number(brush.index), ShownOutcomeName(brush.outcome),
                               ShownReportTexts(brush.what))
                   << '\n';
    }
    for (const PackedBrush& brush : c.pack.brushes) {
        for (const SettingFate& setting : brush.settings) {
            if (setting.fate != SettingFate::Fate::Kept)
                io.err << Printable(c.read.file->getPath()) << ": "
                       << Translated("kelbrin-cli", "preset %1 %2")
                              .arg(QString::number(brush.index), ShownSettingFateText(setting))
                       << '\n';
        }
    }
    for (const PackedPattern& pattern : c.pack.patterns) {
        if (!pattern.what.isEmpty())
            io.err << Printable(c.read.file->getPath()) << ": "
                   << Translated("kelbrin-cli", "pattern %1 changed: %2")
                          .arg(QString::number(pattern.index), ShownReportTexts(pattern.what))
                   << '\n';
    }
}

QString JsonList(const QStringList& texts)
{
    QStringList quoted;
    for (const QString& text : texts)
        quoted << JsonString(text);
    return QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString JsonOrNull(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("null") : JsonString(text);
}

// The preset files written for a brush and what became of each of its settings; null when the
// pack carries no preset for it.
void PrintPresetJson(const PackedBrush& brush, QTextStream& out)
{
    if (!brush.presetCarried()) {
        out << "null";
        return;
    }
    out << "{\"file\": " << JsonString(brush.presetFileName)
        << ", \"approximated\": " << (brush.presetApproximated() ? "true" : "false")
        << ", \"settings\": [";
    for (size_t i = 0; i < brush.settings.size(); ++i) {
        const SettingFate& setting = brush.settings[i];
        out << (i ? ", " : "") << "{\"group\": " << JsonString(setting.group)
            << ", \"setting\": " << JsonString(setting.setting) << ", \"fate\": \""
            << FateName(setting.fate) << "\", \"how\": " << JsonOrNull(setting.how) << '}';
    }
    out << "]}";
}

void PrintJson(const std::vector<Converted>& all, const char* target, QTextStream& out)
{
    out << "{\"packs\": [";
    for (size_t p = 0; p < all.size(); ++p) {
        const Converted& c = all[p];
        out << (p ? ", " : "") << "{\"source\": " << JsonString(c.read.file->getPath())
            << ", \"target\": \"" << target
            << "\", \"name\": " << (c.attempted ? JsonString(c.pack.name) : QStringLiteral("null"))
            << ", \"path\": " << (c.attempted ? JsonString(c.written.path) : QStringLiteral("null"))
            << ", \"status\": \"" << StatusName(c) << "\", \"write_error\": "
            << (c.attempted && !c.written.error.isEmpty() ? JsonString(c.written.error)
                                                          : QStringLiteral("null"))
            << ", \"read_error\": " << ErrorJson(c.read.error)
            << ", \"presets\": " << c.pack.presetCount()
            << ", \"approximated\": " << c.pack.approximatedPresets();
        if (c.read.unsupportedVersion)
            out << ", \"note\": " << JsonString(UnsupportedVersionText(*c.read.unsupportedVersion));
        out << ", \"brushes\": [";
        for (size_t i = 0; i < c.pack.brushes.size(); ++i) {
            const PackedBrush& brush = c.pack.brushes[i];
            out << (i ? ", " : "") << "{\"index\": " << brush.index
                << ", \"name\": " << JsonString(brush.name)
                << ", \"file\": " << JsonOrNull(brush.fileName) << ", \"outcome\": \""
                << OutcomeName(brush.outcome) << "\", \"what\": " << JsonList(brush.what)
                << ", \"lost_texture\": " << JsonOrNull(brush.texture)
                << ", \"lost_settings\": " << JsonList(brush.lostSettings) << ", \"preset\": ";
            PrintPresetJson(brush, out);
            out << '}';
        }
        out << "], \"patterns\": [";
        for (size_t i = 0; i < c.pack.patterns.size(); ++i) {
            const PackedPattern& pattern = c.pack.patterns[i];
            out << (i ? ", " : "") << "{\"index\": " << pattern.index
                << ", \"name\": " << JsonString(pattern.name)
                << ", \"file\": " << JsonString(pattern.fileName)
                << ", \"what\": " << JsonList(pattern.what) << '}';
        }
        out << "]}";
    }
    out << "]}\n";
}
} // namespace

int RunConvertCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("convert");
    parser.addValueOption(
        QStringLiteral("to"), QStringLiteral("APP"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "gimp (a brushes folder per file) or krita (a bundle)"));
    parser.addValueOption(
        QStringLiteral("out"), QStringLiteral("DIR"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "where to write (default: the current folder)"));
    parser.addFlag(QStringLiteral("json"),
                   QT_TRANSLATE_NOOP("kelbrin-cli", "print one JSON document"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;
    const QString to = parser.value(QStringLiteral("to"));
    if (to != QLatin1String("gimp") && to != QLatin1String("krita"))
        return parser.usageError(
            to.isEmpty() ? Translated("kelbrin-cli", "--to gimp or --to krita is needed")
                         : Translated("kelbrin-cli", "unknown --to \"%1\"").arg(to),
            io);
    const QStringList files = parser.operands();
    if (files.isEmpty())
        return parser.usageError(Translated("kelbrin-cli", "no FILE given"), io);
    const bool gimp = to == QLatin1String("gimp");
    const bool json = parser.isSet(QStringLiteral("json"));
    const QString out = parser.isSet(QStringLiteral("out")) ? parser.value(QStringLiteral("out"))
                                                            : QStringLiteral(".");
    // GIMP's user folder keeps brushes in brushes/; --out names that user folder.
    const QString folder = gimp ? QDir(out).filePath(QStringLiteral("brushes")) : out;

    int status = 0;
    std::vector<Converted> all;
    for (const QString& path : files) {
        Converted c;
        // The mark's hash reads the file once more; with a core to spare it runs beside the
        // reading and the writing rather than after them.
        std::shared_future<QByteArray> sha256 =
            std::async(QThread::idealThreadCount() > 1 ? std::launch::async : std::launch::deferred,
                       FileSha256Hex, path);
        c.read = std::move(ReadBrushFiles({path}).front());
        const QString shown = Printable(path);
        if (c.read.error)
            io.err << shown << ": " << StoppedByError(*c.read.error) << '\n';
        if (c.read.unsupportedVersion)
            io.err << shown << ": " << UnsupportedVersionText(*c.read.unsupportedVersion) << '\n';
        if (c.read.error || c.read.unsupportedVersion)
            status = 1;
        if (c.read.file->count() == 0 && c.read.file->patterns().empty()) {
            io.err << shown << ": "
                   << Translated("kelbrin-cli", "no brushes or patterns; nothing converted")
                   << '\n';
            status = 1;
        } else {
            if (c.read.error)
                io.err << shown << ": "
                       << Translated("kelbrin-cli", "converting the %1 read before the error")
                              .arg(Translated("kelbrin-cli", "%n brush(es)", nullptr,
                                              int(c.read.file->count())))
                       << '\n';
            c.pack = BuildBrushPack(*c.read.file, gimp ? PackTarget::Gimp : PackTarget::Krita);
            c.pack.sourceName = QFileInfo(path).fileName();
            c.pack.sourceSha256Taking = sha256;
            c.written = gimp ? WritePackFolder(c.pack, folder)
                             : WritePackBundle(c.pack, folder, path, PackPreviewStroke);
            c.attempted = true;
            // Written: of the brushes, only what is said of them stays until the last file.
            c.pack.sources.clear();
            c.pack.patternSources.clear();
            c.read.file = BrushFile::brushFileWithPath(c.read.file->getPath());
            if (c.written.status != PackWriteResult::Status::Written)
                status = 1;
            if (!json)
                PrintPlain(c, io);
        }
        all.push_back(std::move(c));
    }
    if (json)
        PrintJson(all, gimp ? "gimp" : "krita", io.out);
    return status;
}
