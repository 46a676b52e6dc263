#include "abr/ReadErrorText.h"

#include "platform/Translations.h"

#include <cstring>

QString ReadErrorText(int code)
{
    switch (code) {
    case kDamagedFileError:
        return Translated("ReadErrorText", "not a valid brush file, or damaged");
    case kEndOfFileError:
        return Translated("ReadErrorText", "the file ended early");
    case kNotRegularFileError:
        return Translated("ReadErrorText", "not a regular file");
    default:
        if (code < 0) {
            // The system's text ("No such file or directory"), made to read inside a sentence.
            QString text = QString::fromLocal8Bit(std::strerror(-code));
            if (text.size() > 1 && text.at(0).isUpper() && text.at(1).isLower())
                text[0] = text.at(0).toLower();
            return text;
        }
        return Translated("ReadErrorText", "error %1").arg(code);
    }
}

QString UnsupportedVersionText(int version)
{
    if (!ReadOutcome::IsPlausibleBrushFileVersion(version))
        return Translated("ReadErrorText", "not a brush file");
    return Translated("ReadErrorText", "unsupported version %1").arg(version);
}
