#include "abr/ReadErrorText.h"

#include "stream/CReadOnlyFile.h"

#include <cstring>

QString ReadErrorText(int code)
{
    switch (code) {
    case -1:
        return QStringLiteral("not a valid brush file, or damaged");
    case -39:
        return QStringLiteral("the file ended early");
    case CReadOnlyFile::kNotRegularFileError:
        return QStringLiteral("not a regular file");
    default:
        if (code < 0)
            return QString::fromLocal8Bit(std::strerror(-code));
        return QStringLiteral("error %1").arg(code);
    }
}
