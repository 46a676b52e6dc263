#include "convert/GimpBrushFile.h"

#include "convert/GimpFileHeader.h"

#include <cstring>

namespace {
constexpr GimpFileHeader::Format kBrushFormat = {{'G', 'I', 'M', 'P'}, 2, 7};

// None for a tip GIMP would refuse.
std::optional<GimpFileHeader> HeaderFor(const GimpBrushFile::Contents& contents, const QImage& tip)
{
    if (tip.isNull() || tip.width() > GimpBrushFile::kMaxSide ||
        tip.height() > GimpBrushFile::kMaxSide)
        return std::nullopt;
    GimpFileHeader header;
    header.name = contents.name;
    header.width = quint32(tip.width());
    header.height = quint32(tip.height());
    header.bytesPerPixel = 1;
    header.spacing = quint32(std::max(1, contents.spacing));
    return header;
}
} // namespace

GimpBrushFile::Parts GimpBrushFile::parts(const Contents& contents)
{
    Parts parts{{}, contents.tip.convertToFormat(QImage::Format_Grayscale8)};
    if (const std::optional<GimpFileHeader> header = HeaderFor(contents, parts.tip))
        parts.header = header->write(kBrushFormat, 0);
    return parts;
}

QByteArray GimpBrushFile::write(const Contents& contents)
{
    const QImage tip = contents.tip.convertToFormat(QImage::Format_Grayscale8);
    const std::optional<GimpFileHeader> header = HeaderFor(contents, tip);
    if (!header)
        return {};
    const qsizetype pixelBytes = qsizetype(tip.width()) * tip.height();
    QByteArray bytes = header->write(kBrushFormat, pixelBytes);
    char* pixels = bytes.data() + bytes.size() - pixelBytes;
    for (int y = 0; y < tip.height(); ++y)
        std::memcpy(pixels + qsizetype(y) * tip.width(), tip.constScanLine(y), size_t(tip.width()));
    return bytes;
}

std::optional<GimpBrushFile::Contents> GimpBrushFile::read(const QByteArray& bytes)
{
    const std::optional<GimpFileHeader> header = GimpFileHeader::read(kBrushFormat, bytes);
    if (!header || header->bytesPerPixel != 1)
        return std::nullopt;
    Contents contents;
    contents.name = header->name;
    contents.spacing = int(header->spacing);
    contents.tip = QImage(int(header->width), int(header->height), QImage::Format_Grayscale8);
    const char* pixels = bytes.constData() + header->pixelsOffset;
    for (quint32 y = 0; y < header->height; ++y)
        std::memcpy(contents.tip.scanLine(int(y)), pixels + quint64(y) * header->width,
                    header->width);
    return contents;
}
