#include "convert/BrushPackReader.h"

#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/GimpPatternFile.h"
#include "convert/GimpPresetFiles.h"
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
using GimpPreset = GimpPresetFiles::ToolPreset;
using GimpDynamics = GimpPresetFiles::Dynamics;

// GIMP's tool preset and dynamics for a tip, when the pack has them.
struct GimpPresetFor
{
    std::optional<GimpPreset> preset;
    std::optional<GimpDynamics> dynamics;
};

// A GIMP dynamics output back as Photoshop's control and jitter: the inverse of what
// GimpPresetFiles::plan maps, as far as one input a control goes.
Dynamic DynamicFrom(const std::map<GimpPresetFiles::Input, GimpPresetFiles::Curve>& inputs,
                    bool angular)
{
    using Input = GimpPresetFiles::Input;
    Dynamic dynamic;
    const std::pair<Input, DynamicControl> controls[] = {
        {Input::Pressure, DynamicControl::PenPressure},
        {Input::Tilt, DynamicControl::PenTilt},
        {Input::Wheel, DynamicControl::StylusWheel},
        {Input::Direction, DynamicControl::Direction},
        {Input::Fade, DynamicControl::Fade}};
    for (const auto& [input, control] : controls)
        if (const auto found = inputs.find(input); found != inputs.end()) {
            dynamic.control = control;
            dynamic.storedControl = int(control);
            if (!angular)
                dynamic.minimum = found->second.low * 100;
            break;
        }
    if (const auto random = inputs.find(Input::Random); random != inputs.end())
        dynamic.jitter = (angular ? random->second.high : 1 - random->second.low) * 100;
    return dynamic;
}

// The settings a GIMP tool preset and its dynamics hold, in the preset model's terms.
void ApplyGimpPreset(BrushPreset& preset, const GimpPresetFor& gimp)
{
    using Output = GimpPresetFiles::Output;
    // The tip holds its own shape; the tool preset turns and squashes it further (GIMP
    // squashes by 1 + |ratio| across the axis the sign names).
    preset.tip.diameter = gimp.preset->size;
    preset.tip.spacing = gimp.preset->spacing * 100;
    preset.tip.angle += gimp.preset->angle;
    preset.tip.roundness /= 1 + std::abs(gimp.preset->aspectRatio);
    if (gimp.preset->opacity < 1)
        preset.toolOptions =
            ToolOptions{QString(), gimp.preset->opacity * 100, std::nullopt, std::nullopt};
    if (gimp.preset->jitter) {
        Scattering scattering;
        scattering.scatter.jitter = *gimp.preset->jitter * 100;
        scattering.bothAxes = true;
        preset.settings.scattering = scattering;
    }
    if (!gimp.dynamics)
        return;
    const GimpDynamics& dynamics = *gimp.dynamics;
    ShapeDynamics shape;
    shape.size = DynamicFrom(dynamics[Output::Size], false);
    shape.minimumDiameter = shape.size.minimum;
    shape.angle = DynamicFrom(dynamics[Output::Angle], true);
    shape.roundness = DynamicFrom(dynamics[Output::AspectRatio], false);
    shape.minimumRoundness = shape.roundness.minimum;
    if (shape.size.varies() || shape.angle.varies() || shape.roundness.varies())
        preset.settings.shapeDynamics = shape;
    Transfer transfer;
    transfer.opacity = DynamicFrom(dynamics[Output::Opacity], false);
    if (transfer.opacity.varies())
        preset.settings.transfer = transfer;
}

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
// percent of its diameter, and from GIMP's tool preset and dynamics or Krita's preset the rest
// of what the preset paints with.
struct PresetFiles
{
    GimpPresetFor gimp;
    const KritaPresetFile* kpp = nullptr; // the Krita preset that paints with the tip
};

BrushPtr WithSpacing(std::shared_ptr<Brush> brush, TipShape tip, double spacing,
                     const PresetFiles& given = {})
{
    tip.kind = brush->kind();
    tip.spacing = spacing;
    BrushPreset preset;
    if (const KritaPresetFile* kpp = given.kpp) {
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
    if (given.gimp.preset)
        ApplyGimpPreset(preset, given.gimp);
    brush->setPreset(std::make_shared<const BrushPreset>(std::move(preset)));
    return brush;
}

BrushPtr SampledFrom(const GimpBrushFile::Contents& contents, const PresetFiles& given)
{
    const QImage& tip = contents.tip;
    PixelBlock pixels(size_t(tip.width()) * size_t(tip.height()));
    for (int y = 0; y < tip.height(); ++y)
        std::memcpy(pixels.data() + size_t(y) * size_t(tip.width()), tip.constScanLine(y),
                    size_t(tip.width()));
    TipShape shape;
    shape.name = contents.name;
    shape.diameter = std::max(tip.width(), tip.height());
    return WithSpacing(std::make_shared<SampledBrush>(given.kpp ? given.kpp->name : contents.name,
                                                      tip.width(), tip.height(), 8,
                                                      std::move(pixels)),
                       shape, contents.spacing, given);
}

// One entry's brush; none when its bytes are no brush GIMP would load.
BrushPtr BrushFromEntry(const QString& fileName, const QByteArray& bytes,
                        const PresetFiles& given = {})
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
                           shape, spacing, given);
    }
    const auto contents = GimpBrushFile::read(bytes);
    return contents ? SampledFrom(*contents, given) : nullptr;
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
    const auto add = [&](const QString& fileName, const QByteArray& bytes,
                         const PresetFiles& given = {}) {
        boost::this_thread::interruption_point();
        if (const BrushPtr brush = BrushFromEntry(fileName, bytes, given))
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
                PresetFiles given;
                if (preset != presets.end())
                    given.kpp = &preset->second;
                add(resource.fileName, resource.bytes, given);
            }
            for (const KritaBundle::Resource& resource : contents->resources)
                if (resource.mediaType == PackEntry::kPatterns &&
                    resource.fileName.endsWith(QLatin1String(".pat"), Qt::CaseInsensitive))
                    addPattern(resource.bytes);
        }
    } else {
        // Named "NNN Name.ext", so the name order is the order of the brush file. The
        // patterns are in a folder of their own beside the brushes' folder, and so are a
        // preset's tool preset and dynamics, named as its tip is.
        const QString patterns = ExistingPackPatternsFolder(mPath);
        const QString presets = ExistingPackCompanionFolder(mPath, PackEntry::kToolPresets);
        const QString dynamics = ExistingPackCompanionFolder(mPath, PackEntry::kDynamics);
        const auto gimpPresetFor = [&](const QString& tipFile) {
            GimpPresetFor gimp;
            if (presets.isEmpty())
                return gimp;
            const QString stem = QFileInfo(tipFile).completeBaseName();
            QFile preset(QDir(presets).filePath(stem + QStringLiteral(".gtp")));
            if (!preset.open(QIODevice::ReadOnly))
                return gimp;
            gimp.preset = GimpPresetFiles::readToolPreset(preset.readAll());
            QFile dynamic(QDir(dynamics).filePath(stem + QStringLiteral(".gdyn")));
            if (gimp.preset && !dynamics.isEmpty() && dynamic.open(QIODevice::ReadOnly))
                gimp.dynamics = GimpPresetFiles::readDynamics(dynamic.readAll());
            return gimp;
        };
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
                    add(name, file.readAll(), {gimpPresetFor(name)});
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
