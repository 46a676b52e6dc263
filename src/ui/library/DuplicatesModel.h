#pragma once

#include <QAbstractItemModel>
#include <QStringList>
#include <optional>
#include <vector>

class CLibrary;

// The library's duplicates as a two-level tree: a row per group (whole files alike, or one tip
// in several files), under it a row per member (a file, or a brush of a file). Two columns: the
// brush's name (the file's name for whole files) and the file's path. Thumbnails are not the
// model's business: the view asks the library by BrushIdRole for the rows it shows.
class DuplicatesModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role
    {
        PathRole = Qt::UserRole + 1, // QString: the member's file
        BrushIdRole,                 // qint64: the library's brush; 0 for a file or a group
        PositionRole,                // int: the brush's place in its file; -1 for a file
    };

    explicit DuplicatesModel(QObject* parent = nullptr);

    // Reads the groups again; members whose file is no longer there are left out.
    void reload(CLibrary* library);
    // The file went (to the trash, say): its members go, and so does a group left with fewer
    // than two files.
    void removePath(const QString& path);
    int groupCount() const { return int(mGroups.size()); }
    // "Files[a.abr b.abr] Tip “Ink”[a.abr#0 c.abr#2]": for tests.
    QString dump() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Member
    {
        QString path;
        qint64 brushId = 0;
        int position = -1;
        std::optional<QString> name;
    };
    struct Group
    {
        bool wholeFiles = false;
        std::vector<Member> members;
    };
    static int fileCount(const Group& group, const QString& without = {});
    QString groupTitle(const Group& group) const;

    std::vector<Group> mGroups;
};
