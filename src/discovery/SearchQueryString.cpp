#include "discovery/SearchQueryString.h"

#include "platform/Logging.h"
#include "platform/MimeTypes.h"

#include <QStringList>

QString searchQueryString()
{
    const QString typeIdentifier = MimeTypeNameForExtension(QStringLiteral("abr"));
    const QString typeClause = typeIdentifier.isEmpty()
                                   ? QString()
                                   : QStringLiteral("kMDItemContentType == ") + typeIdentifier;

    const QString kind = MimeTypeCommentForExtension(QStringLiteral("abr"));
    QString nameClause;
    if (kind.isEmpty()) {
        qCInfo(lcDiscovery, "Searching by suffix");
        nameClause = kBrushFileNameQuery;
    } else {
        if (kind != QLatin1String("Adobe Photoshop brushes file"))
            qCInfo(lcDiscovery).noquote() << QStringLiteral("abr type is \"%1\"").arg(kind);
        // The kind names under which Photoshop registers brush files in its languages.
        static const char* const kinds[] = {
            "Adobe Photoshop brushes file",           "Adobe Photoshop Elements brushes file",
            "Archivo de pinceles de Adobe Photoshop", "Adobe Photoshop Pinsel-Datei",
            "File pennelli di Adobe Photoshop",       "Adobe Photoshop penselfil",
            "Adobe Photoshop ブラシファイル",         "Fichier de formes Adobe Photoshop",
        };
        QStringList clauses;
        for (const char* name : kinds)
            clauses << QStringLiteral("kMDItemKind == \"%1\"").arg(QString::fromUtf8(name));
        nameClause = clauses.join(QStringLiteral(" || "));
    }
    return typeClause.isEmpty() ? nameClause : typeClause + QStringLiteral(" || ") + nameClause;
}
