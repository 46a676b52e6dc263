#pragma once

#include "library/CLibrary.h"

#include <QAbstractListModel>
#include <vector>

// Brushes a library search found, one row each: the brush's name (or its place in its file when
// it has none) for display, its file for the tooltip. Thumbnails are the view's business.
class LibraryResultsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum eRole
    {
        eBrushIdRole = Qt::UserRole + 1,
        ePathRole,
        ePositionRole,
        eStarredRole,
    };

    using QAbstractListModel::QAbstractListModel;

    void setResults(std::vector<LibraryBrush> results);
    // The row of the brush with that id; -1 when it is not among the results.
    int rowOf(qint64 id) const;

    // A catalogued brush as the window names it: its own name, or its place in its file.
    static QString shownName(const std::optional<QString>& name, int position);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<LibraryBrush> mResults;
};
