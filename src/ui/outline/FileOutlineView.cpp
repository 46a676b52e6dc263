#include "ui/outline/FileOutlineView.h"

#include "ui/outline/OutlineModel.h"
#include "ui/outline/OutlineRowDelegate.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <deque>

FileOutlineView::FileOutlineView(QWidget* parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new OutlineRowDelegate(this));
    setContextMenuPolicy(Qt::DefaultContextMenu);

    mMenu = new QMenu(this);
    mRevealAction = mMenu->addAction(tr("Show in File Manager"));
    mInstallAction = mMenu->addAction(tr("Install"));
    mMenu->addSeparator();
    mFavouriteAction = mMenu->addAction(tr("Favourite"));
    mFavouriteAction->setCheckable(true);
    mTagsAction = mMenu->addAction(tr("Tags…"));
    mMenu->addSeparator();
    mTrashAction = mMenu->addAction(tr("Move to Trash"));
    connect(mFavouriteAction, &QAction::triggered, this,
            [this](bool on) { Q_EMIT starRequested(mPickedPath, on); });
    connect(mTagsAction, &QAction::triggered, this, [this] { Q_EMIT tagsRequested(mPickedPath); });
    connect(mRevealAction, &QAction::triggered, this,
            [this] { Q_EMIT revealRequested(mPickedPath); });
    connect(mInstallAction, &QAction::triggered, this,
            [this] { Q_EMIT installRequested(mPickedPath); });
    connect(mTrashAction, &QAction::triggered, this,
            [this] { Q_EMIT trashRequested(mPickedPath); });

    connect(this, &QTreeView::expanded, this, &FileOutlineView::expandSingleFolderChain);
}

void FileOutlineView::setOutlineModel(OutlineModel* model)
{
    if (mOutlineModel)
        disconnect(mOutlineModel, nullptr, this, nullptr);
    mOutlineModel = model;
    setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileOutlineView::onSelectionChanged);
    if (model)
        followModelChanges();
}

void FileOutlineView::followModelChanges()
{
    // The search can take a selected row away and put it back elsewhere (a folder that is
    // passed over, a move), so the selection is kept by path, not by row.
    connect(mOutlineModel, &OutlineModel::itemsAboutToChange, this,
            [this] { mSelectionBeforeChange = getPathOfSelectedItem(); });
    connect(mOutlineModel, &OutlineModel::itemsDeleted, this, [this] {
        if (!mSelectionBeforeChange.isEmpty())
            selectFileByPath(mSelectionBeforeChange);
    });
    connect(mOutlineModel, &OutlineModel::itemsMoved, this,
            [this](const QStringList& oldPaths, const QStringList& newPaths) {
                const qsizetype moved = oldPaths.lastIndexOf(mSelectionBeforeChange);
                if (!mSelectionBeforeChange.isEmpty() && moved >= 0)
                    selectFileByPath(newPaths.value(moved));
            });
    connect(mOutlineModel, &OutlineModel::itemRenamed, this, [this](const QString& oldPath) {
        if (mSelectionBeforeChange.isEmpty() || !mSelectionBeforeChange.startsWith(oldPath))
            return;
        const QString now = getPathOfSelectedItem();
        if (!now.isEmpty())
            Q_EMIT selectedPathRenamed(now);
    });
}

QString FileOutlineView::getPathOfSelectedItem() const
{
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? QString() : rows.first().data(OutlineModel::PathRole).toString();
}

bool FileOutlineView::selectedItemIsFile() const
{
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return !rows.isEmpty() && !rows.first().data(OutlineModel::IsFolderRole).toBool();
}

void FileOutlineView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    // Qt hands the current row on to a neighbour of rows that go and, with one row selectable,
    // selects it: a file trashed or deleted would open the next one. The selection here follows
    // paths instead (followModelChanges), so the current row just goes with its own.
    for (QModelIndex row = currentIndex(); row.isValid(); row = row.parent()) {
        if (row.parent() == parent && row.row() >= start && row.row() <= end) {
            selectionModel()->clearCurrentIndex();
            break;
        }
    }
    QTreeView::rowsAboutToBeRemoved(parent, start, end);
}

void FileOutlineView::onSelectionChanged()
{
    Q_EMIT selectedPathChanged(getPathOfSelectedItem(), selectedItemIsFile());
}

bool FileOutlineView::selectFileByPath(const QString& path)
{
    if (!mOutlineModel)
        return false;
    clearSelection();
    if (path.isEmpty())
        return true;
    const CFileHierarchy& hierarchy = mOutlineModel->getFileHierarchy();
    const std::vector<CFileSystemNodePtr> chain = mShowingAllFolders
                                                      ? hierarchy.GetAncestorsForPath(path)
                                                      : hierarchy.GetVisibleAncestorsForPath(path);
    if (chain.empty())
        return false;
    // From the topmost ancestor down. Not every ancestor is a row (the volumes folder is not,
    // in the full view), so a node that is not a child of the last row found is looked for
    // among the outline's roots before it is passed over.
    QModelIndex parent;
    QModelIndex found;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        QModelIndex index = mOutlineModel->indexOfChild(parent, it->get());
        if (!index.isValid() && parent.isValid())
            index = mOutlineModel->indexOfChild({}, it->get());
        if (!index.isValid())
            continue;
        found = index;
        const bool last = std::next(it) == chain.rend();
        if ((*it)->IsDirectory() && !last)
            expand(index);
        parent = index;
    }
    if (!found.isValid() || found.data(OutlineModel::PathRole).toString() != path)
        return false;
    selectionModel()->setCurrentIndex(found, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(found);
    return true;
}

void FileOutlineView::showAllFolders(bool show)
{
    mShowingAllFolders = show;
    if (mOutlineModel)
        mOutlineModel->setShowingFullHierarchy(show);
}

void FileOutlineView::toggleExpansion(const QModelIndex& index)
{
    if (!index.isValid() || !model()->hasChildren(index))
        return;
    setExpanded(index, !isExpanded(index));
}

void FileOutlineView::expandFolders(int mostRows)
{
    QAbstractItemModel* rows = model();
    if (!rows)
        return;
    std::deque<QModelIndex> pending{QModelIndex()};
    int shown = 0;
    while (!pending.empty()) {
        const QModelIndex folder = pending.front();
        pending.pop_front();
        const int count = rows->rowCount(folder);
        shown += count;
        if (folder.isValid()) {
            if (shown > mostRows)
                return;
            expand(folder);
        }
        for (int i = 0; i < count; ++i) {
            const QModelIndex child = rows->index(i, 0, folder);
            if (child.data(OutlineModel::IsFolderRole).toBool())
                pending.push_back(child);
        }
    }
}

void FileOutlineView::expandSingleFolderChain(const QModelIndex& index)
{
    // A folder that holds nothing but one folder is opened through to where there is a choice.
    if (model()->rowCount(index) != 1)
        return;
    const QModelIndex only = model()->index(0, 0, index);
    if (only.data(OutlineModel::IsFolderRole).toBool() && !isExpanded(only))
        expand(only);
}

QMenu* FileOutlineView::menuForPosition(const QPoint& pos)
{
    mPickedPath.clear();
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || index.column() != 0 || !mOutlineModel ||
        !mOutlineModel->nodeForIndex(index))
        return nullptr;
    mPickedPath = index.data(OutlineModel::PathRole).toString();
    const bool folder = index.data(OutlineModel::IsFolderRole).toBool();
    mRevealAction->setEnabled(true);
    mTrashAction->setEnabled(!folder);
    mInstallAction->setEnabled(!folder && mInstallTargetsAvailable);
    mFavouriteAction->setEnabled(!folder);
    mFavouriteAction->setChecked(index.data(OutlineModel::StarredRole).toBool());
    mTagsAction->setEnabled(!folder);
    return mMenu;
}

void FileOutlineView::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard the menu is for the current row, wherever the mouse pointer is.
    const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QPoint pos =
        keyboard ? visualRect(currentIndex()).center() : viewport()->mapFrom(this, event->pos());
    if (QMenu* menu = menuForPosition(pos))
        menu->popup(keyboard ? viewport()->mapToGlobal(pos) : event->globalPos());
}

void FileOutlineView::keyPressEvent(QKeyEvent* event)
{
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (returnKey && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        toggleExpansion(currentIndex());
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void FileOutlineView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        toggleExpansion(index);
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}
