#include "platform/MimeTypes.h"

#include <QMimeDatabase>

namespace {
QMimeType TypeForExtension(const QString& extension)
{
    return QMimeDatabase().mimeTypeForFile(QStringLiteral("file.") + extension,
                                           QMimeDatabase::MatchExtension);
}
} // namespace

QString MimeTypeNameForExtension(const QString& extension)
{
    const QMimeType type = TypeForExtension(extension);
    return type.isValid() && !type.isDefault() ? type.name() : QString();
}

QString MimeTypeCommentForExtension(const QString& extension)
{
    const QMimeType type = TypeForExtension(extension);
    return type.isValid() && !type.isDefault() ? type.comment() : QString();
}
