#pragma once

#include "convert/GimpFileHeader.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// GIMP's own brush file (.gbr, version 2): one greyscale tip with its name and spacing.
//
//   offset  size   field (32-bit big-endian words)
//   0       4      header size: 28 + the name's UTF-8 bytes + its NUL
//   4       4      version, 2
//   8       4      width
//   12      4      height
//   16      4      bytes per pixel, 1 (grey)
//   20      4      magic "GIMP"
//   24      4      spacing, percent of the width
//   28      n      name, UTF-8, NUL-terminated, n at most 256
//   28 + n  w * h  pixels, top row first; 255 is full paint
class GimpBrushFile
{
public:
    // The largest side GIMP loads.
    static constexpr int kMaxSide = GimpFileHeader::kMaxSide;
    // GIMP refuses a longer name ("Brush name is too long"), its NUL aside.
    static constexpr int kMaxNameBytes = GimpFileHeader::kMaxNameBytes;

    struct Contents
    {
        QString name;
        QImage tip; // Format_Grayscale8, 255 = full paint, sides 1 to kMaxSide
        int spacing = 25;
    };

    // The file's bytes, the name made valid (ValidName) within kMaxNameBytes; empty for a tip
    // GIMP would refuse (no pixels, a side over kMaxSide).
    static QByteArray write(const Contents& contents);
    // The same file as its header and the tip whose rows follow it (Format_Grayscale8), for
    // writing the pixels from where they are; the header is empty where write() gives nothing.
    struct Parts
    {
        QByteArray header;
        QImage tip;
    };
    static Parts parts(const Contents& contents);
    // What a .gbr of version 2 and one byte per pixel holds; none for anything else or for a
    // file shorter than its header says.
    static std::optional<Contents> read(const QByteArray& bytes);
};
