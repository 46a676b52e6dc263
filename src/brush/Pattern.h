#pragma once

#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

// A texture that a brush file carries for its presets to paint through. Built whole on the
// reading thread, then only read, so it is shared without locks like a brush.
class Pattern
{
public:
    // The colour modes pattern records use; the numbers are the ones the records store.
    enum class Mode
    {
        Bitmap = 0,
        Grey = 1,
        Indexed = 2,
        Rgb = 3,
        Cmyk = 4,
        Multichannel = 7,
        Duotone = 8,
        Lab = 9,
    };

    // `image` holds the pattern in its own colours where Qt has a format for them (grey,
    // indexed through the pattern's palette, RGB, with alpha when the pattern has an alpha
    // channel, 16-bit formats for 16-bit patterns); CMYK and Lab arrive already converted to RGB.
    Pattern(QString name, QString identifier, Mode mode, int depth, QImage image);

    // As stored, a terminating zero unit or a Photoshop resource string
    // ("$$$/Presets/Patterns/…=Gray Granite") included; displayName() is ReadableName() of it.
    const QString& name() const { return mName; }
    QString displayName() const;
    const QString& identifier() const { return mIdentifier; }
    Mode mode() const { return mMode; }
    // Bits per channel: 8 or 16; 1 for a bitmap pattern stored a bit a pixel.
    int depth() const { return mDepth; }
    QSize pixelSize() const { return mImage.size(); }
    const QImage& image() const { return mImage; }
    bool hasAlpha() const { return mImage.hasAlphaChannel(); }

    // Lower-case words for listings: "bitmap", "grey", "indexed", "rgb", "cmyk",
    // "multichannel", "duotone", "lab".
    static const char* modeName(Mode mode);
    // The plain mode for a number read from a file; false for a number no mode has.
    static bool modeFromNumber(int number, Mode& mode);

private:
    QString mName;
    QString mIdentifier;
    Mode mMode;
    int mDepth;
    QImage mImage;
};

using PatternPtr = std::shared_ptr<const Pattern>;

// The pattern a brush preset paints through, as its descriptor names it.
struct PatternReference
{
    QString name;
    QString identifier;
};

// The file's pattern a preset's texture names: by its identifier, which Photoshop keeps unique,
// else by name for presets saved without one; a terminating zero unit on either side is no
// difference. Null when the file does not hold it.
PatternPtr FindPattern(const PatternReference& reference, const std::vector<PatternPtr>& patterns);

Q_DECLARE_METATYPE(PatternPtr)
