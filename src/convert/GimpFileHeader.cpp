#include "convert/GimpFileHeader.h"

#include "platform/ValidName.h"

#include <QtEndian>
#include <cstring>

QByteArray GimpFileHeader::write(const Format& format, qsizetype pixelBytes) const
{
    const QByteArray utf8 = ValidName(name, kMaxNameBytes).toUtf8() + '\0';
    const auto headerSize = quint32(format.words * 4 + utf8.size());
    QByteArray bytes(qsizetype(headerSize) + pixelBytes, Qt::Uninitialized);
    char* out = bytes.data();
    const quint32 words[] = {headerSize, format.version, width, height, bytesPerPixel, 0, spacing};
    for (quint32 i = 0; i < format.words; ++i)
        qToBigEndian(words[i], out + 4 * i);
    std::memcpy(out + 20, format.magic, 4);
    std::memcpy(out + 4 * format.words, utf8.constData(), size_t(utf8.size()));
    return bytes;
}

std::optional<GimpFileHeader> GimpFileHeader::read(const Format& format, const QByteArray& bytes)
{
    const quint32 fixedSize = format.words * 4;
    if (bytes.size() < qsizetype(fixedSize))
        return std::nullopt;
    const char* in = bytes.constData();
    quint32 words[7] = {};
    for (quint32 i = 0; i < format.words; ++i)
        words[i] = qFromBigEndian<quint32>(in + 4 * i);
    GimpFileHeader header;
    header.pixelsOffset = words[0];
    header.width = words[2];
    header.height = words[3];
    header.bytesPerPixel = words[4];
    header.spacing = words[6];
    // Sides of at most kMaxSide keep the product of the three far from overflowing.
    if (words[1] != format.version || std::memcmp(in + 20, format.magic, 4) != 0 ||
        header.pixelsOffset <= fixedSize || header.width == 0 || header.height == 0 ||
        header.width > kMaxSide || header.height > kMaxSide ||
        quint64(header.pixelsOffset) +
                quint64(header.width) * header.height * header.bytesPerPixel >
            quint64(bytes.size()))
        return std::nullopt;
    header.name = QString::fromUtf8(in + fixedSize,
                                    qstrnlen(in + fixedSize, header.pixelsOffset - fixedSize));
    return header;
}
