#include "actions/BrushExporter.h"
#include "brush/ComputedBrush.h"
#include "platform/NativePath.h"

#include "platform/Logging.h"
#include "platform/ValidName.h"
#include "platform/WriteNewFile.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace {
// 1/255.5 as a float (0x3B804020): float samples at or below it count as no paint.
constexpr float kNoPaintThreshold = 0.0039138943f;

bool NameExists(const QString& path)
{
    struct stat st;
    return lstat(PathToNative(path).constData(), &st) == 0;
}

QString PixelsText(double side)
{
    return QLocale(QLocale::English).toString(qlonglong(std::ceil(side)));
}

// Ink dark on white is what the drawing already is; the transparent image is made from it row by
// row, so only the drawing and the image written are held at once.
QImage TransparentFromGrey(const QImage& grey)
{
    QImage image(grey.size(), QImage::Format_RGBA8888);
    if (image.isNull())
        return image;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        uchar* out = image.scanLine(y);
        for (int x = 0; x < grey.width(); ++x, out += 4) {
            const uchar ink = uchar(255 - in[x]);
            out[0] = out[1] = out[2] = ink == 0 ? 255 : 0;
            out[3] = ink;
        }
    }
    return image;
}

quint16 FloatTo16(float v)
{
    if (!(v > 0.0f))
        return 0;
    return static_cast<quint16>(std::lround(std::min(v, 1.0f) * 65535.0f));
}
} // namespace

BrushExporter::BrushExporter(BrushFilePtr brushFile) : mBrushFile(std::move(brushFile))
{
    mTypeStringToType.insert(QStringLiteral("PNG"), QByteArrayLiteral("png"));
    mTypeStringToType.insert(QStringLiteral("TIFF"), QByteArrayLiteral("tiff"));
    mTypeStringToSuffix.insert(QStringLiteral("PNG"), QStringLiteral("png"));
    mTypeStringToSuffix.insert(QStringLiteral("TIFF"), QStringLiteral("tif"));
}

std::unique_ptr<BrushExporter> BrushExporter::brushExporterForBrushFile(BrushFilePtr brushFile)
{
    return std::make_unique<BrushExporter>(std::move(brushFile));
}

BrushExporter::Report BrushExporter::doExportToDirectory(const QString& folder, const QString& type,
                                                         bool transparent)
{
    return doExportToDirectory(folder, type, transparent, Options());
}

std::vector<size_t> BrushExporter::chosenIndexes(const Options& options) const
{
    // The brushes present now; a read still under way may add more, which this export leaves.
    const size_t count = mBrushFile->count();
    std::vector<size_t> chosen;
    if (!options.indexes) {
        for (size_t i = 0; i < count; ++i)
            chosen.push_back(i);
    } else {
        for (size_t i : *options.indexes)
            if (i < count)
                chosen.push_back(i);
    }
    return chosen;
}

QString BrushExporter::safeFileName(const QString& name)
{
    QString safe;
    safe.reserve(name.size());
    for (QChar c : name) {
        const bool reserved =
            c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += reserved ? QLatin1Char('_') : c;
    }
    safe = safe.trimmed();
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    // Room for a collision number and the suffix inside the usual 255-byte limit; a byte of a
    // name that was not UTF-8 (a lone surrogate) would make it no name an application shows.
    return ValidName(safe, 200);
}

QStringList BrushExporter::fileNamesForBrushes(const Options& options, const QString& suffix) const
{
    const size_t count = mBrushFile->count();
    const int width =
        options.zeroPad && count > 1 ? int(QString::number(qulonglong(count - 1)).size()) : 0;
    auto number = [&](size_t i) {
        return QStringLiteral("%1").arg(qulonglong(i), width, 10, QLatin1Char('0'));
    };
    QStringList names;
    QSet<QString> taken; // case-insensitively, for folders on FAT and exFAT drives
    for (size_t i : chosenIndexes(options)) {
        QString stem;
        if (options.naming == eNameByBrushName)
            stem = safeFileName(mBrushFile->brush(i)->displayName());
        if (stem.isEmpty())
            stem = number(i);
        QString name = stem;
        for (int k = 1; taken.contains(name.toCaseFolded()); ++k)
            name = QStringLiteral("%1-%2").arg(stem).arg(k);
        taken.insert(name.toCaseFolded());
        names << name + QLatin1Char('.') + suffix;
    }
    return names;
}

BrushExporter::Report BrushExporter::doExportToDirectory(const QString& folder, const QString& type,
                                                         bool transparent, const Options& options)
{
    Report report;
    if (!mTypeStringToType.contains(type)) {
        qCWarning(lcActions).noquote() << QStringLiteral("Can't export to %1").arg(type);
        report.typeKnown = false;
        return report;
    }
    const QByteArray format = mTypeStringToType.value(type);
    const std::vector<size_t> chosen = chosenIndexes(options);
    const QStringList names = fileNamesForBrushes(options, mTypeStringToSuffix.value(type));
    for (size_t k = 0; k < chosen.size(); ++k) {
        const QString path = QDir(folder).filePath(names.at(int(k)));
        QString error;
        QImage image = imageForBrush(mBrushFile->brush(chosen[k]), transparent, &error);
        if (image.isNull()) {
            report.failures << QStringLiteral("%1: %2").arg(path, error);
            continue;
        }
        if (error.size()) {
            report.scaled << QStringLiteral("%1: %2").arg(path, error);
            error.clear();
        }

        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        const bool encoded = writer.write(image);
        // Let go of the pixels before the file is written: only the encoded bytes are needed.
        image = QImage();
        if (!encoded)
            error = writer.errorString();
        else if (WriteNewFile(path, data, &error))
            ++report.written;
        if (!error.isEmpty())
            report.failures << QStringLiteral("%1: %2").arg(path, error);
    }

    std::vector<size_t> patterns;
    if (options.patternIndexes)
        patterns = *options.patternIndexes;
    else if (!options.indexes)
        for (size_t i = 0; i < mBrushFile->patterns().size(); ++i)
            patterns.push_back(i);
    if (!patterns.empty())
        exportPatterns(folder, patterns, report);
    return report;
}

QString BrushExporter::patternFileName(size_t index, const Pattern& pattern)
{
    const QString number = QStringLiteral("%1").arg(index, 3, 10, QLatin1Char('0'));
    const QString name = safeFileName(pattern.displayName());
    return (name.isEmpty() ? number : number + QLatin1Char(' ') + name) + QStringLiteral(".png");
}

void BrushExporter::exportPatterns(const QString& folder, const std::vector<size_t>& indexes,
                                   Report& report) const
{
    const QString patternFolder = QDir(folder).filePath(QStringLiteral("patterns"));
    if (mkdir(PathToNative(patternFolder).constData(), 0777) != 0 && errno != EEXIST) {
        report.failures << QStringLiteral("%1: %2").arg(
            patternFolder, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    for (const size_t index : indexes) {
        if (index >= mBrushFile->patterns().size())
            continue;
        const Pattern& pattern = *mBrushFile->patterns()[index];
        const QString path = QDir(patternFolder).filePath(patternFileName(index, pattern));
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        QString error;
        if (!writer.write(pattern.image()))
            error = writer.errorString();
        else if (WriteNewFile(path, data, &error))
            ++report.patternsWritten;
        if (!error.isEmpty())
            report.failures << QStringLiteral("%1: %2").arg(path, error);
    }
}

QImage BrushExporter::imageForBrush(const BrushPtr& brush, bool transparent, QString* note)
{
    const auto* computed = dynamic_cast<const ComputedBrush*>(brush.get());
    if (!computed) {
        const std::optional<BrushBitmap> bitmap = getBitmapImageRep(brush);
        QImage image;
        if (bitmap)
            image = transparent ? transparentImageRepForImageRep(*bitmap)
                                : greyImageRepForImageRep(*bitmap);
        if (image.isNull())
            *note = bitmap ? QStringLiteral("not enough memory for the image")
                           : QStringLiteral("the brush has no image");
        return image;
    }
    const QSize size = computed->pixelSize();
    if (size.isEmpty()) {
        const ComputedBrush::Parameters& p = computed->parameters();
        *note = QStringLiteral("a computed tip of 0 x 0 pixels (diameter %1, roundness %2%)")
                    .arg(p.diameter)
                    .arg(p.roundnessInPercent);
        return QImage();
    }
    const double scale = computed->scaleWithin(kMaxDrawingPixels);
    QImage grey = computed->drawImage(scale);
    if (grey.isNull()) {
        *note = QStringLiteral("the computed tip of %1 x %2 pixels could not be drawn")
                    .arg(size.width())
                    .arg(size.height());
        return grey;
    }
    if (computed->scaledFrom() || scale < 1.0)
        *note = QStringLiteral("scaled from %1 to %2 pixels")
                    .arg(PixelsText(computed->askedSide()),
                         PixelsText(std::max(grey.width(), grey.height())));
    if (!transparent)
        return grey;
    QImage image = TransparentFromGrey(grey);
    if (image.isNull())
        *note = QStringLiteral("not enough memory for the image");
    return image;
}

QImage BrushExporter::transparentImageRepForImageRep(const BrushBitmap& bitmap)
{
    const int w = bitmap.width;
    const int h = bitmap.height;
    if (bitmap.depth == 8) {
        QImage image(w, h, QImage::Format_RGBA8888);
        if (image.isNull())
            return image;
        for (int y = 0; y < h; ++y) {
            uchar* out = image.scanLine(y);
            for (int x = 0; x < w; ++x, out += 4) {
                const unsigned char ink = bitmap.sample<unsigned char>(x, y);
                const uchar colour = ink == 0 ? 255 : 0;
                out[0] = out[1] = out[2] = colour;
                out[3] = ink;
            }
        }
        return image;
    }
    if (bitmap.depth != 16 && bitmap.depth != 32)
        return {};
    QImage image(w, h, QImage::Format_RGBA64);
    if (image.isNull())
        return image;
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgba64*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            quint16 colour;
            quint16 alpha;
            if (bitmap.depth == 16) {
                alpha = bitmap.sample<unsigned short>(x, y);
                colour = alpha == 0 ? 65535 : 0;
            } else {
                const float v = bitmap.sample<float>(x, y);
                colour = v <= kNoPaintThreshold ? 65535 : 0;
                alpha = FloatTo16(v);
            }
            out[x] = QRgba64::fromRgba64(colour, colour, colour, alpha);
        }
    }
    return image;
}

QImage BrushExporter::greyImageRepForImageRep(const BrushBitmap& bitmap)
{
    const int w = bitmap.width;
    const int h = bitmap.height;
    if (bitmap.depth == 8) {
        QImage image(w, h, QImage::Format_Grayscale8);
        if (image.isNull())
            return image;
        for (int y = 0; y < h; ++y) {
            uchar* out = image.scanLine(y);
            for (int x = 0; x < w; ++x)
                out[x] = static_cast<uchar>(255 - bitmap.sample<unsigned char>(x, y));
        }
        return image;
    }
    if (bitmap.depth != 16 && bitmap.depth != 32)
        return {};
    QImage image(w, h, QImage::Format_Grayscale16);
    if (image.isNull())
        return image;
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<quint16*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint16 ink = bitmap.depth == 16 ? bitmap.sample<unsigned short>(x, y)
                                                   : FloatTo16(bitmap.sample<float>(x, y));
            out[x] = static_cast<quint16>(65535 - ink);
        }
    }
    return image;
}

QString BrushExporter::uniqueNameInDirectory(const QString& directory, const QString& name)
{
    const QDir dir(directory);
    if (!NameExists(dir.filePath(name)))
        return name;
    for (int k = 1;; ++k) {
        const QString candidate = QStringLiteral("%1-%2").arg(name).arg(k);
        if (!NameExists(dir.filePath(candidate)))
            return candidate;
    }
}

QString BrushExporter::createExportFolder(const QString& directory, const QString& name,
                                          QString* error)
{
    // Another program may take the free name between the look and the mkdir; then look again.
    for (;;) {
        const QString path = QDir(directory).filePath(uniqueNameInDirectory(directory, name));
        if (mkdir(PathToNative(path).constData(), 0777) == 0)
            return path;
        if (errno != EEXIST) {
            *error =
                QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            // Reported by the caller, once.
            return {};
        }
    }
}
