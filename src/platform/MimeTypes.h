#pragma once

#include <QString>

// The shared-mime-info type for files with this extension ("abr"), or empty when the database
// only knows them as generic data.
QString MimeTypeNameForExtension(const QString& extension);
// That type's comment, the name file managers show for such files; empty when there is no type.
QString MimeTypeCommentForExtension(const QString& extension);
