#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The header GIMP's brush (.gbr) and pattern (.pat) files share (GimpBrushFile.h and
// GimpPatternFile.h show each whole): big-endian words of header size, version, width, height,
// bytes per pixel and magic, a brush's spacing after them, then the name in UTF-8 with its NUL.
// The pixels follow, top row first.
struct GimpFileHeader
{
    // What tells the two formats apart.
    struct Format
    {
        char magic[4];
        quint32 version;
        quint32 words; // 7 with a brush's spacing, 6 without
    };
    // The largest side GIMP loads.
    static constexpr int kMaxSide = 10000;
    // GIMP refuses a longer name ("Brush name is too long"), its NUL aside.
    static constexpr int kMaxNameBytes = 255;

    QString name;
    quint32 width = 0, height = 0, bytesPerPixel = 0;
    quint32 spacing = 0;      // brushes only
    quint32 pixelsOffset = 0; // of a header read

    // The header, the name made valid (ValidName) within kMaxNameBytes, followed by pixelBytes
    // bytes left for the caller to fill.
    QByteArray write(const Format& format, qsizetype pixelBytes) const;
    // The header of a file of the format whose sides are 1 to kMaxSide and whose pixels are
    // all there; none for anything else.
    static std::optional<GimpFileHeader> read(const Format& format, const QByteArray& bytes);
};
