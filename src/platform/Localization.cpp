#include "platform/Localization.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QHash<QString, QString> LoadTable()
{
    QHash<QString, QString> table;
    QFile file(QStringLiteral(":/kelbrin/localizable.json"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = object.begin(); it != object.end(); ++it)
        table.insert(it.key(), it.value().toString());
    return table;
}
} // namespace

QString LocalizedString(const QString& key)
{
    static const QHash<QString, QString> table = LoadTable();
    return table.value(key);
}
