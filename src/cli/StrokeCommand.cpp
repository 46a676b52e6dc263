#include "abr/ReadErrorText.h"
#include "cli/BrushFileReading.h"
#include "cli/CliCommands.h"
#include "cli/CommandParser.h"
#include "cli/JsonWriter.h"
#include "engine/PresetStroke.h"
#include "platform/NativePath.h"
#include "platform/Translations.h"
#include "platform/WriteNewFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A canvas of at most 4096 x 4096 pixels keeps one stroke within 64 MB, whatever is asked.
constexpr int kMaxSide = 4096;
// Hand-made and generated paths are a few thousand points; anything far larger is not a path.
constexpr qint64 kMaxPathFileBytes = 16 << 20;

QString ErrnoText(int error)
{
    // Lower case, like the rest of what kelbrin-cli prints.
    QString text = QString::fromLocal8Bit(std::strerror(error));
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

// The whole of a small regular file, through its name's own bytes; absent with why in words.
std::optional<QByteArray> ReadPathFile(const QString& path, QString* why)
{
    const int fd = ::open(PathToNative(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *why = ErrnoText(errno);
        return std::nullopt;
    }
    struct stat st;
    std::optional<QByteArray> bytes;
    if (fstat(fd, &st) != 0)
        *why = ErrnoText(errno);
    else if (!S_ISREG(st.st_mode))
        *why = Translated("kelbrin-cli", "not a file");
    else if (st.st_size > kMaxPathFileBytes)
        *why = Translated("kelbrin-cli", "larger than 16 MB, too large for a path");
    else {
        bytes.emplace();
        char block[65536];
        for (;;) {
            const ssize_t n = ::read(fd, block, sizeof block);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                *why = ErrnoText(errno);
                bytes.reset();
                break;
            }
            if (n == 0)
                break;
            bytes->append(block, n);
            if (bytes->size() > kMaxPathFileBytes) {
                *why = Translated("kelbrin-cli", "larger than 16 MB, too large for a path");
                bytes.reset();
                break;
            }
        }
    }
    ::close(fd);
    return bytes;
}

bool SameFile(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return ::stat(PathToNative(a).constData(), &sa) == 0 &&
           ::stat(PathToNative(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// The first brush whose name as people read it is `text`, ignoring case; else the first whose
// name holds it.
std::optional<size_t> BrushNamed(const BrushFile& file, const QString& text)
{
    for (const bool whole : {true, false})
        for (size_t i = 0; i < file.count(); ++i) {
            const QString name = file.brush(i)->displayName();
            if (whole ? name.compare(text, Qt::CaseInsensitive) == 0
                      : name.contains(text, Qt::CaseInsensitive))
                return i;
        }
    return std::nullopt;
}

QString Quoted(const QString& text)
{
    return QStringLiteral("“") + Printable(text) + QStringLiteral("”");
}
} // namespace

int RunStrokeCommand(const QStringList& args, CliStreams io)
{
    CommandParser parser("stroke");
    parser.addValueOption(QStringLiteral("brush"), QStringLiteral("N"),
                          QT_TRANSLATE_NOOP("kelbrin-cli",
                                            "paint brush N, by its number in the listing "
                                            "(default 0)"));
    parser.addValueOption(QStringLiteral("name"), QStringLiteral("TEXT"),
                          QT_TRANSLATE_NOOP("kelbrin-cli",
                                            "paint the first brush named TEXT, or whose name holds "
                                            "it"));
    parser.addValueOption(
        QStringLiteral("size"), QStringLiteral("WxH"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "the image's size in pixels (default 400x160)"));
    parser.addValueOption(QStringLiteral("path"), QStringLiteral("s|line|FILE.json"),
                          QT_TRANSLATE_NOOP("kelbrin-cli",
                                            "the preview's S-curve (default), a straight line, or "
                                            "points from a JSON file"));
    parser.addValueOption(
        QStringLiteral("seed"), QStringLiteral("N"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "the seed of the brush's randomness (default 1)"));
    parser.addValueOption(
        QStringLiteral("out"), QStringLiteral("PNG"),
        QT_TRANSLATE_NOOP("kelbrin-cli", "the PNG file to write (replaced if it exists)"));
    if (const std::optional<int> done = parser.parse(args, io))
        return *done;

    const QStringList operands = parser.operands();
    if (operands.size() != 1)
        return parser.usageError(operands.isEmpty()
                                     ? Translated("kelbrin-cli", "no FILE given")
                                     : Translated("kelbrin-cli", "too many arguments"),
                                 io);
    const QString out = parser.value(QStringLiteral("out"));
    if (out.isEmpty())
        return parser.usageError(Translated("kelbrin-cli", "no --out PNG given"), io);
    if (parser.isSet(QStringLiteral("name")) && parser.value(QStringLiteral("name")).isEmpty())
        return parser.usageError(Translated("kelbrin-cli", "--name takes a brush's name, not \"\""),
                                 io);
    if (parser.isSet(QStringLiteral("brush")) && parser.isSet(QStringLiteral("name")))
        return parser.usageError(Translated("kelbrin-cli",
                                            "--brush and --name both choose the brush; give "
                                            "one"),
                                 io);
    bool ok = true;
    size_t index = 0;
    if (parser.isSet(QStringLiteral("brush"))) {
        const QString value = parser.value(QStringLiteral("brush"));
        index = value.toULongLong(&ok);
        if (!ok || value.startsWith(QLatin1Char('+')))
            return parser.usageError(
                Translated("kelbrin-cli", "--brush takes a brush's number, not \"%1\"").arg(value),
                io);
    }
    QSize size(400, 160);
    if (parser.isSet(QStringLiteral("size"))) {
        const QString value = parser.value(QStringLiteral("size"));
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})[xX](\\d{1,9})$"));
        const QRegularExpressionMatch match = pattern.match(value);
        size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
                                : QSize();
        if (size.width() < 1 || size.height() < 1 || size.width() > kMaxSide ||
            size.height() > kMaxSide)
            return parser.usageError(Translated("kelbrin-cli",
                                                "--size takes WIDTHxHEIGHT, each 1 to %1 "
                                                "pixels, not \"%2\"")
                                         .arg(kMaxSide)
                                         .arg(value),
                                     io);
    }
    std::uint32_t seed = 1;
    if (parser.isSet(QStringLiteral("seed"))) {
        const QString value = parser.value(QStringLiteral("seed"));
        seed = value.toUInt(&ok);
        if (!ok || value.startsWith(QLatin1Char('+')))
            return parser.usageError(
                Translated("kelbrin-cli", "--seed takes a number from 0 to 4294967295, not \"%1\"")
                    .arg(value),
                io);
    }

    const QString& path = operands[0];
    const QString shown = Printable(path);
    if (SameFile(path, out)) {
        io.err << "kelbrin-cli stroke: "
               << Translated("kelbrin-cli", "%1 is the brush file itself; not replaced")
                      .arg(Printable(out))
               << '\n';
        return 1;
    }

    // The path before the brush file: a mistake in it is found without reading a large file.
    const QString pathChoice = parser.value(QStringLiteral("path"));
    StrokePath points;
    if (pathChoice.isEmpty() || pathChoice == QLatin1String("s")) {
        points = SCurvePath(QSizeF(size));
    } else if (pathChoice == QLatin1String("line")) {
        points = LinePath(QSizeF(size));
    } else {
        QString why;
        std::optional<StrokePath> read;
        if (const std::optional<QByteArray> json = ReadPathFile(pathChoice, &why))
            read = StrokePathFromJson(*json, &why);
        if (read && read->empty())
            why = Translated("kelbrin-cli", "no points");
        if (!read || read->empty()) {
            io.err << "kelbrin-cli stroke: "
                   << Translated("kelbrin-cli", "cannot use the path %1: %2")
                          .arg(Printable(pathChoice), Printable(why))
                   << '\n';
            return 1;
        }
        points = std::move(*read);
    }

    int status = 0;
    const FileResult result = ReadBrushFiles({path}).front();
    const size_t count = result.file->count();
    if (result.error) {
        io.err << shown << ": " << StoppedByError(*result.error) << '\n';
        if (count == 0)
            return 1;
        // A damaged file still paints what could be read before the damage.
        status = 1;
    } else if (count == 0) {
        io.err << shown << ": "
               << (result.unsupportedVersion
                       ? Translated("kelbrin-cli", "%1; nothing painted")
                             .arg(UnsupportedVersionText(*result.unsupportedVersion))
                       : Translated("kelbrin-cli", "no brushes; nothing painted"))
               << '\n';
        return 1;
    }
    if (parser.isSet(QStringLiteral("name"))) {
        const QString text = parser.value(QStringLiteral("name"));
        const std::optional<size_t> found = BrushNamed(*result.file, text);
        if (!found) {
            io.err << shown << ": "
                   << Translated("kelbrin-cli", "no brush named %1 among its %2")
                          .arg(Quoted(text),
                               Translated("kelbrin-cli", "%n brush(es)", nullptr, int(count)))
                   << '\n';
            return 1;
        }
        index = *found;
    } else if (index >= count) {
        io.err << shown << ": "
               << (result.error ? Translated("kelbrin-cli",
                                             "no brush %1; the brushes read before the damage "
                                             "are 0 to %2")
                                : Translated("kelbrin-cli", "no brush %1; its brushes are 0 to %2"))
                      .arg(index)
                      .arg(count - 1)
               << '\n';
        return 1;
    }

    const Brush& brush = *result.file->brush(index);
    if (brush.pixelSize().isEmpty()) {
        io.err << shown << ": "
               << Translated("kelbrin-cli", "brush %1 has a tip of no pixels; it paints nothing")
                      .arg(index)
               << '\n';
        return 1;
    }
    const StrokeResult stroke =
        PaintPresetStroke(brush, result.file->patterns(), points, size, seed);
    const QString which =
        shown + QStringLiteral(": ") + Translated("kelbrin-cli", "brush %1").arg(index);
    if (stroke.simplified)
        io.err << which << ": "
               << Translated("kelbrin-cli",
                             "the stroke was simplified: its preset asks for more dabs, or a "
                             "larger tip, than one stroke may paint")
               << '\n';
    if (stroke.textureStandIn)
        io.err << which << ": "
               << Translated("kelbrin-cli",
                             "the texture's pattern %1 is not in the file; plain noise "
                             "stands in for it")
                      .arg(
                          Quoted(brush.texture() ? ReadableName(brush.texture()->name) : QString()))
               << '\n';

    // Black ink on white is grey whatever the preset: one channel says it all.
    const QImage image = stroke.image.allGray()
                             ? stroke.image.convertToFormat(QImage::Format_Grayscale8)
                             : stroke.image.convertToFormat(QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QString why;
    if (!writer.write(image))
        why = writer.errorString();
    else
        ReplaceFile(out, png, &why);
    if (!why.isEmpty()) {
        io.err
            << "kelbrin-cli stroke: "
            << Translated("kelbrin-cli", "cannot write %1: %2").arg(Printable(out), Printable(why))
            << '\n';
        return 1;
    }
    io.out << Translated("kelbrin-cli", "Wrote %1").arg(Printable(out)) << ": "
           << Translated("kelbrin-cli", "brush %1").arg(index);
    if (!brush.displayName().isEmpty())
        io.out << ' ' << Quoted(brush.displayName());
    io.out << '\n';
    return status;
}
