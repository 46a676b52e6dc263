#pragma once

#include "brush/Pattern.h"

#include <QImage>
#include <QRgba64>
#include <vector>

// A pattern of each kind the brush-file reader hands on, 2 x 1 pixels, with the pixel bytes a
// .pat must hold for it, worked out by hand.
struct PatternCase
{
    PatternPtr pattern;
    int bytesPerPixel;
    QByteArray pixels;
};

inline std::vector<PatternCase> MadeUpPatterns()
{
    auto make = [](const char* name, const char* id, Pattern::Mode mode, int depth, QImage image) {
        return std::make_shared<const Pattern>(QString::fromUtf8(name), QString::fromLatin1(id),
                                               mode, depth, std::move(image));
    };
    QImage grey(2, 1, QImage::Format_Grayscale8);
    grey.scanLine(0)[0] = 0;
    grey.scanLine(0)[1] = 200;
    QImage grey16(2, 1, QImage::Format_Grayscale16);
    reinterpret_cast<quint16*>(grey16.scanLine(0))[0] = 0xffff;
    reinterpret_cast<quint16*>(grey16.scanLine(0))[1] = 200 * 257;
    QImage greyAlpha(2, 1, QImage::Format_ARGB32);
    greyAlpha.setPixel(0, 0, qRgba(200, 200, 200, 128));
    greyAlpha.setPixel(1, 0, qRgba(10, 10, 10, 255));
    QImage rgb(2, 1, QImage::Format_RGB32);
    rgb.setPixel(0, 0, qRgb(1, 2, 3));
    rgb.setPixel(1, 0, qRgb(250, 251, 252));
    QImage rgba(2, 1, QImage::Format_ARGB32);
    rgba.setPixel(0, 0, qRgba(1, 2, 3, 4));
    rgba.setPixel(1, 0, qRgba(90, 80, 70, 0));
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60)});
    indexed.scanLine(0)[0] = 1;
    indexed.scanLine(0)[1] = 0;
    QImage deep(2, 1, QImage::Format_RGBA64);
    reinterpret_cast<QRgba64*>(deep.scanLine(0))[0] =
        QRgba64::fromRgba64(10 * 257, 20 * 257, 30 * 257, 128 * 257);
    reinterpret_cast<QRgba64*>(deep.scanLine(0))[1] = QRgba64::fromRgba64(65535, 0, 32896, 65535);
    using M = Pattern::Mode;
    return {
        {make("Grey", "id-grey", M::Grey, 8, grey), 1, QByteArray("\x00\xc8", 2)},
        {make("$$$/Presets/Patterns/Deep_grey=Deep grey", "id-grey16", M::Grey, 16, grey16), 1,
         QByteArray("\xff\xc8", 2)},
        {make("Grey and alpha", "id-grey-alpha", M::Grey, 8, greyAlpha), 2,
         QByteArray("\xc8\x80\x0a\xff", 4)},
        {make("RGB", "id-rgb", M::Rgb, 8, rgb), 3, QByteArray("\x01\x02\x03\xfa\xfb\xfc", 6)},
        {make("RGBA", "id-rgba", M::Rgb, 8, rgba), 4,
         QByteArray("\x01\x02\x03\x04\x5a\x50\x46\x00", 8)},
        {make("Indexed", "id-indexed", M::Indexed, 8, indexed), 3,
         QByteArray("\x28\x32\x3c\x0a\x14\x1e", 6)},
        {make("RGBA 16-bit", "id-deep", M::Rgb, 16, deep), 4,
         QByteArray("\x0a\x14\x1e\x80\xff\x00\x80\xff", 8)},
    };
}
