#include "convert/GimpBrushFile.h"

#include "platform/ValidName.h"

#include <QtEndian>
#include <cstring>

namespace {
constexpr quint32 kHeaderWords = 7;
constexpr quint32 kFixedHeaderSize = kHeaderWords * 4;
constexpr quint32 kVersion = 2;
constexpr char kMagic[4] = {'G', 'I', 'M', 'P'};
} // namespace

QByteArray GimpBrushFile::write(const Contents& contents)
{
    const QImage tip = contents.tip.convertToFormat(QImage::Format_Grayscale8);
    if (tip.isNull() || tip.width() > kMaxSide || tip.height() > kMaxSide)
        return {};
    const QByteArray name = ValidName(contents.name, kMaxNameBytes).toUtf8() + '\0';
    const auto headerSize = quint32(kFixedHeaderSize + name.size());
    // Every byte is written below: header, name with its NUL, pixels.
    QByteArray bytes(qsizetype(headerSize) + qsizetype(tip.width()) * tip.height(),
                     Qt::Uninitialized);
    char* out = bytes.data();
    const quint32 words[kHeaderWords] = {headerSize,
                                         kVersion,
                                         quint32(tip.width()),
                                         quint32(tip.height()),
                                         1,
                                         0,
                                         quint32(std::max(1, contents.spacing))};
    for (quint32 i = 0; i < kHeaderWords; ++i)
        qToBigEndian(words[i], out + 4 * i);
    std::memcpy(out + 20, kMagic, 4);
    std::memcpy(out + kFixedHeaderSize, name.constData(), size_t(name.size()));
    char* pixels = out + headerSize;
    for (int y = 0; y < tip.height(); ++y)
        std::memcpy(pixels + qsizetype(y) * tip.width(), tip.constScanLine(y), size_t(tip.width()));
    return bytes;
}

std::optional<GimpBrushFile::Contents> GimpBrushFile::read(const QByteArray& bytes)
{
    if (bytes.size() < qsizetype(kFixedHeaderSize))
        return std::nullopt;
    const char* in = bytes.constData();
    quint32 words[kHeaderWords];
    for (quint32 i = 0; i < kHeaderWords; ++i)
        words[i] = qFromBigEndian<quint32>(in + 4 * i);
    const quint32 headerSize = words[0];
    const quint32 width = words[2];
    const quint32 height = words[3];
    if (words[1] != kVersion || words[4] != 1 || std::memcmp(in + 20, kMagic, 4) != 0 ||
        headerSize <= kFixedHeaderSize || width == 0 || height == 0 || width > kMaxSide ||
        height > kMaxSide || quint64(headerSize) + quint64(width) * height > quint64(bytes.size()))
        return std::nullopt;
    Contents contents;
    const char* name = in + kFixedHeaderSize;
    contents.name = QString::fromUtf8(name, qstrnlen(name, headerSize - kFixedHeaderSize));
    contents.spacing = int(words[6]);
    contents.tip = QImage(int(width), int(height), QImage::Format_Grayscale8);
    for (quint32 y = 0; y < height; ++y)
        std::memcpy(contents.tip.scanLine(int(y)), in + headerSize + quint64(y) * width, width);
    return contents;
}
