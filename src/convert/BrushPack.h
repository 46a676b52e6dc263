#pragma once

#include "brush/BrushFile.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <functional>
#include <future>
#include <vector>

// Where a pack goes: GIMP takes sampled tips as .gbr and computed ones as its own parametric
// .vbr; Krita's brush folder reads .gbr only, so computed tips go in drawn.
enum class PackTarget
{
    Gimp,
    Krita,
};

// One file of a pack, named "NNN Name.ext" so that the application's alphabetical order is the
// brush file's order. mediaType is the resource folder it belongs in: "brushes" for a brush,
// "patterns" for a pattern, and for a preset Krita's "paintoppresets" (a .kpp) or GIMP's
// "dynamics" (a .gdyn) and "tool-presets" (a .gtp). Its bytes are made from its source only
// when it is written (BrushPack::entryBytes).
struct PackEntry
{
    static inline const QString kBrushes = QStringLiteral("brushes");
    static inline const QString kPatterns = QStringLiteral("patterns");
    static inline const QString kPaintPresets = QStringLiteral("paintoppresets");
    static inline const QString kDynamics = QStringLiteral("dynamics");
    static inline const QString kToolPresets = QStringLiteral("tool-presets");

    QString mediaType;
    QString fileName;
    size_t source = 0; // the index of the brush (for a preset's files too), or of the pattern
    // The tip of the brush's dual brush, in the brushes folder beside the brushes: a preset
    // paints with it, but it is no brush of the file's own.
    bool dualTip = false;
    bool isBrush() const { return mediaType == kBrushes && !dualTip; }
    bool isDualTip() const { return mediaType == kBrushes && dualTip; }
    bool isPattern() const { return mediaType == kPatterns; }
    // A preset's own file: a .kpp, .gdyn or .gtp.
    bool isPreset() const { return mediaType != kBrushes && !isPattern(); }
};

// What became of one setting of a preset in an application's own preset files: kept as it was,
// approximated (how, in words), or not carried (why, in words).
struct SettingFate
{
    enum class Fate
    {
        Kept,
        Approximated,
        NotCarried,
    };
    // Photoshop's heading the setting sits under: "Brush Tip Shape", "Shape Dynamics",
    // "Scattering", "Texture", "Dual Brush", "Color Dynamics", "Transfer", "Brush Pose", "Noise",
    // "Wet Edges", "Build-up", "Smoothing", "Protect Texture" or "Tool Options".
    QString group;
    QString setting; // "size", "angle jitter", "count", … in Photoshop's words
    Fate fate = Fate::Kept;
    QString how; // "" when kept
};
// "kept", "approximated", "not carried".
QString FateName(SettingFate::Fate fate);
// "Shape Dynamics, size: approximated (as Krita's random sensor)": one setting's fate in words.
QString SettingFateText(const SettingFate& setting);

// What became of one brush: carried as it was, changed on the way (with what changed), or not
// carried at all (with why).
struct PackedBrush
{
    enum class Outcome
    {
        Kept,
        Changed,
        NotCarried,
    };
    size_t index = 0;
    QString name; // as the brush file names it; "" when it has none
    Outcome outcome = Outcome::Kept;
    QStringList what;
    QString fileName; // the entry written for it; "" when not carried
    // The pattern its preset painted through, by name; "" for none and for a brush not
    // carried. Neither GIMP nor Krita ties a tip to a pattern, so a carried brush with one has
    // changed.
    QString texture;
    // The groups of settings its preset painted with that the pack does not carry, by the
    // headings of Photoshop's panel ("Shape Dynamics", "Scattering"). Without preset files,
    // every group that is on (brush files hold none), a lost texture being said through
    // `texture` instead; with them, the groups with a setting not carried.
    QStringList lostSettings;
    // When the pack carries the brush's preset as the application's own preset files: the main
    // one's entry name (Krita's .kpp, GIMP's .gtp), and what became of each setting.
    QString presetFileName;
    std::vector<SettingFate> settings;
    bool presetCarried() const { return !presetFileName.isEmpty(); }
    // Some setting approximated or not carried.
    bool presetApproximated() const;
};

// A pattern the file carries, written beside the brushes as a .pat; what changed on the way
// ("16-bit reduced to 8-bit") in words.
struct PackedPattern
{
    size_t index = 0;
    QString name; // as the brush file names it; "" when it has none
    QStringList what;
    QString fileName;
};

// What a bundle's preview shows of one brush within `size` pixels, dark ink on white; the
// brush's file's patterns are at hand for its texture. A null image leaves its place empty.
// The format layer paints no strokes: the layers above it hand one in (PackPreviewStroke).
using PackPreviewPainter =
    std::function<QImage(const Brush& brush, const std::vector<PatternPtr>& patterns, QSize size)>;

// The brushes of one brush file in an application's own formats, in the file's order, and
// then its patterns: a plan of what each becomes, made from sizes and depths alone. The files'
// bytes are made one at a time as they are written, so that a pack never holds more than the
// brushes and patterns it came from.
struct BrushPack
{
    QString name; // the brush file's base name
    PackTarget target = PackTarget::Gimp;
    std::vector<PackEntry> entries;
    std::vector<PackedBrush> brushes;
    std::vector<PackedPattern> patterns;
    std::vector<BrushPtr> sources;          // the file's brushes, shared, in its order
    std::vector<PatternPtr> patternSources; // the file's patterns, shared, in its order
    // For the pack's mark (PackMark): the brush file's name and SHA-256 (hex), set by whoever
    // read the file from disk; empty for a file made in memory.
    QString sourceName;
    QByteArray sourceSha256;
    // Or the SHA-256 still being taken while the pack is written: hashing a large file takes
    // as long as reading it, and the mark is written last.
    std::shared_future<QByteArray> sourceSha256Taking;
    // The hash for the mark, waiting for it when it is still being taken.
    QByteArray markSha256() const
    {
        return sourceSha256Taking.valid() ? sourceSha256Taking.get() : sourceSha256;
    }

    int count(PackedBrush::Outcome outcome) const;
    // The brushes whose preset the pack carries as preset files, and of those the ones with some
    // setting approximated or not carried.
    int presetCount() const;
    int approximatedPresets() const;
    // The brushes carried without the pattern their preset painted through.
    int lostTextures() const;
    // The brushes carried without some of their preset's settings.
    int lostSettings() const;
    // "37 brushes, 5 changed, 1 not carried, 3 patterns, 4 brushes lose their texture,
    // 6 brushes lose settings": what the pack holds, in words.
    QString countsText() const;
    // The bytes of entries[index], made now from its brush or pattern; empty when its pixels
    // cannot be had after all (no memory to draw them). ink, when given, receives the 8-bit
    // tip a .gbr holds (null for a .vbr, a .pat and a preset's files). painter paints the
    // picture a preset file shows of its stroke (Krita's .kpp is that picture).
    QByteArray entryBytes(size_t index, QImage* ink = nullptr,
                          const PackPreviewPainter& painter = {}) const;
    // The same bytes in pieces to be written one after another: a .gbr's header, then its
    // pixels where the brush holds them rather than copied behind it. No views where
    // entryBytes gives nothing.
    struct Pieces
    {
        std::vector<QByteArrayView> views; // into bytes and pixels
        QByteArray bytes;
        QImage pixels;
        QImage tip; // a .gbr's, as entryBytes gives it in ink
    };
    Pieces entryPieces(size_t index) const;
};

// A bundle's 256 x 256 preview, dark on white. Without a painter, the first tips written, four
// by four. With one, the first brushes' pictures one under another, as Photoshop lists its
// strokes: a row each, 64 pixels high for four, up to half the preview for one or two, the
// rows centred.
struct PackPreview
{
    static constexpr int kTips = 16;
    static constexpr int kRows = 4;

    // brushes: how many the pack carries, which sets the rows' height.
    explicit PackPreview(PackPreviewPainter painter = {}, size_t brushes = kRows);
    bool full() const { return tips >= (painter ? kRows : kTips); }
    // Whether add() takes the tip as written (white ink on black) rather than painting.
    bool wantsInk() const { return !painter && !full(); }
    void add(const Brush& brush, const std::vector<PatternPtr>& patterns, const QImage& ink);

    PackPreviewPainter painter;
    QImage image;
    int tips = 0;
    int rows = kRows;
};

BrushPack BuildBrushPack(const BrushFile& file, PackTarget target);

// "007 Chalk.gbr": the position with at least three digits (more when count needs them), the
// name made safe for a file name, "Brush 007" (unnamed 007) for a brush without one.
QString PackEntryName(size_t index, size_t count, const QString& brushName, const QString& suffix,
                      const QString& unnamed = QStringLiteral("Brush"));
// The pack's name: the brush file's name without its suffix, safe for a file name.
QString PackNameForFile(const QString& path);
QString OutcomeName(PackedBrush::Outcome outcome);
// The name inside the tip file of pack.sources[index], before the file makes it valid: what an
// application lists it by, and what a preset file names it by.
QString PackTipName(const BrushPack& pack, size_t index);
// The spacing a tip file of the brush holds, percent of its size.
double PackTipSpacing(const Brush& brush);
