#include "ui/outline/OutlineDump.h"

#include "ui/outline/OutlineModel.h"

namespace {
void AppendRows(const QAbstractItemModel& model, const QModelIndex& parent, int level,
                QStringList& rows)
{
    const QString indent(2 * level, QLatin1Char(' '));
    for (int r = 0, n = model.rowCount(parent); r < n; ++r) {
        const QModelIndex index = model.index(r, 0, parent);
        const QString label = index.data(Qt::DisplayRole).toString();
        if (!index.data(OutlineModel::IsFolderRole).toBool()) {
            rows << indent + label;
            continue;
        }
        if (index.data(OutlineModel::PathRole).toString() == QLatin1String("/"))
            rows << indent + QStringLiteral("/");
        else
            rows << indent + label + QStringLiteral("/ (") +
                        index.data(OutlineModel::FileCountRole).toString() + QLatin1Char(')');
        AppendRows(model, index, level + 1, rows);
    }
}
} // namespace

QStringList OutlineDumpRows(const QAbstractItemModel& model)
{
    QStringList rows;
    AppendRows(model, {}, 0, rows);
    return rows;
}
