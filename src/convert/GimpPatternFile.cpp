#include "convert/GimpPatternFile.h"

#include "brush/Pattern.h"
#include "convert/GimpFileHeader.h"
#include "convert/ReportText.h"

#include <QLocale>
#include <cstring>

namespace {
constexpr GimpFileHeader::Format kPatternFormat = {{'G', 'P', 'A', 'T'}, 1, 6};

bool IsGrey(const Pattern& pattern)
{
    switch (pattern.image().format()) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return true;
    default:
        break;
    }
    using Mode = Pattern::Mode;
    return pattern.mode() == Mode::Grey || pattern.mode() == Mode::Bitmap ||
           pattern.mode() == Mode::Duotone;
}

QSize FittedSize(const QSize& size)
{
    const int side = GimpPatternFile::kMaxSide;
    if (size.width() <= side && size.height() <= side)
        return size;
    return size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}
} // namespace

QStringList GimpPatternFile::changesFor(const Pattern& pattern)
{
    QStringList changes;
    if (pattern.depth() > 8)
        changes << ReportText(QT_TRANSLATE_NOOP("PackReport", "%1-bit reduced to 8-bit"))
                       .arg(pattern.depth());
    const QSize size = pattern.pixelSize();
    const QSize fitted = FittedSize(size);
    if (fitted != size) {
        const QLocale english(QLocale::English);
        changes << ReportText(QT_TRANSLATE_NOOP("PackReport", "scaled from %1 to %2 pixels"))
                       .arg(english.toString(std::max(size.width(), size.height())),
                            english.toString(std::max(fitted.width(), fitted.height())));
    }
    return changes;
}

GimpPatternFile::Contents GimpPatternFile::fromPattern(const QString& name, const Pattern& pattern)
{
    Contents contents;
    contents.name = name;
    QImage image = pattern.image();
    if (image.isNull())
        return contents;
    const QSize fitted = FittedSize(image.size());
    if (fitted != image.size())
        image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const bool alpha = image.hasAlphaChannel();
    if (!IsGrey(pattern)) {
        contents.image =
            image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        return contents;
    }
    // Grey is taken from straight RGBA rather than left to Qt's grey conversions, which may
    // treat the values as light rather than as the numbers the pattern holds.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    contents.greyWithAlpha = alpha;
    contents.image = alpha ? rgba : QImage(rgba.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar* in = rgba.constScanLine(y);
        uchar* out = contents.image.scanLine(y);
        for (int x = 0; x < rgba.width(); ++x) {
            const uchar grey = uchar(qGray(in[4 * x], in[4 * x + 1], in[4 * x + 2]));
            if (alpha)
                out[4 * x] = out[4 * x + 1] = out[4 * x + 2] = grey;
            else
                out[x] = grey;
        }
    }
    return contents;
}

int GimpPatternFile::bytesPerPixel(const Contents& contents)
{
    if (contents.greyWithAlpha)
        return 2;
    if (contents.image.format() == QImage::Format_Grayscale8)
        return 1;
    return contents.image.hasAlphaChannel() ? 4 : 3;
}

QByteArray GimpPatternFile::write(const Contents& contents)
{
    const QImage& source = contents.image;
    if (source.isNull() || source.width() > kMaxSide || source.height() > kMaxSide)
        return {};
    const int bytes = bytesPerPixel(contents);
    // Grey stays as it is; the rest goes through straight (not premultiplied) RGBA so that
    // what is written is the colour GIMP will show under its alpha.
    const QImage image = bytes == 1   ? source
                         : bytes == 3 ? source.convertToFormat(QImage::Format_RGB888)
                                      : source.convertToFormat(QImage::Format_RGBA8888);
    GimpFileHeader header;
    header.name = contents.name;
    header.width = quint32(image.width());
    header.height = quint32(image.height());
    header.bytesPerPixel = quint32(bytes);
    const qsizetype rowBytes = qsizetype(image.width()) * bytes;
    QByteArray out = header.write(kPatternFormat, rowBytes * image.height());
    char* pixels = out.data() + out.size() - rowBytes * image.height();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        char* row = pixels + rowBytes * y;
        if (bytes != 2) {
            std::memcpy(row, line, size_t(rowBytes));
            continue;
        }
        for (int x = 0; x < image.width(); ++x) {
            row[2 * x] = char(line[4 * x]);
            row[2 * x + 1] = char(line[4 * x + 3]);
        }
    }
    return out;
}

std::optional<GimpPatternFile::Contents> GimpPatternFile::read(const QByteArray& bytes)
{
    const std::optional<GimpFileHeader> header = GimpFileHeader::read(kPatternFormat, bytes);
    if (!header || header->bytesPerPixel < 1 || header->bytesPerPixel > 4)
        return std::nullopt;
    const quint32 width = header->width, height = header->height, depth = header->bytesPerPixel;
    Contents contents;
    contents.name = header->name;
    contents.greyWithAlpha = depth == 2;
    static constexpr QImage::Format kFormats[] = {QImage::Format_Grayscale8,
                                                  QImage::Format_RGBA8888, QImage::Format_RGB888,
                                                  QImage::Format_RGBA8888};
    contents.image = QImage(int(width), int(height), kFormats[depth - 1]);
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + header->pixelsOffset;
    for (quint32 y = 0; y < height; ++y) {
        const uchar* row = pixels + quint64(y) * width * depth;
        uchar* line = contents.image.scanLine(int(y));
        if (depth != 2) {
            std::memcpy(line, row, size_t(width) * depth);
            continue;
        }
        for (quint32 x = 0; x < width; ++x) {
            line[4 * x] = line[4 * x + 1] = line[4 * x + 2] = row[2 * x];
            line[4 * x + 3] = row[2 * x + 1];
        }
    }
    return contents;
}
