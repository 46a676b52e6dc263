#include "actions/BrushExporter.h"
#include "brush/ComputedBrush.h"
#include "platform/NativePath.h"

#include "brush/SafeFileName.h"
#include "engine/PresetStroke.h"
#include "platform/Logging.h"
#include "platform/Paths.h"
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

QString PixelsText(double side)
{
    return QLocale(QLocale::English).toString(qlonglong(std::ceil(side)));
}

// An 8-bit pixel of a transparent image: black ink at its paint's opacity, clear white where
// there is none.
void PutInk(uchar* out, uchar ink)
{
    out[0] = out[1] = out[2] = ink == 0 ? 255 : 0;
    out[3] = ink;
}

// Ink dark on white is what the drawing already is; the transparent image is made from it row by
// row, so only the drawing and the image written are held at once.
QImage TransparentFromGrey(const QImage& grey)
{
    QImage image(grey.size(), QImage::Format_RGBA8888);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        uchar* out = image.scanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            PutInk(out + 4 * x, uchar(255 - in[x]));
    }
    return image;
}

quint16 FloatTo16(float v)
{
    if (!(v > 0.0f))
        return 0;
    return static_cast<quint16>(std::lround(std::min(v, 1.0f) * 65535.0f));
}

// A sample's paint: 0 to 255 for 8-bit samples, 0 to 65535 for 16- and 32-bit ones; none says
// it paints nothing at all (float samples round to no paint at or below 1/255.5).
struct Ink
{
    quint16 value;
    bool none;
};

// A new image of format8 (8-bit samples) or format16 (16- and 32-bit ones), each pixel set by
// put(row, x, ink); a null image for another depth or when memory runs out.
template <typename Put>
QImage DrawSamples(const BrushBitmap& bitmap, QImage::Format format8, QImage::Format format16,
                   Put put)
{
    if (bitmap.depth != 8 && bitmap.depth != 16 && bitmap.depth != 32)
        return {};
    QImage image(bitmap.width, bitmap.height, bitmap.depth == 8 ? format8 : format16);
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (bitmap.depth == 8) {
                const uchar v = bitmap.sample<unsigned char>(x, y);
                put(row, x, Ink{v, v == 0});
            } else if (bitmap.depth == 16) {
                const quint16 v = bitmap.sample<unsigned short>(x, y);
                put(row, x, Ink{v, v == 0});
            } else {
                const float v = bitmap.sample<float>(x, y);
                put(row, x, Ink{FloatTo16(v), v <= kNoPaintThreshold});
            }
        }
    }
    return image;
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
            stem = SafeFileName(mBrushFile->brush(i)->displayName());
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
        if (k > 0 && options.progress && !options.progress(k, chosen.size())) {
            report.stopped = true;
            return report;
        }
        const QString path = QDir(folder).filePath(names.at(int(k)));
        QString error;
        QStringList notes;
        QImage image =
            options.images == eStrokes
                ? strokeForBrush(mBrushFile->brush(chosen[k]), transparent, &error, &notes)
                : imageForBrush(mBrushFile->brush(chosen[k]), transparent, &error);
        if (image.isNull()) {
            report.failures << QStringLiteral("%1: %2").arg(path, error);
            continue;
        }
        if (error.size()) {
            report.scaled << QStringLiteral("%1: %2").arg(path, error);
            error.clear();
        }
        const TipKind kind = mBrushFile->brush(chosen[k])->kind();
        // A stroke is painted from the tip's image, preview or not; only a tip's own image is
        // told as one.
        const bool preview =
            options.images == eTips && (kind == TipKind::Bristle || kind == TipKind::Erodible);

        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        const bool encoded = writer.write(image);
        // Let go of the pixels before the file is written: only the encoded bytes are needed.
        image = QImage();
        if (!encoded)
            error = writer.errorString();
        else if (WriteNewFile(path, data, &error)) {
            ++report.written;
            for (const QString& note : notes)
                report.strokeNotes << QStringLiteral("%1: %2").arg(path, note);
            if (preview)
                report.previews << QStringLiteral("%1: a preview of %2 %3 tip, drawn from its "
                                                  "settings")
                                       .arg(path,
                                            kind == TipKind::Erodible ? QStringLiteral("an")
                                                                      : QStringLiteral("a"),
                                            QLatin1String(TipKindKey(kind)));
        }
        if (!error.isEmpty())
            report.failures << QStringLiteral("%1: %2").arg(path, error);
    }
    if (options.progress)
        options.progress(chosen.size(), chosen.size());

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
    const QString name = SafeFileName(pattern.displayName());
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

QImage BrushExporter::strokeForBrush(const BrushPtr& brush, bool transparent, QString* error,
                                     QStringList* notes) const
{
    if (brush->pixelSize().isEmpty()) {
        *error = QStringLiteral("a tip of no pixels paints no stroke");
        return {};
    }
    const StrokeResult stroke = PaintPresetStroke(
        *brush, mBrushFile->patterns(), SCurvePath(QSizeF(kStrokeSize)), kStrokeSize, 1,
        transparent ? QColor(Qt::transparent) : QColor(Qt::white));
    if (stroke.simplified)
        *notes << QStringLiteral("the stroke was simplified: its preset asks for more dabs, or a "
                                 "larger tip, than one stroke may paint");
    if (stroke.textureStandIn)
        *notes << QStringLiteral("plain noise stands in for the texture's pattern “%1”, which "
                                 "the file does not hold")
                      .arg(brush->texture() ? ReadableName(brush->texture()->name) : QString());
    if (transparent)
        return stroke.image.convertToFormat(QImage::Format_RGBA8888);
    // Black ink on white is grey whatever the preset: one channel says it all.
    return stroke.image.convertToFormat(stroke.image.allGray() ? QImage::Format_Grayscale8
                                                               : QImage::Format_RGB32);
}

QImage BrushExporter::imageForBrush(const BrushPtr& brush, bool transparent, QString* note)
{
    const auto* computed = dynamic_cast<const ComputedBrush*>(brush.get());
    if (!computed) {
        const std::optional<BrushBitmap> bitmap = inkBitmap(brush);
        QImage image;
        if (bitmap)
            image = transparent ? transparentInk(*bitmap) : greyInk(*bitmap);
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

QImage BrushExporter::transparentInk(const BrushBitmap& bitmap)
{
    return DrawSamples(bitmap, QImage::Format_RGBA8888, QImage::Format_RGBA64,
                       [&](uchar* row, int x, Ink ink) {
                           const quint16 colour = ink.none ? 65535 : 0;
                           if (bitmap.depth == 8)
                               PutInk(row + 4 * x, uchar(ink.value));
                           else
                               reinterpret_cast<QRgba64*>(row)[x] =
                                   QRgba64::fromRgba64(colour, colour, colour, ink.value);
                       });
}

QImage BrushExporter::greyInk(const BrushBitmap& bitmap)
{
    return DrawSamples(bitmap, QImage::Format_Grayscale8, QImage::Format_Grayscale16,
                       [&](uchar* row, int x, Ink ink) {
                           if (bitmap.depth == 8)
                               row[x] = uchar(255 - ink.value);
                           else
                               reinterpret_cast<quint16*>(row)[x] = quint16(65535 - ink.value);
                       });
}

QString BrushExporter::uniqueNameInDirectory(const QString& directory, const QString& name)
{
    const QDir dir(directory);
    if (!ExistsWithoutFollowing(dir.filePath(name)))
        return name;
    for (int k = 1;; ++k) {
        const QString candidate = QStringLiteral("%1-%2").arg(name).arg(k);
        if (!ExistsWithoutFollowing(dir.filePath(candidate)))
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
