#include "convert/BrushPackReader.h"

#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/GimpPatternFile.h"
#include "convert/GimpPresetFiles.h"
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

// What the application was given besides the pixels: the tip's size and its spacing, as a
// percent of its diameter, and for GIMP the rest its tool preset and dynamics hold.
BrushPtr WithSpacing(std::shared_ptr<Brush> brush, TipShape tip, double spacing,
                     const GimpPresetFor& gimp = {})
{
    tip.kind = brush->kind();
    tip.spacing = spacing;
    BrushPreset preset;
    preset.tip = std::move(tip);
    if (gimp.preset)
        ApplyGimpPreset(preset, gimp);
    brush->setPreset(std::make_shared<const BrushPreset>(std::move(preset)));
    return brush;
}

BrushPtr SampledFrom(const GimpBrushFile::Contents& contents, const GimpPresetFor& gimp)
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
                       shape, contents.spacing, gimp);
}

// One entry's brush; none when its bytes are no brush GIMP would load.
BrushPtr BrushFromEntry(const QString& fileName, const QByteArray& bytes,
                        const GimpPresetFor& gimp = {})
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
                           shape, spacing, gimp);
    }
    const auto contents = GimpBrushFile::read(bytes);
    return contents ? SampledFrom(*contents, gimp) : nullptr;
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
                         const GimpPresetFor& gimp = {}) {
        boost::this_thread::interruption_point();
        if (const BrushPtr brush = BrushFromEntry(fileName, bytes, gimp))
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
                    add(name, file.readAll(), gimpPresetFor(name));
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
