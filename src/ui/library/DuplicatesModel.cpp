#include "ui/library/DuplicatesModel.h"

#include "library/CLibrary.h"
#include "ui/library/LibraryResultsModel.h"

#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <tuple>

// Group rows carry no internal id; member rows carry their group's row + 1, so parent() needs
// no back pointers:
//
//   (root)                   id 0
//   ├─ group 0               id 0
//   │   ├─ member 0          id 1
//   │   └─ member 1          id 1
//   └─ group 1               id 0
//       └─ member 0          id 2

DuplicatesModel::DuplicatesModel(QObject* parent) : QAbstractItemModel(parent) {}

void DuplicatesModel::reload(CLibrary* library)
{
    std::vector<Group> groups;
    if (library) {
        // A file trashed or deleted since it was catalogued is not offered again.
        QHash<QString, bool> present;
        auto there = [&present](const QString& path) {
            auto it = present.find(path);
            if (it == present.end())
                it = present.insert(path, QFileInfo::exists(path));
            return *it;
        };
        for (const QStringList& paths : library->duplicateFiles()) {
            Group group{true, {}};
            for (const QString& path : paths) {
                if (there(path))
                    group.members.push_back({path, 0, -1, std::nullopt});
            }
            if (fileCount(group) > 1)
                groups.push_back(std::move(group));
        }
        const size_t firstTips = groups.size();
        for (const DuplicateTips& tips : library->duplicateTips()) {
            Group group{false, {}};
            for (const LibraryBrush& brush : tips.brushes) {
                if (there(brush.path))
                    group.members.push_back({brush.path, brush.id, brush.position, brush.name});
            }
            if (fileCount(group) > 1)
                groups.push_back(std::move(group));
        }
        // The library orders tips by their hash, which means nothing to anyone: by the first
        // file they are in, then where in it, instead.
        std::sort(groups.begin() + qsizetype(firstTips), groups.end(),
                  [](const Group& a, const Group& b) {
                      const Member& x = a.members.front();
                      const Member& y = b.members.front();
                      return std::tie(x.path, x.position) < std::tie(y.path, y.position);
                  });
    }
    beginResetModel();
    mGroups = std::move(groups);
    endResetModel();
}

int DuplicatesModel::fileCount(const Group& group, const QString& without)
{
    QSet<QString> files;
    for (const Member& member : group.members) {
        if (member.path != without)
            files.insert(member.path);
    }
    return int(files.size());
}

void DuplicatesModel::removePath(const QString& path)
{
    // From the last group up, so the rows still to be looked at keep their numbers.
    for (int g = int(mGroups.size()) - 1; g >= 0; --g) {
        Group& group = mGroups[size_t(g)];
        const int left = fileCount(group, path);
        if (left == fileCount(group))
            continue;
        if (left < 2) {
            beginRemoveRows({}, g, g);
            mGroups.erase(mGroups.begin() + g);
            endRemoveRows();
            continue;
        }
        // Members are in path order, so one file's brushes sit together.
        auto& members = group.members;
        const auto first = std::find_if(members.begin(), members.end(),
                                        [&](const Member& m) { return m.path == path; });
        const auto last =
            std::find_if(first, members.end(), [&](const Member& m) { return m.path != path; });
        const int from = int(first - members.begin());
        beginRemoveRows(index(g, 0), from, from + int(last - first) - 1);
        members.erase(first, last);
        endRemoveRows();
    }
}

QString DuplicatesModel::dump() const
{
    QStringList parts;
    for (const Group& group : mGroups) {
        QStringList members;
        for (const Member& m : group.members) {
            const QString name = QFileInfo(m.path).fileName();
            members << (group.wholeFiles ? name
                                         : name + QLatin1Char('#') + QString::number(m.position));
        }
        parts << (group.wholeFiles ? QStringLiteral("Files") : QStringLiteral("Tips")) +
                     QLatin1Char('[') + members.join(QLatin1Char(' ')) + QLatin1Char(']');
    }
    return parts.join(QLatin1Char(' '));
}

QString DuplicatesModel::groupTitle(const Group& group) const
{
    const int files = fileCount(group);
    if (group.wholeFiles)
        return tr("%n identical files", nullptr, files);
    const Member& first = group.members.front();
    if (first.name && !first.name->isEmpty())
        return tr("“%1” in %n files", nullptr, files).arg(*first.name);
    return tr("One tip in %n files", nullptr, files);
}

QModelIndex DuplicatesModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= columnCount())
        return {};
    if (!parent.isValid())
        return size_t(row) < mGroups.size() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || parent.column() != 0)
        return {};
    const Group& group = mGroups[size_t(parent.row())];
    return size_t(row) < group.members.size() ? createIndex(row, column, quintptr(parent.row()) + 1)
                                              : QModelIndex();
}

QModelIndex DuplicatesModel::parent(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == 0)
        return {};
    return createIndex(int(index.internalId()) - 1, 0, quintptr(0));
}

int DuplicatesModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(mGroups.size());
    if (parent.internalId() != 0 || parent.column() != 0)
        return 0;
    return int(mGroups[size_t(parent.row())].members.size());
}

int DuplicatesModel::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant DuplicatesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == 0) {
        const Group& group = mGroups[size_t(index.row())];
        if (role == Qt::DisplayRole && index.column() == 0)
            return groupTitle(group);
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == PositionRole)
            return -1;
        return {};
    }
    const Group& group = mGroups[size_t(index.internalId()) - 1];
    const Member& member = group.members[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 1)
            return member.path;
        if (member.brushId == 0)
            return QFileInfo(member.path).fileName();
        return LibraryResultsModel::shownName(member.name, member.position);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return member.path;
    case PathRole:
        return member.path;
    case BrushIdRole:
        return member.brushId;
    case PositionRole:
        return member.position;
    default:
        return {};
    }
}

QVariant DuplicatesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Brush") : tr("File");
}
