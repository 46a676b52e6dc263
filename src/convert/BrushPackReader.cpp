#include "convert/BrushPackReader.h"

#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/GimpPatternFile.h"
#include "convert/KritaBundle.h"
#include "convert/PackWriter.h"
#include "platform/NativePath.h"
#include "stream/ReadErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <boost/thread/thread.hpp>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {
// What the application was given besides the pixels: the tip's size and its spacing, as a
// percent of its diameter.
BrushPtr WithSpacing(std::shared_ptr<Brush> brush, TipShape tip, double spacing)
{
    tip.kind = brush->kind();
    tip.spacing = spacing;
    BrushPreset preset;
    preset.tip = std::move(tip);
    brush->setPreset(std::make_shared<const BrushPreset>(std::move(preset)));
    return brush;
}

BrushPtr SampledFrom(const GimpBrushFile::Contents& contents)
{
    const QImage& tip = contents.tip;
    PixelBlock pixels(size_t(tip.width()) * size_t(tip.height()));
    for (int y = 0; y < tip.height(); ++y)
        std::memcpy(pixels.data() + size_t(y) * size_t(tip.width()), tip.constScanLine(y),
                    size_t(tip.width()));
    TipShape shape;
    shape.diameter = std::max(tip.width(), tip.height());
    return WithSpacing(std::make_shared<SampledBrush>(contents.name, tip.width(), tip.height(), 8,
                                                      std::move(pixels)),
                       shape, contents.spacing);
}

// One entry's brush; none when its bytes are no brush GIMP would load.
BrushPtr BrushFromEntry(const QString& fileName, const QByteArray& bytes)
{
    if (fileName.endsWith(QLatin1String(".vbr"), Qt::CaseInsensitive)) {
        const auto parameters = GimpParametricBrushFile::read(bytes);
        if (!parameters)
            return nullptr;
        const ComputedBrush::Parameters tip = GimpParametricBrushFile::toComputed(*parameters);
        TipShape shape;
        shape.diameter = tip.diameter;
        shape.angle = tip.angleInDegrees;
        shape.roundness = tip.roundnessInPercent;
        shape.hardness = tip.hardnessInPercent;
        // GIMP's spacing is a percent of its long axis, twice the radius.
        const double spacing = tip.diameter > 0
                                   ? parameters->spacing * 2 * parameters->radius / tip.diameter
                                   : parameters->spacing;
        return WithSpacing(ComputedBrush::brushWithName(parameters->name, tip.diameter,
                                                        tip.roundnessInPercent, tip.angleInDegrees,
                                                        tip.hardnessInPercent),
                           shape, spacing);
    }
    const auto contents = GimpBrushFile::read(bytes);
    return contents ? SampledFrom(*contents) : nullptr;
}

// One .pat's pattern; none when its bytes are no pattern GIMP would load. A .pat keeps no mode,
// only whether it is grey.
PatternPtr PatternFromEntry(const QByteArray& bytes)
{
    auto contents = GimpPatternFile::read(bytes);
    if (!contents)
        return nullptr;
    const bool grey =
        contents->greyWithAlpha || contents->image.format() == QImage::Format_Grayscale8;
    return std::make_shared<const Pattern>(contents->name, QString(),
                                           grey ? Pattern::Mode::Grey : Pattern::Mode::Rgb, 8,
                                           std::move(contents->image));
}

bool IsBrushEntry(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".gbr"), Qt::CaseInsensitive) ||
           fileName.endsWith(QLatin1String(".vbr"), Qt::CaseInsensitive);
}
} // namespace

bool BrushPackReader::isPackPath(const QString& path)
{
    if (path.endsWith(QLatin1String(".bundle"), Qt::CaseInsensitive))
        return true;
    struct stat info;
    return ::stat(PathToNative(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

BrushPackReader::BrushPackReader(QString path) : mPath(std::move(path))
{
    struct stat info;
    if (::stat(PathToNative(mPath).constData(), &info) != 0)
        throw -errno;
    mBundle = !S_ISDIR(info.st_mode);
    if (mBundle && !S_ISREG(info.st_mode))
        throw kNotRegularFileError;
}

void BrushPackReader::Read(CBrushSink& sink)
{
    bool damaged = false;
    const auto add = [&](const QString& fileName, const QByteArray& bytes) {
        boost::this_thread::interruption_point();
        if (const BrushPtr brush = BrushFromEntry(fileName, bytes))
            sink.AddBrush(brush);
        else
            damaged = true;
    };
    const auto addPattern = [&](const QByteArray& bytes) {
        boost::this_thread::interruption_point();
        if (const PatternPtr pattern = PatternFromEntry(bytes))
            sink.AddPattern(pattern);
        else
            damaged = true;
    };
    // Patterns arrive after every brush, as they do from a brush file.
    if (mBundle) {
        const auto contents = KritaBundle::read(mPath);
        damaged = !contents;
        if (contents) {
            // Kelbrin writes .gbr and .pat only; a bundle of Krita's own also holds
            // pictures, animated and vector tips, which are passed over rather than taken for
            // damage.
            for (const KritaBundle::Resource& resource : contents->resources)
                if (resource.mediaType == PackEntry::kBrushes && IsBrushEntry(resource.fileName))
                    add(resource.fileName, resource.bytes);
            for (const KritaBundle::Resource& resource : contents->resources)
                if (resource.mediaType == PackEntry::kPatterns &&
                    resource.fileName.endsWith(QLatin1String(".pat"), Qt::CaseInsensitive))
                    addPattern(resource.bytes);
        }
    } else {
        // Named "NNN Name.ext", so the name order is the order of the brush file. The
        // patterns are in a folder of their own beside the brushes' folder.
        const QString patterns = ExistingPackPatternsFolder(mPath);
        for (const bool brushes : {true, false}) {
            if (!brushes && patterns.isEmpty())
                break;
            const QDir folder(brushes ? mPath : patterns);
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
                const bool wanted = brushes
                                        ? IsBrushEntry(name)
                                        : name.endsWith(QLatin1String(".pat"), Qt::CaseInsensitive);
                if (!wanted)
                    continue;
                QFile file(folder.filePath(name));
                if (!file.open(QIODevice::ReadOnly))
                    damaged = true;
                else if (brushes)
                    add(name, file.readAll());
                else
                    addPattern(file.readAll());
            }
        }
    }
    ReadOutcome outcome;
    if (damaged)
        outcome.error = kDamagedFileError;
    sink.FinishedReadingFile(outcome);
    if (damaged)
        throw kDamagedFileError;
}
