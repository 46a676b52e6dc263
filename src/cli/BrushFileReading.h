#pragma once

#include "abr/CABRreader.h"
#include "brush/BrushFile.h"
#include "brush/BrushPreset.h"

#include <QSize>
#include <QSizeF>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>
#include <vector>

struct ReadError
{
    bool badAlloc = false;
    int code = 0;
};

// What the listing shows of one brush; taken as the brush arrives, so a listing need not keep
// the brushes themselves (nor draw a computed tip).
struct BrushSummary
{
    TipKind kind = TipKind::Computed;
    QSize size;
    int depth = 0; // 0 for computed brushes
    std::optional<QString> name;
    QString displayName;
    QString pixelsSha256; // sampled brushes, when asked for
    std::optional<QSizeF> scaledFrom;
    long long missingRows = 0; // rows the file lost, shown blank
    // The preset the brush is; for a brush whose file gave none, one made from the tip itself
    // (its size, and a computed tip's own values), with spacing unknown and so absent.
    std::shared_ptr<const BrushPreset> preset;
    // True when the file gave the preset; false for one made from the tip.
    bool presetRead = false;
};

// What the listing shows of a brush (the stored sample's SHA-256 when hashPixels).
BrushSummary SummarizeBrush(const Brush& brush, bool hashPixels);

// What the listing shows of one pattern, taken as it arrives.
struct PatternSummary
{
    QString name;
    QString displayName;
    QString identifier;
    const char* mode = "";
    QSize size;
    int depth = 0;
    QString pixelsSha256; // when asked for
};

struct FileResult
{
    BrushFilePtr file;
    bool finished = false;
    std::optional<ReadError> error;
    // Left for the next file before its end, as --switch-after asked.
    bool switchedAway = false;
    std::optional<int> unsupportedVersion;
    std::vector<BrushSummary> summaries;
    std::vector<PatternSummary> patterns;
    // Pattern records that gave no pattern (ReadOutcome::skippedPatterns).
    int skippedPatterns = 0;
};

struct ReadOptions
{
    // With switchAfter >= 0 (and two paths) the first file is left for the second after that
    // many brushes, exactly as the window switches files, on a working thread.
    int switchAfter = -1;
    // Keep the brushes and patterns in each result's file (export needs them; a listing does
    // not).
    bool keepBrushes = true;
    bool hashPixels = false;
    // A file's presets, or its stored tips alone in the file's own order (list --tips).
    CABRreader::ReadAs as = CABRreader::ReadAs::Presets;
};

// Reads the files one after another and collects what they yield. Without switchAfter the
// files are read on the calling thread straight into a sink, no event loop involved.
std::vector<FileResult> ReadBrushFiles(const QStringList& paths, const ReadOptions& options = {});

QString ErrorMessage(const ReadError& error);
// null, or {"code": CODE, "message": WORDS} ("bad_alloc" as the code of an allocation failure).
QString ErrorJson(const std::optional<ReadError>& error);
// "stopped: WORDS", as the listing and the export say it.
QString StoppedByError(const ReadError& error);

// The listing of the files as `list` prints it: one line per brush (and a line of its preset
// below it), or one JSON document; tips: the brushes are stored tips (list --tips), none of
// them a preset.
void PrintBrushListing(const std::vector<FileResult>& results, QTextStream& out, bool json,
                       bool tips = false);
