#include "convert/BrushPackReader.h"

#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/GimpPatternFile.h"
#include "convert/KritaBundle.h"
#include "convert/KritaPaintPreset.h"
#include "convert/PackWriter.h"
#include "platform/NativePath.h"
#include "stream/ReadErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <boost/thread/thread.hpp>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <sys/stat.h>

namespace {
// Krita's sensors by the controls Photoshop would name them with.
DynamicControl ControlFor(const QString& sensor)
{
    static const std::map<QString, DynamicControl> controls = {
        {QStringLiteral("pressure"), DynamicControl::PenPressure},
        {QStringLiteral("declination"), DynamicControl::PenTilt},
        {QStringLiteral("ascension"), DynamicControl::PenTilt},
        {QStringLiteral("xtilt"), DynamicControl::PenTilt},
        {QStringLiteral("ytilt"), DynamicControl::PenTilt},
        {QStringLiteral("tangentialpressure"), DynamicControl::StylusWheel},
        {QStringLiteral("rotation"), DynamicControl::Rotation},
        {QStringLiteral("fade"), DynamicControl::Fade},
        {QStringLiteral("drawingangle"), DynamicControl::Direction},
    };
    const auto it = controls.find(sensor);
    return it == controls.end() ? DynamicControl::Off : it->second;
}

// What a curve option of a Krita preset varies with: its first sensor Photoshop has a control
// for, and Krita's random sensors as some jitter.
Dynamic DynamicFrom(const KritaPresetFile& preset, const QString& option)
{
    Dynamic dynamic;
    for (const QString& sensor : preset.sensors(option)) {
        if (sensor.startsWith(QLatin1String("fuzzy")))
            dynamic.jitter = 100;
        else if (dynamic.control == DynamicControl::Off)
            dynamic.control = ControlFor(sensor);
    }
    dynamic.storedControl = int(dynamic.control);
    return dynamic;
}

// What the application was given besides the pixels: the tip's size and its spacing, as a
// percent of its diameter, and from a Krita preset its name, angle, dynamics and the rest of
// what it paints with.
BrushPtr WithSpacing(std::shared_ptr<Brush> brush, TipShape tip, double spacing,
                     const KritaPresetFile* kpp = nullptr)
{
    tip.kind = brush->kind();
    tip.spacing = spacing;
    BrushPreset preset;
    if (kpp) {
        const auto attribute = [kpp](const char* key, double otherwise) {
            const auto it = kpp->tip.find(QString::fromLatin1(key));
            bool ok = false;
            const double value = it == kpp->tip.end() ? 0 : it->second.toDouble(&ok);
            return ok ? value : otherwise;
        };
        tip.spacing = attribute("spacing", spacing / 100) * 100;
        tip.angle = attribute("angle", 0) * 180 / M_PI;
        if (kpp->tip.count(QStringLiteral("diameter"))) {
            tip.diameter = attribute("diameter", tip.diameter);
            tip.roundness = attribute("ratio", 1) * 100;
            tip.hardness = attribute("hfade", 1) * 100;
        } else {
            tip.diameter *= attribute("scale", 1);
        }
        ShapeDynamics shape;
        shape.size = DynamicFrom(*kpp, QStringLiteral("Size"));
        shape.angle = DynamicFrom(*kpp, QStringLiteral("Rotation"));
        shape.roundness = DynamicFrom(*kpp, QStringLiteral("Ratio"));
        if (shape.size.varies() || shape.angle.varies() || shape.roundness.varies())
            preset.settings.shapeDynamics = shape;
        Transfer transfer;
        transfer.opacity = DynamicFrom(*kpp, QStringLiteral("Opacity"));
        transfer.flow = DynamicFrom(*kpp, QStringLiteral("Flow"));
        if (transfer.opacity.varies() || transfer.flow.varies())
            preset.settings.transfer = transfer;
        if (kpp->param(QStringLiteral("PressureScatter")) == QLatin1String("true")) {
            Scattering scattering;
            scattering.scatter.jitter = kpp->number(QStringLiteral("ScatterValue")) * 100;
            scattering.bothAxes =
                kpp->param(QStringLiteral("Scattering/AxisX")) == QLatin1String("true");
            preset.settings.scattering = scattering;
        }
        preset.settings.buildUp =
            kpp->param(QStringLiteral("PaintOpSettings/isAirbrushing")) == QLatin1String("true");
        ToolOptions tool;
        tool.opacity = kpp->number(QStringLiteral("OpacityValue"), 1) * 100;
        tool.flow = kpp->number(QStringLiteral("FlowValue"), 1) * 100;
        preset.toolOptions = tool;
    }
    preset.tip = std::move(tip);
    brush->setPreset(std::make_shared<const BrushPreset>(std::move(preset)));
    return brush;
}

BrushPtr SampledFrom(const GimpBrushFile::Contents& contents, const KritaPresetFile* kpp)
{
    const QImage& tip = contents.tip;
    PixelBlock pixels(size_t(tip.width()) * size_t(tip.height()));
    for (int y = 0; y < tip.height(); ++y)
        std::memcpy(pixels.data() + size_t(y) * size_t(tip.width()), tip.constScanLine(y),
                    size_t(tip.width()));
    TipShape shape;
    shape.name = contents.name;
    shape.diameter = std::max(tip.width(), tip.height());
    return WithSpacing(std::make_shared<SampledBrush>(kpp ? kpp->name : contents.name, tip.width(),
                                                      tip.height(), 8, std::move(pixels)),
                       shape, contents.spacing, kpp);
}

// One entry's brush; none when its bytes are no brush GIMP would load. kpp: the Krita preset
// that paints with it.
BrushPtr BrushFromEntry(const QString& fileName, const QByteArray& bytes,
                        const KritaPresetFile* kpp = nullptr)
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
    return contents ? SampledFrom(*contents, kpp) : nullptr;
}

// "007 Chalk" of "007 Chalk.gbr": a preset and its tip share it.
QString Stem(const QString& fileName)
{
    return fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
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
            // A preset shares its tip's name; the tips only its masking brush paints with
            // are no brushes of the file's.
            std::map<QString, KritaPresetFile> presets;
            QSet<QString> maskingTips;
            for (const KritaBundle::Resource& resource : contents->resources) {
                if (resource.mediaType != PackEntry::kPaintPresets)
                    continue;
                // A preset that cannot be read (or another program's) leaves its tip bare.
                std::optional<KritaPresetFile> preset = ReadKritaPreset(resource.bytes);
                if (!preset)
                    continue;
                if (const QString masking =
                        preset->param(QStringLiteral("MaskingBrush/Preset/requiredBrushFile"));
                    !masking.isEmpty())
                    maskingTips.insert(masking);
                presets.emplace(Stem(resource.fileName), std::move(*preset));
            }
            // Kelbrin writes .gbr and .pat only; a bundle of Krita's own also holds
            // pictures, animated and vector tips, which are passed over rather than taken for
            // damage.
            for (const KritaBundle::Resource& resource : contents->resources) {
                if (resource.mediaType != PackEntry::kBrushes || !IsBrushEntry(resource.fileName))
                    continue;
                const auto preset = presets.find(Stem(resource.fileName));
                if (preset == presets.end() && maskingTips.contains(resource.fileName))
                    continue;
                boost::this_thread::interruption_point();
                if (const BrushPtr brush =
                        BrushFromEntry(resource.fileName, resource.bytes,
                                       preset == presets.end() ? nullptr : &preset->second))
                    sink.AddBrush(brush);
                else
                    damaged = true;
            }
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
