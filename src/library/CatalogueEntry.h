#pragma once

#include "brush/Brush.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>
#include <vector>

// What `stat` says of a file, enough to tell whether it changed since it was catalogued.
struct FileFacts
{
    qint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    // The change time: moved by any write, and by nothing a program can ask for, so a file
    // written over in place with its modification time put back still shows. 0 when not known
    // (a row from before the library kept it).
    qint64 ctimeNs = 0;

    // The device is left out: removable media come back under another number.
    bool sameContentsAs(const FileFacts& other) const
    {
        return size == other.size && mtimeNs == other.mtimeNs && inode == other.inode &&
               (ctimeNs == 0 || other.ctimeNs == 0 || ctimeNs == other.ctimeNs);
    }
};

// Facts of the regular file at path (symbolic links followed); nothing for anything else.
std::optional<FileFacts> StatRegularFile(const QString& path);

// Thumbnails are made to fit a square this many pixels a side.
constexpr int kLibraryThumbnailSide = 64;

// One brush (a preset, or a stored tip no preset uses) as the library keeps it.
struct CataloguedBrush
{
    int position = 0;
    std::optional<QString> name; // as shown; absent for files that carry no names
    QString foldedName;          // FoldedName of the name, "" without one
    TipKind kind = TipKind::Computed;
    int width = 0; // as the preset shows its tip
    int height = 0;
    int depth = 0;                  // bits per sample of a stored sample; 0 for the other tips
    std::optional<double> diameter; // the preset's size in pixels, when its file gives one
    std::optional<double> spacing;  // percent, when its file gives a preset with spacing on
    // Equal for equal tips, whatever size, angle or roundness their presets give them: two
    // presets that paint with one sample have one tip.
    QByteArray tipHash;
    QByteArray thumbnail; // PNG, empty for a tip without an image
};

// The library's row for a brush, at its place in the file.
CataloguedBrush CatalogueRow(const Brush& brush, int position);

// One file as the library keeps it: its facts, its contents' SHA-256, and what reading it gave.
struct CataloguedFile
{
    QString path;
    FileFacts facts;
    QByteArray sha256;
    std::optional<int> version; // the file's first word
    QString error;              // empty when it was read to the end
    std::vector<CataloguedBrush> brushes;
    bool stopped = false; // told to stop part way: nothing to keep
};

// Reads the file for the library on the calling thread. Brushes go into rows as they are read
// and are let go at once, so a large file costs its rows, not its pixels; computed tips are
// drawn at thumbnail size only.
// stop, when given and set, ends the read at the next brush (or block of the hash) with stopped.
CataloguedFile CatalogueBrushFile(const QString& path, const FileFacts& facts,
                                  const std::atomic<bool>* stop = nullptr);

// SHA-256 of the file's bytes; empty, with the reason in error, when it cannot be read, and empty
// with no error when stop was set part way.
QByteArray FileSha256(const QString& path, QString* error, std::optional<int>* version = nullptr,
                      const std::atomic<bool>* stop = nullptr);

// The form of a name that name search compares: compatibility-decomposed, without combining
// marks, case-folded, so "Éclat", "ECLAT" and "éclat" all match "eclat".
QString FoldedName(const QString& name);
