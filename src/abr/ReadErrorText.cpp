#include "abr/ReadErrorText.h"

#include <cstring>

QString ReadErrorText(int code)
{
    switch (code) {
    case kDamagedFileError:
        return QStringLiteral("not a valid brush file, or damaged");
    case kEndOfFileError:
        return QStringLiteral("the file ended early");
    case kNotRegularFileError:
        return QStringLiteral("not a regular file");
    default:
        if (code < 0) {
            // The system's text ("No such file or directory"), made to read inside a sentence.
            QString text = QString::fromLocal8Bit(std::strerror(-code));
            if (text.size() > 1 && text.at(0).isUpper() && text.at(1).isLower())
                text[0] = text.at(0).toLower();
            return text;
        }
        return QStringLiteral("error %1").arg(code);
    }
}

QString UnsupportedVersionText(int version)
{
    if (!ReadOutcome::IsPlausibleBrushFileVersion(version))
        return QStringLiteral("not a brush file");
    return QStringLiteral("unsupported version %1").arg(version);
}
