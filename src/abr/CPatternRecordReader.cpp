#include "abr/CPatternRecordReader.h"

#include "platform/Logging.h"
#include "stream/ReadErrors.h"

#include <QRgba64>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {
// The fields before the name: version, mode, height, width, name length.
constexpr long long kFixedFieldBytes = 4 + 4 + 2 + 2 + 4;
// Bytes of a channel entry's header that its length counts: depth, rectangle, depth again,
// compression.
constexpr long long kChannelHeaderBytes = 4 + 16 + 2 + 1;

using SPlane = CPatternRecordReader::SPlane;

// How many of the channels that lead a pattern's list carry its colour.
int ColourChannels(Pattern::Mode mode)
{
    switch (mode) {
    case Pattern::Mode::Rgb:
    case Pattern::Mode::Lab:
        return 3;
    case Pattern::Mode::Cmyk:
        return 4;
    default:
        return 1; // Multichannel and duotone patterns are shown by their first channel.
    }
}

// Photoshop keeps 16-bit channels from 0 to 32,768, as the brush samples show; this spreads
// them over Qt's 0 to 65,535.
quint16 Spread16(quint16 v)
{
    return static_cast<quint16>(std::min<unsigned>(65535U, unsigned(v) * 65535U / 32768U));
}

int Sample8(const SPlane& plane, size_t i)
{
    if (plane.depth == 16)
        return reinterpret_cast<const quint16*>(plane.samples.data())[i] >> 8;
    return plane.samples[i];
}

quint16 Sample16(const SPlane& plane, size_t i)
{
    if (plane.depth == 16)
        return reinterpret_cast<const quint16*>(plane.samples.data())[i];
    return static_cast<quint16>(plane.samples[i] * 257);
}

// The 1-bit plane's pixel as 8-bit grey: Photoshop's bitmap images set a bit for black.
int BitmapGrey(const SPlane& plane, long long width, long long x, long long y)
{
    const long long rowBytes = (width + 7) / 8;
    const unsigned char byte = plane.samples[size_t(y * rowBytes + x / 8)];
    return (byte >> (7 - x % 8)) & 1 ? 0 : 255;
}

// Approximate: CMYK without a colour profile, stored as Photoshop stores it (255 for no ink).
QRgb CmykToRgb(int c, int m, int y, int k)
{
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Approximate: Lab (D65 white) through XYZ to sRGB, with no profile and no gamut mapping.
QRgb LabToRgb(int l8, int a8, int b8)
{
    const double l = l8 * 100.0 / 255.0;
    const double fy = (l + 16.0) / 116.0;
    const double fx = fy + (a8 - 128) / 500.0;
    const double fz = fy - (b8 - 128) / 200.0;
    auto inverse = [](double f) {
        return f > 6.0 / 29.0 ? f * f * f : 3.0 * (6.0 / 29.0) * (6.0 / 29.0) * (f - 4.0 / 29.0);
    };
    const double x = 0.95047 * inverse(fx);
    const double y = inverse(fy);
    const double z = 1.08883 * inverse(fz);
    auto encode = [](double linear) {
        linear = std::clamp(linear, 0.0, 1.0);
        const double v =
            linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
        return int(std::lround(v * 255.0));
    };
    return qRgb(encode(3.2406 * x - 1.5372 * y - 0.4986 * z),
                encode(-0.9689 * x + 1.8758 * y + 0.0415 * z),
                encode(0.0557 * x - 0.2040 * y + 1.0570 * z));
}

// The pattern in its own colours where Qt has a format for them; CMYK and Lab as 8-bit RGB.
// `alpha` may be null.
QImage BuildImage(Pattern::Mode mode, int width, int height, const std::vector<SPlane>& colour,
                  const SPlane* alpha, const std::vector<QRgb>& palette)
{
    const int depth = colour.front().depth;
    const bool wide = depth == 16 && (mode != Pattern::Mode::Cmyk && mode != Pattern::Mode::Lab);
    const bool greyLike = ColourChannels(mode) == 1 && mode != Pattern::Mode::Indexed;
    QImage::Format format = QImage::Format_RGB32;
    if (alpha)
        format = wide ? QImage::Format_RGBA64 : QImage::Format_ARGB32;
    else if (depth == 1)
        format = QImage::Format_Mono;
    else if (mode == Pattern::Mode::Indexed)
        format = QImage::Format_Indexed8;
    else if (greyLike)
        format = wide ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8;
    else if (wide)
        format = QImage::Format_RGBX64;
    QImage image(width, height, format);
    if (image.isNull())
        return image;

    if (format == QImage::Format_Mono) {
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        const size_t rowBytes = size_t(width + 7) / 8;
        for (int y = 0; y < height; ++y)
            std::copy_n(colour[0].samples.data() + y * rowBytes, rowBytes, image.scanLine(y));
        return image;
    }
    if (format == QImage::Format_Indexed8) {
        image.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
        for (int y = 0; y < height; ++y)
            std::copy_n(colour[0].samples.data() + size_t(y) * width, width, image.scanLine(y));
        return image;
    }
    if (mode == Pattern::Mode::Rgb && depth == 8) {
        // The common case, kept free of the per-pixel choices below.
        const uchar* r = colour[0].samples.data();
        const uchar* g = colour[1].samples.data();
        const uchar* b = colour[2].samples.data();
        const uchar* a = alpha ? alpha->samples.data() : nullptr;
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const size_t row = size_t(y) * width;
            for (int x = 0; x < width; ++x) {
                const size_t i = row + x;
                line[x] = qRgba(r[i], g[i], b[i], a ? a[i] : 255);
            }
        }
        return image;
    }
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const size_t i = size_t(y) * width + x;
            if (wide) {
                const quint16 a = alpha ? Sample16(*alpha, i) : 65535;
                if (greyLike && !alpha) {
                    reinterpret_cast<quint16*>(line)[x] = Sample16(colour[0], i);
                    continue;
                }
                const quint16 r = Sample16(colour[0], i);
                const quint16 g = greyLike ? r : Sample16(colour[1], i);
                const quint16 b = greyLike ? r : Sample16(colour[2], i);
                reinterpret_cast<QRgba64*>(line)[x] = QRgba64::fromRgba64(r, g, b, a);
                continue;
            }
            if (format == QImage::Format_Grayscale8) {
                line[x] = uchar(Sample8(colour[0], i));
                continue;
            }
            QRgb rgb;
            if (depth == 1) {
                const int g = BitmapGrey(colour[0], width, x, y);
                rgb = qRgb(g, g, g);
            } else if (mode == Pattern::Mode::Indexed) {
                rgb = palette[size_t(colour[0].samples[i])];
            } else if (greyLike) {
                const int g = Sample8(colour[0], i);
                rgb = qRgb(g, g, g);
            } else if (mode == Pattern::Mode::Cmyk) {
                rgb = CmykToRgb(Sample8(colour[0], i), Sample8(colour[1], i), Sample8(colour[2], i),
                                Sample8(colour[3], i));
            } else if (mode == Pattern::Mode::Lab) {
                rgb = LabToRgb(Sample8(colour[0], i), Sample8(colour[1], i), Sample8(colour[2], i));
            } else {
                rgb = qRgb(Sample8(colour[0], i), Sample8(colour[1], i), Sample8(colour[2], i));
            }
            const int a = alpha ? Sample8(*alpha, i) : 255;
            reinterpret_cast<QRgb*>(line)[x] = (rgb & 0x00FFFFFFU) | (QRgb(a) << 24);
        }
    }
    return image;
}

long long Align4(long long start, long long position)
{
    return start + (position - start + 3) / 4 * 4;
}
} // namespace

CPatternRecordReader::CPatternRecordReader(CABRreader::Impl& reader,
                                           const CABRreader::Impl::SChunkHeader& section)
    : mReader(reader), mStart(section.offset), mEnd(section.offset + section.length),
      mPosition(section.offset)
{}

CPatternRecordReader::eResult CPatternRecordReader::Next(PatternPtr* pattern)
{
    // Fewer than four bytes left are padding.
    if (mEnd - mPosition < 4)
        return eResult::eEnd;
    mReader.mStream.SkipTo(mPosition);
    const long long recordEnd = mPosition + 4 + mReader.mStream.ReadU32();
    if (recordEnd > mEnd || recordEnd - mPosition < 4 + kFixedFieldBytes) {
        mReader.mDamaged = true;
        mPosition = mEnd;
        return eResult::eEnd;
    }
    const long long start = mPosition;
    mPosition = std::min(mEnd, Align4(mStart, recordEnd));
    try {
        *pattern = ReadRecord(recordEnd);
        return eResult::ePattern;
    } catch (int) {
        qCWarning(lcAbr) << "pattern record at" << start << "is damaged";
        mReader.mDamaged = true;
    } catch (const SUnsupported&) {
        qCInfo(lcAbr) << "pattern record at" << start << "is in a format not read";
    }
    return eResult::eSkipped;
}

void CPatternRecordReader::Need(long long n, long long recordEnd) const
{
    if (n < 0 || n > recordEnd - mReader.mStream.GetPosition())
        throw kDamagedFileError;
}

// Pattern record, after its 4-byte length R:
//   4 version (1)                  4 image mode (the mode numbers of Pattern::Mode)
//   2 height, 2 width              4 name length n, 2n UTF-16 units (a final zero unit or not)
//   1 identifier length m, m bytes
//   [768 palette of 256 RGB triples, indexed mode only; sometimes 4 more bytes after it]
//   virtual memory array list:
//     4 version (3), 4 length, 4 top, 4 left, 4 bottom, 4 right, 4 channel count C
//     C + 2 channel entries (the last two: user mask, sheet mask), see ReadChannels
//   padding to a multiple of 4
PatternPtr CPatternRecordReader::ReadRecord(long long recordEnd)
{
    CInStream& stream = mReader.mStream;
    Need(kFixedFieldBytes, recordEnd);
    if (stream.ReadU32() != 1)
        throw kDamagedFileError;
    Pattern::Mode mode;
    if (!Pattern::modeFromNumber(int(stream.ReadU32()), mode))
        throw kDamagedFileError;
    const long long height = stream.ReadU16();
    const long long width = stream.ReadU16();
    const long long nameUnits = stream.ReadU32();
    Need(2 * nameUnits + 1, recordEnd);
    QString name(qsizetype(nameUnits), Qt::Uninitialized);
    stream.ReadGeneric(name.data(), kSize2, static_cast<unsigned long>(nameUnits), false);
    while (!name.isEmpty() && name.back().isNull())
        name.chop(1);
    const unsigned char identifierLength = stream.ReadU8();
    Need(identifierLength, recordEnd);
    QByteArray identifier(identifierLength, Qt::Uninitialized);
    stream.ReadGeneric(identifier.data(), kSize1, identifierLength, false);

    std::vector<QRgb> palette;
    if (mode == Pattern::Mode::Indexed) {
        unsigned char table[768];
        Need(768, recordEnd);
        stream.ReadGeneric(table, kSize1, 768, false);
        for (int i = 0; i < 256; ++i)
            palette.push_back(qRgb(table[3 * i], table[3 * i + 1], table[3 * i + 2]));
        // Some writers put four bytes between the palette and the list; the list's version
        // tells where it starts.
        Need(8, recordEnd);
        const long long listAt = stream.GetPosition();
        const unsigned first = stream.ReadU32();
        const unsigned second = stream.ReadU32();
        stream.SkipTo(first != 3 && second == 3 ? listAt + 4 : listAt);
    }

    Need(4 + 4 + 16 + 4, recordEnd);
    if (stream.ReadU32() != 3)
        throw kDamagedFileError;
    stream.ReadU32(); // The list's length; the entries' own lengths are what is read by.
    const long long top = stream.ReadS32();
    const long long left = stream.ReadS32();
    const long long bottom = stream.ReadS32();
    const long long right = stream.ReadS32();
    if (bottom - top != height || right - left != width)
        throw kDamagedFileError;
    const std::vector<SPlane> planes = ReadChannels(
        width, height, mode == Pattern::Mode::Multichannel ? -1 : ColourChannels(mode), recordEnd);
    const int colourCount = ColourChannels(mode);
    const std::vector<SPlane> colour(planes.begin(), planes.begin() + colourCount);
    const SPlane* alpha = planes.size() > size_t(colourCount) ? &planes.back() : nullptr;
    // 1-bit data only makes sense for bitmap patterns, and a palette has 8-bit indices.
    // Photoshop's bitmap images have no alpha either.
    const int depth = colour.front().depth;
    if ((depth == 1 && (mode != Pattern::Mode::Bitmap || alpha)) ||
        (mode == Pattern::Mode::Indexed && depth != 8))
        throw SUnsupported();

    QImage image = BuildImage(mode, int(width), int(height), colour, alpha, palette);
    if (image.isNull())
        throw kDamagedFileError;
    return std::make_shared<Pattern>(std::move(name), QString::fromLatin1(identifier), mode, depth,
                                     std::move(image));
}

// Channel entry, C + 2 of them:
//   4 written flag; when 0 nothing else follows
//   4 length L; when 0 nothing else follows
//   4 depth, 4 top, 4 left, 4 bottom, 4 right, 2 depth, 1 compression (0 raw, 1 run-length),
//   L - 23 bytes of data: rows, with a row table of 2 x height bytes before run-length rows
// The colour channels come first; the first entry written after them (another channel or the
// user mask) is taken as alpha. `colourChannels` is negative for a multichannel pattern, whose
// first channel is its image and whose other channels are no alpha.
std::vector<SPlane> CPatternRecordReader::ReadChannels(long long width, long long height,
                                                       int colourChannels, long long recordEnd)
{
    CInStream& stream = mReader.mStream;
    const bool alphaWanted = colourChannels > 0;
    const size_t wanted = alphaWanted ? size_t(colourChannels) + 1 : 1;
    Need(4, recordEnd);
    const long long entries = 2 + (long long)stream.ReadU32();
    Need(4 * entries, recordEnd);
    std::vector<SPlane> planes;
    for (long long i = 0; i < entries && planes.size() < wanted; ++i) {
        Need(4, recordEnd);
        if (stream.ReadU32() == 0)
            continue;
        Need(4, recordEnd);
        const long long length = stream.ReadU32();
        Need(length, recordEnd);
        const long long entryEnd = stream.GetPosition() + length;
        if (length == 0)
            continue;
        if (length < kChannelHeaderBytes)
            throw kDamagedFileError;
        // A colour channel that was not written would leave its place to the next.
        if (i != (long long)planes.size() && planes.size() < size_t(std::abs(colourChannels)))
            throw kDamagedFileError;
        const unsigned depth = stream.ReadU32();
        const long long top = stream.ReadS32();
        const long long left = stream.ReadS32();
        const long long bottom = stream.ReadS32();
        const long long right = stream.ReadS32();
        const unsigned depthAgain = stream.ReadU16();
        const unsigned char compression = stream.ReadU8();
        if (depth != depthAgain || bottom - top != height || right - left != width ||
            (!planes.empty() && depth != unsigned(planes.front().depth)))
            throw kDamagedFileError;
        if ((depth != 1 && depth != 8 && depth != 16) || compression > 1)
            throw SUnsupported();
        SPlane plane;
        plane.depth = int(depth);
        const long long rowSamples = depth == 1 ? (width + 7) / 8 : width;
        plane.samples = mReader.ReadPixels(rowSamples, height, depth == 16 ? 2 : 1,
                                           compression == 1, entryEnd - stream.GetPosition());
        if (stream.GetPosition() > entryEnd)
            throw kDamagedFileError;
        if (depth == 16) {
            auto* samples = reinterpret_cast<quint16*>(plane.samples.data());
            const size_t count = plane.samples.size() / 2;
            for (size_t s = 0; s < count; ++s)
                samples[s] = Spread16(compression == 1 ? qFromBigEndian(samples[s]) : samples[s]);
        }
        planes.push_back(std::move(plane));
        stream.SkipTo(entryEnd);
    }
    if (planes.size() < size_t(std::abs(colourChannels)))
        throw kDamagedFileError;
    return planes;
}
