#pragma once

#include "convert/GimpFileHeader.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class Pattern;

// GIMP's pattern file (.pat, version 1), which Krita reads as well: one 8-bit image with its
// name.
//
//   offset  size       field (32-bit big-endian words)
//   0       4          header size: 24 + the name's UTF-8 bytes + its NUL
//   4       4          version, 1
//   8       4          width
//   12      4          height
//   16      4          bytes per pixel: 1 grey, 2 grey + alpha, 3 RGB, 4 RGBA
//   20      4          magic "GPAT"
//   24      n          name, UTF-8, NUL-terminated, n at most 256
//   24 + n  w * h * b  pixels, top row first, channels in the order above, alpha straight
class GimpPatternFile
{
public:
    // The largest side GIMP loads.
    static constexpr int kMaxSide = GimpFileHeader::kMaxSide;
    // GIMP refuses a longer name, its NUL aside.
    static constexpr int kMaxNameBytes = GimpFileHeader::kMaxNameBytes;

    struct Contents
    {
        QString name;
        // Format_Grayscale8 for grey; anything else is written as RGB (RGBA with alpha).
        QImage image;
        // Grey with alpha: image is then RGBA in which only red and alpha count.
        bool greyWithAlpha = false;
    };

    // What fromPattern() will change, known from the pattern's size and depth alone: "16-bit
    // reduced to 8-bit", "scaled from 12,000 to 10,000 pixels".
    static QStringList changesFor(const Pattern& pattern);
    // The pattern as a .pat holds it: grey patterns (grey, bitmap and duotone modes) as grey,
    // the rest as RGB, each with alpha when the pattern has it, 8 bits a channel, sides at most
    // kMaxSide. The name goes in as it is.
    static Contents fromPattern(const QString& name, const Pattern& pattern);

    // The bytes per pixel contents is written with.
    static int bytesPerPixel(const Contents& contents);
    // The file's bytes, the name made valid (ValidName) within kMaxNameBytes; empty for an
    // image GIMP would refuse (no pixels, a side over kMaxSide).
    static QByteArray write(const Contents& contents);
    // What a .pat of version 1 holds, grey as Format_Grayscale8, grey with alpha and RGBA as
    // Format_RGBA8888, RGB as Format_RGB888; none for anything else or for a file shorter than
    // its header says.
    static std::optional<Contents> read(const QByteArray& bytes);
};
