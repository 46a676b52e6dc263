#pragma once

#include "brush/BrushFile.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <vector>

// Where a pack goes: GIMP takes sampled tips as .gbr and computed ones as its own parametric
// .vbr; Krita's brush folder reads .gbr only, so computed tips go in drawn.
enum class PackTarget
{
    Gimp,
    Krita,
};

// One file of a pack, named "NNN Name.ext" so that the application's alphabetical order is the
// brush file's order. mediaType is the resource folder it belongs in ("brushes"; patterns will
// join them).
struct PackEntry
{
    QString mediaType;
    QString fileName;
    QByteArray bytes;
};

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
};

// The brushes of one brush file in an application's own formats, in the file's order.
struct BrushPack
{
    QString name; // the brush file's base name
    PackTarget target = PackTarget::Gimp;
    std::vector<PackEntry> entries;
    std::vector<PackedBrush> brushes;
    // The first tips, four by four, dark on white: a bundle's 256 x 256 preview.
    QImage preview;

    int count(PackedBrush::Outcome outcome) const;
    // "37 brushes, 5 changed, 1 not carried": what the pack holds, in words.
    QString countsText() const;
};

BrushPack BuildBrushPack(const BrushFile& file, PackTarget target);

// "007 Chalk.gbr": the position with at least three digits (more when count needs them), the
// name made safe for a file name, "Brush 007" for a brush without one.
QString PackEntryName(size_t index, size_t count, const QString& brushName, const QString& suffix);
// The pack's name: the brush file's name without its suffix, safe for a file name.
QString PackNameForFile(const QString& path);
QString OutcomeName(PackedBrush::Outcome outcome);
