#include "convert/BrushPack.h"

#include "brush/ComputedBrush.h"
#include "brush/SafeFileName.h"
#include "convert/GimpBrushFile.h"
#include "convert/GimpParametricBrushFile.h"
#include "convert/GimpPatternFile.h"
#include "convert/GimpPresetFiles.h"
#include "convert/InkTip.h"
#include "convert/KritaPaintPreset.h"
#include "convert/ReportText.h"
#include "platform/ValidName.h"

#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kPreviewSide = 256;
constexpr int kPreviewColumns = 4;

const QString kUnnamedPattern = QStringLiteral("Pattern");

QString NameInside(const QString& name, size_t index, size_t count, const QString& unnamed)
{
    if (!name.isEmpty())
        return name;
    return PackEntryName(index, count, QString(), QString(), unnamed);
}

// What the report says of a carried brush whose preset painted through a pattern.
QString LostTextureText(const QString& texture, bool carried)
{
    return carried ? ReportText(
                         QT_TRANSLATE_NOOP("PackReport",
                                           "loses its texture \"%1\" (the pattern is in the pack)"))
                         .arg(texture)
                   : ReportText(
                         QT_TRANSLATE_NOOP("PackReport",
                                           "loses its texture \"%1\" (the file does not carry it)"))
                         .arg(texture);
}

// A name goes into a .gbr, .vbr or .pat made valid and cut to GIMP's limit (which Krita's
// .gbr shares); the report says so rather than "kept".
void NoteNameChanges(const QString& name, QStringList& what)
{
    static_assert(GimpBrushFile::kMaxNameBytes == GimpPatternFile::kMaxNameBytes);
    const QString valid = ValidName(name);
    if (valid != name)
        what << QStringLiteral(QT_TRANSLATE_NOOP(
            "PackReport", "characters of its name that are no text replaced or removed"));
    if (ValidName(valid, GimpBrushFile::kMaxNameBytes) != valid)
        what << ReportText(QT_TRANSLATE_NOOP("PackReport", "name shortened to %1 bytes"))
                    .arg(GimpBrushFile::kMaxNameBytes);
}

// Spacing that is off lays a dab wherever the pointer reports a move, which neither GIMP's
// nor Krita's brush files hold: 25 % stands in for it, what GIMP itself gives a brush file that
// carries no spacing, and what tips without a preset have always been written with.
constexpr double kSpacingOff = 25;

// The preset's spacing, a percent of its tip's diameter; GIMP's and Krita's brush files keep a
// percent of the tip's size too, and the tip is written at the preset's size. Photoshop's
// 1 to 1,000 % lies within what GIMP takes (1 to 5,000 %).
double PackSpacing(const Brush& brush, QStringList* what = nullptr)
{
    const BrushPreset* preset = brush.preset();
    // A stored sample no preset paints with has no spacing of its own.
    if (!preset || !preset->isPreset)
        return kSpacingOff;
    if (!preset->tip.spacing) {
        if (what)
            *what << QStringLiteral(QT_TRANSLATE_NOOP(
                "PackReport", "spacing off (a dab at each move of the pointer), written as 25 %"));
        return kSpacingOff;
    }
    const double spacing = *preset->tip.spacing;
    return std::isfinite(spacing) ? std::clamp(spacing, 1.0, 1000.0) : kSpacingOff;
}

QString Percent(double value)
{
    return QStringLiteral("%1 %").arg(QLocale(QLocale::English).toString(value, 'g', 4));
}

// What the preset paints with beyond its tip, none of which a brush file holds, by the
// headings of Photoshop's panel, and the tool options it would set: said rather than lost in
// silence. A texture already said (texture) is not said twice.
void NoteSettingsNotCarried(const Brush& brush, PackedBrush& packed)
{
    const BrushPreset* preset = brush.preset();
    if (!preset)
        return;
    for (const SettingsGroup& group : GroupsOn(preset->settings)) {
        if (packed.texture.isEmpty() || qstrcmp(group.key, "texture") != 0)
            packed.lostSettings << group.title;
    }
    if (!packed.lostSettings.isEmpty())
        packed.what << ReportText(QT_TRANSLATE_NOOP("PackReport", "settings not carried (%1)"))
                           .arg(packed.lostSettings.join(QStringLiteral(", ")));
    if (!preset->toolOptions)
        return;
    // Options at Photoshop's defaults change nothing when they are left behind.
    const ToolOptions& tool = *preset->toolOptions;
    QStringList options;
    if (!tool.mode.isEmpty() && tool.mode.compare(u"Normal", Qt::CaseInsensitive) != 0)
        options << ReportText(QT_TRANSLATE_NOOP("PackReport", "mode %1")).arg(tool.mode);
    if (tool.opacity && *tool.opacity < 100)
        options << ReportText(QT_TRANSLATE_NOOP("PackReport", "opacity %1"))
                       .arg(Percent(*tool.opacity));
    if (tool.flow && *tool.flow < 100)
        options << ReportText(QT_TRANSLATE_NOOP("PackReport", "flow %1")).arg(Percent(*tool.flow));
    if (tool.smoothing && *tool.smoothing > 0)
        options << ReportText(QT_TRANSLATE_NOOP("PackReport", "smoothing %1"))
                       .arg(Percent(*tool.smoothing));
    if (!options.isEmpty())
        packed.what << ReportText(QT_TRANSLATE_NOOP("PackReport", "tool options not carried (%1)"))
                           .arg(options.join(QStringLiteral(", ")));
}

// With the preset carried in the application's own preset files, what it lost is what they
// could not hold: the groups none of whose settings were carried (the texture said on its own
// line, as without presets), and the tool options left behind. A group that is on but changes
// nothing (a dynamic that does not vary) has no settings to lose.
void NoteGroupsNotCarried(PackedBrush& packed)
{
    const auto carriedSome = [&packed](const QString& group) {
        return std::any_of(
            packed.settings.begin(), packed.settings.end(), [&group](const SettingFate& setting) {
                return setting.group == group && setting.fate != SettingFate::Fate::NotCarried;
            });
    };
    QStringList options;
    for (const SettingFate& setting : packed.settings) {
        if (setting.group == QLatin1String("Tool Options")) {
            if (setting.fate == SettingFate::Fate::NotCarried)
                options << setting.setting;
        } else if (!carriedSome(setting.group) && !packed.lostSettings.contains(setting.group) &&
                   (packed.texture.isEmpty() || setting.group != QLatin1String("Texture"))) {
            packed.lostSettings << setting.group;
        }
    }
    if (!packed.lostSettings.isEmpty())
        packed.what << ReportText(QT_TRANSLATE_NOOP("PackReport", "settings not carried (%1)"))
                           .arg(packed.lostSettings.join(QStringLiteral(", ")));
    if (!options.isEmpty())
        packed.what << ReportText(QT_TRANSLATE_NOOP("PackReport", "tool options not carried (%1)"))
                           .arg(options.join(QStringLiteral(", ")));
}

// Whether the preset files carry the preset's pattern: the texture is not lost then.
bool PatternCarried(const PackedBrush& packed)
{
    return std::any_of(packed.settings.begin(), packed.settings.end(),
                       [](const SettingFate& setting) {
                           return setting.group == QLatin1String("Texture") &&
                                  setting.setting == QLatin1String("pattern") &&
                                  setting.fate != SettingFate::Fate::NotCarried;
                       });
}

// GIMP paints computed tips itself; Krita's brush folder takes only pixels.
bool Parametric(PackTarget target, const Brush& brush)
{
    return target == PackTarget::Gimp && brush.isComputed();
}
// What the .gbr of a brush entry holds; none for an entry GIMP takes as a parametric .vbr,
// whose bytes go into *parametric instead, and for a tip whose pixels cannot be had.
std::optional<GimpBrushFile::Contents>
TipFileContents(const BrushPack& pack, const PackEntry& entry, QByteArray* parametric)
{
    const BrushPtr& brush =
        entry.dualTip ? pack.sources.at(entry.source)->dualTip() : pack.sources.at(entry.source);
    if (!brush)
        return std::nullopt;
    QString inside = NameInside(pack.sources.at(entry.source)->displayName(), entry.source,
                                pack.sources.size(), QStringLiteral("Brush"));
    if (entry.dualTip)
        inside += QStringLiteral(" (dual tip)");
    if (Parametric(pack.target, *brush)) {
        *parametric = GimpParametricBrushFile::write(GimpParametricBrushFile::fromComputed(
            inside, static_cast<const ComputedBrush&>(*brush).parameters(), PackSpacing(*brush)));
        return std::nullopt;
    }
    const std::optional<InkTip> tip = InkTipForBrush(brush);
    if (!tip)
        return std::nullopt;
    // The header holds whole percents.
    return GimpBrushFile::Contents{inside, tip->image, int(std::lround(PackSpacing(*brush)))};
}
} // namespace

QString PackEntryName(size_t index, size_t count, const QString& brushName, const QString& suffix,
                      const QString& unnamed)
{
    const int width =
        std::max(3, int(QString::number(qulonglong(count > 0 ? count - 1 : 0)).size()));
    const QString number = QStringLiteral("%1").arg(qulonglong(index), width, 10, QLatin1Char('0'));
    QString stem = SafeFileName(brushName);
    if (stem.isEmpty())
        stem = unnamed + QLatin1Char(' ') + number;
    return number + QLatin1Char(' ') + stem + suffix;
}

QString PackNameForFile(const QString& path)
{
    const QString name = SafeFileName(QFileInfo(path).completeBaseName());
    return name.isEmpty() ? QStringLiteral("Brushes") : name;
}

QString OutcomeName(PackedBrush::Outcome outcome)
{
    switch (outcome) {
    case PackedBrush::Outcome::Changed:
        return QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "changed"));
    case PackedBrush::Outcome::NotCarried:
        return QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "not carried"));
    case PackedBrush::Outcome::Kept:
        break;
    }
    return QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "kept"));
}

QString PackTipName(const BrushPack& pack, size_t index)
{
    return NameInside(pack.sources.at(index)->displayName(), index, pack.sources.size(),
                      QStringLiteral("Brush"));
}

double PackTipSpacing(const Brush& brush)
{
    return PackSpacing(brush);
}

QString FateName(SettingFate::Fate fate)
{
    switch (fate) {
    case SettingFate::Fate::Approximated:
        return QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "approximated"));
    case SettingFate::Fate::NotCarried:
        return QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "not carried"));
    case SettingFate::Fate::Kept:
        break;
    }
    return QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "kept"));
}

QString SettingFateText(const SettingFate& setting)
{
    QString text = setting.group;
    if (!setting.setting.isEmpty())
        text += QStringLiteral(", ") + setting.setting;
    text += QStringLiteral(": ") + FateName(setting.fate);
    if (!setting.how.isEmpty())
        text += QStringLiteral(" (%1)").arg(setting.how);
    return text;
}

bool PackedBrush::presetApproximated() const
{
    return std::any_of(settings.begin(), settings.end(),
                       [](const SettingFate& s) { return s.fate != SettingFate::Fate::Kept; });
}

int BrushPack::presetCount() const
{
    return int(std::count_if(brushes.begin(), brushes.end(),
                             [](const PackedBrush& b) { return b.presetCarried(); }));
}

int BrushPack::approximatedPresets() const
{
    return int(std::count_if(brushes.begin(), brushes.end(), [](const PackedBrush& b) {
        return b.presetCarried() && b.presetApproximated();
    }));
}

int BrushPack::count(PackedBrush::Outcome outcome) const
{
    return int(std::count_if(brushes.begin(), brushes.end(),
                             [outcome](const PackedBrush& b) { return b.outcome == outcome; }));
}

int BrushPack::lostTextures() const
{
    return int(std::count_if(brushes.begin(), brushes.end(),
                             [](const PackedBrush& b) { return !b.texture.isEmpty(); }));
}

int BrushPack::lostSettings() const
{
    return int(std::count_if(brushes.begin(), brushes.end(),
                             [](const PackedBrush& b) { return !b.lostSettings.isEmpty(); }));
}

QString BrushPack::countsText() const
{
    const int written = int(std::count_if(entries.begin(), entries.end(),
                                          [](const PackEntry& e) { return e.isBrush(); }));
    QString text = QStringLiteral("%1 %2").arg(written).arg(
        written == 1 ? QStringLiteral("brush") : QStringLiteral("brushes"));
    if (const int changed = count(PackedBrush::Outcome::Changed))
        text += QStringLiteral(", %1 changed").arg(changed);
    if (const int dropped = count(PackedBrush::Outcome::NotCarried))
        text += QStringLiteral(", %1 not carried").arg(dropped);
    if (const int presets = presetCount()) {
        text += presets == 1 ? QStringLiteral(", 1 preset")
                             : QStringLiteral(", %1 presets").arg(presets);
        if (const int approximated = approximatedPresets())
            text += QStringLiteral(", %1 approximated").arg(approximated);
    }
    if (const int patternCount = int(patterns.size()))
        text += patternCount == 1 ? QStringLiteral(", 1 pattern")
                                  : QStringLiteral(", %1 patterns").arg(patternCount);
    if (const int lost = lostTextures())
        text += lost == 1 ? QStringLiteral(", 1 brush loses its texture")
                          : QStringLiteral(", %1 brushes lose their texture").arg(lost);
    if (const int lost = lostSettings())
        text += lost == 1 ? QStringLiteral(", 1 brush loses settings")
                          : QStringLiteral(", %1 brushes lose settings").arg(lost);
    return text;
}

QByteArray BrushPack::entryBytes(size_t index, QImage* ink, const PackPreviewPainter& painter) const
{
    const PackEntry& entry = entries.at(index);
    if (ink)
        *ink = QImage();
    if (entry.mediaType == PackEntry::kPaintPresets)
        return KritaPresetEntryBytes(*this, entry, painter);
    if (entry.isPreset())
        return GimpPresetEntryBytes(*this, entry);
    if (entry.isPattern()) {
        const Pattern& pattern = *patternSources.at(entry.source);
        return GimpPatternFile::write(GimpPatternFile::fromPattern(
            NameInside(pattern.displayName(), entry.source, patternSources.size(), kUnnamedPattern),
            pattern));
    }
    QByteArray parametric;
    const std::optional<GimpBrushFile::Contents> tip = TipFileContents(*this, entry, &parametric);
    if (!tip)
        return parametric;
    if (ink)
        *ink = tip->tip;
    return GimpBrushFile::write(*tip);
}

BrushPack::Pieces BrushPack::entryPieces(size_t index) const
{
    Pieces pieces;
    QImage pixels;
    const PackEntry& entry = entries.at(index);
    if (entry.mediaType == PackEntry::kBrushes) {
        const std::optional<GimpBrushFile::Contents> tip =
            TipFileContents(*this, entry, &pieces.bytes);
        if (tip) {
            GimpBrushFile::Parts parts = GimpBrushFile::parts(*tip);
            if (parts.header.isEmpty())
                return pieces;
            pieces.tip = tip->tip;
            // Rows padded apart are copied together, as write() does.
            if (parts.tip.bytesPerLine() != parts.tip.width()) {
                pieces.bytes = GimpBrushFile::write(*tip);
            } else {
                pieces.bytes = std::move(parts.header);
                pixels = std::move(parts.tip);
            }
        }
    } else {
        pieces.bytes = entryBytes(index);
    }
    if (pieces.bytes.isEmpty())
        return pieces;
    pieces.views.emplace_back(pieces.bytes);
    if (!pixels.isNull()) {
        pieces.views.emplace_back(reinterpret_cast<const char*>(pixels.constBits()),
                                  qsizetype(pixels.width()) * pixels.height());
        pieces.pixels = std::move(pixels);
    }
    return pieces;
}

PackPreview::PackPreview(PackPreviewPainter painter, size_t brushes)
    : painter(std::move(painter)), image(kPreviewSide, kPreviewSide, QImage::Format_Grayscale8),
      rows(int(std::clamp<size_t>(brushes, 1, kRows)))
{
    image.fill(Qt::white);
}

void PackPreview::add(const Brush& brush, const std::vector<PatternPtr>& patterns,
                      const QImage& ink)
{
    if (full())
        return;
    QPainter on(&image);
    if (painter) {
        // One or two strokes keep Photoshop's wide proportions rather than fill the square.
        const QSize cell(kPreviewSide, kPreviewSide / std::max(rows, 2));
        const QImage picture = painter(brush, patterns, cell);
        const int top = (kPreviewSide - rows * cell.height()) / 2 + tips * cell.height();
        ++tips;
        if (picture.isNull())
            return;
        const QImage fitted = picture.size() == cell ? picture
                                                     : picture.scaled(cell, Qt::KeepAspectRatio,
                                                                      Qt::SmoothTransformation);
        on.drawImage(QPoint((cell.width() - fitted.width()) / 2,
                            top + (cell.height() - fitted.height()) / 2),
                     fitted);
        return;
    }
    if (ink.isNull())
        return;
    const int cell = kPreviewSide / kPreviewColumns;
    QImage tile = ink.scaled(cell - 4, cell - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    tile.invertPixels(); // ink is white on black; the preview shows it dark on white
    const QPoint corner((tips % kPreviewColumns) * cell, (tips / kPreviewColumns) * cell);
    on.drawImage(corner + QPoint((cell - tile.width()) / 2, (cell - tile.height()) / 2), tile);
    ++tips;
}

BrushPack BuildBrushPack(const BrushFile& file, PackTarget target)
{
    BrushPack pack;
    pack.name = PackNameForFile(file.getPath());
    pack.target = target;
    pack.sources = file.brushes();
    pack.patternSources = file.patterns();
    const size_t count = pack.sources.size();
    for (size_t i = 0; i < count; ++i) {
        const Brush& brush = *pack.sources[i];
        PackedBrush packed;
        packed.index = i;
        packed.name = brush.displayName();
        QString suffix;
        if (Parametric(target, brush)) {
            // The name and the spacing play no part in what changes.
            GimpParametricBrushFile::fromComputed(
                QString(), static_cast<const ComputedBrush&>(brush).parameters(), kSpacingOff,
                &packed.what);
            suffix = QStringLiteral(".vbr");
        } else if (std::optional<InkTipPlan> plan = PlanInkTip(brush)) {
            packed.what = std::move(plan->changes);
            suffix = QStringLiteral(".gbr");
        }
        if (suffix.isEmpty()) {
            packed.outcome = PackedBrush::Outcome::NotCarried;
            packed.what =
                QStringList{QStringLiteral(QT_TRANSLATE_NOOP("PackReport", "no pixels to carry"))};
        } else {
            PackSpacing(brush, &packed.what);
            NoteNameChanges(packed.name, packed.what);
            packed.fileName = PackEntryName(i, count, packed.name, suffix);
            pack.entries.push_back({PackEntry::kBrushes, packed.fileName, i});
            if (target == PackTarget::Krita)
                PlanKritaPreset(pack, packed);
            else
                PlanGimpPreset(pack, packed);
            if (const auto& texture = brush.texture(); texture && !PatternCarried(packed)) {
                const Pattern* pattern = FindPattern(*texture, file.patterns()).get();
                packed.texture = pattern ? pattern->displayName() : ReadableName(texture->name);
                packed.what << LostTextureText(packed.texture,
                                               pattern && !pattern->pixelSize().isEmpty());
            }
            if (packed.presetCarried())
                NoteGroupsNotCarried(packed);
            else
                NoteSettingsNotCarried(brush, packed);
            packed.outcome =
                packed.what.isEmpty() ? PackedBrush::Outcome::Kept : PackedBrush::Outcome::Changed;
        }
        pack.brushes.push_back(std::move(packed));
    }
    // Patterns follow the brushes, each in its own folder, numbered on their own.
    const size_t patternCount = pack.patternSources.size();
    for (size_t i = 0; i < patternCount; ++i) {
        const Pattern& pattern = *pack.patternSources[i];
        if (pattern.pixelSize().isEmpty())
            continue;
        PackedPattern packed{i, pattern.displayName(), GimpPatternFile::changesFor(pattern),
                             PackEntryName(i, patternCount, pattern.displayName(),
                                           QStringLiteral(".pat"), kUnnamedPattern)};
        NoteNameChanges(packed.name, packed.what);
        pack.entries.push_back({PackEntry::kPatterns, packed.fileName, i});
        pack.patterns.push_back(std::move(packed));
    }
    return pack;
}
