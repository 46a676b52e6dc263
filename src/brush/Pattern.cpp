#include "brush/Pattern.h"

#include "brush/Brush.h"

Pattern::Pattern(QString name, QString identifier, Mode mode, int depth, QImage image)
    : mName(std::move(name)), mIdentifier(std::move(identifier)), mMode(mode), mDepth(depth),
      mImage(std::move(image))
{}

QString Pattern::displayName() const
{
    return ReadableName(mName);
}

const char* Pattern::modeName(Mode mode)
{
    switch (mode) {
    case Mode::Bitmap:
        return "bitmap";
    case Mode::Grey:
        return "grey";
    case Mode::Indexed:
        return "indexed";
    case Mode::Rgb:
        return "rgb";
    case Mode::Cmyk:
        return "cmyk";
    case Mode::Multichannel:
        return "multichannel";
    case Mode::Duotone:
        return "duotone";
    case Mode::Lab:
        return "lab";
    }
    return "unknown";
}

bool Pattern::modeFromNumber(int number, Mode& mode)
{
    switch (number) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 7:
    case 8:
    case 9:
        mode = static_cast<Mode>(number);
        return true;
    default:
        return false;
    }
}

namespace {
QStringView WithoutTerminator(QStringView text)
{
    while (!text.isEmpty() && text.back().isNull())
        text.chop(1);
    return text;
}
} // namespace

PatternPtr FindPattern(const PatternReference& reference, const std::vector<PatternPtr>& patterns)
{
    const QStringView identifier = WithoutTerminator(reference.identifier);
    const QStringView name = WithoutTerminator(reference.name);
    for (const bool byIdentifier : {true, false})
        for (const PatternPtr& pattern : patterns) {
            if (byIdentifier ? !identifier.isEmpty() &&
                                   WithoutTerminator(pattern->identifier()) == identifier
                             : !name.isEmpty() && WithoutTerminator(pattern->name()) == name)
                return pattern;
        }
    return nullptr;
}
