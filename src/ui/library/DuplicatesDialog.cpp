#include "ui/library/DuplicatesDialog.h"

#include "library/CLibrary.h"
#include "ui/common/ImageScaling.h"
#include "ui/common/ScreenFit.h"
#include "ui/library/DuplicatesModel.h"
#include "ui/library/LibraryController.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int kIconSide = 32;

// Thumbnails for the rows drawn, asked of the library as they come into view and kept by
// brush id for as long as the dialog is open. Tips are drawn in the text's colour, as the grid
// draws them, so a dark palette gets light tips rather than white squares.
class ThumbnailDelegate : public QStyledItemDelegate
{
public:
    ThumbnailDelegate(LibraryController* library, QObject* parent)
        : QStyledItemDelegate(parent), mLibrary(library)
    {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const qint64 id = index.data(DuplicatesModel::BrushIdRole).toLongLong();
        if (index.column() != 0 || id == 0)
            return;
        const QColor ink = option->palette.color(QPalette::Text);
        if (ink != mInk) {
            mCache.clear();
            mInk = ink;
        }
        auto it = mCache.find(id);
        if (it == mCache.end()) {
            QPixmap pixmap;
            if (CLibrary* library = mLibrary->library()) {
                const QImage image = QImage::fromData(library->thumbnailPng(id), "PNG");
                if (!image.isNull())
                    pixmap = QPixmap::fromImage(InkImage(image, ink));
            }
            it = mCache.insert(id, pixmap);
        }
        if (!it->isNull()) {
            option->icon = QIcon(*it);
            option->features |= QStyleOptionViewItem::HasDecoration;
            option->decorationSize = QSize(kIconSide, kIconSide);
        }
    }

private:
    LibraryController* mLibrary;
    mutable QHash<qint64, QPixmap> mCache;
    mutable QColor mInk;
};
} // namespace

DuplicatesDialog::DuplicatesDialog(LibraryController* library, QWidget* parent)
    : QDialog(parent), mLibrary(library)
{
    setWindowTitle(tr("Duplicates"));
    mModel = new DuplicatesModel(this);
    mView = new QTreeView(this);
    mView->setObjectName(QStringLiteral("duplicates"));
    mView->setAccessibleName(tr("Duplicate brushes"));
    mView->setModel(mModel);
    mView->setItemDelegate(new ThumbnailDelegate(library, mView));
    mView->setIconSize(QSize(kIconSide, kIconSide));
    mView->setAlternatingRowColors(true);
    mView->setSelectionMode(QAbstractItemView::SingleSelection);
    // Long paths keep their file name in sight.
    mView->setTextElideMode(Qt::ElideMiddle);
    mView->header()->setStretchLastSection(true);
    mEmpty = new QLabel(this);
    mEmpty->setAlignment(Qt::AlignCenter);
    mEmpty->setWordWrap(true);
    mEmpty->setForegroundRole(QPalette::PlaceholderText);
    mStack = new QStackedWidget(this);
    mStack->addWidget(mView);
    mStack->addWidget(mEmpty);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    mOpen = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
    mReveal = buttons->addButton(tr("Show in File &Manager"), QDialogButtonBox::ActionRole);
    mTrash = buttons->addButton(tr("Move to &Trash"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mStack, 1);
    layout->addWidget(buttons);
    // Its buttons along the bottom must stay on a small or scaled screen.
    ResizeWithinScreen(this, QSize(720, 480));

    auto open = [this] {
        const QModelIndex index = mView->currentIndex();
        if (!currentPath().isEmpty())
            Q_EMIT openRequested(currentPath(), index.data(DuplicatesModel::PositionRole).toInt());
    };
    connect(mOpen, &QPushButton::clicked, this, open);
    connect(mView, &QTreeView::activated, this, [this, open](const QModelIndex& index) {
        if (index.parent().isValid())
            open();
    });
    connect(mReveal, &QPushButton::clicked, this,
            [this] { Q_EMIT revealRequested(currentPath()); });
    // Copied: the trash changes the rows the path came from.
    connect(mTrash, &QPushButton::clicked, this,
            [this] { Q_EMIT trashRequested(QString(currentPath())); });
    // The same three on a member's context menu; Delete trashes, as Ctrl+Delete does in the
    // window.
    mView->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QPushButton* button : {mOpen, mReveal, mTrash}) {
        auto* action = new QAction(button->text(), mView);
        connect(action, &QAction::triggered, button, &QPushButton::click);
        mView->addAction(action);
    }
    QAction* trash = mView->actions().constLast();
    trash->setShortcuts({QKeySequence::Delete, QKeySequence(Qt::CTRL | Qt::Key_Delete)});
    trash->setShortcutContext(Qt::WidgetShortcut);
    connect(mModel, &QAbstractItemModel::modelReset, this, &DuplicatesDialog::updateState);
    connect(mModel, &QAbstractItemModel::rowsRemoved, this, &DuplicatesDialog::updateState);
    connect(mView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DuplicatesDialog::updateState);
    reload();
}

void DuplicatesDialog::reload()
{
    mModel->reload(mLibrary->library());
    // A group's title reads across both columns, over its members.
    for (int row = 0; row < mModel->groupCount(); ++row)
        mView->setFirstColumnSpanned(row, {}, true);
    mView->expandAll();
    // Not fitted to the contents, which would ask for every row's thumbnail.
    mView->header()->resizeSection(0, kIconSide + fontMetrics().averageCharWidth() * 30);
}

void DuplicatesDialog::fileTrashed(const QString& path)
{
    mModel->removePath(path);
}

QString DuplicatesDialog::currentPath() const
{
    return mView->currentIndex().data(DuplicatesModel::PathRole).toString();
}

void DuplicatesDialog::updateState()
{
    const bool member = !currentPath().isEmpty();
    mOpen->setEnabled(member);
    mReveal->setEnabled(member);
    mTrash->setEnabled(member);
    for (QAction* action : mView->actions())
        action->setEnabled(member);
    if (mModel->groupCount() > 0) {
        mStack->setCurrentWidget(mView);
        return;
    }
    CLibrary* library = mLibrary->library();
    mEmpty->setText(library ? tr("No duplicates found among %Ln catalogued files.", nullptr,
                                 library->totals().files)
                            : mLibrary->status().message);
    mStack->setCurrentWidget(mEmpty);
}
