#include "ui/library/LibraryResultsModel.h"

#include <algorithm>

void LibraryResultsModel::setResults(std::vector<LibraryBrush> results)
{
    beginResetModel();
    mResults = std::move(results);
    endResetModel();
}

int LibraryResultsModel::rowOf(qint64 id) const
{
    const auto found = std::find_if(mResults.begin(), mResults.end(),
                                    [id](const LibraryBrush& brush) { return brush.id == id; });
    return found == mResults.end() ? -1 : int(found - mResults.begin());
}

int LibraryResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(mResults.size());
}

QVariant LibraryResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const LibraryBrush& brush = mResults[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return shownName(brush.name, brush.position);
    case Qt::AccessibleTextRole:
        return brush.starred ? tr("%1, starred").arg(shownName(brush.name, brush.position))
                             : shownName(brush.name, brush.position);
    // The cell shows the brush alone; which file it is in is heard here.
    case Qt::AccessibleDescriptionRole:
        return tr("Brush %1 in %2").arg(brush.position + 1).arg(brush.path);
    case Qt::ToolTipRole:
        return QStringLiteral("%1\n%2").arg(data(index).toString(), brush.path);
    case eBrushIdRole:
        return brush.id;
    case ePathRole:
        return brush.path;
    case ePositionRole:
        return brush.position;
    case eStarredRole:
        return brush.starred;
    default:
        return {};
    }
}

QString LibraryResultsModel::shownName(const std::optional<QString>& name, int position)
{
    return name && !name->isEmpty() ? *name : tr("Brush %1").arg(position + 1);
}
